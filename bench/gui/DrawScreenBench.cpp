// Figures of the draw screen on a real display (run it under Xvfb, see bench/gui-bench.sh):
// roll ticks per second with ten labels of the multi-line draw, the largest gap between two
// ticks, the CPU time per tick, and the time from the start/stop key to the painted pop-up.
#include "BenchDrawScreen.h"
#include "BenchSupport.h"

#include "main/TFrmMain.h"
#include "present/FontNames.h"
#include "main/settings/IniStore.h"
#include "present/TFrmAniPop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

using namespace lotavo;

namespace {

double cpuMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// Records when a widget is painted.
class PaintClock : public QObject {
public:
    QElapsedTimer clock;
    std::vector<double> paints;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            paints.push_back(clock.nsecsElapsed() / 1e6);
        return false;
    }
};

void runRoll(ui::TFrmMain& screen, int seconds)
{
    auto* label = screen.findChild<QLabel*>(QStringLiteral("LblGdArea10"));
    PaintClock ticks;
    ticks.clock.start();
    label->installEventFilter(&ticks);
    double cpuBefore = cpuMilliseconds();
    QTest::qWait(seconds * 1000);
    double cpu = cpuMilliseconds() - cpuBefore;
    label->removeEventFilter(&ticks);
    double maxGap = 0;
    for (size_t i = 1; i < ticks.paints.size(); ++i)
        maxGap = std::max(maxGap, ticks.paints[i] - ticks.paints[i - 1]);
    double perSecond = ticks.paints.size() / double(seconds);
    QSize size = screen.size();
    std::printf("screen %dx%d, ten rolling labels, Time1Interval 20 ms:\n", size.width(), size.height());
    std::printf("  %-56s %10.1f     (target >= 49)\n", "roll ticks per second", perSecond);
    bench::report("  largest gap between two ticks", maxGap, "ms", 60);
    std::printf("  %-56s %10.2f ms\n", "CPU per tick", ticks.paints.empty() ? 0 : cpu / ticks.paints.size());
}

// Records when the pop-up has been painted with its winners: the end of the paint pass in
// which the first winner label is painted (a zero timer started then runs after the pass).
class WinnerPaintClock : public QObject {
public:
    QElapsedTimer clock;
    double cpuAtStart = 0;
    std::vector<double> paints;
    std::vector<double> cpu;  // CPU time of the process up to each paint
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && object->inherits("lotavo::ui::WinnerLabel") && !m_waiting) {
            m_waiting = true;
            QTimer::singleShot(0, this, [this] {
                paints.push_back(clock.nsecsElapsed() / 1e6);
                cpu.push_back(cpuMilliseconds() - cpuAtStart);
                m_waiting = false;
            });
        }
        return false;
    }

private:
    bool m_waiting = false;
};

void runPopupLatency(ui::TFrmMain& screen)
{
    WinnerPaintClock painted;
    qApp->installEventFilter(&painted);
    std::vector<double> latencies;
    std::vector<double> cpu;
    for (int press = 0; press < 5; ++press) {
        painted.paints.clear();
        QTimer::singleShot(400, [&] {
            QTest::keyRelease(&screen.popup(), Qt::Key_Space);
            QTest::keyClick(&screen.popup(), Qt::Key_Space);
        });
        QTest::qWait(100);
        painted.cpu.clear();
        painted.cpuAtStart = cpuMilliseconds();
        painted.clock.start();
        QTest::keyClick(&screen, Qt::Key_Space);
        if (!painted.paints.empty())
            latencies.push_back(painted.paints.front());
        if (!painted.cpu.empty())
            cpu.push_back(painted.cpu.front());
        QTest::keyClick(&screen, Qt::Key_Space);  // the multi-line draw waits after a press
    }
    qApp->removeEventFilter(&painted);
    std::printf("  %-56s", "key press to painted pop-up, each press");
    for (double latency : latencies)
        std::printf(" %.1f", latency);
    std::printf(" ms\n");
    // The wall time waits for the X server too, which a loaded machine slows down.
    std::printf("  %-56s", "  of which CPU time of the program");
    for (double ms : cpu)
        std::printf(" %.1f", ms);
    std::printf(" ms\n");
    double worst = latencies.empty() ? -1 : *std::max_element(latencies.begin(), latencies.end());
    bench::report("  key press to painted pop-up (animation off), worst of 5", worst, "ms", 50);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutions();
    std::string folder = bench::programCopy(argc > 1 ? argv[1] : "data");
    IniStore settings(folder + "/lotavo.bin");
    settings.writeInteger("Option", "ModeSelect", 2);
    settings.writeInteger("Option", "Time1Interval", 20);
    settings.writeInteger("JxNumber", "RzSpinEdit3", 100);
    settings.writeInteger("JxNumberAAT", "r3", 10);
    settings.writeBool("Option", "Mode4Pop", true);
    settings.writeBool("Option", "frmAniPopAniMateOnShow", false);
    settings.writeBool("Option", "frmAniPopAniMateOnHide", false);
    settings.writeInteger("Option", "WindowMode", 2);
    bench::BenchDrawScreen draw(settings, folder);
    ui::TFrmMain& screen = draw.screen;
    QTest::qWait(500);
    runRoll(screen, 5);
    runPopupLatency(screen);
    return 0;
}
