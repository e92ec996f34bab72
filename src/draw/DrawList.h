#pragma once

#include "draw/ListFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lotavo {

// The candidates still in the draw. Observably a plain ordered list of GBK entries, in which
// every operation behaves exactly as the same steps on a std::vector would; inside, removals
// are lazy (a Fenwick tree over the live entries) and a list known to be sorted is never
// sorted again, so a press on a list of a million entries costs microseconds, not a copy.
class DrawList {
public:
    DrawList() = default;
    explicit DrawList(EntryList entries) { assign(std::move(entries)); }

    size_t size() const { return m_items.size() - m_deadCount; }
    bool empty() const { return size() == 0; }

    // The entry at position i of the live list (0 <= i < size()).
    const std::string& at(size_t i) const;

    // The live entries in order (compacts the storage first).
    const EntryList& entries() const;

    void assign(EntryList entries);
    void clear();
    void append(std::string entry);

    // Removes the entry at live position i.
    void removeAt(size_t i);

    // Sorts the list in case-ignoring order (gbk::compareNoCase; entries that compare equal
    // keep their order). Does nothing when the list is already sorted.
    void sortNoCase();
    bool isSortedNoCase() const;

    // sortNoCase(), then removes every entry equal to `entry` ignoring case. Returns how many
    // entries were removed.
    size_t sortAndRemoveAllEqual(std::string_view entry);

    // Removes the first entry equal to `entry` ignoring case; false when there is none.
    bool removeFirstEqual(std::string_view entry);

    // Exclusion list: for each line in order, the first equal entry (ignoring case) leaves.
    size_t applyExclusions(const EntryList& lines);

    // Earlier winners leave a freshly loaded list: for each winner line, the entry is the line
    // after the first `separator` when `serialNumbers` is on (the line itself when it has
    // none), and every entry equal to it ignoring case leaves. The list ends sorted when
    // there was at least one line.
    size_t removeEarlierWinners(const EntryList& winnerLines, bool serialNumbers, std::string_view separator);

    // Removes every entry whose last bytes equal one of `winnerLines` exactly (letter case
    // included), where the match starts on a character boundary of the entry. An empty
    // winner line matches only an empty entry. Order of the rest is kept.
    size_t removeEndingWith(const EntryList& winnerLines);

private:
    void compact() const;
    void compactIfSparse();
    void resetRemovals() const;
    void rebuildTree() const;
    void markDead(size_t storageIndex);
    bool isDead(size_t storageIndex) const;
    size_t prefixLive(size_t count) const;
    size_t storageIndexOf(size_t livePosition) const;
    size_t findFirstEqual(std::string_view entry) const;
    size_t removeEqualRange(std::string_view entry);

    // Removed entries stay in their slots until the next compaction; while the list is
    // known sorted, the slots (dead ones included) are in order, so equal entries form runs.
    mutable EntryList m_items;
    mutable std::vector<uint8_t> m_dead;      // per storage slot, while removals are pending
    mutable std::vector<int32_t> m_tree;      // Fenwick tree of live counts, while removals are pending
    mutable size_t m_deadCount = 0;
    mutable bool m_sorted = false;            // known to be in case-ignoring order
};

}  // namespace lotavo
