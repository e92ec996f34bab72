#include "main/TransitionCells.h"

#include "draw/RandomGenerator.h"

#include <QPolygon>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lotavo::ui::cells {

namespace {

int px(qreal v) { return qRound(v); }

struct Grid {
    int columns = 1, rows = 1, cellW = 1, cellH = 1;
    QSize size;

    Grid(QSize s, int w, int h)
        : columns(std::max(1, (s.width() + w - 1) / w)), rows(std::max(1, (s.height() + h - 1) / h)), cellW(w), cellH(h), size(s)
    {
    }
    // Cells at the right and bottom edges are cut to the picture.
    QRect cell(int column, int row) const
    {
        return QRect(column * cellW, row * cellH, cellW, cellH) & QRect(QPoint(0, 0), size);
    }
};

// Thousands of small blocks: uniting them one by one costs quadratic time, so they are
// handed over as one banded list (rows of equal height, sorted and merged along x).
QRegion ofCells(std::vector<QRect> rects)
{
    std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) {
        return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left();
    });
    std::vector<QRect> merged;
    for (const QRect& r : rects) {
        if (r.isEmpty())
            continue;
        QRect* last = merged.empty() ? nullptr : &merged.back();
        if (last && last->top() == r.top() && last->height() == r.height() && last->right() + 1 == r.left())
            last->setRight(r.right());
        else
            merged.push_back(r);
    }
    QRegion result;
    result.setRects(merged.data(), static_cast<int>(merged.size()));
    return result;
}

// The first p of `pieces` (cells of one grid or bands) in their order; all of them at p = 1.
QRegion firstOf(const std::vector<QRect>& pieces, qreal p)
{
    const auto count = std::min(pieces.size(), static_cast<size_t>(std::floor(p * pieces.size())));
    return ofCells(std::vector<QRect>(pieces.begin(), pieces.begin() + static_cast<std::ptrdiff_t>(count)));
}

void shuffle(std::vector<QRect>& pieces, uint32_t seed)
{
    RandomGenerator random;
    random.seed(seed);
    for (size_t i = pieces.size(); i > 1; --i)
        std::swap(pieces[i - 1], pieces[random.below(static_cast<uint32_t>(i))]);
}

// The part of `cell` opened from one of its sides: 0 left, 1 right, 2 top, 3 bottom.
QRect opened(const QRect& cell, qreal p, int side)
{
    const int w = px(cell.width() * p), h = px(cell.height() * p);
    switch (side) {
    case 0: return QRect(cell.left(), cell.top(), w, cell.height());
    case 1: return QRect(cell.right() + 1 - w, cell.top(), w, cell.height());
    case 2: return QRect(cell.left(), cell.top(), cell.width(), h);
    default: return QRect(cell.left(), cell.bottom() + 1 - h, cell.width(), h);
    }
}

std::vector<QRect> bands(QSize s, int count, bool vertical)
{
    std::vector<QRect> result;
    const int length = vertical ? s.width() : s.height();
    for (int k = 0; k < count; ++k) {
        const int from = length * k / count, to = length * (k + 1) / count;
        result.push_back(vertical ? QRect(from, 0, to - from, s.height()) : QRect(0, from, s.width(), to - from));
    }
    return result;
}

}  // namespace

QRegion blinds(QSize s, qreal p, int count, bool vertical, bool reverse)
{
    const int side = (vertical ? 0 : 2) + (reverse ? 1 : 0);
    QRegion result;
    for (const QRect& band : bands(s, count, vertical))
        result += opened(band, p, side);
    return result;
}

QRegion comb(QSize s, qreal p, int count, bool vertical)
{
    // Horizontal bands open along the width, vertical ones along the height.
    const std::vector<QRect> teeth = bands(s, count, vertical);
    QRegion result;
    for (size_t k = 0; k < teeth.size(); ++k)
        result += opened(teeth[k], p, (vertical ? 2 : 0) + static_cast<int>(k % 2));
    return result;
}

QRegion checker(QSize s, qreal p, int cell, bool vertical)
{
    // Half of the cells open in the first half of the time, the others in the second.
    const Grid grid(s, cell, cell);
    QRegion result;
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            const qreal local = std::clamp((p - ((r + c) % 2) * 0.5) * 2, 0.0, 1.0);
            result += opened(grid.cell(c, r), local, vertical ? 2 : 0);
        }
    }
    return result;
}

