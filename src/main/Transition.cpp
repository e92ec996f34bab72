#include "main/Transition.h"

#include "main/TransitionCells.h"
#include "main/TransitionShapes.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lotavo::ui {

namespace {

enum class Family : uint8_t {
    Wipe, Slide, Squeeze, Zoom, Stretch, CircleOut, CircleIn, Ellipse, Box, Diamond, Split, Cross,
    Diagonal, DiagonalStripes, Clock, DoubleClock, Fan, Blinds, Comb, Checker, Dissolve, RandomBars,
    Spiral, Snake, CellGrow, Fade,
};

struct Style {
    Family family = Family::Fade;
    int a = 0, b = 0, c = 0;
};

constexpr std::array<Style, Transition::StyleCount> buildCatalogue()
{
    std::array<Style, Transition::StyleCount> styles {};
    int n = 0;
    auto add = [&](Family family, int a = 0, int b = 0, int c = 0) {
        if (n >= Transition::StyleCount)
            throw "more styles than the catalogue holds";
        styles[n++] = {family, a, b, c};
    };
    for (int direction = 0; direction < 8; ++direction) add(Family::Wipe, direction);
    for (int direction = 0; direction < 8; ++direction) add(Family::Slide, direction);
    for (int edge = 0; edge < 4; ++edge) add(Family::Squeeze, edge);
    for (int anchor = 0; anchor < 5; ++anchor) add(Family::Zoom, anchor);
    for (int vertical = 0; vertical < 2; ++vertical) add(Family::Stretch, vertical);
    for (int anchor = 0; anchor < 9; ++anchor) add(Family::CircleOut, anchor);
    add(Family::CircleIn);
    for (int inward = 0; inward < 2; ++inward) add(Family::Ellipse, inward);
    for (int inward = 0; inward < 2; ++inward) add(Family::Box, inward);
    for (int inward = 0; inward < 2; ++inward) add(Family::Diamond, inward);
    for (int vertical = 0; vertical < 2; ++vertical)
        for (int closing = 0; closing < 2; ++closing) add(Family::Split, vertical, closing);
    for (int closing = 0; closing < 2; ++closing) add(Family::Cross, closing);
    for (int corner = 0; corner < 4; ++corner) add(Family::Diagonal, corner);
    for (int mirrored = 0; mirrored < 2; ++mirrored)
        for (int bands : {6, 10, 16}) add(Family::DiagonalStripes, bands, mirrored);
    for (int quarter = 0; quarter < 4; ++quarter)
        for (int clockwise = 1; clockwise >= 0; --clockwise) add(Family::Clock, quarter, clockwise);
    for (int clockwise = 1; clockwise >= 0; --clockwise) add(Family::DoubleClock, clockwise);
    for (int edge = 0; edge < 4; ++edge) add(Family::Fan, edge);
    for (int vertical = 0; vertical < 2; ++vertical)
        for (int reverse = 0; reverse < 2; ++reverse)
            for (int bands : {4, 6, 8, 12, 16, 24}) add(Family::Blinds, bands, vertical, reverse);
    for (int vertical = 0; vertical < 2; ++vertical)
        for (int bands : {8, 16, 32}) add(Family::Comb, bands, vertical);
    for (int vertical = 0; vertical < 2; ++vertical)
        for (int cell : {16, 24, 32, 48}) add(Family::Checker, cell, vertical);
    for (int block : {4, 8, 12, 16, 24, 32, 48}) add(Family::Dissolve, block);
    for (int vertical = 0; vertical < 2; ++vertical)
        for (int thickness : {1, 2, 4}) add(Family::RandomBars, thickness, vertical);
    for (int cell : {20, 30, 40})
        for (int inward = 1; inward >= 0; --inward)
            for (int clockwise = 1; clockwise >= 0; --clockwise) add(Family::Spiral, cell, inward, clockwise);
    for (int vertical = 0; vertical < 2; ++vertical)
        for (int cell : {24, 40}) add(Family::Snake, cell, vertical);
    for (int shape = 0; shape < 3; ++shape)
        for (int columns : {8, 12, 16}) add(Family::CellGrow, columns, shape);
    add(Family::Fade);
    if (n != Transition::StyleCount)
        throw "fewer styles than the catalogue holds";
    return styles;
}

constexpr std::array<Style, Transition::StyleCount> catalogue = buildCatalogue();

const char* familyName(Family family)
{
    static constexpr const char* names[] = {
        "wipe", "slide", "squeeze", "zoom", "stretch", "circle out", "circle in", "ellipse", "box", "diamond",
        "split", "cross", "diagonal", "diagonal stripes", "clock", "double clock", "fan", "blinds", "comb",
        "checker", "dissolve", "random bars", "spiral", "snake", "cell grow", "fade",
    };
    return names[static_cast<int>(family)];
}

QRegion clipOf(const Style& st, QSize s, qreal p, uint32_t seed)
{
    using namespace shapes;
    using namespace cells;
    switch (st.family) {
    case Family::Wipe: return wipe(s, p, st.a);
    case Family::CircleOut: return circleOut(s, p, st.a);
    case Family::CircleIn: return circleIn(s, p);
    case Family::Ellipse: return ellipse(s, p, st.a);
    case Family::Box: return box(s, p, st.a);
    case Family::Diamond: return diamond(s, p, st.a);
    case Family::Split: return split(s, p, st.a, st.b);
    case Family::Cross: return cross(s, p, st.a);
    case Family::Diagonal: return diagonal(s, p, st.a);
    case Family::DiagonalStripes: return diagonalStripes(s, p, st.a, st.b);
    case Family::Clock: return clock(s, p, st.a, st.b);
    case Family::DoubleClock: return doubleClock(s, p, st.a);
    case Family::Fan: return fan(s, p, st.a);
    case Family::Blinds: return blinds(s, p, st.a, st.b, st.c);
    case Family::Comb: return comb(s, p, st.a, st.b);
    case Family::Checker: return checker(s, p, st.a, st.b);
    case Family::Dissolve: return dissolve(s, p, st.a, seed);
    case Family::RandomBars: return randomBars(s, p, st.a, st.b, seed);
    case Family::Spiral: return spiral(s, p, st.a, st.b, st.c);
    case Family::Snake: return snake(s, p, st.a, st.b);
    case Family::CellGrow: return cellGrow(s, p, st.a, st.b);
    default: return QRect(QPoint(0, 0), s);
    }
}

QRect targetOf(const Style& st, QSize s, qreal p)
{
    switch (st.family) {
    case Family::Slide: return shapes::slide(s, p, st.a);
    case Family::Squeeze: return shapes::squeeze(s, p, st.a);
    case Family::Zoom: return shapes::zoom(s, p, st.a);
    case Family::Stretch: return shapes::stretch(s, p, st.a);
    default: return QRect(QPoint(0, 0), s);
    }
}

}  // namespace

Transition::Transition(int style) : m_style(std::clamp(style, 1, StyleCount)) {}

QString Transition::name() const
{
    const Style& st = catalogue[m_style - 1];
    return QStringLiteral("%1 %2 %3 %4").arg(QString::fromLatin1(familyName(st.family))).arg(st.a).arg(st.b).arg(st.c);
}

TransitionFrame Transition::frame(QSize size, qreal progress) const
{
    const QRect whole(QPoint(0, 0), size);
    const qreal p = std::clamp(progress, 0.0, 1.0);
    // The end shows every pixel, whatever rounding a shape does on its way there.
    if (p >= 1)
        return {QRegion(whole), whole, 1.0};
    const Style& st = catalogue[m_style - 1];
    TransitionFrame frame;
    frame.clip = clipOf(st, size, p, static_cast<uint32_t>(m_style)) & whole;
    frame.target = targetOf(st, size, p);
    frame.opacity = st.family == Family::Fade ? p : 1.0;
    return frame;
}

}  // namespace lotavo::ui
