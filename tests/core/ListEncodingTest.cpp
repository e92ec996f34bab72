#include "DrawFixture.h"

#include "draw/ListEncoding.h"

using namespace lotavo;
using namespace lotavo::test;

namespace {

std::string utf16(std::u16string_view text, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t u : text) {
        char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? std::string {hi, lo} : std::string {lo, hi};
    }
    return out;
}

// Loads through both loaders, which must agree, and returns the entries as UTF-8.
EntryList loadBoth(const TempFolder& folder, std::string_view bytes, ListDecoding& decoding)
{
    std::string path = folder.file("list.txt");
    writeFile(path, bytes);
    EntryList strings;
    EXPECT_TRUE(loadList(path, strings, nullptr, &decoding));
    DrawList list;
    ListDecoding inPlace;
    EXPECT_TRUE(list.loadFile(path, nullptr, &inPlace));
    EXPECT_EQ(list.entries(), strings);
    EXPECT_EQ(inPlace.encoding, decoding.encoding);
    EXPECT_EQ(inPlace.unmappable, decoding.unmappable);
    EntryList utf8;
    for (const auto& line : strings)
        utf8.push_back(gbk::toUtf8(line));
    return utf8;
}

}  // namespace

TEST(ListEncoding, ListsInEveryEncodingBecomeGbkEntries)
{
    TempFolder folder;
    ListDecoding d;
    EXPECT_EQ(loadBoth(folder, "1001 王小明\n1002 李四\n", d), (EntryList {"1001 王小明", "1002 李四"}));
    EXPECT_EQ(d.encoding, TextEncoding::Utf8);
    EXPECT_EQ(loadBoth(folder, "\xEF\xBB\xBF王五\r\nabc\r\n", d), (EntryList {"王五", "abc"}));
    EXPECT_EQ(d.encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(loadBoth(folder, utf16(u"赵六\r\n钱七\r\n", false), d), (EntryList {"赵六", "钱七"}));
    EXPECT_EQ(d.encoding, TextEncoding::Utf16Le);
    EXPECT_EQ(loadBoth(folder, utf16(u"孙八\n", true), d), (EntryList {"孙八"}));
    EXPECT_EQ(d.encoding, TextEncoding::Utf16Be);
    EXPECT_EQ(loadBoth(folder, G("王小明\r\n李四\r\n"), d), (EntryList {"王小明", "李四"}));
    EXPECT_EQ(d.encoding, TextEncoding::Gbk);
    EXPECT_EQ(loadBoth(folder, "only ascii\r\n", d), (EntryList {"only ascii"}));
    EXPECT_EQ(d.encoding, TextEncoding::Gbk) << "ASCII is the same text in either";
    EXPECT_TRUE(d.unmappable.empty());
}

TEST(ListEncoding, CharactersGbkLacksShowAsQuestionMarksNamedOnce)
{
    TempFolder folder;
    ListDecoding d;
    EXPECT_EQ(loadBoth(folder, "张𠀋\n李😀😀\n王𠀋\n", d), (EntryList {"张?", "李??", "王?"}));
    EXPECT_EQ(d.unmappable, (std::u32string {U'\U0002000B', U'\U0001F600'}));
    EXPECT_EQ(listUnmappable(d.unmappable), "U+2000B U+1F600");
    loadBoth(folder, utf16(u"\U0002000B\n", false), d);
    EXPECT_EQ(d.unmappable, std::u32string {U'\U0002000B'}) << "a surrogate pair is one character";
}

TEST(ListEncoding, BadInput)
{
    TempFolder folder;
    ListDecoding d;
    // A UTF-8 list with a broken sequence is not UTF-8 throughout: it is GBK, byte for byte.
    std::string broken = "王小明\n\xE7\x8E\n";
    std::string path = folder.file("broken.txt");
    writeFile(path, broken);
    EntryList lines;
    ASSERT_TRUE(loadList(path, lines, nullptr, &d));
    EXPECT_EQ(d.encoding, TextEncoding::Gbk);
    EXPECT_EQ(lines, (EntryList {"王小明", "\xE7\x8E"}));

    // UTF-16 cut after half a character: the lines before it stay, the half shows as '?'.
    std::string odd = utf16(u"甲\r\n乙", false) + "\x42";
    EXPECT_EQ(loadBoth(folder, odd, d), (EntryList {"甲", "乙?"}));
    EXPECT_EQ(d.unmappable, std::u32string {U'\uFFFD'});
    // A lone surrogate is no character at all.
    std::string lone = utf16(u"a", false) + std::string("\x00\xD8\n\0", 4);
    EXPECT_EQ(loadBoth(folder, lone, d), (EntryList {"a?"}));

    // CR LF and LF mixed in one UTF-8 file, a lone CR too, and an empty line.
    EXPECT_EQ(loadBoth(folder, "甲\r\n乙\n\n丙\r丁", d), (EntryList {"甲", "乙", "", "丙", "丁"}));
    EXPECT_EQ(d.encoding, TextEncoding::Utf8);
    // A UTF-8 mark with bad bytes after it: the mark decides; the bad byte is a '?'.
    EXPECT_EQ(loadBoth(folder, "\xEF\xBB\xBF\xFF王\n", d), (EntryList {"?王"}));
    EXPECT_EQ(loadBoth(folder, "", d), EntryList {});
}

TEST(ListEncoding, AListIsWrittenBackInTheEncodingItCameIn)
{
    TempFolder folder;
    std::string path = folder.file("Text.txt");
    std::string gbkText = G("王小明\r\n李四\r\n");
    for (auto [original, expected] : {
             std::pair<std::string, std::string> {"甲\n", "王小明\r\n李四\r\n"},
             {"\xEF\xBB\xBF甲\n", "\xEF\xBB\xBF王小明\r\n李四\r\n"},
             {utf16(u"甲", false), utf16(u"王小明\r\n李四\r\n", false)},
             {utf16(u"甲", true), utf16(u"王小明\r\n李四\r\n", true)},
             {G("甲\r\n"), G("王小明\r\n李四\r\n")},
         }) {
        writeFile(path, original);
        EXPECT_EQ(saveListKeepingEncoding(gbkText, path), "");
        EXPECT_EQ(readFile(path), expected);
        ListDecoding d;
        EntryList back;
        ASSERT_TRUE(loadList(path, back, nullptr, &d));
        EXPECT_EQ(joinLines(back), gbkText) << "read back as it was written";
    }
    std::string fresh = folder.file("new.txt");
    EXPECT_EQ(saveListKeepingEncoding(gbkText, fresh), "");
    EXPECT_EQ(readFile(fresh), gbkText) << "a new list is GBK";
}

namespace {
class ListEncodingDraw : public DrawFixture {};
}  // namespace

TEST_F(ListEncodingDraw, AUtf8ListRollsInGbkAndIsSavedBackAsUtf8)
{
    writeFile(folder.file("Text.txt"), "王小明\n李四\n张𠀋\n");
    levels({{1, 1}});
    start();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "提示");
    EXPECT_NE(host.messages[0].text.find("Text.txt"), std::string::npos);
    EXPECT_NE(host.messages[0].text.find("U+2000B"), std::string::npos);
    EXPECT_EQ(utf8(engine->state().drawList.entries()), (EntryList {"王小明", "李四", "张?"}));

    pressOnce();
    std::string results = readFile(engine->resultsFilePath());
    EXPECT_EQ(results, engine->state().winners[0] + G("  1等奖") + "\r\n") << "the results stay GBK, CR LF";
    host.answers = {MessageAnswer::Yes};
    EXPECT_EQ(engine->closeRequest(), CloseDecision::Close);
    std::string saved = readFile(folder.file("Text.txt"));
    EXPECT_EQ(saved, gbk::toUtf8(engine->state().drawList.joined())) << "UTF-8 still, without the winner";
    EXPECT_EQ(parseLines(saved).size(), 2u);
}
