#pragma once

#include "draw/BigAllocator.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Participant list files: one entry per line, GBK bytes kept as they are.
namespace lotavo {

using EntryList = std::vector<std::string>;
struct ListDecoding;

// Where an entry sits in a buffer shared by many entries.
struct ByteRange {
    size_t offset;
    size_t length;
};

using ByteBuffer = std::vector<char, BigAllocator<char>>;
using ByteRanges = std::vector<ByteRange, BigAllocator<ByteRange>>;

// Splits file bytes into entries. A line ends at CR LF, a lone CR or a lone LF; nothing is
// trimmed; a final terminator adds no empty entry; a last line without one still counts.
EntryList parseLines(std::string_view bytes);

// Every entry followed by CR LF; an empty list gives an empty text.
std::string joinLines(const EntryList& entries);

// Loads a list file. Returns false and sets `error` (UTF-8) when it cannot be read. A file in
// UTF-8 or UTF-16 is converted to GBK (ListEncoding.h); `decoding` learns what it was in.
bool loadList(const std::string& path, EntryList& entries, std::string* error = nullptr,
              ListDecoding* decoding = nullptr);

// Loads a list file as its bytes and the place of each line in them (the lines of
// parseLines): one buffer instead of a string per entry, for the big draw list. Leaves both
// untouched and sets `error` when the file cannot be read.
bool loadListInPlace(const std::string& path, ByteBuffer& bytes, ByteRanges& lines, std::string* error = nullptr,
                     ListDecoding* decoding = nullptr);

// Saves atomically; returns an empty string or the reason of the failure (UTF-8).
std::string saveList(const EntryList& entries, const std::string& path);

// Saves text already laid out as joinLines lays it out, the way saveList does.
std::string saveJoinedLines(const std::string& text, const std::string& path);

}  // namespace lotavo
