#include "DrawFixture.h"

#include <filesystem>

using namespace lotavo;
using namespace lotavo::test;

namespace {
class DrawSession : public DrawFixture {};
}  // namespace

TEST_F(DrawSession, StartsAtTheLastLevelAndWalksDownToTheEnd)
{
    writeList({"甲", "乙", "丙", "丁", "戊", "己", "庚"});
    levels({{2, 2}, {1, 1}, {1, 1}});
    start();
    const SessionState& st = engine->state();
    EXPECT_EQ(st.currentLevel, 3);
    EXPECT_EQ(host.text(Label::Level), "3等奖");
    EXPECT_EQ(host.text(Label::Stat), "当前奖项共2人,已抽0人,还剩2人");
    EXPECT_EQ(host.text(Label::TipCaption), "正在抽取");
    EXPECT_TRUE(host.rollTimer) << "without StartRun the roll starts at once";

    pressOnce();
    EXPECT_EQ(st.currentLevel, 2);
    pressOnce();
    EXPECT_EQ(st.currentLevel, 1);
    pressOnce();
    EXPECT_EQ(st.currentLevel, 0);
    EXPECT_TRUE(st.drawOver);
    EXPECT_EQ(host.text(Label::TipCaption), "抽取结束");
    EXPECT_EQ(st.results.size(), 4u);
    EXPECT_EQ(st.drawList.size(), 3u);

    space();
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->text, "所有奖项已全部抽取完毕");
    EXPECT_EQ(host.lastMessage()->icon, MessageIcon::Information);
}

TEST_F(DrawSession, MissingAndEmptyListsAndOddLevelCounts)
{
    levels({{1, 1}});
    start();
    ASSERT_GE(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "抽奖名单没有发现,请检查!");
    EXPECT_EQ(host.messages[0].caption, "警告");
    EXPECT_EQ(host.messages[1].text, "您的主抽奖名单 Text.txt 文件中没有名单，请输入名单！");
    EXPECT_TRUE(host.terminateRequested);
    EXPECT_FALSE(host.rollTimer) << "an empty list never rolls";

    host = FakeHost();
    writeFile(folder.file("Text.txt"), "");
    start();
    EXPECT_FALSE(host.terminateRequested);
    ASSERT_EQ(host.messages.size(), 1u);
    pressOnce();
    EXPECT_EQ(host.lastMessage()->text, "您的总名单人数不足,无法继续抽奖,请检查");

    // Zero or negative counts are not presses without end.
    host = FakeHost();
    writeList({"a", "b", "c"});
    settings.writeInteger("Number", "AllJJ", 0);
    settings.writeInteger("JxNumber", "RzSpinEdit1", -4);
    settings.writeInteger("JxNumberAAT", "r1", 0);
    start();
    EXPECT_EQ(engine->state().currentLevel, 1);
    EXPECT_EQ(engine->state().perPress, 1);
    pressOnce();
    EXPECT_TRUE(engine->state().drawOver);
    EXPECT_TRUE(engine->state().results.empty());
}

TEST_F(DrawSession, DefaultsForMissingLevelKeysAndAThousandLevels)
{
    writeList({"a", "b", "c"});
    settings.writeInteger("Number", "AllJJ", 1000);
    start();
    EXPECT_EQ(engine->state().currentLevel, 1000);
    EXPECT_EQ(engine->state().levelTotal, 1);
    EXPECT_EQ(engine->state().perPress, 1);
    pressOnce();
    EXPECT_EQ(engine->state().currentLevel, 999);
}

TEST_F(DrawSession, StartRunWaitsForTheKeyAndLabelStopHaltsANewLevel)
{
    writeList({"a", "b", "c", "d"});
    levels({{1, 1}, {1, 1}});
    settings.writeBool("Option", "StartRun", true);
    settings.writeBool("Option", "LabelStop", true);
    start();
    EXPECT_TRUE(engine->state().stopped);
    EXPECT_FALSE(host.rollTimer);
    space();
    EXPECT_FALSE(engine->state().stopped);
    EXPECT_TRUE(host.rollTimer);
    pressOnce();
    EXPECT_EQ(engine->state().currentLevel, 1);
    EXPECT_TRUE(engine->state().stopped) << "LabelStop halts the next level";
    EXPECT_EQ(host.text(Label::GdArea1), "");
}

TEST_F(DrawSession, EarlierWinnersLeaveTheLevelsFromTheFirstMarkedOneUp)
{
    writeList({"e0", "e1", "e2", "e3", "e4", "e5", "e6", "e7", "e8", "e9"});
    levels({{1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}});
    settings.writeBool("Upshot", "s3", true);         // threshold 2: levels 4, 3 and 2
    settings.writeBool("Option", "RepeatZJ", true);   // a press leaves the winner in the list
    start();
    std::vector<size_t> sizes;
    for (int i = 0; i < 4; ++i) {
        pressOnce();
        sizes.push_back(engine->state().drawList.size());
    }
    EXPECT_EQ(sizes, (std::vector<size_t> {9, 8, 7, 7}));
}

