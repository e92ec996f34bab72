#pragma once

#include "draw/ListFile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lotavo {

// The elements of the draw screen the engine writes to.
enum class Label {
    GdArea1, GdArea2, GdArea3, GdArea4, GdArea5, GdArea6, GdArea7, GdArea8, GdArea9, GdArea10,
    Stat, Level, Award, TipCaption, Hint, Pause,
};
constexpr int kRollingLabels = 10;
constexpr Label rollingLabel(int index) { return static_cast<Label>(index); }  // 0-based

enum class MessageIcon { None, Information, Warning, Question, Error, Exclamation };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// What became of a rolling picture of the picture draw.
enum class PictureShown { Shown, NotReady, Undecodable };

// The winners of a press as the pop-up shows them.
struct WinnerPopup {
    int level = 0;             // the arrangement file: <level>Pos.Ini, 0Pos.Ini for a temporary level
    const EntryList* lines;    // display text of the winners
    bool strikeOutAllowed;     // confirmation mode: the operator may strike out absent winners
};

// What the engine needs of the windows around it. The draw screen implements it; tests and
// the rehearsal command implement it with a recording fake. All texts are GBK.
class DrawHost {
public:
    virtual ~DrawHost() = default;

    // A message box; `defaultButton` is 0-based. Modal.
    virtual MessageAnswer showMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                                      MessageIcon icon, int defaultButton = 0) = 0;

    // Set and repaint at once.
    virtual void setLabelText(Label label, std::string_view text) = 0;
    virtual void setLabelVisible(Label label, bool visible) = 0;
    virtual bool isLabelVisible(Label label) const = 0;

    virtual void setRollTimerEnabled(bool enabled) = 0;
    virtual void setRollTimerInterval(int milliseconds) { (void)milliseconds; }
    virtual void setAutoPressTimer(bool enabled, int intervalMilliseconds) = 0;
    // An automatic press: a press and release of the start/stop key, delivered later.
    virtual void postStartStopPress() {}

    virtual void playSound(const std::string& path, bool loop) = 0;
    virtual void stopSounds() = 0;

    // Shows a picture full-screen and returns when it is closed.
    virtual void showFullScreenPicture(const std::string& path) = 0;
    virtual void setBackground(const std::string& path) { (void)path; }
    // An empty path clears the picture.
    virtual void setPrizePicture(const std::string& path, bool inPopup) { (void)path; (void)inPopup; }
    virtual void setPopupCaption(std::string_view text) { (void)text; }

    // Shows the winners modally; returns the indexes of the lines the operator struck out.
    virtual std::vector<size_t> showWinners(const WinnerPopup& popup) = 0;
    // The confirmation dialog of a press: true to keep the winners.
    virtual bool confirmPress(size_t winners, bool lastPress) = 0;
    virtual void showEndOfLevelPopup() {}

    // The picture area of the picture draw. A rolling picture is shown only when it is already
    // decoded: the roll never waits for a decoder. The roll names the pictures it will ask for
    // next, so that they can be decoded ahead.
    virtual PictureShown showRollingPicture(const std::string& path) { (void)path; return PictureShown::Undecodable; }
    virtual void preparePictures(const std::vector<std::string>& paths) { (void)paths; }
    // Shows this picture as soon as it is decoded, a placeholder when it cannot be; an empty
    // path clears the area.
    virtual void showAreaPicture(const std::string& path) { (void)path; }
    virtual void setPictureAreaVisible(bool visible) { (void)visible; }
    // Writes the area's position and size to the settings.
    virtual void savePictureArea() {}

    virtual void sizeRollingLabels(std::string_view longestEntry) { (void)longestEntry; }
    virtual void loadRollingLabelPositions(int level) { (void)level; }
    virtual void saveRollingLabelPositions(int level) { (void)level; }
    virtual void enterDesignMode(bool showInsideTexts) { (void)showInsideTexts; }
    virtual void leaveDesignMode() {}
    virtual void saveLayout() {}

    // Prints on the default printer; `withLevel` adds the level name to the heading.
    virtual void printLines(const EntryList& lines, bool withLevel) { (void)lines; (void)withLevel; }
    virtual void openAwardScreen(const EntryList& lines) { (void)lines; }
    virtual void toggleFullScreen() {}
    // The launcher keys: program 1 opened with its parameters; the presentation of the second
    // row as a slide show (parameters "/s" by default). Paths are UTF-8.
    virtual void launch(const std::string& program, const std::string& parameters) { (void)program; (void)parameters; }
    virtual void launchSlideShow(const std::string& presentation, const std::string& parameters)
    {
        (void)presentation;
        (void)parameters;
    }
    // The results changed (the floating winners window follows them).
    virtual void resultsChanged(const EntryList& results) { (void)results; }

    // The program should end once the current operation is over.
    virtual void requestTerminate() = 0;
};

}  // namespace lotavo
