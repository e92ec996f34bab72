// The arrangement menu PopupMenu1 and the title menu PopupMenu2 of the winner pop-up.
#include "present/TFrmAniPop.h"

#include "present/QtText.h"
#include "present/SmoothLabel.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/PositionFile.h"
#include "present/TZJRAutoPos.h"
#include "present/WinnerLabel.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QMenu>

namespace lotavo::ui {

namespace {

// Messages are written with "\r" line breaks.
void inform(const char* text)
{
    showFadingMessage(QString::fromUtf8(text).replace(QLatin1Char('\r'), QLatin1Char('\n')), 1);
}

QAction* item(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

void TFrmAniPop::createMenus()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N10 = item(PopupMenu1, "N10", "自动排列");
    N10->setCheckable(true);
    N11 = item(PopupMenu1, "N11", "自动排列-范围设置");
    N1 = item(PopupMenu1, "N1", "自动排列-字体设置");
    N2 = PopupMenu1->addSeparator();
    N2->setObjectName(QStringLiteral("N2"));
    N2->setText(QStringLiteral("━━━━━━━━━"));
    N5 = item(PopupMenu1, "N5", "手工排列");
    N5->setCheckable(true);
    N9 = item(PopupMenu1, "N9", "如何手工排列位置");
    N8 = item(PopupMenu1, "N8", "手动排列-字体设置");
    QMenu* alignment = PopupMenu1->addMenu(QStringLiteral("手动排列-对齐方式"));
    N4 = alignment->menuAction();
    N4->setObjectName(QStringLiteral("N4"));
    N12 = item(alignment, "N12", "左对齐");
    N13 = item(alignment, "N13", "居中");
    N14 = item(alignment, "N14", "右对齐");

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    N3 = item(PopupMenu2, "N3", "修改文字");
    N6 = item(PopupMenu2, "N6", "调整字体");
    N7 = item(PopupMenu2, "N7", "字体颜色");

    connect(N10, &QAction::triggered, this, &TFrmAniPop::N10Click);
    connect(N11, &QAction::triggered, this, &TFrmAniPop::N11Click);
    connect(N1, &QAction::triggered, this, &TFrmAniPop::N1Click);
    connect(N5, &QAction::triggered, this, &TFrmAniPop::N5Click);
    connect(N9, &QAction::triggered, this, &TFrmAniPop::N9Click);
    connect(N8, &QAction::triggered, this, &TFrmAniPop::N8Click);
    connect(N12, &QAction::triggered, this, [this] { alignLabels(1); });
    connect(N13, &QAction::triggered, this, [this] { alignLabels(2); });
    connect(N14, &QAction::triggered, this, [this] { alignLabels(3); });
    connect(N3, &QAction::triggered, this, &TFrmAniPop::N3Click);
    connect(N6, &QAction::triggered, this, &TFrmAniPop::N6Click);
    connect(N7, &QAction::triggered, this, &TFrmAniPop::N7Click);
}

void TFrmAniPop::updateMenuTexts()
{
    N10->setText(QStringLiteral("自动排列 ") + m_levelTitle);
    N5->setText(QStringLiteral("手工排列 ") + m_levelTitle);
}

void TFrmAniPop::updateChecks()
{
    bool manual = positionFileExists();
    N5->setChecked(manual);
    N10->setChecked(!manual);
}

void TFrmAniPop::N10Click()
{
    PositionFile(positionFilePath()).remove();
    updateChecks();
    inform("已将当前奖级手工排列信息删除\r\r下次抽取时,程序将自动排列中奖人位置");
}

void TFrmAniPop::N11Click()
{
    updateChecks();
    TZJRAutoPos::open(m_settings, m_folder, this, QStringLiteral(" 设定完成,重新抽取方可显示您的设定位置"));
    pumpedDelay(100);
    setBackgroundTransparent(m_transparent);
}

// The font dialog of both arrangements starts with the font of the last winner label.
bool TFrmAniPop::chooseWinnerFont(QFont& font)
{
    font = m_labels.empty() ? QFont(QStringLiteral("宋体"), 10) : m_labels.back()->font();
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, font, this);
    if (ok) {
        font = chosen;
        for (WinnerLabel* label : m_labels)
            label->setLabelFont(chosen);
    }
    return ok;
}

void TFrmAniPop::N1Click()
{
    QFont font;
    if (chooseWinnerFont(font)) {
        QColor colour = m_labels.empty() ? QColor(Qt::black) : m_labels.back()->colour();
        bool single = m_labels.size() == 1;
        m_settings.writeString("AniPopFont", single ? "SingleFontName" : "FontName", toGbk(font.family()));
        m_settings.writeInteger("AniPopFont", single ? "SingleFontSize" : "FontSize", font.pointSize());
        m_settings.writeInteger("AniPopFont", single ? "SingleFontColor" : "FontColor", fromQColor(colour));
    }
    inform("自动抽取:调整字段大小后,请重新抽奖显示才能显示正确位置");
}

void TFrmAniPop::N5Click()
{
    SaveLabelPos();
    updateChecks();
    inform("已将当前奖级中奖人位置信息保存\r\r请按下CTRL键,然后用鼠标拖动中奖人位置");
}

void TFrmAniPop::N9Click()
{
    inform("按下键盘上的CTRL键,使用鼠标拖动中奖人位置\r\r调整完成后,松开CTRL键,然后调整字体大小及颜色等");
}

void TFrmAniPop::N8Click()
{
    QFont font;
    chooseWinnerFont(font);
    SaveLabelPos();
    updateChecks();
}

void TFrmAniPop::alignLabels(int lcr)
{
    Qt::Alignment horizontal = lcr == 2 ? Qt::AlignHCenter : lcr == 3 ? Qt::AlignRight : Qt::AlignLeft;
    for (WinnerLabel* label : m_labels)
        label->setAlignment(horizontal | Qt::AlignTop);
    SaveLabelPos();
    updateChecks();
}

void TFrmAniPop::N3Click()
{
    QString text = lblCaption->text();
    if (inputBox(this, QStringLiteral("提示"), QStringLiteral("请输入弹出窗口的标题文字内容 "), text))
        lblCaption->setText(text);
}

void TFrmAniPop::N6Click()
{
    bool ok = false;
    QFont font = QFontDialog::getFont(&ok, lblCaption->font(), this);
    if (ok)
        lblCaption->setFont(font);
}

void TFrmAniPop::N7Click()
{
    QColor colour = QColorDialog::getColor(lblCaption->colour(), this);
    if (colour.isValid())
        lblCaption->setColour(colour);
}

}  // namespace lotavo::ui
