// The draw record of the prize and picture draws and of temporary levels: whole draws are
// verified from it, and a draw killed inside a temporary level continues from it.
#include "DrawFixture.h"

#include "draw/DrawRecord.h"
#include "draw/RecordVerifier.h"

#include <filesystem>
#include <set>

using namespace lotavo;
using namespace lotavo::test;

namespace {

class RecordModes : public DrawFixture {
protected:
    std::string recordPath() const { return DrawRecord::pathFor(engine->resultsFilePath()); }
    Verification verify() const { return verifyRecord(folder.path(), recordPath()); }
    static std::string last(const Verification& v) { return v.lines.empty() ? "" : v.lines.back(); }
    std::string recordText() const { return readFile(recordPath()); }

    // Presses with `ticks` ticks of the roll before each (the picture roll's pictures drawn
    // ahead are shown by ticks), until the draw ends or `guard` presses.
    void drawOn(int guard, int ticks = 2)
    {
        const SessionState& st = engine->state();
        for (int i = 0; i < guard && !st.drawOver; ++i) {
            if (st.stopped)
                space();
            for (int t = 0; t < ticks + i % 3; ++t)
                engine->rollTick();
            space();
            clock.advanceSeconds(3);
        }
    }
    void temporary(int winners, int perPress, bool useList)
    {
        set("Temporary", "JxName", "临时奖项");
        set("Temporary", "JxAward", "红包");
        settings.writeInteger("Temporary", "CurJXall", winners);
        settings.writeInteger("Temporary", "AAT", perPress);
        settings.writeBool("Temporary", "UseList", useList);
        engine->options().temporaryUseList = useList;
        engine->startTemporaryLevel();
    }
    void drawTemporaryLevel()
    {
        const SessionState& st = engine->state();
        for (int guard = 0; guard < 20 && st.temporaryLevel && st.levelDrawn < st.levelTotal; ++guard) {
            if (st.stopped)
                space();
            engine->rollTick();
            space();
        }
        if (st.temporaryLevel)
            space();
    }
    void people(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += G("员工" + std::to_string(100 + i)) + "\r\n";
        writeFile(folder.file("Text.txt"), text);
    }
    void temporaryList()
    {
        std::filesystem::create_directories(folder.file("List"));
        writeList({"客人A", "客人B", "客人C", "客人D", "员工100"}, "List/TempList.txt");
    }
    void pictures(int count)
    {
        std::filesystem::create_directories(folder.file("Photo"));
        std::string text;
        for (int i = 0; i < count; ++i) {
            std::string name = "照片" + std::to_string(i) + ".jpg";
            writeFile(folder.file("Photo/" + name), "picture");
            text += G("Photo\\" + name) + "\r\n";
        }
        writeFile(folder.file("Text.txt"), text);
    }
    // Changes the first results line that holds `from` to hold `to`.
    void editResults(std::string_view from, std::string_view to)
    {
        std::string bytes = readFile(engine->resultsFilePath());
        size_t at = bytes.find(G(from));
        ASSERT_NE(at, std::string::npos);
        bytes.replace(at, G(from).size(), G(to));
        writeFile(engine->resultsFilePath(), bytes);
    }
};

}  // namespace

TEST_F(RecordModes, APrizeDrawIsVerifiedAndAnEditedPrizeIsFound)
{
    settings.writeInteger("Option", "ModeSelect", 3);
    levels({{1, 1}});
    set("JxTitle", "RzEdit1", "卖场抽奖");
    // The roll shows the code, the pop-up and the results the prize name.
    for (auto [key, value] : {std::pair {"ShowOnly", 1}, {"ShowStrP", 1}, {"ShowStrO", 6}, {"ShowOnlyPop", 1},
                              {"PopShowStrP", 7}, {"PopShowStrO", 30}})
        settings.writeInteger("Option", key, value);
    writeList({"482913笔记本电脑", "107364电视机", "935021电视机", "660458购物卡", "120001音箱", "120002台灯"});
    start();
    pressOnce();
    space();  // a press right after a press: its first prize was drawn by the press before
    drawOn(10);
    ASSERT_TRUE(engine->state().drawOver);
    ASSERT_EQ(engine->state().results.size(), 6u);
    EXPECT_EQ(resultsFile().find("482913"), std::string::npos) << "the results hold the prize as the pop-up shows it";
    Verification v = verify();
    EXPECT_TRUE(v.verified) << last(v) << "\n" << recordText();
    EXPECT_EQ(last(v), "verified: 6 presses, 6 winners");

    editResults("购物卡", "笔记本");
    Verification edited = verify();
    EXPECT_FALSE(edited.verified);
    EXPECT_NE(last(edited).find("不在抽奖记录中"), std::string::npos) << last(edited);
}

