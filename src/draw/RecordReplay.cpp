#include "draw/RecordReplay.h"

#include "draw/AtomicFile.h"
#include "draw/DisplayText.h"
#include "draw/Gbk.h"
#include "draw/ListEncoding.h"
#include "draw/ProgramFolder.h"
#include "draw/Sha256.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace lotavo {

namespace {

uint64_t number(const record::Line& line, const char* key)
{
    std::string value = line.get(key);
    char* end = nullptr;
    unsigned long long n = std::strtoull(value.c_str(), &end, 10);
    if (value.empty() || *end)
        throw RecordReplay::Failure {"抽奖记录中的 " + line.kind + " 缺少 " + key};
    return n;
}

// "p,o" of a position and a count; the defaults when absent.
void pair(const record::Line& line, const char* key, int32_t& first, int32_t& second)
{
    std::string value = line.get(key);
    size_t comma = value.find(',');
    if (comma == std::string::npos)
        return;
    first = static_cast<int32_t>(std::strtol(value.c_str(), nullptr, 10));
    second = static_cast<int32_t>(std::strtol(value.c_str() + comma + 1, nullptr, 10));
}

std::filesystem::path normal(std::string p)
{
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return std::filesystem::path(p).lexically_normal();
}

}  // namespace

void RecordReplay::apply(const record::Line& line, size_t lineNumber)
{
    const std::string& k = line.kind;
    if (k == "session") {
        m_serial = 0;
        m_recordFolder = line.get("folder");
        if (m_resultsName.empty())
            m_resultsName = record::toGbk(line.get("results"));
    } else if (k == "seed") {
        m_seed = static_cast<uint32_t>(number(line, "value"));
        m_random.seed(m_seed);
        m_sizes.clear();
        m_seeded = true;
    } else if (k == "options") {
        m_delRepaet = line.get("DelRepaetEnable") == "1";
        m_repeat = line.get("RepeatZJ") == "1";
        m_serialOn = line.get("SerialNumber") == "1";
        m_space = record::toGbk(line.get("Space"));
        m_allowDeleteR = line.get("AllowDeleteR") == "1";
        m_mode = static_cast<int>(std::strtol(line.get("mode", "1").c_str(), nullptr, 10));
        m_display = DisplayOptions();
        m_display.showOnly = line.get("ShowOnly") == "1";
        m_display.showOnlyPop = line.get("ShowOnlyPop") == "1";
        pair(line, "ShowStr", m_display.showStrP, m_display.showStrO);
        pair(line, "PopShowStr", m_display.popShowStrP, m_display.popShowStrO);
        m_display.privacyStar = line.get("PrivacyStar") == "1";
        pair(line, "Star", m_display.starP, m_display.starO);
        m_display.privacyChr = record::toGbk(line.get("PrivacyChr", "*"));
    } else if (k == "level") {
        m_remaining = static_cast<int64_t>(number(line, line.get("remaining").empty() ? "total" : "remaining"));
        m_perPress = static_cast<int64_t>(number(line, "perPress"));
        // A temporary level (level 0) adds its winners to the level it interrupted.
        if (line.get("remaining").empty() && line.get("level") != "0")
            m_levelResults.clear();
    } else if (k == "list") {
        loadList(line);
    } else if (k == "remove-earlier") {
        m_list.removeEarlierWinners(m_winners, line.get("SerialNumber") == "1", record::toGbk(line.get("Space")));
    } else if (k == "remove-ending") {
        m_list.removeEndingWith(m_winners);
    } else if (k == "aside") {
        m_aside.push_back(m_list.entries());
    } else if (k == "restore") {
        if (m_aside.empty())
            throw Failure {"抽奖记录第" + std::to_string(lineNumber) + "行: 恢复的名单从未被放在一边"};
        m_list.assign(m_aside.back());
        m_aside.pop_back();
    } else if (k == "press") {
        press(line);
    } else if (k == "strike") {
        strike(line);
    } else if (k == "undo") {
        for (const std::string& w : m_pending)
            m_list.append(display::withoutSerialPrefix(w, m_serialOn, m_space));
        m_remaining += static_cast<int64_t>(m_pending.size());
        m_winnerCount -= static_cast<int>(m_pending.size());
        m_pending.clear();
    } else if (k == "recorded") {
        takePending();
    } else if (k == "state") {
        m_state = line;
    } else if (k == "torn") {
        notes.push_back("抽奖记录第" + std::to_string(lineNumber) + "行: 程序曾在写入记录时中断,不完整的一行(" +
                        line.get("bytes") + "字节)已被去掉");
    }
    noteSize();
    // A draw ends with the end of its last level, a normal close or a redraw; a resumed
    // one goes on in the same record.
    if (k == "end" || k == "finished" || k == "redraw")
        m_finished = true;
    else if (k == "resumed" || k == "press")
        m_finished = false;
}

