// Figures for a list of a million participants: load, first sort, a press, level-start
// removals and exclusions.
#include "BenchSupport.h"

#include "draw/AtomicFile.h"
#include "draw/DrawList.h"
#include "draw/Gbk.h"
#include "draw/ListFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

using namespace lotavo;
using namespace lotavo::bench;

namespace {

constexpr size_t kLines = 1000000;

// "012345 王小明 市场部": about twenty bytes, in random order, one line in a hundred repeated.
EntryList makeList(std::mt19937& rng, bool nameFirst)
{
    const EntryList surnames = [] {
        EntryList v;
        for (const char* s : {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱", "胡"})
            v.push_back(gbk::literal(s));
        return v;
    }();
    const EntryList given = [] {
        EntryList v;
        for (const char* s : {"明", "小", "伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰", "涛"})
            v.push_back(gbk::literal(s));
        return v;
    }();
    const EntryList departments = [] {
        EntryList v;
        for (const char* s : {"市场部", "财务部", "研发部", "行政部", "销售部", "Sales", "IT"})
            v.push_back(gbk::literal(s));
        return v;
    }();
    std::vector<uint32_t> ids(kLines);
    for (uint32_t i = 0; i < kLines; ++i)
        ids[i] = i;
    std::shuffle(ids.begin(), ids.end(), rng);

    EntryList lines;
    lines.reserve(kLines);
    char number[16];
    for (size_t i = 0; i < kLines; ++i) {
        if (i > 0 && rng() % 100 == 0) {
            lines.push_back(lines[rng() % i]);
            continue;
        }
        std::snprintf(number, sizeof number, "%06u", ids[i]);
        std::string name = surnames[rng() % surnames.size()] + given[rng() % given.size()];
        if (rng() % 2)
            name += given[rng() % given.size()];
        const std::string& department = departments[rng() % departments.size()];
        lines.push_back(nameFirst ? name + " " + number + " " + department : std::string(number) + " " + name + " " + department);
    }
    return lines;
}

double bestOf(int runs, const std::function<void()>& prepare, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        prepare();
        Stopwatch watch;
        work();
        best = std::min(best, watch.milliseconds());
    }
    return best;
}

EntryList sample(const EntryList& lines, size_t count, std::mt19937& rng)
{
    EntryList picked;
    for (size_t i = 0; i < count; ++i)
        picked.push_back(lines[rng() % lines.size()]);
    return picked;
}

}  // namespace

int main()
{
    std::mt19937 rng(20240101);
    EntryList lines = makeList(rng, false);
    std::string path = scratchFolder() + "/Text.txt";
    if (std::string error = saveList(lines, path); !error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    std::string command = "cat '" + path + "' > /dev/null";
    double cat = bestOf(5, [] {}, [&] {
        if (std::system(command.c_str()) != 0)
            std::exit(1);
    });
    DrawList fileList;
    double load = bestOf(5, [&] { fileList.clear(); }, [&] { fileList.loadFile(path); });
    if (fileList.entries() != lines)
        std::fprintf(stderr, "loaded draw list differs from the saved one\n");
    EntryList loaded;
    double loadSmall = bestOf(5, [&] { EntryList().swap(loaded); }, [&] { loadList(path, loaded); });
    if (loaded != lines)
        std::fprintf(stderr, "loaded list differs from the saved one\n");
    std::printf("cat of %zu lines: %.2f ms\n", lines.size(), cat);
    report("loadList of 1M lines (DrawList::loadFile)", load, "ms", 3 * cat);
    report("loadList / cat", load / cat, "x", 3);
    std::printf("small-list loader (loadList into strings) of 1M lines: %.2f ms, %.2f x cat\n", loadSmall, loadSmall / cat);

    DrawList list;
    report("first sort of 1M lines (number first)",
           bestOf(3, [&] { list.assign(lines); }, [&] { list.sortNoCase(); }), "ms", 300);
    EntryList nameFirst = makeList(rng, true);
    report("first sort of 1M lines (name first, many ties)",
           bestOf(3, [&] { list.assign(nameFirst); }, [&] { list.sortNoCase(); }), "ms", 300);

    DrawList sorted(lines);
    sorted.sortNoCase();
    DrawList press;
    report("press of 100 picks with sortAndRemoveAllEqual on 1M", bestOf(3, [&] { press = sorted; }, [&] {
               size_t index = rng() % press.size();
               for (int pick = 0; pick < 100; ++pick) {
                   press.sortAndRemoveAllEqual(press.at(index));
                   index = rng() % press.size();
               }
           }), "ms", 50);

    EntryList winners = sample(lines, 1000, rng);
    report("removeEndingWith 1,000 winners on 1M",
           bestOf(3, [&] { list.assign(lines); }, [&] { list.removeEndingWith(winners); }), "ms", 1000);
    report("applyExclusions 1,000 lines on 1M",
           bestOf(3, [&] { list.assign(lines); }, [&] { list.applyExclusions(winners); }), "ms", 1000);
    EntryList numbered;
    for (size_t i = 0; i < winners.size(); ++i)
        numbered.push_back(std::to_string(i + 1) + "." + winners[i]);
    report("removeEarlierWinners 1,000 lines on 1M (with first sort)",
           bestOf(3, [&] { list.assign(lines); }, [&] { list.removeEarlierWinners(numbered, true, "."); }), "ms", 1000);
    return 0;
}
