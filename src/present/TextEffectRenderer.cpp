#include "present/TextEffectRenderer.h"

#include "present/TextEffectCache.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace lotavo::ui {

namespace {

constexpr int kMargin = 4;  // room for anti-aliasing at the edges of the text
// Fixed seeds: the same text and effect give the same picture on every redraw.
constexpr quint32 kNoiseSeed = 0x6E01u;
constexpr quint32 kSpraySeed = 0x5B7Au;

// Strengths 0..255 as pixel distances.
int blurRadius(int strength) { return strength / 8; }
int sprayRadius(int strength) { return strength / 12; }

struct TextBox {
    QPainterPath path;
    QRectF box;  // the text's own box inside the picture
};

TextBox textPath(const QString& text, const QFont& font, int pad)
{
    QFontMetrics metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    TextBox t;
    qreal y = pad + metrics.ascent();
    for (const QString& line : lines) {
        t.path.addText(pad, y, font, line);
        y += metrics.lineSpacing();
    }
    QSize size = metrics.size(0, text.isEmpty() ? QStringLiteral(" ") : text);
    t.box = QRectF(pad, pad, size.width(), size.height());
    return t;
}

QBrush gradientBrush(const TextEffect& e, const QRectF& r)
{
    QGradient* g = nullptr;
    QLinearGradient linear;
    QRadialGradient radial;
    switch (e.gradualStyle) {
    case 1: linear = QLinearGradient(r.topLeft(), r.topRight()); break;
    case 2: linear = QLinearGradient(r.topLeft(), r.bottomRight()); break;
    case 3: linear = QLinearGradient(r.bottomLeft(), r.topRight()); break;
    case 5: radial = QRadialGradient(r.center(), std::max(r.width(), r.height()) / 2); g = &radial; break;
    default: linear = QLinearGradient(r.topLeft(), r.bottomLeft()); break;
    }
    if (!g)
        g = &linear;
    if (e.gradualStyle == 4) {
        g->setColorAt(0, e.gradualEnd);
        g->setColorAt(0.5, e.gradualStart);
        g->setColorAt(1, e.gradualEnd);
    } else {
        g->setColorAt(0, e.gradualStart);
        g->setColorAt(1, e.gradualEnd);
    }
    return QBrush(*g);
}

// Paints the text's face: its fill (colour, gradient or texture) or, for an outline, its edge.
void paintFace(QPainter& p, const TextBox& t, const QColor& colour, const TextEffect& e, const QImage& texture,
               qreal outlineWidth)
{
    auto paintWith = [&](const QBrush& brush) {
        if (e.outline)
            p.strokePath(t.path, QPen(brush, outlineWidth));
        else
            p.fillPath(t.path, brush);
    };
    if (!(e.texture && !texture.isNull())) {
        paintWith(e.gradual ? gradientBrush(e, t.box) : QBrush(colour));
        return;
    }
    const QSize box = t.box.size().toSize().expandedTo(QSize(1, 1));
    QImage tile = texture;
    switch (e.textureMode) {
    case 1: tile = texture.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation); break;
    case 3: tile = texture.scaledToHeight(std::max(1, QFontMetrics(p.font()).height()), Qt::SmoothTransformation); break;
    default: break;
    }
    if (e.textureMode == 2) {
        // once, in the middle of the text; the text colour around it
        paintWith(QBrush(colour));
        p.save();
        p.setClipPath(e.outline ? QPainterPathStroker(QPen(Qt::black, outlineWidth)).createStroke(t.path) : t.path);
        p.drawImage(QPointF(t.box.center().x() - texture.width() / 2.0, t.box.center().y() - texture.height() / 2.0),
                    texture);
        p.restore();
        return;
    }
    QBrush brush(tile);
    brush.setTransform(QTransform::fromTranslate(t.box.left(), t.box.top()));
    paintWith(brush);
}

// A small fast generator: two numbers per pixel of a 4K title add up.
class Scatter {
public:
    explicit Scatter(uint32_t seed) : m_state(seed) {}
    // Uniform in [-range, range].
    int within(int range)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return int(m_state % uint32_t(2 * range + 1)) - range;
    }

private:
    uint32_t m_state;
};

uint8_t clampByte(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

// Brightness changes pixel by pixel, up to the strength either way.
void addNoise(QImage& img, int strength)
{
    Scatter random(kNoiseSeed);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            QRgb px = line[x];
            int a = qAlpha(px);
            if (a == 0)
                continue;
            int d = random.within(strength);
            d = d * a / 255;  // premultiplied: a colour never exceeds its alpha
            line[x] = qRgba(std::min<int>(clampByte(qRed(px) + d), a), std::min<int>(clampByte(qGreen(px) + d), a),
                            std::min<int>(clampByte(qBlue(px) + d), a), a);
        }
    }
}

