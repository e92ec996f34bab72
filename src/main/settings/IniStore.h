#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lotavo {

// The settings file and the other INI files of the program: private-profile rules on our own
// reader and writer. Names of sections and keys ignore ASCII letter case; values are GBK bytes
// kept as they are; a read never fails (missing file, section, key or an unparsable value
// gives the caller's default); every write is on disk, atomically, when the call returns.
class IniStore {
public:
    explicit IniStore(std::string path);

    const std::string& path() const { return m_path; }

    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    int32_t readInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;
    bool hasKey(std::string_view section, std::string_view key) const;

    // Each returns an empty string on success, otherwise the reason (UTF-8); the file on
    // disk is then unchanged.
    std::string writeString(std::string_view section, std::string_view key, std::string_view value);
    std::string writeInteger(std::string_view section, std::string_view key, int32_t value);
    std::string writeBool(std::string_view section, std::string_view key, bool value);

    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(std::string_view section) const;
    std::string eraseSection(std::string_view section);
    std::string deleteKey(std::string_view section, std::string_view key);

    // Longest value a read returns, in bytes (never cutting a double-byte character).
    static constexpr size_t kMaxValueBytes = 2047;

private:
    // One line of the file; names and values are ranges of `text`.
    struct Line {
        enum Kind { Other, Section, Key } kind = Other;
        std::string text;
        size_t nameAt = 0, nameLength = 0;    // section or key name
        size_t valueAt = 0, valueLength = 0;  // key value, trimmed, quotes still on

        std::string_view name() const { return std::string_view(text).substr(nameAt, nameLength); }
        std::string_view value() const { return std::string_view(text).substr(valueAt, valueLength); }
    };
    struct Range { size_t begin = 0, end = 0; bool found = false; };

    static Line classify(std::string text);
    void refresh() const;
    void parse(std::string bytes) const;
    void reindex() const;
    Range findSection(std::string_view section) const;
    size_t findKey(const Range& range, std::string_view key) const;  // m_lines.size() when absent
    const Line* findValue(std::string_view section, std::string_view key) const;
    std::string store();

    std::string m_path;
    mutable std::vector<Line> m_lines;      // the file as lines, garbage kept for the write
    mutable std::vector<size_t> m_sections; // indices of the section header lines
    mutable bool m_loaded = false;
    mutable std::string m_readError;        // the file exists but could not be read
    mutable int64_t m_stamp[4] = {0, 0, 0, 0};  // size, mtime ns, ctime ns, inode of what was parsed
};

// Value encodings shared with the dialogs.
namespace ini {
// Decimal, optionally negative; also "$1F", "0x1F"/"0X1F". False when it does not parse
// or does not fit 32 bits.
bool parseInteger(std::string_view text, int32_t& value);

// Font-style text: "[fsBold,fsUnderline]"; reading looks for each name anywhere, case-sensitively.
struct FontStyle {
    bool bold = false, italic = false, underline = false, strikeOut = false;
    bool operator==(const FontStyle&) const = default;
};
FontStyle parseFontStyle(std::string_view text);
std::string formatFontStyle(const FontStyle& style);

// Colours are stored 0x00BBGGRR; system colours as 0xFF0000nn (negative when stored).
struct Rgb { uint8_t r = 0, g = 0, b = 0; };
bool isSystemColour(int32_t value);
Rgb colourToRgb(int32_t value);  // system colours map to a fixed table of usual desktop colours
int32_t rgbToColour(Rgb rgb);
}  // namespace ini

}  // namespace lotavo
