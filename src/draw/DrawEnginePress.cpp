// The press: the winners of a press are picked, shown, confirmed and recorded.
#include "draw/DrawEngine.h"

#include "draw/DisplayText.h"
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"

#include <algorithm>

namespace lotavo {

void DrawEngine::press()
{
    // The record follows the results file, whose name is settled now, before any winner.
    m_record.attach(DrawRecord::pathFor(m_folder.file(gbk::toUtf8(claimResultsFileName()))));
    m_record.options(m_options);
    if (std::string error = m_record.takeError(); !error.empty())
        reportError(error);
    switch (m_options.mode) {
    case 1:
        pressRegular();
        break;
    case 2:
        pressMultiLine();
        break;
    case 3:
        pressPrize();
        break;
    default:
        pressPicture();
        break;
    }
    noteState();
}

// Decides how many winners this press draws; false (after the message) when the list is short.
bool DrawEngine::checkCandidates(int32_t& count, bool& lastPress, bool regular)
{
    int32_t remaining = m_state.levelRemaining;
    int32_t perPress = m_state.perPress;
    size_t size = m_state.drawList.size();
    lastPress = remaining <= perPress;
    if (!lastPress) {
        // The regular draw refuses a list of exactly one press; the multi-line draw takes it.
        bool shortOfEntries = regular ? size <= static_cast<size_t>(perPress) : size < static_cast<size_t>(perPress);
        if (shortOfEntries) {
            message("您的名单中人数不足,无法继续抽奖,请检查名单", "提示", MessageButtons::Ok, MessageIcon::Warning);
            return false;
        }
        count = perPress;
        return true;
    }
    if (size < static_cast<size_t>(std::max(remaining, 0))) {
        message("您的总名单人数不足,无法继续抽奖,请检查", "提示", MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    count = std::max(remaining, 0);
    return true;
}

void DrawEngine::pressRegular()
{
    SessionState& st = m_state;
    halt();
    int32_t count = 0;
    bool lastPress = false;
    if (!checkCandidates(count, lastPress, true))
        return;

    st.currentIndex = m_random.below(static_cast<uint32_t>(st.drawList.size()));
    m_record.indexDrawn(m_random.position(), st.currentIndex, st.drawList.size());
    m_host.setLabelText(Label::GdArea1, "");
    st.pressList.clear();
    pickWinners(count);
    setRemaining(st.levelRemaining - static_cast<int32_t>(st.pressRecord.size()));
    if (m_options.display.privacyStar)
        m_host.setLabelText(Label::GdArea1, "");
    display::processPressList(st.pressList, m_options.display);
    if (lastPress && st.drawList.empty())
        halt();

    WinnerPopup popup {st.temporaryLevel ? 0 : st.currentLevel, &st.pressList, m_options.affirm};
    std::vector<size_t> struck = m_host.showWinners(popup);
    if (m_options.affirm)
        processStrikeOut(struck);

    if (!lastPress) {
        recordPress();
        if (!m_options.stepToStep)
            startRollDirectly();
        st.keysUnlocked = !m_options.allKeyOpen;
        st.pressRecord.clear();
        return;
    }
    if (m_options.affirm && st.struckOut) {
        resume();
        recordPress();
        st.pressRecord.clear();
        return;
    }
    recordPress();
    st.pressRecord.clear();
    if (m_options.fjPrint)
        m_host.printLines(st.levelList, true);
    if (!st.temporaryLevel && m_options.overPopup) {
        m_host.setLabelText(Label::GdArea1, "");
        m_host.showEndOfLevelPopup();
    }
    advanceLevel(AdvanceKind::InsidePress);
    st.keysUnlocked = !m_options.allKeyOpen;
    st.pressRecord.clear();
}

// Stops the roll and draws this press's winners; false (after the message) when the list is short.
bool DrawEngine::drawFromStoppedRoll(bool& lastPress)
{
    SessionState& st = m_state;
    st.stopped = true;
    halt();
    m_host.playSound(m_options.backSound2, false);
    int32_t count = 0;
    if (!checkCandidates(count, lastPress, false))
        return false;

    st.pressList.clear();
    // The first winner is the entry the last tick pointed at, if that tick still fits the list.
    if (st.currentIndex >= st.drawList.size()) {
        st.currentIndex = m_random.below(static_cast<uint32_t>(st.drawList.size()));
        m_record.indexDrawn(m_random.position(), st.currentIndex, st.drawList.size());
    }
    pickWinners(count);
    setRemaining(st.levelRemaining - static_cast<int32_t>(st.pressRecord.size()));
    return true;
}

// Asks for the confirmation the options want; false when the level's last press was not
// confirmed and the press ends here.
bool DrawEngine::confirmPress(size_t drawn, size_t shown, bool lastPress)
{
    if (!lastPress) {
        if ((m_options.affirm && shown > 1) || (m_options.affirmOne && shown == 1))
            confirmOrUndo(drawn, false);
        return true;
    }
    if (m_options.affirm && !confirmOrUndo(drawn, true))
        return false;
    if (m_options.affirmOne && shown == 1 && !confirmOrUndo(drawn, true)) {
        resume();
        return false;
    }
    return true;
}

// The level's last press is recorded: the end-of-level pop-up, if wanted, and the level is done.
void DrawEngine::closeLevelAfterPress()
{
    if (m_options.overPopup) {
        m_host.setLabelText(Label::GdArea1, "");
        m_host.showEndOfLevelPopup();
    }
    m_state.levelDone = true;
}

void DrawEngine::pressMultiLine()
{
    SessionState& st = m_state;
    bool lastPress = false;
    if (!drawFromStoppedRoll(lastPress))
        return;
    size_t drawn = st.pressRecord.size();
    if (m_options.display.privacyStar)
        m_host.setLabelText(Label::GdArea1, "");
    display::processPressList(st.pressList, m_options.display);
    if (lastPress && st.drawList.empty())
        halt();
    for (size_t i = 0; i < st.pressList.size() && i < static_cast<size_t>(kRollingLabels); ++i)
        m_host.setLabelText(rollingLabel(static_cast<int>(i)), st.pressList[i]);

    if (m_options.mode4Pop) {
        WinnerPopup popup {st.temporaryLevel ? 0 : st.currentLevel, &st.pressList, m_options.affirm};
        std::vector<size_t> struck = m_host.showWinners(popup);
        if (m_options.affirm)
            processStrikeOut(struck);
    }

    if (!confirmPress(drawn, st.pressList.size(), lastPress))
        return;

    recordPress();
    if (m_options.print)
        m_host.printLines(st.pressList, true);
    if (lastPress && !st.temporaryLevel)
        closeLevelAfterPress();
    st.keysUnlocked = !m_options.allKeyOpen;
    st.pressRecord.clear();
}

void DrawEngine::pickWinners(int32_t count)
{
    SessionState& st = m_state;
    const DisplayOptions& d = m_options.display;
    m_record.pressBegins(m_random.position(), st.currentIndex);
    for (int32_t i = 0; i < count; ++i) {
        // Removing every copy of a winner can empty the list before the press is complete;
        // the press then has fewer winners rather than a winner that does not exist.
        if (st.drawList.empty())
            break;
        std::string entry(st.drawList.at(st.currentIndex));
        std::string line = entry;
        if (d.serialNumber)
            line = std::to_string(++st.serialCounter) + d.space + entry;
        st.pressList.push_back(line);
        st.pressRecord.push_back(std::move(line));
        if (m_options.delRepaetEnable)
            st.drawList.sortAndRemoveAllEqual(entry);
        else if (!m_options.repeatZJ)
            st.drawList.removeAt(st.currentIndex);
        st.currentIndex = m_random.below(static_cast<uint32_t>(st.drawList.size()));
        m_record.indexDrawn(m_random.position(), st.currentIndex, st.drawList.size());
    }
    // On disk before the pop-up shows them: pulling the plug cannot draw them again.
    m_record.press(st.temporaryLevel ? 0 : st.currentLevel, st.levelCaption, st.pressRecord, resultsSuffix());
}

void DrawEngine::setRemaining(int32_t remaining)
{
    m_state.levelRemaining = remaining;
    m_state.levelDrawn = m_state.levelTotal - remaining;
    setStatLine();
}

// The pop-up reports which winners were struck out as absent: they leave the press before it
// is recorded and their places are drawn again.
void DrawEngine::processStrikeOut(const std::vector<size_t>& struck)
{
    SessionState& st = m_state;
    std::vector<size_t> indexes;
    for (size_t index : struck)
        if (index < st.pressRecord.size())
            indexes.push_back(index);
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    if (!indexes.empty()) {
        for (auto it = indexes.rbegin(); it != indexes.rend(); ++it) {
            const std::string& line = st.pressRecord[*it];
            if (m_options.allowDeleteR)
                st.drawList.append(display::withoutSerialPrefix(line, m_options.display.serialNumber, m_options.display.space));
            st.pressRecord.erase(st.pressRecord.begin() + static_cast<std::ptrdiff_t>(*it));
        }
        st.struckOut = true;
        record::Fields lines;
        for (size_t index : indexes)
            lines.emplace_back("line", std::to_string(index));
        m_record.event("strike", lines);
        setRemaining(st.levelRemaining + static_cast<int32_t>(indexes.size()));
    }
    if (st.levelTotal == st.levelDrawn)
        st.struckOut = false;
}

// Shows the confirmation dialog; a cancelled press goes back: its winners return to the end
// of the list and nothing of it is recorded.
bool DrawEngine::confirmOrUndo(size_t count, bool lastPress)
{
    SessionState& st = m_state;
    if (m_host.confirmPress(count, lastPress))
        return true;
    m_record.event("undo");
    for (const std::string& line : st.pressRecord)
        st.drawList.append(display::withoutSerialPrefix(line, m_options.display.serialNumber, m_options.display.space));
    st.pressRecord.clear();
    setRemaining(st.levelRemaining + static_cast<int32_t>(count));
    st.pressList.clear();
    return false;
}

}  // namespace lotavo
