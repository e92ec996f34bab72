// The text-effect renderer, judged by the pixels it gives: each part of the effect changes the
// picture the way an operator would see it, and the picture is kept until something changes.
#include "present/SmoothLabel.h"
#include "present/TextEffectRenderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QtTest>

using namespace lotavo;
using ui::TextEffect;
using ui::TextEffectRenderer;

namespace {

const QColor kRed(255, 0, 0);

QFont bigFont(int pixels = 48)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

QImage draw(const TextEffect& e, const QString& text = QStringLiteral("Lotavo"), const QImage& texture = QImage(),
            int pixels = 48)
{
    return TextEffectRenderer::render(text, bigFont(pixels), kRed, e, texture);
}

QColor at(const QImage& img, int x, int y)
{
    return QColor::fromRgba(qUnpremultiply(img.pixel(x, y)));
}

// What a viewer sees of the picture: the pixels that are mostly covered.
struct Ink {
    int count = 0;
    int maxAlpha = 0;
    int partial = 0;  // neither empty nor covered: soft edges
    double cx = 0, cy = 0;
    QRect box;
    QSet<QRgb> colours;
};

Ink inkOf(const QImage& img, int threshold = 128)
{
    Ink ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            int a = qAlpha(img.pixel(x, y));
            ink.maxAlpha = std::max(ink.maxAlpha, a);
            if (a > 0 && a < 255)
                ++ink.partial;
            if (a <= threshold)
                continue;
            ++ink.count;
            ink.cx += x;
            ink.cy += y;
            ink.box |= QRect(x, y, 1, 1);
            ink.colours.insert(at(img, x, y).rgb());
        }
    if (ink.count) {
        ink.cx /= ink.count;
        ink.cy /= ink.count;
    }
    return ink;
}

// Changes between covered and empty along the rows: a clean text has few, a sprayed one many.
int edges(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 1; x < img.width(); ++x)
            n += (qAlpha(img.pixel(x, y)) > 128) != (qAlpha(img.pixel(x - 1, y)) > 128);
    return n;
}

// The mean colour of the covered pixels inside `band`.
QColor meanIn(const QImage& img, const QRect& band)
{
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            if (qAlpha(img.pixel(x, y)) <= 200)
                continue;
            QColor c = at(img, x, y);
            r += c.red();
            g += c.green();
            b += c.blue();
            ++n;
        }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

QImage checkerTexture()
{
    QImage t(8, 8, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            t.setPixel(x, y, ((x / 4 + y / 4) % 2) ? qRgb(0, 200, 0) : qRgb(0, 0, 220));
    return t;
}

bool hasRed(const Ink& ink)
{
    for (QRgb c : ink.colours)
        if (qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60)
            return true;
    return false;
}

int greenOrBlue(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 200) {
                QColor c = at(img, x, y);
                n += c.red() < 60 && (c.green() > 150 || c.blue() > 150);
            }
    return n;
}

// Where the green shadow's covered pixels lie on average, from the red text's.
QPointF shadowShift(const QImage& img)
{
    QPointF green, red;
    int g = 0, r = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(img.pixel(x, y)) < 250)
                continue;
            QColor c = at(img, x, y);
            if (c.green() > 200) {
                green += QPointF(x, y), ++g;
            } else if (c.red() > 200) {
                red += QPointF(x, y), ++r;
            }
        }
    if (!g || !r)
        return {};
    return green / g - red / r;
}

}  // namespace

class TextEffectRendererTest : public QObject {
    Q_OBJECT

private slots:
    void plainTextIsSolidInItsColour()
    {
        Ink ink = inkOf(draw({}));
        QVERIFY(ink.count > 500);
        QCOMPARE(ink.maxAlpha, 255);
        QVERIFY(hasRed(ink));
        QVERIFY(ink.box.width() > 2 * ink.box.height());  // a word, laid out left to right
    }

