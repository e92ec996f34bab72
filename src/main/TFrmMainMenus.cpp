// The menus of the draw screen, window mode and the commands that open other windows.
#include "main/TFrmMain.h"

#include "present/KeyMap.h"
#include "present/QtText.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/Pictures.h"
#include "present/TFrmAniPop.h"
#include "present/TfrmZJSList.h"
#include "setup/TfrmControlPan.h"
#include "setup/TTemporary.h"
#include "setup/TfrmJXName.h"
#include "setup/TfrmWizard.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <cstdio>

namespace lotavo::ui {

namespace {

QAction* item(QMenu* menu, const char* objectName, const char* caption)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

}  // namespace

QMenu* TFrmMain::buildToolsMenu(QWidget* parent, bool lastItemReadsAdd)
{
    auto* tools = new QMenu(QStringLiteral("工具"), parent);
    QAction* fullScreen = item(tools, "N41", "满屏显示         F11键");
    connect(fullScreen, &QAction::triggered, this, &TFrmMain::N41Click);
    for (QAction*& slot : switchItems)
        if (!slot) {
            slot = fullScreen;
            break;
        }
    connect(item(tools, "N35", "暂停抽奖       Pause键"), &QAction::triggered, this, &TFrmMain::N35Click);
    connect(item(tools, "N129", "权限"), &QAction::triggered, this, &TFrmMain::N129Click);
    connect(item(tools, "N13", "重新抽奖"), &QAction::triggered, this, &TFrmMain::N13Click);
    connect(item(tools, "N59", "显示滚动字幕    HOME键"), &QAction::triggered, this, &TFrmMain::N59Click);
    QAction* temporary = item(tools, "N64", lastItemReadsAdd ? "增加临时奖级" : "临时增加奖级");
    connect(temporary, &QAction::triggered, this, &TFrmMain::N64Click);
    return tools;
}

QMenu* TFrmMain::buildMainMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    QMenu* face = menu->addMenu(QStringLiteral("界面"));
    face->setObjectName(QStringLiteral("File1"));
    QMenu* templates = face->addMenu(QStringLiteral("界面模板"));
    addTemplateItems(templates);
    addTitleMenu(face);
    QMenu* roll = face->addMenu(QStringLiteral("滚动区"));
    addRollingAreaItems(roll);
    addBottomMenu(face);
    addFloatingMenu(face);
    QMenu* backgrounds = face->addMenu(QStringLiteral("背景画面"));
    addBackgroundItems(backgrounds);
    QMenu* sounds = face->addMenu(QStringLiteral("抽奖声音"));
    addSoundItems(sounds);
    addDecorationMenus(face);
    addDesignItem(face);
    connect(item(face, "N61", "关闭程序"), &QAction::triggered, this, &TFrmMain::N34Click);

    QMenu* setup = menu->addMenu(QStringLiteral("设定"));
    setup->setObjectName(QStringLiteral("N8"));
    connect(item(setup, "N44", "设置向导"), &QAction::triggered, this, &TFrmMain::N44Click);
    connect(item(setup, "N9", "查看名单"), &QAction::triggered, this, &TFrmMain::N9Click);
    connect(item(setup, "N36", "奖级细节"), &QAction::triggered, this, &TFrmMain::N36Click);
    connect(item(setup, "N28", "高级设定"), &QAction::triggered, this, &TFrmMain::N28Click);
    connect(item(setup, "N22", "查看中奖结果"), &QAction::triggered, this, &TFrmMain::N22Click);

    menu->addMenu(buildToolsMenu(menu, false));

    QMenu* help = menu->addMenu(QStringLiteral("帮助"));
    help->setObjectName(QStringLiteral("Help1"));
    connect(item(help, "Readme1", "软件使用帮助"), &QAction::triggered, this, &TFrmMain::Readme1Click);
    connect(item(help, "About1", "关于本程序"), &QAction::triggered, this, &TFrmMain::About1Click);
    connect(item(menu, "N34", "关闭程序"), &QAction::triggered, this, &TFrmMain::N34Click);
    return menu;
}

void TFrmMain::createMenus()
{
    PopupMenu = buildMainMenu(this);
    createTextMenus();
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu->popup(mapToGlobal(at)); });
}

void TFrmMain::addMenuButtons(QToolBar* bar)
{
    bar->setFocusPolicy(Qt::NoFocus);
    // Readable over any wallpaper.
    bar->setStyleSheet(QStringLiteral("QToolBar { background: rgba(250, 246, 240, 225); border: none; }"
                                      "QToolButton { color: #202020; padding: 1px 8px; }"));
    const QList<QAction*> branches = PopupMenu->actions();
    for (int i = 0; i < 4 && i < branches.size(); ++i) {
        QMenu* branch = branches[i]->menu();
        if (i == 2)
            branch = buildToolsMenu(bar, true);
        auto* button = new QToolButton(bar);
        button->setText(branches[i]->text());
        button->setMenu(branch);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setFocusPolicy(Qt::NoFocus);
        bar->addWidget(button);
    }
    // The window mode and the lock have changed the menus made before.
    updateSwitchCaptions(switchItems.front()->text());
    if (m_locked)
        applyMenuLock();
}

