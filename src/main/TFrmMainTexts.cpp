// The texts of the draw screen as the operator dresses them: the two title lines, the bottom
// line's words and fonts, and the marquee with its menu. Each command shows its change at once
// and writes it to the settings in the same step.
#include "main/TFrmMain.h"

#include "draw/Gbk.h"
#include "main/LayoutKeyWriter.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/FontChooser.h"
#include "present/QtText.h"
#include "present/SmoothLabel.h"
#include "present/TfrmTextEffect.h"

#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace lotavo::ui {

namespace {

const char* kLayout = "frmMainLabel";
const char* kOption = "Option";
constexpr int kInsertedTextTag = 2;
constexpr int kMarqueePanelHeight = 42;
// The marquee moves 2 pixels a tick: faster than every 10 ms is a blur, and a stored interval
// of 0 or less would stop it for good.
constexpr int kFastestMarquee = 10;
const QString kTextPrompt = QStringLiteral("请输入文字内容 ");

QAction* item(QMenu* menu, const char* objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

}  // namespace

void TFrmMain::addTitleMenu(QMenu* face)
{
    QMenu* title = face->addMenu(QStringLiteral("标  题"));
    title->setObjectName(QStringLiteral("N11"));
    connect(item(title, "N15", QStringLiteral("标题文字修改")), &QAction::triggered, this, &TFrmMain::N15Click);
    connect(item(title, "N17", QStringLiteral("标题字体修改")), &QAction::triggered, this, &TFrmMain::N17Click);
    connect(item(title, "N127", QStringLiteral("字体特效")), &QAction::triggered, this, &TFrmMain::N127Click);
}

void TFrmMain::addBottomMenu(QMenu* face)
{
    QMenu* bottom = face->addMenu(QStringLiteral("底  部"));
    bottom->setObjectName(QStringLiteral("N51"));
    auto font = [this, bottom](const char* name, const QString& caption, SmoothLabel* TFrmMain::*label) {
        connect(item(bottom, name, caption), &QAction::triggered, this, [this, label] { bottomFontClick(this->*label); });
    };
    font("MenuItem3", QStringLiteral("底部 \"正在抽取\" 字体修改"), &TFrmMain::lblTipCaption);
    font("XXX1", QStringLiteral("底部 \"奖项名称\" 字体修改"), &TFrmMain::lblLevel);
    font("XX1", QStringLiteral("底部 \"奖品\" 字体修改"), &TFrmMain::lblAward);
    font("N19", QStringLiteral("底部 \"统计数据\" 字体修改"), &TFrmMain::lblStat);
    bottom->addSeparator();
    connect(item(bottom, "N72", QStringLiteral("奖项统计信息前缀修改")), &QAction::triggered, this, &TFrmMain::N72Click);
    connect(item(bottom, "N73", QStringLiteral("奖项统计信息单位修改")), &QAction::triggered, this, &TFrmMain::N73Click);
    connect(item(bottom, "N74", QStringLiteral("主界面提示信息修改")), &QAction::triggered, this, &TFrmMain::N74Click);
    connect(item(bottom, "N75", QStringLiteral("主界面抽奖结束提示信息修改")), &QAction::triggered, this,
            &TFrmMain::N75Click);
    bottom->addSeparator();
    N100 = item(bottom, "N100", QStringLiteral("打开底部滚动字幕"));
    connect(N100, &QAction::triggered, this, &TFrmMain::N100Click);
    connect(item(bottom, "N101", QStringLiteral("输入底部滚动字幕文字")), &QAction::triggered, this, &TFrmMain::N101Click);
    connect(item(bottom, "N102", QStringLiteral("选择底部滚动字幕字体")), &QAction::triggered, this, &TFrmMain::N102Click);
    connect(item(bottom, "N103", QStringLiteral("选择滚动字幕背景颜色")), &QAction::triggered, this, &TFrmMain::N103Click);
    connect(item(bottom, "N108", QStringLiteral("加快滚动速度")), &QAction::triggered, this, &TFrmMain::N108Click);
    connect(item(bottom, "N109", QStringLiteral("减慢滚动速度")), &QAction::triggered, this, &TFrmMain::N109Click);
}

void TFrmMain::createTextMenus()
{
    createLabelMenu();
    btmPopMenu = new QMenu(this);
    btmPopMenu->setObjectName(QStringLiteral("btmPopMenu"));
    connect(item(btmPopMenu, "N12", QStringLiteral("背景颜色")), &QAction::triggered, this, &TFrmMain::N103Click);
    connect(item(btmPopMenu, "N23", QStringLiteral("修改文字")), &QAction::triggered, this, &TFrmMain::N101Click);
    connect(item(btmPopMenu, "N27", QStringLiteral("字体修改")), &QAction::triggered, this, &TFrmMain::N102Click);
    connect(item(btmPopMenu, "N18", QStringLiteral("加快速度")), &QAction::triggered, this, &TFrmMain::N108Click);
    connect(item(btmPopMenu, "N20", QStringLiteral("减慢速度")), &QAction::triggered, this, &TFrmMain::N109Click);
    connect(item(btmPopMenu, "N21", QStringLiteral("关闭字幕")), &QAction::triggered, this, &TFrmMain::N100Click);
    pnlBtm->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pnlBtm, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { btmPopMenu->popup(pnlBtm->mapToGlobal(at)); });
}

