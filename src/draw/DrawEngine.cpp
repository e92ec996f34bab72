#include "draw/DrawEngine.h"

#include "draw/AtomicFile.h"
#include "draw/DisplayText.h"
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"

#include <cstdio>

namespace lotavo {

DrawEngine::DrawEngine(IniStore& settings, ProgramFolder folder, DrawHost& host, Clock& clock)
    : m_settings(settings), m_folder(std::move(folder)), m_host(host), m_clock(clock)
{
}

namespace {

// A stored sound or picture path that names no file is replaced by the default in the folder.
std::string existingOrDefault(IniStore& settings, const ProgramFolder& folder, const char* key,
                              const char* defaultRelative)
{
    std::string path = folder.resolve(settings.readString("Option", key, ""));
    if (!fileExists(path)) {
        path = folder.file(defaultRelative);
        settings.writeString("Option", key, ProgramFolder::toStored(path));
    }
    return path;
}

constexpr const char* kDefaultBackground = "Wallpaper/1024.jpg";

}  // namespace

std::string DrawEngine::mainBackground() const
{
    std::string path = m_folder.resolve(m_settings.readString("Option", "MainImgBG", ""));
    return fileExists(path) ? path : m_folder.file(kDefaultBackground);
}

void DrawEngine::startUp()
{
    m_random.seed(m_clock.utcMillisecondsOfDay());
    m_record.seed(m_random.state());
    m_state.resultsFileName = newResultsFileName();

    m_options.backSound = existingOrDefault(m_settings, m_folder, "BackSound", "Sound/s.wav");
    m_options.backSound2 = existingOrDefault(m_settings, m_folder, "BackSound2", "Sound/sha.wav");
    m_host.setBackground(existingOrDefault(m_settings, m_folder, "MainImgBG", kDefaultBackground));

    m_options.load(m_settings);
    m_host.setRollTimerInterval(m_options.time1Interval);
    m_state.temporaryLevel = false;
    m_state.levelDone = false;
    m_state.keysEnabled = true;
    m_state.keysUnlocked = !m_options.allKeyOpen;

    if (m_settings.readBool("Option", "AutoDown", false)) {
        auto answer = message("自动抽奖（无需人为控制,自动抽取奖项）的选项为打开状态,要启用吗?", "询问",
                              MessageButtons::OkCancel, MessageIcon::Question);
        if (answer == MessageAnswer::Ok) {
            m_settings.writeBool("Option", "AniPopDelayClose", true);
            m_host.postStartStopPress();
            m_host.setAutoPressTimer(true, m_settings.readInteger("Option", "Time3Interval", 3000));
        } else {
            m_settings.writeBool("Option", "AutoDown", false);
            m_settings.writeBool("Option", "AniPopDelayClose", false);
            m_host.setAutoPressTimer(false, 0);
        }
    }

    startSession();
    if (offerResume())
        return;
    // Only a draw that was really saved is restored: a first start with the option on has
    // no saved level and begins at the last level like any other.
    if (m_settings.readBool("Option", "ExitSave", false) && m_settings.hasKey("ExitSave", "Maxj") &&
        m_settings.readInteger("ExitSave", "Maxj", 1) != 0)
        restoreState();
}

std::string DrawEngine::newResultsFileName() const
{
    LocalTime now = m_clock.localNow();
    char digits[64];
    std::snprintf(digits, sizeof digits, "%02d日%02d时%02d分中奖名单.txt", now.day, now.hour, now.minute);
    return gbk::literal(digits);
}

std::string DrawEngine::resultsFilePath() const
{
    return m_folder.file(gbk::toUtf8(m_state.resultsFileName));
}

void DrawEngine::halt()
{
    m_state.rollTimerOn = false;
    m_host.setRollTimerEnabled(false);
    m_host.stopSounds();
}

void DrawEngine::resume()
{
    if (m_state.pauseShown || m_state.stopped) {
        halt();
        return;
    }
    if (m_state.currentLevel != 0 && !m_state.drawList.empty())
        startRollDirectly();
}

void DrawEngine::startRollDirectly()
{
    m_state.rollTimerOn = true;
    m_host.setRollTimerEnabled(true);
    m_host.playSound(m_options.backSound, true);
}

void DrawEngine::pauseSw(bool haltRoll)
{
    if (haltRoll)
        halt();
    else
        resume();
}

void DrawEngine::togglePause()
{
    m_state.pauseShown = !m_state.pauseShown;
    m_host.setLabelVisible(Label::Pause, m_state.pauseShown);
    pauseSw(m_state.pauseShown);
}

void DrawEngine::rollTick()
{
    DrawList& list = m_state.drawList;
    if (list.empty())
        return;
    // The picture roll draws its indexes ahead, for the decoders.
    if (m_options.mode == 4) {
        rollPicture();
        return;
    }
    m_state.currentIndex = m_random.below(static_cast<uint32_t>(list.size()));
    m_record.indexDrawn(m_random.position(), m_state.currentIndex, list.size());
    if (m_options.mode == 2) {
        for (int i = 0; i < kRollingLabels; ++i)
            if (m_host.isLabelVisible(rollingLabel(i)))
                showRandomEntry(rollingLabel(i));
        return;
    }
    m_host.setLabelText(Label::GdArea1, display::rollingText(list.at(m_state.currentIndex), m_options.display));
}

void DrawEngine::showRandomEntry(Label label)
{
    const DrawList& list = m_state.drawList;
    if (list.empty())
        return;
    std::string_view entry = list.at(m_random.below(static_cast<uint32_t>(list.size())));
    m_host.setLabelText(label, display::rollingText(entry, m_options.display));
}

void DrawEngine::showRollingLabels(int32_t count)
{
    if (count >= 1 && count <= 10000) {
        int visible = count > kRollingLabels ? kRollingLabels : count;
        for (int i = 0; i < kRollingLabels; ++i)
            m_host.setLabelVisible(rollingLabel(i), i < visible);
    }
    for (int i = 0; i < kRollingLabels; ++i)
        if (m_host.isLabelVisible(rollingLabel(i)))
            showRandomEntry(rollingLabel(i));
}

void DrawEngine::setStatLine()
{
    if (m_options.mode == 3) {
        m_host.setLabelText(Label::Stat, gbk::literal("当前奖品共") + std::to_string(m_state.levelTotal) +
                                             gbk::literal("个,已抽") + std::to_string(m_state.levelDrawn) +
                                             gbk::literal("个,还剩") + std::to_string(m_state.levelRemaining) +
                                             gbk::literal("个 "));
        return;
    }
    const std::string& unit = m_options.lblStarTwo;
    std::string line = m_options.lblStarFirst + std::to_string(m_state.levelTotal) + unit + gbk::literal(",已抽") +
                       std::to_string(m_state.levelDrawn) + unit + gbk::literal(",还剩") +
                       std::to_string(m_state.levelRemaining) + unit;
    m_host.setLabelText(Label::Stat, line);
}

void DrawEngine::statisticsWordsChanged()
{
    if (!m_state.drawOver)
        setStatLine();
}

void DrawEngine::setLevelTexts(std::string level, std::string award)
{
    m_state.levelCaption = std::move(level);
    m_state.awardCaption = std::move(award);
    m_host.setLabelText(Label::Level, m_state.levelCaption);
    m_host.setLabelText(Label::Award, m_state.awardCaption);
}

MessageAnswer DrawEngine::message(std::string_view utf8Text, std::string_view utf8Caption, MessageButtons buttons,
                                  MessageIcon icon, int defaultButton)
{
    return m_host.showMessage(gbk::literal(utf8Text), gbk::literal(utf8Caption), buttons, icon, defaultButton);
}

void DrawEngine::reportError(const std::string& utf8Reason)
{
    message(utf8Reason, "错误", MessageButtons::Ok, MessageIcon::Error);
}

}  // namespace lotavo