TEST_F(RecordModes, APictureDrawWithPicturesDrawnAheadIsVerified)
{
    settings.writeInteger("Option", "ModeSelect", 4);
    settings.writeBool("Option", "SerialNumber", true);
    pictures(12);
    levels({{3, 1}, {4, 2}});
    // A picture that is never ready keeps older planned pictures waiting behind the press.
    host.notReady.insert(folder.file("Photo/照片3.jpg"));
    start();
    drawOn(20, 0);
    ASSERT_TRUE(engine->state().drawOver);
    ASSERT_EQ(engine->state().results.size(), 7u);
    EXPECT_NE(recordText().find("\tindexOf="), std::string::npos) << "the first pictures follow from the roll";
    Verification v = verify();
    EXPECT_TRUE(v.verified) << last(v) << "\n" << recordText();
    EXPECT_EQ(v.winners, 7);

    std::string first = gbk::toUtf8(engine->state().winners.front());
    editResults(first, first == "照片0" ? "照片1" : "照片0");
    Verification edited = verify();
    EXPECT_FALSE(edited.verified);
    EXPECT_NE(last(edited).find("中奖名单第1行不在抽奖记录中"), std::string::npos) << last(edited);
}

TEST_F(RecordModes, APictureRecordWithAForgedStartIsFound)
{
    settings.writeInteger("Option", "ModeSelect", 4);
    pictures(6);
    levels({{2, 1}});
    start();
    drawOn(5, 1);
    ASSERT_TRUE(verify().verified);
    // The first picture of a press claimed from another moment of the roll.
    std::string text = recordText();
    size_t at = text.find("\tindexAt=");
    ASSERT_NE(at, std::string::npos);
    std::string forged, previous = record::chainStart();
    for (const std::string& lineText : parseLines(text)) {
        record::Line line;
        std::string body, hash;
        ASSERT_TRUE(record::parse(lineText, line, body, hash));
        for (auto& [key, value] : line.fields)
            if (line.kind == "press" && key == "indexOf")
                value = "1000";
        forged += record::format(line, previous, &previous) + "\n";
    }
    writeFile(recordPath(), forged);
    Verification v = verify();
    EXPECT_FALSE(v.verified);
    EXPECT_NE(last(v).find("不是名单曾有的人数"), std::string::npos) << last(v);
}

