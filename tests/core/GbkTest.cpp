#include "draw/Gbk.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace lotavo;
using lotavo::test::G;

TEST(Gbk, ConvertsBothWaysAndNeverFailsOnBadInput)
{
    EXPECT_EQ(G("王五"), "\xCD\xF5\xCE\xE5");
    EXPECT_EQ(gbk::toUtf8(G("张三 Li 市场部")), "张三 Li 市场部");
    EXPECT_EQ(gbk::literal("é"), gbk::fromUtf8("é"));

    // Bytes that are not GBK become U+FFFD one byte at a time; what follows still converts.
    EXPECT_EQ(gbk::toUtf8("a\xFF" "b"), "a\uFFFD" "b");
    EXPECT_EQ(gbk::toUtf8("\x81\x30"), "\uFFFD" "0");
    EXPECT_EQ(gbk::toUtf8(G("王") + "\x81"), "王\uFFFD");

    // Characters GBK lacks, and bytes that are not UTF-8, become '?' and are reported in order.
    std::vector<std::u32string> lost;
    EXPECT_EQ(gbk::fromUtf8("a😀한\xC3(王", &lost), "a???" "(" + G("王"));
    ASSERT_EQ(lost.size(), 3u);
    EXPECT_EQ(lost[0], U"😀");
    EXPECT_EQ(lost[1], U"한");
    EXPECT_EQ(lost[2], U"\uFFFD");
}

TEST(Gbk, FoldsOnlyStandAloneAsciiLetters)
{
    EXPECT_TRUE(gbk::equalNoCase("Zhang", "zHANG"));
    EXPECT_FALSE(gbk::equalNoCase("Zhang", "Zhang "));
    EXPECT_TRUE(gbk::equalNoCase(G("王") + "A", G("王") + "a"));

    // 0x81 0x41 and 0x81 0x61 are two different characters whose trail bytes are 'A' and 'a'.
    std::string upperTrail = "\x81\x41", lowerTrail = "\x81\x61";
    ASSERT_EQ(gbk::toUtf8(upperTrail).find("\uFFFD"), std::string::npos);
    ASSERT_EQ(gbk::toUtf8(lowerTrail).find("\uFFFD"), std::string::npos);
    EXPECT_FALSE(gbk::equalNoCase(upperTrail, lowerTrail));
    EXPECT_LT(gbk::compareNoCase(upperTrail, lowerTrail), 0);
    EXPECT_EQ(gbk::foldCase("AB" + upperTrail + "C"), "ab" + upperTrail + "c");

    // Order is unsigned byte order of the folded text.
    EXPECT_LT(gbk::compareNoCase("_", "Z"), 0);  // '_' < 'z' although 'Z' < '_'
    EXPECT_LT(gbk::compareNoCase("ab", "ABC"), 0);
    EXPECT_GT(gbk::compareNoCase(G("王"), "zzz"), 0);
    EXPECT_GT(gbk::compareNoCase("b", std::string("a\0", 2)), 0);
}

TEST(Gbk, CharacterBoundariesFollowLeadBytes)
{
    std::string s = "a" + G("王") + "b";
    EXPECT_TRUE(gbk::isCharBoundary(s, 0));
    EXPECT_TRUE(gbk::isCharBoundary(s, 1));
    EXPECT_FALSE(gbk::isCharBoundary(s, 2));
    EXPECT_TRUE(gbk::isCharBoundary(s, 3));
    EXPECT_TRUE(gbk::isCharBoundary(s, 4));
    EXPECT_FALSE(gbk::isCharBoundary(s, 5));

    // A trail byte in the lead range does not start a character.
    EXPECT_FALSE(gbk::isCharBoundary("\xB0\xB0\xB0\xB0", 1));
    EXPECT_TRUE(gbk::isCharBoundary("\xB0\xB0\xB0\xB0", 2));
    EXPECT_TRUE(gbk::isCharBoundary("a\x81", 2));  // a cut-off lead byte stands alone
}
