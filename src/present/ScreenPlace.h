#pragma once

#include <QPoint>
#include <QSize>

namespace lotavo::ui {

// Where a window of `size` whose stored top left is `stored` shows: the stored place when
// the window fits on a screen there, otherwise the nearest place on that screen (the primary
// one when the stored place is on none), so a place saved on a wider or second screen never
// opens a window nobody can see or click.
QPoint visiblePlace(const QPoint& stored, const QSize& size);

}  // namespace lotavo::ui
