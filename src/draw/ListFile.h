#pragma once

#include <string>
#include <string_view>
#include <vector>

// Participant list files: one entry per line, GBK bytes kept as they are.
namespace lotavo {

using EntryList = std::vector<std::string>;

// Splits file bytes into entries. A line ends at CR LF, a lone CR or a lone LF; nothing is
// trimmed; a final terminator adds no empty entry; a last line without one still counts.
EntryList parseLines(std::string_view bytes);

// Every entry followed by CR LF; an empty list gives an empty text.
std::string joinLines(const EntryList& entries);

// Loads a list file. Returns false and sets `error` (UTF-8) when it cannot be read.
bool loadList(const std::string& path, EntryList& entries, std::string* error = nullptr);

// Saves atomically; returns an empty string or the reason of the failure (UTF-8).
std::string saveList(const EntryList& entries, const std::string& path);

}  // namespace lotavo