EntryList RecordReplay::pendingWinners() const
{
    EntryList lines = m_pending;
    if (m_mode == 3) {
        // The prize draw records the prize as the pop-up shows it.
        DisplayOptions shown = m_display;
        shown.serialNumber = m_serialOn;
        shown.space = m_space;
        display::processPressList(lines, shown);
    } else if (m_mode == 4) {
        // The picture draw records the picture's name.
        for (std::string& line : lines)
            line = baseNameWithoutExtension(display::withoutSerialPrefix(line, m_serialOn, m_space));
    }
    return lines;
}

void RecordReplay::takePending()
{
    for (const std::string& w : pendingWinners()) {
        m_winners.push_back(w);
        m_results.push_back(w + m_suffix);
        if (m_mode != 3)  // the prize draw keeps no level list
            m_levelResults.push_back(w + m_suffix);
    }
    m_pending.clear();
}

void RecordReplay::finish()
{
    if (!m_pending.empty())
        notes.push_back("最后一次抽取的 " + std::to_string(m_pending.size()) + " 位中奖者已抽出,但程序在记入中奖名单之前结束");
    std::string path = m_folder + "/" + gbk::toUtf8(m_resultsName);
    EntryList lines;
    if (!fileExists(path) || !lotavo::loadList(path, lines)) {
        if (m_results.empty())
            return;
        throw Failure {"找不到中奖名单文件 " + gbk::toUtf8(m_resultsName) + where()};
    }
    for (size_t i = 0; i < lines.size(); ++i)
        if (i >= m_results.size() || lines[i] != m_results[i])
            throw Failure {"中奖名单第" + std::to_string(i + 1) + "行不在抽奖记录中: " + gbk::toUtf8(lines[i])};
    if (lines.size() < m_results.size())
        throw Failure {"抽奖记录中的中奖者不在中奖名单中: " + gbk::toUtf8(m_results[lines.size()])};
}

std::string RecordReplay::where() const
{
    if (!m_recordFolder.empty() && normal(m_recordFolder) != normal(m_folder))
        return " (这份记录来自程序目录 " + m_recordFolder + ")";
    return {};
}

void RecordReplay::loadList(const record::Line& line)
{
    std::string file = line.get("file");
    if (std::vector<std::string> content = line.all("content"); !content.empty()) {
        // A list the program rewrites itself, kept in the record as it was loaded.
        std::string bytes = record::toGbk(content.front());
        Sha256 digest;
        digest.update(bytes);
        if (digest.hexDigest() != line.get("sha256"))
            throw Failure {"抽奖记录中保存的名单 " + file + " 与它的校验值不符"};
        ByteBuffer buffer(bytes.begin(), bytes.end());
        decodeToGbk(buffer, nullptr);
        m_list.assign(parseLines(std::string_view(buffer.data(), buffer.size())));
        return;
    }
    std::string path = std::filesystem::path(file).is_absolute() ? file : m_folder + "/" + file;
    std::string sha = sha256OfFile(path);
    if (sha.empty())
        throw Failure {"找不到名单文件 " + file + where()};
    if (sha != line.get("sha256"))
        throw Failure {"名单文件 " + file + " 与抽奖时不同(抽奖之后被改动过)" + where()};
    if (line.get("role") == "exclude") {
        EntryList lines;
        lotavo::loadList(path, lines);
        m_list.applyExclusions(lines);
    } else {
        m_list.loadFile(path);
    }
}

void RecordReplay::press(const record::Line& line)
{
    ++m_presses;
    std::string title = gbk::toUtf8(record::toGbk(line.get("title")));
    std::string label = "第" + std::to_string(m_presses) + "次抽取 (" + title + ")";
    if (!m_seeded)
        throw Failure {label + ": 记录中没有随机种子"};
    // A press whose results were never written (the program ended with its winners on
    // the screen) was completed when the draw was resumed.
    takePending();
    std::vector<std::string> winners = line.all("winner");
    uint64_t position = number(line, "position");
    size_t index = startIndex(line, label);
    size_t size = m_list.size();
    if (position < m_random.position())
        throw Failure {label + ": 随机数的位置与记录不符"};
    m_random.skip(position - m_random.position());

    int64_t due = m_remaining > m_perPress ? m_perPress : m_remaining;
    int64_t drawn = static_cast<int64_t>(winners.size());
    if (drawn > due || (drawn < due && size >= static_cast<size_t>(due) && !m_delRepaet))
        throw Failure {label + ": 抽出 " + std::to_string(drawn) + " 人,本奖项这次应抽 " + std::to_string(due) + " 人"};
    if (m_mode == 3)
        pressPrize(winners, index, label);
    else
        pressPeople(winners, index, label);
    m_remaining -= drawn;
    m_suffix = record::toGbk(line.get("suffix"));
    m_winnerCount += static_cast<int>(drawn);
    notes.push_back(label + ": " + std::to_string(drawn) + " 人,与种子、位置和名单相符");
}

