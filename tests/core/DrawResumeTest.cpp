#include "DrawFixture.h"

#include "draw/DrawRecord.h"
#include "draw/RecordVerifier.h"

#include <algorithm>
#include <filesystem>
#include <set>

using namespace lotavo;
using namespace lotavo::test;

namespace {

// A screen on which the program can be made to crash while the winners are up: the folder
// is copied as the disk holds it at that moment.
class SnapshotHost : public FakeHost {
public:
    std::vector<size_t> showWinners(const WinnerPopup& popup) override
    {
        if (snapshotAt == ++shown) {
            std::filesystem::copy(source, target, std::filesystem::copy_options::recursive);
        }
        return FakeHost::showWinners(popup);
    }
    int snapshotAt = 0;
    int shown = 0;
    std::string source, target;
};

class DrawResume : public DrawFixture {
protected:
    void prepare()
    {
        std::string text;
        for (int i = 0; i < 20; ++i)
            text += "name" + std::to_string(i) + "\r\n";
        writeFile(folder.file("Text.txt"), text);
        levels({{4, 2}, {3, 1}, {1, 1}});
    }
    // The program is killed: no close request, nothing saved at exit.
    void crash() { engine.reset(); }
    void restart(std::deque<MessageAnswer> answers)
    {
        host = FakeHost();
        host.answers = std::move(answers);
        start();
    }
    void drawToTheEnd()
    {
        for (int i = 0; i < 20 && !engine->state().drawOver; ++i) {
            if (engine->state().stopped)
                space();
            pressOnce();
        }
        ASSERT_TRUE(engine->state().drawOver);
    }
    std::string record() const { return DrawRecord::pathFor(engine->resultsFilePath()); }
};

}  // namespace

TEST_F(DrawResume, AKilledDrawContinuesWhereItWas)
{
    prepare();
    start();
    pressOnce();
    pressOnce();
    pressOnce();  // level 3 done (2 + 2), one winner of level 2
    EntryList before = engine->state().results;
    std::string resultsName = engine->state().resultsFileName;
    crash();

    restart({MessageAnswer::Yes});
    ASSERT_FALSE(host.messages.empty());
    const auto& asked = host.messages.front();
    EXPECT_EQ(asked.text, "上次抽奖没有正常结束(已抽出5人,当前奖项:2等奖)。\r\n是否继续上次的抽奖?");
    EXPECT_EQ(asked.caption, "询问");
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
    EXPECT_EQ(asked.icon, MessageIcon::Question);

    const SessionState& st = engine->state();
    EXPECT_EQ(st.currentLevel, 2);
    EXPECT_EQ(st.levelTotal, 3);
    EXPECT_EQ(st.levelDrawn, 1);
    EXPECT_EQ(st.levelRemaining, 2);
    EXPECT_EQ(host.text(Label::Level), "2等奖");
    EXPECT_EQ(host.text(Label::Stat), "当前奖项共3人,已抽1人,还剩2人");
    EXPECT_EQ(st.results, before);
    EXPECT_EQ(st.resultsFileName, resultsName) << "the results file goes on under its own name";
    EXPECT_EQ(st.drawList.size(), 15u);
    EntryList left = st.drawList.entries();
    for (const std::string& w : st.winners)
        EXPECT_EQ(std::count(left.begin(), left.end(), w), 0) << w;

    drawToTheEnd();
    std::set<std::string> winners(st.winners.begin(), st.winners.end());
    EXPECT_EQ(winners.size(), 8u) << "nobody twice";
    EXPECT_EQ(parseLines(readFile(engine->resultsFilePath())).size(), 8u);
    Verification v = verifyRecord(folder.path(), record());
    EXPECT_TRUE(v.verified) << v.lines.back();

    crash();
    restart({});
    EXPECT_TRUE(host.messages.empty()) << "a draw that ended is not offered again";
}

TEST_F(DrawResume, AnsweringNoStartsAfreshAndKeepsTheOldResults)
{
    prepare();
    start();
    pressOnce();
    std::string oldResults = engine->resultsFilePath();
    std::string bytes = readFile(oldResults);
    crash();
    restart({MessageAnswer::No});
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(engine->state().currentLevel, 3);
    EXPECT_TRUE(engine->state().results.empty());
    EXPECT_EQ(engine->state().drawList.size(), 20u);
    pressOnce();
    EXPECT_NE(engine->resultsFilePath(), oldResults);
    EXPECT_EQ(readFile(oldResults), bytes);
    crash();
    restart({MessageAnswer::No});
    EXPECT_EQ(host.messages.size(), 1u) << "only the newer draw is offered";
}

