#include "main/TFrmMain.h"

#include "draw/AtomicFile.h"
#include "draw/DisplayText.h"
#include "present/KeyMap.h"
#include "present/QtText.h"
#include "present/SmoothLabel.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/ListPrintJob.h"
#include "present/Pictures.h"
#include "present/ProgramLauncher.h"
#include "present/SoundPlayer.h"
#include "present/TAwardShow.h"
#include "present/TFrmAniPop.h"
#include "present/TfrmPicView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStyle>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QScopedValueRollback>

#include <utility>

namespace lotavo::ui {

TFrmMain::TFrmMain(IniStore& settings, ProgramFolder folder, Clock& clock, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_folder(std::move(folder)), m_sounds(std::make_unique<SoundPlayer>())
{
    setWindowTitle(QStringLiteral("Lotavo软件版"));
    setFocusPolicy(Qt::StrongFocus);
    // The draw screen takes raw keys: an input method must never swallow the start/stop key.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setMouseTracking(true);
    QRect work = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    setGeometry(work);

    m_engine = std::make_unique<DrawEngine>(m_settings, m_folder, *this, clock);
    createComponents();
    createMenus();

    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TFrmMain::Timer1Timer);
    Timer2 = new QTimer(this);
    connect(Timer2, &QTimer::timeout, this, &TFrmMain::Timer2Timer);
    Timer3 = new QTimer(this);
    connect(Timer3, &QTimer::timeout, this, &TFrmMain::Timer3Timer);
}

TFrmAniPop& TFrmMain::popup()
{
    if (m_pop)
        return *m_pop;
    m_pop = new TFrmAniPop(m_settings, m_folder, *m_sounds, this);
    m_pop->onShown = [this] {
        if (m_settings.readBool("Option", "AutoDown", false))
            Timer3->stop();
    };
    m_pop->onHidden = [this] {
        if (m_settings.readBool("Option", "AutoDown", false) && Timer3->interval() > 0)
            Timer3->start();
    };
    if (m_popCaption)
        m_pop->setCaptionText(*m_popCaption);
    if (m_popPrizePicture)
        m_pop->setPrizePicture(*m_popPrizePicture);
    m_pop->setSettingsLocked(m_locked);
    return *m_pop;
}

void TFrmMain::createAfterFirstFrame()
{
    ensureToolBar();
    ensureControlBar();
    popup();
    if (!m_pendingSound.isEmpty())
        m_sounds->play(std::exchange(m_pendingSound, QString()), m_pendingSoundLoops);
    // The pop-up's own preparations in a pass of their own, so that input is not held up
    // longer than one of them takes.
    QTimer::singleShot(0, this, [this] { m_pop->warmUp(); });
}

TFrmMain::~TFrmMain()
{
    // A job asked for at the last press still goes out before the program ends.
    waitForPrintJobs();
}

void TFrmMain::FormCreate()
{
    // Decoded and scaled on a worker while the screen is made: the first frame finds it ready.
    bool fullScreen = m_settings.readInteger("Option", "WindowMode", 1) == 2;
    ImgBG->preload(fromPath(m_engine->mainBackground()),
                   fullScreen && screen() ? screen()->geometry().size() : size());
    LoadConfig();
    // Engaged when the draw screen is up, so that its message shows over it; no menu can be
    // reached before.
    if (m_settings.readBool("Option", "LockEnable", false))
        QTimer::singleShot(0, this, [this] {
            if (!m_locked)
                Locka();
        });
    // The floating window opens once the draw screen is up, to stay above it.
    if (m_settings.readBool("FDWindow", "Open", false))
        QTimer::singleShot(0, this, [this] {
            if (!N43->isChecked())
                N43Click();
        });
    if (m_settings.readBool("Option", "AllBeginPicEnable", false))
        showFullScreenPicture(m_folder.resolve(m_settings.readString("Option", "AllBeginPic", "")));
    m_engine->startUp();
}

// ---- DrawHost ----

MessageAnswer TFrmMain::showMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                                    MessageIcon icon, int defaultButton)
{
    MessageAnswer answer =
        messageBox(isVisible() ? this : nullptr, fromGbk(text), fromGbk(caption), buttons, icon, defaultButton);
    takeKeyboardBack();
    return answer;
}

