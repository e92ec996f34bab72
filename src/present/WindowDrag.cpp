#include "present/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>

namespace lotavo::ui {

void WindowDrag::press(const QMouseEvent& event)
{
    m_last = event.globalPosition().toPoint();
}

bool WindowDrag::move(const QMouseEvent& event)
{
    if (!(event.buttons() & Qt::LeftButton) || !(event.modifiers() & Qt::ControlModifier))
        return false;
    QPoint cursor = event.globalPosition().toPoint();
    m_window->move(m_window->pos() + (cursor - m_last));
    m_last = cursor;
    return true;
}

}  // namespace lotavo::ui
