#pragma once

#include "draw/DrawHost.h"
#include "draw/Gbk.h"

#include <array>
#include <deque>
#include <set>
#include <string>
#include <vector>

namespace lotavo::test {

// A draw screen that records what the engine shows and answers with what a test queued.
class FakeHost : public DrawHost {
public:
    struct Message {
        std::string text, caption;  // UTF-8, for readable assertions
        MessageButtons buttons;
        MessageIcon icon;
    };

    FakeHost()
    {
        visible.fill(true);
        for (int i = 1; i < kRollingLabels; ++i)
            visible[static_cast<size_t>(i)] = false;
    }

    MessageAnswer showMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                              MessageIcon icon, int) override
    {
        messages.push_back({gbk::toUtf8(text), gbk::toUtf8(caption), buttons, icon});
        if (!answers.empty()) {
            MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::No
                                                                                            : MessageAnswer::Ok;
    }
    void setLabelText(Label label, std::string_view text) override { texts[static_cast<size_t>(label)] = text; }
    void setLabelVisible(Label label, bool v) override { visible[static_cast<size_t>(label)] = v; }
    bool isLabelVisible(Label label) const override { return visible[static_cast<size_t>(label)]; }
    void setRollTimerEnabled(bool enabled) override { rollTimer = enabled; }
    void setAutoPressTimer(bool enabled, int interval) override { autoTimer = enabled; autoInterval = interval; }
    void postStartStopPress() override { ++postedPresses; }
    void playSound(const std::string& path, bool loop) override { sounds.push_back(path + (loop ? " loop" : " once")); }
    void stopSounds() override { sounds.push_back("stop"); }
    void showFullScreenPicture(const std::string& path) override { pictures.push_back(path); }
    void setBackground(const std::string& path) override { background = path; }
    std::vector<size_t> showWinners(const WinnerPopup& popup) override
    {
        popups.push_back(*popup.lines);
        popupLevels.push_back(popup.level);
        std::vector<size_t> struck;
        if (!strikeOuts.empty()) {
            struck = strikeOuts.front();
            strikeOuts.pop_front();
        }
        return struck;
    }
    bool confirmPress(size_t winners, bool lastPress) override
    {
        confirmations.push_back(winners);
        if (confirmAnswers.empty())
            return true;
        bool a = confirmAnswers.front();
        confirmAnswers.pop_front();
        return a;
    }
    PictureShown showRollingPicture(const std::string& path) override
    {
        if (undecodable.count(path))
            return PictureShown::Undecodable;
        if (notReady.count(path))
            return PictureShown::NotReady;
        rolledPictures.push_back(path);
        return PictureShown::Shown;
    }
    void preparePictures(const std::vector<std::string>& paths) override { prepared = paths; }
    void showAreaPicture(const std::string& path) override { areaPictures.push_back(path); }
    void setPictureAreaVisible(bool v) override { pictureArea = v; }
    void savePictureArea() override { ++pictureAreaSaves; }
    void setPrizePicture(const std::string& path, bool inPopup) override
    {
        prizePictures.push_back(path + (inPopup ? " pop" : " screen"));
    }
    void showEndOfLevelPopup() override { ++endOfLevelPopups; }
    void openAwardScreen(const EntryList& lines) override { awardScreens.push_back(lines); }
    void requestTerminate() override { terminateRequested = true; }

    std::string text(Label label) const { return gbk::toUtf8(texts[static_cast<size_t>(label)]); }
    const Message* lastMessage() const { return messages.empty() ? nullptr : &messages.back(); }

    std::array<std::string, 16> texts;
    std::array<bool, 16> visible {};
    bool rollTimer = false;
    bool autoTimer = false;
    int autoInterval = 0;
    int postedPresses = 0;
    bool terminateRequested = false;
    std::string background;
    std::vector<std::string> sounds, pictures;
    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
    std::vector<EntryList> popups;
    std::vector<int> popupLevels;
    std::deque<std::vector<size_t>> strikeOuts;
    std::deque<bool> confirmAnswers;
    std::vector<size_t> confirmations;
    std::vector<EntryList> awardScreens;
    std::set<std::string> undecodable, notReady;   // picture paths
    std::vector<std::string> rolledPictures, prepared, areaPictures, prizePictures;
    bool pictureArea = false;
    int pictureAreaSaves = 0;
    int endOfLevelPopups = 0;
};

}  // namespace lotavo::test
