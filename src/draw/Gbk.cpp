#include "draw/Gbk.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <stdexcept>

namespace lotavo::gbk {

namespace {

// Opening an iconv descriptor loads a gconv module; one pair per thread keeps that off
// every call without sharing a stateful descriptor between threads.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(::iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { ::iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; on return `in` points at the first byte not taken.
    // Returns 0 when everything went through, otherwise the errno that stopped it.
    int run(std::string_view& in, std::string& out)
    {
        ::iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[4096];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            size_t srcLeft = in.size();
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = ::iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            int err = errno;
            out.append(buffer, sizeof buffer - dstLeft);
            in.remove_prefix(in.size() - srcLeft);
            if (rc == static_cast<size_t>(-1) && err != E2BIG)
                return err;
        }
        return 0;
    }

private:
    iconv_t m_cd;
};

Converter& gbkToUtf8()
{
    thread_local Converter converter("UTF-8", "GBK");
    return converter;
}

Converter& utf8ToGbk()
{
    thread_local Converter converter("GBK", "UTF-8");
    return converter;
}

bool isAscii(std::string_view s)
{
    for (unsigned char c : s)
        if (c >= 0x80)
            return false;
    return true;
}

// Length of the well-formed UTF-8 sequence at the start of `s` and its code point,
// or 0 when the bytes there are not well-formed.
size_t decodeUtf8(std::string_view s, char32_t& cp)
{
    auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char c = byte(0);
    size_t len;
    char32_t min;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        len = 2, cp = c & 0x1F, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3, cp = c & 0x0F, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4, cp = c & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < len)
        return 0;
    for (size_t i = 1; i < len; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

// Walks a GBK string yielding folded bytes.
struct FoldCursor {
    explicit FoldCursor(const unsigned char* start) : p(start) {}
    unsigned char next() { return fold(*p++); }

    const unsigned char* p;
    CaseFolder fold;
};

}  // namespace

bool isCharBoundary(std::string_view s, size_t pos)
{
    if (pos > s.size())
        return false;
    size_t i = 0;
    while (i < pos)
        i += (isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
    return i == pos;
}

std::string toUtf8(std::string_view gbkText)
{
    if (isAscii(gbkText))
        return std::string(gbkText);
    std::string out;
    out.reserve(gbkText.size() * 3 / 2 + 8);
    Converter& converter = gbkToUtf8();
    while (converter.run(gbkText, out) != 0) {
        // Not GBK here: one replacement character for this byte, then try again after it.
        out += "\xEF\xBF\xBD";
        gbkText.remove_prefix(1);
    }
    return out;
}

std::string fromUtf8(std::string_view utf8Text, std::vector<std::u32string>* unmappable)
{
    if (isAscii(utf8Text))
        return std::string(utf8Text);
    std::string out;
    out.reserve(utf8Text.size());
    Converter& converter = utf8ToGbk();
    while (converter.run(utf8Text, out) != 0) {
        // Either a character GBK lacks or bytes that are not UTF-8 at all (reported as U+FFFD).
        char32_t cp = 0xFFFD;
        size_t len = decodeUtf8(utf8Text, cp);
        if (len == 0) {
            cp = 0xFFFD;
            len = 1;
        }
        out += '?';
        if (unmappable)
            unmappable->push_back(std::u32string(1, cp));
        utf8Text.remove_prefix(len);
    }
    return out;
}

std::string literal(std::string_view utf8Text)
{
    return fromUtf8(utf8Text);
}

int compareNoCase(std::string_view a, std::string_view b)
{
    FoldCursor ca{reinterpret_cast<const unsigned char*>(a.data())};
    FoldCursor cb{reinterpret_cast<const unsigned char*>(b.data())};
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = ca.next();
        unsigned char y = cb.next();
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

std::string foldCase(std::string_view s)
{
    std::string out(s.size(), '\0');
    FoldCursor cursor{reinterpret_cast<const unsigned char*>(s.data())};
    for (size_t i = 0; i < s.size(); ++i)
        out[i] = static_cast<char>(cursor.next());
    return out;
}

}  // namespace lotavo::gbk
