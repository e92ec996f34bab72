#pragma once

#include "draw/ListTools.h"

#include <cstdint>
#include <string>
#include <string_view>

// A run of consecutive numbers of fixed width for ticket, seat or badge lists: every number
// has as many digits as the start text, leading zeros kept.
namespace lotavo::numbers {

// The editor holds every line of a run, a million lines in about 150 MB and seconds of
// loading, so a run stops here, twice the largest ticket list of any event; a run of
// nine-digit bounds would otherwise exhaust the memory.
constexpr int64_t kMaxRunLines = 2'000'000;

enum class RunProblem {
    None,
    EmptyField,        // start or end left empty
    NotAnInteger,      // a field holds something else than the digits 0 to 9
    EndNotAboveStart,  // end value not greater than the start value
    StartTooNarrow,    // the start text has fewer digits than the end value: numbers would repeat
    TooManyLines,      // more than kMaxRunLines
};

struct RunPlan {
    RunProblem problem = RunProblem::None;
    std::string badText;  // with NotAnInteger: the field's text
    int64_t start = 0;
    int64_t end = 0;
    int64_t lines() const { return end - start + 1; }
};

// Checks the two fields as typed.
RunPlan planRun(std::string_view startText, std::string_view endText);

// `lines` lines of prefix + number + suffix from `startText` upwards, each ended by CR LF, as
// one text (the list-file form). Each number is the last one plus one at the same width,
// "0099" → "0100"; a carry out of the first digit is dropped, "999" → "000". `progress` hears of every few thousand lines.
std::string buildRun(std::string_view startText, int64_t lines, std::string_view prefix, std::string_view suffix,
                     const ToolProgress& progress = {});

}  // namespace lotavo::numbers
