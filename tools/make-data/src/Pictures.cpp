#include "Common.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace makedata {

namespace {

constexpr double kPi = 3.14159265358979323846;

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(std::clamp(alpha, 0, 255));
    return c;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QRectF panelRect(const PanelRect& p, int w, int h)
{
    return QRectF(std::round(p.left * w), std::round(p.top * h), std::round((p.right - p.left) * w),
                  std::round((p.bottom - p.top) * h));
}

// The radial base colour and a soft dark vignette towards the corners.
void paintBase(QPainter& p, int w, int h, const Theme& t, QPointF centre)
{
    const double radius = 0.62 * std::hypot(double(w), double(h));
    QRadialGradient g(centre, radius);
    g.setColorAt(0.0, t.centre);
    g.setColorAt(0.45, mix(t.centre, t.edge, 0.45));
    g.setColorAt(1.0, t.edge);
    p.fillRect(QRectF(0, 0, w, h), g);
}

void paintVignette(QPainter& p, int w, int h, int strength)
{
    QRadialGradient v(QPointF(w / 2.0, h / 2.0), 0.72 * std::hypot(double(w), double(h)));
    v.setColorAt(0.0, QColor(0, 0, 0, 0));
    v.setColorAt(0.55, QColor(0, 0, 0, 0));
    v.setColorAt(1.0, QColor(0, 0, 0, strength));
    p.fillRect(QRectF(0, 0, w, h), v);
}

// Wedge-shaped light rays from `origin`, fading with distance.
void paintRays(QPainter& p, int w, int h, QPointF origin, const QColor& colour, int alpha, int count, double rotation)
{
    const double reach = 1.1 * std::hypot(double(w), double(h));
    QRadialGradient fade(origin, 0.75 * std::max(w, h));
    fade.setColorAt(0.0, withAlpha(colour, alpha));
    fade.setColorAt(0.35, withAlpha(colour, alpha * 2 / 3));
    fade.setColorAt(1.0, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    const double step = 2 * kPi / count;
    for (int i = 0; i < count; ++i) {
        double a0 = rotation + i * step, a1 = a0 + step * 0.45;
        QPainterPath wedge;
        wedge.moveTo(origin);
        wedge.lineTo(origin + QPointF(std::cos(a0), std::sin(a0)) * reach);
        wedge.lineTo(origin + QPointF(std::cos(a1), std::sin(a1)) * reach);
        wedge.closeSubpath();
        p.drawPath(wedge);
    }
}

// Out-of-focus light circles, kept out of the `avoid` rectangle.
void paintBokeh(QPainter& p, int w, int h, const Theme& t, Rng& rng, int count, double scale, const QRectF& avoid,
                int maxAlpha)
{
    p.setPen(Qt::NoPen);
    int placed = 0, tries = 0;
    while (placed < count && tries < count * 40) {
        ++tries;
        double r = rng.range(4.0, 30.0) * scale;
        QPointF c(rng.range(0, w), rng.range(0, h));
        if (avoid.adjusted(-r - 6 * scale, -r - 6 * scale, r + 6 * scale, r + 6 * scale).contains(c))
            continue;
        ++placed;
        QColor col = rng.below(3) == 0 ? t.glow2 : t.glow;
        int a = int(rng.range(0.25, 1.0) * maxAlpha);
        QRadialGradient g(c, r);
        g.setColorAt(0.0, withAlpha(col, a / 2));
        g.setColorAt(0.8, withAlpha(col, a));
        g.setColorAt(0.92, withAlpha(col, a * 3 / 4));
        g.setColorAt(1.0, withAlpha(col, 0));
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
}

// A four-pointed twinkle.
void paintTwinkle(QPainter& p, QPointF c, double size, const QColor& colour, int alpha)
{
    QRadialGradient glow(c, size * 0.6);
    glow.setColorAt(0.0, withAlpha(colour, alpha));
    glow.setColorAt(1.0, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, size * 0.6, size * 0.6);
    QPainterPath star;
    const double a = size, b = size * 0.12;
    star.moveTo(c + QPointF(0, -a));
    star.quadTo(c + QPointF(b, -b), c + QPointF(a, 0));
    star.quadTo(c + QPointF(b, b), c + QPointF(0, a));
    star.quadTo(c + QPointF(-b, b), c + QPointF(-a, 0));
    star.quadTo(c + QPointF(-b, -b), c + QPointF(0, -a));
    p.setBrush(withAlpha(colour, std::min(255, alpha + 60)));
    p.drawPath(star);
}

void paintTwinkles(QPainter& p, int w, int h, const Theme& t, Rng& rng, int count, double scale, const QRectF& avoid)
{
    int placed = 0, tries = 0;
    while (placed < count && tries < count * 40) {
        ++tries;
        QPointF c(rng.range(0, w), rng.range(0, h));
        double s = rng.range(4.0, 11.0) * scale;
        if (avoid.adjusted(-s, -s, s, s).contains(c))
            continue;
        ++placed;
        paintTwinkle(p, c, s, rng.below(2) ? t.glow : QColor(255, 255, 255), int(rng.range(70, 170)));
    }
}

// A firework burst: streaks from the centre with bright heads.
void paintFirework(QPainter& p, QPointF c, double radius, const QColor& colour, const QColor& tip, Rng& rng, int rays)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < rays; ++i) {
        double a = 2 * kPi * i / rays + rng.range(-0.04, 0.04);
        double r1 = radius * rng.range(0.82, 1.05);
        double r0 = radius * 0.18;
        QPointF from = c + QPointF(std::cos(a), std::sin(a)) * r0;
        QPointF to = c + QPointF(std::cos(a), std::sin(a)) * r1;
        // the streak droops a little, like falling sparks
        QPointF mid = (from + to) / 2 + QPointF(0, radius * 0.05);
        QLinearGradient g(from, to);
        g.setColorAt(0.0, withAlpha(colour, 0));
        g.setColorAt(0.7, withAlpha(colour, 120));
        g.setColorAt(1.0, withAlpha(tip, 230));
        QPen pen(QBrush(g), std::max(1.0, radius * 0.018));
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        QPainterPath path;
        path.moveTo(from);
        path.quadTo(mid, to);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        double dot = std::max(1.2, radius * 0.03);
        QRadialGradient head(to, dot * 2.2);
        head.setColorAt(0.0, withAlpha(QColor(255, 255, 230), 240));
        head.setColorAt(0.4, withAlpha(tip, 200));
        head.setColorAt(1.0, withAlpha(tip, 0));
        p.setBrush(head);
        p.drawEllipse(to, dot * 2.2, dot * 2.2);
        // a few trailing sparks
        for (int k = 1; k <= 2; ++k) {
            QPointF s = c + QPointF(std::cos(a), std::sin(a)) * (r1 * (1.0 - 0.16 * k)) + QPointF(0, radius * 0.03 * k);
            p.setBrush(withAlpha(tip, 150 - 50 * k));
            p.drawEllipse(s, dot * 0.6, dot * 0.6);
        }
    }
    QRadialGradient core(c, radius * 0.35);
    core.setColorAt(0.0, withAlpha(QColor(255, 250, 220), 150));
    core.setColorAt(1.0, withAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(core);
    p.drawEllipse(c, radius * 0.35, radius * 0.35);
}

// A hanging red palace lantern with gold caps and a tassel; `top` is where its string starts.
void paintLantern(QPainter& p, QPointF top, double stringLength, double size)
{
    const QColor gold(255, 200, 60);
    const double bw = size, bh = size * 0.82;
    QPointF c = top + QPointF(0, stringLength + bh / 2 + size * 0.12);
    p.setPen(QPen(withAlpha(gold, 220), std::max(1.0, size * 0.025)));
    p.drawLine(top, top + QPointF(0, stringLength));
    // glow behind the lantern
    QRadialGradient halo(c, bw * 1.2);
    halo.setColorAt(0.0, QColor(255, 120, 40, 90));
    halo.setColorAt(1.0, QColor(255, 80, 20, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(c, bw * 1.2, bw * 1.2);
    // top cap
    QRectF cap(c.x() - bw * 0.26, c.y() - bh / 2 - size * 0.12, bw * 0.52, size * 0.16);
    QLinearGradient capG(cap.topLeft(), cap.topRight());
    capG.setColorAt(0.0, QColor(170, 110, 20));
    capG.setColorAt(0.5, QColor(255, 220, 110));
    capG.setColorAt(1.0, QColor(170, 110, 20));
    p.setBrush(capG);
    p.drawRoundedRect(cap, size * 0.03, size * 0.03);
    // body
    QRectF body(c.x() - bw / 2, c.y() - bh / 2, bw, bh);
    QRadialGradient bodyG(c - QPointF(bw * 0.15, bh * 0.15), bw * 0.75);
    bodyG.setColorAt(0.0, QColor(255, 110, 60));
    bodyG.setColorAt(0.5, QColor(225, 30, 20));
    bodyG.setColorAt(1.0, QColor(130, 0, 0));
    p.setBrush(bodyG);
    p.drawEllipse(body);
    // ribs
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(gold, 150), std::max(0.8, size * 0.018)));
    for (double f : {0.28, 0.62}) {
        p.drawEllipse(QRectF(c.x() - bw * f / 2, body.top(), bw * f, bh));
    }
    p.drawLine(QPointF(c.x(), body.top()), QPointF(c.x(), body.bottom()));
    // bottom cap and tassel
    p.setPen(Qt::NoPen);
    QRectF cap2(c.x() - bw * 0.2, body.bottom() - size * 0.03, bw * 0.4, size * 0.13);
    p.setBrush(capG);
    p.drawRoundedRect(cap2, size * 0.03, size * 0.03);
    QRectF knot(c.x() - size * 0.05, cap2.bottom(), size * 0.1, size * 0.08);
    p.setBrush(gold);
    p.drawEllipse(knot);
    QLinearGradient tassel(QPointF(0, knot.bottom()), QPointF(0, knot.bottom() + size * 0.5));
    tassel.setColorAt(0.0, QColor(235, 40, 30));
    tassel.setColorAt(1.0, QColor(235, 40, 30, 0));
    p.setPen(QPen(QBrush(tassel), std::max(0.8, size * 0.015)));
    for (int i = -4; i <= 4; ++i) {
        double x = c.x() + i * size * 0.018;
        p.drawLine(QPointF(x, knot.bottom()), QPointF(x + i * size * 0.01, knot.bottom() + size * 0.5));
    }
}

// Soft white cloud from overlapping circles.
void paintCloud(QPainter& p, QPointF c, double size, int alpha, Rng& rng)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        QPointF o = c + QPointF(rng.range(-1.2, 1.2) * size, rng.range(-0.3, 0.25) * size);
        double r = size * rng.range(0.45, 0.8);
        QRadialGradient g(o, r);
        g.setColorAt(0.0, QColor(255, 255, 255, alpha));
        g.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(g);
        p.drawEllipse(o, r, r);
    }
}