    void alphaMakesTheTextSeeThrough()
    {
        TextEffect e;
        e.alpha = 100;
        int max = inkOf(draw(e), 0).maxAlpha;
        QVERIFY2(std::abs(max - 100) <= 2, qPrintable(QString::number(max)));
        e.alpha = 0;
        QCOMPARE(inkOf(draw(e), 0).maxAlpha, 0);
    }

    void blurSoftensAndSpreadsTheText()
    {
        Ink plain = inkOf(draw({}));
        TextEffect e;
        e.blur = 128;
        QImage blurred = draw(e);
        Ink soft = inkOf(blurred);
        QVERIFY(soft.maxAlpha < 230);
        QVERIFY(soft.partial > 3 * plain.partial);
        QVERIFY(blurred.width() > draw({}).width());  // room for the spread, nothing cut off
        QCOMPARE(qAlpha(blurred.pixel(0, blurred.height() / 2)), 0);
    }

    void noiseVariesTheTextsColour()
    {
        Ink plain = inkOf(draw({}), 250);
        TextEffect e;
        e.noise = 120;
        Ink noisy = inkOf(draw(e), 250);
        QVERIFY(plain.colours.size() <= 2);
        QVERIFY(noisy.colours.size() > 40);
        // the same picture every time it is drawn
        QCOMPARE(draw(e), draw(e));
    }

    void sprayScattersTheEdges()
    {
        TextEffect e;
        e.spray = 120;
        QVERIFY(edges(draw(e)) > 3 * edges(draw({})));
    }

    void angleTurnsTheText()
    {
        TextEffect e;
        e.angle = 90;
        Ink up = inkOf(draw(e));
        QVERIFY(up.box.height() > 2 * up.box.width());
        e.angle = 45;
        Ink slanted = inkOf(draw(e));
        QVERIFY(slanted.box.height() > inkOf(draw({})).box.height() * 2);
        e.angle = 360;  // a whole turn is no turn
        QCOMPARE(draw(e), draw({}));
    }

    void outlineLeavesTheInsideEmpty()
    {
        TextEffect e;
        e.outline = true;
        Ink plain = inkOf(draw({}, QStringLiteral("HOME"), {}, 96));
        Ink hollow = inkOf(draw(e, QStringLiteral("HOME"), {}, 96));
        QVERIFY(hollow.count > 0);
        QVERIFY2(hollow.count < plain.count * 6 / 10, qPrintable(QStringLiteral("%1 %2").arg(hollow.count).arg(plain.count)));
    }

    void mirrorsFlipTheText()
    {
        // "L": its upright on the left, its foot at the bottom
        Ink plain = inkOf(draw({}, QStringLiteral("L")));
        QPointF middle = QRectF(plain.box).center();
        QVERIFY(plain.cx < middle.x() && plain.cy > middle.y());
        TextEffect e;
        e.horzMirror = true;
        Ink h = inkOf(draw(e, QStringLiteral("L")));
        QVERIFY(h.cx > QRectF(h.box).center().x() && h.cy > QRectF(h.box).center().y());
        e.horzMirror = false;
        e.vertMirror = true;
        Ink v = inkOf(draw(e, QStringLiteral("L")));
        QVERIFY(v.cx < QRectF(v.box).center().x() && v.cy < QRectF(v.box).center().y());
    }

    void shadowFallsAtItsOffsetInItsColour()
    {
        TextEffect e;
        e.shadow = true;
        e.shadowColour = QColor(0, 255, 0);
        e.shadowAlpha = 255;
        e.shadowOffsetX = 8;
        e.shadowOffsetY = 6;
        QImage img = draw(e);
        QCOMPARE(img.size(), draw({}).size() + QSize(8, 6));
        Ink all = inkOf(img);
        QVERIFY(greenOrBlue(img) > 100);
        QVERIFY(hasRed(all));
        // the shadow's pixels lie down and right of the text's
        QPointF shift = shadowShift(img);
        QVERIFY(shift.x() > 3 && shift.y() > 2);

        e.shadowOffsetX = -8;
        e.shadowOffsetY = -6;
        QImage up = draw(e);
        QCOMPARE(up.size(), img.size());
        shift = shadowShift(up);
        QVERIFY(shift.x() < -3 && shift.y() < -2);
        QCOMPARE(inkOf(up).count, inkOf(img).count);  // nothing cut off at the top or left
    }

