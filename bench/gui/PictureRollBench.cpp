// Figures of the picture draw on a real display (run it under Xvfb, see bench/gui-bench.sh):
// 2,000 JPEG photos of 1920x1080 roll at 20 ms; how many different pictures the area shows
// per second, the largest gap between two of them, and whether each press draws the picture
// that was on screen.
#include "BenchDrawScreen.h"
#include "BenchSupport.h"

#include "main/TFrmMain.h"
#include "main/settings/IniStore.h"
#include "present/FontNames.h"
#include "present/QtText.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace lotavo;

namespace {

constexpr int kPictures = 2000;

// A photo-like picture: a gradient sky, a few hundred soft shapes and a large number.
QImage photo(int index)
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, 1080);
    sky.setColorAt(0, QColor::fromHsv(index * 37 % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv(index * 53 % 360, 200, 90));
    p.fillRect(image.rect(), sky);
    uint32_t s = 0x9E3779B9u * uint32_t(index + 1);
    auto next = [&s] { s ^= s << 13, s ^= s >> 17, s ^= s << 5; return s; };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 300; ++i) {
        p.setBrush(QColor::fromHsv(int(next() % 360), 160, int(80 + next() % 170), 160));
        p.drawEllipse(QRect(int(next() % 1920), int(next() % 1080), int(20 + next() % 200), int(20 + next() % 200)));
    }
    QFont font;
    font.setPixelSize(300);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(image.rect(), Qt::AlignCenter, QString::number(index));
    return image;
}

void writePhotos(const std::string& folder)
{
    std::filesystem::create_directories(folder + "/Photo");
    auto work = [&](int first, int step) {
        for (int i = first; i < kPictures; i += step)
            photo(i).save(QString::fromStdString(folder + "/Photo/p" + std::to_string(i) + ".jpg"), "JPG", 85);
    };
    std::thread other(work, 1, 2);
    work(0, 2);
    other.join();
    std::ofstream list(folder + "/Text.txt", std::ios::binary);
    for (int i = 0; i < kPictures; ++i)
        list << "Photo\\p" << i << ".jpg\r\n";
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutions();
    std::string folder = bench::programCopy(argc > 1 ? argv[1] : "data");
    bench::Stopwatch generation;
    writePhotos(folder);
    std::printf("%d JPEGs of 1920x1080 written in %.1f s\n", kPictures, generation.milliseconds() / 1000);

    IniStore settings(folder + "/lotavo.bin");
    settings.writeInteger("Option", "ModeSelect", 4);
    settings.writeInteger("Option", "Time1Interval", 20);
    settings.writeInteger("Number", "AllJJ", 1);
    settings.writeInteger("JxNumber", "RzSpinEdit1", 50);
    settings.writeInteger("JxNumberAAT", "r1", 1);
    settings.writeInteger("Option", "ImgGdAreaLeft", 100);
    settings.writeInteger("Option", "ImgGdAreaTop", 200);
    settings.writeInteger("Option", "ImgGdAreaWidth", 640);
    settings.writeInteger("Option", "ImgGdAreaHight", 360);
    settings.writeInteger("Option", "WindowMode", 2);
    bench::BenchDrawScreen draw(settings, folder);
    ui::TFrmMain& screen = draw.screen;

    QElapsedTimer clockMs;
    clockMs.start();
    std::vector<std::pair<double, QString>> shown;
    QObject::connect(&screen, &ui::TFrmMain::pictureShown,
                     [&](const QString& path) { shown.emplace_back(clockMs.nsecsElapsed() / 1e6, path); });

    QTest::qWait(1000);  // the decoders fill up
    int presses = 0, pressesOnScreen = 0;
    double rollSeconds = 0;
    size_t different = 0;
    double maxGap = 0;
    for (int round = 0; round < 5; ++round) {
        shown.clear();
        double from = clockMs.nsecsElapsed() / 1e6;
        QTest::qWait(2000);
        double to = clockMs.nsecsElapsed() / 1e6;
        rollSeconds += (to - from) / 1000;
        for (size_t i = 0; i < shown.size(); ++i) {
            if (i == 0 || shown[i].second != shown[i - 1].second)
                ++different;
            if (i > 0)
                maxGap = std::max(maxGap, shown[i].first - shown[i - 1].first);
        }
        QString onScreen = screen.shownPicture();
        QTest::keyClick(&screen, Qt::Key_Space);
        ++presses;
        const EntryList& winners = screen.engine().state().winners;
        if (!winners.empty() && ui::fromGbk(winners.back()) == QFileInfo(onScreen).completeBaseName())
            ++pressesOnScreen;
        QTest::keyClick(&screen, Qt::Key_Space);  // the picture draw waits after a press
        QTest::qWait(300);
    }
    std::printf("picture draw, %d pictures, area 640x360, Time1Interval 20 ms, %.0f s of roll:\n", kPictures, rollSeconds);
    std::printf("  %-56s %10.1f     (target >= 40)\n", "different pictures shown per second", different / rollSeconds);
    bench::report("  largest gap between two shown pictures", maxGap, "ms", 60);
    std::printf("  %-56s %7d of %d\n", "presses drawing the picture on screen", pressesOnScreen, presses);
    return 0;
}