void TFrmMain::ensureToolBar()
{
    if (ToolBar1)
        return;
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    addMenuButtons(ToolBar1);
    ToolBar1->setGeometry(0, 0, width(), ToolBar1->sizeHint().height());
    ToolBar1->setVisible(!m_fullScreen);
    ToolBar1->raise();
}

void TFrmMain::ensureControlBar()
{
    if (ControlBar1)
        return;
    ControlBar1 = new QWidget(this);
    ControlBar1->setObjectName(QStringLiteral("ControlBar1"));
    ControlBar1->setGeometry(-2, -2, 238, 22);
    ControlBar1->hide();
    ToolBar2 = new QToolBar(ControlBar1);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setIconSize(QSize(12, 12));
    addMenuButtons(ToolBar2);
    ToolBar2->addSeparator();
    auto small = [this](const char* name, const char* hint, QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(ToolBar2);
        button->setObjectName(QString::fromLatin1(name));
        button->setToolTip(QString::fromUtf8(hint));
        button->setIcon(style()->standardIcon(icon));
        button->setFocusPolicy(Qt::NoFocus);
        ToolBar2->addWidget(button);
        return button;
    };
    connect(small("SpeedButton2", "最小化", QStyle::SP_TitleBarMinButton), &QToolButton::clicked, this,
            &TFrmMain::SpeedButton2Click);
    connect(small("SpeedButton3", "恢复正式窗口", QStyle::SP_TitleBarNormalButton), &QToolButton::clicked, this,
            &TFrmMain::SpeedButton3Click);
    connect(small("SpeedButton1", "关闭", QStyle::SP_TitleBarCloseButton), &QToolButton::clicked, this,
            &TFrmMain::N34Click);
    ToolBar2->adjustSize();
    ControlBar1->resize(std::max(238, ToolBar2->width()), ToolBar2->height());
}

void TFrmMain::updateSwitchCaptions(const QString& caption)
{
    for (QAction* action : switchItems)
        if (action)
            action->setText(caption);
}

void TFrmMain::WindowsState(int mode)
{
    if (mode == 1) {
        m_fullScreen = false;
        ensureToolBar();
        updateSwitchCaptions(QStringLiteral("满屏显示"));
        ToolBar1->show();
        ToolBar1->raise();
        if (m_settings.readBool("Option", "ImgStretch", false))
            ImgBG->setStretch(true);
        SetTaskbar(true);
        if (ControlBar1)
            ControlBar1->hide();
        m_settings.writeInteger("Option", "WindowMode", 1);
        if (isVisible())
            showMaximized();
        activateWindow();
    } else if (mode == 2) {
        m_fullScreen = true;
        SetTaskbar(false);
        if (isVisible())
            showFullScreen();
        activateWindow();
        if (ControlBar1)
            ControlBar1->hide();
        if (ToolBar1)
            ToolBar1->hide();
        if (m_settings.readBool("Option", "ImgStretch", false))
            ImgBG->setStretch(true);
        updateSwitchCaptions(QStringLiteral("正常窗口显示"));
        m_settings.writeInteger("Option", "WindowMode", 2);
    }
}

// A full-screen window covers the desktop's panels here; there is no task bar to hide.
void TFrmMain::SetTaskbar(bool) {}

void TFrmMain::N41Click()
{
    if (m_fullScreen) {
        WindowsState(1);
        return;
    }
    WindowsState(2);
    showFadingMessage(QStringLiteral("按下F11键恢复正常窗口\r\r鼠标移动至屏幕左上角,可使用隐藏菜单"), 1);
}

void TFrmMain::N35Click()
{
    postKeyPress(this, m_engine->options().keys.pauseKey);
}

void TFrmMain::N13Click()
{
    m_engine->redraw();
}

void TFrmMain::N59Click()
{
    postKeyPress(this, m_engine->options().keys.awardScreenKeyS);
}

void TFrmMain::N34Click()
{
    close();
}

void TFrmMain::runDialogCommand(const std::function<void()>& dialog)
{
    m_engine->pauseSw(true);
    dialog();
    m_engine->pauseSw(false);
    takeKeyboardBack();
}