// Every pixel taken from a random place nearby: the text looks sprayed on.
void spray(QImage& img, int radius)
{
    const QImage source = img.copy();
    Scatter random(kSpraySeed);
    const int w = img.width(), h = img.height();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int sx = std::clamp(x + random.within(radius), 0, w - 1);
            int sy = std::clamp(y + random.within(radius), 0, h - 1);
            line[x] = reinterpret_cast<const QRgb*>(source.constScanLine(sy))[sx];
        }
    }
}

// 1 / (box width) in 16-bit fixed point; a sum times it, shifted, is the box's mean without a
// division per channel and pixel (exact enough for boxes narrower than 256 pixels).
uint32_t boxMean(int radius)
{
    return (1u << 16) / uint32_t(2 * radius + 1) + 1;
}

// One box pass along a row of premultiplied pixels.
void rowPass(QRgb* row, int count, int radius, std::vector<QRgb>& scratch)
{
    scratch.assign(row, row + count);
    uint32_t sum[4] = {0, 0, 0, 0};
    auto add = [&](int i, int sign) {
        if (i < 0 || i >= count)
            return;
        QRgb px = scratch[size_t(i)];
        sum[0] += sign * qAlpha(px);
        sum[1] += sign * qRed(px);
        sum[2] += sign * qGreen(px);
        sum[3] += sign * qBlue(px);
    };
    const uint32_t mean = boxMean(radius);
    for (int i = -radius; i < radius; ++i)
        add(i, 1);
    for (int i = 0; i < count; ++i) {
        add(i + radius, 1);
        row[i] = qRgba(int((sum[1] * mean) >> 16), int((sum[2] * mean) >> 16), int((sum[3] * mean) >> 16),
                       int((sum[0] * mean) >> 16));
        add(i - radius, -1);
    }
}

// One box pass down the columns, row by row with a running sum per column, so that the
// pass reads the picture in memory order.
void columnPass(QImage& img, int radius, QImage& scratch)
{
    scratch = img.copy();
    const int w = img.width(), h = img.height();
    std::vector<int> sum(size_t(w) * 4, 0);
    auto add = [&](int y, int sign) {
        if (y < 0 || y >= h)
            return;
        const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            int* s = &sum[size_t(x) * 4];
            s[0] += sign * qAlpha(line[x]);
            s[1] += sign * qRed(line[x]);
            s[2] += sign * qGreen(line[x]);
            s[3] += sign * qBlue(line[x]);
        }
    };
    const uint32_t mean = boxMean(radius);
    for (int y = -radius; y < radius; ++y)
        add(y, 1);
    for (int y = 0; y < h; ++y) {
        add(y + radius, 1);
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int* s = &sum[size_t(x) * 4];
            out[x] = qRgba(int((uint32_t(s[1]) * mean) >> 16), int((uint32_t(s[2]) * mean) >> 16),
                           int((uint32_t(s[3]) * mean) >> 16), int((uint32_t(s[0]) * mean) >> 16));
        }
        add(y - radius, -1);
    }
}

// Three box passes each way, close to a Gaussian blur spreading about `radius` pixels. A wide
// blur is done on a smaller copy: it has no fine detail left to lose, and costs a fraction.
void blur(QImage& img, int radius)
{
    const int shrink = std::max(1, radius / 6);
    if (shrink > 1 && img.width() >= 2 * shrink && img.height() >= 2 * shrink) {
        const QSize full = img.size();
        QImage small = img.scaled(full / shrink, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        blur(small, radius / shrink);
        img = small.scaled(full, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return;
    }
    const int box = std::max(1, (radius + 2) / 3);
    std::vector<QRgb> scratch;
    QImage columns;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < img.height(); ++y)
            rowPass(reinterpret_cast<QRgb*>(img.scanLine(y)), img.width(), box, scratch);
        columnPass(img, box, columns);
    }
}

QImage coloured(const QImage& mask, const QColor& colour)
{
    QImage out = mask;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(out.rect(), colour);
    return out;
}

// Positive angles turn the text counter-clockwise, as on paper.
QTransform turnOf(int degrees)
{
    QTransform turn;
    turn.rotate(-degrees);
    return turn;
}

QSize turnedSize(const QSize& size, int degrees)
{
    return turnOf(degrees).mapRect(QRectF(QPointF(0, 0), QSizeF(size))).size().toSize() + QSize(2, 2);
}