TEST_F(DrawSession, ASerialPrefixKeepsAWinnerFromMatchingByItsEnding)
{
    writeList({"e0", "e1", "e2", "e3"});
    levels({{1, 1}, {1, 1}});
    settings.writeBool("Upshot", "s1", true);
    settings.writeBool("Option", "RepeatZJ", true);
    settings.writeBool("Option", "SerialNumber", true);
    start();
    pressOnce();
    EXPECT_EQ(gbk::toUtf8(engine->state().winners.at(0)).substr(0, 2), "1.");
    EXPECT_EQ(engine->state().drawList.size(), 4u);
}

TEST_F(DrawSession, LevelPicturesBackgroundsOwnListsAndExclusions)
{
    writeList({"a", "b", "c", "d", "e"});
    writeFile(folder.file("pic.jpg"), "x");
    std::filesystem::create_directories(folder.file("List"));
    writeList({"x1", "x2", "x3", "a"}, "List/u1.txt");
    writeList({"x2"}, "List/o2.txt");
    levels({{1, 1}, {1, 1}});
    set("OverPopup", "a2", folder.file("pic.jpg"));
    set("ChangeWall", "c1", "pic.jpg");
    settings.writeBool("ChangeList", "d1", true);
    settings.writeBool("Exclude", "e2", true);
    start();
    ASSERT_EQ(host.pictures.size(), 1u) << "level 2's start picture";
    EXPECT_EQ(engine->state().drawList.size(), 5u) << "o2 names nobody in the main list";
    pressOnce();
    EXPECT_EQ(engine->state().currentLevel, 1);
    EXPECT_EQ(host.background, folder.file("pic.jpg")) << "a relative stored path is joined to the folder";
    EXPECT_EQ(engine->state().currentListFile, folder.file("List/u1.txt"));
    EXPECT_TRUE(engine->state().multiList);
    size_t expected = 4 - (gbk::toUtf8(engine->state().winners[0]) == "a" ? 1 : 0);
    EXPECT_EQ(engine->state().drawList.size(), expected) << "earlier winners leave a level's own list";
}

TEST_F(DrawSession, SameClockSameWinners)
{
    EntryList first;
    for (int run = 0; run < 2; ++run) {
        TempFolder other;
        std::string bytes;
        for (int i = 0; i < 100; ++i)
            bytes += "entry" + std::to_string(i) + "\r\n";
        writeFile(other.file("Text.txt"), bytes);
        IniStore s(other.file("lotavo.bin"));
        s.writeInteger("JxNumber", "RzSpinEdit1", 10);
        s.writeInteger("JxNumberAAT", "r1", 5);
        FakeHost h;
        FixedClock c(LocalTime {2026, 12, 9, 14, 5, 0, 0});
        DrawEngine e(s, ProgramFolder(other.path()), h, c);
        e.startUp();
        for (int i = 0; i < 2; ++i) {
            e.rollTick();
            e.keyDown(vk::Space);
            e.keyUp(vk::Space);
        }
        if (run == 0)
            first = e.state().winners;
        else
            EXPECT_EQ(e.state().winners, first);
        EXPECT_EQ(e.state().winners.size(), 10u);
    }
}

TEST_F(DrawSession, SavedDrawIsRestoredAtTheNextStart)
{
    writeList({"a", "b", "c", "d", "e", "f"});
    levels({{2, 1}, {2, 1}});
    settings.writeBool("Option", "ExitSave", true);
    settings.writeInteger("Option", "ModeSelect", 2);
    start();
    pressOnce();  // level 2: one of two
    space();      // the multi-line draw waits after a press: start again
    pressOnce();  // level 2 complete
    EXPECT_TRUE(engine->state().levelDone);
    EXPECT_EQ(engine->closeRequest(), CloseDecision::Close);
    EXPECT_EQ(settings.readInteger("ExitSave", "Maxj", -1), 1) << "the finished level is saved as the next one";
    EXPECT_EQ(readFile(folder.file("Text.txt")).size(), 4u * 3u) << "the list keeps only those still in the draw";
    std::string resultsName = engine->state().resultsFileName;

    FakeHost second;
    FixedClock later(LocalTime {2026, 12, 10, 9, 0, 0, 0});
    DrawEngine restored(settings, ProgramFolder(folder.path()), second, later);
    restored.startUp();
    EXPECT_EQ(restored.state().currentLevel, 1);
    EXPECT_EQ(restored.state().results.size(), 2u);
    EXPECT_EQ(restored.state().winners.size(), 2u);
    EXPECT_EQ(restored.state().resultsFileName, resultsName);
    EXPECT_EQ(restored.state().drawList.size(), 4u);
}