    void shadowAlphaAndBlur()
    {
        TextEffect e;
        e.shadow = true;
        e.shadowOffsetX = 40;  // the shadow clear of the text
        e.shadowOffsetY = 0;
        e.shadowAlpha = 90;
        QImage faint = draw(e, QStringLiteral("I"));
        int shadowMax = 0;
        for (int y = 0; y < faint.height(); ++y)
            for (int x = faint.width() - 30; x < faint.width(); ++x)
                shadowMax = std::max(shadowMax, qAlpha(faint.pixel(x, y)));
        QVERIFY2(std::abs(shadowMax - 90) <= 2, qPrintable(QString::number(shadowMax)));

        e.shadowAlpha = 255;
        int sharp = inkOf(draw(e, QStringLiteral("I"))).partial;
        e.shadowBlur = 160;
        int soft = inkOf(draw(e, QStringLiteral("I"))).partial;
        QVERIFY(soft > 3 * sharp);
    }

    void gradientStylesRunTheirWays()
    {
        TextEffect e;
        e.gradual = true;
        e.gradualStart = QColor(255, 0, 0);
        e.gradualEnd = QColor(0, 0, 255);
        const QString text = QStringLiteral("HHHHHH");
        QList<QImage> styles;
        for (int style = 0; style <= 5; ++style) {
            e.gradualStyle = style;
            styles.append(draw(e, text));
        }
        for (int a = 0; a < 6; ++a)
            for (int b = a + 1; b < 6; ++b)
                QVERIFY2(styles[a] != styles[b], qPrintable(QStringLiteral("styles %1 and %2 look alike").arg(a).arg(b)));

        Ink ink = inkOf(styles[0]);
        const QRect box = ink.box;
        auto top = QRect(box.left(), box.top(), box.width(), box.height() / 5);
        auto bottom = QRect(box.left(), box.bottom() - box.height() / 5, box.width(), box.height() / 5);
        auto left = QRect(box.left(), box.top(), box.width() / 8, box.height());
        auto right = QRect(box.right() - box.width() / 8, box.top(), box.width() / 8, box.height());
        auto middle = QRect(box.left(), box.center().y() - 2, box.width(), 5);
        // 0: top to bottom
        QVERIFY(meanIn(styles[0], top).red() > meanIn(styles[0], bottom).red() + 60);
        // 1: left to right, the same at the top and the bottom
        QVERIFY(meanIn(styles[1], left).red() > meanIn(styles[1], right).red() + 100);
        QVERIFY(std::abs(meanIn(styles[1], top).red() - meanIn(styles[1], bottom).red()) < 30);
        // 4: the start colour along the middle, the end colour at the top and the bottom
        QVERIFY(meanIn(styles[4], middle).red() > meanIn(styles[4], top).red() + 60);
        QVERIFY(meanIn(styles[4], middle).red() > meanIn(styles[4], bottom).red() + 60);
        // 5: the start colour in the centre, the end colour towards the sides
        QVERIFY(meanIn(styles[5], middle.adjusted(box.width() / 3, 0, -box.width() / 3, 0)).red() >
                meanIn(styles[5], left).red() + 60);
    }

