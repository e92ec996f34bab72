// The sample pictures of the picture draw: a dozen drawn portraits (a head and shoulders on a
// plain background), one per made-up name, so a newcomer can try the picture draw at once.
#include "Common.h"

#include <QPainter>
#include <QPainterPath>

namespace makedata {

namespace {

struct Sitter {
    const char* name;
    const char* format;  // file extension: the roll reads every format the program accepts
};

const Sitter kSitters[] = {
    {"张伟", "jpg"}, {"王芳", "jpg"}, {"李娜", "jpg"}, {"刘洋", "jpg"}, {"陈静", "jpg"}, {"杨磊", "jpg"},
    {"赵敏", "jpg"}, {"黄强", "jpg"}, {"周婷", "jpg"}, {"吴昊", "png"}, {"徐丽", "bmp"}, {"孙杰", "jpg"},
};

QImage paintPortrait(Rng& rng, bool longHair)
{
    const int w = 300, h = 400;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QColor back = QColor::fromHsv(rng.below(360), 60 + rng.below(60), 200 + rng.below(40));
    QLinearGradient wall(0, 0, 0, h);
    wall.setColorAt(0, back.lighter(115));
    wall.setColorAt(1, back.darker(120));
    p.fillRect(image.rect(), wall);

    QColor skin = QColor::fromHsv(20 + rng.below(12), 70 + rng.below(50), 190 + rng.below(50));
    QColor hair = QColor::fromHsv(20 + rng.below(20), 80 + rng.below(100), 30 + rng.below(70));
    QColor coat = QColor::fromHsv(rng.below(360), 90 + rng.below(120), 70 + rng.below(110));
    const double cx = w / 2.0 + rng.range(-8, 8);
    const double headTop = 70 + rng.range(-6, 10);
    const double headW = 120 + rng.range(-10, 14), headH = 150 + rng.range(-8, 12);

    if (longHair) {
        p.setPen(Qt::NoPen);
        p.setBrush(hair);
        p.drawRoundedRect(QRectF(cx - headW * 0.66, headTop - 8, headW * 1.32, headH * 1.35), 60, 60);
    }
    QPainterPath shoulders;
    shoulders.moveTo(cx - 135, h);
    shoulders.cubicTo(cx - 130, 300, cx - 60, 280, cx, 282);
    shoulders.cubicTo(cx + 60, 280, cx + 130, 300, cx + 135, h);
    shoulders.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(coat);
    p.drawPath(shoulders);
    p.setBrush(skin.darker(108));
    p.drawRect(QRectF(cx - 22, headTop + headH - 20, 44, 50));
    p.setBrush(QColor(250, 250, 250));
    QPainterPath collar;
    collar.moveTo(cx - 30, 285);
    collar.lineTo(cx, 320);
    collar.lineTo(cx + 30, 285);
    collar.closeSubpath();
    p.drawPath(collar);

    p.setBrush(skin);
    p.drawEllipse(QRectF(cx - headW / 2, headTop, headW, headH));
    p.setBrush(hair);
    QPainterPath fringe;
    fringe.moveTo(cx - headW / 2 - 4, headTop + headH * 0.45);
    fringe.cubicTo(cx - headW / 2, headTop - 22, cx + headW / 2, headTop - 22, cx + headW / 2 + 4, headTop + headH * 0.45);
    fringe.cubicTo(cx + headW * 0.3, headTop + headH * 0.18, cx - headW * 0.1, headTop + headH * 0.3,
                   cx - headW / 2 - 4, headTop + headH * 0.45);
    p.drawPath(fringe);

    const double eyeY = headTop + headH * 0.52;
    p.setBrush(QColor(40, 30, 25));
    for (double side : {-1.0, 1.0})
        p.drawEllipse(QPointF(cx + side * headW * 0.2, eyeY), 6, 7);
    p.setPen(QPen(skin.darker(130), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - 22, eyeY + 28, 44, 22), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 120, 110, 70));
    for (double side : {-1.0, 1.0})
        p.drawEllipse(QPointF(cx + side * headW * 0.3, eyeY + 24), 13, 8);
    p.end();
    return image;
}

}  // namespace

void writePortraits(const QString& photoFolder)
{
    Rng rng(0xFACEu);
    int i = 0;
    for (const Sitter& s : kSitters) {
        QImage portrait = paintPortrait(rng, i++ % 2 == 1);
        QString path = photoFolder + QStringLiteral("/%1.%2").arg(QString::fromUtf8(s.name), QString::fromLatin1(s.format));
        QString format = QString::fromLatin1(s.format);
        if (format == QStringLiteral("png"))
            savePng(portrait, path);
        else if (format == QStringLiteral("bmp"))
            saveBmp24(portrait, path);
        else
            saveJpeg(portrait, path, 88);
    }
}

std::vector<std::string> portraitListLines()
{
    std::vector<std::string> lines;
    for (const Sitter& s : kSitters)
        lines.push_back(std::string("Photo\\") + s.name + "." + s.format);
    return lines;
}

}  // namespace makedata