QImage rotated(const QImage& img, int degrees)
{
    const QTransform turn = turnOf(degrees);
    QImage out(turnedSize(img.size(), degrees), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(out.width() / 2.0, out.height() / 2.0);
    p.setTransform(turn, true);
    p.drawImage(QPointF(-img.width() / 2.0, -img.height() / 2.0), img);
    return out;
}

// Where everything lies in the picture, in logical pixels before any turn.
struct Geometry {
    qreal outlineWidth;
    int blurR, sprayR, shadowBlurR;
    int pad;              // room around the text's box for what the effect spreads
    QSize face;           // the text's box with the room around it
    int shadowX, shadowY;  // the shadow's offset, 0 without a shadow
    QSize composed;       // face and shadow together
};

Geometry geometryOf(const QString& text, const QFont& font, const TextEffect& e)
{
    Geometry g;
    g.outlineWidth = std::max(1.5, QFontInfo(font).pixelSize() / 32.0);
    g.blurR = blurRadius(e.blur);
    g.sprayR = sprayRadius(e.spray);
    g.shadowBlurR = e.shadow ? blurRadius(e.shadowBlur) : 0;
    g.pad = kMargin + g.blurR + g.sprayR + g.shadowBlurR + (e.outline ? int(std::ceil(g.outlineWidth)) : 0);
    QSize box = QFontMetrics(font).size(0, text.isEmpty() ? QStringLiteral(" ") : text);
    g.face = box + QSize(2 * g.pad, 2 * g.pad);
    g.shadowX = e.shadow ? e.shadowOffsetX : 0;
    g.shadowY = e.shadow ? e.shadowOffsetY : 0;
    g.composed = g.face + QSize(std::abs(g.shadowX), std::abs(g.shadowY));
    return g;
}

}  // namespace

QSize TextEffectRenderer::sizeOf(const QString& text, const QFont& font, const TextEffect& effect)
{
    const QSize composed = geometryOf(text, font, effect).composed;
    const int angle = effect.angle % 360;
    return angle ? turnedSize(composed, angle) : composed;
}

QImage TextEffectRenderer::render(const QString& text, const QFont& font, const QColor& colour, const TextEffect& e,
                                  const QImage& texture, qreal ratio)
{
    ratio = std::max<qreal>(ratio, 0.1);
    const Geometry g = geometryOf(text, font, e);
    const TextBox t = textPath(text, font, g.pad);
    const QSize device = (QSizeF(g.face) * ratio).toSize();

    QImage face(device, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    {
        QPainter p(&face);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.scale(ratio, ratio);
        paintFace(p, t, colour, e, texture, g.outlineWidth);
    }
    if (e.noise > 0)
        addNoise(face, e.noise);
    if (g.sprayR > 0)
        spray(face, int(g.sprayR * ratio));
    if (g.blurR > 0)
        blur(face, int(g.blurR * ratio));
    if (e.horzMirror || e.vertMirror)
        face = face.mirrored(e.horzMirror, e.vertMirror);

    const int ox = g.shadowX, oy = g.shadowY;
    const QPoint faceAt(int(std::max(0, -ox) * ratio), int(std::max(0, -oy) * ratio));
    QImage composed(device + (QSizeF(std::abs(ox), std::abs(oy)) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    composed.fill(Qt::transparent);
    {
        QPainter p(&composed);
        if (e.shadow) {
            QColor shade = e.shadowColour;
            shade.setAlpha(e.shadowAlpha);
            QImage shadow = coloured(face, shade);
            if (g.shadowBlurR > 0)
                blur(shadow, int(g.shadowBlurR * ratio));
            p.drawImage(faceAt + (QPointF(ox, oy) * ratio).toPoint(), shadow);
        }
        p.drawImage(faceAt, face);
    }

    QImage out(composed.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(e.background.isValid() ? e.background : QColor(Qt::transparent));
    {
        QPainter p(&out);
        p.setOpacity(e.alpha / 255.0);
        p.drawImage(0, 0, composed);
    }
    if (e.angle % 360 != 0)
        out = rotated(out, e.angle % 360);
    out.setDevicePixelRatio(ratio);
    return out;
}

QImage TextEffectRenderer::firstPicture(const QString& text, const QFont& font, const QColor& colour,
                                        const TextEffect& effect, qreal ratio)
{
    static const TextEffectCache disk;
    const QByteArray key = TextEffectCache::keyOf(text, font, colour, effect, programTextureFile(), ratio);
    QImage picture = disk.find(key);
    if (picture.isNull()) {
        picture = render(text, font, colour, effect, effect.texture ? programTexture() : QImage(), ratio);
        disk.store(key, picture);
    }
    return picture;
}

const QImage& TextEffectRenderer::image(const QString& text, const QFont& font, const QColor& colour,
                                        const TextEffect& effect, qreal ratio)
{
    if (m_image.isNull() || ratio != m_ratio || text != m_text || font != m_font || colour != m_colour ||
        !(effect == m_effect)) {
        m_text = text;
        m_font = font;
        m_colour = colour;
        m_effect = effect;
        m_ratio = ratio;
        // Only the first picture goes through the disk: that is the one a start waits for.
        // Texts that change during the draw (the counts after every press) would fill the
        // folder, push the titles out and put file writes on the press.
        if (m_renders == 0)
            m_image = firstPicture(text, font, colour, effect, ratio);
        else
            m_image = render(text, font, colour, effect, effect.texture ? programTexture() : QImage(), ratio);
        ++m_renders;
    }
    return m_image;
}

QString TextEffectRenderer::programTextureFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Texture/texture.jpg");
}

const QImage& TextEffectRenderer::programTexture()
{
    static const QImage texture = [] {
        QImage img(programTextureFile());
        return img.isNull() ? img : img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }();
    return texture;
}

}  // namespace lotavo::ui
