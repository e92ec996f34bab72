#include "draw/ListEncoding.h"

#include "draw/AtomicFile.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iconv.h>
#include <type_traits>
#include <vector>

namespace lotavo {

namespace {

// Both directions of the GBK code page as tables, built once from iconv: a list of a
// million lines converts in a tight loop instead of a library call per character.
struct GbkTables {
    std::vector<uint16_t> fromUnicode;  // BMP code point -> double-byte GBK code, 0 for none
    std::vector<char16_t> toUnicode;    // double-byte GBK code -> BMP code point, 0 for none

    GbkTables() : fromUnicode(0x10000, 0), toUnicode(0x10000, 0)
    {
        iconv_t cd = ::iconv_open("UTF-16LE", "GBK");
        if (cd == reinterpret_cast<iconv_t>(-1))
            return;
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail == 0x7F)
                    continue;
                char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                unsigned char out[4];
                char* src = in;
                char* dst = reinterpret_cast<char*>(out);
                size_t srcLeft = 2, dstLeft = sizeof out;
                ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (::iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1) || dstLeft != 2)
                    continue;
                char16_t cp = static_cast<char16_t>(out[0] | (out[1] << 8));
                uint16_t code = static_cast<uint16_t>((lead << 8) | trail);
                toUnicode[code] = cp;
                if (cp >= 0x80 && fromUnicode[cp] == 0)
                    fromUnicode[cp] = code;
            }
        }
        ::iconv_close(cd);
    }
};

const GbkTables& tables()
{
    static const GbkTables t;
    return t;
}

void noteLost(std::u32string* unmappable, char32_t cp)
{
    if (unmappable && unmappable->find(cp) == std::u32string::npos)
        unmappable->push_back(cp);
}

template <class Out>
void putGbk(Out& out, char32_t cp, const GbkTables& t, std::u32string* unmappable)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
        return;
    }
    uint16_t code = cp <= 0xFFFF ? t.fromUnicode[cp] : 0;
    if (code == 0) {
        out.push_back('?');
        noteLost(unmappable, cp);
        return;
    }
    out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
}

