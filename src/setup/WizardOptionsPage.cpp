#include "setup/WizardOptionsPage.h"

#include "present/CommonDialogs.h"
#include "present/PositionFile.h"
#include "present/TZJRAutoPos.h"
#include "setup/WizardLevelRows.h"
#include "setup/WizardSettings.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <string>

namespace lotavo::ui {

namespace {

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->move(left, top);
    box->resize(box->sizeHint());
    return box;
}

// Where the text of a check box starts, counted from its left edge.
int textStart(const QCheckBox* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left();
}

// A spin sitting in the blanks of a check box caption, right after `before`.
void placeInBlanks(QSpinBox* spin, const QCheckBox* box, const QString& before, int blanks)
{
    QFontMetrics metrics(box->font());
    int left = box->x() + textStart(box) + metrics.horizontalAdvance(before) + 2;
    int width = metrics.horizontalAdvance(QString(blanks, QLatin1Char(' '))) - 4;
    spin->setGeometry(left, box->y() + (box->height() - 20) / 2, std::max(width, 40), 20);
}

}  // namespace

WizardOptionsPage::WizardOptionsPage(WizardSettings& settings, ProgramFolder folder, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_folder(std::move(folder))
{
    createPopupGroup();
    createPictureGroup();
}

QSpinBox* WizardOptionsPage::secondsSpin(QWidget* parent, const char* name, int left, int top)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(1, 100);
    spin->setValue(1);
    spin->move(left, top);
    return spin;
}

void WizardOptionsPage::createPopupGroup()
{
    gbPopup = new QGroupBox(QStringLiteral("弹出中奖画面选项"), this);
    gbPopup->setObjectName(QStringLiteral("gbPopup"));
    gbPopup->setGeometry(10, 52, 521, 200);

    btnAutoPos = new QPushButton(QStringLiteral("中奖人显示范围"), gbPopup);
    btnAutoPos->setObjectName(QStringLiteral("btnAutoPos"));
    btnAutoPos->setGeometry(14, 26, 130, 25);
    btnClearPos = new QPushButton(QStringLiteral("清除手工排列位置信息"), gbPopup);
    btnClearPos->setObjectName(QStringLiteral("btnClearPos"));
    btnClearPos->setGeometry(154, 26, 170, 25);
    for (QPushButton* button : {btnAutoPos, btnClearPos})
        button->setAutoDefault(false);
    connect(btnAutoPos, &QPushButton::clicked, this, &WizardOptionsPage::btnAutoPosClick);
    connect(btnClearPos, &QPushButton::clicked, this, &WizardOptionsPage::btnClearPosClick);

    CheckBox20 = checkBox(gbPopup, "CheckBox20", QStringLiteral("弹出画面后键盘锁        秒"), 14, 70);
    SpinEdit8 = secondsSpin(gbPopup, "SpinEdit8", 0, 0);
    placeInBlanks(SpinEdit8, CheckBox20, QStringLiteral("弹出画面后键盘锁"), 8);
    CheckBox23 = checkBox(gbPopup, "CheckBox23", QStringLiteral("弹出画面后        秒关闭"), 14, 104);
    SpinEdit21 = secondsSpin(gbPopup, "SpinEdit21", 0, 0);
    placeInBlanks(SpinEdit21, CheckBox23, QStringLiteral("弹出画面后"), 8);
    CheckBox1 = checkBox(gbPopup, "CheckBox1", QStringLiteral("弹出画面背景透明"), 14, 138);

    connect(CheckBox20, &QCheckBox::toggled, this, &WizardOptionsPage::CheckBox20Click);
    connect(SpinEdit8, &QSpinBox::valueChanged, this, &WizardOptionsPage::SpinEdit8Change);
    connect(CheckBox23, &QCheckBox::toggled, this, &WizardOptionsPage::CheckBox23Click);
    connect(SpinEdit21, &QSpinBox::valueChanged, this, &WizardOptionsPage::SpinEdit21Change);
    connect(CheckBox1, &QCheckBox::toggled, this, &WizardOptionsPage::CheckBox1Click);
}

