#include "draw/ListTools.h"

#include "draw/Gbk.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace lotavo;
using namespace lotavo::test;

namespace {

// The shuffle the plain way: every move shifts the vector.
void shufflePlainly(EntryList& lines, RandomGenerator& random)
{
    size_t n = lines.size();
    for (size_t i = 0; i < n; ++i) {
        size_t to = random.below(static_cast<uint32_t>(n - 1));
        std::string moved = lines[i];
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(to), moved);
    }
}

EntryList numbered(size_t count)
{
    EntryList lines;
    for (size_t i = 0; i < count; ++i)
        lines.push_back(std::to_string(1000 + i) + G(" 王小明"));
    return lines;
}

}  // namespace

TEST(ListToolsTest, ShuffleMovesEachLineAsTheOldEditorDid)
{
    for (size_t n : {0u, 1u, 2u, 3u, 7u, 100u, 2000u}) {
        EntryList lines = numbered(n);
        EntryList expected = lines;
        RandomGenerator a, b;
        a.seed(12345);
        b.seed(12345);
        shuffleLines(lines, a);
        shufflePlainly(expected, b);
        EXPECT_EQ(lines, expected) << n << " lines";
        EXPECT_EQ(a.state(), b.state());
    }
}

TEST(ListToolsTest, ShuffleKeepsEveryLineAndReportsProgressToTheEnd)
{
    EntryList lines = numbered(20000);
    EntryList before = lines;
    RandomGenerator random;
    random.seed(7);
    size_t lastDone = 0, reports = 0;
    shuffleLines(lines, random, [&](size_t done, size_t total) {
        EXPECT_EQ(total, 20000u);
        EXPECT_GE(done, lastDone);
        lastDone = done;
        ++reports;
    });
    EXPECT_EQ(lastDone, 20000u);
    EXPECT_GT(reports, 1u);
    EXPECT_NE(lines, before);
    std::sort(lines.begin(), lines.end());
    std::sort(before.begin(), before.end());
    EXPECT_EQ(lines, before);
}

TEST(ListToolsTest, TrimRemovesControlBytesAndBlanksOnlyAtTheEnds)
{
    EntryList lines = {G("  王小明 市场部\t"), "\x01\x1F" "abc" "\r", G("张 三"), "   ", ""};
    EXPECT_EQ(trimLines(lines), 3u);
    EXPECT_EQ(lines, (EntryList{G("王小明 市场部"), "abc", G("张 三"), "", ""}));
}

TEST(ListToolsTest, TrimKeepsChineseCharactersWhoseBytesAreHigh)
{
    // 0xA1A1 is the full-width space of GBK: not code 32 or below, so it stays.
    EntryList lines = {"\xA1\xA1" + G("王") + "\xA1\xA1"};
    EntryList before = lines;
    EXPECT_EQ(trimLines(lines), 0u);
    EXPECT_EQ(lines, before);
}

TEST(ListToolsTest, ThreeBlankLinesInARowAllGo)
{
    EntryList lines = {G("王小明"), "", " ", "\t", G("李四"), ""};
    EXPECT_EQ(removeBlankLines(lines), 4u);
    EXPECT_EQ(lines, (EntryList{G("王小明"), G("李四")}));
}

TEST(ListToolsTest, DuplicatesKeepTheFirstIgnoringCaseAndComeOutSorted)
{
    EntryList lines = {"abc", G("王五"), "ABC", G("李四"), "Abc", G("王五"), " abc", "b"};
    EXPECT_EQ(removeDuplicates(lines), 3u);
    EntryList expected = {" abc", "abc", "b", G("李四"), G("王五")};
    std::sort(expected.begin(), expected.end(),
              [](const std::string& a, const std::string& b) { return gbk::compareNoCase(a, b) < 0; });
    EXPECT_EQ(lines, expected);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "abc"), lines.end()) << "the first spelling is kept";
}