TEST_F(DrawResume, ANormalCloseIsNoCrash)
{
    prepare();
    start();
    pressOnce();
    host.answers = {MessageAnswer::No};
    ASSERT_EQ(engine->closeRequest(), CloseDecision::Close);
    crash();
    restart({});
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(engine->state().currentLevel, 3);
}

TEST_F(DrawResume, WinnersOnTheScreenWhenTheProgramDiedAreRecordedNotDrawnAgain)
{
    prepare();
    TempFolder crashed;
    std::filesystem::remove_all(crashed.path());
    SnapshotHost snapshot;
    snapshot.snapshotAt = 2;
    snapshot.source = folder.path();
    snapshot.target = crashed.path();
    engine = std::make_unique<DrawEngine>(settings, ProgramFolder(folder.path()), snapshot, clock);
    engine->startUp();
    pressOnce();
    pressOnce();  // the pop-up of this press is up when the disk is copied
    EntryList shown = snapshot.popups.back();
    crash();

    IniStore copySettings(crashed.file("lotavo.bin"));
    FakeHost again;
    again.answers = {MessageAnswer::Yes};
    DrawEngine resumed(copySettings, ProgramFolder(crashed.path()), again, clock);
    resumed.startUp();
    ASSERT_FALSE(again.messages.empty());
    EXPECT_EQ(again.messages.front().text, "上次抽奖没有正常结束(已抽出4人,当前奖项:3等奖)。\r\n是否继续上次的抽奖?");
    const SessionState& st = resumed.state();
    ASSERT_EQ(st.winners.size(), 4u);
    EXPECT_EQ(EntryList(st.winners.end() - 2, st.winners.end()), shown);
    EXPECT_EQ(parseLines(readFile(resumed.resultsFilePath())).size(), 4u) << "written at the resume";
    EXPECT_EQ(st.currentLevel, 2) << "the press finished level 3";
    Verification v = verifyRecord(crashed.path(), DrawRecord::pathFor(resumed.resultsFilePath()));
    EXPECT_TRUE(v.verified) << v.lines.back();
}

TEST_F(DrawResume, BadStatesStartAfresh)
{
    prepare();
    start();
    pressOnce();
    std::string path = record();
    std::string good = readFile(path);
    crash();

    // Torn in the middle of its last line, as the kill left it: the draw still continues.
    writeFile(path, good + "state\tlevel=3\ttot");
    restart({MessageAnswer::Yes});
    EXPECT_EQ(engine->state().results.size(), 2u);
    EXPECT_NE(readFile(path).find("\ntorn\tbytes=17\t"), std::string::npos);
    crash();

    // A record of an older format, or garbage under the record's name: never offered.
    writeFile(path, "lotavo-record\tformat=0\t#00\n");
    restart({});
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("无法继续"), std::string::npos) << host.messages[0].text;
    EXPECT_EQ(engine->state().currentLevel, 3);
    crash();
    writeFile(path, "\x89PNG garbage");
    restart({});
    EXPECT_TRUE(host.messages.empty());

    // The list changed since: the draw cannot be continued from it, and the program says so.
    writeFile(path, good);
    writeFile(folder.file("Text.txt"), "someone else\r\n");
    crash();
    restart({});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("名单文件 Text.txt 与抽奖时不同"), std::string::npos);
}

TEST_F(DrawResume, AResultsFileThatCannotBeWrittenAtResumeIsReportedAndTheDrawGoesOn)
{
    prepare();
    TempFolder crashed;
    std::filesystem::remove_all(crashed.path());
    SnapshotHost snapshot;
    snapshot.snapshotAt = 2;
    snapshot.source = folder.path();
    snapshot.target = crashed.path();
    engine = std::make_unique<DrawEngine>(settings, ProgramFolder(folder.path()), snapshot, clock);
    engine->startUp();
    pressOnce();
    pressOnce();
    std::string results = engine->resultsFilePath();
    crash();

    // Something in the way of the results file: no process, root or not, can write it.
    std::string blocked = crashed.path() + results.substr(folder.path().size());
    std::filesystem::remove(blocked);
    std::filesystem::create_directories(blocked + "/blocker");
    IniStore copySettings(crashed.file("lotavo.bin"));
    FakeHost again;
    again.answers = {MessageAnswer::Yes};
    DrawEngine resumed(copySettings, ProgramFolder(crashed.path()), again, clock);
    resumed.startUp();
    ASSERT_GE(again.messages.size(), 2u);
    EXPECT_EQ(again.messages[1].caption, "错误");
    EXPECT_NE(again.messages[1].text.find("中奖名单无法保存"), std::string::npos);
    EXPECT_EQ(resumed.state().results.size(), 4u) << "the winners stay in memory";
    EXPECT_EQ(resumed.state().currentLevel, 2);
}
