#pragma once

#include <QStringList>

#include <compare>

namespace lotavo::ui {

// A place in the text: a line and the UTF-16 index in it.
struct TextPosition {
    int line = 0;
    int column = 0;
    friend auto operator<=>(const TextPosition&, const TextPosition&) = default;
};

// Text is handed around as pieces, split at its line breaks: {"a", "b"} is "a\nb", and
// {""} is no text at all.
inline const QStringList kNoText{QString()};

// Breaks at "\r\n", "\n" and "\r".
QStringList piecesOf(const QString& text);

// Where text ends when it starts at `from`.
TextPosition endOfPieces(TextPosition from, const QStringList& pieces);

// Text B right after text A.
QStringList concatPieces(const QStringList& a, const QStringList& b);

// The text of the list editor: one QString per line, never fewer than one line. It knows its
// line with the most characters, which sets how far the view scrolls sideways.
class ListTextLines {
public:
    ListTextLines();

    void setLines(QStringList lines);
    const QStringList& lines() const { return m_lines; }
    int count() const { return static_cast<int>(m_lines.size()); }
    const QString& line(int index) const { return m_lines.at(index); }

    TextPosition end() const;
    // The nearest place that exists.
    TextPosition clamp(TextPosition position) const;

    // The text between two places as pieces.
    QStringList text(TextPosition from, TextPosition to) const;
    // Replaces the text between two places; returns where the new text ends.
    TextPosition replace(TextPosition from, TextPosition to, const QStringList& pieces);

    int longestLine() const;

private:
    void findLongestLine() const;

    QStringList m_lines;
    // Found again only when asked after its line was shortened or removed.
    mutable int m_longest = 0;
    mutable bool m_longestStale = false;
};

}  // namespace lotavo::ui