// Diagonal beams of light from the top left corner.
void paintBeams(QPainter& p, int w, int h, const QColor& colour, Rng& rng, int count)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        double x0 = rng.range(-0.3, 0.9) * w;
        double width = rng.range(0.03, 0.12) * w;
        QPainterPath beam;
        beam.moveTo(x0, 0);
        beam.lineTo(x0 + width, 0);
        beam.lineTo(x0 + width + 0.9 * h, h);
        beam.lineTo(x0 + 0.7 * h, h);
        beam.closeSubpath();
        QLinearGradient g(QPointF(x0, 0), QPointF(x0 + 0.6 * h, h));
        g.setColorAt(0.0, withAlpha(colour, int(rng.range(22, 45))));
        g.setColorAt(1.0, withAlpha(colour, 0));
        p.setBrush(g);
        p.drawPath(beam);
    }
}

// Gently waving lines along the bottom edge.
void paintWaves(QPainter& p, int w, int h, const QColor& colour, double scale, double fromY)
{
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 4; ++k) {
        QPainterPath path;
        const double base = fromY + (h - fromY) * (0.25 + 0.2 * k);
        const double amp = (h - fromY) * 0.12;
        const double len = w / (1.6 + 0.3 * k);
        path.moveTo(0, base);
        for (int x = 0; x <= w; x += 4)
            path.lineTo(x, base + amp * std::sin(2 * kPi * x / len + k * 1.3));
        p.setPen(QPen(withAlpha(colour, 120 - 22 * k), std::max(1.0, (2.2 - 0.4 * k) * scale)));
        p.drawPath(path);
    }
}

