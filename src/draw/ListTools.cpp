#include "draw/ListTools.h"

#include "draw/Gbk.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace lotavo {

namespace {

// Progress is reported this often; a report repaints a window, which costs far more than a line.
constexpr size_t kReportEvery = 8192;

void report(const ToolProgress& progress, size_t done, size_t total)
{
    if (progress && (done % kReportEvery == 0 || done == total))
        progress(done, total);
}

// The list as a sequence of original positions in which one element can be taken out of
// one place and put in at another in O(log n): a treap ordered by place, not by key. The
// shuffle moves every line once; on a vector each move would shift half the list.
class PlaceTree {
public:
    explicit PlaceTree(uint32_t count) : m_nodes(count + 1)
    {
        // Node k + 1 holds original position k. Built in one pass as a Cartesian tree of
        // random priorities over the places, which is what a run of inserts would give.
        uint64_t state = 0x9E3779B97F4A7C15ull ^ count;
        std::vector<uint32_t> spine;
        for (uint32_t k = 1; k <= count; ++k) {
            state ^= state << 13, state ^= state >> 7, state ^= state << 17;
            m_nodes[k].priority = static_cast<uint32_t>(state >> 32);
            uint32_t last = 0;
            while (!spine.empty() && m_nodes[spine.back()].priority < m_nodes[k].priority) {
                last = spine.back();
                spine.pop_back();
                update(last);
            }
            m_nodes[k].left = last;
            if (!spine.empty())
                m_nodes[spine.back()].right = k;
            spine.push_back(k);
        }
        while (!spine.empty()) {
            update(spine.back());
            m_root = spine.front();
            spine.pop_back();
        }
    }

    // Takes the element at place `from` out and puts it in at place `to`.
    void move(uint32_t from, uint32_t to)
    {
        uint32_t before, rest, moved, after;
        split(m_root, from, before, rest);
        split(rest, 1, moved, after);
        m_root = merge(before, after);
        split(m_root, to, before, after);
        m_root = merge(merge(before, moved), after);
    }

    // The original positions in their current order.
    std::vector<uint32_t> order() const
    {
        std::vector<uint32_t> out;
        out.reserve(m_nodes.size() - 1);
        std::vector<uint32_t> stack;
        uint32_t node = m_root;
        while (node || !stack.empty()) {
            while (node) {
                stack.push_back(node);
                node = m_nodes[node].left;
            }
            node = stack.back();
            stack.pop_back();
            out.push_back(node - 1);
            node = m_nodes[node].right;
        }
        return out;
    }

private:
    struct Node {
        uint32_t left = 0, right = 0, size = 1, priority = 0;
    };

    uint32_t size(uint32_t node) const { return node ? m_nodes[node].size : 0; }
    void update(uint32_t node) { m_nodes[node].size = size(m_nodes[node].left) + size(m_nodes[node].right) + 1; }

    // The first `count` places of `node` to `left`, the others to `right`.
    void split(uint32_t node, uint32_t count, uint32_t& left, uint32_t& right)
    {
        if (!node) {
            left = right = 0;
            return;
        }
        Node& n = m_nodes[node];
        if (size(n.left) < count) {
            uint32_t r;
            split(n.right, count - size(n.left) - 1, n.right, r);
            left = node, right = r;
        } else {
            uint32_t l;
            split(n.left, count, l, n.left);
            left = l, right = node;
        }
        update(node);
    }

    uint32_t merge(uint32_t a, uint32_t b)
    {
        if (!a || !b)
            return a ? a : b;
        if (m_nodes[a].priority > m_nodes[b].priority) {
            m_nodes[a].right = merge(m_nodes[a].right, b);
            update(a);
            return a;
        }
        m_nodes[b].left = merge(a, m_nodes[b].left);
        update(b);
        return b;
    }

