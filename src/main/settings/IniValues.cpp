#include "main/settings/IniStore.h"

#include <array>
#include <iterator>

namespace lotavo::ini {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Hex takes the full 32 bits so that system colours such as 0xFF00000F, written by hand,
// read as the negative value the program itself stores.
bool parseHex(std::string_view digits, int32_t& value)
{
    if (digits.empty())
        return false;
    uint64_t n = 0;
    for (char c : digits) {
        int d = hexDigit(c);
        if (d < 0)
            return false;
        n = n * 16 + static_cast<uint64_t>(d);
        if (n > 0xFFFFFFFFu)
            return false;
    }
    value = static_cast<int32_t>(static_cast<uint32_t>(n));
    return true;
}

constexpr std::array<std::string_view, 4> kStyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

// The usual desktop defaults for the system colour indices (COLOR_SCROLLBAR = 0 ...
// COLOR_MENUBAR = 30); indices beyond the table read as black.
constexpr Rgb kSystemColours[] = {
    {200, 200, 200}, {0, 0, 0},       {153, 180, 209}, {191, 205, 219}, {240, 240, 240}, {255, 255, 255},
    {100, 100, 100}, {0, 0, 0},       {0, 0, 0},       {0, 0, 0},       {180, 180, 180}, {244, 247, 252},
    {171, 171, 171}, {0, 120, 215},   {255, 255, 255}, {240, 240, 240}, {160, 160, 160}, {109, 109, 109},
    {0, 0, 0},       {0, 0, 0},       {255, 255, 255}, {105, 105, 105}, {227, 227, 227}, {0, 0, 0},
    {255, 255, 225}, {0, 0, 0},       {0, 102, 204},   {185, 209, 234}, {215, 228, 242}, {0, 120, 215},
    {240, 240, 240},
};

}  // namespace

bool parseInteger(std::string_view text, int32_t& value)
{
    if (text.starts_with('$'))
        return parseHex(text.substr(1), value);
    if (text.starts_with("0x") || text.starts_with("0X"))
        return parseHex(text.substr(2), value);

    bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return false;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    int64_t n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + (c - '0');
        if (n > limit)
            return false;
    }
    value = static_cast<int32_t>(negative ? -n : n);
    return true;
}

FontStyle parseFontStyle(std::string_view text)
{
    auto has = [&](std::string_view name) { return text.find(name) != std::string_view::npos; };
    return {has(kStyleNames[0]), has(kStyleNames[1]), has(kStyleNames[2]), has(kStyleNames[3])};
}

std::string formatFontStyle(const FontStyle& style)
{
    const bool set[] = {style.bold, style.italic, style.underline, style.strikeOut};
    std::string text = "[";
    for (size_t i = 0; i < kStyleNames.size(); ++i) {
        if (!set[i])
            continue;
        if (text.size() > 1)
            text += ',';
        text += kStyleNames[i];
    }
    return text + "]";
}

bool isSystemColour(int32_t value)
{
    return (static_cast<uint32_t>(value) & 0xFF000000u) == 0xFF000000u;
}

Rgb colourToRgb(int32_t value)
{
    auto v = static_cast<uint32_t>(value);
    if (isSystemColour(value)) {
        size_t index = v & 0xFFu;
        return index < std::size(kSystemColours) ? kSystemColours[index] : Rgb{};
    }
    return {static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>((v >> 8) & 0xFF), static_cast<uint8_t>((v >> 16) & 0xFF)};
}

int32_t rgbToColour(Rgb rgb)
{
    return static_cast<int32_t>(uint32_t{rgb.r} | uint32_t{rgb.g} << 8 | uint32_t{rgb.b} << 16);
}

}  // namespace lotavo::ini
