#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace makedata {

// Small deterministic generator (xorshift32): the same seed gives the same files on every
// machine, unlike the distributions of <random>.
class Rng {
public:
    explicit Rng(uint32_t seed) : m_state(seed ? seed : 0x9E3779B9u) {}
    uint32_t next()
    {
        uint32_t x = m_state;
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        return m_state = x;
    }
    // Uniform integer in [0, n).
    int below(int n) { return n <= 0 ? 0 : int(next() % uint32_t(n)); }
    // Uniform real in [0, 1).
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    uint32_t m_state;
};

// ---- text files -------------------------------------------------------------------------
// UTF-8 text to GBK bytes; throws on a character that GBK cannot hold.
std::string toGbk(const std::string& utf8);
// Writes the lines as GBK, each line ended by CR LF except, when lastLineEnded is false, the
// last one. Creates the parent folders.
void writeGbkLines(const QString& path, const std::vector<std::string>& lines, bool lastLineEnded);
void writeBytes(const QString& path, const std::string& bytes);
void ensureFolder(const QString& path);

// ---- INI files ----------------------------------------------------------------------------
// Sections and keys in the order they were first set; values are UTF-8 until written.
class IniFile {
public:
    void set(const std::string& section, const std::string& key, const std::string& value);
    void set(const std::string& section, const std::string& key, int value);
    // Written as GBK with CR LF line ends and a blank line between sections.
    void save(const QString& path) const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    std::vector<Section> m_sections;
};

// Colour value as the settings store it: 0x00BBGGRR in decimal.
inline int winColour(int r, int g, int b) { return (b << 16) | (g << 8) | r; }
inline int winColour(const QColor& c) { return winColour(c.red(), c.green(), c.blue()); }

// ---- participants -------------------------------------------------------------------------
// The 200 lines of the sample list, in UTF-8 (fixed-width columns counted in GBK bytes).
std::vector<std::string> participantLines();
// The longest line of the list (UTF-8).
std::string longestParticipant();

// ---- colour themes of the backgrounds -----------------------------------------------------
enum class ThemeId { Red, DreamBlue, LightOrange, SkyBlue, LightGreen, PlainGreen };

struct Theme {
    ThemeId id;
    QColor centre;       // middle of the radial background
    QColor edge;         // corners of the background
    QColor panel;        // flat panel behind the rolling names / winners
    QColor line;         // ornament lines and frames
    QColor glow;         // rays, sparkles and soft circles
    QColor glow2;        // second colour of the sparkles
};
Theme theme(ThemeId id);

// Where the calm panel of the draw screen lies, as fractions of width and height. The
// layouts put the rolling labels into it and take their background colour from it.
struct PanelRect {
    double left = 0.07, top = 0.345, right = 0.93, bottom = 0.835;
};
inline constexpr PanelRect kMainPanel{};
// The panel of the winner pop-up backgrounds.
inline constexpr PanelRect kPopPanel{0.05, 0.255, 0.95, 0.93};

QImage paintMainBackground(int w, int h, ThemeId id, uint32_t seed);
QImage paintPopupBackground(int w, int h, ThemeId id, uint32_t seed);
QImage paintSplash();

// The portraits of the sample picture draw (folder Photo) and the list that names them.
void writePortraits(const QString& photoFolder);
std::vector<std::string> portraitListLines();

// The texture that fills text with a texture effect (Texture/texture.jpg): gold foil.
QImage paintTexture(int w, int h, uint32_t seed);

// Small pictures of the dialogs (folder Bmp).
void writeDialogPictures(const QString& bmpFolder);

// ---- BMP and JPEG -------------------------------------------------------------------------
// 24-bit uncompressed BMP.
void saveBmp24(const QImage& image, const QString& path);
// 8-bit palette BMP: a median-cut palette of 256 colours with error diffusion.
void saveBmp8(const QImage& image, const QString& path);
void saveJpeg(const QImage& image, const QString& path, int quality);
void savePng(const QImage& image, const QString& path);

// ---- screen layouts -----------------------------------------------------------------------
struct LayoutSize {
    int width, height;
};
// Writes Screen/<W>x<H>.ini for each size; fills `settings` with the 1024x768 layout and the
// keys that the layout copy leaves out (font styles, text effects). With previewDir not
// empty, also draws each layout over the default background into that folder.
// `rollBack` is the background colour of the rolling labels (the panel colour of the
// default background as it decodes).
void writeLayouts(const QString& dataDir, const std::vector<LayoutSize>& sizes, int rollBack, IniFile& settings,
                  const QString& previewDir);

// ---- sounds ---------------------------------------------------------------------------------
void writeRollSound(const QString& path);
void writeWinSound(const QString& path);

}  // namespace makedata
