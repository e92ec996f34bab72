#include "present/CachedText.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>

namespace lotavo::ui {

namespace {

// One glyph drawn in one colour, and where its image lies against the pen position.
struct Glyph {
    QImage image;
    QPoint offset;
};

struct GlyphKey {
    QString family;
    QString style;
    qreal pixelSize;
    int weight;
    quint32 index;
    QRgb colour;
    bool operator==(const GlyphKey& other) const
    {
        return index == other.index && colour == other.colour && pixelSize == other.pixelSize && weight == other.weight &&
               family == other.family && style == other.style;
    }
};

size_t qHash(const GlyphKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.family, key.style, key.pixelSize, key.weight, key.index, key.colour);
}

class GlyphCache {
public:
    const Glyph& glyph(const QRawFont& font, quint32 index, QRgb colour)
    {
        GlyphKey key {font.familyName(), font.styleName(), font.pixelSize(), font.weight(), index, colour};
        auto found = m_glyphs.constFind(key);
        if (found != m_glyphs.constEnd())
            return *found;
        // A list's names use a few hundred characters; the bound keeps odd lists from growing it.
        if (m_bytes > kMaxBytes) {
            m_glyphs.clear();
            m_bytes = 0;
        }
        Glyph drawn = draw(font, index, QColor::fromRgba(colour));
        m_bytes += drawn.image.sizeInBytes();
        return *m_glyphs.insert(key, std::move(drawn));
    }

private:
    static constexpr qsizetype kMaxBytes = 64 * 1024 * 1024;

    static Glyph draw(const QRawFont& font, quint32 index, const QColor& colour)
    {
        QRectF bounds = font.boundingRect(index);
        if (bounds.isEmpty())
            return {};
        QPoint offset(int(std::floor(bounds.left())) - 1, int(std::floor(bounds.top())) - 1);
        QSize size(int(std::ceil(bounds.right())) - offset.x() + 1, int(std::ceil(bounds.bottom())) - offset.y() + 1);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes({index});
        run.setPositions({QPointF(-offset.x(), -offset.y())});
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setPen(colour);
        painter.drawGlyphRun(QPointF(0, 0), run);
        return {std::move(image), offset};
    }

    QHash<GlyphKey, Glyph> m_glyphs;
    qsizetype m_bytes = 0;
};

GlyphCache& glyphCache()
{
    static GlyphCache cache;
    return cache;
}

}  // namespace

void drawCachedText(QPainter& painter, const QRect& box, Qt::Alignment alignment, const QFont& font, const QString& text,
                    const QColor& colour)
{
    if (text.isEmpty())
        return;
    if (font.underline() || font.strikeOut() || font.overline()) {
        painter.save();
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(box, static_cast<int>(alignment) | Qt::TextSingleLine, text);
        painter.restore();
        return;
    }
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return;

    QFontMetrics metrics(font);
    qreal x = box.left();
    qreal width = line.naturalTextWidth();
    if (alignment & Qt::AlignHCenter)
        x += (box.width() - width) / 2;
    else if (alignment & Qt::AlignRight)
        x += box.width() - width;
    int top = box.top();
    if (alignment & Qt::AlignVCenter)
        top += (box.height() - metrics.height()) / 2;
    else if (alignment & Qt::AlignBottom)
        top += box.height() - metrics.height();
    // The glyph positions of the line count from its top; the baseline goes where a label puts it.
    QPointF origin(x, top + metrics.ascent() - line.ascent());

    // The alpha of the colour becomes the opacity of the copies, so shades of one colour share glyphs.
    QRgb opaque = colour.rgb();
    qreal opacity = painter.opacity();
    painter.setOpacity(opacity * colour.alphaF());
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const Glyph& glyph = glyphCache().glyph(raw, indexes[i], opaque);
            if (glyph.image.isNull())
                continue;
            QPointF pen = origin + positions[i];
            painter.drawImage(QPoint(int(std::lround(pen.x())) + glyph.offset.x(), int(std::lround(pen.y())) + glyph.offset.y()),
                              glyph.image);
        }
    }
    painter.setOpacity(opacity);
}

}  // namespace lotavo::ui
