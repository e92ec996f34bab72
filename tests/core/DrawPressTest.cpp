#include "DrawFixture.h"

#include <algorithm>
#include <set>

using namespace lotavo;
using namespace lotavo::test;

namespace {
class DrawPress : public DrawFixture {
protected:
    void sixPeople() { writeList({"甲", "乙", "丙", "丁", "戊", "己"}); }
};
}  // namespace

TEST_F(DrawPress, RegularDrawPressesByPerPressAndTheLastOneTakesTheRest)
{
    writeList({"a", "b", "c", "d", "e", "f", "g", "h"});
    levels({{5, 2}, {1, 1}});
    start();
    pressOnce();
    pressOnce();
    EXPECT_EQ(host.text(Label::Stat), "当前奖项共5人,已抽4人,还剩1人");
    pressOnce();
    ASSERT_EQ(host.popups.size(), 3u);
    EXPECT_EQ(host.popups[0].size(), 2u);
    EXPECT_EQ(host.popups[2].size(), 1u);
    EXPECT_EQ(engine->state().currentLevel, 1);
    EXPECT_EQ(engine->state().drawList.size(), 3u);
    EXPECT_TRUE(host.rollTimer) << "the regular draw rolls on after the pop-up";

    std::set<std::string> distinct(engine->state().winners.begin(), engine->state().winners.end());
    EXPECT_EQ(distinct.size(), 5u) << "nobody wins twice";
}

TEST_F(DrawPress, ShortListsAreRefusedWithTheirOwnMessages)
{
    writeList({"a", "b", "c"});
    levels({{5, 3}});
    start();
    pressOnce();
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->text, "您的名单中人数不足,无法继续抽奖,请检查名单")
        << "the regular draw wants more entries than one press";
    EXPECT_EQ(engine->state().levelRemaining, 5);
    EXPECT_FALSE(host.rollTimer);

    settings.writeInteger("Option", "ModeSelect", 2);
    host = FakeHost();
    start();
    pressOnce();
    EXPECT_EQ(engine->state().winners.size(), 3u) << "the multi-line draw takes exactly one press worth";
}

TEST_F(DrawPress, HeldKeysMakeOnePressAndTheLockWantsTheUnlockKey)
{
    sixPeople();
    levels({{6, 1}});
    start();
    engine->rollTick();
    engine->keyDown(vk::Space);
    engine->keyDown(vk::Space);  // auto-repeat of a held key
    engine->keyDown(vk::Space);
    EXPECT_EQ(engine->state().winners.size(), 1u);
    engine->keyUp(vk::Space);
    pressOnce();
    EXPECT_EQ(engine->state().winners.size(), 2u);

    settings.writeBool("Option", "AllKeyOpen", true);
    host = FakeHost();
    start();
    pressOnce();
    EXPECT_TRUE(engine->state().winners.empty()) << "locked until the unlock key";
    engine->keyDown(vk::Escape);
    engine->keyUp(vk::Escape);
    pressOnce();
    EXPECT_EQ(engine->state().winners.size(), 1u);
    pressOnce();
    EXPECT_EQ(engine->state().winners.size(), 1u) << "every press wants the unlock key again";
}

TEST_F(DrawPress, PauseKeyBlocksTheStartStopKey)
{
    sixPeople();
    levels({{6, 1}});
    start();
    engine->keyDown(vk::Pause);
    engine->keyUp(vk::Pause);
    EXPECT_TRUE(host.visible[static_cast<size_t>(Label::Pause)]);
    EXPECT_FALSE(host.rollTimer);
    pressOnce();
    EXPECT_TRUE(engine->state().winners.empty());
    engine->keyDown(vk::Pause);
    engine->keyUp(vk::Pause);
    EXPECT_TRUE(host.rollTimer);
    pressOnce();
    EXPECT_EQ(engine->state().winners.size(), 1u);
}

TEST_F(DrawPress, StepToStepTakesOneKeyToStartAndOneToStop)
{
    sixPeople();
    levels({{6, 1}});
    settings.writeBool("Option", "StepToStep", true);
    start();
    pressOnce();
    EXPECT_EQ(engine->state().winners.size(), 1u);
    EXPECT_TRUE(engine->state().stopped);
    EXPECT_FALSE(host.rollTimer);
    space();
    EXPECT_TRUE(host.rollTimer);
    pressOnce();
    EXPECT_EQ(engine->state().winners.size(), 2u);
}

