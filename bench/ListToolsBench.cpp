// Figures for the list editor's clean-up tools on a list of 100,000 entries (the target: each
// under a second) and, for reference, on a million.
#include "BenchSupport.h"

#include "draw/Gbk.h"
#include "draw/ListTools.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>

using namespace lotavo;
using namespace lotavo::bench;

namespace {

// "  012345 王小明 Sales  ": blanks around some entries, blank lines, one entry in ten repeated
// in another letter case.
EntryList makeList(size_t count, std::mt19937& rng)
{
    const char* surnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周"};
    const char* given[] = {"明", "小", "伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋"};
    const char* departments[] = {"市场部", "财务部", "研发部", "Sales", "IT", "hr"};
    EntryList lines;
    lines.reserve(count);
    char number[16];
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && rng() % 10 == 0) {
            std::string again = lines[rng() % i];
            std::transform(again.begin(), again.end(), again.begin(), [](char c) {
                return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
            });
            lines.push_back(again);
            continue;
        }
        if (rng() % 50 == 0) {
            lines.push_back(rng() % 2 ? "" : "   ");
            continue;
        }
        std::snprintf(number, sizeof number, "%06zu", i);
        std::string line = std::string(rng() % 8 == 0 ? "  " : "") + number + " " +
                           gbk::literal(surnames[rng() % 10]) + gbk::literal(given[rng() % 12]) +
                           gbk::literal(given[rng() % 12]) + " " + gbk::literal(departments[rng() % 6]) +
                           (rng() % 8 == 0 ? "\t " : "");
        lines.push_back(line);
    }
    return lines;
}

double bestOf(int runs, const EntryList& source, const std::function<void(EntryList&)>& tool)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        EntryList lines = source;
        Stopwatch watch;
        tool(lines);
        best = std::min(best, watch.milliseconds());
    }
    return best;
}

void measure(size_t count, double targetMs)
{
    std::mt19937 rng(20240101);
    EntryList lines = makeList(count, rng);
    // The window repaints in the progress reports; a call that does nothing stands in for it.
    size_t reports = 0;
    ToolProgress progress = [&reports](size_t, size_t) { ++reports; };
    std::string n = count >= 1000000 ? "1M" : std::to_string(count / 1000) + "k";
    RandomGenerator random;
    random.seed(42);
    report("shuffle of " + n + " lines", bestOf(3, lines, [&](EntryList& l) { shuffleLines(l, random, progress); }), "ms",
           targetMs);
    report("trim of " + n + " lines", bestOf(3, lines, [&](EntryList& l) { trimLines(l, progress); }), "ms", targetMs);
    report("blank-line removal of " + n + " lines",
           bestOf(3, lines, [&](EntryList& l) { removeBlankLines(l, progress); }), "ms", targetMs);
    report("duplicate removal of " + n + " lines",
           bestOf(3, lines, [&](EntryList& l) { removeDuplicates(l, progress); }), "ms", targetMs);
    report("delete by tail of " + n + " lines",
           bestOf(3, lines, [&](EntryList& l) { deleteByTail(l, "8", progress); }), "ms", targetMs);
    std::printf("(%zu progress reports)\n", reports);
}

}  // namespace

int main()
{
    measure(100000, 1000);
    measure(1000000, 10000);
    return 0;
}
