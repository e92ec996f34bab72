// The menu "浮动中奖窗口" and the floating winners window following the results.
#include "main/TFrmMain.h"

#include "main/settings/IniStore.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "present/TfrmFDWindow.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QMenu>

namespace lotavo::ui {

void TFrmMain::addFloatingMenu(QMenu* face)
{
    QMenu* floating = face->addMenu(QStringLiteral("浮动中奖窗口"));
    // The main menu and the tool bar's copy share the one item, so both show the state.
    if (!N43) {
        N43 = new QAction(QStringLiteral("浮动窗口打开"), this);
        N43->setObjectName(QStringLiteral("N43"));
        N43->setCheckable(true);
        // The check mark follows the command, not the click.
        connect(N43, &QAction::triggered, this, [this] {
            N43->setChecked(!N43->isChecked());
            N43Click();
        });
    }
    floating->addAction(N43);
    QAction* colour = floating->addAction(QStringLiteral("浮动窗口背景颜色"));
    colour->setObjectName(QStringLiteral("N39"));
    connect(colour, &QAction::triggered, this, &TFrmMain::N39Click);
    QAction* font = floating->addAction(QStringLiteral("浮动窗口字体设置"));
    font->setObjectName(QStringLiteral("N40"));
    connect(font, &QAction::triggered, this, &TFrmMain::N40Click);
}

void TFrmMain::N43Click()
{
    if (!N43->isChecked()) {
        N43->setText(QStringLiteral("浮动窗口关闭"));
        N43->setChecked(true);
        m_fdWindow = new TfrmFDWindow(m_settings, this);
        m_fdWindow->onGiveFocusBack = [this] { takeKeyboardBack(); };
        m_fdWindow->onClosedByMenu = [this] {
            N43->setText(QStringLiteral("浮动窗口打开"));
            N43->setChecked(false);
        };
        m_fdWindow->show();
        m_settings.writeBool("FDWindow", "Open", true);
        return;
    }
    N43->setText(QStringLiteral("浮动窗口打开"));
    N43->setChecked(false);
    if (m_fdWindow)
        m_fdWindow->close();
    m_settings.writeBool("FDWindow", "Open", false);
}

// Both take effect at the next opening.
void TFrmMain::N39Click()
{
    QColor current = toQColor(m_settings.readInteger("FDWindow", "MemoColor", 11));
    QColor colour = QColorDialog::getColor(current, this, QStringLiteral("浮动窗口背景颜色"));
    if (colour.isValid())
        m_settings.writeInteger("FDWindow", "MemoColor", fromQColor(colour));
    takeKeyboardBack();
}

void TFrmMain::N40Click()
{
    QFont current = storedFont(fromGbk(m_settings.readString("FDWindow", "FontName", gbk::literal("宋体"))),
                               m_settings.readInteger("FDWindow", "FontSize", 16));
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, current, this, QStringLiteral("浮动窗口字体设置"));
    if (ok) {
        QColor colour = QColorDialog::getColor(toQColor(m_settings.readInteger("FDWindow", "FontColor", 1)), this,
                                               QStringLiteral("颜色"));
        m_settings.writeInteger("FDWindow", "FontSize", font.pointSize());
        if (colour.isValid())
            m_settings.writeInteger("FDWindow", "FontColor", fromQColor(colour));
        m_settings.writeString("FDWindow", "FontName", toGbk(font.family()));
    }
    takeKeyboardBack();
}

TfrmFDWindow* TFrmMain::floatingWindow() const
{
    return m_fdWindow;
}

void TFrmMain::resultsChanged(const EntryList& results)
{
    AddGDWindow(results);
}

void TFrmMain::AddGDWindow(const EntryList& results)
{
    if (!m_fdWindow || !N43->isChecked())
        return;
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(results.size()));
    for (const std::string& line : results)
        lines << fromGbk(line);
    m_fdWindow->setLines(lines);
    // Above the draw screen again: without a window manager nothing else keeps it there.
    m_fdWindow->raise();
}

}  // namespace lotavo::ui
