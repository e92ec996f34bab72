#pragma once

#include "draw/DrawEngine.h"
#include "draw/DrawHost.h"
#include "draw/ProgramFolder.h"
#include "setup/DrawScreenLink.h"

#include <QPalette>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;
class QAction;

namespace lotavo {
class IniStore;
class Clock;
}

namespace lotavo::ui {

class MoverSizer;
class PictureRoller;
class PictureView;
class SmoothLabel;
class SoundPlayer;
class TFrmAniPop;
class TfrmFDWindow;

// The draw screen: the one main window. It owns the settings object and the draw engine,
// shows what the engine tells it, and hands every key to the engine first.
class TFrmMain : public QWidget, public DrawHost, public DrawScreenLink {
    Q_OBJECT
public:
    TFrmMain(IniStore& settings, ProgramFolder folder, Clock& clock, QWidget* parent = nullptr);
    ~TFrmMain() override;

    // The creation work that shows messages: settings load, session start, saved draw.
    void FormCreate();

    // DrawScreenLink
    DrawEngine& engine() override { return *m_engine; }
    void settingChanged(const std::string& section, const std::string& key) override;
    void refreshRollingLabels() override;

    // The winner pop-up, made after the first frame or when first needed.
    TFrmAniPop& popup();
    const SoundPlayer& sounds() const;
    TfrmFDWindow* floatingWindow() const;
    bool fullScreen() const { return m_fullScreen; }
    bool terminateRequested() const { return m_terminate; }

    // DrawHost
    MessageAnswer showMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                              MessageIcon icon, int defaultButton) override;
    void setLabelText(Label label, std::string_view text) override;
    void setLabelVisible(Label label, bool visible) override;
    bool isLabelVisible(Label label) const override;
    void setRollTimerEnabled(bool enabled) override;
    void setRollTimerInterval(int milliseconds) override;
    void setAutoPressTimer(bool enabled, int intervalMilliseconds) override;
    void postStartStopPress() override;
    void playSound(const std::string& path, bool loop) override;
    void stopSounds() override;
    void showFullScreenPicture(const std::string& path) override;
    void setBackground(const std::string& path) override;
    void setPrizePicture(const std::string& path, bool inPopup) override;
    void setPopupCaption(std::string_view text) override;
    std::vector<size_t> showWinners(const WinnerPopup& popup) override;
    bool confirmPress(size_t winners, bool lastPress) override;
    void showEndOfLevelPopup() override;
    void sizeRollingLabels(std::string_view longestEntry) override;
    PictureShown showRollingPicture(const std::string& path) override;
    void preparePictures(const std::vector<std::string>& paths) override;
    void showAreaPicture(const std::string& path) override;
    void setPictureAreaVisible(bool visible) override;
    void savePictureArea() override;
    void loadRollingLabelPositions(int level) override;
    void saveRollingLabelPositions(int level) override;
    void enterDesignMode(bool showInsideTexts) override;
    void leaveDesignMode() override;
    void saveLayout() override;
    void openAwardScreen(const EntryList& lines) override;
    void resultsChanged(const EntryList& results) override;
    void toggleFullScreen() override;
    void launch(const std::string& program, const std::string& parameters) override;
    void launchSlideShow(const std::string& presentation, const std::string& parameters) override;
    void printLines(const EntryList& lines, bool withLevel) override;
    void requestTerminate() override;

    // Window mode: 1 a regular maximised window, 2 full screen.
    void WindowsState(int mode);