bool TFrmMain::askText(QString& text, const QString& prompt)
{
    bool answered = inputBox(this, QStringLiteral("提示"), prompt, text);
    takeKeyboardBack();
    return answered;
}

// Inserted texts keep everything in UserLabel.Ini; the others in the layout section.
void TFrmMain::writeSmoothLabelFont(SmoothLabel* label)
{
    if (label->property("tag").toInt() == kInsertedTextTag) {
        saveDecorations();
        return;
    }
    std::string name = toGbk(label->objectName());
    LayoutKeyWriter keys(m_settings);
    keys.font(name, label->font(), label->colour());
    keys.text(kLayout, name + "Caption", toGbk(label->text()));
}

void TFrmMain::N15Click()
{
    const std::string firstKey = "lblMainCaptionCaption";
    QString first = fromGbk(m_settings.readString(kLayout, firstKey, gbk::literal("某某公司新年联欢晚会")));
    if (!askText(first, kTextPrompt))
        return;
    {
        LayoutKeyWriter keys(m_settings);
        keys.text(kLayout, firstKey, toGbk(first));
    }
    lblMainCaption->setText(first);
    showFadingMessage(QStringLiteral("大标题第一行已输入完成,请输入第二行"), 1);
    QString second = fromGbk(m_settings.readString(kLayout, "lblMainCaption2Caption", gbk::literal("抽奖仪式")));
    if (!askText(second, kTextPrompt))
        return;
    LayoutKeyWriter keys(m_settings);
    keys.text(kLayout, "lblMainCaption2Caption", toGbk(second));
    lblMainCaption2->setText(second);
}

void TFrmMain::N17Click()
{
    QFont font = lblMainCaption->font();
    QColor colour = lblMainCaption->colour();
    bool chosen = chooseFontAndColour(this, font, colour);
    takeKeyboardBack();
    if (!chosen)
        return;
    for (SmoothLabel* line : {lblMainCaption, lblMainCaption2}) {
        line->setFont(font);
        line->setColour(colour);
        writeSmoothLabelFont(line);
    }
}

void TFrmMain::N127Click()
{
    TextEffect effect = lblMainCaption->effect();
    bool edited = TfrmTextEffect::edit(this, effect);
    takeKeyboardBack();
    if (!edited)
        return;
    LayoutKeyWriter keys(m_settings);
    for (SmoothLabel* line : {lblMainCaption, lblMainCaption2}) {
        line->setEffect(effect);
        keys.effect(toGbk(line->objectName()), effect);
    }
}

void TFrmMain::bottomFontClick(SmoothLabel* label)
{
    QFont font = label->font();
    QColor colour = label->colour();
    bool chosen = chooseFontAndColour(this, font, colour);
    takeKeyboardBack();
    if (!chosen)
        return;
    label->setFont(font);
    label->setColour(colour);
    writeSmoothLabelFont(label);
}

void TFrmMain::N72Click()
{
    QString prefix = fromGbk(m_engine->options().lblStarFirst);
    if (!askText(prefix, kTextPrompt))
        return;
    m_engine->options().lblStarFirst = toGbk(prefix);
    LayoutKeyWriter(m_settings).text(kOption, "lblStarFirst", toGbk(prefix));
    m_engine->statisticsWordsChanged();
}

