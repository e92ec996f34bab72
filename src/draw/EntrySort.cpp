#include "draw/EntrySort.h"

#include "draw/Gbk.h"

#include <algorithm>
#include <cstdint>

namespace lotavo {

namespace {

constexpr size_t kChunk = 16;

// Sixteen folded bytes of an entry from `offset`, big-endian and zero-padded, so that keys
// compare as integers the way the text compares; `length` tells padding from NUL bytes.
struct Key {
    uint64_t high;
    uint64_t low;
    uint32_t index;
    uint32_t length;

    bool sameChunk(const Key& o) const { return high == o.high && low == o.low && length == o.length; }
    bool operator<(const Key& o) const
    {
        if (high != o.high)
            return high < o.high;
        if (low != o.low)
            return low < o.low;
        if (length != o.length)
            return length < o.length;
        return index < o.index;  // equal text keeps its order
    }
};

// Folds the chunk at `offset` into the key; `trail` says whether that byte is a trail byte
// and comes back updated for the byte after the chunk.
void foldChunk(std::string_view s, size_t offset, bool& trail, Key& key)
{
    uint64_t word[2] = {0, 0};
    size_t n = offset < s.size() ? std::min(kChunk, s.size() - offset) : 0;
    gbk::CaseFolder fold {trail};
    for (size_t i = 0; i < n; ++i) {
        unsigned char c = fold(static_cast<unsigned char>(s[offset + i]));
        word[i / 8] |= static_cast<uint64_t>(c) << (8 * (7 - i % 8));
    }
    trail = fold.trail;
    key.high = word[0];
    key.low = word[1];
    key.length = static_cast<uint32_t>(n);
}

struct Run {
    size_t begin, end, offset;
    bool trail;  // state at `offset`, the same for the whole run as its folded prefix is
};

}  // namespace

void sortEntriesNoCase(ByteRanges& items, const char* bytes)
{
    auto text = [&](size_t i) { return std::string_view(bytes + items[i].offset, items[i].length); };
    if (items.size() >= UINT32_MAX) {
        std::stable_sort(items.begin(), items.end(), [bytes](const ByteRange& a, const ByteRange& b) {
            return gbk::compareNoCase(std::string_view(bytes + a.offset, a.length),
                                      std::string_view(bytes + b.offset, b.length)) < 0;
        });
        return;
    }
    // Sorting small keys is far cheaper than sorting strings, whose every comparison is a
    // cache miss. Keys that tie on a full chunk are sorted again on the next sixteen bytes,
    // run by run, so long shared prefixes cost one pass per chunk instead of a full comparison
    // per step; short runs just compare.
    std::vector<Key, BigAllocator<Key>> keys(items.size());
    std::vector<Run> runs{{0, keys.size(), 0, false}};
    for (size_t i = 0; i < keys.size(); ++i)
        keys[i].index = static_cast<uint32_t>(i);
    while (!runs.empty()) {
        Run run = runs.back();
        runs.pop_back();
        auto first = keys.begin() + static_cast<long>(run.begin);
        auto last = keys.begin() + static_cast<long>(run.end);
        if (run.end - run.begin <= 16 && run.offset > 0) {
            std::sort(first, last, [&text](const Key& a, const Key& b) {
                int c = gbk::compareNoCase(text(a.index), text(b.index));
                return c != 0 ? c < 0 : a.index < b.index;
            });
            continue;
        }
        for (auto k = first; k != last; ++k) {
            bool trail = run.trail;
            foldChunk(text(k->index), run.offset, trail, *k);
        }
        std::sort(first, last);
        for (size_t i = run.begin; i < run.end;) {
            size_t j = i + 1;
            while (j < run.end && keys[j].sameChunk(keys[i]))
                ++j;
            if (j - i > 1 && keys[i].length == kChunk) {
                bool trail = run.trail;
                Key scratch;
                foldChunk(text(keys[i].index), run.offset, trail, scratch);
                runs.push_back({i, j, run.offset + kChunk, trail});
            }
            i = j;
        }
    }
    ByteRanges sorted;
    sorted.reserve(items.size());
    for (const Key& key : keys)
        sorted.push_back(items[key.index]);
    items.swap(sorted);
}

}  // namespace lotavo
