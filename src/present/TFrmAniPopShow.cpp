// Showing, keys, clicks and closing of the winner pop-up.
#include "present/TFrmAniPop.h"
#include "draw/PrizeAttachmentKey.h"

#include "present/HotKeys.h"
#include "present/KeyMap.h"
#include "present/QtText.h"
#include "present/SmoothLabel.h"
#include "main/settings/IniStore.h"
#include "present/MoverSizer.h"
#include "present/Pictures.h"
#include "present/PopupEffect.h"
#include "present/SoundPlayer.h"
#include "present/WinnerArrangement.h"
#include "present/WinnerLabel.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>

namespace lotavo::ui {

std::vector<size_t> TFrmAniPop::showWinners(const WinnerPopup& popup, const PopupContext& context)
{
    if (m_showing)
        return {};
    static const EntryList kNoLines;
    const EntryList& lines = popup.lines ? *popup.lines : kNoLines;
    m_struck.clear();
    m_level = popup.level;
    m_levelTitle = fromGbk(context.levelTitle);
    m_confirm = popup.strikeOutAllowed;

    placeOnScreen();
    applyTranslucency();
    if (positionFileExists())
        LoadLabel(lines, context.maxNumber);
    else
        CreateLabel(lines, context);

    bool animate = m_settings.readBool("Option", "frmAniPopAniMateOnShow", true);
    QImage behind = animate ? backdrop() : QImage();
    FormShow(lines, context.mode);
    m_showing = true;
    // Not modal to the toolkit: a key released on the draw screen before the pop-up came up
    // must still reach it (through the filter below), or the first release would be lost.
    show();
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    if (animate) {
        // The snapshot needs the window shown; nothing is painted before the first frame.
        QImage content = m_content->grab().toImage();
        m_content->hide();
        m_effect->start(m_effectNow, std::move(content), std::move(behind), false,
            m_settings.readInteger("Option", "AniPopDelay", 80), m_settings.readInteger("Option", "AniMateStep", 50),
            [this] { m_content->show(); });
    }
    if (onShown)
        onShown();

    // Keys synthesized for the draw screen (the automatic press, a click on its background)
    // belong to the window in front, as they would in the system's input queue.
    if (m_mainWindow)
        m_mainWindow->installEventFilter(this);
    QEventLoop loop;
    m_loop = &loop;
    if (m_showing)
        loop.exec();
    m_loop = nullptr;
    return m_struck;
}

void TFrmAniPop::FormShow(const EntryList& lines, int mode)
{
    m_showTime.start();
    m_firstRelease = true;
    chooseEffect();
    playWinnerSound(lines, mode);
    updateMenuTexts();
    updateChecks();
    update();
}

void TFrmAniPop::chooseEffect()
{
    bool random = false;
    std::string name = m_settings.readString("Option", "AniMateDelay", "etSpike");
    std::optional<effects::Kind> named = effects::kindNamed(name, random);
    if (named || random)
        m_effectChoice = named;
    m_effectNow = m_effectChoice ? *m_effectChoice
                                 : static_cast<effects::Kind>(QRandomGenerator::global()->bounded(effects::kKindCount));
}

void TFrmAniPop::playWinnerSound(const EntryList& lines, int mode)
{
    m_sounds.stop();
    if (mode == 3 && !lines.empty()) {
        std::string prizeSound = m_settings.readString(
            "CreateAw", prize::attachmentKey(lines.front(), prize::Attachment::Sound), "");
        QString path = fromPath(m_folder.resolve(prizeSound));
        if (!prizeSound.empty() && QFileInfo(path).isFile()) {
            m_sounds.play(path, true);
            return;
        }
    }
    std::string stored = m_settings.readString("Option", "BackSound2", "");
    std::string path = stored.empty() ? m_folder.file("Sound\\sha.wav") : m_folder.resolve(stored);
    m_sounds.play(fromPath(path), false);
}

// What lies behind the window while it animates: the draw screen where it is, black around.
QImage TFrmAniPop::backdrop() const
{
    if (m_transparent)
        return QImage();
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    if (m_mainWindow && m_mainWindow->isVisible()) {
        QPainter painter(&image);
        painter.drawPixmap(m_mainWindow->mapToGlobal(QPoint(0, 0)) - geometry().topLeft(), m_mainWindow->grab());
    }
    return image;
}

int TFrmAniPop::assignedKeyOf(const QKeyEvent& event) const
{
    return virtualKeyAmong(event,
                           {hotKeyCode(m_settings, HotKey::StartStop), hotKeyCode(m_settings, HotKey::ClosePopup)});
}

void TFrmAniPop::keyPressEvent(QKeyEvent* event)
{
    if ((!m_showing || m_closing) && m_mainWindow) {
        QCoreApplication::sendEvent(m_mainWindow, event);
        return;
    }
    FormKeyDown(assignedKeyOf(*event));
    event->accept();
}

void TFrmAniPop::keyReleaseEvent(QKeyEvent* event)
{
    // The key that closed the window is released while it goes or after: that release belongs
    // to the draw screen, which waits for it before it takes the next press.
    if ((!m_showing || m_closing) && m_mainWindow) {
        QCoreApplication::sendEvent(m_mainWindow, event);
        return;
    }
    // A held key repeats its press only; Qt's paired auto-repeat releases are not real releases.
    if (!event->isAutoRepeat())
        FormKeyUp(assignedKeyOf(*event));
    event->accept();
}

void TFrmAniPop::FormKeyDown(int virtualKey)
{
    if (!m_showing || m_closing)
        return;
    if (virtualKey == vk::Control && !m_design)
        enterDesignMode();
    int closeKey = m_settings.readInteger("DownKey", "Space2", vk::Space);
    if (!m_design && m_mayClose && virtualKey == closeKey)
        closeWindow();
}

void TFrmAniPop::FormKeyUp(int virtualKey)
{
    if (!m_showing || m_closing)
        return;
    if (virtualKey == vk::Control)
        leaveDesignMode();
    if (m_settings.readBool("Option", "AniPopDelayTime", false)) {
        waitSinceShow(m_settings.readInteger("Option", "AniPopDelayTimeVal", 3000));
        if (!m_showing || m_closing)
            return;
    }
    m_mayClose = true;
    int startKey = m_settings.readInteger("DownKey", "Space1", vk::Space);
    if (m_settings.readBool("Option", "AniPopDelayClose", false) && virtualKey == startKey && m_firstRelease) {
        m_mayClose = false;
        m_firstRelease = false;
        waitSinceShow(m_settings.readInteger("Option", "AniPopDelayCloseVal", 3000));
        if (!m_showing || m_closing)
            return;
        postKeyPress(this, m_settings.readInteger("DownKey", "Space2", vk::Space));
        m_mayClose = true;
    }
    updateChecks();
}

// Waits with the windows still handling their events; ends early when the pop-up closes,
// so the draw does not hang on a wait of a window that is gone.
void TFrmAniPop::waitSinceShow(int milliseconds)
{
    while (m_showing && !m_closing && elapsedSinceShow() < milliseconds) {
        QEventLoop wait;
        m_waits.push_back(&wait);
        QTimer::singleShot(std::max(1, milliseconds - elapsedSinceShow()), &wait, &QEventLoop::quit);
        wait.exec();
        std::erase(m_waits, &wait);
    }
}

int TFrmAniPop::elapsedSinceShow() const
{
    return static_cast<int>(m_showTime.elapsed());
}

void TFrmAniPop::enterDesignMode()
{
    m_effect->finish();
    m_design = true;
    lblDesignStatus->show();
    lblDesignStatus->raise();
    setBackgroundTransparent(false);
    Resizer1->setGrid(m_settings.readInteger("Option", "GridX", 5), m_settings.readInteger("Option", "GridY", 5));
    Resizer1->setActive(true);
}

void TFrmAniPop::leaveDesignMode()
{
    m_design = false;
    Resizer1->setActive(false);
    lblDesignStatus->hide();
    update();
    setBackgroundTransparent(m_transparent);
    SaveLabelPos();
}

void TFrmAniPop::imgPopBGClick()
{
    if (m_settings.readBool("Option", "MouseOnClick", true))
        postKeyPress(this, m_settings.readInteger("DownKey", "Space2", vk::Space));
}

void TFrmAniPop::RzPanel1MouseMove(QWidget* control)
{
    if (m_design)
        Resizer1->attach(control);
}

void TFrmAniPop::imgAwardMouseMove(QWidget* control)
{
    if (m_design)
        Resizer1->attach(control);
}

bool TFrmAniPop::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mainWindow) {
        // While the window goes, keys are the draw screen's own again.
        if ((event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) || m_closing)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress)
            FormKeyDown(assignedKeyOf(*key));
        else if (!key->isAutoRepeat())
            FormKeyUp(assignedKeyOf(*key));
        return true;
    }
    auto* control = qobject_cast<QWidget*>(watched);
    auto* label = qobject_cast<WinnerLabel*>(watched);
    bool titleOrPrize = watched == lblCaption || watched == imgAward;
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (label)
            RzPanel1MouseMove(label);
        else if (titleOrPrize)
            imgAwardMouseMove(control);
        break;
    case QEvent::MouseButtonRelease: {
        // Handled here, so that it does not travel on to the window as a second click.
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_design || mouse->button() != Qt::LeftButton || !control->rect().contains(mouse->position().toPoint()))
            return true;
        if (label && m_confirm)
            LabelCheck(label);
        else
            imgPopBGClick();
        return true;
    }
    case QEvent::ContextMenu:
        if (watched == lblCaption) {
            PopupMenu2->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmAniPop::mouseReleaseEvent(QMouseEvent* event)
{
    // Reached while an effect covers the window.
    if (!m_design && event->button() == Qt::LeftButton)
        imgPopBGClick();
}

void TFrmAniPop::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_design || !m_showing)
        return;
    PopupMenu1->exec(event->globalPos());
}