QWidget* TFrmMain::labelWidget(Label label) const
{
    switch (label) {
    case Label::Stat: return lblStat;
    case Label::Level: return lblLevel;
    case Label::Award: return lblAward;
    case Label::TipCaption: return lblTipCaption;
    case Label::Hint: return lblHint;
    case Label::Pause: return lblPause;
    default: return LblGdArea[static_cast<size_t>(label)];
    }
}

void TFrmMain::setLabelText(Label label, std::string_view text)
{
    QWidget* widget = labelWidget(label);
    if (auto* smooth = qobject_cast<SmoothLabel*>(widget))
        smooth->setText(fromGbk(text));
    else if (auto* plain = qobject_cast<QLabel*>(widget)) {
        plain->setText(fromGbk(text));
        // A winner shown in a label sized for the rolling text (the prize draw rolls codes
        // and ends on the prize name) must stay readable.
        int needed = plain->fontMetrics().horizontalAdvance(plain->text()) + 8;
        if (needed > plain->width())
            plain->resize(std::min(needed, width()), plain->height());
    }
    // Painted with the next pass of the event loop: the ten labels of a roll tick share one
    // paint instead of ten.
    widget->update();
}

void TFrmMain::setLabelVisible(Label label, bool visible)
{
    labelWidget(label)->setVisible(visible);
}

bool TFrmMain::isLabelVisible(Label label) const
{
    return labelWidget(label)->isVisibleTo(const_cast<TFrmMain*>(this));
}

void TFrmMain::setRollTimerEnabled(bool enabled)
{
    if (enabled && Timer1->interval() > 0)
        Timer1->start();
    else
        Timer1->stop();
}

void TFrmMain::setRollTimerInterval(int milliseconds)
{
    // An interval of 0 stops the roll, as a timer of 0 ms never fires.
    Timer1->setInterval(std::max(0, milliseconds));
}

void TFrmMain::setAutoPressTimer(bool enabled, int intervalMilliseconds)
{
    if (intervalMilliseconds > 0)
        Timer3->setInterval(intervalMilliseconds);
    if (enabled && Timer3->interval() > 0)
        Timer3->start();
    else
        Timer3->stop();
}

void TFrmMain::postStartStopPress()
{
    postKeyPress(this, m_engine->options().keys.space1);
}

void TFrmMain::playSound(const std::string& path, bool loop)
{
    // The sound system starts in some milliseconds the first frame should not wait for.
    if (!m_firstFramePainted) {
        m_pendingSound = fromPath(path);
        m_pendingSoundLoops = loop;
        return;
    }
    m_sounds->play(fromPath(path), loop);
}

void TFrmMain::stopSounds()
{
    m_pendingSound.clear();
    m_sounds->stop();
}

void TFrmMain::showFullScreenPicture(const std::string& path)
{
    if (!fileExists(path))
        return;
    TfrmPicView::showPicture(fromPath(path), m_engine->options().keys.space1,
                             m_settings.readBool("Option", "MouseOnClick", true), this);
    takeKeyboardBack();
}

