#include "Common.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace makedata {

namespace {

// Red card with a gold double frame: the background of the small message windows.
QImage paintCard(int w, int h, uint32_t seed)
{
    Rng rng(seed);
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(w / 2.0, h * 0.4), 0.7 * std::hypot(double(w), double(h)));
    g.setColorAt(0.0, QColor(200, 24, 28));
    g.setColorAt(1.0, QColor(96, 0, 6));
    p.fillRect(img.rect(), g);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 22; ++i) {
        QPointF c(rng.range(0, w), rng.range(0, h));
        double r = rng.range(3, 14);
        QRadialGradient b(c, r);
        b.setColorAt(0.0, QColor(255, 200, 90, 20));
        b.setColorAt(0.85, QColor(255, 200, 90, 45));
        b.setColorAt(1.0, QColor(255, 200, 90, 0));
        p.setBrush(b);
        p.drawEllipse(c, r, r);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 204, 70), 3));
    p.drawRect(QRectF(3.5, 3.5, w - 7, h - 7));
    p.setPen(QPen(QColor(255, 204, 70, 140), 1));
    p.drawRect(QRectF(9.5, 9.5, w - 19, h - 19));
    // corner ornaments
    for (QPointF c : {QPointF(9.5, 9.5), QPointF(w - 9.5, 9.5), QPointF(9.5, h - 9.5), QPointF(w - 9.5, h - 9.5)}) {
        QPainterPath d;
        d.moveTo(c + QPointF(0, -6));
        d.lineTo(c + QPointF(6, 0));
        d.lineTo(c + QPointF(0, 6));
        d.lineTo(c + QPointF(-6, 0));
        d.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 204, 70));
        p.drawPath(d);
    }
    p.end();
    return img;
}

// A rounded gold button on white (white is the transparent colour of the button pictures).
// The edge is drawn without smoothing so that no light fringe mixes with the white.
QImage paintButton(bool pressed)
{
    const int w = 200, h = 65;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(2, 2, w - 5, h - 5), 14, 14);
    QImage face(w, h, QImage::Format_RGB32);
    {
        QPainter f(&face);
        f.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(QPointF(0, 0), QPointF(0, h));
        if (pressed) {
            g.setColorAt(0.0, QColor(196, 130, 20));
            g.setColorAt(0.5, QColor(226, 164, 40));
            g.setColorAt(1.0, QColor(246, 200, 90));
        } else {
            g.setColorAt(0.0, QColor(255, 240, 170));
            g.setColorAt(0.45, QColor(255, 208, 70));
            g.setColorAt(1.0, QColor(214, 140, 20));
        }
        f.fillRect(face.rect(), g);
        // gloss on the upper half
        if (!pressed) {
            QLinearGradient gloss(QPointF(0, 4), QPointF(0, h / 2.0));
            gloss.setColorAt(0.0, QColor(255, 255, 255, 120));
            gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
            f.setPen(Qt::NoPen);
            f.setBrush(gloss);
            f.drawRoundedRect(QRectF(10, 5, w - 21, h / 2.0 - 4), 10, 10);
        }
        f.setBrush(Qt::NoBrush);
        f.setPen(QPen(pressed ? QColor(120, 60, 0) : QColor(150, 80, 0), 2));
        f.drawRoundedRect(QRectF(3, 3, w - 7, h - 7), 13, 13);
        f.setPen(QPen(QColor(255, 250, 220, pressed ? 60 : 150), 1));
        f.drawRoundedRect(QRectF(6.5, 6.5, w - 14, h - 14), 10, 10);
    }
    p.setClipPath(shape);
    p.drawImage(0, 0, face);
    p.end();
    // no pure white may remain inside the face
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            if (line[x] == qRgb(255, 255, 255) && shape.contains(QPointF(x + 0.5, y + 0.5)))
                line[x] = qRgb(254, 254, 250);
    }
    return img;
}

// Glyph of the prize-picture menu button: a small picture frame over a down arrow, on the
// grey of a button face (its lower left pixel is the transparent colour of button glyphs).
QImage paintMenuGlyph()
{
    const int w = 13, h = 21;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(240, 240, 240));
    QPainter p(&img);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(1, 2, 10, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 60));
    QPolygon hill;
    hill << QPoint(2, 10) << QPoint(5, 6) << QPoint(7, 8) << QPoint(8, 7) << QPoint(11, 10);
    p.drawPolygon(hill);
    p.setBrush(QColor(230, 60, 40));
    p.drawEllipse(QPoint(8, 4), 1, 1);
    p.setBrush(QColor(30, 30, 30));
    QPolygon arrow;
    arrow << QPoint(3, 14) << QPoint(10, 14) << QPoint(6, 18);
    p.drawPolygon(arrow);
    p.end();
    return img;
}

