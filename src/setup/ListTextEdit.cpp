// The list editor's text: the lines, the caret and selection, editing, undo and painting.
// The keys are in ListTextEditKeys.cpp; the mouse, the input method and the context menu in
// ListTextEditInput.cpp.
#include "setup/ListTextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace lotavo::ui {

namespace {

// The space around the text and the tab stops of QPlainTextEdit, which the list editor had.
constexpr int kMargin = 4;
constexpr qreal kTabStop = 80;

}  // namespace

ListTextEdit::ListTextEdit(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    updateMetrics();
}

void ListTextEdit::setLines(QStringList lines)
{
    m_text.setLines(std::move(lines));
    m_history.clear();
    m_caret = m_anchor = {};
    m_wantedX = -1;
    m_preedit.clear();
    m_widestDrawn = 0;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    emit textChanged();
    caretMoved(false);
}

void ListTextEdit::appendLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    // After a final line break the lines go on the empty line it opened.
    const TextPosition end = m_text.end();
    QStringList pieces = end.column == 0 ? lines : kNoText + lines;
    pieces.append(QString());
    applyEdit(end, end, pieces, TextEdit::Kind::Other, false);
}

QString ListTextEdit::plainText() const
{
    return m_text.lines().join(QLatin1Char('\n'));
}

QString ListTextEdit::selectedText() const
{
    return m_text.text(selectionStart(), selectionEnd()).join(QLatin1Char('\n'));
}

void ListTextEdit::setSelection(int startLine, int startColumn, int endLine, int endColumn)
{
    m_anchor = m_text.clamp({startLine, startColumn});
    m_caret = m_text.clamp({endLine, endColumn});
    m_history.seal();
    m_wantedX = -1;
    caretMoved();
}

void ListTextEdit::insert(const QString& text)
{
    replaceSelection(piecesOf(text), TextEdit::Kind::Other);
}

void ListTextEdit::deleteSelection()
{
    if (hasSelection())
        replaceSelection(kNoText, TextEdit::Kind::Other);
}

void ListTextEdit::selectAll()
{
    m_anchor = {};
    m_caret = m_text.end();
    m_history.seal();
    caretMoved(false);
}

void ListTextEdit::copy() const
{
    if (hasSelection())
        QApplication::clipboard()->setText(selectedText());
}

void ListTextEdit::cut()
{
    copy();
    deleteSelection();
}

void ListTextEdit::paste()
{
    QString text = QApplication::clipboard()->text();
    if (!text.isEmpty())
        insert(text);
}

void ListTextEdit::clear()
{
    if (m_text.end() == TextPosition{})
        return;
    applyEdit({}, m_text.end(), kNoText, TextEdit::Kind::Other);
}

void ListTextEdit::undo()
{
    if (!canUndo())
        return;
    const TextEdit& edit = m_history.undo();
    m_text.replace(edit.from, endOfPieces(edit.from, edit.inserted), edit.removed);
    m_caret = m_text.clamp(edit.caretBefore);
    m_anchor = m_text.clamp(edit.anchorBefore);
    textReplaced();
}

void ListTextEdit::redo()
{
    if (!canRedo())
        return;
    const TextEdit& edit = m_history.redo();
    m_caret = m_anchor = m_text.replace(edit.from, endOfPieces(edit.from, edit.removed), edit.inserted);
    textReplaced();
}

void ListTextEdit::replaceSelection(const QStringList& pieces, TextEdit::Kind kind)
{
    applyEdit(selectionStart(), selectionEnd(), pieces, kind);
}

void ListTextEdit::applyEdit(TextPosition from, TextPosition to, const QStringList& pieces, TextEdit::Kind kind,
                             bool moveCaret)
{
    TextEdit edit{from, m_text.text(from, to), pieces, m_caret, m_anchor, kind};
    TextPosition end = m_text.replace(from, to, pieces);
    m_history.record(std::move(edit));
    if (moveCaret)
        m_caret = m_anchor = end;
    textReplaced(moveCaret);
}

void ListTextEdit::textReplaced(bool scrollToCaret)
{
    m_wantedX = -1;
    updateScrollBars();
    viewport()->update();
    emit textChanged();
    caretMoved(scrollToCaret);
}

void ListTextEdit::moveCaret(TextPosition to, bool extendSelection)
{
    m_caret = to;
    if (!extendSelection)
        m_anchor = to;
    m_history.seal();
    caretMoved();
}

void ListTextEdit::caretMoved(bool scrollToCaret)
{
    if (scrollToCaret)
        ensureCaretVisible();
    restartBlink();
    viewport()->update();
    updateMicroFocus();
    emit cursorPositionChanged();
}

void ListTextEdit::ensureCaretVisible()
{
    QScrollBar* vertical = verticalScrollBar();
    const int shown = std::max(1, fullyVisibleLines());
    if (m_caret.line < vertical->value())
        vertical->setValue(m_caret.line);
    else if (m_caret.line >= vertical->value() + shown)
        vertical->setValue(m_caret.line - shown + 1);

    QScrollBar* horizontal = horizontalScrollBar();
    const int x = xOf(m_caret);
    const int width = std::max(1, viewport()->width() - 2 * kMargin);
    // Some text stays in view beside the caret when the view has to jump.
    if (x < horizontal->value())
        horizontal->setValue(x - width / 3);
    else if (x > horizontal->value() + width)
        horizontal->setValue(x - width * 2 / 3);
}

void ListTextEdit::restartBlink()
{
    m_caretShown = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_blink.start(flash / 2, this);
    else
        m_blink.stop();
}

void ListTextEdit::focusInEvent(QFocusEvent* event)
{
    restartBlink();
    viewport()->update();
    QAbstractScrollArea::focusInEvent(event);
}

