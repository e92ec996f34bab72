#pragma once

#include "draw/ListFile.h"
#include "draw/RecordLine.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lotavo {

struct DrawOptions;

// The draw record kept beside each results file (…抽奖记录.txt beside …中奖名单.txt): one
// line per event of the draw, appended and flushed as it happens, each chained to the one
// before by SHA-256. With the list files, it lets anyone replay the draw afterwards and see
// that the winners follow from the clock seeds, the lists and the moments of the presses
// (lotavo-draw --verify). The engine tells it what happens; all entries are GBK.
class DrawRecord {
public:
    DrawRecord() = default;
    ~DrawRecord();
    DrawRecord(const DrawRecord&) = delete;
    DrawRecord& operator=(const DrawRecord&) = delete;

    // The record of a results file: "中奖名单" in the name becomes "抽奖记录".
    static std::string pathFor(const std::string& resultsPath);

    // Events before the first press wait in memory: the results file, and so the record's
    // name, is settled only when the first winners are written. Attaching to an existing
    // record continues its chain (a torn last line is cut off and said so).
    void attach(const std::string& path);
    // A new results file begins (the redraw): the next events start a new record.
    void detach();
    // Forgets the events not yet written.
    void discardWaiting() { m_waiting.clear(); }
    bool attached() const { return m_fd >= 0; }
    const std::string& path() const { return m_path; }
    // The reason the record could not be written, once; empty when it is fine.
    std::string takeError();

    void session(const std::string& folder, std::string_view resultsFileName);
    void seed(uint32_t value);
    // The settings that decide who wins; written when they differ from the last written.
    void options(const DrawOptions& options);
    // A level begins (or goes on, with `remaining` of its `total` still to draw).
    void level(int level, int32_t total, int32_t perPress, std::string_view title, int32_t remaining = -1);
    // A list file loaded: `role` "draw" (the draw list), "exclude" (an exclusion list).
    void list(std::string_view role, const std::string& folder, const std::string& path, size_t entries);
    // Where the current index was drawn: the roll's tick (or a pick) drew it at `position`
    // from a list of `listSize` entries.
    void indexDrawn(uint64_t position, size_t index, size_t listSize);
    // The picture roll draws its indexes ahead: each is noted when drawn, and becomes the
    // current index when its picture is shown.
    void indexPlanned(uint64_t position, size_t index, size_t listSize);
    void indexShown(uint64_t position);
    // A press: the generator's position before its first pick, the index it starts from,
    // the winners as drawn, and what the results lines add to each.
    void pressBegins(uint64_t position, size_t index);
    void press(int level, std::string_view title, const EntryList& winners, std::string_view resultsSuffix);
    // Any other event, for the parts of the draw that come and go (temporary levels,
    // lists put aside and restored): fields UTF-8.
    void event(std::string_view kind, const record::Fields& fields = {});
    // Onto the disk, before the results file: after a power cut the results never hold a
    // winner the record lacks.
    void flush();

private:
    void write(record::Line line, bool sync);
    void writeText(const std::string& text, bool sync);
    // Keeps the reason of a failure, once until the record is written again.
    void fail(const std::string& reason);

    int m_fd = -1;
    std::string m_path;
    std::string m_lastHash = record::chainStart();
    std::vector<std::pair<record::Line, bool>> m_waiting;  // until attach(); with their sync flag
    std::string m_error;
    bool m_failing = false;
    std::string m_lastOptions;
    uint32_t m_seeds = 0;
    uint32_t m_lastSeed = 0;
    uint64_t m_indexPosition = 0;
    size_t m_indexValue = SIZE_MAX;
    size_t m_indexSize = 0;
    struct Planned {
        uint64_t position;
        size_t index, listSize;
    };
    std::vector<Planned> m_planned;  // since the last seed, not shown yet
    uint32_t m_indexSeed = 0;
    uint64_t m_pressPosition = 0;
    size_t m_pressIndex = 0;
    bool m_pressIndexKnown = false;
    uint64_t m_pressIndexPosition = 0;
    size_t m_pressIndexSize = 0;
};

}  // namespace lotavo
