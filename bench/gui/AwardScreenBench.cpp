// Figures of the award screen on a real display (run it under Xvfb, see bench/gui-bench.sh):
// 1,000 winner lines scrolling at the bundled layout of the screen's resolution; the time
// between two frame ticks as a histogram, the latest tick, and the CPU time per tick.
// With --idle the window stays hidden: the same ticks without painting, showing what the
// machine's load alone does to the timer.
//   AwardScreenBench [data folder] [--seconds N] [--step N] [--idle]
#include "BenchSupport.h"

#include "main/settings/IniStore.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "present/ScrollText.h"
#include "present/SoundPlayer.h"
#include "present/TAwardShow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

using namespace lotavo;

namespace {

double cpuMilliseconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

// The award screen keys of the bundled layout for this resolution, as the first start at
// this resolution would copy them.
void copyLayoutKeys(IniStore& settings, const std::string& folder, QSize screen)
{
    std::string layout = folder + "/Screen/" + std::to_string(screen.width()) + "x" + std::to_string(screen.height()) + ".ini";
    IniStore source(layout);
    for (const char* key : {"Fontname", "Fontsize", "FontColor", "LabelFontname", "LabelFontSize", "LabelFontColor",
                            "Label1Left", "Label1Top", "Label2Left", "Label2Top"})
        if (source.hasKey("AwardScreen", key))
            settings.writeString("AwardScreen", key, source.readString("AwardScreen", key, ""));
}

QStringList winnerLines(int count)
{
    const QStringList names {QStringLiteral("欧阳诸葛慕容"), QStringLiteral("王小明"), QStringLiteral("李娜"),
                             QStringLiteral("Alexander Montgomery"), QStringLiteral("司马相如")};
    const QStringList units {QStringLiteral("市场营销与客户服务中心"), QStringLiteral("销售部"),
                             QStringLiteral("研发部"), QStringLiteral("财务部")};
    QStringList lines {QStringLiteral("<Title1>")};
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1 %2 %3  三等奖").arg(i + 1, 4, 10, QLatin1Char('0')).arg(names[i % names.size()],
                                                                                           units[i % units.size()]);
    return lines;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutions();
    const char* data = "data";
    int seconds = 60;
    int step = 2;
    bool idle = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc)
            seconds = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--step") && i + 1 < argc)
            step = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--idle"))
            idle = true;
        else
            data = argv[i];
    }
    std::string folder = bench::programCopy(data);
    IniStore settings(folder + "/lotavo.bin");
    const QSize screenSize = QApplication::primaryScreen()->geometry().size();
    copyLayoutKeys(settings, folder, screenSize);
    settings.writeInteger("AwardScreen", "ScrollDelay", step);

    ui::SoundPlayer sounds;
    QString music;
    ui::TAwardShow screen({settings, ProgramFolder(folder), sounds, music, QStringLiteral("某某公司新年联欢晚会"), 0x24});
    screen.setLines(winnerLines(1000));
    // As the draw screen opens it; the first page is rendered before the figures start.
    screen.startScrolling();
    if (!idle)
        screen.showFullScreen();
    QTest::qWait(1000);

    std::vector<double> ticks;
    QElapsedTimer clock;
    ui::ScrollText* credits = screen.credits();
    credits->onFrame = [&] { ticks.push_back(clock.nsecsElapsed() / 1e6); };
    clock.start();
    double cpuBefore = cpuMilliseconds();
    QTest::qWait(seconds * 1000);
    double cpu = cpuMilliseconds() - cpuBefore;
    credits->stop();

    const double interval = ui::ScrollText::kFrameMs;
    const double bounds[] = {10, 15, 20, 25, 30, 35, 40, 60, 1e9};
    std::vector<int> histogram(std::size(bounds), 0);
    double latest = 0;
    for (size_t i = 1; i < ticks.size(); ++i) {
        double gap = ticks[i] - ticks[i - 1];
        latest = std::max(latest, gap);
        size_t b = 0;
        while (gap >= bounds[b])
            ++b;
        ++histogram[b];
    }
    std::printf("award screen %dx%d%s, 1000 winner lines, step %d px per %d ms, frame tick %d ms, %d s, font %d px:\n",
                screenSize.width(), screenSize.height(), idle ? " (hidden: ticks only)" : "", step, ui::ScrollText::kTickMs, ui::ScrollText::kFrameMs, seconds,
                QFontInfo(credits->itemFont()).pixelSize());
    std::printf("  time between two ticks:\n");
    double lower = 0;
    for (size_t b = 0; b < histogram.size(); ++b) {
        if (bounds[b] > 1e8)
            std::printf("    %5.0f ms and over  %6d\n", lower, histogram[b]);
        else
            std::printf("    %5.0f - %3.0f ms     %6d\n", lower, bounds[b], histogram[b]);
        lower = bounds[b];
    }
    std::printf("  %-56s %10zu\n", "ticks", ticks.size());
    bench::report("  latest tick", latest, "ms", 2 * interval);
    bench::report("  CPU per tick", ticks.empty() ? 0 : cpu / ticks.size(), "ms", 4);
    std::printf("  %-56s %10.0f px\n", "scrolled", credits->position());
    return 0;
}
