// Figures for the draw record: appending a press, and verifying a thousand presses drawn
// from a list of a million.
#include "BenchSupport.h"

#include "draw/AtomicFile.h"
#include "draw/DrawEngine.h"
#include "draw/DrawRecord.h"
#include "draw/Gbk.h"
#include "draw/RecordVerifier.h"
#include "main/settings/IniStore.h"

#include <algorithm>
#include <cstdio>
#include <string>

using namespace lotavo;
using namespace lotavo::bench;

namespace {

// A screen that shows nothing and confirms everything.
class SilentHost final : public DrawHost {
public:
    MessageAnswer showMessage(std::string_view, std::string_view, MessageButtons, MessageIcon, int) override
    {
        return MessageAnswer::No;
    }
    void setLabelText(Label, std::string_view) override {}
    void setLabelVisible(Label label, bool v) override { visible[static_cast<size_t>(label)] = v; }
    bool isLabelVisible(Label label) const override { return visible[static_cast<size_t>(label)]; }
    void setRollTimerEnabled(bool) override {}
    void setAutoPressTimer(bool, int) override {}
    void playSound(const std::string&, bool) override {}
    void stopSounds() override {}
    void showFullScreenPicture(const std::string&) override {}
    std::vector<size_t> showWinners(const WinnerPopup&) override { return {}; }
    bool confirmPress(size_t, bool) override { return true; }
    void requestTerminate() override {}
    bool visible[16] = {true};
};

}  // namespace

int main()
{
    std::string folder = scratchFolder();
    // A single record line per press, as the engine appends it: the slowest of a thousand.
    {
        DrawRecord record;
        record.attach(folder + "/bench抽奖记录.txt");
        EntryList winners {gbk::literal("012345 王小明 市场部")};
        double worst = 0, total = 0;
        for (int i = 0; i < 1000; ++i) {
            record.pressBegins(static_cast<uint64_t>(i) * 50, 12345);
            Stopwatch watch;
            record.press(1, gbk::literal("一等奖"), winners, gbk::literal("  一等奖"));
            double ms = watch.milliseconds();
            worst = std::max(worst, ms);
            total += ms;
        }
        std::printf("record append of a press, mean of 1,000: %.3f ms\n", total / 1000);
        report("record append of a press (slowest of 1,000)", worst, "ms", 2);
        double flushTotal = 0;
        for (int i = 0; i < 100; ++i) {
            record.event("state", {{"level", "1"}});
            Stopwatch watch;
            record.flush();
            flushTotal += watch.milliseconds();
        }
        std::printf("record onto the disk before the results file (fdatasync), mean of 100: %.3f ms\n", flushTotal / 100);
    }

    std::string text;
    char line[64];
    for (int i = 0; i < 1000000; ++i) {
        std::snprintf(line, sizeof line, "%07d ", i);
        text += line + gbk::literal(i % 2 ? "王小明 市场部" : "李四 研发部") + "\r\n";
    }
    writeFileAtomically(folder + "/Text.txt", text, Durability::Renamed);
    IniStore settings(folder + "/lotavo.bin");
    settings.writeInteger("Number", "AllJJ", 1);
    settings.writeInteger("JxNumber", "RzSpinEdit1", 1000);
    settings.writeInteger("JxNumberAAT", "r1", 1);
    FixedClock clock(LocalTime {2026, 12, 9, 14, 5, 0, 0});
    SilentHost host;
    DrawEngine engine(settings, ProgramFolder(folder), host, clock);
    engine.startUp();
    double pressTotal = 0, pressWorst = 0;
    for (int press = 0; press < 1000 && !engine.state().drawOver; ++press) {
        for (int tick = 0; tick < 50; ++tick)
            engine.rollTick();
        Stopwatch watch;
        engine.keyDown(engine.options().keys.space1);
        engine.keyUp(engine.options().keys.space1);
        double ms = watch.milliseconds();
        pressTotal += ms;
        pressWorst = std::max(pressWorst, ms);
    }
    std::printf("a press on a 1,000,000-entry list (record and results file included): mean %.2f ms, slowest %.2f ms\n",
                pressTotal / 1000, pressWorst);
    Stopwatch watch;
    Verification v = verifyRecord(folder, DrawRecord::pathFor(engine.resultsFilePath()));
    double verify = watch.milliseconds();
    std::printf("%s\n", v.lines.empty() ? "" : v.lines.back().c_str());
    report("verify 1,000 presses over a 1,000,000-entry list", verify, "ms", 5000);
    return v.verified ? 0 : 1;
}
