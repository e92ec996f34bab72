#include "main/settings/IniStore.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lotavo;
using namespace lotavo::test;

TEST(IniStore, ValueEncodings)
{
    TempFolder dir;
    writeFile(dir.file("s.bin"), "[O]\r\nd=-12\r\nh=$1F\r\nx=0x1f\r\nsys=0XFF00000F\r\nbig=0x100000000\r\n"
                                 "ovf=2147483648\r\nmin=-2147483648\r\nq=\"12\"\r\nsp=  7  \r\nempty=\r\n"
                                 "two=2\r\nneg=-1\r\nabc=abc\r\nzero=0\r\nbare=$\r\n");
    IniStore ini(dir.file("s.bin"));
    EXPECT_EQ(ini.readInteger("O", "d", 5), -12);
    EXPECT_EQ(ini.readInteger("O", "h", 5), 31);
    EXPECT_EQ(ini.readInteger("O", "x", 5), 31);
    EXPECT_EQ(ini.readInteger("O", "sys", 5), static_cast<int32_t>(0xFF00000Fu));
    EXPECT_EQ(ini.readInteger("O", "big", 5), 5);
    EXPECT_EQ(ini.readInteger("O", "ovf", 5), 5);
    EXPECT_EQ(ini.readInteger("O", "min", 5), INT32_MIN);
    EXPECT_EQ(ini.readInteger("O", "q", 5), 12);
    EXPECT_EQ(ini.readInteger("O", "sp", 5), 7);
    EXPECT_EQ(ini.readInteger("O", "empty", 5), 5);
    EXPECT_EQ(ini.readInteger("O", "bare", 5), 5);
    EXPECT_TRUE(ini.readBool("O", "two", false));
    EXPECT_TRUE(ini.readBool("O", "neg", false));
    EXPECT_TRUE(ini.readBool("O", "abc", true));
    EXPECT_FALSE(ini.readBool("O", "abc", false));
    EXPECT_FALSE(ini.readBool("O", "zero", true));
    EXPECT_EQ(ini.readString("O", "q", ""), "12");
    EXPECT_EQ(ini.readString("O", "missing", "def"), "def");

    EXPECT_EQ(ini.writeInteger("O", "w", INT32_MIN), "");
    EXPECT_EQ(ini.writeBool("O", "b", true), "");
    EXPECT_EQ(ini.readInteger("O", "w", 0), INT32_MIN);
    EXPECT_EQ(ini.readString("O", "b", ""), "1");
}

TEST(IniStore, NamesIgnoreCaseAndFirstOccurrenceWins)
{
    TempFolder dir;
    writeFile(dir.file("s.bin"), "[Option]\r\nFontSize=1\r\nfontsize=2\r\n[OPTION]\r\nOther=3\r\n[Debug]\r\nA=4\r\n");
    IniStore ini(dir.file("s.bin"));
    EXPECT_EQ(ini.readInteger("option", "FONTSIZE", 0), 1);
    EXPECT_FALSE(ini.hasKey("Option", "Other"));  // only in the second occurrence
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Option", "Debug"}));
    EXPECT_EQ(ini.keyNames("OPTION"), (std::vector<std::string>{"FontSize"}));

    EXPECT_EQ(ini.writeInteger("OPTION", "fontSIZE", 9), "");
    EXPECT_EQ(ini.writeInteger("option", "other", 8), "");
    EXPECT_EQ(readFile(dir.file("s.bin")), "[Option]\r\nFontSize=9\r\nfontsize=2\r\nother=8\r\n[OPTION]\r\nOther=3\r\n"
                                           "[Debug]\r\nA=4\r\n");

    EXPECT_EQ(ini.deleteKey("OPTION", "fontsize"), "");
    EXPECT_EQ(ini.readInteger("Option", "FontSize", 0), 2);
    EXPECT_EQ(ini.eraseSection("option"), "");
    EXPECT_EQ(readFile(dir.file("s.bin")), "[Debug]\r\nA=4\r\n");
}

