#pragma once

#include <QRegion>

#include <cstdint>

// Transitions that cut the picture into bands or cells and show them piece by piece; the
// counterpart of TransitionShapes.h with the same conventions.
namespace lotavo::ui::cells {

// Every band opens from its top (left) edge, or from the opposite one when `reverse`.
QRegion blinds(QSize s, qreal p, int bands, bool vertical, bool reverse);
// Bands opening alternately from opposite sides, like the teeth of two combs.
QRegion comb(QSize s, qreal p, int bands, bool vertical);
QRegion checker(QSize s, qreal p, int cell, bool vertical);
// Square blocks in an order shuffled by `seed`: the same seed gives the same dissolve.
QRegion dissolve(QSize s, qreal p, int block, uint32_t seed);
QRegion randomBars(QSize s, qreal p, int thickness, bool vertical, uint32_t seed);
QRegion spiral(QSize s, qreal p, int cell, bool inward, bool clockwise);
QRegion snake(QSize s, qreal p, int cell, bool vertical);
// A grid `columns` wide of shapes (0 rectangles, 1 circles, 2 diamonds) that grow from the
// centre of their cells.
QRegion cellGrow(QSize s, qreal p, int columns, int shape);

}  // namespace lotavo::ui::cells
