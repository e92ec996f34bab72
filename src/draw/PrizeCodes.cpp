#include "draw/PrizeCodes.h"

#include <vector>

namespace lotavo::prize {

namespace {

// The code of a line, or kCodeCount when it does not start with six digits.
size_t codeOf(std::string_view line)
{
    if (line.size() < kCodeDigits)
        return kCodeCount;
    size_t code = 0;
    for (size_t i = 0; i < kCodeDigits; ++i) {
        char c = line[i];
        if (c < '0' || c > '9')
            return kCodeCount;
        code = code * 10 + static_cast<size_t>(c - '0');
    }
    return code;
}

std::vector<bool> usedCodes(const EntryList& existing)
{
    std::vector<bool> used(kCodeCount, false);
    for (const std::string& line : existing)
        if (size_t code = codeOf(line); code < kCodeCount)
            used[code] = true;
    return used;
}

size_t countFree(const std::vector<bool>& used)
{
    size_t free = 0;
    for (bool taken : used)
        free += taken ? 0 : 1;
    return free;
}

void appendCode(std::string& entry, size_t code)
{
    char digits[kCodeDigits];
    for (size_t i = kCodeDigits; i-- > 0;) {
        digits[i] = static_cast<char>('0' + code % 10);
        code /= 10;
    }
    entry.append(digits, kCodeDigits);
}

}  // namespace

EntryList createEntries(const EntryList& existing, size_t count, std::string_view name, RandomGenerator& random)
{
    std::vector<bool> used = usedCodes(existing);
    size_t free = countFree(used);
    if (count > free)
        count = free;
    EntryList entries;
    entries.reserve(count);
    auto add = [&](size_t code) {
        std::string entry;
        entry.reserve(kCodeDigits + name.size());
        appendCode(entry, code);
        entry.append(name);
        entries.push_back(std::move(entry));
    };
    if (count * 2 <= free) {
        // Plenty of room: draw a code the old way, six random digits from the left, and
        // draw again while it is taken; on average fewer than two draws a code.
        while (entries.size() < count) {
            size_t code = 0;
            for (size_t i = 0; i < kCodeDigits; ++i)
                code = code * 10 + random.below(10);
            if (used[code])
                continue;
            used[code] = true;
            add(code);
        }
        return entries;
    }
    // Crowded: pick among the free codes themselves, so the last ones take no longer.
    std::vector<uint32_t> pool;
    pool.reserve(free);
    for (size_t code = 0; code < kCodeCount; ++code)
        if (!used[code])
            pool.push_back(static_cast<uint32_t>(code));
    for (size_t i = 0; i < count; ++i) {
        size_t pick = i + random.below(static_cast<uint32_t>(pool.size() - i));
        std::swap(pool[i], pool[pick]);
        add(pool[i]);
    }
    return entries;
}

}  // namespace lotavo::prize
