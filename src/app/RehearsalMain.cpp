// lotavo-draw: runs a whole draw from a program folder without a window, the day before the
// event, to see that the lists, levels and results file are right.
#include "app/RehearsalHost.h"
#include "app/VerifyCommand.h"
#include "draw/AtomicFile.h"
#include "draw/DrawEngine.h"
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

using namespace lotavo;

namespace {

struct Arguments {
    std::string folder;
    std::optional<LocalTime> time;
    bool saveList = false;
    bool resume = false;
    long presses = -1;  // all
};

const char* kUsage =
    "用法: lotavo-draw --folder 目录 [--time 2026-12-09T14:05:00.000] [--save-list yes|no] [--presses N]\n"
    "                   [--resume yes|no]\n"
    "  在不打开窗口的情况下,按程序的设置把整场抽奖预演一遍,并把中奖名单写入该目录。\n"
    "      lotavo-draw --verify 目录 [抽奖记录文件]\n"
    "  按抽奖记录重放一场抽奖,核对中奖者是否由记录的种子、名单和抽取时刻得出。\n";

std::optional<LocalTime> parseTime(const std::string& text)
{
    LocalTime t;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d%n", &t.year, &t.month, &t.day, &t.hour, &t.minute, &t.second,
                    &consumed) != 6)
        return std::nullopt;
    if (text[static_cast<size_t>(consumed)] == '.' && std::sscanf(text.c_str() + consumed + 1, "%d", &t.millisecond) != 1)
        return std::nullopt;
    bool valid = t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour >= 0 && t.hour < 24 &&
                 t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second < 60 && t.millisecond >= 0 &&
                 t.millisecond < 1000;
    return valid ? std::optional<LocalTime>(t) : std::nullopt;
}

bool parseArguments(int argc, char** argv, Arguments& args)
{
    for (int i = 1; i < argc; ++i) {
        std::string name = argv[i];
        if (i + 1 >= argc)
            return false;
        std::string value = argv[++i];
        if (name == "--folder") {
            args.folder = value;
        } else if (name == "--time") {
            args.time = parseTime(value);
            if (!args.time)
                return false;
        } else if (name == "--save-list") {
            if (value != "yes" && value != "no")
                return false;
            args.saveList = value == "yes";
        } else if (name == "--resume") {
            if (value != "yes" && value != "no")
                return false;
            args.resume = value == "yes";
        } else if (name == "--presses") {
            char* end = nullptr;
            args.presses = std::strtol(value.c_str(), &end, 10);
            if (*end || args.presses < 0)
                return false;
        } else {
            return false;
        }
    }
    return !args.folder.empty();
}

// The rehearsal never changes the operator's settings: it works on a copy.
std::string scratchSettings(const std::string& settingsPath)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "lotavo-draw-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return {};
    std::string copy = pattern + "/lotavo.bin";
    std::string bytes;
    if (fileExists(settingsPath) && readWholeFile(settingsPath, bytes))
        writeFileAtomically(copy, bytes, Durability::Renamed);
    return copy;
}

struct LevelSummary {
    std::string title, award;
    EntryList winners;
};

void printSummary(const std::vector<LevelSummary>& levels, const std::string& resultsPath, bool written)
{
    for (const LevelSummary& level : levels) {
        std::cout << gbk::toUtf8(level.title);
        if (!level.award.empty())
            std::cout << "  " << gbk::toUtf8(level.award);
        std::cout << "  (" << level.winners.size() << "人)\n";
        for (const std::string& winner : level.winners)
            std::cout << "    " << gbk::toUtf8(winner) << "\n";
    }
    if (written)
        std::cout << "中奖名单文件: " << resultsPath << "\n";
    else
        std::cout << "没有中奖者,未写入中奖名单文件。\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--verify") == 0)
        return runVerify(argc, argv);
    Arguments args;
    if (!parseArguments(argc, argv, args)) {
        std::cerr << kUsage;
        return 2;
    }
    if (!std::filesystem::is_directory(args.folder)) {
        std::cerr << "找不到程序目录: " << args.folder << "\n";
        return 1;
    }
    ProgramFolder folder(std::filesystem::absolute(args.folder).string());
    std::string settingsCopy = scratchSettings(folder.file("lotavo.bin"));
    if (settingsCopy.empty()) {
        std::cerr << "无法创建临时文件夹\n";
        return 1;
    }
    IniStore settings(settingsCopy);

    std::unique_ptr<Clock> clock;
    FixedClock* fixedClock = nullptr;
    if (args.time) {
        auto fixed = std::make_unique<FixedClock>(*args.time);
        fixedClock = fixed.get();
        clock = std::move(fixed);
    } else {
        clock = std::make_unique<SystemClock>();
    }

    RehearsalHost host(args.saveList, args.resume);
    DrawEngine engine(settings, folder, host, *clock);
    engine.startUp();
    if (host.terminateRequested())
        return 1;
    const SessionState& resumed = engine.state();
    if (host.resumeOffered() && args.resume)
        std::cout << "继续上次的抽奖: 当前奖项 " << gbk::toUtf8(resumed.levelCaption) << ", 已抽出 "
                  << resumed.winners.size() << " 人, " << gbk::toUtf8(resumed.resultsFileName) << "\n";
    // The day before the event every picture is looked at, not only those the roll meets.
    if (engine.options().mode == 4)
        for (std::string_view entry : engine.state().drawList.views())
            host.showable(engine.folder().resolve(entry));

    std::vector<LevelSummary> summary;
    const SessionState& st = engine.state();
    long presses = 0;
    int idle = 0;
    while (!st.drawOver && (args.presses < 0 || presses < args.presses)) {
        // Start the roll when it waits, let it tick once, then stop it: one press.
        if (st.stopped || st.pauseShown) {
            if (st.pauseShown)
                engine.togglePause();
            engine.keyDown(engine.options().keys.space1);
            engine.keyUp(engine.options().keys.space1);
            if (st.drawOver)
                break;
        }
        engine.rollTick();
        size_t before = st.winners.size();
        int levelBefore = st.currentLevel;
        std::string title = st.levelCaption, award = st.awardCaption;
        engine.keyDown(engine.options().keys.space1);
        engine.keyUp(engine.options().keys.space1);
        ++presses;
        if (fixedClock)
            fixedClock->advanceSeconds(15);

        if (st.winners.size() > before) {
            if (summary.empty() || summary.back().title != title || summary.back().award != award)
                summary.push_back({title, award, {}});
            summary.back().winners.insert(summary.back().winners.end(), st.winners.begin() + static_cast<std::ptrdiff_t>(before),
                                          st.winners.end());
            idle = 0;
        } else if (st.currentLevel == levelBefore && ++idle > 2) {
            // A press that draws nobody and changes nothing: the list is short of candidates.
            std::cerr << "预演中止: 名单人数不足\n";
            printSummary(summary, engine.resultsFilePath(), !st.results.empty());
            return 1;
        }
    }

    bool exitSave = settings.readBool("Option", "ExitSave", false);
    if (exitSave && !args.saveList) {
        std::cerr << "[提示] 退出时保存抽奖状态已打开: 正式抽奖时程序会在退出时保存名单和状态; 预演未保存 (--save-list yes 则保存)。\n";
    } else if (engine.closeRequest() == CloseDecision::StayOpen) {
        printSummary(summary, engine.resultsFilePath(), false);
        return 1;
    }
    printSummary(summary, engine.resultsFilePath(), !st.results.empty());
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(settingsCopy).parent_path(), ignored);
    return host.problems() > 0 ? 1 : 0;
}
