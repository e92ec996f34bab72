#include "draw/ListFile.h"

#include "draw/AtomicFile.h"
#include "draw/ListEncoding.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lotavo {

namespace {

constexpr size_t kBlock = 64;

// The CR and LF bytes of a 64-byte block, one bit per byte (bit i for byte i).
struct LineEndBits {
    uint64_t cr;
    uint64_t lf;
};

#if defined(__SSE2__)
inline LineEndBits lineEndBits(const char* p)
{
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    LineEndBits bits{0, 0};
    for (size_t i = 0; i < kBlock; i += 16) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        bits.cr |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, cr)))) << i;
        bits.lf |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, lf)))) << i;
    }
    return bits;
}
#else
// Eight bytes at a time: the high bit of every byte equal to `byte`, gathered into 8 bits.
inline uint64_t byteBits(uint64_t word, uint64_t byte)
{
    constexpr uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
    uint64_t x = word ^ byte;
    uint64_t high = ~(((x & low7) + low7) | x | low7);
    return ((high >> 7) * 0x0102040810204080ull) >> 56;
}

inline LineEndBits lineEndBits(const char* p)
{
    LineEndBits bits{0, 0};
    for (size_t i = 0; i < kBlock; i += 8) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        if constexpr (std::endian::native == std::endian::big)
            word = __builtin_bswap64(word);
        bits.cr |= byteBits(word, 0x0D0D0D0D0D0D0D0Dull) << i;
        bits.lf |= byteBits(word, 0x0A0A0A0A0A0A0A0Aull) << i;
    }
    return bits;
}
#endif

size_t countLineEnds(std::string_view bytes)
{
    size_t count = 0;
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    for (; static_cast<size_t>(end - p) >= kBlock; p += kBlock) {
        LineEndBits bits = lineEndBits(p);
        count += static_cast<size_t>(std::popcount(bits.cr | bits.lf));
    }
    for (; p < end; ++p)
        count += (*p == '\r' || *p == '\n') ? 1 : 0;
    return count;
}

// Hands each line of [begin, end) to `take(start, length)` and returns how many bytes were
// taken. Unless `final`, a line whose end has not been seen yet (or may still be CR LF) is
// left for the next call.
template <class Take>
size_t scanLines(const char* begin, const char* end, bool final, Take&& take)
{
    // Whole blocks first, while at least one byte follows the block, so that a CR at its
    // end can look at the next byte: every CR ends a line, and so does every LF that does
    // not follow a CR. Lines are short and vary in length, so walking the line-end bits of a
    // block beats a search per line, whose end the processor cannot guess.
    const char* line = begin;
    const char* p = begin;
    uint64_t crBefore = 0;  // the byte before the block is CR
    for (; static_cast<size_t>(end - p) > kBlock; p += kBlock) {
        LineEndBits bits = lineEndBits(p);
        uint64_t afterCr = (bits.cr << 1) | crBefore;
        crBefore = bits.cr >> (kBlock - 1);
        for (uint64_t ends = bits.cr | (bits.lf & ~afterCr); ends != 0; ends &= ends - 1) {
            const char* stop = p + std::countr_zero(ends);
            take(line, static_cast<size_t>(stop - line));
            line = stop + ((*stop == '\r' && stop[1] == '\n') ? 2 : 1);
        }
    }
    for (; p < end; ++p) {
        if (*p != '\r' && *p != '\n')
            continue;
        if (*p == '\n' && p > begin && p[-1] == '\r')
            continue;  // the LF of a CR LF; `line` is already past it
        if (!final && *p == '\r' && p + 1 == end)
            break;
        take(line, static_cast<size_t>(p - line));
        line = p + ((*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1);
    }
    if (final && line < end) {
        take(line, static_cast<size_t>(end - line));
        line = end;
    }
    return static_cast<size_t>(line - begin);
}

size_t appendLines(const char* begin, const char* end, bool final, EntryList& entries)
{
    return scanLines(begin, end, final, [&](const char* line, size_t length) { entries.emplace_back(line, length); });
}

std::string failure(const char* what, const std::string& path, int err)
{
    return std::string(what) + " " + path + ": " + std::strerror(err);
}

// Opens a list file for reading; -1 (and `error` set) when it cannot be, a folder included.
int openList(const std::string& path, struct stat& st, std::string* error)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = failure("无法打开文件", path, errno);
        return -1;
    }
    st = {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        if (error)
            *error = failure("无法打开文件", path, EISDIR);
        return -1;
    }
    return fd;
}

