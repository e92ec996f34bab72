// Picture decoding (JPEG, GIF animations, what Qt reads), the BMP conversion and the
// full-screen picture window, on files the test writes itself.
#include "present/KeyMap.h"
#include "present/Pictures.h"
#include "present/TfrmPicView.h"

#include <QAction>
#include <QApplication>
#include <QRandomGenerator>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QThreadPool>
#include <QtTest>

#include <cstdio>
#include <functional>

#include <gif_lib.h>
#include <jpeglib.h>

using namespace lotavo::ui;

namespace {

constexpr int kSpace = 0x20;

using Fill = std::function<void(int x, int y, JSAMPLE* pixel)>;

void writeJpeg(const QString& path, int width, int height, J_COLOR_SPACE space, int components, const Fill& fill)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    FILE* out = std::fopen(QFile::encodeName(path).constData(), "wb");
    QVERIFY(out);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);  // CMYK input also writes the Adobe marker
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width * components));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            fill(x, y, &row[static_cast<size_t>(x * components)]);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(out);
}

// Left half red, right half blue.
void writeRedBlueJpeg(const QString& path, int width = 32, int height = 32)
{
    writeJpeg(path, width, height, JCS_RGB, 3, [width](int x, int, JSAMPLE* p) {
        bool left = x < width / 2;
        p[0] = left ? 255 : 0, p[1] = 0, p[2] = left ? 0 : 255;
    });
}

QColor rowColour(int y) { return QColor(10 + 40 * y, 100, 50); }
const QColor kGreen(0, 200, 0);
const QColor kCyan(0, 255, 255);

void putFrame(GifFileType* gif, int disposal, int delay, int transparent, QRect area, bool interlace,
              ColorMapObject* local, const std::vector<std::vector<GifPixelType>>& rows)
{
    GraphicsControlBlock control{disposal, false, delay, transparent};
    GifByteType extension[4];
    size_t length = EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    EGifPutImageDesc(gif, area.x(), area.y(), area.width(), area.height(), interlace, local);
    std::vector<int> order;
    if (interlace) {
        for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < area.height(); y += step)
                order.push_back(y);
    } else {
        for (int y = 0; y < area.height(); ++y)
            order.push_back(y);
    }
    for (int y : order)
        EGifPutLine(gif, const_cast<GifPixelType*>(rows[static_cast<size_t>(y)].data()), area.width());
}

// 8 × 6, four frames: an interlaced full frame with one colour per row; a green square
// restored afterwards (dispose to previous); a frame with its own colour map and a transparent
// index, cleared afterwards (dispose to background); one green pixel.
void writeAnimatedGif(const QString& path)
{
    GifColorType colours[16] = {};
    colours[0] = {255, 255, 255};
    for (int y = 0; y < 6; ++y)
        colours[1 + y] = {static_cast<GifByteType>(rowColour(y).red()), 100, 50};
    colours[9] = {0, 200, 0};
    ColorMapObject* global = GifMakeMapObject(16, colours);
    GifColorType localColours[2] = {{255, 0, 255}, {0, 255, 255}};
    ColorMapObject* local = GifMakeMapObject(2, localColours);
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    QVERIFY(gif);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, 8, 6, 8, 0, global);

    std::vector<std::vector<GifPixelType>> rows;
    for (int y = 0; y < 6; ++y)
        rows.push_back(std::vector<GifPixelType>(8, static_cast<GifPixelType>(1 + y)));
    putFrame(gif, DISPOSE_DO_NOT, 10, NO_TRANSPARENT_COLOR, QRect(0, 0, 8, 6), true, nullptr, rows);
    putFrame(gif, DISPOSE_PREVIOUS, 1, NO_TRANSPARENT_COLOR, QRect(1, 1, 2, 2), false, nullptr, {{9, 9}, {9, 9}});
    putFrame(gif, DISPOSE_BACKGROUND, 0, 0, QRect(4, 2, 3, 2), false, local, {{1, 0, 1}, {0, 1, 0}});
    // The global colours again as a local map: giflib's encoder leaks the previous frame's
    // local map when the next frame has none.
    putFrame(gif, DISPOSE_DO_NOT, 5, NO_TRANSPARENT_COLOR, QRect(0, 0, 1, 1), false, global, {{9}});
    EGifCloseFile(gif, &error);
    GifFreeMapObject(global);
    GifFreeMapObject(local);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

