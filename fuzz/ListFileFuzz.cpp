// libFuzzer harness for list files and the draw list built from them:
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I src fuzz/ListFileFuzz.cpp \
//     src/draw/Gbk.cpp src/draw/ListFile.cpp src/draw/DrawList.cpp src/draw/EntrySort.cpp \
//     src/draw/AtomicFile.cpp src/draw/ListEncoding.cpp src/draw/BigAllocator.cpp -o /tmp/listfuzz
#include "draw/DrawList.h"
#include "draw/Gbk.h"
#include "draw/ListEncoding.h"
#include "draw/ListFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <unistd.h>

using namespace lotavo;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// Line splitting done the plain way, a byte at a time.
EntryList splitPlainly(std::string_view bytes)
{
    EntryList lines;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            line += bytes[i];
            continue;
        }
        lines.push_back(line);
        line.clear();
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// One scratch file for the whole run, rewritten in place for each input; in memory when
// /dev/shm is there, as a disk file rewritten a million times is slow.
int g_fd = -1;
std::string g_path;

void removeScratch()
{
    ::unlink(g_path.c_str());
}

const std::string& scratchFile(std::string_view bytes)
{
    if (g_fd < 0) {
        const char* folder = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
        if (::access("/dev/shm", W_OK) == 0)
            folder = "/dev/shm";
        g_path = std::string(folder) + "/listfuzz-XXXXXX";
        g_fd = ::mkstemp(g_path.data());
        check(g_fd >= 0);
        std::atexit(removeScratch);
    }
    check(::ftruncate(g_fd, 0) == 0);
    check(::pwrite(g_fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()));
    return g_path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    EntryList entries = parseLines(bytes);
    check(entries == splitPlainly(bytes));
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

    // A list in UTF-8 or UTF-16 becomes GBK; written back in its encoding and read again,
    // it is the same GBK text.
    ByteBuffer decoded(bytes.begin(), bytes.end());
    std::u32string unmappable;
    TextEncoding encoding = decodeToGbk(decoded, &unmappable);
    std::string_view gbkText(decoded.data(), decoded.size());
    check(encoding == detectEncoding(bytes));
    check(encoding != TextEncoding::Gbk || gbkText == bytes);
    std::string again = encodeFromGbk(gbkText, encoding);
    ByteBuffer redecoded(again.begin(), again.end());
    decodeToGbk(redecoded, nullptr);
    check(std::string_view(redecoded.data(), redecoded.size()) == gbkText);
    EntryList decodedEntries = parseLines(gbkText);

    // The file loaders split the same way, whatever the bytes.
    const std::string& path = scratchFile(bytes);
    EntryList loaded;
    ListDecoding decoding;
    check(loadList(path, loaded, nullptr, &decoding) && loaded == decodedEntries);
    check(decoding.encoding == encoding && decoding.unmappable == unmappable);
    ByteBuffer buffer;
    ByteRanges lines;
    check(loadListInPlace(path, buffer, lines) && std::string_view(buffer.data(), buffer.size()) == gbkText);
    check(lines.size() == decodedEntries.size());
    for (size_t i = 0; i < lines.size(); ++i)
        check(std::string_view(buffer.data() + lines[i].offset, lines[i].length) == decodedEntries[i]);

    DrawList list;
    if (size % 3 == 0) {
        list.assign(entries);
    } else {
        check(list.loadFile(path));
        check(list.entries() == decodedEntries);
    }
    if (!list.empty())
        list.append(list.at(size % list.size()));
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
    check(list.joined() == joinLines(list.entries()));
    return 0;
}
