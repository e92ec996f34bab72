#include "present/EffectFrames.h"

#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace lotavo::ui::effects {

namespace {

constexpr double kPi = std::numbers::pi;

double clamp01(double x) { return std::clamp(x, 0.0, 1.0); }
double easeOut(double x) { x = clamp01(x); return 1.0 - std::pow(1.0 - x, 3.0); }
double smoothstep(double a, double b, double x)
{
    double u = clamp01((x - a) / (b - a));
    return u * u * (3.0 - 2.0 * u);
}

// Where a progress ends on the exact window: every effect below draws it untouched at t = 1.
bool paintFinished(QPainter& painter, const QImage& content, double t)
{
    if (t < 1.0)
        return false;
    painter.drawImage(0, 0, content);
    return true;
}

void paintSpin(QPainter& painter, const QImage& content, double t)
{
    double e = easeOut(t);
    QPointF centre(content.width() / 2.0, content.height() / 2.0);
    painter.save();
    painter.setOpacity(clamp01(t * 3.0));
    painter.translate(centre);
    painter.rotate((1.0 - e) * 540.0);
    painter.scale(std::max(e, 0.001), std::max(e, 0.001));
    painter.translate(-centre);
    painter.drawImage(0, 0, content);
    // A thin gold rim marks the turning card while it is small.
    painter.setOpacity(1.0 - e);
    painter.setPen(QPen(QColor(255, 210, 90), 6.0 / std::max(e, 0.05)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(content.rect()));
    painter.restore();
}

// Tiles of the content, each travelling from `from` (centre, angle, scale) to its place.
struct TileMotion {
    QRect source;
    QPointF centre;
    double angle = 0;
    double scale = 1;
    double opacity = 1;
};

void paintTile(QPainter& painter, const QImage& content, const TileMotion& tile)
{
    if (tile.opacity <= 0.0 || tile.scale <= 0.0)
        return;
    painter.save();
    painter.setOpacity(tile.opacity);
    painter.translate(tile.centre);
    painter.rotate(tile.angle);
    painter.scale(tile.scale, tile.scale);
    QRectF target(-tile.source.width() / 2.0, -tile.source.height() / 2.0, tile.source.width(), tile.source.height());
    painter.drawImage(target, content, tile.source);
    painter.restore();
}

void paintVortex(QPainter& painter, const QImage& content, double t)
{
    const int columns = 10;
    const int rows = std::max(4, static_cast<int>(std::lround(columns * content.height() / double(content.width()))));
    const QPointF centre(content.width() / 2.0, content.height() / 2.0);
    const double farthest = std::hypot(centre.x(), centre.y());
    const double tileWidth = content.width() / double(columns);
    const double tileHeight = content.height() / double(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            QRect source(int(column * tileWidth), int(row * tileHeight),
                int((column + 1) * tileWidth) - int(column * tileWidth),
                int((row + 1) * tileHeight) - int(row * tileHeight));
            QPointF home = QRectF(source).center();
            QPointF offset = home - centre;
            double radius = std::hypot(offset.x(), offset.y());
            double angle = std::atan2(offset.y(), offset.x());
            // Inner tiles have the longest way in from the edge, so they set off first.
            double delay = 0.35 * radius / farthest;
            double u = clamp01((t - delay) / 0.65);
            double e = easeOut(u);
            double startRadius = farthest + std::hypot(tileWidth, tileHeight);
            double r = startRadius + (radius - startRadius) * e;
            double turn = angle + (1.0 - e) * 2.5 * kPi;
            TileMotion tile;
            tile.source = source;
            tile.centre = centre + QPointF(std::cos(turn), std::sin(turn)) * r;
            tile.angle = (1.0 - e) * 450.0;
            tile.scale = 0.35 + 0.65 * e;
            tile.opacity = clamp01(u * 4.0);
            paintTile(painter, content, tile);
        }
    }
}

void paintScatterGather(QPainter& painter, const QImage& content, double t, uint32_t seed)
{
    QRandomGenerator random(seed);
    const int columns = 20;
    const int rows = std::max(6, static_cast<int>(std::lround(columns * content.height() / double(content.width()))));
    const double tileWidth = content.width() / double(columns);
    const double tileHeight = content.height() / double(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            QRect source(int(column * tileWidth), int(row * tileHeight), int((column + 1) * tileWidth) - int(column * tileWidth),
                         int((row + 1) * tileHeight) - int(row * tileHeight));
            QPointF home = QRectF(source).center();
            QPointF start(content.width() * (random.generateDouble() * 1.4 - 0.2),
                          content.height() * (random.generateDouble() * 1.4 - 0.2));
            double spin = random.generateDouble() * 720.0 - 360.0;
            double delay = random.generateDouble() * 0.3;
            double u = clamp01((t - delay) / 0.7);
            double e = easeOut(u);
            TileMotion tile;
            tile.source = source;
            tile.centre = start + (home - start) * e;
            tile.angle = spin * (1.0 - e);
            tile.scale = 0.5 + 0.5 * e;
            tile.opacity = clamp01(u * 2.5);
            paintTile(painter, content, tile);
        }
    }
}