TEST(IniStore, LinesOtherThanKeysSurviveWritesByteForByte)
{
    TempFolder dir;
    // CR-only, LF and CR LF line ends mixed, a NUL byte, no final newline.
    std::string original = std::string("stray=1\r; note\n[A]\rk = v \r\n  garbage") + '\0' +
                           " line\n\r\n;tail\r\n[B]\nz=\"q\"";
    writeFile(dir.file("s.bin"), original);
    IniStore ini(dir.file("s.bin"));
    EXPECT_EQ(ini.readString("A", "k", ""), "v");
    EXPECT_FALSE(ini.hasKey("", "stray"));
    EXPECT_EQ(ini.readString("b", "z", ""), "q");
    EXPECT_EQ(ini.writeString("A", "new", "line1\r\nline2"), "");
    EXPECT_EQ(ini.writeString("C", "c", "3"), "");
    EXPECT_EQ(readFile(dir.file("s.bin")), std::string("stray=1\r\n; note\r\n[A]\r\nk = v \r\nnew=line1  line2\r\n"
                                                       "  garbage") +
                                               '\0' + " line\r\n\r\n;tail\r\n[B]\r\nz=\"q\"\r\n\r\n[C]\r\nc=3\r\n");
    EXPECT_NE(ini.writeString("A", "a=b", "1"), "");
    EXPECT_NE(ini.writeString("A", " a", "1"), "");
}

TEST(IniStore, Utf8FileWithBomIsReadAsGbkAndRewrittenAsGbk)
{
    TempFolder dir;
    writeFile(dir.file("s.bin"), "\xEF\xBB\xBF[Option]\r\nlblStarFirst=当前奖项共\r\n");
    IniStore ini(dir.file("s.bin"));
    EXPECT_EQ(ini.readString("Option", "lblStarFirst", ""), G("当前奖项共"));
    EXPECT_EQ(ini.writeString("Option", "lblStarTwo", G("人")), "");
    EXPECT_EQ(readFile(dir.file("s.bin")), "[Option]\r\nlblStarFirst=" + G("当前奖项共") + "\r\nlblStarTwo=" + G("人") + "\r\n");
}

TEST(IniStore, LongValuesStopBeforeHalfACharacter)
{
    TempFolder dir;
    std::string chinese;
    for (int i = 0; i < 1100; ++i)
        chinese += G("中");
    IniStore ini(dir.file("s.bin"));
    ASSERT_EQ(ini.writeString("S", "odd", "a" + chinese), "");
    ASSERT_EQ(ini.writeString("S", "even", "ab" + chinese), "");
    EXPECT_EQ(ini.readString("S", "odd", ""), "a" + chinese.substr(0, 2046));
    EXPECT_EQ(ini.readString("S", "even", ""), "ab" + chinese.substr(0, 2044));
    EXPECT_EQ(ini.readString("S", "odd", "").size(), IniStore::kMaxValueBytes);
}

TEST(IniStore, TwoStoresOnOneFileSeeEachOther)
{
    TempFolder dir;
    IniStore first(dir.file("s.bin")), second(dir.file("s.bin"));
    EXPECT_EQ(second.readInteger("O", "k", -1), -1);  // missing file, now cached as missing
    ASSERT_EQ(first.writeInteger("O", "k", 1), "");
    EXPECT_EQ(second.readInteger("O", "k", -1), 1);
    ASSERT_EQ(second.writeInteger("O", "j", 2), "");
    ASSERT_EQ(first.writeInteger("O", "k", 3), "");  // keeps what the other one wrote
    EXPECT_EQ(second.readInteger("O", "j", -1), 2);
    EXPECT_EQ(second.readInteger("O", "k", -1), 3);

    writeFile(dir.file("s.bin"), "[O]\r\nk=44\r\n");  // an editor, rewriting in place
    EXPECT_EQ(first.readInteger("O", "k", -1), 44);
    EXPECT_FALSE(first.hasKey("O", "j"));
}