void ListTextEdit::focusOutEvent(QFocusEvent* event)
{
    m_blink.stop();
    viewport()->update();
    QAbstractScrollArea::focusOutEvent(event);
}

void ListTextEdit::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_blink.timerId()) {
        m_caretShown = !m_caretShown;
        viewport()->update(caretRect().adjusted(-1, 0, 1, 0));
    } else if (event->timerId() == m_autoScroll.timerId()) {
        autoScroll();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void ListTextEdit::layLine(QTextLayout& layout, int line, bool withPreedit) const
{
    layout.setText(m_text.line(line));
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(kTabStop);
    layout.setTextOption(option);
    if (withPreedit && line == m_caret.line && !m_preedit.isEmpty()) {
        layout.setPreeditArea(m_caret.column, m_preedit);
        QTextCharFormat underlined;
        underlined.setFontUnderline(true);
        layout.setFormats({{m_caret.column, static_cast<int>(m_preedit.size()), underlined}});
    }
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
}

int ListTextEdit::xOf(TextPosition position) const
{
    QTextLayout layout;
    layLine(layout, position.line, true);
    int column = position.column;
    if (position == m_caret && !m_preedit.isEmpty())
        column += m_preeditCursor;
    return static_cast<int>(layout.lineAt(0).cursorToX(column));
}

QRect ListTextEdit::caretRect() const
{
    const int x = kMargin - horizontalScrollBar()->value() + xOf(m_caret);
    return QRect(x, lineTop(m_caret.line), 1, m_lineHeight);
}

TextPosition ListTextEdit::positionAt(QPoint point) const
{
    // Points above the view (a drag past its top) fall on the lines scrolled out there.
    int row = static_cast<int>(std::floor(double(point.y() - kMargin) / m_lineHeight));
    if (point.y() >= 0)
        row = std::max(row, 0);
    const int line = std::clamp(firstVisibleLine() + row, 0, m_text.count() - 1);
    QTextLayout layout;
    layLine(layout, line, false);
    const int x = point.x() - kMargin + horizontalScrollBar()->value();
    return {line, layout.lineAt(0).xToCursor(x)};
}

int ListTextEdit::lineTop(int line) const
{
    return kMargin + (line - firstVisibleLine()) * m_lineHeight;
}

int ListTextEdit::firstVisibleLine() const
{
    return verticalScrollBar()->value();
}

int ListTextEdit::fullyVisibleLines() const
{
    return (viewport()->height() - kMargin) / m_lineHeight;
}

void ListTextEdit::updateMetrics()
{
    QFontMetrics metrics(font());
    m_lineHeight = std::max(1, metrics.height());
    m_ascent = metrics.ascent();
    m_widestDrawn = 0;
}

void ListTextEdit::updateScrollBars()
{
    const int shown = std::max(1, fullyVisibleLines());
    verticalScrollBar()->setRange(0, std::max(0, m_text.count() - shown));
    verticalScrollBar()->setPageStep(shown);
    verticalScrollBar()->setSingleStep(1);

    QTextLayout longest;
    layLine(longest, m_text.longestLine(), false);
    const int width = std::max(m_widestDrawn, static_cast<int>(std::ceil(longest.lineAt(0).naturalTextWidth())));
    horizontalScrollBar()->setRange(0, std::max(0, width + 2 * kMargin + 1 - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(std::max(1, QFontMetrics(font()).averageCharWidth() * 2));
}

void ListTextEdit::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ListTextEdit::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateMetrics();
        updateScrollBars();
        viewport()->update();
    }
}

void ListTextEdit::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const QPalette::ColorGroup group = isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    QTextCharFormat selected;
    selected.setBackground(palette().brush(group, QPalette::Highlight));
    selected.setForeground(palette().brush(group, QPalette::HighlightedText));
    const TextPosition start = selectionStart();
    const TextPosition end = selectionEnd();
    const int left = kMargin - horizontalScrollBar()->value();
    const int breakWidth = QFontMetrics(font()).horizontalAdvance(QLatin1Char(' '));
    const bool caretDrawn = hasFocus() && m_caretShown && (m_preedit.isEmpty() || m_preeditCaretShown);

    int widest = m_widestDrawn;
    const int first = std::max(firstVisibleLine(), firstVisibleLine() + (event->rect().top() - kMargin) / m_lineHeight);
    for (int line = first; line < m_text.count() && lineTop(line) <= event->rect().bottom(); ++line) {
        QTextLayout layout;
        layLine(layout, line, true);
        QTextLine row = layout.lineAt(0);
        const QPointF origin(left, lineTop(line) + m_ascent - row.ascent());
        QList<QTextLayout::FormatRange> selections;
        if (hasSelection() && start.line <= line && line <= end.line) {
            const int from = line == start.line ? start.column : 0;
            const int to = line == end.line ? end.column : static_cast<int>(m_text.line(line).size());
            if (to > from)
                selections.append({from, to - from, selected});
            // A selected line break shows as a space's width after the line.
            if (line < end.line)
                painter.fillRect(QRectF(left + row.naturalTextWidth(), lineTop(line), breakWidth, m_lineHeight),
                                 selected.background());
        }
        layout.draw(&painter, origin, selections);
        if (caretDrawn && line == m_caret.line)
            layout.drawCursor(&painter, origin, m_caret.column + (m_preedit.isEmpty() ? 0 : m_preeditCursor));
        widest = std::max(widest, static_cast<int>(std::ceil(row.naturalTextWidth())));
    }
    if (widest > m_widestDrawn) {
        m_widestDrawn = widest;
        updateScrollBars();
    }
}

}  // namespace lotavo::ui