bool near(QColor actual, QColor expected, int tolerance = 12)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

QColor at(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// Runs `action` on the modal window once it is open and has expanded to the whole screen;
// closes it if it is still open later.
void whenModal(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        QTRY_COMPARE(modal->geometry(), QRect(QPoint(0, 0), modal->screen()->size()));
        QTimer::singleShot(5000, [modal] {
            if (modal && modal->isVisible()) {
                modal->close();
                QFAIL("the picture window did not close");
            }
        });
        action(modal);
    });
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

private slots:
    void jpegColourModelsDecodeToTheirColours()
    {
        writeRedBlueJpeg(file("rgb.jpg"));
        writeJpeg(file("grey.jpg"), 16, 8, JCS_GRAYSCALE, 1, [](int, int, JSAMPLE* p) { p[0] = 200; });
        // Adobe CMYK stores the inks inverted: (255, 0, 0, 255) is no cyan, full magenta and yellow.
        writeJpeg(file("cmyk.jpg"), 16, 8, JCS_CMYK, 4, [](int, int, JSAMPLE* p) {
            p[0] = 255, p[1] = 0, p[2] = 0, p[3] = 255;
        });

        DecodedPicture rgb = decodePicture(file("rgb.jpg"));
        QVERIFY2(rgb.ok(), qPrintable(rgb.error));
        QCOMPARE(rgb.frames.size(), size_t(1));
        QCOMPARE(rgb.frames[0].size(), QSize(32, 32));
        QVERIFY(near(at(rgb.frames[0], 4, 16), Qt::red));
        QVERIFY(near(at(rgb.frames[0], 28, 16), Qt::blue));
        QCOMPARE(rgb.frames[0].pixel(4, 16) >> 24, 0xFFu);

        DecodedPicture grey = decodePicture(file("grey.jpg"));
        QVERIFY2(grey.ok(), qPrintable(grey.error));
        QVERIFY(near(at(grey.frames[0], 3, 3), QColor(200, 200, 200), 3));

        DecodedPicture cmyk = decodePicture(file("cmyk.jpg"));
        QVERIFY2(cmyk.ok(), qPrintable(cmyk.error));
        QVERIFY(near(at(cmyk.frames[0], 3, 3), Qt::red));
    }

    void brokenOrHugeJpegsGiveErrors()
    {
        writeRedBlueJpeg(file("good.jpg"), 64, 64);
        QByteArray good = readAll(file("good.jpg"));
        writeAll(file("truncated.jpg"), good.left(good.size() / 2));
        QByteArray garbage = good.left(3);
        QRandomGenerator random(7);
        for (int i = 0; i < 400; ++i)
            garbage.append(static_cast<char>(random.bounded(256)));
        writeAll(file("garbage.jpg"), garbage);
        QByteArray wide = good;
        qsizetype frame = wide.indexOf(QByteArray("\xFF\xC0", 2));
        QVERIFY(frame > 0);
        wide[frame + 7] = char(0x4E), wide[frame + 8] = char(0x20);  // 20000 pixels wide
        writeAll(file("wide.jpg"), wide);

        for (const char* name : {"truncated.jpg", "garbage.jpg", "wide.jpg", "missing.jpg"}) {
            DecodedPicture picture = decodePicture(file(name));
            QVERIFY2(!picture.ok(), name);
            QVERIFY2(picture.error.contains(file(name)), qPrintable(picture.error));
        }
        QVERIFY(decodePicture(file("wide.jpg")).error.contains(QStringLiteral("太大")));
    }

    void gifFramesAreComposedAsAnimated()
    {
        writeAnimatedGif(file("anim.gif"));
        DecodedPicture gif = decodePicture(file("anim.gif"));
        QVERIFY2(gif.ok(), qPrintable(gif.error));
        QCOMPARE(gif.frames.size(), size_t(4));
        QCOMPARE(gif.delaysMs, (std::vector<int>{100, 20, 20, 50}));
        for (const QImage& frame : gif.frames)
            QCOMPARE(frame.size(), QSize(8, 6));

        for (int y = 0; y < 6; ++y)
            QCOMPARE(at(gif.frames[0], 7, y), rowColour(y));
        QCOMPARE(at(gif.frames[1], 1, 1), kGreen);
        QCOMPARE(at(gif.frames[1], 2, 2), kGreen);
        QCOMPARE(at(gif.frames[1], 0, 0), rowColour(0));
        // Frame 2 restored what was under it, and draws with its own colours and transparency.
        QCOMPARE(at(gif.frames[2], 1, 1), rowColour(1));
        QCOMPARE(at(gif.frames[2], 4, 2), kCyan);
        QCOMPARE(at(gif.frames[2], 5, 2), rowColour(2));
        QCOMPARE(at(gif.frames[2], 5, 3), kCyan);
        // Frame 3 was cleared to transparent after showing.
        QCOMPARE(qAlpha(gif.frames[3].pixel(4, 2)), 0);
        QCOMPARE(qAlpha(gif.frames[3].pixel(5, 3)), 0);
        QCOMPARE(at(gif.frames[3], 3, 2), rowColour(2));
        QCOMPARE(at(gif.frames[3], 0, 0), kGreen);
    }

    void brokenOrHugeGifsGiveErrorsOrTheirGoodFrames()
    {
        writeAnimatedGif(file("anim.gif"));
        QByteArray good = readAll(file("anim.gif"));
        writeAll(file("cut-late.gif"), good.left(good.size() - 10));
        writeAll(file("cut-early.gif"), good.left(85));
        QByteArray noise("GIF89a");
        QRandomGenerator random(11);
        for (int i = 0; i < 300; ++i)
            noise.append(static_cast<char>(random.bounded(256)));
        writeAll(file("noise.gif"), noise);
        QByteArray wide = good;
        wide[6] = char(0x20), wide[7] = char(0x4E);  // logical screen 20000 wide
        writeAll(file("wide.gif"), wide);

        DecodedPicture late = decodePicture(file("cut-late.gif"));
        QVERIFY2(late.ok(), qPrintable(late.error));
        QCOMPARE(late.frames.size(), size_t(3));
        for (const char* name : {"cut-early.gif", "noise.gif", "wide.gif"}) {
            DecodedPicture picture = decodePicture(file(name));
            QVERIFY2(!picture.ok(), name);
            QVERIFY(!picture.error.isEmpty());
        }
        QVERIFY(decodePicture(file("wide.gif")).error.contains(QStringLiteral("太大")));
    }

    void bmpAndPngDecodeThroughQt()
    {
        QImage image(5, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                image.setPixel(x, y, qRgb(x * 50, y * 80, 30));
        for (const char* name : {"p.bmp", "p.png"}) {
            QVERIFY(image.save(file(name)));
            DecodedPicture picture = decodePicture(file(name));
            QVERIFY2(picture.ok(), qPrintable(picture.error));
            QCOMPARE(picture.frames[0].convertToFormat(QImage::Format_RGB32), image);
        }
    }

    void jpegConvertsToBottomUpPaddedBmp()
    {
        // 37 pixels: rows of 111 bytes padded to 112. Top rows red, bottom rows blue.
        writeJpeg(file("c.jpg"), 37, 8, JCS_RGB, 3, [](int, int y, JSAMPLE* p) {
            p[0] = y < 4 ? 255 : 0, p[1] = 0, p[2] = y < 4 ? 0 : 255;
        });
        QString error;
        QVERIFY2(convertJpegToBmp(file("c.jpg"), file("c.bmp"), &error), qPrintable(error));
        QByteArray bytes = readAll(file("c.bmp"));
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(bytes.size(), 54 + 112 * 8);
        QCOMPARE(int(bytes[28]), 24);
        QImage reloaded(file("c.bmp"), "BMP");
        QCOMPARE(reloaded.size(), QSize(37, 8));
        QImage decoded = decodePicture(file("c.jpg")).frames[0];
        QCOMPARE(reloaded.convertToFormat(QImage::Format_RGB32), decoded.convertToFormat(QImage::Format_RGB32));
        QVERIFY(near(at(reloaded, 36, 0), Qt::red));
        QVERIFY(near(at(reloaded, 36, 7), Qt::blue));

        QVERIFY(!convertJpegToBmp(file("none.jpg"), file("none.bmp"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(file("none.bmp")));
    }

    void viewPlaysAnimationAndClearsOnBadFile()
    {
        writeAnimatedGif(file("anim.gif"));
        PictureView view;
        view.resize(8, 6);
        view.setCentered(false);
        QVERIFY(view.load(file("anim.gif")));
        QCOMPARE(view.pictureSize(), QSize(8, 6));
        QCOMPARE(view.grab().toImage().pixelColor(1, 1), rowColour(1));
        QTRY_COMPARE(view.grab().toImage().pixelColor(1, 1), kGreen);

        writeAll(file("bad.gif"), QByteArray("GIF89a"));
        QString error;
        QVERIFY(!view.load(file("bad.gif"), &error));
        QVERIFY(view.isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void preparedPictureIsTheOneShownAtItsSize()
    {
        auto halves = [](QColor left, QColor right) {
            QImage image(4, 2, QImage::Format_RGB32);
            image.fill(right);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 2; ++x)
                    image.setPixelColor(x, y, left);
            DecodedPicture picture;
            picture.frames.push_back(image.convertToFormat(QImage::Format_Indexed8));
            picture.delaysMs.push_back(0);
            return picture;
        };
        PictureView view;
        view.setStretch(true);
        view.resize(400, 100);
        view.setPicture(halves(Qt::red, Qt::blue));
        view.prepare(view.size());
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QImage shown = view.grab().toImage();
        QCOMPARE(shown.pixelColor(20, 50), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(380, 50), QColor(Qt::blue));

        // A picture replaced while its scaled copy is being made: the new one is shown.
        view.setPicture(halves(Qt::green, Qt::yellow));
        view.prepare(view.size());
        view.setPicture(halves(Qt::white, Qt::black));
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        shown = view.grab().toImage();
        QCOMPARE(shown.pixelColor(20, 50), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(380, 50), QColor(Qt::black));
    }

    void pictureWindowClosesOnlyOnTheStartStopKey()
    {
        writeRedBlueJpeg(file("show.jpg"));
        QList<bool> openAfter;
        whenModal([&](QWidget* window) {
            for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_A}) {
                QTest::keyClick(window, key);
                openAfter.append(window->isVisible());
            }
            QTest::keyClick(window, Qt::Key_Space);
        });
        TfrmPicView::showPicture(file("show.jpg"), kSpace, true, nullptr);
        QCOMPARE(openAfter, (QList<bool>{true, true, true}));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void clickClosesOnlyWhenMouseOnClick()
    {
        writeRedBlueJpeg(file("show.jpg"));
        whenModal([](QWidget* window) { QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(20, 20)); });
        TfrmPicView::showPicture(file("show.jpg"), kSpace, true, nullptr);

        bool openAfterClick = false;
        bool stretched = false;
        whenModal([&](QWidget* window) {
            QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(20, 20));
            QTest::qWait(50);
            openAfterClick = window->isVisible();
            window->findChild<QAction*>(QStringLiteral("N2"))->trigger();
            stretched = dynamic_cast<PictureView*>(window->findChild<QWidget*>(QStringLiteral("Image1")))->stretch();
            window->findChild<QAction*>(QStringLiteral("N1"))->trigger();
        });
        TfrmPicView::showPicture(file("show.jpg"), kSpace, false, nullptr);
        QVERIFY(openAfterClick);
        QVERIFY(stretched);
    }

    void undecodablePictureReturnsAtOnce()
    {
        writeAll(file("bad.jpg"), QByteArray("\xFF\xD8\xFF\x00", 4));
        QElapsedTimer clock;
        clock.start();
        TfrmPicView::showPicture(file("bad.jpg"), kSpace, true, nullptr);
        QVERIFY(clock.elapsed() < 1000);
    }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
