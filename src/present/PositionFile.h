#pragma once

#include <QColor>
#include <QString>

#include <string>
#include <vector>

namespace lotavo::ui {

// The winner positions saved for one prize level (<level>Pos.Ini in the program folder).
// Its existence alone selects the manual arrangement for that level.
class PositionFile {
public:
    struct Font {
        QString name = QStringLiteral("宋体");
        int size = 10;          // points
        QColor colour = Qt::black;
        int width = 20;         // every label has this size
        int height = 20;
        int lcr = 1;            // 1 left, 2 centre, 3 right
    };
    struct Place {
        QString name;
        int left = 5;
        int top = 5;
    };

    explicit PositionFile(std::string path);

    const std::string& path() const { return m_path; }
    bool exists() const;
    bool remove() const;

    Font readFont() const;
    // Section PC<index>; a missing section reads as the defaults, so such labels pile up at 5,5.
    Place readPlace(size_t index) const;

    // Writes the places and, when there is at least one, the font; sections of labels not
    // written stay in the file. The file is created even when there is nothing to write.
    // Returns an empty string or the reason of the failure (UTF-8).
    std::string write(const Font& font, const std::vector<Place>& places) const;

private:
    std::string m_path;
};

}  // namespace lotavo::ui
