#include "DrawFixture.h"

#include <algorithm>
#include <filesystem>

using namespace lotavo;
using namespace lotavo::test;

namespace {

class TemporaryLevel : public DrawFixture {
protected:
    void tenPeople() { writeList({"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"}); }
    void temporary(int winners, int perPress, bool useList)
    {
        set("Temporary", "JxName", "临时奖项");
        set("Temporary", "JxAward", "奖品：红包");
        settings.writeInteger("Temporary", "CurJXall", winners);
        settings.writeInteger("Temporary", "AAT", perPress);
        settings.writeBool("Temporary", "UseList", useList);
        engine->options().temporaryUseList = useList;
        engine->startTemporaryLevel();
    }
    void temporaryList(std::initializer_list<std::string_view> lines)
    {
        std::filesystem::create_directories(folder.file("List"));
        writeList(lines, "List/TempList.txt");
    }
    // Presses until the temporary level has all its winners; the multi-line and picture
    // draws come back with the next key.
    void drawTemporaryLevel()
    {
        const SessionState& st = engine->state();
        for (int guard = 0; guard < 20 && st.temporaryLevel && st.levelDrawn < st.levelTotal; ++guard) {
            if (st.stopped)
                space();
            pressOnce();
        }
        if (st.temporaryLevel)
            space();
    }
    size_t lines(const char* file) const
    {
        std::string bytes = readFile(folder.file(file));
        return static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    }
    size_t resultsWith(std::string_view title) const
    {
        size_t n = 0;
        for (const std::string& line : engine->state().results)
            n += gbk::toUtf8(line).find(title) != std::string::npos;
        return n;
    }
};

}  // namespace

TEST_F(TemporaryLevel, RegularDrawComesBackToTheInterruptedLevelWithItsCounters)
{
    tenPeople();
    levels({{4, 1}, {1, 1}});
    start();
    pressOnce();
    EXPECT_EQ(engine->state().levelDrawn, 1);
    temporary(3, 2, false);
    EXPECT_EQ(host.text(Label::Level), "临时奖项");
    EXPECT_EQ(host.text(Label::Stat), "当前奖项共3人,已抽0人,还剩3人");
    pressOnce();
    EXPECT_EQ(host.popupLevels.back(), 0) << "a temporary level uses 0Pos.Ini";
    pressOnce();
    EXPECT_EQ(host.popups.back().size(), 1u) << "two presses draw 2 and 1";
    EXPECT_FALSE(engine->state().temporaryLevel);
    EXPECT_EQ(engine->state().currentLevel, 2);
    EXPECT_EQ(engine->state().levelDrawn, 1);
    EXPECT_EQ(engine->state().levelRemaining, 3);
    EXPECT_EQ(host.text(Label::Level), "2等奖");
    EXPECT_EQ(host.text(Label::Stat), "当前奖项共4人,已抽1人,还剩3人");
    EXPECT_EQ(resultsWith("临时奖项"), 3u);
    EXPECT_EQ(engine->state().drawList.size(), 6u) << "without its own list the temporary winners leave the list";
    EXPECT_TRUE(host.rollTimer);
}

TEST_F(TemporaryLevel, ItsOwnListIsDrawnAndTheInterruptedListComesBackFromSy)
{
    tenPeople();
    levels({{4, 1}});
    temporaryList({"客人A", "客人B", "客人C", "甲"});
    start();
    pressOnce();
    std::string firstWinner = gbk::toUtf8(engine->state().winners[0]);
    temporary(2, 1, true);
    EXPECT_EQ(engine->state().currentListFile, folder.file("List/TempList.txt"));
    EXPECT_EQ(lines("List/sy.txt"), 9u) << "sy.txt holds the interrupted list";
    EXPECT_EQ(engine->state().drawList.size(), firstWinner == "甲" ? 3u : 4u) << "earlier winners leave the temporary list";
    drawTemporaryLevel();
    EXPECT_EQ(engine->state().currentListFile, folder.file("Text.txt"));
    EXPECT_EQ(engine->state().drawList.size(), 9u) << "the main list is back, less its winners";
    EXPECT_FALSE(engine->options().temporaryUseList) << "the live copy is cleared, the setting stays";
    EXPECT_TRUE(settings.readBool("Temporary", "UseList", false));
    EXPECT_EQ(lines("List/TempList.txt"), firstWinner == "甲" ? 1u : 2u) << "the temporary candidates not drawn are kept";
    for (const std::string& e : engine->state().drawList.entries())
        EXPECT_EQ(gbk::toUtf8(e).find("客人"), std::string::npos);
}

