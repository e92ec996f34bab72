#pragma once

#include "draw/DrawList.h"
#include "draw/DrawOptions.h"
#include "draw/ListFile.h"
#include "draw/RandomGenerator.h"
#include "draw/RecordLine.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace lotavo {

// The draw as a record tells it, replayed on the lists of a program folder: the
// verification runs it to the end, and a draw that ended without its close continues from
// where it left off. Throws RecordReplay::Failure at the first event that does not follow.
class RecordReplay {
public:
    struct Failure {
        std::string text;  // UTF-8
    };

    explicit RecordReplay(std::string folder) : m_folder(std::move(folder)) {}

    void apply(const record::Line& line, size_t lineNumber);
    // Checks the results file against the recorded winners.
    void finish();
    void setResultsName(std::string gbkName) { m_resultsName = std::move(gbkName); }

    // What was found along the way (UTF-8): a line per press, the torn line.
    std::vector<std::string> notes;
    int presses() const { return m_presses; }
    int winners() const { return m_winnerCount; }

    // The state the draw was in after the last event.
    const DrawList& drawList() const { return m_list; }
    const EntryList& winnerLines() const { return m_winners; }
    const EntryList& results() const { return m_results; }
    const EntryList& levelResults() const { return m_levelResults; }
    // A press drawn but not recorded, and what its results lines add.
    const EntryList& pending() const { return m_pending; }
    // The same winners as the results file and the winners list hold them.
    EntryList pendingWinners() const;
    const std::string& pendingSuffix() const { return m_suffix; }
    const record::Line& lastState() const { return m_state; }
    const std::string& resultsName() const { return m_resultsName; }
    bool finished() const { return m_finished; }

private:
    std::string where() const;
    void loadList(const record::Line& line);
    void press(const record::Line& line);
    void strike(const record::Line& line);
    void takePending();
    void pressPrize(const std::vector<std::string>& winners, size_t index, const std::string& label);
    void pressPeople(const std::vector<std::string>& winners, size_t index, const std::string& label);
    size_t startIndex(const record::Line& line, const std::string& label);
    void noteSize() { m_sizes.insert(m_list.size()); }

    std::string m_folder;
    std::string m_recordFolder;
    std::string m_resultsName;
    RandomGenerator m_random;
    uint32_t m_seed = 0;
    std::set<size_t> m_sizes;  // the sizes the list had since the seed
    int m_mode = 1;
    DisplayOptions m_display;
    bool m_seeded = false;
    bool m_delRepaet = false, m_repeat = false, m_serialOn = false, m_allowDeleteR = false;
    std::string m_space = ".";
    int m_serial = 0;
    int64_t m_remaining = 0, m_perPress = 1;
    int m_presses = 0;
    int m_winnerCount = 0;
    bool m_finished = false;
    DrawList m_list;
    std::vector<EntryList> m_aside;
    EntryList m_winners, m_results, m_levelResults, m_pending;
    std::string m_suffix;
    record::Line m_state;
};

}  // namespace lotavo
