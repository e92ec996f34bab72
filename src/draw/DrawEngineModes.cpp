// The prize draw (the list holds prizes, one level drawn one prize per press) and the picture
// draw (the list holds picture files that roll in the picture area).
#include "draw/DrawEngine.h"

#include "draw/AtomicFile.h"
#include "draw/DisplayText.h"
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"

#include <algorithm>

namespace lotavo {

namespace {

// Enough pictures ahead for the decoders to keep up with a roll of 50 ticks a second.
constexpr size_t kPicturesAhead = 8;

}  // namespace

std::string DrawEngine::pictureName(std::string_view entry) const
{
    return baseNameWithoutExtension(entry);
}

std::string DrawEngine::picturePath(std::string_view entry) const
{
    return m_folder.resolve(entry);
}

void DrawEngine::prizeListEdited()
{
    m_settings.writeInteger("JxNumber", "RzSpinEdit1", static_cast<int>(m_state.drawList.size()));
    if (m_state.currentLevel > 0)
        loadLevel(m_state.currentLevel);
}

void DrawEngine::pressPrize()
{
    SessionState& st = m_state;
    DrawList& list = st.drawList;
    if (list.empty())
        return;
    int32_t remaining = st.levelRemaining;
    int32_t perPress = st.perPress;
    bool lastPress = remaining <= perPress;
    int32_t count = lastPress ? std::max(remaining, 0) : perPress;
    if (list.size() < static_cast<size_t>(count)) {
        message(lastPress ? "您的名单奖品不足,无法继续抽奖,请检查" : "您的名单中奖品不足,无法继续抽奖,请检查名单", "提示",
                MessageButtons::Ok, MessageIcon::Warning);
        return;
    }

    st.pressList.clear();
    if (st.currentIndex >= list.size()) {
        st.currentIndex = m_random.below(static_cast<uint32_t>(list.size()));
        m_record.indexDrawn(m_random.position(), st.currentIndex, list.size());
    }
    m_record.pressBegins(m_random.position(), st.currentIndex);
    // Further picks take the prizes that move up into the place of the one drawn.
    for (int32_t i = 0; i < count && !list.empty(); ++i) {
        st.currentIndex = std::min(st.currentIndex, list.size() - 1);
        st.pressList.emplace_back(list.at(st.currentIndex));
        if (!m_options.repeatZJ)
            list.removeAt(st.currentIndex);
    }
    m_record.press(st.temporaryLevel ? 0 : st.currentLevel, st.levelCaption, st.pressList, resultsSuffix());
    st.currentIndex = m_random.below(static_cast<uint32_t>(list.size()));
    m_record.indexDrawn(m_random.position(), st.currentIndex, list.size());
    setRemaining(remaining - count);
    display::processPressList(st.pressList, m_options.display);

    std::string picture;
    if (!st.pressList.empty())
        picture = m_folder.resolve(m_settings.readString("CreateAw", st.pressList.front() + "PIC", ""));
    bool pictureExists = !picture.empty() && fileExists(picture);
    if (!lastPress) {
        m_host.setPrizePicture(pictureExists ? picture : std::string(), true);
    } else {
        if (pictureExists)
            m_host.setPrizePicture(picture, false);
        if (list.empty())
            halt();
    }

    WinnerPopup popup {st.temporaryLevel ? 0 : st.currentLevel, &st.pressList, false};
    m_host.showWinners(popup);

    for (const std::string& line : st.pressList) {
        st.winners.push_back(line);
        st.results.push_back(line + "  " + st.levelCaption);
    }
    saveResultsOfPress(st.pressList.size());

    if (lastPress) {
        st.currentLevel -= 1;
        if (st.currentLevel <= 0) {
            st.currentLevel = 0;
            // A temporary level comes back to the prize level it interrupted.
            if (!st.temporaryLevel) {
                if (!st.pressList.empty())
                    m_host.setLabelText(Label::GdArea1, st.pressList.front());
                endDraw();
            }
            showTipCaption(false);
            m_host.setAutoPressTimer(false, 0);
            return;
        }
    }
    st.keysUnlocked = !m_options.allKeyOpen;
    if (st.rollTimerOn)
        m_host.playSound(m_options.backSound, true);
}

void DrawEngine::pressPicture()
{
    SessionState& st = m_state;
    bool lastPress = false;
    // The first winner is the picture on screen.
    if (!drawFromStoppedRoll(lastPress))
        return;
    size_t drawn = st.pressRecord.size();
    if (lastPress && st.drawList.empty())
        halt();
    if (st.pressRecord.empty())
        return;

    std::string first = display::withoutSerialPrefix(st.pressRecord.front(), m_options.display.serialNumber,
                                                     m_options.display.space);
    // A winner whose picture cannot be decoded still wins: the area shows a placeholder.
    m_host.showAreaPicture(picturePath(first));
    if (m_host.isLabelVisible(Label::GdArea1)) {
        std::string name = pictureName(first);
        m_host.setLabelText(Label::GdArea1, m_options.display.privacyStar ? display::mask(name, m_options.display) : name);
    }

    if (!confirmPress(drawn, drawn, lastPress))
        return;

    recordPictureNames();
    if (m_options.print && !st.pressList.empty())
        m_host.printLines(st.pressList, true);
    if (lastPress && !st.pressList.empty()) {
        if (m_options.fjPrint)
            m_host.printLines(st.levelList, true);
        if (!st.temporaryLevel)
            closeLevelAfterPress();
    }
    st.keysUnlocked = !m_options.allKeyOpen;
    st.pressRecord.clear();
}

// A picture winner is recorded by the picture's name; the serial prefix goes with the folder.
void DrawEngine::recordPictureNames()
{
    SessionState& st = m_state;
    st.pressList.clear();
    for (const std::string& line : st.pressRecord) {
        std::string name = pictureName(
            display::withoutSerialPrefix(line, m_options.display.serialNumber, m_options.display.space));
        st.winners.push_back(name);
        st.results.push_back(name + "  " + st.levelCaption);
        st.levelList.push_back(name + "  " + st.levelCaption);
        st.pressList.push_back(std::move(name));
    }
    if (st.pressRecord.empty())
        return;
    saveResultsOfPress(st.pressRecord.size());
    m_host.resultsChanged(st.results);
}

// One tick of the picture roll: the first planned picture that is ready is shown, and the
// current index becomes its entry, so a press draws the picture the audience sees. Pictures
// not decoded yet wait in the plan; pictures that cannot be decoded leave it.
void DrawEngine::rollPicture()
{
    const DrawList& list = m_state.drawList;
    auto& plan = m_picturePlan;
    plan.erase(std::remove_if(plan.begin(), plan.end(),
                              [&](const PlannedPicture& p) { return p.index >= list.size() || list.at(p.index) != p.entry; }),
               plan.end());
    while (plan.size() < kPicturesAhead) {
        size_t index = m_random.below(static_cast<uint32_t>(list.size()));
        plan.push_back({index, std::string(list.at(index)), m_random.position()});
        m_record.indexPlanned(m_random.position(), index, list.size());
    }
    std::vector<std::string> paths;
    paths.reserve(plan.size());
    for (const PlannedPicture& p : plan)
        paths.push_back(picturePath(p.entry));
    m_host.preparePictures(paths);

    for (size_t i = 0; i < plan.size();) {
        switch (m_host.showRollingPicture(paths[i])) {
        case PictureShown::Shown:
            m_state.currentIndex = plan[i].index;
            m_record.indexShown(plan[i].position);
            if (m_host.isLabelVisible(Label::GdArea1))
                m_host.setLabelText(Label::GdArea1, pictureName(plan[i].entry));
            plan.erase(plan.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        case PictureShown::Undecodable:
            plan.erase(plan.begin() + static_cast<std::ptrdiff_t>(i));
            paths.erase(paths.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        case PictureShown::NotReady:
            ++i;
            break;
        }
    }
}

void DrawEngine::setUpPictureArea()
{
    const DrawList& list = m_state.drawList;
    m_picturePlan.clear();
    m_host.setPictureAreaVisible(true);
    if (list.empty()) {
        m_host.showAreaPicture({});
        return;
    }
    std::string first = picturePath(list.at(0));
    m_host.showAreaPicture(fileExists(first) ? first : std::string());
    if (m_state.currentIndex >= list.size())
        m_state.currentIndex = 0;
    if (m_host.isLabelVisible(Label::GdArea1))
        m_host.setLabelText(Label::GdArea1, pictureName(list.at(m_state.currentIndex)));
}

}  // namespace lotavo
