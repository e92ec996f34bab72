#include "draw/NumberRun.h"

#include <algorithm>

namespace lotavo::numbers {

namespace {

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The fields hold at most nine digits, but pasted text may be longer; a value past this is
// refused as too many lines anyway.
int64_t valueOf(std::string_view digits)
{
    int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > 999'999'999'999LL)
            return value;
    }
    return value;
}

size_t digitCount(int64_t value)
{
    size_t count = 1;
    while (value >= 10) {
        value /= 10;
        ++count;
    }
    return count;
}

void advance(std::string& digits)
{
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] < '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
}

}  // namespace

RunPlan planRun(std::string_view startText, std::string_view endText)
{
    RunPlan plan;
    if (startText.empty() || endText.empty()) {
        plan.problem = RunProblem::EmptyField;
        return plan;
    }
    for (std::string_view text : {startText, endText}) {
        if (!allDigits(text)) {
            plan.problem = RunProblem::NotAnInteger;
            plan.badText = std::string(text);
            return plan;
        }
    }
    plan.start = valueOf(startText);
    plan.end = valueOf(endText);
    if (plan.end <= plan.start)
        plan.problem = RunProblem::EndNotAboveStart;
    else if (startText.size() < digitCount(plan.end))
        plan.problem = RunProblem::StartTooNarrow;
    else if (plan.lines() > kMaxRunLines)
        plan.problem = RunProblem::TooManyLines;
    return plan;
}

std::string buildRun(std::string_view startText, int64_t lines, std::string_view prefix, std::string_view suffix,
                     const ToolProgress& progress)
{
    constexpr int64_t kReportEvery = 4096;
    std::string text;
    if (lines <= 0)
        return text;
    text.reserve((prefix.size() + startText.size() + suffix.size() + 2) * static_cast<size_t>(lines));
    std::string current(startText);
    for (int64_t i = 0; i < lines; ++i) {
        text.append(prefix).append(current).append(suffix).append("\r\n");
        advance(current);
        if (progress && (i + 1) % kReportEvery == 0)
            progress(static_cast<size_t>(i + 1), static_cast<size_t>(lines));
    }
    if (progress)
        progress(static_cast<size_t>(lines), static_cast<size_t>(lines));
    return text;
}

}  // namespace lotavo::numbers