// A temporary level inserted in the middle of level 2, in every mode, with and without its
// own list: the whole draw verifies.
class TemporaryLevelRecord : public RecordModes, public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(TemporaryLevelRecord, AWholeDrawWithATemporaryLevelIsVerified)
{
    auto [mode, useList] = GetParam();
    settings.writeInteger("Option", "ModeSelect", mode);
    settings.writeBool("Option", "SerialNumber", mode != 3);
    if (mode == 4)
        pictures(14);
    else
        people(14);
    temporaryList();
    levels({{3, 1}, {4, 2}, {1, 1}});
    start();
    drawOn(mode == 3 ? 1 : 2);  // level 3 done, two winners of level 2 (the prize draw: one prize)
    ASSERT_FALSE(engine->state().drawOver);
    int level = engine->state().currentLevel;
    int32_t drawn = engine->state().levelDrawn;
    temporary(3, 2, useList);
    drawTemporaryLevel();
    ASSERT_FALSE(engine->state().temporaryLevel);
    EXPECT_EQ(engine->state().currentLevel, level);
    EXPECT_EQ(engine->state().levelDrawn, drawn);
    drawOn(mode == 3 ? 3 : 20);
    if (mode != 3) {
        EXPECT_TRUE(engine->state().drawOver);
    }
    Verification v = verify();
    EXPECT_TRUE(v.verified) << last(v) << "\n" << recordText();
    EXPECT_EQ(v.winners, static_cast<int>(engine->state().results.size()));
    if (useList) {
        EXPECT_NE(recordText().find("\nlist\trole=draw\tfile=List/TempList.txt"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, TemporaryLevelRecord, ::testing::Combine(::testing::Values(1, 2, 3, 4), ::testing::Bool()));

// Killed inside a temporary level with its own list: the resumed draw is in the temporary
// level, on its list, and goes back to the interrupted level and its list afterwards.
class CrashInTemporaryLevel : public RecordModes, public ::testing::WithParamInterface<int> {};

TEST_P(CrashInTemporaryLevel, ResumesIntoItAndReturnsToTheInterruptedLevel)
{
    int mode = GetParam();
    settings.writeInteger("Option", "ModeSelect", mode);
    if (mode == 4)
        pictures(14);
    else
        people(14);
    temporaryList();
    levels({{4, 2}, {1, 1}});
    start();
    drawOn(1);
    ASSERT_EQ(engine->state().levelDrawn, 2);
    temporary(3, 1, true);
    drawOn(1);
    ASSERT_EQ(engine->state().levelDrawn, 1);
    EntryList winners = engine->state().winners;
    EntryList left = engine->state().drawList.entries();
    engine.reset();  // killed

    host = FakeHost();
    host.answers = {MessageAnswer::Yes};
    start();
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.front().text, "上次抽奖没有正常结束(已抽出3人,当前奖项:临时奖项)。\r\n是否继续上次的抽奖?");
    const SessionState& st = engine->state();
    EXPECT_TRUE(st.temporaryLevel);
    EXPECT_TRUE(st.temporaryListPutAside);
    EXPECT_EQ(st.currentListFile, folder.file("List/TempList.txt"));
    EXPECT_EQ(st.drawList.entries(), left);
    EXPECT_EQ(st.winners, winners);
    EXPECT_EQ(st.levelTotal, 3);
    EXPECT_EQ(st.levelRemaining, 2);
    EXPECT_EQ(host.text(Label::Level), "临时奖项");

    drawTemporaryLevel();
    EXPECT_FALSE(st.temporaryLevel);
    EXPECT_EQ(st.currentLevel, 2);
    EXPECT_EQ(st.levelDrawn, 2);
    EXPECT_EQ(st.levelRemaining, 2);
    EXPECT_EQ(st.currentListFile, folder.file("Text.txt"));
    size_t fromMain = 0;
    for (const std::string& w : st.winners)
        fromMain += gbk::toUtf8(w).find("客人") == std::string::npos;
    EXPECT_EQ(st.drawList.size(), 14u - fromMain) << "the main list less its winners";
    drawOn(20);
    ASSERT_TRUE(st.drawOver);
    std::set<std::string> distinct(st.winners.begin(), st.winners.end());
    EXPECT_EQ(st.winners.size(), 8u);
    EXPECT_EQ(distinct.size(), 8u) << "nobody twice";
    Verification v = verify();
    EXPECT_TRUE(v.verified) << last(v) << "\n" << recordText();
    EXPECT_EQ(v.winners, 8);
}

INSTANTIATE_TEST_SUITE_P(Modes, CrashInTemporaryLevel, ::testing::Values(1, 2, 4));

TEST_F(RecordModes, AKilledPrizeDrawContinuesWithoutThePrizesDrawn)
{
    settings.writeInteger("Option", "ModeSelect", 3);
    levels({{1, 1}});
    writeList({"电视机", "冰箱", "洗衣机", "音箱", "台灯", "购物卡"});
    start();
    pressOnce();
    pressOnce();
    EntryList before = engine->state().results;
    engine.reset();  // killed

    host = FakeHost();
    host.answers = {MessageAnswer::Yes};
    start();
    ASSERT_FALSE(host.messages.empty());
    EXPECT_NE(host.messages.front().text.find("已抽出2人"), std::string::npos) << host.messages.front().text;
    EXPECT_EQ(engine->state().results, before) << "the recorded prizes are not taken as still on the screen";
    EXPECT_EQ(engine->state().drawList.size(), 4u);
    EXPECT_EQ(engine->state().levelRemaining, 4);
    drawOn(10);
    ASSERT_TRUE(engine->state().drawOver);
    std::set<std::string> distinct(engine->state().winners.begin(), engine->state().winners.end());
    EXPECT_EQ(distinct.size(), 6u);
    Verification v = verify();
    EXPECT_TRUE(v.verified) << last(v) << "\n" << recordText();
}
