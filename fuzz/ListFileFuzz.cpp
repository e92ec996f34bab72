// libFuzzer harness for list files and the draw list built from them:
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I src fuzz/ListFileFuzz.cpp \
//     src/draw/Gbk.cpp src/draw/ListFile.cpp src/draw/DrawList.cpp src/draw/EntrySort.cpp \
//     src/draw/AtomicFile.cpp -o /tmp/listfuzz
#include "draw/DrawList.h"
#include "draw/Gbk.h"
#include "draw/ListFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace lotavo;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    EntryList entries = parseLines(bytes);
    for (const std::string& entry : entries)
        check(entry.find_first_of("\r\n") == std::string::npos);
    check(parseLines(joinLines(entries)) == entries);

    // Text that survives a trip to UTF-8 without replacement must come back byte for byte.
    std::string utf8 = gbk::toUtf8(bytes);
    std::vector<std::u32string> lost;
    std::string back = gbk::fromUtf8(utf8, &lost);
    if (utf8.find("\xEF\xBF\xBD") == std::string::npos)
        check(lost.empty() && back == bytes);
    gbk::toUtf8(gbk::fromUtf8(bytes));

    // The same lines serve as the list, the winners and the exclusions.
    size_t half = entries.size() / 2;
    EntryList first(entries.begin(), entries.begin() + static_cast<long>(half));
    EntryList second(entries.begin() + static_cast<long>(half), entries.end());

    DrawList list(entries);
    list.applyExclusions(first);
    list.removeEndingWith(second);
    if (!list.empty())
        list.removeAt(size % list.size());
    list.removeEarlierWinners(first, size % 2 == 0, ".");
    check(list.isSortedNoCase() || first.empty());
    for (size_t i = 0; i < list.size(); i += 7)
        list.sortAndRemoveAllEqual(list.at(i));
    list.sortNoCase();
    check(list.isSortedNoCase());
    list.append(std::string(bytes.substr(0, 16)));
    check(list.entries().size() == list.size());
    return 0;
}
