// Design mode of the draw screen: while Ctrl is held the roll halts and the element under
// the mouse can be dragged and sized on the grid; the places are stored when Ctrl is released.
#include "main/TFrmMain.h"

#include "draw/AtomicFile.h"
#include "main/settings/IniStore.h"
#include "main/settings/ScreenLayout.h"
#include "present/CommonDialogs.h"
#include "present/DesignStatusLabel.h"
#include "present/KeyMap.h"
#include "present/MoverSizer.h"
#include "present/Pictures.h"
#include "present/QtText.h"
#include "present/SmoothLabel.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace lotavo::ui {

namespace {

const char* kLayout = "frmMainLabel";

std::string rollingName(size_t index)
{
    return "LblGdArea" + std::to_string(index + 1);
}

}  // namespace

void TFrmMain::createDesignComponents()
{
    Resizer1 = new MoverSizer(this);
    imgAward->setMouseTracking(true);
    Panel1->setMouseTracking(true);
    Panel1->installEventFilter(this);
    // The picture area is moved as a whole, its picture is only its filling.
    imgGDPicArea->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TFrmMain::addDesignItem(QMenu* face)
{
    N45 = face->addAction(QStringLiteral("设计状态   Ctrl键"));
    N45->setObjectName(QStringLiteral("N45"));
    N45->setCheckable(true);
    connect(N45, &QAction::triggered, this, &TFrmMain::N45Click);
}

// The menu goes through the key messages, so design mode starts and ends exactly as with Ctrl.
void TFrmMain::N45Click()
{
    bool entering = !m_engine->state().design;
    auto* key = new QKeyEvent(entering ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    QCoreApplication::postEvent(this, key);
    N45->setChecked(entering);
}

bool TFrmMain::isDesignable(QObject* object) const
{
    if (object == imgAward || object == Panel1)
        return true;
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || widget->parentWidget() != this || widget == lblDesignStatus)
        return false;
    if (qobject_cast<SmoothLabel*>(widget))
        return true;
    if (std::find(LblGdArea.begin(), LblGdArea.end(), widget) != LblGdArea.end())
        return true;
    return widget->property("tag").toInt() == 3;
}

void TFrmMain::lblMainCaptionMouseMove(QWidget* control)
{
    if (m_engine->state().design && isDesignable(control))
        Resizer1->attach(control);
}

void TFrmMain::enterDesignMode(bool showInsideTexts)
{
    Resizer1->setGrid(m_settings.readInteger("Option", "GridX", 5), m_settings.readInteger("Option", "GridY", 5));
    Resizer1->setActive(true);
    // Made at the first use: the start of the program need not wait for its font and effect.
    if (!lblDesignStatus) {
        // Lower than the classic place: the glyphs of the 37-pixel font are taller than its 39-pixel box.
        lblDesignStatus = createDesignStatusLabel(this, QPoint(8, 24), QPalette::WindowText, 140);
        lblDesignStatus->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    lblDesignStatus->show();
    lblDesignStatus->raise();
    N45->setChecked(true);
    // The background click stays detached: the click handler asks the design flag.
    if (showInsideTexts && m_engine->state().currentLevel != 0)
        ShowInsideText(true);
}

void TFrmMain::leaveDesignMode()
{
    SaveScreenToIni();
    writePrizePictureKeys();
    saveDecorations();
    Resizer1->setActive(false);
    update();
    if (lblDesignStatus)
        lblDesignStatus->hide();
    N45->setChecked(false);
    if (m_insideTextsShown)
        ShowInsideText(false);
}

// The numbers tell the rolling labels apart while they are arranged; their texts come back
// afterwards.
void TFrmMain::ShowInsideText(bool show)
{
    m_insideTextsShown = show;
    for (size_t i = 0; i < LblGdArea.size(); ++i) {
        QLabel* label = LblGdArea[i];
        std::string key = rollingName(i) + "Caption";
        if (show) {
            m_settings.writeString(kLayout, key, toGbk(label->text()));
            if (label->isVisibleTo(this))
                label->setText(QString::number(i + 1));
        } else if (label->isVisibleTo(this)) {
            label->setText(fromGbk(m_settings.readString(kLayout, key, "")));
        }
    }
}

void TFrmMain::saveRollingLabelPositions(int level)
{
    SavelblGdAreaPos(level);
}

void TFrmMain::loadRollingLabelPositions(int level)
{
    LoadlblGdAreaPos(level);
}

std::string TFrmMain::rollingPositionFile(int level) const
{
    return m_folder.file(std::to_string(level) + "GdPos.Ini");
}

void TFrmMain::SavelblGdAreaPos(int level)
{
    IniStore positions(rollingPositionFile(level));
    for (size_t i = 0; i < LblGdArea.size(); ++i) {
        std::string name = rollingName(i);
        std::string error = positions.writeString(name, "Name", name);
        if (error.empty())
            error = positions.writeInteger(name, "left", LblGdArea[i]->x());
        if (error.empty())
            error = positions.writeInteger(name, "top", LblGdArea[i]->y());
        if (!error.empty()) {
            showErrorMessage(QStringLiteral("滚动区位置无法保存: %1").arg(QString::fromStdString(error)));
            return;
        }
    }
}

void TFrmMain::LoadlblGdAreaPos(int level)
{
    std::string path = rollingPositionFile(level);
    if (!fileExists(path))
        return;
    IniStore positions(path);
    for (size_t i = 0; i < LblGdArea.size(); ++i) {
        std::string name = rollingName(i);
        placeInScreen(LblGdArea[i], positions.readInteger(name, "left", 1), positions.readInteger(name, "top", 1),
                      height() - 50);
    }
}

}  // namespace lotavo::ui
