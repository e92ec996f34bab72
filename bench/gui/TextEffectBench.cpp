// Figures of the text-effect renderer: the time to draw a title anew with each kind of effect
// at the title sizes of the 1920x1080 and 3840x2160 layouts (what a change in the effect
// dialog or a settings reload costs; target: the sample follows a dragged slider at 20 frames
// a second), and the time a repaint pays once the picture is kept.
#include "BenchSupport.h"

#include "present/TextEffectRenderer.h"

#include <QGuiApplication>

#include <cstdio>

using namespace lotavo;
using ui::TextEffect;
using ui::TextEffectRenderer;

namespace {

QImage goldTexture()
{
    QImage t(256, 128, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < t.height(); ++y)
        for (int x = 0; x < t.width(); ++x)
            t.setPixel(x, y, qRgb(200 + (x + y) % 55, 160, 40));
    return t;
}

double renderMs(const QFont& font, const TextEffect& e, const QImage& texture)
{
    const QString title = QStringLiteral("某某公司新年联欢晚会");
    const int rounds = 5;
    bench::Stopwatch watch;
    for (int i = 0; i < rounds; ++i)
        TextEffectRenderer::render(title, font, QColor(255, 215, 0), e, texture);
    return watch.milliseconds() / rounds;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QImage texture = goldTexture();

    TextEffect shadow;
    shadow.shadow = true;
    shadow.shadowBlur = 24;
    TextEffect foil = shadow;
    foil.texture = true;
    foil.textureMode = 1;
    TextEffect gradient = shadow;
    gradient.gradual = true;
    gradient.gradualStyle = 5;
    TextEffect heaviest = foil;
    heaviest.blur = 255;
    heaviest.noise = 255;
    heaviest.spray = 255;
    heaviest.shadowBlur = 255;
    heaviest.angle = 30;
    const struct {
        const char* name;
        TextEffect effect;
    } effects[] = {{"plain", {}}, {"soft shadow", shadow}, {"foil texture + shadow", foil},
                   {"radial gradient + shadow", gradient}, {"every effect at full strength", heaviest}};

    for (int pixels : {56, 112}) {
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPixelSize(pixels);
        font.setBold(true);
        std::printf("title of %d px (%s)\n", pixels, pixels == 56 ? "1920x1080" : "3840x2160");
        for (const auto& e : effects)
            bench::report(std::string("  draw anew: ") + e.name, renderMs(font, e.effect, texture), "ms", 50);

        TextEffectRenderer kept;
        kept.image(QStringLiteral("某某公司新年联欢晚会"), font, QColor(255, 215, 0), heaviest);
        const int repaints = 10000;
        bench::Stopwatch watch;
        for (int i = 0; i < repaints; ++i)
            kept.image(QStringLiteral("某某公司新年联欢晚会"), font, QColor(255, 215, 0), heaviest);
        bench::report("  repaint with the picture kept", watch.milliseconds() * 1000 / repaints, "us", 20);
    }
    return 0;
}
