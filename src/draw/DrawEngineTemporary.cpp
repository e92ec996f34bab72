// The temporary prize level: an unplanned prize drawn in the middle of the event, after which
// the draw comes back to the interrupted level with its counters as they were.
#include "draw/DrawEngine.h"

#include "draw/AtomicFile.h"
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"

#include <algorithm>
#include <filesystem>

namespace lotavo {

namespace {

const char* kTemporary = "Temporary";
constexpr int32_t kMostWinners = 500;

}  // namespace

void DrawEngine::startTemporaryLevel()
{
    SessionState& st = m_state;
    IniStore& s = m_settings;
    // A second temporary level keeps the place of the first interruption.
    if (!st.temporaryLevel) {
        s.writeInteger(kTemporary, "SaveCurAlreaddy", st.levelDrawn);
        s.writeInteger(kTemporary, "SaveCurLeave", st.levelRemaining);
        s.writeInteger(kTemporary, "SaveMaxj", st.drawOver ? 0 : st.currentLevel);
    }
    st.temporaryLevel = true;

    // The interrupted list is put aside once; a second temporary level goes on with the
    // temporary list it has, and List/sy.txt keeps the interrupted one.
    if (m_options.temporaryUseList && !st.temporaryListPutAside) {
        std::string aside = m_folder.file("List/sy.txt");
        std::error_code ignored;  // a folder that cannot be made shows up as the write error
        std::filesystem::create_directories(m_folder.file("List"), ignored);
        std::string error = saveJoinedLines(st.drawList.joined(), aside);
        if (!error.empty()) {
            // Without its copy on disk the interrupted list must stay the draw list.
            reportError("抽奖名单无法保存,临时奖级从当前名单抽取: " + error);
        } else {
            m_record.event("aside");
            s.writeString(kTemporary, "TxtFileName", ProgramFolder::toStored(st.currentListFile));
            st.temporaryListPutAside = true;
            std::string temporaryList = m_folder.file("List/TempList.txt");
            std::string loadError;
            if (fileExists(temporaryList) && st.drawList.loadFile(temporaryList, &loadError)) {
                st.currentListFile = temporaryList;
                m_record.list("draw", m_folder.path(), temporaryList, st.drawList.size());
                if (!s.readBool("Option", "TempListClear", false)) {
                    st.drawList.removeEarlierWinners(st.winners, m_options.display.serialNumber, m_options.display.space);
                    noteRemovedEarlierWinners();
                }
            } else if (!loadError.empty()) {
                reportError("临时奖级名单无法读取: " + loadError);
            }
            st.currentIndex = m_random.below(static_cast<uint32_t>(st.drawList.size()));
            sizeRollingLabels();
        }
    }

    st.pressRecord.clear();
    setLevelTexts(s.readString(kTemporary, "JxName", ""), s.readString(kTemporary, "JxAward", ""));
    // Typed into the file by hand, the counts still make a level that can end.
    st.levelTotal = std::clamp(s.readInteger(kTemporary, "CurJXall", 1), 1, kMostWinners);
    st.levelRemaining = st.levelTotal;
    st.levelDrawn = 0;
    st.perPress = std::clamp(s.readInteger(kTemporary, "AAT", 1), 1, st.levelTotal);
    setStatLine();
    st.currentLevel = 1;
    m_record.level(0, st.levelTotal, st.perPress, st.levelCaption);

    if (m_options.aniPopCaption)
        m_host.setPopupCaption(st.levelCaption);
    showTipCaption(true);
    st.drawOver = false;
    m_host.setPrizePicture({}, m_options.awardPicinPop);
    if (m_options.mode == 2)
        showRollingLabels(std::min(st.levelRemaining, st.perPress));
    else if (m_options.mode == 4)
        setUpPictureArea();
    resume();
    noteState();
}

// Puts the interrupted list back from List/sy.txt; the temporary candidates not drawn go to
// List/TempList.txt. sy.txt stays as it is until its list is back in the draw.
void DrawEngine::restorePutAsideList()
{
    SessionState& st = m_state;
    std::string error = saveJoinedLines(st.drawList.joined(), m_folder.file("List/TempList.txt"));
    if (!error.empty())
        reportError("临时奖级名单无法保存: " + error);
    std::string aside = m_folder.file("List/sy.txt");
    if (!fileExists(aside))
        return;
    DrawList restored;
    if (!restored.loadFile(aside, &error)) {
        reportError("被中断奖级的名单无法读取 (List/sy.txt 保持不变): " + error);
        return;
    }
    st.drawList = std::move(restored);
    m_record.event("restore");
    std::string stored = m_settings.readString(kTemporary, "TxtFileName", "");
    st.currentListFile = stored.empty() ? m_folder.file("Text.txt") : m_folder.resolve(stored);
    st.drawList.removeEarlierWinners(st.winners, m_options.display.serialNumber, m_options.display.space);
    noteRemovedEarlierWinners();
    st.currentIndex = m_random.below(static_cast<uint32_t>(st.drawList.size()));
    st.temporaryListPutAside = false;
    sizeRollingLabels();
}

// False when the level to come back to is 0: the draw has ended again.
bool DrawEngine::returnFromTemporaryLevel()
{
    SessionState& st = m_state;
    IniStore& s = m_settings;
    st.temporaryLevel = false;
    st.pressRecord.clear();
    // The interrupted list comes back even when the live check box was cleared meanwhile:
    // the draw must not go on with the temporary list as if it were the main one.
    if (st.temporaryListPutAside)
        restorePutAsideList();
    m_options.temporaryUseList = false;

    int level = s.readInteger(kTemporary, "SaveMaxj", 1);
    st.currentLevel = std::max(0, level);
    if (st.currentLevel == 0) {
        halt();
        endDraw();
        showTipCaption(false);
        return false;
    }
    std::string n = std::to_string(level);
    st.levelTotal = std::max(0, s.readInteger("JxNumber", "RzSpinEdit" + n, 1));
    st.levelDrawn = s.readInteger(kTemporary, "SaveCurAlreaddy", 1);
    st.levelRemaining = s.readInteger(kTemporary, "SaveCurLeave", 1);
    st.perPress = std::max(1, s.readInteger("JxNumberAAT", "r" + n, 1));
    setLevelTexts(s.readString("JxTitle", "RzEdit" + n, ""), s.readString("JxAward", "AWRzEdit" + n, ""));
    setStatLine();
    m_record.level(level, st.levelTotal, st.perPress, st.levelCaption, st.levelRemaining);
    showTipCaption(true);
    bool rollsAtOnce = m_options.mode == 1 || m_options.mode == 3;
    if (rollsAtOnce && m_options.aniPopCaption)
        m_host.setPopupCaption(st.levelCaption);
    if (rollsAtOnce && !m_options.stepToStep && !st.drawList.empty())
        startRollDirectly();
    st.drawOver = false;
    showPrizePicture(level, m_options.awardPicinPop);
    if (m_options.mode == 4)
        setUpPictureArea();
    noteState();
    return true;
}

}  // namespace lotavo
