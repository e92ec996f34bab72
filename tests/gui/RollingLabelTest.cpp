// Rolling labels (and winner labels) draw their text from cached glyphs: they must look like a
// plain label with the same text, font, colour and alignment, and follow changes of colour and
// font.
#include "present/FontNames.h"
#include "present/RollingLabel.h"

#include <QtTest>

using namespace lotavo::ui;

namespace {

const QColor kBack(120, 0, 10);

// The rectangle of the pixels that are not the background, and how many there are.
struct Ink {
    QRect box;
    int pixels = 0;
};

Ink inkOf(const QImage& image)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - kBack.red()) + std::abs(c.green() - kBack.green()) + std::abs(c.blue() - kBack.blue()) > 90) {
                ink.box |= QRect(x, y, 1, 1);
                ++ink.pixels;
            }
        }
    return ink;
}

void dress(QLabel& label, const QFont& font, const QColor& colour, Qt::Alignment alignment)
{
    label.setAutoFillBackground(true);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, kBack);
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
    label.setFont(font);
    label.setAlignment(alignment);
    label.resize(900, 140);
}

}  // namespace

class RollingLabelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void looksLikeAPlainLabel()
    {
        const QString text = QStringLiteral("1017 胡晓琳 人事部 Ag");
        for (Qt::Alignment alignment : {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignHCenter | Qt::AlignVCenter,
                                        Qt::AlignRight | Qt::AlignVCenter}) {
            // Small enough for the toolkit's own glyph cache, and larger than it.
            for (int points : {16, 60}) {
                QFont font = storedFont(QStringLiteral("黑体"), points, QStringLiteral("[fsBold]"));
                QLabel plain(text);
                RollingLabel rolling(nullptr);
                rolling.setText(text);
                dress(plain, font, QColor(255, 215, 0), alignment);
                dress(rolling, font, QColor(255, 215, 0), alignment);
                Ink expected = inkOf(plain.grab().toImage());
                Ink drawn = inkOf(rolling.grab().toImage());
                QVERIFY(expected.pixels > 100);
                const QString where = QStringLiteral("%1 pt, alignment %2").arg(points).arg(int(alignment));
                QVERIFY2(std::abs(drawn.box.left() - expected.box.left()) <= 2, qPrintable(where));
                QVERIFY2(std::abs(drawn.box.right() - expected.box.right()) <= 2, qPrintable(where));
                QVERIFY2(std::abs(drawn.box.top() - expected.box.top()) <= 2, qPrintable(where));
                QVERIFY2(std::abs(drawn.box.bottom() - expected.box.bottom()) <= 2, qPrintable(where));
                QVERIFY2(std::abs(drawn.pixels - expected.pixels) <= expected.pixels / 10, qPrintable(where));
            }
        }
    }

    void followsColourAndFont()
    {
        RollingLabel rolling(nullptr);
        rolling.setText(QStringLiteral("张三 1234"));
        dress(rolling, storedFont(QStringLiteral("黑体"), 40), QColor(255, 215, 0), Qt::AlignLeft | Qt::AlignVCenter);
        Ink gold = inkOf(rolling.grab().toImage());

        dress(rolling, storedFont(QStringLiteral("黑体"), 40), QColor(0, 255, 0), Qt::AlignLeft | Qt::AlignVCenter);
        QImage green = rolling.grab().toImage();
        int greenest = 0;
        for (int y = 0; y < green.height(); ++y)
            for (int x = 0; x < green.width(); ++x)
                greenest = std::max(greenest, green.pixelColor(x, y).green() - green.pixelColor(x, y).red());
        QVERIFY(greenest > 200);

        dress(rolling, storedFont(QStringLiteral("黑体"), 20), QColor(255, 215, 0), Qt::AlignLeft | Qt::AlignVCenter);
        Ink small = inkOf(rolling.grab().toImage());
        QVERIFY(small.box.width() < gold.box.width() * 2 / 3);

        // Glyphs alone carry no strike-out line (the confirmation mode of the pop-up uses it).
        QFont struck = storedFont(QStringLiteral("黑体"), 20);
        struck.setStrikeOut(true);
        dress(rolling, struck, QColor(255, 215, 0), Qt::AlignLeft | Qt::AlignVCenter);
        QVERIFY(inkOf(rolling.grab().toImage()).pixels > small.pixels + small.box.width() / 2);

        rolling.setText(QString());
        QCOMPARE(inkOf(rolling.grab().toImage()).pixels, 0);
    }
};

QTEST_MAIN(RollingLabelTest)
#include "RollingLabelTest.moc"