void WizardOptionsPage::createPictureGroup()
{
    gbPicture = new QGroupBox(QStringLiteral("图像照片抽奖选项"), this);
    gbPicture->setObjectName(QStringLiteral("gbPicture"));
    gbPicture->setGeometry(10, 52, 521, 200);
    RzCheckBox1 = checkBox(gbPicture, "RzCheckBox1", QStringLiteral("滚动时只显示图片滚动,隐藏文字"), 14, 30);
    RzCheckBox2 = checkBox(gbPicture, "RzCheckBox2",
                           QStringLiteral("使用按钮提示  (如不使用此功能,鼠标抽奖功能无效)"), 14, 64);
    connect(RzCheckBox1, &QCheckBox::toggled, this, &WizardOptionsPage::RzCheckBox1Click);
    connect(RzCheckBox2, &QCheckBox::toggled, this, &WizardOptionsPage::RzCheckBox2Click);
    gbPicture->hide();
}

void WizardOptionsPage::showGroupFor(int mode)
{
    gbPopup->setVisible(mode != 4);
    gbPicture->setVisible(mode == 4);
}

void WizardOptionsPage::load()
{
    {
        // Showing a stored value is not a change of it.
        const QSignalBlocker b1(RzCheckBox1), b20(CheckBox20), b23(CheckBox23), b2(CheckBox1);
        RzCheckBox1->setChecked(m_settings.readBool("Option", "PicGDlblhide", false));
        CheckBox20->setChecked(m_settings.readBool("Option", "AniPopDelayTime", false));
        CheckBox23->setChecked(m_settings.readBool("Option", "AniPopDelayClose", false));
        CheckBox1->setChecked(m_settings.readBool("Option", "FrmAniPopTrans", true));
    }
    // Whole seconds only: a stored 2500 shows 2 and, changing the spin, is written back as 2000.
    SpinEdit8->setValue(m_settings.readInteger("Option", "AniPopDelayTimeVal", 1) / 1000);
    SpinEdit21->setValue(m_settings.readInteger("Option", "AniPopDelayCloseVal", 2) / 1000);
}

void WizardOptionsPage::btnAutoPosClick()
{
    TZJRAutoPos::open(m_settings.store(), m_folder, window(), QString());
}

void WizardOptionsPage::btnClearPosClick()
{
    MessageAnswer answer = messageBox(window(), QStringLiteral("使用此功能将会清除所有奖级的手工排列信息,确实要做吗?"),
                                      QStringLiteral("提示"), MessageButtons::YesNo, MessageIcon::Information);
    if (answer != MessageAnswer::Yes)
        return;
    const int levels = std::min(m_settings.readInteger("Number", "AllJJ", 1), WizardLevelRows::kMaxLevels);
    for (int n = 1; n <= levels; ++n) {
        PositionFile file(m_folder.file(std::to_string(n) + "Pos.Ini"));
        if (file.exists())
            file.remove();
    }
}

void WizardOptionsPage::CheckBox20Click()
{
    m_settings.writeBool("Option", "AniPopDelayTime", CheckBox20->isChecked());
}

void WizardOptionsPage::SpinEdit8Change()
{
    m_settings.writeInteger("Option", "AniPopDelayTimeVal", SpinEdit8->value() * 1000);
}

void WizardOptionsPage::CheckBox23Click()
{
    m_settings.writeBool("Option", "AniPopDelayClose", CheckBox23->isChecked());
}

void WizardOptionsPage::SpinEdit21Change()
{
    m_settings.writeInteger("Option", "AniPopDelayCloseVal", SpinEdit21->value() * 1000);
}

void WizardOptionsPage::CheckBox1Click()
{
    m_settings.writeBool("Option", "FrmAniPopTrans", CheckBox1->isChecked());
}

void WizardOptionsPage::RzCheckBox1Click()
{
    m_settings.writeBool("Option", "PicGDlblhide", RzCheckBox1->isChecked());
}

void WizardOptionsPage::RzCheckBox2Click()
{
    m_settings.writeBool("Option", "ContinueWin", RzCheckBox2->isChecked());
}

}  // namespace lotavo::ui