void TFrmMain::setBackground(const std::string& path)
{
    // A level that keeps the picture does not decode it again, nor report a bad one twice.
    if (path == m_backgroundPath)
        return;
    m_backgroundPath = path;
    QString error;
    if (!ImgBG->load(fromPath(path), &error) && fileExists(path))
        messageBox(nullptr, error, QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
}

void TFrmMain::setPrizePicture(const std::string& path, bool inPopup)
{
    if (inPopup) {
        m_popPrizePicture = fromPath(path);
        if (m_pop)
            m_pop->setPrizePicture(*m_popPrizePicture);
        return;
    }
    if (path.empty() || !imgAward->load(fromPath(path)))
        imgAward->clear();
    applyPrizePictureKeys();
}

void TFrmMain::setPopupCaption(std::string_view text)
{
    m_popCaption = fromGbk(text);
    if (m_pop)
        m_pop->setCaptionText(*m_popCaption);
}

std::vector<size_t> TFrmMain::showWinners(const WinnerPopup& popup)
{
    const SessionState& st = m_engine->state();
    PopupContext context;
    context.longestEntry = display::longestEntry(st.drawList);
    context.serialCounter = st.serialCounter;
    context.levelTitle = st.levelCaption;
    context.mode = m_engine->options().mode;
    context.display = &m_engine->options().display;
    context.maxNumber = m_engine->options().maxNumber;
    std::vector<size_t> struck = this->popup().showWinners(popup, context);
    takeKeyboardBack();
    printPopupPress(popup, struck);
    return struck;
}

// After a window of its own closes, the draw screen takes the keyboard again: without a
// window manager nobody else would give it back, and the next Space would go nowhere.
void TFrmMain::takeKeyboardBack()
{
    if (!isVisible())
        return;
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void TFrmMain::saveLayout()
{
    SaveScreenToIni();
    writePrizePictureKeys();
    saveDecorations();
    // A pop-up never made has nothing of its own to keep.
    if (m_pop)
        m_pop->writeBack();
    if (m_engine->options().mode == 4)
        savePictureArea();
}

void TFrmMain::openAwardScreen(const EntryList& lines)
{
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        text << fromGbk(line);
    AwardScreenContext context {m_settings, m_folder, *m_sounds, m_awardMusic, lblMainCaption->text(),
                                m_engine->options().keys.awardScreenKeyO};
    TAwardShow::showLines(std::move(context), text, this);
    takeKeyboardBack();
}

void TFrmMain::toggleFullScreen()
{
    WindowsState(m_fullScreen ? 1 : 2);
}

void TFrmMain::launch(const std::string& program, const std::string& parameters)
{
    ProgramLauncher(fromPath(m_folder.path())).openProgram(fromPath(program), fromPath(parameters));
}

void TFrmMain::launchSlideShow(const std::string& presentation, const std::string& parameters)
{
    ProgramLauncher(fromPath(m_folder.path())).showPresentation(fromPath(presentation), fromPath(parameters));
}

void TFrmMain::requestTerminate()
{
    m_terminate = true;
    QTimer::singleShot(0, this, [this] { close(); });
}

// ---- keys and timers ----

// A left or right Shift, Ctrl or Alt assigned to a function is that key, the other side not.
static int assignedKeyOf(const QKeyEvent& event, const KeyOptions& k)
{
    return virtualKeyAmong(event, {k.space1, k.pauseKey, k.fullScreen, k.awardScreenKeyS, k.allKey, k.hotkey1,
                                   k.hotkey2});
}

void TFrmMain::keyPressEvent(QKeyEvent* event)
{
    if (int vk = assignedKeyOf(*event, m_engine->options().keys))
        FormKeyDown(vk);
    event->accept();
}

void TFrmMain::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its press but is released once, as on the keyboards the draw was
    // designed for: Qt's paired auto-repeat releases are not real releases.
    if (event->isAutoRepeat())
        return;
    if (int vk = assignedKeyOf(*event, m_engine->options().keys))
        FormKeyUp(vk);
    event->accept();
}

void TFrmMain::FormKeyDown(int virtualKey)
{
    // A key that reaches the screen while a press still shows its windows waits its turn:
    // the engine finishes one press before it takes the next key.
    if (m_handlingKey)
        return;
    {
        QScopedValueRollback guard(m_handlingKey, true);
        m_engine->keyDown(virtualKey);
    }
    // A release that came while the press still showed its windows counts once the press is
    // over, so the next press is not taken for a held key.
    if (int released = std::exchange(m_releasedDuringKey, 0))
        m_engine->keyUp(released);
}

void TFrmMain::FormKeyUp(int virtualKey)
{
    if (m_handlingKey) {
        m_releasedDuringKey = virtualKey;
        return;
    }
    m_engine->keyUp(virtualKey);
}

void TFrmMain::Timer1Timer()
{
    m_engine->rollTick();
}

void TFrmMain::Timer2Timer()
{
    if (!lblBtmChar || !pnlBtm)
        return;
    int x = lblBtmChar->x() - 2;
    if (x + lblBtmChar->width() < 0)
        x = pnlBtm->width();
    lblBtmChar->move(x, lblBtmChar->y());
}

void TFrmMain::Timer3Timer()
{
    postStartStopPress();
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    if (m_terminate) {
        event->accept();
        return;
    }
    if (m_closing || m_engine->closeRequest() == CloseDecision::Close) {
        m_closing = true;
        Timer1->stop();
        Timer3->stop();
        m_sounds->stop();
        SetTaskbar(true);
        event->accept();
        return;
    }
    event->ignore();
}

}  // namespace lotavo::ui
