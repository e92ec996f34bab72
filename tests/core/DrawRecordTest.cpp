#include "DrawFixture.h"

#include "draw/DrawRecord.h"
#include "draw/RecordLine.h"
#include "draw/RecordVerifier.h"
#include "draw/Sha256.h"

#include <filesystem>
#include <functional>

using namespace lotavo;
using namespace lotavo::test;

TEST(Sha256, KnownDigests)
{
    EXPECT_EQ(Sha256().hexDigest(), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    Sha256 abc;
    abc.update("a");
    abc.update("bc");
    EXPECT_EQ(abc.hexDigest(), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    Sha256 two;
    two.update("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq");
    EXPECT_EQ(two.hexDigest(), "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    Sha256 million;
    std::string block(1000, 'a');
    for (int i = 0; i < 1000; ++i)
        million.update(block);
    EXPECT_EQ(million.hexDigest(), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(RecordLine, EntriesSurviveEveryByte)
{
    for (std::string entry : {G("王小明"), std::string("tab\there\\back"), std::string("\x81\x20half", 6),
                              std::string("\\glike hex")}) {
        record::Line line {"press", {{"winner", record::fromGbk(entry)}}};
        std::string hash;
        std::string text = record::format(line, record::chainStart(), &hash);
        EXPECT_EQ(text.find('\n'), std::string::npos);
        record::Line back;
        std::string body, parsedHash;
        ASSERT_TRUE(record::parse(text, back, body, parsedHash));
        EXPECT_EQ(parsedHash, hash);
        EXPECT_EQ(record::toGbk(back.get("winner")), entry);
    }
    EXPECT_EQ(DrawRecord::pathFor("/p/09日14时05分中奖名单(2).txt"), "/p/09日14时05分抽奖记录(2).txt");
}

namespace {

class DrawRecordTest : public DrawFixture {
protected:
    std::string recordPath() const { return DrawRecord::pathFor(engine->resultsFilePath()); }
    std::string recordText() const { return readFile(recordPath()); }
    Verification verify() const { return verifyRecord(folder.path(), recordPath()); }
    std::string lastLine(const Verification& v) const { return v.lines.empty() ? "" : v.lines.back(); }

    // Rewrites the record through `change`, with the chain recomputed: a forger's edit.
    void forge(const std::function<void(record::Line&)>& change)
    {
        std::string out, previous = record::chainStart();
        for (const std::string& text : parseLines(recordText())) {
            record::Line line;
            std::string body, hash;
            ASSERT_TRUE(record::parse(text, line, body, hash));
            change(line);
            out += record::format(line, previous, &previous) + "\n";
        }
        writeFile(recordPath(), out);
    }

    // Three levels with serial numbers, a struck-out winner returned to the list, an own
    // list and an exclusion list for level 1.
    void runWholeDraw()
    {
        std::vector<std::string> names;
        for (int i = 0; i < 30; ++i)
            names.push_back("员工" + std::to_string(100 + i));
        std::string text;
        for (const auto& n : names)
            text += G(n) + "\r\n";
        writeFile(folder.file("Text.txt"), text);
        std::filesystem::create_directories(folder.file("List"));
        writeFile(folder.file("List/u1.txt"), "员工100\n员工101\n员工102\n员工103\n外宾甲\n");
        writeFile(folder.file("List/o1.txt"), G("外宾甲") + "\r\n");
        levels({{5, 2}, {3, 3}, {1, 1}});
        settings.writeBool("ChangeList", "d1", true);
        settings.writeBool("Exclude", "e1", true);
        settings.writeBool("Option", "SerialNumber", true);
        settings.writeBool("Option", "Affirm", true);
        settings.writeBool("Option", "AllowDeleteR", true);
        start();
        host.strikeOuts = {{1}};
        for (int i = 0; i < 20 && !engine->state().drawOver; ++i) {
            if (engine->state().stopped)
                space();
            pressOnce();
            clock.advanceSeconds(7);
        }
        ASSERT_TRUE(engine->state().drawOver);
    }
};

}  // namespace

TEST_F(DrawRecordTest, EveryPressIsOnDiskBesideItsResultsFile)
{
    writeList({"a", "b", "c", "d"});
    levels({{2, 1}});
    start();
    EXPECT_FALSE(fileExists(recordPath())) << "nothing drawn, no record";
    pressOnce();
    EXPECT_EQ(std::filesystem::path(recordPath()).filename().string(), "09日14时05分抽奖记录.txt");
    EntryList lines = parseLines(recordText());
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0].substr(0, 13), "lotavo-record");
    std::string all = recordText();
    for (const char* kind : {"\nseed\tvalue=50700000\tclock=14:05:00.000 UTC", "\nsession\t", "\nlist\trole=draw\tfile=Text.txt",
                             "\npress\tlevel=1", "\nrecorded\twinners=1"})
        EXPECT_NE(all.find(kind), std::string::npos) << kind;
    pressOnce();
    Verification v = verify();
    EXPECT_TRUE(v.verified) << lastLine(v);
    EXPECT_EQ(lastLine(v), "verified: 2 presses, 2 winners");
}

TEST_F(DrawRecordTest, AWholeDrawIsVerified)
{
    runWholeDraw();
    Verification v = verify();
    EXPECT_TRUE(v.verified) << lastLine(v);
    EXPECT_EQ(v.winners, 9);
    EXPECT_EQ(lastLine(v), "verified: " + std::to_string(v.presses) + " presses, 9 winners") << recordText();
    EXPECT_EQ(engine->state().results.size(), 9u);
    EXPECT_NE(recordText().find("\nstrike\tline=1\t"), std::string::npos);
    EXPECT_NE(recordText().find("\nlist\trole=exclude\tfile=List/o1.txt"), std::string::npos);
}

TEST_F(DrawRecordTest, MultiLineDrawWithAnUndoneConfirmationIsVerified)
{
    writeList({"a", "b", "c", "d", "e", "f", "g", "h"});
    levels({{4, 2}, {2, 2}});
    settings.writeInteger("Option", "ModeSelect", 2);
    settings.writeBool("Option", "Affirm", true);
    start();
    host.confirmAnswers = {false};
    for (int i = 0; i < 12 && !engine->state().drawOver; ++i) {
        if (engine->state().stopped)
            space();
        for (int t = 0; t < 3; ++t)
            engine->rollTick();
        space();
    }
    ASSERT_EQ(engine->state().results.size(), 6u);
    Verification v = verify();
    EXPECT_TRUE(v.verified) << lastLine(v) << "\n" << recordText();
}

TEST_F(DrawRecordTest, BadRecordsNameTheFirstDifference)
{
    runWholeDraw();
    std::string good = recordText();
    std::string results = readFile(engine->resultsFilePath());
    std::string list = readFile(folder.file("Text.txt"));

    // Cut in the middle of the last line, as a crash leaves it: ignored and said so.
    writeFile(recordPath(), good.substr(0, good.size() - 10));
    Verification torn = verify();
    EXPECT_NE(std::find(torn.lines.begin(), torn.lines.end(), "抽奖记录的最后一行不完整(程序在写入时中断),已忽略"), torn.lines.end());

    // One winner edited by hand: the chain breaks at that line.
    std::string edited = good;
    size_t digit = edited.find('\t', edited.find("winner=")) - 1;
    edited[digit] = edited[digit] == '9' ? '8' : '9';
    writeFile(recordPath(), edited);
    Verification broken = verify();
    EXPECT_FALSE(broken.verified);
    EXPECT_NE(lastLine(broken).find("校验链在此中断"), std::string::npos) << lastLine(broken);

    // The same edit with the chain made anew: the replay still finds it.
    writeFile(recordPath(), good);
    bool done = false;
    forge([&](record::Line& line) {
        for (auto& [key, value] : line.fields)
            if (!done && key == "winner") {
                value = "1.员工199";
                done = true;
            }
    });
    Verification forged = verify();
    EXPECT_FALSE(forged.verified);
    EXPECT_NE(lastLine(forged).find("记录中却是 1.员工199"), std::string::npos) << lastLine(forged);

    // A results file with one byte changed.
    writeFile(recordPath(), good);
    std::string changed = results;
    changed[2] = changed[2] == '9' ? '8' : '9';
    writeFile(engine->resultsFilePath(), changed);
    Verification byResults = verify();
    EXPECT_FALSE(byResults.verified);
    EXPECT_NE(lastLine(byResults).find("中奖名单第1行不在抽奖记录中"), std::string::npos) << lastLine(byResults);
    writeFile(engine->resultsFilePath(), results);

    // The list changed after the draw.
    writeFile(folder.file("Text.txt"), list + "late\r\n");
    Verification byList = verify();
    EXPECT_FALSE(byList.verified);
    EXPECT_NE(lastLine(byList).find("名单文件 Text.txt 与抽奖时不同"), std::string::npos) << lastLine(byList);
    writeFile(folder.file("Text.txt"), list);

    // A record of another program folder.
    TempFolder other;
    writeFile(other.file("Text.txt"), "x\r\n");
    Verification elsewhere = verifyRecord(other.path(), recordPath());
    EXPECT_FALSE(elsewhere.verified);
    EXPECT_NE(lastLine(elsewhere).find("这份记录来自程序目录"), std::string::npos) << lastLine(elsewhere);

    // Garbage, and nothing at all.
    writeFile(recordPath(), "PK\x03\x04 not a record\n");
    EXPECT_EQ(lastLine(verify()), "抽奖记录第1行不是抽奖记录的格式");
    writeFile(recordPath(), "");
    EXPECT_EQ(lastLine(verify()), "抽奖记录是空的");
    writeFile(recordPath(), good);
    EXPECT_TRUE(verify().verified);
}

TEST_F(DrawRecordTest, AContinuedRecordCutsItsTornLineAndSaysSo)
{
    writeList({"a", "b", "c", "d"});
    levels({{3, 1}});
    start();
    pressOnce();
    std::string path = recordPath();
    std::string text = recordText();
    engine.reset();
    writeFile(path, text + "press\tlevel=1\tpos");
    DrawRecord again;
    again.attach(path);
    again.event("close");
    again.detach();
    std::string continued = readFile(path);
    EXPECT_EQ(continued.substr(0, text.size()), text);
    EXPECT_NE(continued.find("\ntorn\tbytes=17\t#"), std::string::npos) << continued;
    Verification v = verifyRecord(folder.path(), path);
    EXPECT_TRUE(v.verified) << v.lines.back();
}

TEST_F(DrawRecordTest, ARedrawStartsANewRecordThatVerifiesOnItsOwn)
{
    writeList({"a", "b", "c", "d", "e", "f"});
    levels({{2, 1}});
    start();
    pressOnce();
    std::string first = recordPath();
    clock.advanceSeconds(60);
    host.answers = {MessageAnswer::No};
    engine->redraw();
    pressOnce();
    pressOnce();
    ASSERT_NE(recordPath(), first);
    EXPECT_NE(readFile(first).find("\nredraw\t"), std::string::npos);
    Verification old = verifyRecord(folder.path(), first);
    EXPECT_TRUE(old.verified) << old.lines.back();
    Verification v = verify();
    EXPECT_TRUE(v.verified) << v.lines.back() << "\n" << recordText();
    EXPECT_EQ(lastLine(v), "verified: 2 presses, 2 winners");
}