    // Printing and the settings lock (TFrmMainPrint.cpp, TFrmMainLock.cpp)
    void Printmemo(const QStringList& lines, bool withLevel);
    void Locka();
    void N129Click();
    bool settingsLocked() const { return m_locked; }
    // The picture the picture area shows (empty for none or the placeholder).
    const QString& shownPicture() const { return m_shownPicture; }
    // The commands behind "插入文字" and "插入图片、徽标" once the operator has answered.
    void insertText(const QString& text);
    void insertPicture(const QString& path);
    // The commands behind "主程序背景更换", "弹出窗口背景更换", "设置转奖声音" and "设置中奖声音"
    // once a file is chosen; false (with a message) when the file cannot serve.
    bool changeMainBackground(const QString& path);
    bool changePopupBackground(const QString& path);
    bool changeRollSound(const QString& path);
    bool changeWinSound(const QString& path);

signals:
    // The picture area shows another picture.
    void pictureShown(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Creation and layout (TFrmMainLayout.cpp)
    void createComponents();
    void LoadConfig();
    void LoadScreenPixes(const std::string& layoutName);
    void ReadScreenConfig();
    void SaveScreenToIni();
    void SetGdlbl();
    void applySmoothLabel(SmoothLabel* label, const std::string& name);
    void placeInScreen(QWidget* widget, int left, int top, int badTop);
    void applyPrizePictureKeys();
    void writePrizePictureKeys();
    QWidget* labelWidget(Label label) const;

    // The end-of-level pop-up, the press confirmation and the per-level extras (TFrmMainPopups.cpp)
    void PopupForm();
    QRect winnersArea() const;
    void takeEarlierReleases(const std::vector<int>& keys);

    // Menus and commands (TFrmMainMenus.cpp)
    void createMenus();
    // The toolbar of the window mode and the hidden menu bar of the full screen are made
    // when they are first shown, or after the first frame.
    void ensureToolBar();
    void ensureControlBar();
    void addMenuButtons(QToolBar* bar);
    void applyMenuLock();
    QMenu* buildMainMenu(QWidget* parent);
    QMenu* buildToolsMenu(QWidget* parent, bool lastItemReadsAdd);
    void runDialogCommand(const std::function<void()>& dialog);
    void N41Click();
    void N35Click();
    void N13Click();
    void N59Click();
    void N34Click();
    void N44Click();
    void N9Click();
    void N36Click();
    void N28Click();
    void N22Click();
    void About1Click();
    void Readme1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void ImgBGClick();
    void ImgBGMouseMove(const QPoint& position);
    void SetTaskbar(bool show);
    void updateSwitchCaptions(const QString& caption);
    void printPopupPress(const WinnerPopup& popup, const std::vector<size_t>& struck);

    // Picture area of the picture draw (TFrmMainPictures.cpp)
    void showPictureNow(const QString& path, const QImage& image);
    void showPlaceholder(const QString& path);
    void pictureDecoded(const QString& path, bool ok);
    // Temporary level (TFrmMainMenus.cpp)
    void N64Click();

    // The floating winners window (TFrmMainFloating.cpp)
    void addFloatingMenu(QMenu* face);
    void N43Click();
    void N39Click();
    void N40Click();
    void AddGDWindow(const EntryList& results);

    // Design mode (TFrmMainDesign.cpp)
    void createDesignComponents();
    void addDesignItem(QMenu* face);
    void N45Click();
    bool isDesignable(QObject* object) const;
    void lblMainCaptionMouseMove(QWidget* control);
    void ShowInsideText(bool show);
    std::string rollingPositionFile(int level) const;
    void SavelblGdAreaPos(int level);
    void LoadlblGdAreaPos(int level);

    // Templates, the rolling area, backgrounds and sounds (TFrmMainLook.cpp)
    void addTemplateItems(QMenu* templates);
    void addRollingAreaItems(QMenu* roll);
    void addBackgroundItems(QMenu* backgrounds);
    void addSoundItems(QMenu* sounds);
    void applyTemplate(const QString& name, const std::string& background, const std::string& popupBackground);
    void N91Click();
    void N90Click();
    void N94Click();
    void N95Click();
    void N97Click();
    void N96Click();
    void MenuItem1Click();
    void N7Click();
    void N67Click();
    void N46Click();
    void N31Click();
    void N47Click();
    void N53Click();
    void setRollingBackColour(const QColor& colour);
    void setRollingAlignment(const char* stored, Qt::Alignment alignment);
    void showRollingAreaChecks();
    void Wall1Click();
    void N38Click();
    void N16Click();
    void N48Click();
    void N14Click();
    QString choosePictureOrSound(const QStringList& filters, const char* folder);
    // Texts of the draw screen: titles, bottom line, marquee (TFrmMainTexts.cpp) and the label
    // menu (TFrmMainLabelMenu.cpp)
    void addTitleMenu(QMenu* face);
    void addBottomMenu(QMenu* face);
    void createTextMenus();
    void createLabelMenu();
    void attachLabelMenu(QWidget* element);
    void writeSmoothLabelFont(SmoothLabel* label);
    void setPlainLabelsColour(QPalette::ColorRole role, const QColor& colour);
    void sizePlainLabelsToFont();
    QColor colourBehind(const QWidget* element) const;
    bool askText(QString& text, const QString& prompt);
    void showMarquee(bool shown);
    void setMarqueeInterval(int milliseconds);
    void centreMarqueeLabel();
    void N15Click();
    void N17Click();
    void N127Click();
    void bottomFontClick(SmoothLabel* label);
    void N72Click();
    void N73Click();
    void N74Click();
    void N75Click();
    void N100Click();
    void N101Click();
    void N102Click();
    void N103Click();
    void N108Click();
    void N109Click();
    void N2Click();
    void N3Click();
    void N1Click();
    void N4Click();
    void N5Click();

    // Inserted texts and pictures (TFrmMainDecorations.cpp)
    void addDecorationMenus(QMenu* face);
    int decorationCount(const char* key) const;
    std::string userLabelFile() const;
    SmoothLabel* createInsertedText(int i);
    PictureView* createInsertedPicture(int i);
    QRect keptOnScreen(QRect place) const;
    void LoadAALabel();
    void LoadAAPic();
    void applyDecorationChecks();
    void saveDecorations();
    void removeLastDecoration(const char* countKey, const std::string& name, const QString& noneLeft);
    void MenuItem4Click();
    void Logo1Click();
    void N37Click();
    void N49Click();
    void N57Click();
    void N70Click();

    // Timers
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    void takeKeyboardBack();
    void FormKeyDown(int virtualKey);
    void FormKeyUp(int virtualKey);

    IniStore& m_settings;
    ProgramFolder m_folder;
    std::unique_ptr<SoundPlayer> m_sounds;
    std::unique_ptr<DrawEngine> m_engine;
    // What the first frame does not need: the toolbars, the pop-up, the first sound.
    void createAfterFirstFrame();
    TFrmAniPop* m_pop = nullptr;
    // What the draw sets on the pop-up before it is made.
    std::optional<QString> m_popCaption;
    std::optional<QString> m_popPrizePicture;
    // A sound asked for before the first frame starts after it.
    QString m_pendingSound;
    bool m_pendingSoundLoops = false;

    // Components
    PictureView* ImgBG = nullptr;
    SmoothLabel* lblMainCaption = nullptr;
    SmoothLabel* lblMainCaption2 = nullptr;
    SmoothLabel* lblTipCaption = nullptr;
    SmoothLabel* lblLevel = nullptr;
    SmoothLabel* lblAward = nullptr;
    SmoothLabel* lblHint = nullptr;
    SmoothLabel* lblStat = nullptr;
    SmoothLabel* lblPause = nullptr;
    SmoothLabel* lblDesignStatus = nullptr;
    std::array<QLabel*, kRollingLabels> LblGdArea {};
    PictureView* imgAward = nullptr;
    QWidget* Panel1 = nullptr;
    PictureView* imgGDPicArea = nullptr;
    QWidget* pnlBtm = nullptr;
    QLabel* lblBtmChar = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QWidget* ControlBar1 = nullptr;
    QToolBar* ToolBar2 = nullptr;
    QMenu* PopupMenu = nullptr;
    std::array<QAction*, 3> switchItems {};  // N41, N133, MenuItem14
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;

    bool m_fullScreen = false;
    bool m_locked = false;
    bool m_terminate = false;
    bool m_closing = false;
    bool m_handlingKey = false;
    bool m_firstFramePainted = false;
    int m_releasedDuringKey = 0;
    std::string m_backgroundPath;
    QString m_awardMusic;  // the award screen's music, kept from one opening to the next
    QPointer<TfrmFDWindow> m_fdWindow;
    QAction* N43 = nullptr;
    PictureRoller* m_pictures = nullptr;
    QString m_shownPicture;
    QString m_wantedPicture;  // shown as soon as it is decoded
    MoverSizer* Resizer1 = nullptr;
    QAction* N45 = nullptr;
    QAction* N57 = nullptr;
    QAction* N70 = nullptr;
    bool m_insideTextsShown = false;
    QAction* N46 = nullptr;
    QAction* N31 = nullptr;
    QAction* N47 = nullptr;
    QAction* N53 = nullptr;
    QAction* N14 = nullptr;
    QMenu* pmuLabelMenu = nullptr;
    QMenu* btmPopMenu = nullptr;
    QAction* N100 = nullptr;
    QPointer<QWidget> m_labelMenuElement;  // the element the label menu was opened on
};

}  // namespace lotavo::ui