TEST(IniStore, FailedWritesLeaveFileAndStoreAsTheyWere)
{
    TempFolder dir;
    writeFile(dir.file("plain"), "x");
    IniStore underFile(dir.file("plain") + "/s.bin");
    EXPECT_NE(underFile.writeInteger("O", "k", 1), "");
    EXPECT_EQ(underFile.readInteger("O", "k", 7), 7);

    // The temporary file beside it cannot be created: its name is too long.
    std::string longName = dir.file(std::string(250, 'n'));
    writeFile(longName, "[O]\r\nk=1\r\n");
    IniStore ini(longName);
    EXPECT_NE(ini.writeInteger("O", "k", 2), "");
    EXPECT_EQ(ini.readInteger("O", "k", 0), 1);
    EXPECT_NE(ini.eraseSection("O"), "");
    EXPECT_EQ(readFile(longName), "[O]\r\nk=1\r\n");

    IniStore folder(dir.path());
    EXPECT_EQ(folder.readString("O", "k", "d"), "d");
    EXPECT_TRUE(folder.sectionNames().empty());
    EXPECT_NE(folder.writeInteger("O", "k", 1), "");

    if (::geteuid() != 0) {  // root ignores permissions
        writeFile(dir.file("hidden.bin"), "[O]\r\nk=1\r\n");
        ::chmod(dir.file("hidden.bin").c_str(), 0);
        IniStore unreadable(dir.file("hidden.bin"));
        EXPECT_EQ(unreadable.readInteger("O", "k", 7), 7);
        EXPECT_NE(unreadable.writeInteger("O", "j", 2), "");  // would drop what it cannot read
        ::chmod(dir.file("hidden.bin").c_str(), 0644);
        EXPECT_EQ(readFile(dir.file("hidden.bin")), "[O]\r\nk=1\r\n");

        writeFile(dir.file("ro.bin"), "[O]\r\nk=1\r\n");
        ::chmod(dir.path().c_str(), 0555);
        IniStore readOnly(dir.file("ro.bin"));
        EXPECT_NE(readOnly.writeInteger("O", "k", 2), "");
        EXPECT_EQ(readFile(dir.file("ro.bin")), "[O]\r\nk=1\r\n");
        ::chmod(dir.path().c_str(), 0755);
    }
}

TEST(IniStore, FontStylesAndColours)
{
    ini::FontStyle none, boldUnder{true, false, true, false}, all{true, true, true, true};
    EXPECT_EQ(ini::formatFontStyle(none), "[]");
    EXPECT_EQ(ini::formatFontStyle(boldUnder), "[fsBold,fsUnderline]");
    EXPECT_EQ(ini::formatFontStyle(all), "[fsBold,fsItalic,fsUnderline,fsStrikeOut]");
    EXPECT_EQ(ini::parseFontStyle(ini::formatFontStyle(all)), all);
    EXPECT_EQ(ini::parseFontStyle("junk fsUnderline;fsBoldX"), boldUnder);
    EXPECT_EQ(ini::parseFontStyle("[FSBOLD,fsitalic]"), none);

    int32_t colour = ini::rgbToColour({0x12, 0x34, 0x56});
    EXPECT_EQ(colour, 0x563412);
    EXPECT_FALSE(ini::isSystemColour(colour));
    ini::Rgb back = ini::colourToRgb(colour);
    EXPECT_EQ((back.r << 16) | (back.g << 8) | back.b, 0x123456);
    int32_t btnFace = static_cast<int32_t>(0xFF00000Fu), window = static_cast<int32_t>(0xFF000005u);
    EXPECT_TRUE(ini::isSystemColour(btnFace));
    EXPECT_EQ(ini::colourToRgb(btnFace).g, 240);
    EXPECT_EQ(ini::colourToRgb(window).b, 255);
    EXPECT_EQ(ini::colourToRgb(static_cast<int32_t>(0xFF000008u)).r, 0);
}