// The index the press starts from: drawn at a known position of the generator from a list
// of a known size, or (a list that changed since) only inside the list.
size_t RecordReplay::startIndex(const record::Line& line, const std::string& label)
{
    size_t index = number(line, "index");
    size_t size = m_list.size();
    if (line.get("indexAt") == "?") {
        if (index >= std::max<size_t>(size, 1))
            throw Failure {label + ": 起始位置超出名单"};
        return index;
    }
    uint64_t at = number(line, "indexAt");
    size_t drawnFrom = line.get("indexOf").empty() ? size : number(line, "indexOf");
    // The picture roll draws its pictures ahead, so its index may come from before the last
    // press; the other draws take an index drawn since (the last pick of a press draws the
    // next press's first index).
    bool ahead = m_mode == 4;
    if (at == 0 || at > number(line, "position") || (!ahead && at < m_random.position()))
        throw Failure {label + ": 随机数的位置与记录不符"};
    if (m_sizes.count(drawnFrom) == 0)
        throw Failure {label + ": 起始位置所依据的名单人数 " + std::to_string(drawnFrom) + " 不是名单曾有的人数"};
    RandomGenerator generator;
    generator.seed(m_seed);
    generator.skip(at - 1);
    size_t expected = generator.below(static_cast<uint32_t>(drawnFrom));
    if (expected != index)
        throw Failure {label + ": 起始位置 " + std::to_string(index) + " 不是由种子得出的 " + std::to_string(expected)};
    if (index >= std::max<size_t>(size, 1))
        throw Failure {label + ": 起始位置超出名单"};
    return index;
}

// The regular, multi-line and picture draws: each winner leaves the list and the next one is
// drawn from what is left.
void RecordReplay::pressPeople(const std::vector<std::string>& winners, size_t index, const std::string& label)
{
    for (size_t i = 0; i < winners.size(); ++i) {
        if (m_list.empty())
            throw Failure {label + ": 名单已空,记录中却还有中奖者"};
        std::string entry(m_list.at(index));
        std::string lineText = m_serialOn ? std::to_string(++m_serial) + m_space + entry : entry;
        std::string recorded = record::toGbk(winners[i]);
        if (lineText != recorded)
            throw Failure {label + ": 第" + std::to_string(i + 1) + "位中奖者按种子和名单应为 " + gbk::toUtf8(lineText) +
                           ",记录中却是 " + gbk::toUtf8(recorded)};
        m_pending.push_back(recorded);
        if (m_delRepaet)
            m_list.sortAndRemoveAllEqual(entry);
        else if (!m_repeat)
            m_list.removeAt(index);
        index = m_random.below(static_cast<uint32_t>(m_list.size()));
    }
}

// The prize draw: the prizes that move up into the place of the one drawn are the next ones;
// the generator draws once after the press.
void RecordReplay::pressPrize(const std::vector<std::string>& winners, size_t index, const std::string& label)
{
    for (size_t i = 0; i < winners.size(); ++i) {
        if (m_list.empty())
            throw Failure {label + ": 名单已空,记录中却还有奖品"};
        index = std::min(index, m_list.size() - 1);
        std::string entry(m_list.at(index));
        std::string recorded = record::toGbk(winners[i]);
        if (entry != recorded)
            throw Failure {label + ": 第" + std::to_string(i + 1) + "个奖品按种子和名单应为 " + gbk::toUtf8(entry) +
                           ",记录中却是 " + gbk::toUtf8(recorded)};
        m_pending.push_back(recorded);
        if (!m_repeat)
            m_list.removeAt(index);
    }
    m_random.below(static_cast<uint32_t>(m_list.size()));
}

void RecordReplay::strike(const record::Line& line)
{
    std::vector<size_t> indexes;
    for (const std::string& v : line.all("line")) {
        size_t i = std::strtoull(v.c_str(), nullptr, 10);
        if (i < m_pending.size())
            indexes.push_back(i);
    }
    std::sort(indexes.rbegin(), indexes.rend());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (size_t i : indexes) {
        if (m_allowDeleteR)
            m_list.append(display::withoutSerialPrefix(m_pending[i], m_serialOn, m_space));
        m_pending.erase(m_pending.begin() + static_cast<std::ptrdiff_t>(i));
        --m_winnerCount;
    }
    m_remaining += static_cast<int64_t>(indexes.size());
}

}  // namespace lotavo