void paintDiamond(QPainter& p, QPointF c, double r, const QColor& colour)
{
    QPainterPath d;
    d.moveTo(c + QPointF(0, -r));
    d.lineTo(c + QPointF(r, 0));
    d.lineTo(c + QPointF(0, r));
    d.lineTo(c + QPointF(-r, 0));
    d.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(d);
}

// The calm panel: shadow, flat fill in the theme's panel colour, double frame in gold.
void paintPanel(QPainter& p, const QRectF& r, const Theme& t, double scale)
{
    const double radius = 18 * scale;
    p.setPen(Qt::NoPen);
    for (int i = 8; i >= 1; --i) {
        double grow = i * 2.2 * scale;
        p.setBrush(QColor(0, 0, 0, 10));
        p.drawRoundedRect(r.adjusted(-grow, -grow + 3 * scale, grow, grow + 3 * scale), radius + grow, radius + grow);
    }
    // outer glow of the frame
    for (int i = 6; i >= 1; --i) {
        double grow = i * 1.6 * scale;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(t.line, 12), 2 * scale));
        p.drawRoundedRect(r.adjusted(-grow, -grow, grow, grow), radius + grow, radius + grow);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(t.panel);
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(t.line, std::max(1.5, 3.0 * scale)));
    p.drawRoundedRect(r, radius, radius);
    const double inset = 7 * scale;
    QRectF inner = r.adjusted(inset, inset, -inset, -inset);
    p.setPen(QPen(withAlpha(t.line, 150), std::max(1.0, 1.2 * scale)));
    p.drawRoundedRect(inner, radius - inset * 0.6, radius - inset * 0.6);
    const double d = 5 * scale;
    for (QPointF c : {QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()), QPointF(r.left(), r.center().y()),
                      QPointF(r.right(), r.center().y())}) {
        paintDiamond(p, c, d * 1.6, t.line);
        paintDiamond(p, c, d * 0.7, t.panel);
    }
}

