#pragma once

#include "draw/DrawOptions.h"
#include "draw/ListFile.h"

#include <string>
#include <string_view>

namespace lotavo {
class DrawList;
}

// What the screen shows of an entry: column selection, serial prefix and privacy mask, all
// counted in bytes of the GBK entry (a Chinese character is two).
namespace lotavo::display {

// The `count` bytes from 1-based byte `position`; empty when the position lies past the end.
std::string select(std::string_view text, int32_t position, int32_t count);

// Bytes before StarP, the mask character StarO times (none above 6), the bytes after.
std::string mask(std::string_view text, const DisplayOptions& options);

// What a rolling label shows of an entry while the roll runs.
std::string rollingText(std::string_view entry, const DisplayOptions& options);

// Rewrites the winner lines of a press for display, in place.
void processPressList(EntryList& lines, const DisplayOptions& options);

// The entry with the most bytes, for sizing the rolling labels. Ties keep the entry found
// first: positions 0..100 upwards, then past 100 from the last one downwards.
std::string longestEntry(const DrawList& list);

// A winner line without its serial prefix (everything up to and including the first
// separator), when numbering is on; the line itself otherwise or when it has no separator.
std::string withoutSerialPrefix(std::string_view line, bool serialNumber, std::string_view separator);

}  // namespace lotavo::display
