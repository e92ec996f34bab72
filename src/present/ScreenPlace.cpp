#include "present/ScreenPlace.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <algorithm>

namespace lotavo::ui {

QPoint visiblePlace(const QPoint& stored, const QSize& size)
{
    QRect wanted(stored, size);
    QScreen* best = nullptr;
    qint64 bestArea = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        QRect overlap = screen->availableGeometry().intersected(wanted);
        qint64 area = overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    if (!best)
        best = QGuiApplication::primaryScreen();
    if (!best)
        return stored;
    QRect area = best->availableGeometry();
    // A window larger than the screen keeps its top left corner on it.
    int left = std::max(area.left(), std::min(stored.x(), area.right() + 1 - size.width()));
    int top = std::max(area.top(), std::min(stored.y(), area.bottom() + 1 - size.height()));
    return {left, top};
}

QPoint placeClearOf(const QRect& area, const QSize& size, const QPoint& fallback)
{
    QScreen* screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen || area.isEmpty())
        return fallback;
    const int gap = 12;
    QRect room = screen->availableGeometry();
    int left = std::max(room.left(), std::min(area.center().x() - size.width() / 2, room.right() + 1 - size.width()));
    for (int top : {area.bottom() + 1 + gap, area.top() - gap - size.height()}) {
        QRect place(QPoint(left, top), size);
        if (room.contains(place))
            return place.topLeft();
    }
    return fallback;
}

}  // namespace lotavo::ui
