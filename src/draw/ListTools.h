#pragma once

#include "draw/ListFile.h"
#include "draw/RandomGenerator.h"

#include <cstddef>
#include <functional>
#include <string_view>

// The clean-up tools of the list editor, on GBK entries. Each runs in well under a second on
// a list of 100,000 entries, so the window only has to repaint between progress reports.
namespace lotavo {

// Called now and then with how far a tool got (done of total); a window repaints in it.
using ToolProgress = std::function<void(size_t done, size_t total)>;

// For i = 0 .. n-1 moves the entry at position i to position r, r = random.below(n - 1):
// the operator's old shuffle, step for step, so a seeded generator gives the same order.
void shuffleLines(EntryList& lines, RandomGenerator& random, const ToolProgress& progress = {});

// An entry without the bytes of code 32 or below at either end.
std::string_view trimmed(std::string_view entry);
bool isBlank(std::string_view entry);

// Every entry trimmed; returns how many changed.
size_t trimLines(EntryList& lines, const ToolProgress& progress = {});

// Removes the entries that are empty after trimming; returns how many went.
size_t removeBlankLines(EntryList& lines, const ToolProgress& progress = {});

// Keeps the first of entries equal ignoring case (gbk::compareNoCase) and sorts the rest in
// that order. Surrounding blanks count: " a" and "a" are different. Returns how many went.
size_t removeDuplicates(EntryList& lines, const ToolProgress& progress = {});

// Removes the entries that end in `tail` (byte for byte, case and width significant) where
// the tail starts on a character of the entry, so a Chinese character's second byte never
// matches a letter. An empty tail removes nothing. Returns how many went.
size_t deleteByTail(EntryList& lines, std::string_view tail, const ToolProgress& progress = {});

// What closing the editor tidies: of the last `window` entries, those blank after trimming.
size_t dropTrailingBlankLines(EntryList& lines, size_t window = 9);

}  // namespace lotavo
