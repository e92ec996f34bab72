#include "draw/DrawList.h"

#include "draw/EntrySort.h"
#include "draw/Gbk.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

namespace lotavo {

namespace {

size_t lowBit(size_t i) { return i & (~i + 1); }

// Hashing and equality of entries ignoring case, without building folded copies.
struct FoldedHash {
    size_t operator()(std::string_view s) const
    {
        uint64_t h = 1469598103934665603ull;
        gbk::CaseFolder fold;
        for (unsigned char c : s)
            h = (h ^ fold(c)) * 1099511628211ull;
        return static_cast<size_t>(h);
    }
};

struct FoldedEqual {
    bool operator()(std::string_view a, std::string_view b) const { return gbk::equalNoCase(a, b); }
};

}  // namespace

std::string_view DrawList::at(size_t i) const
{
    if (i >= size())
        throw std::out_of_range("DrawList::at");
    return text(m_deadCount ? storageIndexOf(i) : i);
}

EntryList DrawList::entries() const
{
    EntryList copies;
    copies.reserve(size());
    forEachLive([&](std::string_view entry) { copies.emplace_back(entry); });
    return copies;
}

std::vector<std::string_view> DrawList::views() const
{
    std::vector<std::string_view> live;
    live.reserve(size());
    forEachLive([&](std::string_view entry) { live.push_back(entry); });
    return live;
}

std::string DrawList::joined() const
{
    size_t total = 0;
    forEachLive([&](std::string_view entry) { total += entry.size() + 2; });
    std::string text;
    text.reserve(total);
    forEachLive([&](std::string_view entry) {
        text += entry;
        text += "\r\n";
    });
    return text;
}

bool DrawList::loadFile(const std::string& path, std::string* error, ListDecoding* decoding)
{
    ByteBuffer bytes;
    ByteRanges lines;
    if (!loadListInPlace(path, bytes, lines, error, decoding))
        return false;
    m_bytes.swap(bytes);
    m_slots.swap(lines);
    resetRemovals();
    m_sorted = m_slots.empty();
    return true;
}

void DrawList::assign(const EntryList& entries)
{
    size_t total = 0;
    for (const std::string& entry : entries)
        total += entry.size();
    ByteBuffer bytes;
    bytes.reserve(total);
    ByteRanges slots;
    slots.reserve(entries.size());
    for (const std::string& entry : entries) {
        slots.push_back({bytes.size(), entry.size()});
        bytes.insert(bytes.end(), entry.begin(), entry.end());
    }
    m_bytes.swap(bytes);
    m_slots.swap(slots);
    resetRemovals();
    m_sorted = m_slots.empty();
}

void DrawList::clear()
{
    assign({});
}

void DrawList::append(std::string_view entry)
{
    // Compared with the last slot, dead or not, so that the storage itself stays sorted.
    if (m_sorted && !m_slots.empty() && gbk::compareNoCase(entry, text(m_slots.size() - 1)) < 0)
        m_sorted = false;
    // An entry of this list itself (a view from at()) shares its bytes: growing the buffer
    // would move them from under the view.
    auto address = [](const char* p) { return reinterpret_cast<uintptr_t>(p); };
    uintptr_t begin = address(m_bytes.data());
    uintptr_t start = address(entry.data());
    if (!entry.empty() && entry.size() <= m_bytes.size() && start >= begin &&
        start - begin <= m_bytes.size() - entry.size()) {
        m_slots.push_back({start - begin, entry.size()});
    } else {
        m_slots.push_back({m_bytes.size(), entry.size()});
        m_bytes.insert(m_bytes.end(), entry.begin(), entry.end());
    }
    if (m_dead.empty())
        return;
    m_dead.push_back(0);
    size_t n = m_slots.size();
    m_tree.push_back(static_cast<int32_t>(1 + prefixLive(n - 1) - prefixLive(n - lowBit(n))));
}

void DrawList::removeAt(size_t i)
{
    if (i >= size())
        throw std::out_of_range("DrawList::removeAt");
    markDead(m_deadCount ? storageIndexOf(i) : i);
    compactIfSparse();
}

void DrawList::sortNoCase()
{
    if (m_sorted)
        return;
    compact();
    if (!sortedInStorage())
        sortEntriesNoCase(m_slots, m_bytes.data());
    m_sorted = true;
}

bool DrawList::isSortedNoCase() const
{
    if (!m_sorted) {
        compact();
        m_sorted = sortedInStorage();
    }
    return m_sorted;
}

size_t DrawList::sortAndRemoveAllEqual(std::string_view entry)
{
    // A view into this list stays valid: sorting and removing move places, not bytes.
    sortNoCase();
    size_t removed = removeEqualRange(entry);
    compactIfSparse();
    return removed;
}

bool DrawList::removeFirstEqual(std::string_view entry)
{
    size_t slot = findFirstEqual(entry);
    if (slot == m_slots.size())
        return false;
    markDead(slot);
    compactIfSparse();
    return true;
}

size_t DrawList::applyExclusions(const EntryList& lines)
{
    size_t removed = 0;
    if (lines.size() <= 8) {
        for (const std::string& line : lines)
            removed += removeFirstEqual(line) ? 1 : 0;
        return removed;
    }
    // Lines equal ignoring case take the first equal entries in turn and different lines
    // never meet the same entry, so the line order does not matter: one pass over the list
    // with a count per distinct line gives the same result as a search per line.
    std::unordered_map<std::string_view, size_t, FoldedHash, FoldedEqual> wanted;
    std::vector<uint8_t> lengths;
    for (const std::string& line : lines) {
        ++wanted[line];
        if (lengths.size() <= line.size())
            lengths.resize(line.size() + 1, 0);
        lengths[line.size()] = 1;
    }
    for (size_t slot = 0; slot < m_slots.size() && !wanted.empty(); ++slot) {
        std::string_view item = text(slot);
        if (item.size() >= lengths.size() || !lengths[item.size()] || isDead(slot))
            continue;
        auto it = wanted.find(item);
        if (it == wanted.end())
            continue;
        markDead(slot);
        ++removed;
        if (--it->second == 0)
            wanted.erase(it);
    }
    compactIfSparse();
    return removed;
}

size_t DrawList::removeEarlierWinners(const EntryList& winnerLines, bool serialNumbers, std::string_view separator)
{
    // Each line sorts the list before its removal, so no lines means no sort.
    if (winnerLines.empty())
        return 0;
    sortNoCase();
    size_t removed = 0;
    for (std::string_view line : winnerLines) {
        if (serialNumbers) {
            size_t at = line.find(separator);
            if (at != std::string_view::npos)
                line.remove_prefix(at + separator.size());
        }
        removed += removeEqualRange(line);
    }
    compactIfSparse();
    return removed;
}

size_t DrawList::removeEndingWith(const EntryList& winnerLines)
{
    // A set filter: each entry is checked once against the winners of the lengths that
    // occur, never entries times winners.
    std::unordered_set<std::string_view> winners;
    std::vector<uint8_t> lengths;
    bool emptyWinner = false;
    for (const std::string& line : winnerLines) {
        if (line.empty()) {
            emptyWinner = true;
            continue;
        }
        winners.insert(line);
        if (lengths.size() <= line.size())
            lengths.resize(line.size() + 1, 0);
        lengths[line.size()] = 1;
    }
    auto matches = [&](std::string_view item) {
        if (item.empty())
            return emptyWinner;
        size_t pos = 0;
        while (pos < item.size()) {
            size_t tail = item.size() - pos;
            if (tail < lengths.size() && lengths[tail] && winners.count(item.substr(pos)))
                return true;
            pos += (gbk::isLeadByte(static_cast<unsigned char>(item[pos])) && pos + 1 < item.size()) ? 2 : 1;
        }
        return false;
    };
    if (winners.empty() && !emptyWinner)
        return 0;

    compact();
    size_t kept = 0;
    for (size_t slot = 0; slot < m_slots.size(); ++slot) {
        if (matches(text(slot)))
            continue;
        m_slots[kept++] = m_slots[slot];
    }
    size_t removed = m_slots.size() - kept;
    m_slots.resize(kept);
    return removed;
}

// --- lazy removal ---

void DrawList::resetRemovals() const
{
    m_dead.clear();
    m_dead.shrink_to_fit();
    m_tree.clear();
    m_tree.shrink_to_fit();
    m_deadCount = 0;
}

void DrawList::compact() const
{
    if (m_deadCount == 0) {
        resetRemovals();
        return;
    }
    size_t kept = 0;
    for (size_t slot = 0; slot < m_slots.size(); ++slot) {
        if (!m_dead[slot])
            m_slots[kept++] = m_slots[slot];
    }
    m_slots.resize(kept);
    resetRemovals();
}

void DrawList::compactIfSparse()
{
    // Once most slots are dead, lookups and memory are better served by a dense list again.
    if (m_deadCount > 64 && m_deadCount * 2 > m_slots.size())
        compact();
}

void DrawList::rebuildTree() const
{
    size_t n = m_slots.size();
    m_dead.assign(n, 0);
    m_tree.assign(n + 1, 1);
    m_tree[0] = 0;
    for (size_t i = 1; i <= n; ++i) {
        size_t parent = i + lowBit(i);
        if (parent <= n)
            m_tree[parent] += m_tree[i];
    }
}

void DrawList::markDead(size_t storageIndex)
{
    if (m_dead.empty())
        rebuildTree();
    m_dead[storageIndex] = 1;
    ++m_deadCount;
    for (size_t i = storageIndex + 1; i < m_tree.size(); i += lowBit(i))
        --m_tree[i];
}

bool DrawList::isDead(size_t storageIndex) const
{
    return !m_dead.empty() && m_dead[storageIndex];
}

size_t DrawList::prefixLive(size_t count) const
{
    size_t sum = 0;
    for (size_t i = count; i > 0; i -= lowBit(i))
        sum += static_cast<size_t>(m_tree[i]);
    return sum;
}

size_t DrawList::storageIndexOf(size_t livePosition) const
{
    // Fenwick descent to the slot holding the (livePosition + 1)-th live entry.
    size_t n = m_slots.size();
    size_t step = 1;
    while (step * 2 <= n)
        step *= 2;
    size_t pos = 0;
    size_t left = livePosition + 1;
    for (; step > 0; step /= 2) {
        size_t next = pos + step;
        if (next <= n && static_cast<size_t>(m_tree[next]) < left) {
            pos = next;
            left -= static_cast<size_t>(m_tree[next]);
        }
    }
    return pos;
}

bool DrawList::sortedInStorage() const
{
    for (size_t slot = 1; slot < m_slots.size(); ++slot)
        if (gbk::compareNoCase(text(slot), text(slot - 1)) < 0)
            return false;
    return true;
}

size_t DrawList::lowerBound(std::string_view entry) const
{
    size_t first = 0;
    size_t count = m_slots.size();
    while (count > 0) {
        size_t half = count / 2;
        if (gbk::compareNoCase(text(first + half), entry) < 0) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return first;
}

size_t DrawList::findFirstEqual(std::string_view entry) const
{
    size_t n = m_slots.size();
    if (m_sorted) {
        for (size_t slot = lowerBound(entry); slot < n; ++slot) {
            if (!gbk::equalNoCase(text(slot), entry))
                break;
            if (!isDead(slot))
                return slot;
        }
        return n;
    }
    for (size_t slot = 0; slot < n; ++slot)
        if (!isDead(slot) && gbk::equalNoCase(text(slot), entry))
            return slot;
    return n;
}

size_t DrawList::removeEqualRange(std::string_view entry)
{
    // The storage is sorted, dead slots included, so every equal entry sits in one run.
    size_t removed = 0;
    for (size_t slot = lowerBound(entry); slot < m_slots.size(); ++slot) {
        if (!gbk::equalNoCase(text(slot), entry))
            break;
        if (!isDead(slot)) {
            markDead(slot);
            ++removed;
        }
    }
    return removed;
}

}  // namespace lotavo
