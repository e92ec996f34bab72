#include "draw/DisplayText.h"

#include "draw/DrawList.h"

#include <algorithm>

namespace lotavo::display {

std::string select(std::string_view text, int32_t position, int32_t count)
{
    if (count <= 0)
        return {};
    // Positions below 1 count from the first byte, as the string routines of the old screen did.
    int64_t start = std::max<int64_t>(position, 1) - 1;
    if (start >= static_cast<int64_t>(text.size()))
        return {};
    return std::string(text.substr(static_cast<size_t>(start), static_cast<size_t>(count)));
}

std::string mask(std::string_view text, const DisplayOptions& options)
{
    std::string out = select(text, 1, options.starP - 1);
    if (options.starO <= 6)
        for (int32_t i = 0; i < options.starO; ++i)
            out += options.privacyChr;
    int64_t restStart = static_cast<int64_t>(options.starP) + std::max<int32_t>(options.starO, 0);
    out += select(text, static_cast<int32_t>(std::min<int64_t>(restStart, INT32_MAX)), INT32_MAX);
    return out;
}

std::string rollingText(std::string_view entry, const DisplayOptions& options)
{
    if (options.showOnly)
        return select(entry, options.showStrP, options.showStrO);
    return std::string(entry);
}

void processPressList(EntryList& lines, const DisplayOptions& o)
{
    if (!o.showOnly && !o.privacyStar)
        return;
    int32_t p = o.showOnlyPop ? o.popShowStrP : o.showStrP;
    int32_t n = o.showOnlyPop ? o.popShowStrO : o.showStrO;
    for (std::string& line : lines) {
        std::string prefix;
        std::string_view rest = line;
        if (o.serialNumber) {
            size_t at = line.find(o.space);
            if (!o.space.empty() && at != std::string::npos) {
                prefix = line.substr(0, at) + o.space;
                rest = std::string_view(line).substr(at + o.space.size());
            }
        }
        std::string shown = o.showOnly ? select(rest, p, n) : std::string(rest);
        if (o.privacyStar)
            shown = mask(shown, o);
        line = prefix + shown;
    }
}

std::string longestEntry(const DrawList& list)
{
    std::vector<std::string_view> entries = list.views();
    size_t count = entries.size();
    const std::string_view* best = nullptr;
    auto consider = [&](size_t i) {
        const std::string_view& entry = entries[i];
        if (!best || entry.size() > best->size())
            best = &entry;
    };
    for (size_t i = 0; i < count && i <= 100; ++i)
        consider(i);
    for (size_t i = count; i > 101; --i)
        consider(i - 1);
    return best ? std::string(*best) : std::string();
}

std::string withoutSerialPrefix(std::string_view line, bool serialNumber, std::string_view separator)
{
    if (serialNumber && !separator.empty()) {
        size_t at = line.find(separator);
        if (at != std::string_view::npos)
            return std::string(line.substr(at + separator.size()));
    }
    return std::string(line);
}

}  // namespace lotavo::display
