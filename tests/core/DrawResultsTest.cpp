#include "DrawFixture.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace lotavo;
using namespace lotavo::test;

namespace {
class DrawResults : public DrawFixture {};
}  // namespace

TEST_F(DrawResults, EveryPressIsOnDiskInTheResultsFormat)
{
    writeList({"1001 王小明", "1002 李四", "1003 张三"});
    levels({{2, 1}, {1, 1}});
    set("JxTitle", "RzEdit2", "二等奖");
    set("JxAward", "AWRzEdit2", "平板电脑");
    settings.writeBool("Option", "ListAwardShow", true);
    start();
    EXPECT_EQ(gbk::toUtf8(engine->state().resultsFileName), "09日14时05分中奖名单.txt");
    EXPECT_FALSE(fileExists(engine->resultsFilePath())) << "no press, no file";
    pressOnce();
    std::string bytes = readFile(engine->resultsFilePath());
    std::string expected = engine->state().winners[0] + G("  二等奖  平板电脑") + "\r\n";
    EXPECT_EQ(bytes, expected) << "written after the first press already, GBK and CR LF";
    EXPECT_TRUE(std::filesystem::exists(folder.file("09日14时05分中奖名单.txt"))) << "file names are UTF-8";
}

TEST_F(DrawResults, AnEarlierSessionsResultsAreNeverReplaced)
{
    writeList({"a", "b", "c"});
    levels({{1, 1}});
    writeFile(folder.file("09日14时05分中奖名单.txt"), "earlier\r\n");
    writeFile(folder.file("09日14时05分中奖名单(2).txt"), "earlier too\r\n");
    start();
    pressOnce();
    EXPECT_EQ(readFile(folder.file("09日14时05分中奖名单.txt")), "earlier\r\n");
    EXPECT_EQ(gbk::toUtf8(engine->state().resultsFileName), "09日14时05分中奖名单(3).txt");
    EXPECT_EQ(readFile(engine->resultsFilePath()).substr(1), G("  1等奖") + "\r\n");
    host.answers = {MessageAnswer::No};
    EXPECT_EQ(engine->closeRequest(), CloseDecision::Close);
    EXPECT_NE(host.lastMessage()->text.find("09日14时05分中奖名单(3).txt"), std::string::npos)
        << "the close question names the file really written";
}

TEST_F(DrawResults, CloseRequestAnswers)
{
    writeList({"a", "b", "c", "d"});
    levels({{2, 1}});
    start();
    EXPECT_EQ(engine->closeRequest(), CloseDecision::Close);
    EXPECT_TRUE(host.messages.empty()) << "nothing drawn, nothing asked";

    pressOnce();
    host.answers = {MessageAnswer::Cancel};
    EXPECT_EQ(engine->closeRequest(), CloseDecision::StayOpen);
    EXPECT_EQ(host.lastMessage()->buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(host.lastMessage()->caption, "警告");
    EXPECT_EQ(engine->state().results.size(), 1u);

    host.answers = {MessageAnswer::No};
    EXPECT_EQ(engine->closeRequest(), CloseDecision::Close);
    EXPECT_EQ(readFile(folder.file("Text.txt")), "a\r\nb\r\nc\r\nd\r\n");

    host.answers = {MessageAnswer::Yes};
    EXPECT_EQ(engine->closeRequest(), CloseDecision::Close);
    EXPECT_EQ(parseLines(readFile(folder.file("Text.txt"))).size(), 3u) << "Yes keeps only those who did not win";
}

TEST_F(DrawResults, AFolderThatCannotBeWrittenKeepsTheProgramOpen)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes anywhere";
    writeList({"a", "b", "c"});
    levels({{2, 1}});
    start();
    ::chmod(folder.path().c_str(), 0555);
    pressOnce();
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(host.lastMessage()->caption, "错误");
    EXPECT_NE(host.lastMessage()->text.find("中奖名单无法保存"), std::string::npos);
    EXPECT_EQ(engine->state().results.size(), 1u) << "the winner stays in memory";
    ::chmod(folder.path().c_str(), 0555);
    host.answers = {MessageAnswer::Yes};
    EXPECT_EQ(engine->closeRequest(), CloseDecision::StayOpen);
    ::chmod(folder.path().c_str(), 0755);
    host.answers = {MessageAnswer::No};
    EXPECT_EQ(engine->closeRequest(), CloseDecision::Close);
    EXPECT_EQ(parseLines(readFile(engine->resultsFilePath())).size(), 1u);
}

TEST_F(DrawResults, ReadOnlyResultsFileIsReportedNotCountedAsSaved)
{
    writeList({"a", "b", "c"});
    levels({{2, 1}});
    start();
    pressOnce();
    // A folder in the way of the results file: no process, root or not, can write it.
    std::string path = engine->resultsFilePath();
    std::filesystem::remove(path);
    std::filesystem::create_directories(path + "/blocker");
    host.answers = {MessageAnswer::No};
    EXPECT_EQ(engine->closeRequest(), CloseDecision::StayOpen);
    EXPECT_EQ(host.lastMessage()->caption, "错误");
}

TEST_F(DrawResults, RedrawStartsAFreshSession)
{
    writeList({"a", "b", "c", "d"});
    levels({{1, 1}});
    settings.writeBool("Option", "SerialNumber", true);
    start();
    pressOnce();
    EXPECT_TRUE(engine->state().drawOver);
    std::string firstResults = engine->resultsFilePath();
    clock.advanceSeconds(120);
    host.answers = {MessageAnswer::No};
    engine->redraw();
    const SessionState& st = engine->state();
    EXPECT_FALSE(st.drawOver);
    EXPECT_TRUE(st.results.empty());
    EXPECT_EQ(st.drawList.size(), 4u);
    EXPECT_EQ(st.currentLevel, 1);
    EXPECT_EQ(gbk::toUtf8(st.resultsFileName), "09日14时07分中奖名单.txt");
    EXPECT_TRUE(fileExists(firstResults));
    pressOnce();
    EXPECT_EQ(gbk::toUtf8(st.winners.at(0)).substr(0, 2), "1.") << "numbering starts again";
}

TEST_F(DrawResults, AwardScreenTextInTwoColumnsNewestFirst)
{
    writeList({"r1", "r2", "r3", "x", "y"});
    levels({{3, 1}});
    settings.writeBool("AwardScreen", "fxcl", true);
    settings.writeBool("AwardScreen", "Col2", true);
    start();
    for (int i = 0; i < 3; ++i)
        pressOnce();
    engine->fillAwardScreen(true);
    ASSERT_EQ(host.awardScreens.size(), 1u);
    const EntryList& lines = host.awardScreens[0];
    const EntryList& results = engine->state().results;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "<Title1>   " + results[2]);
    EXPECT_EQ(lines[1], results[1] + "   " + results[0]);
}