// One read(2) into the spare room of `into`, grown first when there is none: the bytes
// read, 0 at the end of the file, -1 with errno on failure.
ssize_t readMore(int fd, ByteBuffer& into)
{
    if (into.size() == into.capacity())
        into.reserve(std::max<size_t>(4096, into.capacity() * 2));
    size_t before = into.size();
    into.resize(into.capacity());
    ssize_t n;
    do
        n = ::read(fd, into.data() + before, into.size() - before);
    while (n < 0 && errno == EINTR);
    into.resize(before + (n > 0 ? static_cast<size_t>(n) : 0));
    return n;
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

bool loadList(const std::string& path, EntryList& entries, std::string* error, ListDecoding* decoding)
{
    // Read in chunks and split as we go rather than holding the whole file: with a string per
    // entry, the fresh memory of a file-sized buffer as well costs more than reading the file.
    struct stat st;
    int fd = openList(path, st, error);
    if (fd < 0)
        return false;
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
    ListDecoding found;
    if (!decodeLinesToGbk(loaded, found.encoding, &found.unmappable)) {
        // UTF-16 lines cannot be split as bytes: the file is read again as a whole.
        ByteBuffer bytes;
        ByteRanges lines;
        if (!loadListInPlace(path, bytes, lines, error, decoding))
            return false;
        loaded.clear();
        for (const ByteRange& line : lines)
            loaded.emplace_back(bytes.data() + line.offset, line.length);
        entries = std::move(loaded);
        return true;
    }
    if (decoding)
        *decoding = std::move(found);
    entries = std::move(loaded);
    return true;
}

bool loadListInPlace(const std::string& path, ByteBuffer& bytes, ByteRanges& lines, std::string* error,
                     ListDecoding* decoding)
{
    struct stat st;
    int fd = openList(path, st, error);
    if (fd < 0)
        return false;
    // Room for the whole file, one byte more so that the read which finds its end needs no
    // growth, and a little for entries appended later (returned winners); a file that grew
    // meanwhile, or reports no size, grows the buffer.
    size_t expected = st.st_size > 0 ? static_cast<size_t>(st.st_size) : 0;
    ByteBuffer loaded;
    loaded.reserve(expected + 1 + expected / 64);
    for (;;) {
        ssize_t n = readMore(fd, loaded);
        if (n == 0)
            break;
        if (n < 0) {
            int err = errno;
            ::close(fd);
            if (error)
                *error = failure("无法读取文件", path, err);
            return false;
        }
    }
    ::close(fd);
    ListDecoding decoded;
    decoded.encoding = decodeToGbk(loaded, &decoded.unmappable);
    if (decoding)
        *decoding = std::move(decoded);

    ByteRanges found;
    found.reserve(loaded.size() / 16 + 1);
    const char* base = loaded.data();
    scanLines(base, base + loaded.size(), true,
              [&](const char* line, size_t length) { found.push_back({static_cast<size_t>(line - base), length}); });
    bytes.swap(loaded);
    lines.swap(found);
    return true;
}

std::string saveList(const EntryList& entries, const std::string& path)
{
    return saveJoinedLines(joinLines(entries), path);
}

std::string saveJoinedLines(const std::string& text, const std::string& path)
{
    return writeFileAtomically(path, text, Durability::Synced);
}

}  // namespace lotavo
