#include "present/EarlierKeyReleases.h"

#include "present/KeyMap.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace lotavo::ui {

EarlierKeyReleases::EarlierKeyReleases(QWidget* window) : m_window(window)
{
    qApp->installEventFilter(this);
}

EarlierKeyReleases::~EarlierKeyReleases()
{
    qApp->removeEventFilter(this);
}

bool EarlierKeyReleases::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != m_window && !m_window->isAncestorOf(widget)))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat())
        return false;
    std::tuple<int, int, quint64> identity {int(event->type()), key->key(), key->timestamp()};
    if (identity == m_last)
        return false;
    m_last = identity;
    int vk = virtualKeyOf(*key);
    if (!vk)
        return false;
    if (event->type() == QEvent::KeyPress)
        m_pressed.insert(vk);
    else if (!m_pressed.count(vk))
        m_released.push_back(vk);
    return false;
}

}  // namespace lotavo::ui
