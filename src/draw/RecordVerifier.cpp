#include "draw/RecordVerifier.h"

#include "draw/AtomicFile.h"
#include "draw/Gbk.h"
#include "draw/RecordLine.h"
#include "draw/RecordReplay.h"

#include <filesystem>

namespace lotavo {

bool replayRecord(const std::string& recordPath, RecordReplay& replay, std::string& failure)
{
    std::string bytes;
    std::string error;
    if (!readWholeFile(recordPath, bytes, &error)) {
        failure = "无法读取抽奖记录: " + error;
        return false;
    }
    // The results file is the record's twin; a record renamed by hand still names its own.
    std::string recordName = std::filesystem::path(recordPath).filename().string();
    if (size_t at = recordName.find("抽奖记录"); at != std::string::npos)
        replay.setResultsName(gbk::fromUtf8(recordName.replace(at, std::string("抽奖记录").size(), "中奖名单")));
    try {
        std::string previous = record::chainStart();
        size_t start = 0, lineNumber = 0;
        while (start < bytes.size()) {
            size_t end = bytes.find('\n', start);
            ++lineNumber;
            if (end == std::string::npos) {
                replay.notes.push_back("抽奖记录的最后一行不完整(程序在写入时中断),已忽略");
                break;
            }
            std::string_view text(bytes.data() + start, end - start);
            start = end + 1;
            record::Line line;
            std::string body, hash;
            if (!record::parse(text, line, body, hash))
                throw RecordReplay::Failure {"抽奖记录第" + std::to_string(lineNumber) + "行不是抽奖记录的格式"};
            if (lineNumber == 1 && (line.kind != "lotavo-record" || line.get("format") != "1"))
                throw RecordReplay::Failure {"这不是本版本程序的抽奖记录文件"};
            if (record::chainHash(previous, body) != hash)
                throw RecordReplay::Failure {"抽奖记录第" + std::to_string(lineNumber) + "行被改动、插入或删除过(校验链在此中断)"};
            previous = hash;
            replay.apply(line, lineNumber);
        }
        if (lineNumber == 0)
            throw RecordReplay::Failure {"抽奖记录是空的"};
    } catch (const RecordReplay::Failure& f) {
        failure = f.text;
        return false;
    }
    return true;
}

Verification verifyRecord(const std::string& folder, const std::string& recordPath)
{
    Verification out;
    RecordReplay replay(folder);
    std::string failure;
    bool ok = replayRecord(recordPath, replay, failure);
    if (ok) {
        try {
            replay.finish();
        } catch (const RecordReplay::Failure& f) {
            failure = f.text;
            ok = false;
        }
    }
    out.presses = replay.presses();
    out.winners = replay.winners();
    out.lines = replay.notes;
    if (!ok) {
        out.lines.push_back(failure);
        return out;
    }
    out.verified = true;
    out.lines.push_back("verified: " + std::to_string(out.presses) + " presses, " + std::to_string(out.winners) +
                        " winners");
    return out;
}

namespace {

// The n of a session's "(n)" suffix (1 without one): a later session of the same minute has a
// higher n. It orders records whose times the file system could not tell apart.
int sessionNumber(const std::string& name)
{
    auto close = name.rfind(')');
    auto open = name.rfind('(', close);
    if (close == std::string::npos || open == std::string::npos || close != name.rfind('.') - 1)
        return 1;
    int n = 0;
    for (size_t i = open + 1; i < close; ++i) {
        if (name[i] < '0' || name[i] > '9' || n > 100000)
            return 1;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

}  // namespace

std::string newestRecord(const std::string& folder)
{
    std::error_code ec;
    std::string best;
    std::filesystem::file_time_type bestTime;
    int bestNumber = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        std::string name = entry.path().filename().string();
        if (!entry.is_regular_file(ec) || name.find("抽奖记录") == std::string::npos)
            continue;
        // Times are coarse (a few milliseconds): two sessions a moment apart may share one.
        auto time = entry.last_write_time(ec);
        int number = sessionNumber(name);
        if (best.empty() || time > bestTime || (time == bestTime && number > bestNumber)) {
            best = entry.path().string();
            bestTime = time;
            bestNumber = number;
        }
    }
    return best;
}

}  // namespace lotavo
