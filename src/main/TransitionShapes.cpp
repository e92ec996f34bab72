#include "main/TransitionShapes.h"

#include <QPolygon>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace lotavo::ui::shapes {

namespace {

int px(qreal v) { return qRound(v); }

QRect whole(QSize s) { return QRect(QPoint(0, 0), s); }

// Everything of the picture except `hole`: the "in" styles close a shrinking hole.
QRegion without(QSize s, const QRegion& hole) { return QRegion(whole(s)).subtracted(hole); }

QRegion polygon(QSize s, const QPolygon& points) { return QRegion(points, Qt::WindingFill) & whole(s); }

QPointF anchorPoint(QSize s, int anchor)
{
    const qreal w = s.width(), h = s.height();
    switch (anchor) {
    case 1: return {0, 0};
    case 2: return {w, 0};
    case 3: return {0, h};
    case 4: return {w, h};
    case 5: return {0, h / 2};
    case 6: return {w, h / 2};
    case 7: return {w / 2, 0};
    case 8: return {w / 2, h};
    default: return {w / 2, h / 2};
    }
}

qreal farthestCorner(QSize s, QPointF from)
{
    const qreal dx = std::max(from.x(), s.width() - from.x());
    const qreal dy = std::max(from.y(), s.height() - from.y());
    return std::hypot(dx, dy);
}

QRegion disc(QPointF centre, qreal radius)
{
    if (radius <= 0)
        return {};
    return QRegion(QRect(px(centre.x() - radius), px(centre.y() - radius), px(2 * radius), px(2 * radius)),
                   QRegion::Ellipse);
}

// A pie from `startDegrees` over `sweepDegrees` (positive turns clockwise on screen).
QRegion pie(QSize s, QPointF centre, qreal startDegrees, qreal sweepDegrees)
{
    if (sweepDegrees == 0)
        return {};
    const qreal radius = std::hypot(s.width(), s.height()) + 2;
    const int steps = std::max(2, static_cast<int>(std::abs(sweepDegrees) / 2) + 1);
    QPolygon points;
    points << QPoint(px(centre.x()), px(centre.y()));
    for (int i = 0; i <= steps; ++i) {
        const qreal a = qDegreesToRadians(startDegrees + sweepDegrees * i / steps);
        points << QPoint(px(centre.x() + radius * std::cos(a)), px(centre.y() + radius * std::sin(a)));
    }
    return polygon(s, points);
}

QPoint mirrored(QSize s, QPoint p, bool flipX, bool flipY)
{
    return {flipX ? s.width() - p.x() : p.x(), flipY ? s.height() - p.y() : p.y()};
}

}  // namespace

QRegion wipe(QSize s, qreal p, int direction)
{
    const int w = px(s.width() * p), h = px(s.height() * p);
    const int W = s.width(), H = s.height();
    switch (direction) {
    case 0: return QRect(0, 0, w, H);
    case 1: return QRect(W - w, 0, w, H);
    case 2: return QRect(0, 0, W, h);
    case 3: return QRect(0, H - h, W, h);
    case 4: return QRect(0, 0, w, h);
    case 5: return QRect(W - w, 0, w, h);
    case 6: return QRect(0, H - h, w, h);
    default: return QRect(W - w, H - h, w, h);
    }
}

QRect slide(QSize s, qreal p, int direction)
{
    const int dx = px(s.width() * (1 - p)), dy = px(s.height() * (1 - p));
    static constexpr int signX[] = {-1, 1, 0, 0, -1, 1, -1, 1};
    static constexpr int signY[] = {0, 0, -1, 1, -1, -1, 1, 1};
    const int d = std::clamp(direction, 0, 7);
    return whole(s).translated(signX[d] * dx, signY[d] * dy);
}

QRect squeeze(QSize s, qreal p, int edge)
{
    const int w = px(s.width() * p), h = px(s.height() * p);
    switch (edge) {
    case 0: return QRect(0, 0, w, s.height());
    case 1: return QRect(s.width() - w, 0, w, s.height());
    case 2: return QRect(0, 0, s.width(), h);
    default: return QRect(0, s.height() - h, s.width(), h);
    }
}

QRect zoom(QSize s, qreal p, int anchor)
{
    const QSize size(px(s.width() * p), px(s.height() * p));
    QRect r(QPoint(0, 0), size);
    switch (anchor) {
    case 1: return r;
    case 2: r.moveTopRight(QPoint(s.width() - 1, 0)); return r;
    case 3: r.moveBottomLeft(QPoint(0, s.height() - 1)); return r;
    case 4: r.moveBottomRight(QPoint(s.width() - 1, s.height() - 1)); return r;
    default: r.moveCenter(whole(s).center()); return r;
    }
}

QRect stretch(QSize s, qreal p, bool vertical)
{
    if (vertical) {
        const int h = px(s.height() * p);
        return QRect(0, (s.height() - h) / 2, s.width(), h);
    }
    const int w = px(s.width() * p);
    return QRect((s.width() - w) / 2, 0, w, s.height());
}

QRegion circleOut(QSize s, qreal p, int anchor)
{
    const QPointF centre = anchorPoint(s, anchor);
    return disc(centre, p * (farthestCorner(s, centre) + 1)) & whole(s);
}

