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
// The entries' bytes sit in one buffer (a loaded file's own bytes, then appended entries)
// and the list is a vector of places in it: no string per entry, and sorting or removing
// moves places, never bytes.
class DrawList {
public:
    DrawList() = default;
    explicit DrawList(const EntryList& entries) { assign(entries); }

    size_t size() const { return m_slots.size() - m_deadCount; }
    bool empty() const { return size() == 0; }

    // The entry at position i of the live list (0 <= i < size()). The view stays valid until
    // the list is next appended to, assigned, cleared or loaded.
    std::string_view at(size_t i) const;

    // The live entries in order, as copies.
    EntryList entries() const;

    // The live entries in order, as views (valid as those of at()).
    std::vector<std::string_view> views() const;

    // The text of a list file holding the live entries: each one followed by CR LF.
    std::string joined() const;

    // Loads a list file into the list (the lines of parseLines). On failure returns false,
    // sets `error` (UTF-8) and leaves the list as it was.
    bool loadFile(const std::string& path, std::string* error = nullptr, ListDecoding* decoding = nullptr);

    void assign(const EntryList& entries);
    void clear();
    void append(std::string_view entry);

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
    std::string_view text(size_t storageIndex) const
    {
        return {m_bytes.data() + m_slots[storageIndex].offset, m_slots[storageIndex].length};
    }
    template <class Visit>
    void forEachLive(Visit&& visit) const
    {
        for (size_t slot = 0; slot < m_slots.size(); ++slot)
            if (!isDead(slot))
                visit(text(slot));
    }
    void compact() const;
    void compactIfSparse();
    void resetRemovals() const;
    void rebuildTree() const;
    void markDead(size_t storageIndex);
    bool isDead(size_t storageIndex) const;
    size_t prefixLive(size_t count) const;
    size_t storageIndexOf(size_t livePosition) const;
    bool sortedInStorage() const;
    size_t lowerBound(std::string_view entry) const;
    size_t findFirstEqual(std::string_view entry) const;
    size_t removeEqualRange(std::string_view entry);

    // Bytes of removed entries stay in the buffer until the next assign or load.
    ByteBuffer m_bytes;
    // Removed entries stay in their slots until the next compaction; while the list is
    // known sorted, the slots (dead ones included) are in order, so equal entries form runs.
    mutable ByteRanges m_slots;
    mutable std::vector<uint8_t> m_dead;      // per storage slot, while removals are pending
    mutable std::vector<int32_t> m_tree;      // Fenwick tree of live counts, while removals are pending
    mutable size_t m_deadCount = 0;
    mutable bool m_sorted = false;            // known to be in case-ignoring order
};

}  // namespace lotavo
