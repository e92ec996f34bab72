// Design mode on a real display (run it under Xvfb, see bench/gui-bench.sh): the main title
// dragged across the full-screen draw screen, one mouse move per step; each frame is the time
// from the move to the end of the paint pass that shows the title at its new place.
#include "BenchDrawScreen.h"
#include "BenchSupport.h"

#include "main/TFrmMain.h"
#include "main/settings/IniStore.h"
#include "present/FontNames.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <vector>

using namespace lotavo;

namespace {

double threadCpuMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

void mouse(QWidget* widget, QEvent::Type type, QPoint global, Qt::MouseButtons buttons)
{
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(widget->mapFromGlobal(global)), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutions();
    std::string folder = bench::programCopy(argc > 1 ? argv[1] : "data");
    IniStore settings(folder + "/lotavo.bin");
    settings.writeInteger("Option", "WindowMode", 2);
    settings.writeInteger("Option", "GridX", 1);
    settings.writeInteger("Option", "GridY", 1);
    bench::BenchDrawScreen draw(settings, folder);
    ui::TFrmMain& screen = draw.screen;
    QTest::qWait(500);

    QWidget* title = screen.findChild<QWidget*>(QStringLiteral("lblMainCaption"));
    QTest::keyPress(&screen, Qt::Key_Control);
    QPoint from = title->mapToGlobal(title->rect().center());
    mouse(title, QEvent::MouseMove, from, Qt::NoButton);
    mouse(title, QEvent::MouseButtonPress, from, Qt::LeftButton);
    std::vector<double> frames;
    std::vector<double> cpu;  // of the program alone; the wall time waits for the X server too
    const int steps = 300;
    QSize area = screen.size();
    for (int i = 1; i <= steps; ++i) {
        // Down and right across the screen and back, three pixels a step on a 1080p screen.
        double t = i <= steps / 2 ? double(i) / (steps / 2) : double(steps - i) / (steps / 2);
        QPoint to = from + QPoint(int(t * area.width() / 2.5), int(t * area.height() / 2.5));
        double cpuBefore = threadCpuMilliseconds();
        QElapsedTimer clock;
        clock.start();
        mouse(title, QEvent::MouseMove, to, Qt::LeftButton);
        QApplication::processEvents();
        QApplication::sync();
        frames.push_back(clock.nsecsElapsed() / 1e6);
        cpu.push_back(threadCpuMilliseconds() - cpuBefore);
    }
    mouse(title, QEvent::MouseButtonRelease, from, Qt::NoButton);
    QTest::keyRelease(&screen, Qt::Key_Control);

    std::sort(frames.begin(), frames.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("screen %dx%d, the main title dragged in design mode, %d steps:\n", area.width(), area.height(), steps);
    std::printf("  %-56s %10.2f ms\n", "median frame", frames[frames.size() / 2]);
    std::printf("  %-56s %10.2f ms\n", "99th percentile frame", frames[frames.size() * 99 / 100]);
    std::printf("  %-56s %10.2f ms\n", "  CPU of the program, median frame", cpu[cpu.size() / 2]);
    std::printf("  %-56s %10.2f ms\n", "  CPU of the program, longest frame", cpu.back());
    bench::report("  longest frame", frames.back(), "ms", 20);
    return 0;
}
