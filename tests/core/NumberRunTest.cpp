// The number list generator's run: which fields are refused, and the lines of a run.
#include "draw/NumberRun.h"

#include "draw/ListFile.h"

#include <gtest/gtest.h>

using namespace lotavo;
using namespace lotavo::numbers;

namespace {

EntryList runLines(std::string_view start, std::string_view end, std::string_view prefix = {},
                   std::string_view suffix = {})
{
    RunPlan plan = planRun(start, end);
    EXPECT_EQ(plan.problem, RunProblem::None);
    return parseLines(buildRun(start, plan.lines(), prefix, suffix));
}

}  // namespace

TEST(NumberRunTest, RunsKeepTheWidthOfTheStart)
{
    EntryList lines = runLines("0001", "0012", "A-");
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines.front(), "A-0001");
    EXPECT_EQ(lines.back(), "A-0012");

    EXPECT_EQ(runLines("0998", "1001"), (EntryList {"0998", "0999", "1000", "1001"}));
    EXPECT_EQ(runLines("01", "11", "", "#").back(), "11#");
    EXPECT_EQ(runLines("0001", "9999").size(), 9999u);
    // A start wider than the end value is fine: the end's leading zeros do not count.
    EXPECT_EQ(runLines("00008", "0011"), (EntryList {"00008", "00009", "00010", "00011"}));
    EXPECT_EQ(buildRun("7", 2, "", ""), "7\r\n8\r\n");
    // Past the last number of the width the run starts again from zeros.
    EXPECT_EQ(buildRun("98", 3, "", ""), "98\r\n99\r\n00\r\n");
}

TEST(NumberRunTest, BadFieldsAreRefused)
{
    EXPECT_EQ(planRun("", "12").problem, RunProblem::EmptyField);
    EXPECT_EQ(planRun("1", "").problem, RunProblem::EmptyField);

    RunPlan pasted = planRun("12a", "20");
    EXPECT_EQ(pasted.problem, RunProblem::NotAnInteger);
    EXPECT_EQ(pasted.badText, "12a");
    EXPECT_EQ(planRun("1", " 20").badText, " 20");
    EXPECT_EQ(planRun("-1", "20").problem, RunProblem::NotAnInteger);
    EXPECT_EQ(planRun("$1F", "99").problem, RunProblem::NotAnInteger);

    EXPECT_EQ(planRun("5", "5").problem, RunProblem::EndNotAboveStart);
    EXPECT_EQ(planRun("0012", "0003").problem, RunProblem::EndNotAboveStart);
    EXPECT_EQ(planRun("999999999", "000000001").problem, RunProblem::EndNotAboveStart);
}

TEST(NumberRunTest, StartNarrowerThanTheEndWouldRepeatNumbers)
{
    EXPECT_EQ(planRun("8", "11").problem, RunProblem::StartTooNarrow);
    EXPECT_EQ(planRun("1", "0011").problem, RunProblem::StartTooNarrow);
    EXPECT_EQ(planRun("99", "100").problem, RunProblem::StartTooNarrow);
    EXPECT_EQ(planRun("08", "11").problem, RunProblem::None);
}

TEST(NumberRunTest, NineDigitBoundsBeyondTheLimitAreRefused)
{
    RunPlan widest = planRun("000000001", "999999999");
    EXPECT_EQ(widest.problem, RunProblem::TooManyLines);
    EXPECT_EQ(planRun("000000000", "099999999").problem, RunProblem::TooManyLines);
    RunPlan limit = planRun("100000000", std::to_string(100000000 + kMaxRunLines - 1));
    EXPECT_EQ(limit.problem, RunProblem::None);
    EXPECT_EQ(limit.lines(), kMaxRunLines);
    EXPECT_EQ(planRun("100000000", std::to_string(100000000 + kMaxRunLines)).problem, RunProblem::TooManyLines);
}

TEST(NumberRunTest, ProgressReachesTheEnd)
{
    size_t last = 0, calls = 0;
    std::string text = buildRun("000000", 100000, "", "", [&](size_t done, size_t total) {
        EXPECT_EQ(total, 100000u);
        EXPECT_GE(done, last);
        last = done;
        ++calls;
    });
    EXPECT_EQ(last, 100000u);
    EXPECT_GT(calls, 10u);
    EXPECT_EQ(text.size(), 100000u * 8);
}
