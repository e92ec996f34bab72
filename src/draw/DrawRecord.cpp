#include "draw/DrawRecord.h"

#include "draw/AtomicFile.h"
#include "draw/DrawOptions.h"
#include "draw/Sha256.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace lotavo {

namespace {

const char* const kProgramVersion = "5.4";
const char* const kTemporaryListFile = "List/TempList.txt";

std::string relativeTo(const std::string& folder, const std::string& path)
{
    std::filesystem::path relative = std::filesystem::path(path).lexically_relative(folder);
    if (relative.empty() || relative.native().rfind("..", 0) == 0)
        return path;
    return relative.generic_string();
}

std::string flag(bool on)
{
    return on ? "1" : "0";
}

}  // namespace

DrawRecord::~DrawRecord()
{
    detach();
}

std::string DrawRecord::pathFor(const std::string& resultsPath)
{
    std::string path = resultsPath;
    const std::string results = "中奖名单", record = "抽奖记录";
    size_t slash = path.rfind('/');
    size_t at = path.rfind(results);
    if (at != std::string::npos && (slash == std::string::npos || at > slash))
        return path.replace(at, results.size(), record);
    // A results file named otherwise still gets a record of its own beside it.
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + record;
    return path.insert(dot, record);
}

void DrawRecord::attach(const std::string& path)
{
    if (m_fd >= 0 && path == m_path)
        return;
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path = path;
    std::string existing;
    readWholeFile(path, existing);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        fail("无法写入抽奖记录 " + path + ": " + std::strerror(errno));
        return;
    }
    m_fd = fd;
    m_lastHash = record::chainStart();
    size_t torn = 0;
    if (!existing.empty()) {
        size_t end = existing.rfind('\n');
        size_t complete = end == std::string::npos ? 0 : end + 1;
        torn = existing.size() - complete;
        if (torn > 0 && ::ftruncate(m_fd, static_cast<off_t>(complete)) != 0)
            fail("无法写入抽奖记录 " + path + ": " + std::strerror(errno));
        if (complete > 0) {
            size_t start = existing.rfind('\n', complete - 2);
            start = start == std::string::npos ? 0 : start + 1;
            record::Line line;
            std::string body, hash;
            if (record::parse(std::string_view(existing).substr(start, complete - 1 - start), line, body, hash))
                m_lastHash = hash;
        }
    }
    if (existing.size() == torn)
        write({"lotavo-record", {{"format", "1"}, {"program", kProgramVersion}}}, false);
    if (torn > 0)
        write({"torn", {{"bytes", std::to_string(torn)}}}, false);
    auto waiting = std::move(m_waiting);
    m_waiting.clear();
    for (auto& [line, sync] : waiting)
        write(std::move(line), sync);
}

void DrawRecord::detach()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.clear();
    m_lastHash = record::chainStart();
    m_lastOptions.clear();
    m_waiting.clear();
    // The generator runs on into the next record: it starts from the same seed, as the
    // positions of its presses count from there.
    if (m_seeds > 0) {
        uint32_t last = m_lastSeed;
        --m_seeds;
        seed(last);
    }
}

void DrawRecord::fail(const std::string& reason)
{
    if (!m_failing)
        m_error = reason;
    m_failing = true;
}

std::string DrawRecord::takeError()
{
    return std::exchange(m_error, std::string());
}

void DrawRecord::write(record::Line line, bool sync)
{
    if (m_fd < 0) {
        m_waiting.emplace_back(std::move(line), sync);
        return;
    }
    writeText(record::format(line, m_lastHash, &m_lastHash) + "\n", sync);
}