QRegion dissolve(QSize s, qreal p, int block, uint32_t seed)
{
    const Grid grid(s, block, block);
    std::vector<QRect> pieces;
    for (int r = 0; r < grid.rows; ++r)
        for (int c = 0; c < grid.columns; ++c)
            pieces.push_back(grid.cell(c, r));
    shuffle(pieces, seed);
    return firstOf(pieces, p);
}

QRegion randomBars(QSize s, qreal p, int thickness, bool vertical, uint32_t seed)
{
    const int length = vertical ? s.width() : s.height();
    std::vector<QRect> pieces = bands(s, std::max(1, (length + thickness - 1) / thickness), vertical);
    shuffle(pieces, seed);
    return firstOf(pieces, p);
}

QRegion spiral(QSize s, qreal p, int cell, bool inward, bool clockwise)
{
    const Grid grid(s, cell, cell);
    std::vector<QRect> pieces;
    int left = 0, top = 0, right = grid.columns - 1, bottom = grid.rows - 1;
    // Clockwise runs along the top row first, counter-clockwise down the left column first.
    while (left <= right && top <= bottom) {
        if (clockwise) {
            for (int c = left; c <= right; ++c) pieces.push_back(grid.cell(c, top));
            for (int r = top + 1; r <= bottom; ++r) pieces.push_back(grid.cell(right, r));
            if (top < bottom)
                for (int c = right - 1; c >= left; --c) pieces.push_back(grid.cell(c, bottom));
            if (left < right)
                for (int r = bottom - 1; r > top; --r) pieces.push_back(grid.cell(left, r));
        } else {
            for (int r = top; r <= bottom; ++r) pieces.push_back(grid.cell(left, r));
            for (int c = left + 1; c <= right; ++c) pieces.push_back(grid.cell(c, bottom));
            if (left < right)
                for (int r = bottom - 1; r >= top; --r) pieces.push_back(grid.cell(right, r));
            if (top < bottom)
                for (int c = right - 1; c > left; --c) pieces.push_back(grid.cell(c, top));
        }
        ++left, ++top, --right, --bottom;
    }
    if (!inward)
        std::reverse(pieces.begin(), pieces.end());
    return firstOf(pieces, p);
}

QRegion snake(QSize s, qreal p, int cell, bool vertical)
{
    const Grid grid(s, cell, cell);
    std::vector<QRect> pieces;
    const int lines = vertical ? grid.columns : grid.rows, along = vertical ? grid.rows : grid.columns;
    for (int line = 0; line < lines; ++line) {
        for (int i = 0; i < along; ++i) {
            const int k = line % 2 ? along - 1 - i : i;
            pieces.push_back(vertical ? grid.cell(line, k) : grid.cell(k, line));
        }
    }
    return firstOf(pieces, p);
}

QRegion cellGrow(QSize s, qreal p, int columns, int shape)
{
    const int rows = std::max(1, px(columns * qreal(s.height()) / s.width()));
    const Grid grid(s, (s.width() + columns - 1) / columns, (s.height() + rows - 1) / rows);
    QRegion result;
    if (p <= 0)
        return result;
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            const QRect cell = grid.cell(c, r);
            const QPointF centre = QRectF(cell).center();
            QRegion piece;
            if (shape == 1) {
                const qreal radius = p * (std::hypot(cell.width(), cell.height()) / 2 + 1);
                piece = QRegion(QRect(px(centre.x() - radius), px(centre.y() - radius), px(2 * radius), px(2 * radius)),
                                QRegion::Ellipse);
            } else if (shape == 2) {
                const qreal a = p * (cell.width() + 2), b = p * (cell.height() + 2);
                piece = QRegion(QPolygon({QPoint(px(centre.x() - a), px(centre.y())), QPoint(px(centre.x()), px(centre.y() - b)),
                                          QPoint(px(centre.x() + a), px(centre.y())), QPoint(px(centre.x()), px(centre.y() + b))}));
            } else {
                QRectF grown(0, 0, cell.width() * p, cell.height() * p);
                grown.moveCenter(centre);
                piece = QRegion(grown.toRect());
            }
            result += piece & cell;
        }
    }
    return result;
}

}  // namespace lotavo::ui::cells
