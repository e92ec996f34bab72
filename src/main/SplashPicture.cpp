#include "main/SplashPicture.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace lotavo::ui {

namespace {

const QColor gold(246, 208, 110);
const QColor paleGold(255, 236, 170);

void drawSparkle(QPainter& painter, QPointF centre, qreal radius)
{
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const qreal r = i % 2 ? radius * 0.25 : radius;
        const qreal a = M_PI / 4 * i - M_PI / 2;
        const QPointF point(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        i ? star.lineTo(point) : star.moveTo(point);
    }
    star.closeSubpath();
    QRadialGradient glow(centre, radius * 1.6);
    glow.setColorAt(0, QColor(255, 230, 150, 120));
    glow.setColorAt(1, QColor(255, 230, 150, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius * 1.6, radius * 1.6);
    painter.setBrush(paleGold);
    painter.drawPath(star);
}

}  // namespace

QPixmap splashPicture(const QString& programFolder, QSize size)
{
    QPixmap picture(QDir(programFolder).filePath(QStringLiteral("Bmp/splash.png")));
    return picture.isNull() ? drawnSplashPicture(size) : picture;
}

QPixmap drawnSplashPicture(QSize size)
{
    QPixmap picture(size);
    const qreal w = size.width(), h = size.height();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QRadialGradient red(w / 2, h * 0.42, w * 0.7);
    red.setColorAt(0, QColor(200, 28, 32));
    red.setColorAt(0.6, QColor(150, 10, 18));
    red.setColorAt(1, QColor(92, 4, 10));
    painter.fillRect(picture.rect(), red);

    painter.setPen(QPen(gold, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(6, 6, w - 12, h - 12));
    painter.setPen(QPen(gold, 1));
    painter.drawRect(QRectF(11, 11, w - 22, h - 22));

    QFont title(QStringLiteral("Noto Serif CJK SC"));
    title.setStyleHint(QFont::Serif);
    title.setBold(true);
    title.setPixelSize(qRound(h * 0.2));
    painter.setFont(title);
    const QString name = QStringLiteral("Lotavo软件");
    const QRectF titleBox(0, h * 0.22, w, h * 0.32);
    painter.setPen(QColor(70, 0, 0, 160));
    painter.drawText(titleBox.translated(2, 3), Qt::AlignCenter, name);
    QLinearGradient shine(0, titleBox.top(), 0, titleBox.bottom());
    shine.setColorAt(0, paleGold);
    shine.setColorAt(0.55, gold);
    shine.setColorAt(1, QColor(196, 140, 40));
    painter.setPen(QPen(QBrush(shine), 1));
    painter.drawText(titleBox, Qt::AlignCenter, name);

    painter.setPen(QPen(gold, 1));
    painter.drawLine(QPointF(w * 0.22, h * 0.6), QPointF(w * 0.78, h * 0.6));

    const QPointF sparkles[] = {{0.12, 0.18}, {0.86, 0.2}, {0.2, 0.78}, {0.8, 0.72}, {0.5, 0.12}, {0.07, 0.5}, {0.93, 0.48}};
    const qreal sizes[] = {9, 11, 6, 8, 5, 4, 5};
    for (size_t i = 0; i < std::size(sparkles); ++i)
        drawSparkle(painter, QPointF(sparkles[i].x() * w, sparkles[i].y() * h), sizes[i]);
    return picture;
}

}  // namespace lotavo::ui
