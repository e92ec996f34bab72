#include "draw/ImportText.h"

#include "draw/Gbk.h"
#include "draw/ListTools.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace lotavo::textimport {

namespace {

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    auto unit = [&](size_t i) {
        auto b0 = static_cast<unsigned char>(bytes[i]);
        auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0);
    };
    size_t n = bytes.size() / 2 * 2;
    for (size_t i = 0; i < n; i += 2) {
        char16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 2 < n) {
            char16_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? char32_t(0xFFFD) : char32_t(u));
    }
    if (bytes.size() % 2)
        appendUtf8(out, 0xFFFD);
    return out;
}

bool isValidUtf8(std::string_view s, bool& nonAscii)
{
    nonAscii = false;
    size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        size_t len = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c <= 0xDF ? 2 : 0;
        if (len == 0 || c > 0xF4 || i + len > s.size())
            return false;
        for (size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        auto c1 = static_cast<unsigned char>(s[i + 1]);
        if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 > 0x9F) || (c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 > 0x8F))
            return false;
        i += len;
    }
    return true;
}

// UTF-16 without a mark: mostly-Latin text has a zero byte in every other place.
bool looksLikeUtf16(std::string_view bytes, bool& bigEndian)
{
    size_t n = std::min<size_t>(bytes.size(), 4096) / 2 * 2;
    if (n < 8)
        return false;
    size_t zeroEven = 0, zeroOdd = 0;
    for (size_t i = 0; i < n; i += 2) {
        // Text has no U+0000; binary data is full of zero pairs.
        if (bytes[i] == '\0' && bytes[i + 1] == '\0')
            return false;
        zeroEven += bytes[i] == '\0';
        zeroOdd += bytes[i + 1] == '\0';
    }
    size_t pairs = n / 2;
    if (zeroOdd * 3 >= pairs && zeroEven * 10 < pairs) {
        bigEndian = false;
        return true;
    }
    if (zeroEven * 3 >= pairs && zeroOdd * 10 < pairs) {
        bigEndian = true;
        return true;
    }
    return false;
}

bool startsWith(std::string_view s, std::string_view prefix)
{
    return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

DecodedText decodeToGbk(std::string_view bytes)
{
    DecodedText result;
    std::string utf8;
    bool bigEndian = false;
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        result.encoding = TextEncoding::Utf8Bom;
        utf8 = bytes.substr(3);
    } else if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")) {
        bigEndian = bytes[0] == '\xFE';
        result.encoding = bigEndian ? TextEncoding::Utf16Be : TextEncoding::Utf16Le;
        utf8 = utf16ToUtf8(bytes.substr(2), bigEndian);
    } else if (looksLikeUtf16(bytes, bigEndian)) {
        result.encoding = bigEndian ? TextEncoding::Utf16Be : TextEncoding::Utf16Le;
        utf8 = utf16ToUtf8(bytes, bigEndian);
    } else {
        bool nonAscii = false;
        if (!isValidUtf8(bytes, nonAscii)) {
            result.encoding = TextEncoding::Gbk;
            result.gbk = bytes;
        } else {
            result.encoding = nonAscii ? TextEncoding::Utf8 : TextEncoding::Ascii;
            utf8 = bytes;
        }
    }
    if (result.encoding != TextEncoding::Gbk)
        result.gbk = gbk::fromUtf8(utf8, &result.unmappable);
    result.binary = result.gbk.find('\0') != std::string::npos;
    return result;
}

std::string describeUnmappable(const std::vector<std::u32string>& unmappable, size_t limit)
{
    std::vector<std::u32string> seen;
    std::string out;
    for (const std::u32string& c : unmappable) {
        if (std::find(seen.begin(), seen.end(), c) != seen.end())
            continue;
        if (seen.size() == limit) {
            out += " ...";
            break;
        }
        seen.push_back(c);
        if (!out.empty())
            out += ' ';
        for (char32_t cp : c)
            appendUtf8(out, cp);
    }
    return out;
}

std::vector<Row> parseCsv(std::string_view text)
{
    std::vector<Row> rows;
    Row row;
    std::string field;
    bool quoted = false;
    bool rowHasData = false;
    auto endField = [&] {
        row.push_back(std::move(field));
        field.clear();
    };
    auto endRow = [&] {
        endField();
        rows.push_back(std::move(row));
        row.clear();
        rowHasData = false;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                field += ' ';
            } else {
                field += c;
            }
            continue;
        }
        if (c == '"' && field.empty()) {
            quoted = true;
            rowHasData = true;
        } else if (c == ',') {
            endField();
            rowHasData = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRow();
        } else {
            field += c;
            rowHasData = true;
        }
    }
    if (rowHasData || !field.empty())
        endRow();
    return rows;
}

EntryList layoutColumns(const std::vector<Row>& rows)
{
    auto usedCount = [](const Row& row) {
        size_t n = row.size();
        while (n > 0 && row[n - 1].empty())
            --n;
        return n;
    };
    std::vector<size_t> widths;
    size_t lastRow = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        size_t used = usedCount(rows[r]);
        if (used > 0)
            lastRow = r + 1;
        if (widths.size() < used)
            widths.resize(used, 0);
        for (size_t c = 0; c < used; ++c)
            widths[c] = std::max(widths[c], rows[r][c].size());
    }
    EntryList lines;
    lines.reserve(lastRow);
    for (size_t r = 0; r < lastRow; ++r) {
        const Row& row = rows[r];
        size_t used = usedCount(row);
        std::string line;
        for (size_t c = 0; c < used; ++c) {
            line += row[c];
            if (c + 1 < used)
                line.append(widths[c] + 1 - row[c].size(), ' ');
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

FileSignature sniffSignature(std::string_view head)
{
    if (startsWith(head, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return FileSignature::Ole2;
    if (startsWith(head, "PK\x03\x04"))
        return FileSignature::Zip;
    if (startsWith(head, "{\\rtf"))
        return FileSignature::Rtf;
    if (head.size() >= 32) {
        // dBASE / FoxPro: a version byte, a plausible date of last update, a header length
        // that holds at least one field descriptor and its terminator.
        static const unsigned char versions[] = {0x02, 0x03, 0x04, 0x05, 0x30, 0x31, 0x32, 0x43,
                                                 0x63, 0x83, 0x8B, 0x8E, 0xCB, 0xF5, 0xFB};
        auto b = [&](size_t i) { return static_cast<unsigned char>(head[i]); };
        bool version = std::find(std::begin(versions), std::end(versions), b(0)) != std::end(versions);
        unsigned headerLength = b(8) | (b(9) << 8);
        if (version && b(2) >= 1 && b(2) <= 12 && b(3) >= 1 && b(3) <= 31 && headerLength >= 65)
            return FileSignature::Dbf;
    }
    DecodedText text = decodeToGbk(head);
    if (text.binary)
        return FileSignature::Unknown;
    std::string_view start = trimmed(text.gbk);
    if (startsWith(start, "<"))
        return FileSignature::Markup;
    return FileSignature::Text;
}

bool isPasswordProtected(std::string_view bytes)
{
    if (sniffSignature(bytes.substr(0, 8)) != FileSignature::Ole2)
        return false;
    static const char name[] = "E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0";
    return bytes.find(std::string_view(name, sizeof name - 1)) != std::string_view::npos;
}

}  // namespace lotavo::textimport
