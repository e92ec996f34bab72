// The list editor's text: the keys, moving the caret and typing.
#include "setup/ListTextEdit.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextLayout>

#include <algorithm>

namespace lotavo::ui {

namespace {

enum class EditCommand { None, SelectAll, Copy, Cut, Paste, Undo, Redo };

EditCommand editCommandOf(const QKeyEvent* event)
{
    const QKeyCombination keys(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
    if (keys == (Qt::CTRL | Qt::Key_A))
        return EditCommand::SelectAll;
    if (keys == (Qt::CTRL | Qt::Key_C) || keys == (Qt::CTRL | Qt::Key_Insert))
        return EditCommand::Copy;
    if (keys == (Qt::CTRL | Qt::Key_X) || keys == (Qt::SHIFT | Qt::Key_Delete))
        return EditCommand::Cut;
    if (keys == (Qt::CTRL | Qt::Key_V) || keys == (Qt::SHIFT | Qt::Key_Insert))
        return EditCommand::Paste;
    if (keys == (Qt::CTRL | Qt::Key_Z))
        return EditCommand::Undo;
    if (keys == (Qt::CTRL | Qt::Key_Y) || keys == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z))
        return EditCommand::Redo;
    return EditCommand::None;
}

bool isMoveKey(int key)
{
    switch (key) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Home: case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool isEditKey(int key)
{
    switch (key) {
    case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Backspace: case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

// Ctrl with a letter is a command; Ctrl with Alt is AltGr on some keyboards and types.
bool isTypedText(const QKeyEvent* event)
{
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers == Qt::ControlModifier)
        return false;
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Double-click and Ctrl+arrows take runs of one kind: letters, digits and ideographs; spaces;
// everything else.
enum class CharKind { Space, Word, Other };

CharKind kindOf(QChar c)
{
    if (c.isSpace())
        return CharKind::Space;
    if (c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_'))
        return CharKind::Word;
    return CharKind::Other;
}

}  // namespace

bool ListTextEdit::event(QEvent* event)
{
    // The keys the text takes go to it, not to the window's shortcuts of the same keys.
    if (event->type() == QEvent::ShortcutOverride && handlesKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

bool ListTextEdit::focusNextPrevChild(bool)
{
    return false;
}

bool ListTextEdit::handlesKey(const QKeyEvent* event) const
{
    if (editCommandOf(event) != EditCommand::None)
        return true;
    // Alt with a key is left to the window's menus and buttons.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers != Qt::NoModifier && modifiers != Qt::ControlModifier)
        return false;
    if (isMoveKey(event->key()) || isEditKey(event->key()))
        return true;
    if (event->key() == Qt::Key_Tab)
        return modifiers == Qt::NoModifier;
    return modifiers == Qt::NoModifier && isTypedText(event);
}

void ListTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (runEditShortcut(event) || moveByKey(event)) {
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        replaceSelection({QString(), QString()}, TextEdit::Kind::Other);
        break;
    case Qt::Key_Backspace:
        eraseBackward();
        break;
    case Qt::Key_Delete:
        eraseForward();
        break;
    case Qt::Key_Tab:
        if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
            event->ignore();
            return;
        }
        typeText(QStringLiteral("\t"));
        break;
    default:
        if (!isTypedText(event)) {
            event->ignore();
            return;
        }
        typeText(event->text());
    }
    event->accept();
}

bool ListTextEdit::runEditShortcut(const QKeyEvent* event)
{
    switch (editCommandOf(event)) {
    case EditCommand::None:
        return false;
    case EditCommand::SelectAll:
        selectAll();
        break;
    case EditCommand::Copy:
        copy();
        break;
    case EditCommand::Cut:
        cut();
        break;
    case EditCommand::Paste:
        paste();
        break;
    case EditCommand::Undo:
        undo();
        break;
    case EditCommand::Redo:
        redo();
        break;
    }
    return true;
}

bool ListTextEdit::moveByKey(const QKeyEvent* event)
{
    if (!isMoveKey(event->key()))
        return false;
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    const int page = std::max(1, fullyVisibleLines());
    const int lineLength = static_cast<int>(m_text.line(m_caret.line).size());
    const bool vertical = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down
                          || event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    if (!vertical)
        m_wantedX = -1;
    else if (m_wantedX < 0)
        m_wantedX = xOf(m_caret);
    TextPosition to = m_caret;
    switch (event->key()) {
    case Qt::Key_Left:
        to = control ? wordStart(m_caret) : hasSelection() && !extend ? selectionStart() : previousPosition(m_caret);
        break;
    case Qt::Key_Right:
        to = control ? wordEnd(m_caret) : hasSelection() && !extend ? selectionEnd() : nextPosition(m_caret);
        break;
    case Qt::Key_Up:
        to = lineMove(-1);
        break;
    case Qt::Key_Down:
        to = lineMove(1);
        break;
    case Qt::Key_PageUp:
        // The view moves by the page with the caret, as far as it can.
        verticalScrollBar()->setValue(verticalScrollBar()->value() - page);
        to = lineMove(-page);
        break;
    case Qt::Key_PageDown:
        verticalScrollBar()->setValue(verticalScrollBar()->value() + page);
        to = lineMove(page);
        break;
    case Qt::Key_Home:
        to = control ? TextPosition{} : TextPosition{m_caret.line, 0};
        break;
    case Qt::Key_End:
        to = control ? m_text.end() : TextPosition{m_caret.line, lineLength};
        break;
    }
    moveCaret(to, extend);
    return true;
}

TextPosition ListTextEdit::nextPosition(TextPosition from) const
{
    if (from.column < m_text.line(from.line).size()) {
        QTextLayout layout;
        layLine(layout, from.line, false);
        return {from.line, layout.nextCursorPosition(from.column)};
    }
    return from.line + 1 < m_text.count() ? TextPosition{from.line + 1, 0} : from;
}

TextPosition ListTextEdit::previousPosition(TextPosition from) const
{
    if (from.column > 0) {
        QTextLayout layout;
        layLine(layout, from.line, false);
        return {from.line, layout.previousCursorPosition(from.column)};
    }
    return from.line > 0 ? TextPosition{from.line - 1, static_cast<int>(m_text.line(from.line - 1).size())} : from;
}

TextPosition ListTextEdit::wordStart(TextPosition from) const
{
    if (from.column == 0)
        return previousPosition(from);
    const QString& text = m_text.line(from.line);
    int column = from.column;
    while (column > 0 && kindOf(text.at(column - 1)) == CharKind::Space)
        --column;
    if (column > 0) {
        const CharKind kind = kindOf(text.at(column - 1));
        while (column > 0 && kindOf(text.at(column - 1)) == kind)
            --column;
    }
    return {from.line, column};
}

TextPosition ListTextEdit::wordEnd(TextPosition from) const
{
    const QString& text = m_text.line(from.line);
    if (from.column >= text.size())
        return nextPosition(from);
    int column = from.column;
    const CharKind kind = kindOf(text.at(column));
    if (kind != CharKind::Space)
        while (column < text.size() && kindOf(text.at(column)) == kind)
            ++column;
    while (column < text.size() && kindOf(text.at(column)) == CharKind::Space)
        ++column;
    return {from.line, column};
}

void ListTextEdit::selectWordAt(TextPosition position)
{
    const QString& text = m_text.line(position.line);
    if (text.isEmpty()) {
        moveCaret(position, false);
        return;
    }
    const int at = std::min<int>(position.column, static_cast<int>(text.size()) - 1);
    const CharKind kind = kindOf(text.at(at));
    int start = at;
    while (start > 0 && kindOf(text.at(start - 1)) == kind)
        --start;
    int end = at + 1;
    while (end < text.size() && kindOf(text.at(end)) == kind)
        ++end;
    setSelection(position.line, start, position.line, end);
}

TextPosition ListTextEdit::lineMove(int lines) const
{
    const int line = std::clamp(m_caret.line + lines, 0, m_text.count() - 1);
    if (line == m_caret.line)
        return m_caret;
    QTextLayout layout;
    layLine(layout, line, false);
    return {line, layout.lineAt(0).xToCursor(m_wantedX)};
}

void ListTextEdit::typeText(const QString& text)
{
    replaceSelection(piecesOf(text), TextEdit::Kind::Typing);
}

void ListTextEdit::eraseBackward()
{
    if (hasSelection()) {
        replaceSelection(kNoText, TextEdit::Kind::Erasing);
        return;
    }
    if (m_caret == TextPosition{})
        return;
    const QString& text = m_text.line(m_caret.line);
    TextPosition from{m_caret.line, m_caret.column - 1};
    if (m_caret.column == 0)
        from = {m_caret.line - 1, static_cast<int>(m_text.line(m_caret.line - 1).size())};
    else if (from.column > 0 && text.at(from.column).isLowSurrogate() && text.at(from.column - 1).isHighSurrogate())
        --from.column;
    applyEdit(from, m_caret, kNoText, TextEdit::Kind::Erasing);
}

void ListTextEdit::eraseForward()
{
    if (hasSelection()) {
        replaceSelection(kNoText, TextEdit::Kind::Erasing);
        return;
    }
    const TextPosition to = nextPosition(m_caret);
    if (to != m_caret)
        applyEdit(m_caret, to, kNoText, TextEdit::Kind::Erasing);
}

}  // namespace lotavo::ui
