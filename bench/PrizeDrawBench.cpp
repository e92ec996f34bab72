// The prize draw on a prize list of 100,000 lines: the time of a press from the start/stop
// key to the pop-up showing the prize, and to the prize recorded (the results file written
// and flushed to the disk, which happens once the pop-up has closed).
#include "BenchSupport.h"

#include "draw/AtomicFile.h"
#include "draw/Clock.h"
#include "draw/DrawEngine.h"
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"

#include <algorithm>
#include <cstdio>

using namespace lotavo;
using namespace lotavo::bench;

namespace {

constexpr int kPrizes = 100000;
constexpr int kPresses = 200;

// A draw screen that shows nothing and answers every question with its default.
class QuietHost final : public DrawHost {
public:
    MessageAnswer showMessage(std::string_view, std::string_view, MessageButtons, MessageIcon, int) override
    {
        return MessageAnswer::Ok;
    }
    void setLabelText(Label, std::string_view) override {}
    void setLabelVisible(Label, bool) override {}
    bool isLabelVisible(Label label) const override { return label == Label::GdArea1; }
    void setRollTimerEnabled(bool) override {}
    void setAutoPressTimer(bool, int) override {}
    void playSound(const std::string&, bool) override {}
    void stopSounds() override {}
    void showFullScreenPicture(const std::string&) override {}
    std::vector<size_t> showWinners(const WinnerPopup&) override
    {
        popupAt = watch ? watch->milliseconds() : 0;
        return {};
    }
    bool confirmPress(size_t, bool) override { return true; }
    void requestTerminate() override {}

    const Stopwatch* watch = nullptr;
    double popupAt = 0;
};

}  // namespace

int main()
{
    std::string folder = scratchFolder();
    const char* names[] = {"笔记本电脑", "电视机", "蓝牙音箱", "购物卡", "电饭煲"};
    std::string list;
    for (int i = 0; i < kPrizes; ++i) {
        char code[16];
        std::snprintf(code, sizeof code, "%06d", (i * 7919) % 1000000);
        list += code + gbk::literal(names[i % 5]) + "\r\n";
    }
    writeFileAtomically(folder + "/Text.txt", list, Durability::Renamed);
    IniStore settings(folder + "/lotavo.bin");
    settings.writeInteger("Option", "ModeSelect", 3);
    for (auto [key, value] : {std::pair {"ShowOnly", 1}, {"ShowStrP", 1}, {"ShowStrO", 6}, {"ShowOnlyPop", 1},
                              {"PopShowStrP", 7}, {"PopShowStrO", 30}})
        settings.writeInteger("Option", key, value);
    settings.writeString("CreateAw", gbk::literal("电视机") + "PIC", folder + "/tv.jpg");

    QuietHost host;
    FixedClock clock(LocalTime {2026, 12, 9, 14, 5, 0, 0});
    Stopwatch startWatch;
    DrawEngine engine(settings, ProgramFolder(folder), host, clock);
    engine.startUp();
    double startMs = startWatch.milliseconds();

    std::vector<double> toPopup, presses;
    for (int i = 0; i < kPresses; ++i) {
        engine.rollTick();
        Stopwatch watch;
        host.watch = &watch;
        engine.keyDown(engine.options().keys.space1);
        presses.push_back(watch.milliseconds());
        toPopup.push_back(host.popupAt);
        engine.keyUp(engine.options().keys.space1);
    }
    std::sort(presses.begin(), presses.end());
    std::sort(toPopup.begin(), toPopup.end());
    std::printf("prize draw, %d prizes in one level, %d presses (each writes the results file):\n", kPrizes, kPresses);
    std::printf("  %-56s %10.1f ms\n", "session start (list load, level of 100,000)", startMs);
    std::printf("  %-56s %10.3f ms\n", "median press to the pop-up", toPopup[toPopup.size() / 2]);
    report("  slowest press to the pop-up", toPopup.back(), "ms", 20);
    std::printf("  %-56s %10.2f ms\n", "median whole press (results file flushed)", presses[presses.size() / 2]);
    std::printf("  %-56s %10.2f ms\n", "slowest whole press (results file flushed)", presses.back());
    std::printf("  %-56s %10zu\n", "prizes drawn", engine.state().results.size());
    return 0;
}
