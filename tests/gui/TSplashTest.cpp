// The splash window offscreen: its parts, placement, the style choice, the "/NS" rule and a
// played transition that ends on the whole picture.
#include "main/SplashPicture.h"
#include "main/TSplash.h"
#include "main/TransitionView.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using lotavo::ui::TSplash;
using lotavo::ui::TransitionView;

namespace {

// A picture whose quarters have different colours, so a view that shows it can be told.
QPixmap quarters()
{
    QPixmap picture(TSplash::ClientWidth, TSplash::ClientHeight);
    QPainter painter(&picture);
    const int w = picture.width() / 2, h = picture.height() / 2;
    painter.fillRect(0, 0, w, h, QColor(200, 0, 0));
    painter.fillRect(w, 0, w, h, QColor(0, 200, 0));
    painter.fillRect(0, h, w, h, QColor(0, 0, 200));
    painter.fillRect(w, h, w, h, QColor(200, 200, 0));
    return picture;
}

}  // namespace

class TSplashTest : public QObject {
    Q_OBJECT

private slots:
    void splashIsWantedUnlessTheFirstArgumentIsExactlyNS()
    {
        QVERIFY(lotavo::ui::splashWanted({QStringLiteral("lotavo")}));
        QVERIFY(!lotavo::ui::splashWanted({QStringLiteral("lotavo"), QStringLiteral("/NS")}));
        QVERIFY(!lotavo::ui::splashWanted({QStringLiteral("lotavo"), QStringLiteral("/NS"), QStringLiteral("x")}));
        QVERIFY(lotavo::ui::splashWanted({QStringLiteral("lotavo"), QStringLiteral("/ns")}));
        QVERIFY(lotavo::ui::splashWanted({QStringLiteral("lotavo"), QStringLiteral("/Ns")}));
        QVERIFY(lotavo::ui::splashWanted({QStringLiteral("lotavo"), QStringLiteral("x"), QStringLiteral("/NS")}));
        QVERIFY(lotavo::ui::splashWanted({QStringLiteral("lotavo"), QStringLiteral("/NS ")}));
        QVERIFY(lotavo::ui::splashWanted({QStringLiteral("lotavo"), QStringLiteral("NS")}));
        QVERIFY(lotavo::ui::splashWanted({}));
    }

    void styleIsUniformInOneTo150()
    {
        // One step of the program's generator: state = seed * 134775813 + 1, style = 150 * state / 2^32 + 1.
        QCOMPARE(TSplash::chooseStyle(0), 1);
        QCOMPARE(TSplash::chooseStyle(12345), 58);
        QCOMPARE(TSplash::chooseStyle(0xFFFFFFFFu), 146);
        QSet<int> seen;
        for (uint32_t ms = 0; ms < 86400000u; ms += 997) {
            const int style = TSplash::chooseStyle(ms);
            QVERIFY(style >= 1 && style <= 150);
            seen.insert(style);
        }
        QCOMPARE(seen.size(), 150);
    }

    void centredOnTheWholeDesktopTruncatingTowardZero()
    {
        const QSize splash(TSplash::ClientWidth, TSplash::ClientHeight);
        QCOMPARE(TSplash::centredOn(QRect(0, 0, 1920, 1080), splash), QPoint(719, 401));
        QCOMPARE(TSplash::centredOn(QRect(0, 0, 1025, 769), splash), QPoint(271, 245));
        // Two monitors, the second left of the first.
        QCOMPARE(TSplash::centredOn(QRect(-1280, 0, 3200, 1080), splash), QPoint(-1280 + 1359, 401));
        // A desktop narrower than the window: -81 / 2 is -40, not -41.
        QCOMPARE(TSplash::centredOn(QRect(0, 0, 401, 277), splash), QPoint(-40, 0));
    }

    void windowHasItsParts()
    {
        TSplash splash(quarters());
        QVERIFY(!splash.isVisible());
        QCOMPARE(splash.size(), QSize(482, 278));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        QCOMPARE(splash.pos(), TSplash::centredOn(desktop, splash.size()));

        auto* picShow = splash.findChild<TransitionView*>(QStringLiteral("PicShow"));
        QVERIFY(picShow);
        QCOMPARE(picShow->geometry(), QRect(0, 0, 482, 278));
        QCOMPARE(picShow->cursor().shape(), Qt::WaitCursor);
        QVERIFY(picShow->transition() >= 1 && picShow->transition() <= 150);
        QCOMPARE(picShow->progress(), 0.0);

        auto* label1 = splash.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label1);
        QCOMPARE(label1->text(), QStringLiteral("版本: 5.4"));
        QCOMPARE(label1->geometry(), QRect(123, 213, 62, 20));
        QCOMPARE(label1->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(!label1->autoFillBackground());
        const QFontMetrics metrics(label1->font());
        QVERIFY(metrics.horizontalAdvance(label1->text()) <= 62);
        QVERIFY(metrics.height() <= 20);
    }

