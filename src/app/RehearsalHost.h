#pragma once

#include "draw/DrawHost.h"

#include <array>
#include <map>
#include <string>

namespace lotavo {

// The screen of a rehearsal: messages go to the terminal, confirmations are answered
// "confirm", and the close question with what the operator chose on the command line.
class RehearsalHost final : public DrawHost {
public:
    RehearsalHost(bool saveListAtClose, bool resume);

    MessageAnswer showMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                              MessageIcon icon, int defaultButton) override;
    void setLabelText(Label label, std::string_view text) override;
    void setLabelVisible(Label label, bool visible) override;
    bool isLabelVisible(Label label) const override;
    void setRollTimerEnabled(bool) override {}
    void setAutoPressTimer(bool, int) override {}
    void playSound(const std::string&, bool) override {}
    void stopSounds() override {}
    void showFullScreenPicture(const std::string&) override {}
    std::vector<size_t> showWinners(const WinnerPopup&) override { return {}; }
    bool confirmPress(size_t, bool) override { return true; }
    PictureShown showRollingPicture(const std::string& path) override;
    void showAreaPicture(const std::string& path) override;
    void requestTerminate() override { m_terminateRequested = true; }

    // Whether the screen could show a picture; one it could not is reported once.
    bool showable(const std::string& path);

    bool terminateRequested() const { return m_terminateRequested; }
    // The program offered to continue a draw that ended without its close.
    bool resumeOffered() const { return m_resumeOffered; }
    // Warnings and errors shown so far: a rehearsal that met one did not run clean.
    int problems() const { return m_problems; }

private:
    bool m_saveListAtClose;
    bool m_resume;
    bool m_resumeOffered = false;
    bool m_terminateRequested = false;
    int m_problems = 0;
    std::array<bool, 16> m_visible {};
    std::map<std::string, bool> m_showable;  // picture path: could the screen show it

};

}  // namespace lotavo
