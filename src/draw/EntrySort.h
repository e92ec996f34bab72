#pragma once

#include "draw/ListFile.h"

namespace lotavo {

// Stable sort of entries held as places in `bytes`, in gbk::compareNoCase order of their
// text: entries that compare equal keep their order. Only the places move. Built for lists
// of a million entries sharing long prefixes (names, departments).
void sortEntriesNoCase(ByteRanges& entries, const char* bytes);

}  // namespace lotavo
