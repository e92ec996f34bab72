// Figures for lists typed in any editor: a million-line list in UTF-8 and in UTF-16 against
// the same list in GBK, and writing one back in UTF-8.
#include "BenchSupport.h"

#include "draw/AtomicFile.h"
#include "draw/DrawList.h"
#include "draw/Gbk.h"
#include "draw/ListEncoding.h"
#include "draw/ListFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

using namespace lotavo;
using namespace lotavo::bench;

namespace {

// "012345 王小明 市场部", as the operator's editor saved it (UTF-8, LF).
std::string makeUtf8List(size_t lines)
{
    const char* surnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周"};
    const char* given[] = {"明", "小", "伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋"};
    const char* departments[] = {"市场部", "财务部", "研发部", "行政部", "Sales", "IT"};
    std::mt19937 rng(7);
    std::string text;
    char number[16];
    for (size_t i = 0; i < lines; ++i) {
        std::snprintf(number, sizeof number, "%06zu ", i);
        text += number;
        text += surnames[rng() % 10];
        text += given[rng() % 12];
        if (rng() % 2)
            text += given[rng() % 12];
        text += ' ';
        text += departments[rng() % 6];
        text += '\n';
    }
    return text;
}

double bestOf(int runs, const std::function<void()>& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        Stopwatch watch;
        work();
        best = std::min(best, watch.milliseconds());
    }
    return best;
}

}  // namespace

int main()
{
    constexpr size_t kLines = 1000000;
    std::string utf8 = makeUtf8List(kLines);
    std::string gbkText = gbk::fromUtf8(utf8);
    std::string folder = scratchFolder();
    std::string utf8Path = folder + "/utf8.txt", gbkPath = folder + "/gbk.txt", utf16Path = folder + "/utf16.txt";
    writeFileAtomically(utf8Path, utf8, Durability::Renamed);
    writeFileAtomically(gbkPath, gbkText, Durability::Renamed);
    writeFileAtomically(utf16Path, encodeFromGbk(gbkText, TextEncoding::Utf16Le), Durability::Renamed);

    std::string command = "cat '" + gbkPath + "' > /dev/null";
    double cat = bestOf(5, [&] {
        if (std::system(command.c_str()) != 0)
            std::exit(1);
    });
    DrawList list;
    double gbkLoad = bestOf(5, [&] { list.loadFile(gbkPath); });
    double utf8Load = bestOf(5, [&] { list.loadFile(utf8Path); });
    if (list.size() != kLines || list.joined() != joinLines(parseLines(gbkText)))
        std::fprintf(stderr, "the UTF-8 list did not load as its GBK twin\n");
    double utf16Load = bestOf(5, [&] { list.loadFile(utf16Path); });
    EntryList strings;
    double utf8Strings = bestOf(5, [&] { loadList(utf8Path, strings); });

    std::string joined = list.joined();
    double save = bestOf(3, [&] { saveListKeepingEncoding(joined, utf8Path); });

    std::printf("cat of the GBK list (%zu lines, %.1f MB): %.2f ms\n", kLines, gbkText.size() / 1e6, cat);
    report("load 1M-line GBK list (DrawList::loadFile) / cat", gbkLoad / cat, "x", 3);
    report("load 1M-line UTF-8 list (DrawList::loadFile)", utf8Load, "ms", 300);
    report("load 1M-line UTF-16 list (DrawList::loadFile)", utf16Load, "ms", 300);
    report("load 1M-line UTF-8 list into strings (loadList)", utf8Strings, "ms", 300);
    report("save 1M-line list back as UTF-8", save, "ms", 1000);
    return 0;
}