void TFrmMain::N73Click()
{
    QString unit = fromGbk(m_engine->options().lblStarTwo);
    if (!askText(unit, kTextPrompt))
        return;
    m_engine->options().lblStarTwo = toGbk(unit);
    LayoutKeyWriter(m_settings).text(kOption, "lblStarTwo", toGbk(unit));
    m_engine->statisticsWordsChanged();
}

// The prompt shows while levels remain, the closing words once the draw is over: each
// command shows its own text only when it is the one on screen.
void TFrmMain::N74Click()
{
    QString tip = fromGbk(m_settings.readString(kLayout, "lblTipCaptionCaption1", gbk::literal("正在抽取")));
    if (!askText(tip, kTextPrompt))
        return;
    LayoutKeyWriter(m_settings).text(kLayout, "lblTipCaptionCaption1", toGbk(tip));
    if (!m_engine->state().drawOver)
        lblTipCaption->setText(tip);
}

void TFrmMain::N75Click()
{
    QString tip = fromGbk(m_settings.readString(kLayout, "lblTipCaptionCaption2", gbk::literal("抽取结束")));
    if (!askText(tip, kTextPrompt))
        return;
    LayoutKeyWriter(m_settings).text(kLayout, "lblTipCaptionCaption2", toGbk(tip));
    if (m_engine->state().drawOver)
        lblTipCaption->setText(tip);
}

void TFrmMain::showMarquee(bool shown)
{
    pnlBtm->setVisible(shown);
    if (shown) {
        lblBtmChar->adjustSize();
        centreMarqueeLabel();
        pnlBtm->raise();
        Timer2->start();
    } else {
        Timer2->stop();
    }
    if (N100)
        N100->setText(shown ? QStringLiteral("关闭底部滚动字幕") : QStringLiteral("打开底部滚动字幕"));
}

void TFrmMain::setMarqueeInterval(int milliseconds)
{
    Timer2->setInterval(std::max(kFastestMarquee, milliseconds));
}

void TFrmMain::centreMarqueeLabel()
{
    lblBtmChar->move(lblBtmChar->x(), (kMarqueePanelHeight - lblBtmChar->height()) / 2);
}

void TFrmMain::N100Click()
{
    bool shown = !m_settings.readBool(kOption, "frmMainBottom", false);
    showMarquee(shown);
    LayoutKeyWriter(m_settings).flag(kOption, "frmMainBottom", shown);
}

void TFrmMain::N101Click()
{
    QString text = lblBtmChar->text();
    if (!askText(text, QStringLiteral("请输入弹出窗口的标题文字内容 ")))
        return;
    lblBtmChar->setText(text);
    lblBtmChar->adjustSize();
    LayoutKeyWriter(m_settings).text(kLayout, "lblBtmCharCaption", toGbk(text));
}

void TFrmMain::N102Click()
{
    QFont font = lblBtmChar->font();
    QColor colour = lblBtmChar->palette().color(QPalette::WindowText);
    bool chosen = chooseFontAndColour(this, font, colour);
    takeKeyboardBack();
    if (!chosen)
        return;
    lblBtmChar->setFont(font);
    QPalette palette = lblBtmChar->palette();
    palette.setColor(QPalette::WindowText, colour);
    lblBtmChar->setPalette(palette);
    lblBtmChar->adjustSize();
    centreMarqueeLabel();
    LayoutKeyWriter(m_settings).font("lblBtmChar", font, colour);
}

void TFrmMain::N103Click()
{
    QColor colour = QColorDialog::getColor(lblBtmChar->palette().color(QPalette::Window), this, QStringLiteral("背景颜色"));
    takeKeyboardBack();
    if (!colour.isValid())
        return;
    for (QWidget* w : {pnlBtm, static_cast<QWidget*>(lblBtmChar)}) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, colour);
        w->setPalette(palette);
    }
    LayoutKeyWriter(m_settings).number(kLayout, "lblBtmCharBackColor", fromQColor(colour));
}

void TFrmMain::N108Click()
{
    int faster = std::max(kFastestMarquee, Timer2->interval() - 10);
    if (faster == Timer2->interval())
        return;
    Timer2->setInterval(faster);
    LayoutKeyWriter(m_settings).number(kOption, "frmMainBottomSpeed", faster);
}

void TFrmMain::N109Click()
{
    if (Timer2->interval() > INT_MAX - 10)
        return;
    int slower = Timer2->interval() + 10;
    Timer2->setInterval(slower);
    LayoutKeyWriter(m_settings).number(kOption, "frmMainBottomSpeed", slower);
}

}  // namespace lotavo::ui
