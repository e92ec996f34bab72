// The list editor's text: the mouse, the input method and the context menu.
#include "setup/ListTextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethod>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <memory>

namespace lotavo::ui {

void ListTextEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    commitPreedit();
    setFocus(Qt::MouseFocusReason);
    m_wantedX = -1;
    moveCaret(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    m_selecting = true;
}

void ListTextEdit::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_selecting || !(event->buttons() & Qt::LeftButton))
        return;
    m_dragPoint = event->position().toPoint();
    // Past an edge the view scrolls on its own while the button is held.
    if (viewport()->rect().contains(m_dragPoint))
        m_autoScroll.stop();
    else if (!m_autoScroll.isActive())
        m_autoScroll.start(50, this);
    dragTo(m_dragPoint);
}

void ListTextEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_selecting = false;
    m_autoScroll.stop();
}

void ListTextEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    selectWordAt(positionAt(event->position().toPoint()));
    m_selecting = false;
}

void ListTextEdit::dragTo(QPoint point)
{
    const QRect area = viewport()->rect();
    const QPoint inside(std::clamp(point.x(), area.left(), area.right()), std::clamp(point.y(), area.top(), area.bottom()));
    const TextPosition to = positionAt(inside);
    if (to != m_caret)
        moveCaret(to, true);
}

void ListTextEdit::autoScroll()
{
    const QRect area = viewport()->rect();
    // The farther past the edge, the faster.
    QScrollBar* vertical = verticalScrollBar();
    if (m_dragPoint.y() < area.top())
        vertical->setValue(vertical->value() - 1 - (area.top() - m_dragPoint.y()) / m_lineHeight);
    else if (m_dragPoint.y() > area.bottom())
        vertical->setValue(vertical->value() + 1 + (m_dragPoint.y() - area.bottom()) / m_lineHeight);
    QScrollBar* horizontal = horizontalScrollBar();
    if (m_dragPoint.x() < area.left())
        horizontal->setValue(horizontal->value() - horizontal->singleStep());
    else if (m_dragPoint.x() > area.right())
        horizontal->setValue(horizontal->value() + horizontal->singleStep());
    dragTo(m_dragPoint);
}

void ListTextEdit::commitPreedit()
{
    if (m_preedit.isEmpty())
        return;
    QGuiApplication::inputMethod()->commit();
    m_preedit.clear();
    viewport()->update();
}

void ListTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    const bool replacing = !commit.isEmpty() || event->replacementLength() > 0;
    if ((replacing || event->preeditString() != m_preedit) && hasSelection())
        replaceSelection(kNoText, TextEdit::Kind::Typing);
    if (replacing) {
        const int length = static_cast<int>(m_text.line(m_caret.line).size());
        const int start = std::clamp(m_caret.column + event->replacementStart(), 0, length);
        const int end = std::clamp(start + event->replacementLength(), start, length);
        applyEdit({m_caret.line, start}, {m_caret.line, end}, piecesOf(commit), TextEdit::Kind::Typing);
    }
    m_preedit = event->preeditString();
    m_preeditCursor = static_cast<int>(m_preedit.size());
    m_preeditCaretShown = true;
    for (const QInputMethodEvent::Attribute& attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor) {
            m_preeditCursor = std::clamp(attribute.start, 0, static_cast<int>(m_preedit.size()));
            m_preeditCaretShown = attribute.length != 0;
        }
    }
    caretMoved();
    event->accept();
}

QVariant ListTextEdit::inputMethodQuery(Qt::InputMethodQuery query) const
{
    const QString& line = m_text.line(m_caret.line);
    switch (query) {
    case Qt::ImEnabled:
        return isEnabled();
    case Qt::ImCursorRectangle:
        return caretRect().translated(viewport()->pos());
    case Qt::ImFont:
        return font();
    case Qt::ImSurroundingText:
        return line;
    case Qt::ImCursorPosition:
        return m_caret.column;
    case Qt::ImAnchorPosition:
        // The anchor on another line counts as the end of this one it lies towards.
        if (m_anchor.line < m_caret.line)
            return 0;
        return m_anchor.line > m_caret.line ? static_cast<int>(line.size()) : m_anchor.column;
    case Qt::ImCurrentSelection:
        return selectedText();
    case Qt::ImTextBeforeCursor:
        return line.left(m_caret.column);
    case Qt::ImTextAfterCursor:
        return line.mid(m_caret.column);
    default:
        return QAbstractScrollArea::inputMethodQuery(query);
    }
}

QMenu* ListTextEdit::createContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    auto add = [this, menu](const char* name, const QString& caption, const QKeySequence& keys, bool enabled,
                            auto command) {
        QString text = caption;
        if (!keys.isEmpty())
            text += QLatin1Char('\t') + keys.toString(QKeySequence::NativeText);
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, command);
    };
    const bool anyText = m_text.end() != TextPosition{};
    add("mnuUndo", QStringLiteral("撤销"), Qt::CTRL | Qt::Key_Z, canUndo(), &ListTextEdit::undo);
    add("mnuRedo", QStringLiteral("重做"), Qt::CTRL | Qt::Key_Y, canRedo(), &ListTextEdit::redo);
    menu->addSeparator();
    add("mnuCut", QStringLiteral("剪切"), Qt::CTRL | Qt::Key_X, hasSelection(), &ListTextEdit::cut);
    add("mnuCopy", QStringLiteral("复制"), Qt::CTRL | Qt::Key_C, hasSelection(), &ListTextEdit::copy);
    add("mnuPaste", QStringLiteral("粘贴"), Qt::CTRL | Qt::Key_V, !QApplication::clipboard()->text().isEmpty(),
        &ListTextEdit::paste);
    add("mnuDelete", QStringLiteral("删除"), QKeySequence(), hasSelection(), &ListTextEdit::deleteSelection);
    menu->addSeparator();
    add("mnuSelectAll", QStringLiteral("全选"), Qt::CTRL | Qt::Key_A, anyText, &ListTextEdit::selectAll);
    return menu;
}

void ListTextEdit::contextMenuEvent(QContextMenuEvent* event)
{
    std::unique_ptr<QMenu> menu(createContextMenu(this));
    const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                    : viewport()->mapToGlobal(caretRect().bottomLeft());
    menu->exec(at);
}

}  // namespace lotavo::ui
