#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lotavo::ui {

// Where a window of `size` whose stored top left is `stored` shows: the stored place when
// the window fits on a screen there, otherwise the nearest place on that screen (the primary
// one when the stored place is on none), so a place saved on a wider or second screen never
// opens a window nobody can see or click.
QPoint visiblePlace(const QPoint& stored, const QSize& size);

// A place for a window of `size` next to `area` (screen coordinates), centred on it below or
// else above it, on the screen that shows the area; `fallback` when there is room for neither.
QPoint placeClearOf(const QRect& area, const QSize& size, const QPoint& fallback);

}  // namespace lotavo::ui
