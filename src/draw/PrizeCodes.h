#pragma once

#include "draw/ListFile.h"
#include "draw/RandomGenerator.h"

#include <cstddef>
#include <string>

// Entries of the prize draw: a six-digit code, then the prize name. The code is what rolls
// on the screen and keeps the units of one prize apart as different lines.
namespace lotavo::prize {

constexpr size_t kCodeDigits = 6;
constexpr size_t kCodeCount = 1'000'000;

// `count` entries code + name, each with a code of its own that no line of `existing` holds
// (a line whose first six bytes are digits holds that code). Fewer, all the free codes, when
// not that many are left.
EntryList createEntries(const EntryList& existing, size_t count, std::string_view name, RandomGenerator& random);

}  // namespace lotavo::prize
