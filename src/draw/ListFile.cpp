#include "draw/ListFile.h"

#include "draw/AtomicFile.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lotavo {

namespace {

// Eight bytes at a time: a mask with the high bit set in every byte that is CR or LF.
inline uint64_t lineEndMask(uint64_t word)
{
    constexpr uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
    auto zeroBytes = [](uint64_t x) { return ~(((x & low7) + low7) | x | low7); };
    return zeroBytes(word ^ 0x0A0A0A0A0A0A0A0Aull) | zeroBytes(word ^ 0x0D0D0D0D0D0D0D0Dull);
}

// The first CR or LF at or after `p`, or `end`. Lines are short, so a word-wise scan beats
// calling memchr for each of them.
inline const char* findLineEnd(const char* p, const char* end)
{
    while (end - p >= 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        if (uint64_t mask = lineEndMask(word)) {
            if constexpr (std::endian::native == std::endian::little)
                return p + std::countr_zero(mask) / 8;
            else
                return p + std::countl_zero(mask) / 8;
        }
        p += 8;
    }
    while (p < end && *p != '\r' && *p != '\n')
        ++p;
    return p;
}

size_t countLineEnds(std::string_view bytes)
{
    size_t count = 0;
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    for (; end - p >= 8; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, 8);
        count += static_cast<size_t>(std::popcount(lineEndMask(word)));
    }
    for (; p < end; ++p)
        count += (*p == '\r' || *p == '\n') ? 1 : 0;
    return count;
}

// Appends the lines of [begin, end) and returns how many bytes were taken. Unless `final`,
// a line whose end has not been seen yet (or may still be CR LF) is left for the next call.
size_t appendLines(const char* begin, const char* end, bool final, EntryList& entries)
{
    const char* line = begin;
    while (line < end) {
        const char* stop = findLineEnd(line, end);
        if (!final && (stop == end || (*stop == '\r' && stop + 1 == end)))
            break;
        entries.emplace_back(line, static_cast<size_t>(stop - line));
        if (stop == end)
            return static_cast<size_t>(end - begin);
        line = stop + ((*stop == '\r' && stop + 1 < end && stop[1] == '\n') ? 2 : 1);
    }
    return static_cast<size_t>(line - begin);
}

std::string failure(const char* what, const std::string& path, int err)
{
    return std::string(what) + " " + path + ": " + std::strerror(err);
}

}  // namespace

EntryList parseLines(std::string_view bytes)
{
    EntryList entries;
    // CR LF counts twice here; a little too much room is cheaper than growing a million strings.
    entries.reserve(countLineEnds(bytes) + 1);
    appendLines(bytes.data(), bytes.data() + bytes.size(), true, entries);
    return entries;
}

std::string joinLines(const EntryList& entries)
{
    size_t total = 0;
    for (const std::string& entry : entries)
        total += entry.size() + 2;
    std::string text;
    text.reserve(total);
    for (const std::string& entry : entries) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

bool loadList(const std::string& path, EntryList& entries, std::string* error)
{
    // Read in chunks and split as we go rather than holding the whole file: for a big list the
    // fresh memory of a file-sized buffer costs more than reading the file itself.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = failure("无法打开文件", path, errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        if (error)
            *error = failure("无法打开文件", path, EISDIR);
        return false;
    }
    EntryList loaded;
    if (st.st_size > 0)
        loaded.reserve(static_cast<size_t>(st.st_size) / 16 + 1);
    std::string buffer(size_t{1} << 20, '\0');
    size_t filled = 0;
    for (;;) {
        if (filled == buffer.size())
            buffer.resize(buffer.size() * 2);  // one line longer than the buffer
        ssize_t n = ::read(fd, buffer.data() + filled, buffer.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            int err = errno;
            ::close(fd);
            if (error)
                *error = failure("无法读取文件", path, err);
            return false;
        }
        bool final = n == 0;
        filled += static_cast<size_t>(n);
        size_t taken = appendLines(buffer.data(), buffer.data() + filled, final, loaded);
        if (final)
            break;
        std::memmove(buffer.data(), buffer.data() + taken, filled - taken);
        filled -= taken;
    }
    ::close(fd);
    entries = std::move(loaded);
    return true;
}

std::string saveList(const EntryList& entries, const std::string& path)
{
    return writeFileAtomically(path, joinLines(entries), Durability::Synced);
}

}  // namespace lotavo
