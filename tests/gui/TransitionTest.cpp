// The catalogue of splash transitions: every style really moves from nothing to the whole
// picture, never takes back what it showed, and no two styles look alike.
#include "main/Transition.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QtTest>

using lotavo::ui::Transition;
using lotavo::ui::TransitionFrame;

namespace {

const QSize splashSize(482, 278);

// A picture in which every pixel differs from its neighbours, so a shifted or squeezed
// picture never matches a clipped one.
QImage patterned(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 100 + (x * 7 + y * 13) % 97 + 20));
    return image;
}

QImage render(const Transition& transition, const QImage& picture, qreal progress)
{
    QImage canvas(picture.size(), QImage::Format_RGB32);
    canvas.fill(Qt::black);
    const TransitionFrame frame = transition.frame(picture.size(), progress);
    QPainter painter(&canvas);
    painter.setClipRegion(frame.clip);
    painter.setOpacity(frame.opacity);
    painter.drawImage(frame.target, picture);
    return canvas;
}

// How much of the picture shows: 0 none, 1 all (a half-transparent pixel counts half).
qreal coverage(const Transition& transition, QSize size, qreal progress)
{
    QImage mask(size, QImage::Format_Grayscale8);
    mask.fill(0);
    const TransitionFrame frame = transition.frame(size, progress);
    QPainter painter(&mask);
    painter.setClipRegion(frame.clip);
    painter.setOpacity(frame.opacity);
    painter.fillRect(frame.target, Qt::white);
    painter.end();
    qint64 sum = 0;
    for (int y = 0; y < size.height(); ++y) {
        const uchar* line = mask.constScanLine(y);
        for (int x = 0; x < size.width(); ++x)
            sum += line[x];
    }
    return qreal(sum) / (255.0 * size.width() * size.height());
}

}  // namespace

class TransitionTest : public QObject {
    Q_OBJECT

private slots:
    void everyStyleGoesFromNothingToTheWholePicture()
    {
        for (int style = 1; style <= Transition::StyleCount; ++style) {
            const Transition transition(style);
            const QString name = transition.name();
            QVERIFY2(coverage(transition, splashSize, 0) == 0, qPrintable(name));
            QCOMPARE(coverage(transition, splashSize, 1), 1.0);
            const qreal middle = coverage(transition, splashSize, 0.5);
            QVERIFY2(middle > 0.02 && middle < 0.98, qPrintable(QStringLiteral("%1: %2").arg(name).arg(middle)));
        }
    }

    void noStyleTakesBackWhatItShowed()
    {
        // At the splash's own frame steps (9 of 256), with a little slack for rounding at edges.
        for (int style = 1; style <= Transition::StyleCount; ++style) {
            const Transition transition(style);
            qreal previous = 0;
            for (int level = 0; level <= 256; level += 9) {
                const qreal now = coverage(transition, splashSize, level / 256.0);
                QVERIFY2(now >= previous - 0.004,
                         qPrintable(QStringLiteral("%1 at %2: %3 < %4").arg(transition.name()).arg(level).arg(now).arg(previous)));
                previous = now;
            }
        }
    }

    void clippingStylesOnlyGrow()
    {
        // Where a style only cuts the picture (no moving or fading), every shown pixel stays.
        for (int style = 1; style <= Transition::StyleCount; ++style) {
            const Transition transition(style);
            TransitionFrame earlier = transition.frame(splashSize, 0.3);
            const TransitionFrame later = transition.frame(splashSize, 0.6);
            if (earlier.target != later.target || earlier.opacity != 1.0)
                continue;
            QVERIFY2(earlier.clip.subtracted(later.clip).isEmpty(), qPrintable(transition.name()));
        }
    }

    void allStylesLookDifferent()
    {
        const QImage picture = patterned(splashSize);
        QSet<QByteArray> seen;
        QSet<QString> names;
        for (int style = 1; style <= Transition::StyleCount; ++style) {
            const Transition transition(style);
            // Two styles may meet at one moment (a spiral between its rings); not at all three.
            QCryptographicHash hasher(QCryptographicHash::Sha1);
            for (qreal progress : {0.17, 0.3, 0.55}) {
                const QImage frame = render(transition, picture, progress);
                hasher.addData(QByteArrayView(frame.constBits(), frame.sizeInBytes()));
            }
            const QByteArray hash = hasher.result();
            QVERIFY2(!seen.contains(hash), qPrintable(transition.name()));
            seen.insert(hash);
            names.insert(transition.name());
        }
        QCOMPARE(names.size(), Transition::StyleCount);
    }

    void styleOutsideTheCatalogueTakesTheNearest()
    {
        QCOMPARE(Transition(0).style(), 1);
        QCOMPARE(Transition(-7).style(), 1);
        QCOMPARE(Transition(151).style(), 150);
        QCOMPARE(Transition(150).style(), 150);
    }

    void dissolveRepeatsForTheSameStyle()
    {
        for (int style = 1; style <= Transition::StyleCount; ++style) {
            if (!Transition(style).name().startsWith(QStringLiteral("dissolve")))
                continue;
            QCOMPARE(Transition(style).frame(splashSize, 0.4).clip, Transition(style).frame(splashSize, 0.4).clip);
        }
    }

    void otherSizesWork()
    {
        // Tiny and odd sizes: no crash, still complete at the end.
        for (QSize size : {QSize(1, 1), QSize(7, 3), QSize(100, 400)}) {
            for (int style = 1; style <= Transition::StyleCount; ++style) {
                const Transition transition(style);
                transition.frame(size, 0.5);
                QCOMPARE(coverage(transition, size, 1), 1.0);
            }
        }
    }

    void framesAreQuickEnoughForTheSplash()
    {
        // A frame is due every 30 ms; computing one must fit in that (about 4 ms in a release
        // build, a few times more under the sanitizers).
        QElapsedTimer timer;
        for (int style = 1; style <= Transition::StyleCount; ++style) {
            const Transition transition(style);
            timer.start();
            for (int level = 0; level <= 256; level += 9)
                transition.frame(splashSize, level / 256.0);
            const qint64 perFrame = timer.elapsed() / 29;
            QVERIFY2(perFrame < 30, qPrintable(QStringLiteral("%1: %2 ms").arg(transition.name()).arg(perFrame)));
        }
    }
};

QTEST_MAIN(TransitionTest)
#include "TransitionTest.moc"
