// The texture picture that fills text when its effect asks for a texture: gold foil with a
// diagonal sheen and fine sparkle, which reads as festive gold on the red backgrounds.

#include "Common.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace makedata {

QImage paintTexture(int w, int h, uint32_t seed)
{
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    // bands of light and deep gold across the diagonal, as light falls on crumpled foil
    QLinearGradient sheen(0, 0, w, h);
    const QColor deep(176, 112, 16), gold(236, 180, 40), light(255, 240, 170);
    const int bands = 4;
    for (int i = 0; i <= bands * 2; ++i)
        sheen.setColorAt(double(i) / (bands * 2), i % 2 ? light : (i % 4 ? gold : deep));
    p.fillRect(img.rect(), sheen);
    p.end();

    // grain and sparkle
    Rng rng(seed);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int d = rng.below(41) - 20;
            QRgb px = line[x];
            auto c = [d](int v) { return std::clamp(v + d, 0, 255); };
            line[x] = qRgb(c(qRed(px)), c(qGreen(px)), c(qBlue(px) / 2 + d / 2));
        }
    }
    QPainter s(&img);
    s.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < w * h / 400; ++i) {
        QPointF at(rng.range(0, w), rng.range(0, h));
        double r = rng.range(0.6, 1.8);
        s.setPen(Qt::NoPen);
        s.setBrush(QColor(255, 252, 225, 200));
        s.drawEllipse(at, r, r);
    }
    return img;
}

}  // namespace makedata
