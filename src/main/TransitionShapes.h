#pragma once

#include <QRect>
#include <QRegion>

// The geometric shapes of the transitions: for a picture of size `s` at the origin and a
// progress `p` from 0 to 1, the part of it that shows (a region) or where it is painted (a
// target rectangle). At p = 0 nothing shows; p = 1 shows the whole picture.
namespace lotavo::ui::shapes {

// Directions 0 from the left, 1 from the right, 2 from the top, 3 from the bottom, 4 from the
// top-left corner, 5 top-right, 6 bottom-left, 7 bottom-right.
QRegion wipe(QSize s, qreal p, int direction);
QRect slide(QSize s, qreal p, int direction);
// The picture squeezed against an edge (0 left, 1 right, 2 top, 3 bottom) widens to full size.
QRect squeeze(QSize s, qreal p, int edge);
// Grows from the centre (0) or a corner (1 top-left, 2 top-right, 3 bottom-left, 4 bottom-right).
QRect zoom(QSize s, qreal p, int anchor);
QRect stretch(QSize s, qreal p, bool vertical);

// Anchors 0 centre, 1..4 corners as for zoom, 5..8 the middles of the left, right, top and
// bottom edges.
QRegion circleOut(QSize s, qreal p, int anchor);
QRegion circleIn(QSize s, qreal p);
QRegion ellipse(QSize s, qreal p, bool inward);
QRegion box(QSize s, qreal p, bool inward);
QRegion diamond(QSize s, qreal p, bool inward);
QRegion split(QSize s, qreal p, bool vertical, bool closing);
QRegion cross(QSize s, qreal p, bool closing);

// From a corner numbered as for wipe minus 4 (0 top-left .. 3 bottom-right), a straight edge
// at 45 degrees of the picture's proportions.
QRegion diagonal(QSize s, qreal p, int corner);
QRegion diagonalStripes(QSize s, qreal p, int bands, bool mirrored);

// Quarter 0 starts at twelve o'clock, 1 at three, 2 at six, 3 at nine.
QRegion clock(QSize s, qreal p, int startQuarter, bool clockwise);
QRegion doubleClock(QSize s, qreal p, bool clockwise);
// A half-circle sweep about the middle of an edge: 0 bottom, 1 top, 2 left, 3 right.
QRegion fan(QSize s, qreal p, int edge);

}  // namespace lotavo::ui::shapes