QRegion circleIn(QSize s, qreal p)
{
    const QPointF centre = anchorPoint(s, 0);
    return without(s, disc(centre, (1 - p) * (farthestCorner(s, centre) + 1)));
}

QRegion ellipse(QSize s, qreal p, bool inward)
{
    // An ellipse of the picture's proportions through its corners is sqrt(2) times its size.
    const qreal scale = (inward ? 1 - p : p) * M_SQRT2;
    const QSizeF size(s.width() * scale + 2, s.height() * scale + 2);
    QRegion shape;
    if (scale > 0) {
        QRectF r(QPointF(0, 0), size);
        r.moveCenter(QPointF(s.width() / 2.0, s.height() / 2.0));
        shape = QRegion(r.toRect(), QRegion::Ellipse);
    }
    return inward ? without(s, shape) : shape & whole(s);
}

QRegion box(QSize s, qreal p, bool inward)
{
    const qreal scale = inward ? 1 - p : p;
    QRect r(0, 0, px(s.width() * scale), px(s.height() * scale));
    r.moveCenter(whole(s).center());
    return inward ? without(s, r) : QRegion(r) & whole(s);
}

QRegion diamond(QSize s, qreal p, bool inward)
{
    const qreal scale = inward ? 1 - p : p;
    const qreal a = scale * (s.width() + 2), b = scale * (s.height() + 2);
    const qreal cx = s.width() / 2.0, cy = s.height() / 2.0;
    QRegion shape;
    if (scale > 0)
        shape = polygon(s, QPolygon({QPoint(px(cx - a), px(cy)), QPoint(px(cx), px(cy - b)), QPoint(px(cx + a), px(cy)),
                                     QPoint(px(cx), px(cy + b))}));
    return inward ? without(s, shape) : shape;
}

QRegion split(QSize s, qreal p, bool vertical, bool closing)
{
    const int length = vertical ? s.height() : s.width();
    QRegion shape;
    if (closing) {
        const int edge = px(length * p / 2);
        shape = vertical ? QRegion(0, 0, s.width(), edge) + QRegion(0, length - edge, s.width(), edge)
                         : QRegion(0, 0, edge, s.height()) + QRegion(length - edge, 0, edge, s.height());
    } else {
        const int open = px(length * p);
        const int start = (length - open) / 2;
        shape = vertical ? QRegion(0, start, s.width(), open) : QRegion(start, 0, open, s.height());
    }
    return shape;
}

QRegion cross(QSize s, qreal p, bool closing)
{
    const qreal scale = closing ? 1 - p : p;
    const int bandW = px(s.width() * scale), bandH = px(s.height() * scale);
    const QRegion bars = QRegion((s.width() - bandW) / 2, 0, bandW, s.height())
        + QRegion(0, (s.height() - bandH) / 2, s.width(), bandH);
    return closing ? without(s, bars) : bars;
}

QRegion diagonal(QSize s, qreal p, int corner)
{
    const qreal reach = 2 * p;
    const QPoint a(0, 0), b(px(s.width() * reach) + 1, 0), c(0, px(s.height() * reach) + 1);
    if (p <= 0)
        return {};
    const bool flipX = corner == 1 || corner == 3, flipY = corner >= 2;
    return polygon(s, QPolygon({mirrored(s, a, flipX, flipY), mirrored(s, b, flipX, flipY), mirrored(s, c, flipX, flipY)}));
}

QRegion diagonalStripes(QSize s, qreal p, int bands, bool mirror)
{
    // Along u = x/w + y/h, from 0 to 2, every band opens from its low edge.
    QRegion result;
    if (p <= 0)
        return result;
    for (int k = 0; k < bands; ++k) {
        const qreal from = 2.0 * k / bands, to = 2.0 * (k + p) / bands + (p >= 1 ? 0.01 : 0);
        const QPolygon band({mirrored(s, QPoint(px(from * s.width()), 0), mirror, false),
                             mirrored(s, QPoint(px(to * s.width()), 0), mirror, false),
                             mirrored(s, QPoint(0, px(to * s.height())), mirror, false),
                             mirrored(s, QPoint(0, px(from * s.height())), mirror, false)});
        result += polygon(s, band);
    }
    return result;
}

QRegion clock(QSize s, qreal p, int startQuarter, bool clockwise)
{
    const qreal start = -90 + 90 * startQuarter;
    return pie(s, anchorPoint(s, 0), start, (clockwise ? 360 : -360) * p);
}

QRegion doubleClock(QSize s, qreal p, bool clockwise)
{
    const qreal sweep = (clockwise ? 180 : -180) * p;
    const QPointF centre = anchorPoint(s, 0);
    return pie(s, centre, -90, sweep) + pie(s, centre, 90, sweep);
}

QRegion fan(QSize s, qreal p, int edge)
{
    static constexpr int anchors[] = {8, 7, 5, 6};
    static constexpr qreal starts[] = {180, 0, -90, 90};
    const int e = std::clamp(edge, 0, 3);
    return pie(s, anchorPoint(s, anchors[e]), starts[e], 180 * p);
}

}  // namespace lotavo::ui::shapes
