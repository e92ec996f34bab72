#pragma once

#include "setup/ListTextHistory.h"
#include "setup/ListTextLines.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>

class QMenu;
class QTextLayout;

namespace lotavo::ui {

// A plain-text editor for long lists: one entry per line, no wrapping, one undo stack, the
// input method. The lines are plain strings and only those in view are laid out, so a
// million lines load, scroll and take typing at once (a QTextDocument needs seconds).
class ListTextEdit : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ListTextEdit(QWidget* parent = nullptr);

    // Replaces the whole text; nothing before it can be undone.
    void setLines(QStringList lines);
    // Never empty: an empty text is one empty line.
    const QStringList& lines() const { return m_text.lines(); }
    int lineCount() const { return m_text.count(); }
    // Adds lines after the text, each ending with a line break, as one undo step. The caret
    // and the view stay where they are.
    void appendLines(const QStringList& lines);
    // The lines joined by "\n".
    QString plainText() const;

    TextPosition caret() const { return m_caret; }
    TextPosition anchor() const { return m_anchor; }
    bool hasSelection() const { return m_caret != m_anchor; }
    QString selectedText() const;
    // Selects from the start to the end, where the caret goes, and scrolls the caret into view.
    void setSelection(int startLine, int startColumn, int endLine, int endColumn);
    // Where a point of the viewport falls in the text.
    TextPosition positionAt(QPoint point) const;
    // The caret in the viewport.
    QRect caretRect() const;

    // Puts text in place of the selection; "\r\n", "\n" and "\r" break lines.
    void insert(const QString& text);
    void deleteSelection();
    void selectAll();
    void copy() const;
    void cut();
    void paste();
    // Empties the text as one undo step.
    void clear();
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    void undo();
    void redo();

    // The menu of the right mouse button, for the caller to show and delete.
    QMenu* createContextMenu(QWidget* parent);

    // What the input method asks about the caret's line; positions are in that line.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void textChanged();
    void cursorPositionChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    // Tab is a character here, not a step to the next control.
    bool focusNextPrevChild(bool next) override;

private:
    TextPosition selectionStart() const { return std::min(m_caret, m_anchor); }
    TextPosition selectionEnd() const { return std::max(m_caret, m_anchor); }

    // Editing: every change of the text goes through applyEdit.
    void replaceSelection(const QStringList& pieces, TextEdit::Kind kind);
    void applyEdit(TextPosition from, TextPosition to, const QStringList& pieces, TextEdit::Kind kind,
                   bool moveCaret = true);
    void textReplaced(bool scrollToCaret = true);
    void typeText(const QString& text);
    void eraseBackward();
    void eraseForward();

    // The caret: moving it, showing it, blinking.
    void moveCaret(TextPosition to, bool extendSelection);
    void caretMoved(bool scrollToCaret = true);
    void ensureCaretVisible();
    void restartBlink();

    // Keys and the mouse.
    bool handlesKey(const QKeyEvent* event) const;
    bool runEditShortcut(const QKeyEvent* event);
    bool moveByKey(const QKeyEvent* event);
    TextPosition nextPosition(TextPosition from) const;
    TextPosition previousPosition(TextPosition from) const;
    TextPosition wordStart(TextPosition from) const;
    TextPosition wordEnd(TextPosition from) const;
    TextPosition lineMove(int lines) const;
    void selectWordAt(TextPosition position);
    void dragTo(QPoint point);
    void autoScroll();
    void commitPreedit();

    // Laying out and placing lines.
    void layLine(QTextLayout& layout, int line, bool withPreedit) const;
    int xOf(TextPosition position) const;
    int lineTop(int line) const;
    int firstVisibleLine() const;
    int fullyVisibleLines() const;
    void updateMetrics();
    void updateScrollBars();

    ListTextLines m_text;
    ListTextHistory m_history;
    TextPosition m_caret;
    TextPosition m_anchor;
    // The x a run of Up and Down keys keeps to, -1 outside such a run.
    int m_wantedX = -1;

    QString m_preedit;
    int m_preeditCursor = 0;
    bool m_preeditCaretShown = true;

    QBasicTimer m_blink;
    bool m_caretShown = true;
    QBasicTimer m_autoScroll;
    QPoint m_dragPoint;
    bool m_selecting = false;

    int m_lineHeight = 1;
    int m_ascent = 0;
    // The widest line drawn so far: a line of wide characters can outgrow the longest one.
    int m_widestDrawn = 0;
};

}  // namespace lotavo::ui
