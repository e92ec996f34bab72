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

}  // namespace lotavo::ui
