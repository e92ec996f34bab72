// The "启动" tab: what happens when the program starts and when the last level is drawn.
#include "setup/TfrmControlPan.h"

#include "draw/DrawEngine.h"
#include "present/QtText.h"
#include "main/settings/IniStore.h"
#include "setup/DrawScreenLink.h"
#include "setup/KeyField.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>

namespace lotavo::ui {

void TfrmControlPan::createStartPage()
{
    QWidget* page = addPage("启动");

    auto* atStart = new QGroupBox(QStringLiteral("程序启动时"), page);
    atStart->setGeometry(4, 2, 258, 190);
    CheckBox7 = check(atStart, "CheckBox7", "抽奖号码不滚动", 10, 22, true);
    RzCheckBox12 = check(atStart, "RzCheckBox12", "使用键盘锁定键", 10, 46);
    RzEdit13 = keyField(atStart, "RzEdit13", 130, 44, 90);
    CheckBox4 = check(atStart, "CheckBox4", "显示开始画面", 10, 94);
    SpeedButton2 = new QToolButton(atStart);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("选择图片"));
    SpeedButton2->setGeometry(130, 92, 90, 22);
    RzCheckBox7 = check(atStart, "RzCheckBox7", "滚动区号码设置为以下字符", 10, 124);
    RzEdit2 = edit(atStart, "RzEdit2", QString(), 28, 150, 192);

    auto* atEnd = new QGroupBox(QStringLiteral("抽奖结束时"), page);
    atEnd->setGeometry(268, 2, 258, 190);
    CheckBox8 = check(atEnd, "CheckBox8", "抽奖号码不滚动", 10, 22, true);
    CheckBox23 = check(atEnd, "CheckBox23", "显示结束画面", 10, 46);
    SpeedButton1 = new QToolButton(atEnd);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("选择图片"));
    SpeedButton1->setGeometry(130, 44, 90, 22);
    CheckBox3 = check(atEnd, "CheckBox3", "使用动态字幕播放中奖名单 ", 10, 72);
    CheckBox21 = check(atEnd, "CheckBox21", "动态字幕分两列显示", 28, 96);
    CheckBox22 = check(atEnd, "CheckBox22", "动态字幕名单倒序排列", 28, 120);
    RzCheckBox5 = check(atEnd, "RzCheckBox5", "打印中奖者名单", 10, 148);

    connect(CheckBox7, &QCheckBox::toggled, this, &TfrmControlPan::CheckBox7Click);
    connect(RzCheckBox12, &QCheckBox::toggled, this, &TfrmControlPan::RzCheckBox12Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrmControlPan::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TfrmControlPan::SpeedButton2Click);
    bindCheck(CheckBox4, kOption, "AllBeginPicEnable");
    bindCheck(RzCheckBox7, kOption, "SetGDChr");
    bindEdit(RzEdit2, "SetChrS");
    bindCheck(CheckBox8, kOption, "OverAutoStop");
    bindCheck(CheckBox23, kOption, "AllOverPicEnable");
    bindCheck(CheckBox3, "AwardScreen", "OverEnable");
    bindCheck(RzCheckBox5, kOption, "PrintAll");
    bindCheck(CheckBox21, "AwardScreen", "Col2");
    bindCheck(CheckBox22, "AwardScreen", "fxcl");
}

void TfrmControlPan::loadStartPage()
{
    RzCheckBox12->setChecked(readBool("AllKeyOpen", false));
    CheckBox7->setChecked(readBool("StartRun", true));
    CheckBox4->setChecked(readBool("AllBeginPicEnable", false));
    RzCheckBox7->setChecked(readBool("SetGDChr", false));
    RzEdit2->setText(readText("SetChrS", ""));
    CheckBox8->setChecked(readBool("OverAutoStop", true));
    CheckBox23->setChecked(readBool("AllOverPicEnable", false));
    CheckBox3->setChecked(m_settings.readBool("AwardScreen", "OverEnable", false));
    RzCheckBox5->setChecked(readBool("PrintAll", false));
    CheckBox21->setChecked(m_settings.readBool("AwardScreen", "Col2", false));
    CheckBox22->setChecked(m_settings.readBool("AwardScreen", "fxcl", false));
}

void TfrmControlPan::CheckBox7Click(bool checked)
{
    writeBool(kOption, "StartRun", checked);
    if (!checked)
        RzCheckBox12->setChecked(false);
}

void TfrmControlPan::RzCheckBox12Click(bool checked)
{
    // A box that is ticked already runs no handler, yet the lock needs StartRun in the file:
    // otherwise the opening would read it back unticked and untick the lock again.
    if (checked && CheckBox7->isChecked())
        writeBool(kOption, "StartRun", true);
    else if (checked)
        CheckBox7->setChecked(true);
    m_screen.engine().options().allKeyOpen = checked;
    writeBool(kOption, "AllKeyOpen", checked);
    if (checked)
        m_screen.engine().pauseSw(true);
}

void TfrmControlPan::SpeedButton1Click()
{
    QString file = choosePicture();
    if (!file.isEmpty())
        written(kOption, "AllOverPic", m_settings.writeString(kOption, "AllOverPic", ProgramFolder::toStored(toPath(file))));
}

void TfrmControlPan::SpeedButton2Click()
{
    QString file = choosePicture();
    if (!file.isEmpty())
        written(kOption, "AllBeginPic",
                m_settings.writeString(kOption, "AllBeginPic", ProgramFolder::toStored(toPath(file))));
}

}  // namespace lotavo::ui