double scaleOf(int w, int h) { return std::min(w / 1024.0, h / 768.0); }

}  // namespace

Theme theme(ThemeId id)
{
    switch (id) {
    case ThemeId::Red:
        return {id, QColor(205, 22, 28), QColor(92, 0, 6), QColor(118, 2, 12), QColor(255, 204, 70), QColor(255, 196, 80),
                QColor(255, 120, 60)};
    case ThemeId::DreamBlue:
        return {id, QColor(78, 52, 170), QColor(10, 8, 52), QColor(26, 18, 82), QColor(196, 206, 255), QColor(140, 200, 255),
                QColor(240, 140, 230)};
    case ThemeId::LightOrange:
        return {id, QColor(240, 134, 44), QColor(172, 66, 10), QColor(124, 40, 6), QColor(255, 238, 190), QColor(255, 244, 200),
                QColor(255, 200, 120)};
    case ThemeId::SkyBlue:
        return {id, QColor(110, 185, 240), QColor(24, 86, 168), QColor(12, 52, 124), QColor(240, 250, 255), QColor(255, 255, 255),
                QColor(190, 230, 255)};
    case ThemeId::LightGreen:
        return {id, QColor(52, 160, 88), QColor(6, 58, 30), QColor(6, 62, 32), QColor(224, 255, 200), QColor(235, 255, 170),
                QColor(160, 240, 140)};
    case ThemeId::PlainGreen:
        return {id, QColor(74, 150, 92), QColor(34, 104, 60), QColor(22, 82, 46), QColor(232, 246, 222), QColor(240, 255, 230),
                QColor(200, 240, 200)};
    }
    return theme(ThemeId::Red);
}

