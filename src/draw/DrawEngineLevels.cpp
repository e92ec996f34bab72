// Prize levels: starting a session, loading and advancing levels, ending the draw, and the
// saved draw state.
#include "draw/DrawEngine.h"

#include "draw/AtomicFile.h"
#include "draw/DisplayText.h"
#include "draw/Gbk.h"
#include "draw/ListNotice.h"
#include "main/settings/IniStore.h"

#include <algorithm>
#include <filesystem>

namespace lotavo {

namespace {

std::string numbered(const char* prefix, int level)
{
    return prefix + std::to_string(level);
}

}  // namespace

void DrawEngine::startSession()
{
    // A new session is never inside a temporary level.
    m_state.temporaryLevel = false;
    m_state.temporaryListPutAside = false;
    // A level count below one would leave the screen on a level that does not exist.
    m_state.currentLevel = std::max(1, m_settings.readInteger("Number", "AllJJ", 1));
    int level = m_state.currentLevel;
    m_record.session(m_folder.path(), m_state.resultsFileName);
    showTipCaption(true);
    showLevelPicture(level);
    showLevelBackground(level, true);
    showPrizePicture(level, m_options.awardPicinPop);

    scanPerLevelLists();
    computeExclusionThreshold();

    m_state.currentListFile = m_folder.file("Text.txt");
    std::string error;
    ListDecoding decoding;
    if (!m_state.drawList.loadFile(m_state.currentListFile, &error, &decoding)) {
        message("抽奖名单没有发现,请检查!", "警告", MessageButtons::Ok, MessageIcon::Warning);
        m_host.requestTerminate();
    }
    tellUnmappable(m_host, m_state.currentListFile, decoding);
    m_record.list("draw", m_folder.path(), m_state.currentListFile, m_state.drawList.size());
    if (m_state.drawList.empty())
        message("您的主抽奖名单 Text.txt 文件中没有名单，请输入名单！", "警告", MessageButtons::Ok, MessageIcon::Warning);
    sizeRollingLabels();

    if (m_settings.readBool("ChangeList", numbered("d", level), false) && loadOwnList(level)) {
        if (m_state.drawList.empty())
            halt();
        else
            showRandomEntry(Label::GdArea1);
    }
    if (m_settings.readBool("Exclude", numbered("e", level), false))
        applyExclusionList(level);

    loadLevel(level);
    if (m_options.aniPopCaption)
        m_host.setPopupCaption(m_state.levelCaption);

    if (m_options.mode == 1) {
        if (m_host.isLabelVisible(Label::GdArea1) && !m_state.drawList.empty())
            showRandomEntry(Label::GdArea1);
    } else if (m_options.mode == 2) {
        showRollingLabels(m_state.perPress);
        m_host.loadRollingLabelPositions(level);
    } else if (m_options.mode == 3) {
        // The whole prize list is one level, drawn one prize per press.
        m_settings.writeInteger("Number", "AllJJ", 1);
        m_settings.writeInteger("JxNumberAAT", "r1", 1);
        m_state.currentLevel = 1;
        m_settings.writeInteger("JxNumber", "RzSpinEdit1", static_cast<int>(m_state.drawList.size()));
        loadLevel(1);
    }
    if (m_options.mode == 4)
        setUpPictureArea();
    else
        m_host.setPictureAreaVisible(false);

    if (m_settings.readBool("Option", "SetGDChr", false)) {
        std::string fixed = m_settings.readString("Option", "SetChrS", "");
        for (int i = 0; i < kRollingLabels; ++i)
            if (m_host.isLabelVisible(rollingLabel(i)))
                m_host.setLabelText(rollingLabel(i), fixed);
    }

    m_state.stopped = m_settings.readBool("Option", "StartRun", false);
    if (m_state.stopped)
        halt();
    else
        resume();
}

void DrawEngine::startNewSession()
{
    m_state.currentIndex = m_random.below(static_cast<uint32_t>(m_state.drawList.size()));
    m_state.drawOver = false;
    m_state.serialCounter = 0;
    m_host.resultsChanged(m_state.results);
    startSession();
}

void DrawEngine::reloadDrawList()
{
    std::string error;
    ListDecoding decoding;
    if (!m_state.drawList.loadFile(m_state.currentListFile, &error, &decoding)) {
        reportError("抽奖名单无法读取: " + error);
        return;
    }
    tellUnmappable(m_host, m_state.currentListFile, decoding);
    m_record.list("draw", m_folder.path(), m_state.currentListFile, m_state.drawList.size());
    m_state.currentIndex = m_random.below(static_cast<uint32_t>(m_state.drawList.size()));
    sizeRollingLabels();
}

void DrawEngine::returnToFirstLevel()
{
    m_state.currentLevel = std::max(1, m_settings.readInteger("Number", "AllJJ", 1));
}

void DrawEngine::loadLevel(int level)
{
    // Counts below their sane minimum would make presses that draw nothing, forever.
    m_state.levelTotal = std::max(0, m_settings.readInteger("JxNumber", numbered("RzSpinEdit", level), 1));
    m_state.levelDrawn = 0;
    m_state.levelRemaining = m_state.levelTotal;
    m_state.perPress = std::max(1, m_settings.readInteger("JxNumberAAT", numbered("r", level), 1));
    setLevelTexts(m_settings.readString("JxTitle", numbered("RzEdit", level), ""),
                  m_settings.readString("JxAward", numbered("AWRzEdit", level), ""));
    setStatLine();
    m_record.level(level, m_state.levelTotal, m_state.perPress, m_state.levelCaption);
    noteState();
}

void DrawEngine::advanceLevel(AdvanceKind kind)
{
    bool insidePress = kind == AdvanceKind::InsidePress;
    m_state.currentLevel -= 1;
    int level = m_state.currentLevel;
    if (!insidePress) {
        m_host.loadRollingLabelPositions(level);
        if (m_options.fjPrint)
            m_host.printLines(m_state.levelList, true);
    }

    if (level <= 0) {
        m_state.currentLevel = 0;
        if (insidePress) {
            m_host.setLabelText(Label::GdArea1, "");
            if (!m_state.temporaryLevel)
                endDraw();
        } else {
            endDraw();
            m_state.temporaryLevel = false;
        }
        showTipCaption(false);
        if (!insidePress)
            for (int i = 0; i < kRollingLabels; ++i)
                m_host.setLabelVisible(rollingLabel(i), false);
        m_host.setAutoPressTimer(false, 0);
        return;
    }

    showLevelPicture(level);
    showLevelBackground(level, false);
    showPrizePicture(level, insidePress && m_options.awardPicinPop);

    if (m_settings.readBool("ChangeList", numbered("d", level), false) && loadOwnList(level)) {
        if (!m_options.repeatZJ && !m_settings.readBool("Option", "MuitlListClear", false)) {
            m_state.drawList.removeEarlierWinners(m_state.winners, m_options.display.serialNumber, m_options.display.space);
            noteRemovedEarlierWinners();
        }
        if (m_state.drawList.empty())
            halt();
        else
            m_host.setRollTimerEnabled(m_state.rollTimerOn = true);
        sizeRollingLabels();
    }
    m_state.currentIndex = m_random.below(static_cast<uint32_t>(m_state.drawList.size()));
    if (m_settings.readBool("Exclude", numbered("e", level), false))
        applyExclusionList(level);
    m_random.seed(m_clock.utcMillisecondsOfDay());
    m_record.seed(m_random.state());
    loadLevel(level);

    if (!insidePress) {
        if (m_options.mode == 2)
            showRollingLabels(m_state.perPress);
        if (m_settings.readBool("Option", "LabelStop", true)) {
            m_state.stopped = true;
            halt();
        }
        return;
    }

    if (m_options.aniPopCaption)
        m_host.setPopupCaption(m_state.levelCaption);
    removeEarlierWinnersByEnding(true);
    if (!m_options.stepToStep && !m_state.drawList.empty())
        startRollDirectly();
    if (m_settings.readBool("Option", "LabelStop", false)) {
        m_host.setLabelText(Label::GdArea1, "");
        m_state.stopped = true;
        halt();
    }
}

void DrawEngine::endDraw()
{
    if (!saveResults())
        return;
    m_record.event("end");
    m_state.drawOver = true;
    if (m_settings.readBool("Option", "OverAutoStop", true))
        halt();
    if (m_settings.readBool("Option", "PrintAll", false))
        m_host.printLines(m_state.results, false);
    std::string endPicture = m_folder.resolve(m_settings.readString("Option", "AllOverPic", ""));
    if (m_settings.readBool("Option", "AllOverPicEnable", false) && fileExists(endPicture))
        m_host.showFullScreenPicture(endPicture);
    if (m_settings.readBool("AwardScreen", "OverEnable", false))
        fillAwardScreen(true);
}

void DrawEngine::computeExclusionThreshold()
{
    m_state.exclusionEnabled = false;
    int levels = m_settings.readInteger("Number", "AllJJ", 1);
    for (int n = 1; n <= levels; ++n) {
        if (!m_settings.readBool("Upshot", numbered("s", n), false))
            continue;
        if (!m_state.exclusionEnabled)
            m_state.exclusionThreshold = n - 1;
        m_state.exclusionEnabled = true;
    }
}

bool DrawEngine::levelQualifiesForRemoval() const
{
    return m_state.exclusionEnabled && m_state.exclusionThreshold <= m_state.currentLevel && m_state.levelDrawn == 0;
}

void DrawEngine::removeEarlierWinnersByEnding(bool requireEntries)
{
    if (!levelQualifiesForRemoval())
        return;
    if (requireEntries && m_state.drawList.empty()) {
        message("您的总名单人数不足,无法继续抽奖,请检查", "提示", MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    m_state.drawList.removeEndingWith(m_state.winners);
    m_record.event("remove-ending");
}

void DrawEngine::scanPerLevelLists()
{
    m_state.multiList = false;
    int levels = m_settings.readInteger("Number", "AllJJ", 1);
    for (int n = 1; n <= levels && !m_state.multiList; ++n)
        m_state.multiList = m_settings.readBool("ChangeList", numbered("d", n), false);
}

void DrawEngine::showLevelPicture(int level)
{
    std::string picture = m_folder.resolve(m_settings.readString("OverPopup", numbered("a", level), ""));
    if (fileExists(picture))
        m_host.showFullScreenPicture(picture);
}

// The level's own background; without one, the main background when asked, else the
// background stays as it is.
void DrawEngine::showLevelBackground(int level, bool orMainBackground)
{
    std::string wall = m_folder.resolve(m_settings.readString("ChangeWall", numbered("c", level), ""));
    if (fileExists(wall))
        m_host.setBackground(wall);
    else if (orMainBackground)
        m_host.setBackground(m_folder.resolve(m_settings.readString("Option", "MainImgBG", "")));
}

void DrawEngine::showTipCaption(bool drawing)
{
    m_host.setLabelText(Label::TipCaption,
                        drawing ? m_settings.readString("frmMainLabel", "lblTipCaptionCaption1", gbk::literal("正在抽取"))
                                : m_settings.readString("frmMainLabel", "lblTipCaptionCaption2", gbk::literal("抽取结束")));
}

void DrawEngine::showPrizePicture(int level, bool inPopup)
{
    std::string picture = m_folder.resolve(m_settings.readString("JXPic", numbered("SpeedButton", level), ""));
    m_host.setPrizePicture(fileExists(picture) ? picture : std::string(), inPopup);
}

bool DrawEngine::loadOwnList(int level)
{
    std::string path = m_folder.file("List/u" + std::to_string(level) + ".txt");
    std::string error;
    ListDecoding decoding;
    if (!m_state.drawList.loadFile(path, &error, &decoding)) {
        // The level keeps drawing from the list it has; the operator learns why.
        reportError("第" + std::to_string(level) + "级奖项的名单无法读取: " + error);
        return false;
    }
    tellUnmappable(m_host, path, decoding);
    m_record.list("draw", m_folder.path(), path, m_state.drawList.size());
    m_state.currentListFile = path;
    return true;
}

void DrawEngine::applyExclusionList(int level)
{
    std::string path = m_folder.file("List/o" + std::to_string(level) + ".txt");
    EntryList lines;
    std::string error;
    ListDecoding decoding;
    if (!loadList(path, lines, &error, &decoding)) {
        reportError("第" + std::to_string(level) + "级奖项的排除名单无法读取: " + error);
        return;
    }
    tellUnmappable(m_host, path, decoding);
    m_state.drawList.applyExclusions(lines);
    m_record.list("exclude", m_folder.path(), path, lines.size());
}

void DrawEngine::sizeRollingLabels()
{
    if (m_state.drawList.empty())
        return;
    std::string longest = display::longestEntry(m_state.drawList);
    m_host.sizeRollingLabels(m_options.mode == 4 ? pictureName(longest) : longest);
}

void DrawEngine::restoreState()
{
    const char* s = "ExitSave";
    m_state.resultsFileName = m_settings.readString(s, "Randomfilename", "123");
    m_state.resultsFileClaimed = true;  // the restored session goes on writing its own file
    EntryList lines;
    if (fileExists(resultsFilePath()) && loadList(resultsFilePath(), lines))
        m_state.results = std::move(lines);
    if (loadList(m_folder.file("List/ListLevel"), lines))
        m_state.levelList = std::move(lines);
    if (loadList(m_folder.file("List/TempList"), lines))
        m_state.winners = std::move(lines);

    int level = m_settings.readInteger(s, "Maxj", 1);
    m_state.currentLevel = level;
    showLevelBackground(level, true);
    showPrizePicture(level, m_options.awardPicinPop);

    m_state.levelTotal = m_settings.readInteger(s, "CurJXAll", 1);
    m_state.levelDrawn = m_settings.readInteger(s, "CurAlready", 1);
    m_state.levelRemaining = m_settings.readInteger(s, "CurLeave", 1);
    m_state.perPress = std::max(1, m_settings.readInteger(s, "AAT", 1));
    setLevelTexts(m_settings.readString(s, "lblLevelCaption", ""), m_settings.readString(s, "lblAwardCaption", ""));
    setStatLine();
    m_record.level(level, m_state.levelTotal, m_state.perPress, m_state.levelCaption, m_state.levelRemaining);
    noteState();
    if (m_options.mode == 2)
        showRollingLabels(std::min(m_state.levelRemaining, m_state.perPress));
    else if (m_options.mode == 4)
        setUpPictureArea();
    m_host.resultsChanged(m_state.results);
}

bool DrawEngine::saveStateAtExit()
{
    bool levelFinished = m_state.levelTotal == m_state.levelDrawn && m_state.levelRemaining == 0;
    if ((m_options.mode == 2 || m_options.mode == 4) && levelFinished && m_state.levelDone) {
        advanceLevel(AdvanceKind::BetweenPresses);
        m_state.levelDone = false;
        removeEarlierWinnersByEnding(false);
    }
    const char* s = "ExitSave";
    std::string error;
    std::error_code ignored;  // a folder that cannot be made shows up as the list's write error
    std::filesystem::create_directories(m_folder.file("List"), ignored);
    for (const std::string& e : {
             m_settings.writeInteger(s, "Maxj", m_state.currentLevel),
             m_settings.writeInteger(s, "CurJXAll", m_state.levelTotal),
             m_settings.writeInteger(s, "CurAlready", m_state.levelDrawn),
             m_settings.writeInteger(s, "CurLeave", m_state.levelRemaining),
             m_settings.writeInteger(s, "AAT", m_state.perPress),
             m_settings.writeString(s, "lblLevelCaption", m_state.levelCaption),
             m_settings.writeString(s, "lblAwardCaption", m_state.awardCaption),
             m_settings.writeString(s, "Randomfilename", m_state.resultsFileName),
         })
        if (error.empty())
            error = e;
    if (error.empty() && !saveDrawList())
        return false;
    if (error.empty() && !saveResults())
        return false;
    if (error.empty())
        error = saveList(m_state.levelList, m_folder.file("List/ListLevel"));
    if (error.empty())
        error = saveList(m_state.winners, m_folder.file("List/TempList"));
    if (!error.empty()) {
        reportError("抽奖状态无法保存: " + error);
        return false;
    }
    return true;
}

}  // namespace lotavo