void TFrmMain::N44Click()
{
    m_engine->pauseSw(true);
    const SessionState& st = m_engine->state();
    bool drawUnderWay = m_settings.readInteger("Number", "AllJJ", 1) != st.currentLevel || !st.results.empty();
    if (drawUnderWay &&
        messageBox(this,
                   QStringLiteral("抽奖中途打开“设置向导”功能将会重新抽奖，确认要打开吗？\r\r"
                                  "建议打开“工具”菜单下“重新抽奖”进行始初化操作 "),
                   QStringLiteral("警告"), MessageButtons::YesNo, MessageIcon::Exclamation) != MessageAnswer::Yes) {
        m_engine->pauseSw(false);
        return;
    }
    m_engine->returnToFirstLevel();
    {
        TfrmWizard wizard(m_settings, m_folder, *this, this);
        wizard.exec();
    }
    // Whatever the wizard changed, the draw starts over from it.
    for (int i = 1; i < kRollingLabels; ++i)
        LblGdArea[static_cast<size_t>(i)]->hide();
    m_engine->startNewSession();
    refreshRollingLabels();
    m_engine->pauseSw(false);
    takeKeyboardBack();
}
void TFrmMain::N9Click()
{
    runDialogCommand([this] {
        std::string working = m_folder.file("TempEdit.txt");
        std::string error = saveJoinedLines(m_engine->state().drawList.joined(), working);
        if (!error.empty()) {
            messageBox(this, QStringLiteral("抽奖名单无法保存: %1").arg(fromPath(error)), QStringLiteral("错误"),
                       MessageButtons::Ok, MessageIcon::Error);
            return;
        }
        {
            TfrmJXName editor(m_settings, m_folder, TfrmJXName::Host::DrawScreen, this);
            const std::string& listFile = m_engine->state().currentListFile;
            editor.setWindowTitle(QStringLiteral("编辑抽奖名单 ") + QFileInfo(fromPath(listFile)).fileName());
            editor.loadFile(working);
            editor.setListFile(listFile);
            editor.setRandomGenerator(&m_engine->random());
            editor.setOnMainListSaved([this] { m_engine->reloadDrawList(); });
            editor.exec();
        }
        std::remove(working.c_str());
        if (m_engine->options().mode == 3)
            m_engine->prizeListEdited();
        else
            refreshRollingLabels();
    });
}

void TFrmMain::N64Click()
{
    runDialogCommand([this] {
        TTemporary dialog(m_settings, m_folder, *this, this);
        if (dialog.exec() == QDialog::Accepted)
            m_engine->startTemporaryLevel();
    });
}

void TFrmMain::N22Click()
{
    runDialogCommand([this] {
        // The viewer reads the results file: saved now, it shows the results as they are.
        if (!m_engine->saveResults())
            return;
        TfrmZJSList viewer(m_settings, m_folder, m_engine->state().resultsFileName, this);
        viewer.exec();
    });
}

void TFrmMain::N28Click()
{
    if (m_engine->state().drawList.empty()) {
        messageBox(this, QStringLiteral("您的抽奖名单为空白,请录入名单后进入本功能"), QStringLiteral("提示"),
                   MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    runDialogCommand([this] {
        TfrmControlPan panel(m_settings, m_folder, *this, this);
        panel.exec();
        refreshRollingLabels();
    });
}

void TFrmMain::About1Click()
{
    runDialogCommand([this] {
        QMessageBox::about(this, QStringLiteral("关于本程序"),
                           QStringLiteral("Lotavo软件 版本 5.4\n\n年会、庆典与促销活动的现场抽奖程序。"));
    });
}

void TFrmMain::Readme1Click()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(fromPath(m_folder.file("help.chm"))));
}

void TFrmMain::SpeedButton2Click()
{
    showMinimized();
    SetTaskbar(true);
}

void TFrmMain::SpeedButton3Click()
{
    if (m_fullScreen)
        WindowsState(1);
}

void TFrmMain::ImgBGClick()
{
    if (m_settings.readBool("Option", "MouseOnClick", true))
        postKeyPress(this, m_engine->options().keys.space1);
}

void TFrmMain::ImgBGMouseMove(const QPoint& position)
{
    if (!m_fullScreen)
        return;
    bool inCorner = position.x() < 245 && position.y() < 22;
    if (inCorner)
        ensureControlBar();
    else if (!ControlBar1)
        return;
    ControlBar1->setVisible(inCorner);
    if (inCorner)
        ControlBar1->raise();
}

void TFrmMain::mouseMoveEvent(QMouseEvent* event)
{
    ImgBGMouseMove(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event)
{
    // What the first frame does not need is made after it.
    if (watched == ImgBG && event->type() == QEvent::Paint && !m_firstFramePainted) {
        m_firstFramePainted = true;
        QTimer::singleShot(0, this, &TFrmMain::createAfterFirstFrame);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
        lblMainCaptionMouseMove(widget);
    if (widget && event->type() == QEvent::MouseMove && watched == ImgBG)
        ImgBGMouseMove(widget->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()));
    bool clickable = watched == ImgBG || watched == imgAward || watched == imgGDPicArea || qobject_cast<QLabel*>(watched) ||
                     watched->property("tag").toInt() == 3;  // an inserted picture
    if (clickable && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && !m_engine->state().design)
        ImgBGClick();
    return QWidget::eventFilter(watched, event);
}

}  // namespace lotavo::ui