QImage paintMainBackground(int w, int h, ThemeId id, uint32_t seed)
{
    const Theme t = theme(id);
    const double s = scaleOf(w, h);
    Rng rng(seed);
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = panelRect(kMainPanel, w, h);

    paintBase(p, w, h, t, QPointF(0.5 * w, 0.42 * h));
    switch (id) {
    case ThemeId::Red:
    case ThemeId::LightOrange:
        paintRays(p, w, h, QPointF(0.5 * w, 0.16 * h), t.glow, id == ThemeId::Red ? 34 : 40, 28, 0.05);
        break;
    case ThemeId::DreamBlue:
        paintRays(p, w, h, QPointF(0.5 * w, 0.16 * h), t.glow, 22, 36, 0.0);
        break;
    case ThemeId::SkyBlue:
        paintRays(p, w, h, QPointF(0.5 * w, -0.1 * h), QColor(255, 255, 255), 30, 20, 0.1);
        for (int i = 0; i < 6; ++i)
            paintCloud(p, QPointF(rng.range(0.05, 0.95) * w, rng.range(0.04, 0.3) * h), rng.range(40, 80) * s, 55, rng);
        for (int i = 0; i < 4; ++i)
            paintCloud(p, QPointF(rng.range(0.05, 0.95) * w, rng.range(0.88, 0.98) * h), rng.range(40, 70) * s, 45, rng);
        break;
    case ThemeId::LightGreen:
        paintBeams(p, w, h, QColor(255, 255, 220), rng, 7);
        break;
    case ThemeId::PlainGreen:
        break;
    }
    paintVignette(p, w, h, id == ThemeId::PlainGreen ? 60 : 110);

    // decorations of the free areas around the panel
    if (id == ThemeId::PlainGreen) {
        paintBokeh(p, w, h, t, rng, 18, s, panel, 40);
        // plain ruled bands above and below
        p.setPen(QPen(withAlpha(t.line, 90), std::max(1.0, 1.2 * s)));
        for (double y : {0.025, 0.035, 0.965, 0.975})
            p.drawLine(QPointF(0.04 * w, y * h), QPointF(0.96 * w, y * h));
    } else {
        paintBokeh(p, w, h, t, rng, 70, s, panel, id == ThemeId::Red ? 70 : 60);
        paintTwinkles(p, w, h, t, rng, 18, s, panel.adjusted(-10 * s, -10 * s, 10 * s, 10 * s));
    }
    if (id == ThemeId::Red || id == ThemeId::DreamBlue || id == ThemeId::LightOrange) {
        const QColor streak = id == ThemeId::DreamBlue ? QColor(150, 210, 255) : QColor(255, 190, 70);
        const QColor tip = id == ThemeId::DreamBlue ? QColor(255, 170, 240) : QColor(255, 240, 160);
        paintFirework(p, QPointF(0.215 * w, 0.15 * h), 0.09 * h, streak, tip, rng, 30);
        paintFirework(p, QPointF(0.775 * w, 0.115 * h), 0.105 * h, tip, streak, rng, 34);
        paintFirework(p, QPointF(0.36 * w, 0.05 * h), 0.045 * h, streak, tip, rng, 20);
        paintFirework(p, QPointF(0.66 * w, 0.27 * h), 0.04 * h, tip, streak, rng, 18);
    }
    if (id == ThemeId::Red || id == ThemeId::LightOrange) {
        const double lantern = 0.07 * h;
        paintLantern(p, QPointF(0.055 * w, 0), 0.02 * h, lantern);
        paintLantern(p, QPointF(0.945 * w, 0), 0.02 * h, lantern);
        paintLantern(p, QPointF(0.115 * w, 0), 0.07 * h, lantern * 0.72);
        paintLantern(p, QPointF(0.885 * w, 0), 0.07 * h, lantern * 0.72);
    }
    paintWaves(p, w, h, t.line, s, 0.935 * h);
    paintPanel(p, panel, t, s);
    p.end();
    return img;
}

QImage paintPopupBackground(int w, int h, ThemeId id, uint32_t seed)
{
    const Theme t = theme(id);
    const double s = scaleOf(w, h);
    Rng rng(seed);
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = panelRect(kPopPanel, w, h);

    paintBase(p, w, h, t, QPointF(0.5 * w, 0.14 * h));
    paintRays(p, w, h, QPointF(0.5 * w, 0.13 * h), t.glow, 30, 32, 0.0);
    paintVignette(p, w, h, 90);
    paintBokeh(p, w, h, t, rng, 40, s, panel, 55);
    paintTwinkles(p, w, h, t, rng, 16, s, panel.adjusted(-10 * s, -10 * s, 10 * s, 10 * s));

    // ornament lines either side of the caption
    const double y = 0.145 * h;
    for (int side : {-1, 1}) {
        QLinearGradient g(QPointF(0.5 * w + side * 0.15 * w, y), QPointF(0.5 * w + side * 0.42 * w, y));
        g.setColorAt(0.0, withAlpha(t.line, 255));
        g.setColorAt(1.0, withAlpha(t.line, 0));
        p.setPen(QPen(QBrush(g), std::max(1.5, 2.5 * s)));
        p.drawLine(QPointF(0.5 * w + side * 0.15 * w, y), QPointF(0.5 * w + side * 0.42 * w, y));
        p.setPen(QPen(QBrush(g), std::max(1.0, 1.0 * s)));
        p.drawLine(QPointF(0.5 * w + side * 0.15 * w, y + 6 * s), QPointF(0.5 * w + side * 0.36 * w, y + 6 * s));
        paintDiamond(p, QPointF(0.5 * w + side * 0.145 * w, y + 3 * s), 7 * s, t.line);
    }
    paintPanel(p, panel, t, s);
    p.end();
    return img;
}