    void textureFillsTheTextInItsFourModes()
    {
        TextEffect e;
        e.texture = true;
        const QImage texture = checkerTexture();
        QList<QImage> modes;
        for (int mode = 0; mode <= 3; ++mode) {
            e.textureMode = mode;
            modes.append(draw(e, QStringLiteral("HOME"), texture, 64));
        }
        for (int a = 0; a < 4; ++a)
            for (int b = a + 1; b < 4; ++b)
                QVERIFY2(modes[a] != modes[b], qPrintable(QStringLiteral("modes %1 and %2 look alike").arg(a).arg(b)));
        // tiled and stretched: texture everywhere, no text colour
        QVERIFY(!hasRed(inkOf(modes[0], 250)) && greenOrBlue(modes[0]) > 500);
        QVERIFY(!hasRed(inkOf(modes[1], 250)) && greenOrBlue(modes[1]) > 500);
        // centred once: the small picture in the middle, the text colour around it
        QVERIFY(hasRed(inkOf(modes[2], 250)));
        QVERIFY(greenOrBlue(modes[2]) > 0 && greenOrBlue(modes[2]) <= 64);

        // without a picture the text keeps its colour
        e.textureMode = 0;
        QVERIFY(hasRed(inkOf(draw(e, QStringLiteral("HOME"), QImage(), 64), 250)));
    }

    void backgroundFillsTheLabel()
    {
        TextEffect e;
        e.background = QColor(0, 0, 80);
        QImage img = draw(e);
        QCOMPARE(at(img, 0, 0), QColor(0, 0, 80));
        QCOMPARE(at(img, img.width() - 1, img.height() - 1), QColor(0, 0, 80));
    }

    void pictureIsKeptUntilSomethingChanges()
    {
        TextEffectRenderer renderer;
        TextEffect e;
        e.blur = 40;
        const QImage& first = renderer.image(QStringLiteral("抽奖"), bigFont(), kRed, e);
        const qint64 key = first.cacheKey();
        for (int i = 0; i < 50; ++i)
            renderer.image(QStringLiteral("抽奖"), bigFont(), kRed, e);
        QCOMPARE(renderer.renders(), 1);
        QCOMPARE(renderer.image(QStringLiteral("抽奖"), bigFont(), kRed, e).cacheKey(), key);
        renderer.image(QStringLiteral("抽奖!"), bigFont(), kRed, e);
        renderer.image(QStringLiteral("抽奖!"), bigFont(40), kRed, e);
        renderer.image(QStringLiteral("抽奖!"), bigFont(40), Qt::blue, e);
        e.noise = 1;
        renderer.image(QStringLiteral("抽奖!"), bigFont(40), Qt::blue, e);
        renderer.image(QStringLiteral("抽奖!"), bigFont(40), Qt::blue, e, 2);
        QCOMPARE(renderer.renders(), 6);
    }

    // The label is measured without drawing; the drawn text must fit it exactly, or a turned
    // or shadowed title is cut off at its edge.
    void labelSizesItselfToTheDrawnText()
    {
        ui::SmoothLabel label;
        label.setFont(bigFont());
        label.setText(QStringLiteral("Lotavo\n抽奖"));
        const QSize plain = label.size();
        TextEffect e;
        e.angle = 90;
        label.setEffect(e);
        QVERIFY(label.height() > plain.height() && label.width() < plain.width());

        QList<TextEffect> effects;
        for (int angle : {0, 30, -135, 900}) {
            TextEffect f;
            f.angle = int16_t(angle);
            f.blur = 200;
            f.spray = 90;
            f.outline = angle == 30;
            f.shadow = angle != 0;
            f.shadowBlur = 255;
            f.shadowOffsetX = int8_t(-angle / 10);
            f.shadowOffsetY = 13;
            effects.append(f);
        }
        for (const TextEffect& f : effects) {
            label.setEffect(f);
            QImage drawn = TextEffectRenderer::render(label.text(), label.font(), kRed, f, QImage());
            QCOMPARE(label.size(), drawn.size());
        }
    }
};

QTEST_MAIN(TextEffectRendererTest)
#include "TextEffectRendererTest.moc"