void TFrmAniPop::closeEvent(QCloseEvent* event)
{
    // The window closes itself through closeWindow(); a close asked by the system ends the
    // showing the same way, whatever the may-close flag says.
    event->ignore();
    if (m_showing && !m_closing)
        closeWindow();
}

void TFrmAniPop::closeWindow()
{
    if (!m_showing || m_closing)
        return;
    m_closing = true;
    FormClose();
    m_effect->finish();
    for (QEventLoop* wait : m_waits)
        wait->quit();
    if (!m_settings.readBool("Option", "frmAniPopAniMateOnHide", true)) {
        finishHide();
        return;
    }
    QImage content = m_content->grab().toImage();
    m_content->hide();
    m_effect->start(m_effectNow, std::move(content), backdrop(), true, m_settings.readInteger("Option", "AniPopDelay", 80),
                    m_settings.readInteger("Option", "AniMateStep", 50), [this] { finishHide(); });
}

void TFrmAniPop::FormClose()
{
    m_mayClose = false;
}

void TFrmAniPop::finishHide()
{
    if (m_mainWindow)
        m_mainWindow->removeEventFilter(this);
    hide();
    m_content->show();
    m_showing = false;
    m_closing = false;
    FormHide();
    if (onHidden)
        onHidden();
    if (m_loop)
        m_loop->quit();
}

}  // namespace lotavo::ui