void DrawRecord::writeText(const std::string& text, bool sync)
{
    // One write(2) per line: a crash tears at most the line being written.
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(m_fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            fail("无法写入抽奖记录 " + m_path + ": " + std::strerror(errno));
            return;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    m_failing = false;
    if (sync)
        ::fdatasync(m_fd);
}

void DrawRecord::session(const std::string& folder, std::string_view resultsFileName)
{
    write({"session", {{"program", kProgramVersion}, {"folder", folder}, {"results", record::fromGbk(resultsFileName)}}},
          false);
    m_lastOptions.clear();
}

void DrawRecord::seed(uint32_t value)
{
    ++m_seeds;
    m_lastSeed = value;
    m_planned.clear();
    char clock[32];
    unsigned ms = value % 1000, s = value / 1000 % 60, m = value / 60000 % 60, h = value / 3600000;
    std::snprintf(clock, sizeof clock, "%02u:%02u:%02u.%03u", h, m, s, ms);
    write({"seed", {{"value", std::to_string(value)}, {"clock", std::string(clock) + " UTC"}}}, false);
}

void DrawRecord::options(const DrawOptions& o)
{
    record::Fields fields {
        {"mode", std::to_string(o.mode)},
        {"DelRepaetEnable", flag(o.delRepaetEnable)},
        {"RepeatZJ", flag(o.repeatZJ)},
        {"SerialNumber", flag(o.display.serialNumber)},
        {"Space", record::fromGbk(o.display.space)},
        {"AllowDeleteR", flag(o.allowDeleteR)},
        // What the prize draw's results hold of a prize is what the pop-up shows of it.
        {"ShowOnly", flag(o.display.showOnly)},
        {"ShowOnlyPop", flag(o.display.showOnlyPop)},
        {"ShowStr", std::to_string(o.display.showStrP) + "," + std::to_string(o.display.showStrO)},
        {"PopShowStr", std::to_string(o.display.popShowStrP) + "," + std::to_string(o.display.popShowStrO)},
        {"PrivacyStar", flag(o.display.privacyStar)},
        {"Star", std::to_string(o.display.starP) + "," + std::to_string(o.display.starO)},
        {"PrivacyChr", record::fromGbk(o.display.privacyChr)},
    };
    std::string key;
    for (const auto& [k, v] : fields)
        key += k + "=" + v + "\n";
    if (key == m_lastOptions)
        return;
    m_lastOptions = key;
    write({"options", std::move(fields)}, false);
}

void DrawRecord::level(int level, int32_t total, int32_t perPress, std::string_view title, int32_t remaining)
{
    record::Fields fields {{"level", std::to_string(level)},
                           {"total", std::to_string(total)},
                           {"perPress", std::to_string(perPress)},
                           {"title", record::fromGbk(title)}};
    if (remaining >= 0)
        fields.emplace_back("remaining", std::to_string(remaining));
    write({"level", std::move(fields)}, false);
}

void DrawRecord::list(std::string_view role, const std::string& folder, const std::string& path, size_t entries)
{
    std::string file = relativeTo(folder, path);
    record::Fields fields {{"role", std::string(role)},
                           {"file", file},
                           {"sha256", sha256OfFile(path)},
                           {"entries", std::to_string(entries)}};
    // The temporary level's list is rewritten by the program when the level ends (it keeps
    // the candidates not drawn): the record keeps its bytes, so the draw stays verifiable.
    std::string bytes;
    if (file == kTemporaryListFile && readWholeFile(path, bytes))
        fields.emplace_back("content", record::fromGbk(bytes));
    write({"list", std::move(fields)}, false);
}

void DrawRecord::indexDrawn(uint64_t position, size_t index, size_t listSize)
{
    m_indexPosition = position;
    m_indexValue = index;
    m_indexSize = listSize;
    m_indexSeed = m_seeds;
}

void DrawRecord::indexPlanned(uint64_t position, size_t index, size_t listSize)
{
    // Pictures planned but never shown (not decodable, or their entry left the list) are
    // forgotten once enough newer ones were planned.
    constexpr size_t kKept = 64;
    if (m_planned.size() >= kKept)
        m_planned.erase(m_planned.begin());
    m_planned.push_back({position, index, listSize});
}

void DrawRecord::indexShown(uint64_t position)
{
    auto it = std::find_if(m_planned.begin(), m_planned.end(), [&](const Planned& p) { return p.position == position; });
    if (it == m_planned.end()) {
        // Planned before the last seed: its position counts from a seed that is gone.
        m_indexValue = SIZE_MAX;
        return;
    }
    indexDrawn(it->position, it->index, it->listSize);
    m_planned.erase(it);
}

void DrawRecord::pressBegins(uint64_t position, size_t index)
{
    m_pressPosition = position;
    m_pressIndex = index;
    m_pressIndexKnown = m_indexValue == index && m_indexSeed == m_seeds;
    m_pressIndexPosition = m_indexPosition;
    m_pressIndexSize = m_indexSize;
}

void DrawRecord::press(int level, std::string_view title, const EntryList& winners, std::string_view resultsSuffix)
{
    record::Fields fields {
        {"level", std::to_string(level)},
        {"title", record::fromGbk(title)},
        {"position", std::to_string(m_pressPosition)},
        {"index", std::to_string(m_pressIndex)},
        {"indexAt", m_pressIndexKnown ? std::to_string(m_pressIndexPosition) : "?"},
        {"suffix", record::fromGbk(resultsSuffix)},
    };
    if (m_pressIndexKnown)
        fields.emplace_back("indexOf", std::to_string(m_pressIndexSize));
    for (const std::string& winner : winners)
        fields.emplace_back("winner", record::fromGbk(winner));
    // Handed to the system at once, before the pop-up shows the winners: a killed program
    // loses nothing. Forcing it onto the disk waits for the results file (flush()).
    write({"press", std::move(fields)}, false);
}

void DrawRecord::event(std::string_view kind, const record::Fields& fields)
{
    write({std::string(kind), fields}, false);
}

void DrawRecord::flush()
{
    if (m_fd >= 0)
        ::fdatasync(m_fd);
}

}  // namespace lotavo