TEST_F(DrawPress, MultiLineDrawFreezesLabelsAndAdvancesOnTheNextKey)
{
    writeList({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n"});
    levels({{12, 12}, {1, 1}});
    settings.writeInteger("Option", "ModeSelect", 2);
    start();
    int visible = 0;
    for (int i = 0; i < kRollingLabels; ++i)
        visible += host.visible[static_cast<size_t>(i)];
    EXPECT_EQ(visible, 10);
    pressOnce();
    const SessionState& st = engine->state();
    EXPECT_EQ(st.winners.size(), 12u) << "twelve drawn, ten shown";
    EXPECT_EQ(host.texts[9], st.pressList[9]);
    EXPECT_TRUE(st.stopped);
    EXPECT_TRUE(st.levelDone);
    EXPECT_EQ(st.currentLevel, 2);
    space();
    EXPECT_EQ(st.currentLevel, 1);
    EXPECT_FALSE(st.stopped);
    EXPECT_TRUE(host.rollTimer);
}

TEST_F(DrawPress, DuplicatesLeaveWithTheWinnerAndTheListEndsSorted)
{
    writeList({"B", "a", "C", "A", "b"});
    levels({{1, 1}});
    settings.writeBool("Option", "DelRepaetEnable", true);
    start();
    pressOnce();
    std::string winner = gbk::toUtf8(engine->state().winners.at(0));
    EntryList rest = utf8(engine->state().drawList.entries());
    EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end(), [](const std::string& x, const std::string& y) {
        return gbk::compareNoCase(x, y) < 0;
    }));
    for (const std::string& entry : rest)
        EXPECT_FALSE(gbk::equalNoCase(entry, winner));
    EXPECT_EQ(rest.size(), winner == "C" || winner == "c" ? 4u : 3u);
}

TEST_F(DrawPress, RemovingAllCopiesNeverDrawsAWinnerThatIsNotThere)
{
    writeList({"x", "x", "x", "x", "y"});
    levels({{3, 3}});
    settings.writeBool("Option", "DelRepaetEnable", true);
    start();
    pressOnce();
    const SessionState& st = engine->state();
    EXPECT_LE(st.winners.size(), 2u);
    EXPECT_EQ(st.levelRemaining, 3 - static_cast<int32_t>(st.winners.size()))
        << "the counters count the winners really drawn";
}

TEST_F(DrawPress, RepeatedWinnersAndSerialNumbers)
{
    writeList({"solo", "solo", "solo"});
    levels({{3, 3}, {2, 2}});
    settings.writeBool("Option", "RepeatZJ", true);
    settings.writeBool("Option", "SerialNumber", true);
    start();
    pressOnce();
    EXPECT_EQ(utf8(engine->state().winners), (EntryList {"1.solo", "2.solo", "3.solo"}));
    pressOnce();
    ASSERT_EQ(engine->state().winners.size(), 5u);
    EXPECT_EQ(gbk::toUtf8(engine->state().winners.back()), "5.solo") << "numbering runs on across levels";
}

TEST_F(DrawPress, CancelledConfirmationReturnsTheWinners)
{
    writeList({"a", "b", "c", "d", "e", "f"});
    levels({{4, 2}});
    settings.writeInteger("Option", "ModeSelect", 2);
    settings.writeBool("Option", "Affirm", true);
    settings.writeBool("Option", "SerialNumber", true);
    start();
    host.confirmAnswers = {false};
    pressOnce();
    const SessionState& st = engine->state();
    EXPECT_TRUE(st.winners.empty());
    EXPECT_TRUE(st.results.empty());
    EXPECT_EQ(host.text(Label::Stat), "当前奖项共4人,已抽0人,还剩4人");
    EntryList list = utf8(st.drawList.entries());
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[4].find('.'), std::string::npos) << "they come back without their number";
    space();
    pressOnce();
    EXPECT_EQ(st.winners.size(), 2u);
}

TEST_F(DrawPress, StruckOutWinnersAreRedrawnAndNotRecorded)
{
    writeList({"a", "b", "c", "d", "e", "f"});
    levels({{2, 2}, {1, 1}});
    settings.writeBool("Option", "Affirm", true);
    settings.writeBool("Option", "AllowDeleteR", true);
    settings.writeBool("Option", "PrivacyStar", true);  // the pop-up shows masked text: strike-out still finds the winner
    start();
    host.strikeOuts = {{1}};
    pressOnce();
    const SessionState& st = engine->state();
    ASSERT_EQ(st.winners.size(), 1u);
    EXPECT_EQ(st.currentLevel, 2) << "the level is not complete";
    EXPECT_EQ(st.levelRemaining, 1);
    EXPECT_EQ(st.drawList.size(), 5u) << "the absent winner is back in the list";
    EXPECT_TRUE(host.rollTimer);
    pressOnce();
    EXPECT_EQ(st.winners.size(), 2u);
    EXPECT_EQ(st.currentLevel, 1);
}

TEST_F(DrawPress, HugeEntriesAndManyWinnersPerPress)
{
    std::string big(10000, 'x');
    std::string bytes = big + "\r\n";
    for (int i = 0; i < 2000; ++i)
        bytes += "p" + std::to_string(i) + "\r\n";
    writeFile(folder.file("Text.txt"), bytes);
    levels({{1500, 1000}});
    settings.writeInteger("Option", "ModeSelect", 2);
    start();
    pressOnce();
    space();
    pressOnce();
    EXPECT_EQ(engine->state().winners.size(), 1500u);
    EXPECT_EQ(engine->state().drawList.size(), 501u);
}
