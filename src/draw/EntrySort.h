#pragma once

#include "draw/ListFile.h"

namespace lotavo {

// Stable sort in gbk::compareNoCase order: entries that compare equal keep their order.
// Built for lists of a million entries sharing long prefixes (names, departments).
void sortEntriesNoCase(EntryList& entries);

}  // namespace lotavo
