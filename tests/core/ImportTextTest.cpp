#include "draw/ImportText.h"

#include "draw/Gbk.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace lotavo;
using namespace lotavo::test;
using namespace lotavo::textimport;

namespace {

std::string utf16(std::u16string_view text, bool bigEndian, bool mark)
{
    std::string out;
    if (mark)
        out += bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text) {
        char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
        out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return out;
}

const std::string kUtf8 = "1001 王小明 市场部\r\n1002 李四\n";

}  // namespace

TEST(ImportTextTest, EveryUsualEncodingEndsAsTheSameGbk)
{
    std::string expected = G(kUtf8);
    DecodedText gbkText = decodeToGbk(expected);
    EXPECT_EQ(gbkText.encoding, TextEncoding::Gbk);
    EXPECT_EQ(gbkText.gbk, expected);

    DecodedText utf8 = decodeToGbk(kUtf8);
    EXPECT_EQ(utf8.encoding, TextEncoding::Utf8);
    EXPECT_EQ(utf8.gbk, expected);

    DecodedText bom = decodeToGbk("\xEF\xBB\xBF" + kUtf8);
    EXPECT_EQ(bom.encoding, TextEncoding::Utf8Bom);
    EXPECT_EQ(bom.gbk, expected);

    std::u16string text = u"1001 王小明 市场部\r\n1002 李四\n";
    for (bool bigEndian : {false, true}) {
        DecodedText marked = decodeToGbk(utf16(text, bigEndian, true));
        EXPECT_EQ(marked.encoding, bigEndian ? TextEncoding::Utf16Be : TextEncoding::Utf16Le);
        EXPECT_EQ(marked.gbk, expected);
        EXPECT_FALSE(marked.binary);
    }
    DecodedText unmarked = decodeToGbk(utf16(u"1001 Wang\r\n1002 Li\r\n", false, false));
    EXPECT_EQ(unmarked.encoding, TextEncoding::Utf16Le);
    EXPECT_EQ(unmarked.gbk, "1001 Wang\r\n1002 Li\r\n");
}

TEST(ImportTextTest, CharactersGbkCannotHoldAreReported)
{
    DecodedText text = decodeToGbk("王小明😀 Zoë ₩\n");
    EXPECT_EQ(text.gbk.find('?') != std::string::npos, true);
    ASSERT_GE(text.unmappable.size(), 1u);
    std::string described = describeUnmappable(text.unmappable);
    EXPECT_NE(described.find("😀"), std::string::npos);
    EXPECT_EQ(describeUnmappable({U"😀", U"😀", U"₩"}), "😀 ₩");
}

TEST(ImportTextTest, SurrogatePairsOfUtf16AreOneCharacter)
{
    DecodedText text = decodeToGbk(utf16(u"a😀b", false, true));
    EXPECT_EQ(text.gbk, "a?b");
    ASSERT_EQ(text.unmappable.size(), 1u);
    EXPECT_EQ(text.unmappable[0], U"😀");
}

TEST(ImportTextTest, BinaryBytesAreNotText)
{
    std::string jpeg("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20);
    EXPECT_TRUE(decodeToGbk(jpeg).binary);
    EXPECT_EQ(sniffSignature(jpeg), FileSignature::Unknown);
    EXPECT_FALSE(decodeToGbk(G("王小明")).binary);
}

TEST(ImportTextTest, CsvQuotesAndLineBreaksInsideFields)
{
    std::string csv = "1001,\"Wang, Xiao\",\"say \"\"hi\"\"\"\r\n1002,\"two\nlines\",\r\n,,\r\nlast";
    std::vector<Row> rows = parseCsv(csv);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (Row{"1001", "Wang, Xiao", "say \"hi\""}));
    EXPECT_EQ(rows[1], (Row{"1002", "two lines", ""}));
    EXPECT_EQ(rows[2], (Row{"", "", ""}));
    EXPECT_EQ(rows[3], (Row{"last"}));
}

TEST(ImportTextTest, CsvOnGbkBytesKeepsChineseFieldsWhole)
{
    std::vector<Row> rows = parseCsv(G("编号,姓名\r\n1001,王小明\r\n"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][1], G("王小明"));
}

TEST(ImportTextTest, ColumnsArePaddedToTheirWidestCellInBytes)
{
    std::vector<Row> rows = {{"1", G("王小明"), G("市场部")},
                             {"1002", G("李四"), "IT", "", ""},
                             {"", "", ""},
                             {"1003", "", G("研发部")},
                             {"", ""}};
    EntryList lines = layoutColumns(rows);
    ASSERT_EQ(lines.size(), 4u) << "the empty row at the end goes";
    EXPECT_EQ(lines[0], "1    " + G("王小明") + " " + G("市场部"));
    EXPECT_EQ(lines[1], "1002 " + G("李四") + "   IT");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "1003        " + G("研发部"));
}

TEST(ImportTextTest, SignaturesTellWhatAFileIs)
{
    EXPECT_EQ(sniffSignature(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(100, '\0')),
              FileSignature::Ole2);
    EXPECT_EQ(sniffSignature(std::string("PK\x03\x04\x14\0", 6)), FileSignature::Zip);
    EXPECT_EQ(sniffSignature("{\\rtf1\\ansi"), FileSignature::Rtf);
    EXPECT_EQ(sniffSignature("  <html><body>"), FileSignature::Markup);
    EXPECT_EQ(sniffSignature(G("1001 王小明\r\n")), FileSignature::Text);
    std::string dbf(64, '\0');
    dbf[0] = 0x03, dbf[1] = 124, dbf[2] = 5, dbf[3] = 17, dbf[8] = 97, dbf[32] = 'N';
    EXPECT_EQ(sniffSignature(dbf), FileSignature::Dbf);
}

TEST(ImportTextTest, AnEncryptedPackageMeansAPassword)
{
    std::string header("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    std::string name = std::string("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32);
    EXPECT_TRUE(isPasswordProtected(header + std::string(2000, '\0') + name));
    EXPECT_FALSE(isPasswordProtected(header + std::string(2000, '\0')));
    EXPECT_FALSE(isPasswordProtected("PK\x03\x04" + name));
}