    std::vector<Node> m_nodes;
    uint32_t m_root = 0;
};

inline bool isBlankByte(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

// Removes the entries `drop` says so about, keeping the order of the others.
template <class Drop>
size_t removeIf(EntryList& lines, const ToolProgress& progress, Drop&& drop)
{
    size_t total = lines.size();
    size_t kept = 0;
    for (size_t i = 0; i < total; ++i) {
        if (!drop(lines[i])) {
            if (kept != i)
                lines[kept] = std::move(lines[i]);
            ++kept;
        }
        report(progress, i + 1, total);
    }
    lines.resize(kept);
    return total - kept;
}

}  // namespace

void shuffleLines(EntryList& lines, RandomGenerator& random, const ToolProgress& progress)
{
    size_t n = lines.size();
    if (n == 0)
        return;
    PlaceTree places(static_cast<uint32_t>(n));
    uint32_t range = static_cast<uint32_t>(n - 1);
    for (uint32_t i = 0; i < n; ++i) {
        uint32_t to = random.below(range);
        if (to != i)
            places.move(i, to);
        report(progress, i + 1, n);
    }
    EntryList shuffled;
    shuffled.reserve(n);
    for (uint32_t from : places.order())
        shuffled.push_back(std::move(lines[from]));
    lines.swap(shuffled);
}

std::string_view trimmed(std::string_view entry)
{
    size_t begin = 0;
    size_t end = entry.size();
    while (begin < end && isBlankByte(entry[begin]))
        ++begin;
    while (end > begin && isBlankByte(entry[end - 1]))
        --end;
    return entry.substr(begin, end - begin);
}

bool isBlank(std::string_view entry)
{
    return trimmed(entry).empty();
}

size_t trimLines(EntryList& lines, const ToolProgress& progress)
{
    size_t changed = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string& line = lines[i];
        std::string_view kept = trimmed(line);
        if (kept.size() != line.size()) {
            size_t begin = static_cast<size_t>(kept.data() - line.data());
            line.erase(begin + kept.size());
            line.erase(0, begin);
            ++changed;
        }
        report(progress, i + 1, lines.size());
    }
    return changed;
}

size_t removeBlankLines(EntryList& lines, const ToolProgress& progress)
{
    return removeIf(lines, progress, [](const std::string& line) { return isBlank(line); });
}

size_t removeDuplicates(EntryList& lines, const ToolProgress& progress)
{
    size_t n = lines.size();
    // Folding each entry once lets the sort compare plain bytes; the order is the same as
    // gbk::compareNoCase's (byte order after folding, a prefix first).
    std::vector<std::string> folded(n);
    for (size_t i = 0; i < n; ++i) {
        folded[i] = gbk::foldCase(lines[i]);
        if (progress && (i + 1) % kReportEvery == 0)
            progress((i + 1) / 2, n);
    }
    std::vector<uint32_t> order(n);
    std::iota(order.begin(), order.end(), 0u);
    // Stable, so of equal entries the first in the list comes first and is the one kept.
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return folded[a] < folded[b]; });

    EntryList unique;
    unique.reserve(n);
    const std::string* previous = nullptr;
    for (size_t i = 0; i < n; ++i) {
        uint32_t at = order[i];
        if (!previous || *previous != folded[at]) {
            unique.push_back(std::move(lines[at]));
            previous = &folded[at];
        }
        if (progress && (i + 1) % kReportEvery == 0)
            progress(n / 2 + (i + 1) / 2, n);
    }
    if (progress)
        progress(n, n);
    size_t removed = n - unique.size();
    lines.swap(unique);
    return removed;
}

size_t deleteByTail(EntryList& lines, std::string_view tail, const ToolProgress& progress)
{
    if (tail.empty())
        return 0;
    return removeIf(lines, progress, [tail](const std::string& line) {
        if (line.size() < tail.size())
            return false;
        size_t at = line.size() - tail.size();
        return std::string_view(line).substr(at) == tail && gbk::isCharBoundary(line, at);
    });
}

size_t dropTrailingBlankLines(EntryList& lines, size_t window)
{
    size_t removed = 0;
    size_t first = lines.size() > window ? lines.size() - window : 0;
    for (size_t i = lines.size(); i > first; --i) {
        if (isBlank(lines[i - 1])) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i - 1));
            ++removed;
        }
    }
    return removed;
}

}  // namespace lotavo