    void playShowsTheWholePictureAfterTheTransitionAndTheWait()
    {
        TSplash splash(quarters());
        auto* picShow = splash.findChild<TransitionView*>(QStringLiteral("PicShow"));
        QElapsedTimer clock;
        clock.start();
        splash.play();
        const qint64 elapsed = clock.elapsed();
        QVERIFY(splash.isVisible());
        // Steps of 9 in 256: 30 frames with 29 pauses of 30 ms, then 500 ms.
        QCOMPARE(picShow->progress(), 1.0);
        QVERIFY2(picShow->framesPainted() >= 30, qPrintable(QString::number(picShow->framesPainted())));
        QVERIFY2(elapsed >= 29 * 30 + 500, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < 5000, qPrintable(QString::number(elapsed)));

        const QImage shown = splash.grab().toImage();
        QCOMPARE(shown.pixelColor(20, 20), QColor(200, 0, 0));
        QCOMPARE(shown.pixelColor(460, 20), QColor(0, 200, 0));
        QCOMPARE(shown.pixelColor(20, 260), QColor(0, 0, 200));
        QCOMPARE(shown.pixelColor(460, 260), QColor(200, 200, 0));
    }

    void transitionStartsOnTheBackgroundAlone()
    {
        TransitionView view;
        view.resize(100, 60);
        QPixmap background(100, 60);
        background.fill(QColor(10, 20, 30));
        QPixmap picture(100, 60);
        picture.fill(QColor(250, 240, 230));
        view.setBackground(background);
        view.setPicture(picture);
        for (int style : {1, 40, 99, 150}) {
            view.setTransition(style);
            view.setProgress(0);
            QImage start = view.grab().toImage();
            QCOMPARE(start.pixelColor(50, 30), QColor(10, 20, 30));
            QCOMPARE(start.pixelColor(0, 0), QColor(10, 20, 30));
            view.setProgress(1);
            QImage end = view.grab().toImage();
            QCOMPARE(end.pixelColor(50, 30), QColor(250, 240, 230));
            QCOMPARE(end.pixelColor(99, 59), QColor(250, 240, 230));
        }
    }

    void pictureOfOtherProportionsFillsTheViewUndistorted()
    {
        // A 600 x 200 picture in a 300 x 200 view shows its middle half.
        QPixmap wide(600, 200);
        QPainter painter(&wide);
        painter.fillRect(0, 0, 150, 200, Qt::red);
        painter.fillRect(150, 0, 300, 200, Qt::green);
        painter.fillRect(450, 0, 150, 200, Qt::blue);
        painter.end();
        TransitionView view;
        view.resize(300, 200);
        view.setPicture(wide);
        view.setProgress(1);
        const QImage shown = view.grab().toImage();
        QCOMPARE(shown.pixelColor(2, 100), QColor(Qt::green));
        QCOMPARE(shown.pixelColor(297, 100), QColor(Qt::green));
    }

    void programPictureOrADrawnOne()
    {
        const QSize size(TSplash::ClientWidth, TSplash::ClientHeight);
        QTemporaryDir empty;
        const QPixmap drawn = lotavo::ui::splashPicture(empty.path(), size);
        QCOMPARE(drawn.size(), size);
        const QColor middle = drawn.toImage().pixelColor(30, 140);
        QVERIFY2(middle.red() > 2 * middle.green() && middle.red() > 2 * middle.blue(), qPrintable(middle.name()));

        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Bmp")));
        QPixmap own(482, 278);
        own.fill(QColor(1, 2, 3));
        QVERIFY(own.save(folder.filePath(QStringLiteral("Bmp/splash.png"))));
        QCOMPARE(lotavo::ui::splashPicture(folder.path(), size).toImage().pixelColor(5, 5), QColor(1, 2, 3));

        // An unreadable file is as good as none.
        QFile broken(empty.filePath(QStringLiteral("Bmp/splash.png")));
        QVERIFY(QDir(empty.path()).mkdir(QStringLiteral("Bmp")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();
        QCOMPARE(lotavo::ui::splashPicture(empty.path(), size).size(), size);
    }

    void bundledPictureHasTheWindowSize()
    {
        const QString data = qEnvironmentVariable("LOTAVO_DATA");
        if (data.isEmpty())
            QSKIP("LOTAVO_DATA not set");
        QVERIFY(QFileInfo::exists(data + QStringLiteral("/Bmp/splash.png")));
        QCOMPARE(lotavo::ui::splashPicture(data, QSize(1, 1)).size(), QSize(482, 278));
    }
};

QTEST_MAIN(TSplashTest)
#include "TSplashTest.moc"
