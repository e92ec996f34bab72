#include "setup/ListTextLines.h"

#include <algorithm>

namespace lotavo::ui {

QStringList piecesOf(const QString& text)
{
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        pieces.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    pieces.append(text.mid(start));
    return pieces;
}

TextPosition endOfPieces(TextPosition from, const QStringList& pieces)
{
    int lastLength = static_cast<int>(pieces.last().size());
    if (pieces.size() == 1)
        return {from.line, from.column + lastLength};
    return {from.line + static_cast<int>(pieces.size()) - 1, lastLength};
}

QStringList concatPieces(const QStringList& a, const QStringList& b)
{
    QStringList joined = a;
    joined.last() += b.first();
    joined.append(b.mid(1));
    return joined;
}

ListTextLines::ListTextLines() : m_lines{QString()} {}

void ListTextLines::setLines(QStringList lines)
{
    m_lines = std::move(lines);
    if (m_lines.isEmpty())
        m_lines.append(QString());
    m_longestStale = true;
}

TextPosition ListTextLines::end() const
{
    return {count() - 1, static_cast<int>(m_lines.last().size())};
}

TextPosition ListTextLines::clamp(TextPosition position) const
{
    int line = std::clamp(position.line, 0, count() - 1);
    return {line, std::clamp(position.column, 0, static_cast<int>(m_lines.at(line).size()))};
}

QStringList ListTextLines::text(TextPosition from, TextPosition to) const
{
    if (from.line == to.line)
        return {m_lines.at(from.line).mid(from.column, to.column - from.column)};
    QStringList pieces;
    pieces.reserve(to.line - from.line + 1);
    pieces.append(m_lines.at(from.line).mid(from.column));
    for (int line = from.line + 1; line < to.line; ++line)
        pieces.append(m_lines.at(line));
    pieces.append(m_lines.at(to.line).left(to.column));
    return pieces;
}

TextPosition ListTextLines::replace(TextPosition from, TextPosition to, const QStringList& pieces)
{
    const int longestLength = static_cast<int>(m_lines.at(longestLine()).size());
    const QString head = m_lines.at(from.line).left(from.column);
    const QString tail = m_lines.at(to.line).mid(to.column);
    const int removed = to.line - from.line + 1;
    const int added = static_cast<int>(pieces.size());
    if (added > removed)
        m_lines.insert(from.line + 1, added - removed, QString());
    else if (added < removed)
        m_lines.remove(from.line + 1, removed - added);
    for (int i = 0; i < added; ++i)
        m_lines[from.line + i] = pieces.at(i);
    m_lines[from.line].prepend(head);
    const int last = from.line + added - 1;
    const TextPosition end{last, static_cast<int>(m_lines.at(last).size())};
    m_lines[last].append(tail);

    // A new line at least as long takes over; the old longest line moves with the lines
    // around it, or, when it was edited, is looked for again when needed.
    int newLongest = -1;
    for (int line = from.line; line <= last; ++line)
        if (m_lines.at(line).size() >= longestLength && (newLongest < 0 || m_lines.at(line).size() > m_lines.at(newLongest).size()))
            newLongest = line;
    if (newLongest >= 0) {
        m_longest = newLongest;
        m_longestStale = false;
    } else if (m_longest > to.line) {
        m_longest += added - removed;
    } else if (m_longest >= from.line) {
        m_longestStale = true;
    }
    return end;
}

int ListTextLines::longestLine() const
{
    if (m_longestStale)
        findLongestLine();
    return m_longest;
}

void ListTextLines::findLongestLine() const
{
    qsizetype longest = -1;
    for (int line = 0; line < count(); ++line) {
        if (m_lines.at(line).size() > longest) {
            longest = m_lines.at(line).size();
            m_longest = line;
        }
    }
    m_longestStale = false;
}

}  // namespace lotavo::ui
