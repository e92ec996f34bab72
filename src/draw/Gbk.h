#pragma once

#include <string>
#include <string_view>
#include <vector>

// The one codec module: entries, settings values and list files are GBK byte strings
// everywhere in the program; text is converted only where it meets the screen, the
// terminal or a UTF-8 source literal.
namespace lotavo::gbk {

// A byte that starts a double-byte character (0x81..0xFE).
constexpr bool isLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// True when `pos` starts a character of `s` (scanning from the start: a lead byte and the
// byte after it form one character). pos == s.size() is a boundary.
bool isCharBoundary(std::string_view s, size_t pos);

// GBK bytes to UTF-8; bytes that are not valid GBK become U+FFFD, never an error.
std::string toUtf8(std::string_view gbkText);

// UTF-8 to GBK. Characters GBK cannot hold become '?' and are listed in `unmappable`
// (when given), so a caller can report them instead of dropping them silently.
std::string fromUtf8(std::string_view utf8Text, std::vector<std::u32string>* unmappable = nullptr);

// A UTF-8 source literal as GBK; for the program's own messages and captions.
std::string literal(std::string_view utf8Text);

// Case-ignoring comparison of entries: ASCII letters fold to lower case, but only outside
// double-byte characters, so a trail byte in 'A'..'Z' never matches its lower-case twin
// and two different Chinese names never compare equal. Order is byte order after folding.
int compareNoCase(std::string_view a, std::string_view b);
bool equalNoCase(std::string_view a, std::string_view b);

// Folds a text byte by byte the way compareNoCase does, remembering whether the next byte
// is the second byte of a double-byte character (which never folds).
struct CaseFolder {
    bool trail = false;
    unsigned char operator()(unsigned char c)
    {
        if (trail) {
            trail = false;
            return c;
        }
        if (isLeadByte(c)) {
            trail = true;
            return c;
        }
        return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
    }
};

// The folded form used by compareNoCase (handy for hashing and sort keys).
std::string foldCase(std::string_view s);

}  // namespace lotavo::gbk