void paintSpike(QPainter& painter, const QImage& content, double t)
{
    const int spikes = 18;
    const QPointF centre(content.width() / 2.0, content.height() / 2.0);
    const double slice = kPi / spikes;
    // Long enough that the full fan covers the corners.
    const double reach = std::hypot(centre.x(), centre.y()) / std::cos(slice) + 4.0;
    const double grow = easeOut(clamp01(t / 0.45));
    // Slightly more than a full slice at the end, so neighbours overlap instead of leaving seams.
    const double widen = 0.05 + 0.98 * smoothstep(0.1, 1.0, t);
    const double twist = (1.0 - easeOut(t)) * 40.0 * kPi / 180.0;
    std::vector<QPolygonF> wedges;
    for (int k = 0; k < spikes; ++k) {
        double length = reach * grow * (k % 2 ? 0.6 + 0.4 * smoothstep(0.2, 0.8, t) : 1.0);
        double middle = k * 2.0 * slice + twist;
        QPolygonF wedge;
        wedge << centre << centre + QPointF(std::cos(middle - slice * widen), std::sin(middle - slice * widen)) * length
              << centre + QPointF(std::cos(middle + slice * widen), std::sin(middle + slice * widen)) * length;
        wedges.push_back(wedge);
    }
    // One polygon at a time with a texture brush: a clip path or a joined path costs many
    // times more on a full-screen window.
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(content));
    for (const QPolygonF& wedge : wedges)
        painter.drawPolygon(wedge);
    painter.setOpacity(1.0 - smoothstep(0.6, 1.0, t));
    painter.setPen(QPen(QColor(255, 215, 100), 3.0));
    for (const QPolygonF& wedge : wedges) {
        painter.drawLine(wedge[0], wedge[1]);
        painter.drawLine(wedge[0], wedge[2]);
        painter.drawLine(wedge[1], wedge[2]);
    }
    painter.restore();
}

void paintFireworks(QPainter& painter, const QImage& content, double t, uint32_t seed)
{
    painter.save();
    painter.setOpacity(smoothstep(0.3, 1.0, t));
    painter.drawImage(0, 0, content);
    painter.restore();

    QRandomGenerator random(seed);
    const double w = content.width();
    const double h = content.height();
    const int bursts = 9;
    const double life = 0.42;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int b = 0; b < bursts; ++b) {
        QPointF centre(w * (0.15 + 0.7 * random.generateDouble()), h * (0.15 + 0.45 * random.generateDouble()));
        double start = 0.02 + (1.0 - life - 0.04) * b / (bursts - 1);
        double size = std::min(w, h) * (0.2 + 0.12 * random.generateDouble());
        QColor colour = QColor::fromHsvF(static_cast<float>(random.generateDouble()), 0.7f, 1.0f);
        int sparks = 60;
        double age = (t - start) / life;
        // The rocket climbs from the bottom during the moment before its burst.
        double climb = (t - (start - 0.08)) / 0.08;
        if (climb > 0.0 && climb < 1.0) {
            QPointF base(centre.x(), h);
            QPointF head = base + (centre - base) * easeOut(climb);
            painter.setPen(QPen(QColor(255, 230, 160, 200), 3.0, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(head, head + QPointF(0, h * 0.06));
        }
        if (age > 0.0 && age < 0.25) {
            QRadialGradient flash(centre, size * 0.5);
            flash.setColorAt(0, QColor(255, 255, 230, int(200 * (1.0 - age / 0.25))));
            flash.setColorAt(1, QColor(255, 255, 230, 0));
            painter.setPen(Qt::NoPen);
            painter.setBrush(flash);
            painter.drawEllipse(centre, size * 0.5, size * 0.5);
        }
        for (int s = 0; s < sparks; ++s) {
            double direction = 2.0 * kPi * (s + random.generateDouble() * 0.6) / sparks;
            double speed = 0.6 + 0.4 * random.generateDouble();
            if (age <= 0.0 || age >= 1.0)
                continue;
            auto at = [&](double a) {
                double out = easeOut(a) * size * speed;
                return centre + QPointF(std::cos(direction) * out, std::sin(direction) * out + 0.25 * size * a * a);
            };
            QColor spark = colour;
            spark.setAlphaF(static_cast<float>(std::pow(1.0 - age, 1.3)));
            painter.setPen(QPen(spark, 3.0, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(at(std::max(0.0, age - 0.15)), at(age));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 255, 255, spark.alpha()));
            painter.drawEllipse(at(age), 2.5, 2.5);
        }
    }
    painter.restore();
}

}  // namespace

std::optional<Kind> kindNamed(std::string_view name, bool& random)
{
    random = false;
    if (name == "etRandom") {
        random = true;
        return std::nullopt;
    }
    if (name == "etSpin")
        return Kind::Spin;
    if (name == "etVortex")
        return Kind::Vortex;
    if (name == "etScatterGather")
        return Kind::ScatterGather;
    if (name == "etSpike")
        return Kind::Spike;
    if (name == "etFireworks")
        return Kind::Fireworks;
    return std::nullopt;
}

void paintFrame(QPainter& painter, Kind kind, const QImage& content, double t, uint32_t seed)
{
    if (content.isNull() || t <= 0.0)
        return;
    if (paintFinished(painter, content, t))
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    switch (kind) {
    case Kind::Spin: paintSpin(painter, content, t); break;
    case Kind::Vortex: paintVortex(painter, content, t); break;
    case Kind::ScatterGather: paintScatterGather(painter, content, t, seed); break;
    case Kind::Spike: paintSpike(painter, content, t); break;
    case Kind::Fireworks: paintFireworks(painter, content, t, seed); break;
    }
}

}  // namespace lotavo::ui::effects