TEST_F(TemporaryLevel, UseListWithoutATemporaryListDrawsFromTheCurrentList)
{
    tenPeople();
    levels({{4, 1}});
    start();
    temporary(2, 1, true);
    EXPECT_EQ(engine->state().drawList.size(), 10u);
    EXPECT_TRUE(std::filesystem::exists(folder.file("List/sy.txt")));
    drawTemporaryLevel();
    EXPECT_EQ(engine->state().drawList.size(), 8u) << "restored from sy.txt less the temporary winners";
    EXPECT_EQ(lines("List/TempList.txt"), 8u);
}

TEST_F(TemporaryLevel, ASecondTemporaryLevelKeepsTheFirstPlaceAndTheInterruptedList)
{
    tenPeople();
    levels({{4, 1}});
    temporaryList({"客人A", "客人B", "客人C", "客人D"});
    start();
    pressOnce();
    temporary(3, 1, true);
    std::string aside = readFile(folder.file("List/sy.txt"));
    pressOnce();
    temporary(1, 1, true);
    EXPECT_EQ(readFile(folder.file("List/sy.txt")), aside) << "sy.txt is the only copy of the interrupted list";
    EXPECT_EQ(settings.readInteger("Temporary", "SaveCurAlreaddy", -1), 1);
    drawTemporaryLevel();
    EXPECT_EQ(engine->state().currentLevel, 1);
    EXPECT_EQ(engine->state().levelDrawn, 1);
    EXPECT_EQ(engine->state().drawList.size(), 9u);
}

TEST_F(TemporaryLevel, TypedCountsAreClampedToALevelThatCanEnd)
{
    tenPeople();
    levels({{4, 1}});
    start();
    temporary(0, 1, false);
    EXPECT_EQ(engine->state().levelTotal, 1);
    temporary(600, 700, false);
    EXPECT_EQ(engine->state().levelTotal, 500);
    EXPECT_EQ(engine->state().perPress, 500);
    temporary(3, 9, false);
    EXPECT_EQ(engine->state().perPress, 3);
}

TEST_F(TemporaryLevel, AfterTheEndOfTheDrawItEndsTheDrawAgain)
{
    tenPeople();
    levels({{1, 1}});
    start();
    pressOnce();
    ASSERT_TRUE(engine->state().drawOver);
    temporary(1, 1, false);
    EXPECT_FALSE(engine->state().drawOver);
    pressOnce();
    EXPECT_TRUE(engine->state().drawOver);
    EXPECT_EQ(engine->state().currentLevel, 0);
    EXPECT_EQ(resultsWith("临时奖项"), 1u);
    space();
    EXPECT_EQ(host.lastMessage()->text, "所有奖项已全部抽取完毕");
}

TEST_F(TemporaryLevel, AListThatCannotBePutAsideStaysTheDrawList)
{
    tenPeople();
    levels({{4, 1}});
    temporaryList({"客人A"});
    std::filesystem::create_directories(folder.file("List/sy.txt"));  // a folder: the write fails
    start();
    temporary(1, 1, true);
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->caption, "错误");
    EXPECT_EQ(engine->state().drawList.size(), 10u);
    EXPECT_EQ(engine->state().currentListFile, folder.file("Text.txt"));
    drawTemporaryLevel();
    EXPECT_EQ(engine->state().drawList.size(), 9u);
}

// Every mode comes back to the interrupted level, with and without the temporary list.
class TemporaryLevelInMode : public TemporaryLevel, public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(TemporaryLevelInMode, RoundTrip)
{
    auto [mode, useList] = GetParam();
    settings.writeInteger("Option", "ModeSelect", mode);
    tenPeople();
    levels({{4, 1}});
    temporaryList({"客人A", "客人B", "客人C"});
    start();
    if (engine->state().stopped)
        space();
    pressOnce();
    int level = engine->state().currentLevel;
    int32_t total = engine->state().levelTotal;
    ASSERT_EQ(engine->state().levelDrawn, 1);
    temporary(2, 1, useList);
    drawTemporaryLevel();
    EXPECT_FALSE(engine->state().temporaryLevel);
    EXPECT_FALSE(engine->state().drawOver);
    EXPECT_EQ(engine->state().currentLevel, level);
    EXPECT_EQ(engine->state().levelTotal, total);
    EXPECT_EQ(engine->state().levelDrawn, 1);
    EXPECT_EQ(resultsWith("临时奖项"), 2u);
    EXPECT_EQ(engine->state().winners.size(), 3u);
    EXPECT_EQ(engine->state().drawList.size(), useList ? 9u : 7u);
    EXPECT_EQ(engine->state().currentListFile, folder.file("Text.txt"));
}

INSTANTIATE_TEST_SUITE_P(Modes, TemporaryLevelInMode,
                         ::testing::Combine(::testing::Values(1, 2, 3, 4), ::testing::Bool()));