QImage paintSplash()
{
    const int w = 482, h = 278;
    const Theme t = theme(ThemeId::Red);
    Rng rng(0x51A5u);
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintBase(p, w, h, t, QPointF(0.5 * w, 0.4 * h));
    paintRays(p, w, h, QPointF(0.5 * w, 0.38 * h), t.glow, 40, 24, 0.1);
    paintVignette(p, w, h, 120);
    paintBokeh(p, w, h, t, rng, 26, 0.6, QRectF(60, 60, 360, 120), 70);
    paintFirework(p, QPointF(100, 62), 40, QColor(255, 190, 70), QColor(255, 240, 160), rng, 24);
    paintFirework(p, QPointF(386, 56), 36, QColor(255, 240, 160), QColor(255, 150, 90), rng, 22);

    // gold frame
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 204, 70), 3));
    p.drawRect(QRectF(4.5, 4.5, w - 9, h - 9));
    p.setPen(QPen(QColor(255, 204, 70, 150), 1));
    p.drawRect(QRectF(10.5, 10.5, w - 21, h - 21));

    paintLantern(p, QPointF(36, 11), 10, 30);
    paintLantern(p, QPointF(446, 11), 10, 30);

    // the program name, gold with a dark shadow
    QFont title(QStringLiteral("Noto Serif CJK SC"));
    title.setPixelSize(54);
    title.setWeight(QFont::Black);
    const QString name = QStringLiteral("Lotavo软件");
    QFontMetricsF fm(title);
    const double tw = fm.horizontalAdvance(name);
    const QPointF base((w - tw) / 2, 138);
    QPainterPath text;
    text.addText(base, title, name);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 0, 0, 160));
    p.drawPath(text.translated(3, 3));
    QLinearGradient gold(QPointF(0, base.y() - fm.ascent()), QPointF(0, base.y()));
    gold.setColorAt(0.0, QColor(255, 246, 190));
    gold.setColorAt(0.55, QColor(255, 208, 60));
    gold.setColorAt(1.0, QColor(220, 150, 20));
    p.setBrush(gold);
    p.drawPath(text);
    p.setPen(QPen(QColor(120, 50, 0, 180), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);

    // rule with a diamond, then the subtitle
    const double ry = 160;
    for (int side : {-1, 1}) {
        QLinearGradient g(QPointF(w / 2.0 + side * 14, ry), QPointF(w / 2.0 + side * 150, ry));
        g.setColorAt(0.0, QColor(255, 204, 70));
        g.setColorAt(1.0, QColor(255, 204, 70, 0));
        p.setPen(QPen(QBrush(g), 1.5));
        p.drawLine(QPointF(w / 2.0 + side * 14, ry), QPointF(w / 2.0 + side * 150, ry));
    }
    paintDiamond(p, QPointF(w / 2.0, ry), 5, QColor(255, 204, 70));
    QFont sub(QStringLiteral("Noto Sans CJK SC"));
    sub.setPixelSize(17);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    const QString subtitle = QStringLiteral("新年联欢 · 幸运抽奖");
    QFontMetricsF sm(sub);
    p.setPen(QColor(255, 236, 180));
    p.setFont(sub);
    p.drawText(QPointF((w - sm.horizontalAdvance(subtitle)) / 2, 192), subtitle);
    paintWaves(p, w, h, QColor(255, 204, 70), 0.7, 236);
    p.end();
    return img;
}

}  // namespace makedata
