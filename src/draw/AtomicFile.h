#pragma once

#include <string>
#include <string_view>

namespace lotavo {

// How hard a write tries to survive a power cut, beyond surviving a killed process.
enum class Durability { Renamed, Synced };

// Writes `bytes` to a temporary file beside `path` and renames it into place, so a reader
// (or a crash at any moment) sees the old file or the new one, never a torn one.
// Returns an empty string on success, otherwise a readable reason (UTF-8, naming the file);
// the old file is then intact.
std::string writeFileAtomically(const std::string& path, std::string_view bytes,
                                Durability durability = Durability::Synced);

// Reads a whole file. Returns false (and sets `error`) when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string& bytes, std::string* error = nullptr);

bool fileExists(const std::string& path);

}  // namespace lotavo
