#include "setup/KeyField.h"

#include "present/KeyMap.h"
#include "setup/KeyNames.h"

#include <QKeyEvent>

namespace lotavo::ui {

KeyField::KeyField(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void KeyField::showCode(int code)
{
    m_code = code;
    setText(virtualKeyName(code));
}

bool KeyField::event(QEvent* event)
{
    // Shortcuts and focus moves come before the key press; in this field they are keys to record.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QLineEdit::event(event);
}

void KeyField::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    // A key without any code (a media key of a keyboard the draw screen cannot tell apart
    // either) leaves the assignment as it was.
    int pressed = virtualKeyOf(*event);
    if (pressed == 0)
        return;
    showCode(pressed);
    if (onKey)
        onKey(pressed);
}

void KeyField::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
}

}  // namespace lotavo::ui