TEST(ListToolsTest, DuplicatesNeverFoldTheSecondByteOfAChineseCharacter)
{
    // 0x8141 and 0x8161 are two different characters whose second bytes are 'A' and 'a'.
    EntryList lines = {"\x81\x41", "\x81\x61", "\x81\x41"};
    EXPECT_EQ(removeDuplicates(lines), 1u);
    EXPECT_EQ(lines, (EntryList{"\x81\x41", "\x81\x61"}));
}

TEST(ListToolsTest, DuplicatesOfALargeListMatchAPlainSetOfFoldedLines)
{
    std::mt19937 rng(3);
    EntryList lines;
    for (int i = 0; i < 30000; ++i) {
        std::string name = std::to_string(rng() % 5000) + (rng() % 2 ? "Ab" : "aB") + G("部");
        lines.push_back(name);
    }
    EntryList result = lines;
    removeDuplicates(result);
    std::vector<std::string> folded;
    for (const std::string& line : lines)
        folded.push_back(gbk::foldCase(line));
    std::sort(folded.begin(), folded.end());
    folded.erase(std::unique(folded.begin(), folded.end()), folded.end());
    ASSERT_EQ(result.size(), folded.size());
    for (size_t i = 0; i < result.size(); ++i) {
        EXPECT_EQ(gbk::foldCase(result[i]), folded[i]);
        // The first one of its kind in the list.
        auto first = std::find_if(lines.begin(), lines.end(),
                                  [&](const std::string& line) { return gbk::equalNoCase(line, result[i]); });
        EXPECT_EQ(*first, result[i]);
    }
}

TEST(ListToolsTest, EveryLineEndingInTheTailGoesConsecutiveOnesToo)
{
    EntryList lines = {"1008", "1018", "998", "1019", "8"};
    EXPECT_EQ(deleteByTail(lines, "8"), 4u);
    EXPECT_EQ(lines, (EntryList{"1019"}));
    lines = {"1008", "1018", "998"};
    EXPECT_EQ(deleteByTail(lines, "08"), 1u);
    EXPECT_EQ(lines, (EntryList{"1018", "998"}));
}

TEST(ListToolsTest, TailIsExactAndShorterLinesStay)
{
    EntryList lines = {"a8", "A8", "8", "", G("王小明８")};
    EXPECT_EQ(deleteByTail(lines, "a8"), 1u);
    EXPECT_EQ(lines, (EntryList{"A8", "8", "", G("王小明８")}));
    EXPECT_EQ(deleteByTail(lines, "x8"), 0u);
    EXPECT_EQ(deleteByTail(lines, ""), 0u);
    EXPECT_EQ(deleteByTail(lines, G("８")), 1u) << "a full-width digit is its own tail";
    EXPECT_EQ(lines, (EntryList{"A8", "8", ""}));
}

TEST(ListToolsTest, TailNeverMatchesTheSecondByteOfAChineseCharacter)
{
    // The GBK bytes of 丰 are 0xB7 0xE1; 乇 is 0x81 0x41, ending in the byte of 'A'.
    EntryList lines = {"\x81\x41", "xA", G("王") + "A"};
    EXPECT_EQ(deleteByTail(lines, "A"), 2u);
    EXPECT_EQ(lines, (EntryList{"\x81\x41"}));
}

TEST(ListToolsTest, ClosingDropsBlankLinesAmongTheLastNine)
{
    EntryList lines = {"", "a", "b", "", "c", " ", "d", "e", "f", "g", "", "  "};
    EXPECT_EQ(dropTrailingBlankLines(lines), 4u) << "the last nine start at the fourth line";
    EXPECT_EQ(lines, (EntryList{"", "a", "b", "c", "d", "e", "f", "g"}));
    EntryList few = {"", " ", ""};
    EXPECT_EQ(dropTrailingBlankLines(few), 3u);
    EXPECT_TRUE(few.empty());
}