// Toggle cells of the per-level extras: a check box, ticked or empty, on white.
QImage paintToggle(bool set)
{
    const int s = 25;
    QImage img(s, s, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF box(4.5, 4.5, 16, 16);
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, set ? QColor(255, 246, 214) : QColor(250, 250, 250));
    g.setColorAt(1.0, set ? QColor(255, 220, 140) : QColor(226, 226, 226));
    p.setBrush(g);
    p.setPen(QPen(set ? QColor(180, 40, 20) : QColor(140, 140, 140), 1.2));
    p.drawRoundedRect(box, 3, 3);
    if (set) {
        QPainterPath tick;
        tick.moveTo(7.5, 12.5);
        tick.lineTo(11, 16.5);
        tick.lineTo(18.5, 7.5);
        QPen pen(QColor(200, 20, 20), 2.6);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    p.end();
    return img;
}

// The list button: a sheet of paper with lines and a folded corner.
QImage paintFileIcon()
{
    const int s = 25;
    QImage img(s, s, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath sheet;
    sheet.moveTo(5.5, 2.5);
    sheet.lineTo(15.5, 2.5);
    sheet.lineTo(20.5, 7.5);
    sheet.lineTo(20.5, 22.5);
    sheet.lineTo(5.5, 22.5);
    sheet.closeSubpath();
    p.setBrush(QColor(255, 252, 238));
    p.setPen(QPen(QColor(110, 110, 110), 1));
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(15.5, 2.5);
    fold.lineTo(15.5, 7.5);
    fold.lineTo(20.5, 7.5);
    p.setBrush(QColor(225, 225, 215));
    p.drawPath(fold);
    p.setPen(QPen(QColor(200, 40, 30), 1));
    for (int y = 10; y <= 19; y += 3)
        p.drawLine(QPointF(8, y + 0.5), QPointF(y == 19 ? 14 : 18, y + 0.5));
    p.end();
    return img;
}

}  // namespace

void writeDialogPictures(const QString& bmpFolder)
{
    // end-of-level pop-up (467 x 234), tiled: one tile fills the window exactly
    saveBmp24(paintCard(467, 234, 0xB1u), bmpFolder + QStringLiteral("/Background1.bmp"));

    // press confirmation (476 x 221): the question is part of the picture; the two
    // buttons sit at (32, 80) and (256, 80), 200 x 65 each
    {
        QImage img = paintCard(476, 221, 0xB2u);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QFont f(QStringLiteral("Noto Sans CJK SC"));
        f.setPixelSize(28);
        f.setWeight(QFont::Bold);
        const QString q = QStringLiteral("本次抽取的中奖人有效吗？");
        QFontMetricsF fm(f);
        QPainterPath text;
        text.addText(QPointF((476 - fm.horizontalAdvance(q)) / 2, 56), f, q);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 0, 0, 150));
        p.drawPath(text.translated(2, 2));
        p.setBrush(QColor(255, 215, 0));
        p.drawPath(text);
        QFont small(QStringLiteral("Noto Sans CJK SC"));
        small.setPixelSize(14);
        p.setFont(small);
        p.setPen(QColor(255, 236, 180));
        const QString hint = QStringLiteral("确认后记入中奖名单，取消则本次不计");
        QFontMetricsF sm(small);
        p.drawText(QPointF((476 - sm.horizontalAdvance(hint)) / 2, 180), hint);
        p.end();
        saveBmp24(img, bmpFolder + QStringLiteral("/Background2.bmp"));
    }
    saveBmp24(paintButton(false), bmpFolder + QStringLiteral("/Up.bmp"));
    saveBmp24(paintButton(true), bmpFolder + QStringLiteral("/down.bmp"));
    saveBmp24(paintMenuGlyph(), bmpFolder + QStringLiteral("/menu.bmp"));
    saveBmp24(paintToggle(true), bmpFolder + QStringLiteral("/Se.bmp"));
    saveBmp24(paintToggle(false), bmpFolder + QStringLiteral("/Nose.bmp"));
    saveBmp24(paintFileIcon(), bmpFolder + QStringLiteral("/File.bmp"));
}

}  // namespace makedata
