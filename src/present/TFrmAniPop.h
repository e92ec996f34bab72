#pragma once

#include "draw/DrawHost.h"
#include "draw/DrawOptions.h"
#include "draw/ProgramFolder.h"
#include "present/EffectFrames.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QEventLoop;
class QMenu;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

class MoverSizer;
class PictureView;
class PopupEffect;
class SmoothLabel;
class SoundPlayer;
class WinnerLabel;

// What the pop-up needs to know of the draw at the moment it shows a press.
struct PopupContext {
    std::string longestEntry;       // GBK, for the cell size of the automatic arrangement
    int serialCounter = 0;
    std::string levelTitle;         // GBK, for the menu texts
    int mode = 1;
    const DisplayOptions* display = nullptr;
    int maxNumber = 200;
};

// The full-screen window that presents the winners of a press (one instance for the run,
// created hidden). Arranges one label per winner, automatically or from the level's position
// file, animates, waits for the close key, and lets the operator strike out absent winners.
class TFrmAniPop : public QWidget {
public:
    TFrmAniPop(IniStore& settings, ProgramFolder folder, SoundPlayer& sounds, QWidget* mainWindow);

    // Shows the winners modally; returns the indexes (into popup.lines) of the winners the
    // operator struck out. Returns when the window has closed.
    std::vector<size_t> showWinners(const WinnerPopup& popup, const PopupContext& context);

    // The prize picture of the current level (empty clears it).
    void setPrizePicture(const QString& path);
    // The title (lblCaption) text.
    void setCaptionText(const QString& text);
    // Reads the title and arrangement keys of section frmMainLabel again (after a layout copy).
    void applyLayout();
    // Loads the background `imgPopBG` names again; false when it could not be shown (the
    // pop-up then shows its built-in background).
    bool reloadBackground();
    // Writes the title's text, place and font and the prize picture's bounds back to the
    // settings (when the program closes).
    void writeBack();
    // While the settings lock is engaged the arrangement and font commands are hidden.
    void setSettingsLocked(bool locked);
    // The background picture the pop-up shows on a screen of that width: the stored one, or
    // the default for the width, which is then stored (on the first run always the default).
    static std::string settledBackground(IniStore& settings, const ProgramFolder& folder, int screenWidth);
    // Readies what the first show would otherwise do while the audience waits: the background
    // scaled to the screen, the native window with its backing store touched, the winners'
    // font loaded. Called once the draw screen has painted its first frame.
    void warmUp();

    // Called when the pop-up shows and hides, so the draw screen can hold its automatic
    // presses while the pop-up is up, and print the press when it closes.
    std::function<void()> onShown;
    std::function<void()> onHidden;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Creation (TFrmAniPop.cpp)
    void createComponents();
    void FormCreate();
    void loadBackground();
    void applyPrizePictureKeys();
    void setBackgroundTransparent(bool transparent);
    void placeOnScreen();
    void applyTranslucency();

    // Showing, keys and closing (TFrmAniPop.cpp)
    void FormShow(const EntryList& lines, int mode);
    void playWinnerSound(const EntryList& lines, int mode);
    void chooseEffect();
    void startEffect(bool closing, std::function<void()> done);
    QImage backdrop() const;
    // The event's code, the left/right one when the start/stop or close key is that.
    int assignedKeyOf(const QKeyEvent& event) const;
    void FormKeyDown(int virtualKey);
    void FormKeyUp(int virtualKey);
    void enterDesignMode();
    void leaveDesignMode();
    void waitSinceShow(int milliseconds);
    int elapsedSinceShow() const;
    void imgPopBGClick();
    void RzPanel1MouseMove(QWidget* control);
    void imgAwardMouseMove(QWidget* control);
    void closeWindow();
    void FormClose();
    void finishHide();

    // Winner labels (TFrmAniPopLabels.cpp)
    void CreateLabel(const EntryList& lines, const PopupContext& context);
    void LoadLabel(const EntryList& lines, int maxNumber);
    WinnerLabel* addWinnerLabel(size_t index, const QString& text);
    void LabelCheck(WinnerLabel* label);
    void FormHide();
    void SaveLabelPos();
    std::string positionFilePath() const;
    bool positionFileExists() const;

    // Menus (TFrmAniPopMenus.cpp)
    void createMenus();
    void updateMenuTexts();
    void updateChecks();
    void N10Click();
    void N11Click();
    void N1Click();
    void N5Click();
    void N9Click();
    void N8Click();
    void alignLabels(int lcr);
    void N3Click();
    void N6Click();
    void N7Click();
    bool chooseWinnerFont(QFont& font);

    IniStore& m_settings;
    ProgramFolder m_folder;
    SoundPlayer& m_sounds;
    QWidget* m_mainWindow = nullptr;

    // Components
    QWidget* m_content = nullptr;  // everything the effects take a snapshot of
    PictureView* imgPopBG = nullptr;
    SmoothLabel* lblDesignStatus = nullptr;
    SmoothLabel* lblCaption = nullptr;
    PictureView* imgAward = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QMenu* PopupMenu2 = nullptr;
    QAction* N10 = nullptr;
    QAction* N11 = nullptr;
    QAction* N1 = nullptr;
    QAction* N2 = nullptr;
    QAction* N5 = nullptr;
    QAction* N9 = nullptr;
    QAction* N8 = nullptr;
    QAction* N4 = nullptr;
    QAction* N12 = nullptr;
    QAction* N13 = nullptr;
    QAction* N14 = nullptr;
    QAction* N3 = nullptr;
    QAction* N6 = nullptr;
    QAction* N7 = nullptr;
    MoverSizer* Resizer1 = nullptr;
    PopupEffect* m_effect = nullptr;
    std::vector<WinnerLabel*> m_labels;  // index = line of the press

    // State of one showing
    bool m_mayClose = false;
    bool m_firstRelease = true;
    QElapsedTimer m_showTime;
    bool m_showing = false;
    bool m_warm = false;  // see warmUp()
    bool m_closing = false;
    bool m_design = false;
    bool m_confirm = false;
    bool m_transparent = false;
    bool m_locked = false;
    int m_level = 0;
    QString m_levelTitle;
    std::vector<size_t> m_struck;
    QEventLoop* m_loop = nullptr;
    std::vector<QEventLoop*> m_waits;
    std::optional<effects::Kind> m_effectChoice;  // none: a random one each time
    effects::Kind m_effectNow = effects::Kind::Spike;
};

}  // namespace lotavo::ui