// The well-formed UTF-8 sequence at p (at most `left` bytes): its length, 0 when malformed.
size_t utf8Sequence(const unsigned char* p, size_t left, char32_t& cp)
{
    unsigned char c = p[0];
    size_t len;
    char32_t min;
    if (c >= 0xC2 && c <= 0xDF)
        len = 2, cp = c & 0x1F, min = 0x80;
    else if (c >= 0xE0 && c <= 0xEF)
        len = 3, cp = c & 0x0F, min = 0x800;
    else if (c >= 0xF0 && c <= 0xF4)
        len = 4, cp = c & 0x07, min = 0x10000;
    else
        return 0;
    if (left < len)
        return 0;
    for (size_t i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

// An output that keeps nothing: checking whether a text is UTF-8 costs no memory.
struct Discard {
    void push_back(char) {}
    void append(const char*, size_t) {}
};

// An output written over its own input: GBK never takes more bytes than the UTF-8 or UTF-16
// they come from, so the writer never overtakes the reader and no second buffer is needed.
struct InPlace {
    char* at;
    void push_back(char c) { *at++ = c; }
    void append(const char* from, size_t n)
    {
        std::memmove(at, from, n);
        at += n;
    }
};

constexpr uint64_t kHighBits = 0x8080808080808080ull;

// UTF-8 to GBK. Strict: false at the first malformed sequence (the text is not UTF-8);
// otherwise a malformed byte becomes '?'. `multiByte` tells whether anything was not ASCII.
template <class Out>
bool utf8ToGbk(std::string_view in, Out& out, bool strict, bool& multiByte, std::u32string* unmappable)
{
    // Telling UTF-8 from GBK needs no table, and the program's first list would otherwise
    // wait milliseconds for it to be built.
    const GbkTables* t = nullptr;
    auto p = reinterpret_cast<const unsigned char*>(in.data());
    size_t n = in.size();
    size_t i = 0;
    while (i < n) {
        // Names and numbers are mostly ASCII: eight bytes at a time while no high bit shows.
        while (i + 8 <= n) {
            uint64_t word;
            std::memcpy(&word, p + i, 8);
            if (word & kHighBits)
                break;
            out.append(in.data() + i, 8);
            i += 8;
        }
        if (i >= n)
            break;
        if (p[i] < 0x80) {
            out.push_back(static_cast<char>(p[i++]));
            continue;
        }
        char32_t cp = 0;
        size_t len = utf8Sequence(p + i, n - i, cp);
        if (len == 0) {
            if (strict)
                return false;
            out.push_back('?');
            noteLost(unmappable, 0xFFFD);
            ++i;
            continue;
        }
        multiByte = true;
        if constexpr (!std::is_same_v<Out, Discard>) {
            if (!t)
                t = &tables();
            putGbk(out, cp, *t, unmappable);
        }
        i += len;
    }
    return true;
}

template <class Out>
void utf16ToGbk(std::string_view in, bool bigEndian, Out& out, std::u32string* unmappable)
{
    const GbkTables& t = tables();
    auto p = reinterpret_cast<const unsigned char*>(in.data());
    size_t units = in.size() / 2;
    auto unit = [&](size_t k) -> char32_t {
        return bigEndian ? (p[2 * k] << 8) | p[2 * k + 1] : p[2 * k] | (p[2 * k + 1] << 8);
    };
    for (size_t k = 0; k < units; ++k) {
        char32_t u = unit(k);
        if (u >= 0xD800 && u <= 0xDBFF && k + 1 < units && unit(k + 1) >= 0xDC00 && unit(k + 1) <= 0xDFFF) {
            putGbk(out, 0x10000 + ((u - 0xD800) << 10) + (unit(k + 1) - 0xDC00), t, unmappable);
            ++k;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            out.push_back('?');
            noteLost(unmappable, 0xFFFD);
        } else {
            putGbk(out, u, t, unmappable);
        }
    }
    if (in.size() % 2 != 0) {
        // Half a character at the end: the file was cut, the operator should hear of it.
        out.push_back('?');
        noteLost(unmappable, 0xFFFD);
    }
}

bool startsWith(std::string_view bytes, std::string_view mark)
{
    return bytes.substr(0, mark.size()) == mark;
}

const std::string_view kUtf8Mark = "\xEF\xBB\xBF";
const std::string_view kUtf16LeMark = "\xFF\xFE";
const std::string_view kUtf16BeMark = "\xFE\xFF";

template <class Out>
void putUtf8(Out& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

TextEncoding detectEncoding(std::string_view bytes)
{
    if (startsWith(bytes, kUtf8Mark))
        return TextEncoding::Utf8Bom;
    if (startsWith(bytes, kUtf16LeMark))
        return TextEncoding::Utf16Le;
    if (startsWith(bytes, kUtf16BeMark))
        return TextEncoding::Utf16Be;
    Discard discard;
    bool multiByte = false;
    bool valid = utf8ToGbk(bytes, discard, true, multiByte, nullptr);
    return valid && multiByte ? TextEncoding::Utf8 : TextEncoding::Gbk;
}

TextEncoding decodeToGbk(ByteBuffer& bytes, std::u32string* unmappable)
{
    std::string_view in(bytes.data(), bytes.size());
    TextEncoding encoding = detectEncoding(in);
    InPlace out {bytes.data()};
    bool multiByte = false;
    switch (encoding) {
    case TextEncoding::Gbk:
        // Most lists: their first Chinese character already ended the UTF-8 attempt, and
        // an all-ASCII list is the same text either way.
        return encoding;
    case TextEncoding::Utf8:
        utf8ToGbk(in, out, false, multiByte, unmappable);
        break;
    case TextEncoding::Utf8Bom:
        utf8ToGbk(in.substr(kUtf8Mark.size()), out, false, multiByte, unmappable);
        break;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
        utf16ToGbk(in.substr(2), encoding == TextEncoding::Utf16Be, out, unmappable);
        break;
    }
    bytes.resize(static_cast<size_t>(out.at - bytes.data()));
    return encoding;
}

bool decodeLinesToGbk(EntryList& lines, TextEncoding& encoding, std::u32string* unmappable)
{
    encoding = TextEncoding::Gbk;
    if (lines.empty())
        return true;
    if (startsWith(lines.front(), kUtf16LeMark) || startsWith(lines.front(), kUtf16BeMark))
        return false;
    // A file of nothing but the mark, with or without a line end, splits the same way.
    if (lines.size() == 1 && lines.front() == kUtf8Mark)
        return false;
    bool marked = startsWith(lines.front(), kUtf8Mark);
    if (!marked) {
        bool multiByte = false;
        Discard discard;
        for (const std::string& line : lines)
            if (!utf8ToGbk(line, discard, true, multiByte, nullptr))
                return true;
        if (!multiByte)
            return true;
    } else {
        lines.front().erase(0, kUtf8Mark.size());
    }
    encoding = marked ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
    for (std::string& line : lines) {
        bool multiByte = false;
        InPlace out {line.data()};
        utf8ToGbk(line, out, false, multiByte, unmappable);
        line.resize(static_cast<size_t>(out.at - line.data()));
    }
    return true;
}

std::string encodeFromGbk(std::string_view gbkText, TextEncoding encoding)
{
    if (encoding == TextEncoding::Gbk)
        return std::string(gbkText);
    const GbkTables& t = tables();
    std::u16string units;  // UTF-16 first; the GBK repertoire lies in the BMP
    units.reserve(gbkText.size());
    auto p = reinterpret_cast<const unsigned char*>(gbkText.data());
    for (size_t i = 0; i < gbkText.size(); ++i) {
        unsigned char c = p[i];
        if (c < 0x80) {
            units.push_back(c);
            continue;
        }
        char16_t cp = 0;
        if (i + 1 < gbkText.size())
            cp = t.toUnicode[(c << 8) | p[i + 1]];
        if (cp != 0)
            ++i;
        units.push_back(cp != 0 ? cp : u'\uFFFD');
    }
    std::string out;
    if (encoding == TextEncoding::Utf8 || encoding == TextEncoding::Utf8Bom) {
        out.reserve(gbkText.size() * 3 / 2 + 3);
        if (encoding == TextEncoding::Utf8Bom)
            out += kUtf8Mark;
        for (char16_t u : units)
            putUtf8(out, u);
        return out;
    }
    bool big = encoding == TextEncoding::Utf16Be;
    out.reserve(units.size() * 2 + 2);
    out += big ? kUtf16BeMark : kUtf16LeMark;
    for (char16_t u : units) {
        char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out.push_back(big ? hi : lo);
        out.push_back(big ? lo : hi);
    }
    return out;
}

std::string saveListKeepingEncoding(const std::string& gbkText, const std::string& path)
{
    std::string existing;
    TextEncoding encoding = TextEncoding::Gbk;
    if (fileExists(path) && readWholeFile(path, existing))
        encoding = detectEncoding(existing);
    if (encoding == TextEncoding::Gbk)
        return saveJoinedLines(gbkText, path);
    return writeFileAtomically(path, encodeFromGbk(gbkText, encoding), Durability::Synced);
}

std::string listUnmappable(const std::u32string& characters, size_t limit)
{
    std::string text;
    for (size_t i = 0; i < characters.size() && i < limit; ++i) {
        char code[16];
        std::snprintf(code, sizeof code, "%sU+%04X", i ? " " : "", static_cast<unsigned>(characters[i]));
        text += code;
    }
    if (characters.size() > limit)
        text += " ...";
    return text;
}

}  // namespace lotavo
