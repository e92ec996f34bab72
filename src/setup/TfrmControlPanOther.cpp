// The "其它" and "细节" tabs: switches of the draw, the pictures, printing and design mode.
#include "setup/TfrmControlPan.h"

#include "draw/DrawEngine.h"
#include "setup/DrawScreenLink.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>
#include <cstdint>

namespace lotavo::ui {

namespace {

constexpr int kRow = 23;

}  // namespace

void TfrmControlPan::createOtherPage()
{
    QWidget* page = addPage("其它");
    int y = 6;
    auto left = [&](const char* name, const char* caption, bool designed = false) {
        QCheckBox* box = check(page, name, caption, 10, y, designed);
        y += kRow;
        return box;
    };
    CheckBox5 = left("CheckBox5", "允许中奖人多次中奖 (慎)");
    RzCheckBox6 = left("RzCheckBox6", "主背景画面尺寸自适应屏幕尺寸");
    RzCheckBox11 = left("RzCheckBox11", "奖品图片使用自定义尺寸");
    RzCheckBox15 = left("RzCheckBox15", "奖品图片显示在弹出中奖画面上");
    RzCheckBox16 = left("RzCheckBox16", "奖品图片背景透明", true);
    CheckBox19 = left("CheckBox19", "使用鼠标抽奖", true);
    RzCheckBox8 = left("RzCheckBox8", "使用多名单时,切换名单不清除已中奖人");
    CheckBox12 = left("CheckBox12", "允许重复名单,中奖后清除重复项");

    RzCheckBox2 = check(page, "RzCheckBox2", "确认中奖人是否中奖(常规抽奖模式可用)", 268, 6);
    RzCheckBox3 = check(page, "RzCheckBox3",
                        "确认中奖人是否中奖(仅在多行滚动抽取及\r\n\r\n(照片滚动模式下可用,每次抽单人时使用)", 268, 29);
    RzCheckBox9 = check(page, "RzCheckBox9", "允许无效中奖人名单恢复到主抽奖名单中", 268, 29 + RzCheckBox3->height() + 4);
    int spinRow = RzCheckBox9->y() + kRow + 4;
    // The spin box sits in the run of spaces of its caption.
    label(page, QStringLiteral("弹出中奖画面每屏最多显示         人"), 270, spinRow + 4);
    QFontMetrics metrics(font());
    int gapAt = 270 + metrics.horizontalAdvance(QStringLiteral("弹出中奖画面每屏最多显示"));
    RzSpinEdit2 = spin(page, "RzSpinEdit2", 1, 400, 201, gapAt + 1,
                       spinRow, metrics.horizontalAdvance(QString(9, QLatin1Char(' '))) - 2);
    RzCheckBox17 = check(page, "RzCheckBox17", "使用临时奖级时,切换名单不清除已中奖人", 268, spinRow + 30);

    showHintOnEnter(RzCheckBox2, QStringLiteral("常规抽奖模式：弹出中奖画面后，单击未到场的中奖人即可将其划去，\n"
                                                "下次抽取时补抽相应的人数。\n"
                                                "多行滚动抽取模式：每次抽取后询问是否确认中奖。"));

    DrawOptions& options = m_screen.engine().options();
    bindCheck(CheckBox5, kOption, "RepeatZJ", [&options](bool on) { options.repeatZJ = on; });
    bindCheck(RzCheckBox6, kOption, "ImgStretch");
    bindCheck(RzCheckBox11, kOption, "AwardPicS");
    bindCheck(RzCheckBox15, kOption, "AwardPicinPop", [&options](bool on) { options.awardPicinPop = on; });
    bindCheck(RzCheckBox16, kOption, "AwardPicTrans");
    bindCheck(CheckBox19, kOption, "MouseOnClick");
    bindCheck(RzCheckBox8, kOption, "MuitlListClear");
    bindCheck(RzCheckBox2, kOption, "Affirm", [&options](bool on) { options.affirm = on; });
    bindCheck(RzCheckBox3, kOption, "AffirmOne", [&options](bool on) { options.affirmOne = on; });
    bindCheck(RzCheckBox9, kOption, "AllowDeleteR", [&options](bool on) { options.allowDeleteR = on; });
    // The key holds the index of the last winner on a page, one less than the count shown.
    connect(RzSpinEdit2, &QSpinBox::valueChanged, this, [this, &options](int shown) {
        options.maxNumber = shown - 1;
        writeInteger(kOption, "MaxNumber", shown - 1);
    });
    bindCheck(CheckBox12, kOption, "DelRepaetEnable", [&options](bool on) { options.delRepaetEnable = on; });
    bindCheck(RzCheckBox17, kOption, "TempListClear");
}

void TfrmControlPan::createDetailPage()
{
    QWidget* page = addPage("细节");
    int y = 6;
    auto left = [&](const char* name, const char* caption) {
        QCheckBox* box = check(page, name, caption, 10, y);
        y += kRow;
        return box;
    };
    CheckBox17 = left("CheckBox17", "抽取中奖人时自动打印");
    FjPrintIt = left("FjPrintIt", "每奖级抽取结束时自动打印中奖人");
    RzCheckBox1 = left("RzCheckBox1", "每级奖项抽取结束后停止滚动");
    RzCheckBox10 = left("RzCheckBox10", "每抽一次停止滚动一次");
    RzCheckBox14 = left("RzCheckBox14", "弹出中奖画面标题使用“奖项名称”");
    RzCheckBox18 = left("RzCheckBox18", "在中奖人结果名单中增加“奖品”项");
    RzCheckBox13 = left("RzCheckBox13", "退出时保存抽奖状态");

    auto* grid = new QGroupBox(QStringLiteral("拖动时屏幕文字图片时自动对齐屏幕像素"), page);
    grid->setGeometry(268, 2, 258, 84);
    RzSpinEdit4 = spin(grid, "RzSpinEdit4", 1, 100, 5, 12, 22);
    label(grid, QStringLiteral("上下像素"), 68, 26);
    RzSpinEdit3 = spin(grid, "RzSpinEdit3", 1, 100, 5, 12, 52);
    label(grid, QStringLiteral("左右像素"), 68, 56);
    RzCheckBox19 = check(page, "RzCheckBox19", "同一时间内只允许运行一个程序", 268, 98);
    RzCheckBox4 = check(page, "RzCheckBox4", "每奖级抽取结束提示“抽取结束画面”", 268, 98 + kRow);
    RzCheckBox20 = check(page, "RzCheckBox20", "“多行滚动抽奖”模式弹出中奖人画面", 268, 98 + 2 * kRow);

    showHintOnEnter(RzCheckBox13, QStringLiteral("使用此功能后，抽奖名单将会自动保存，请务必在正式抽奖\r\n\r\n"
                                                 "前，再次导入完整名单"));

    DrawOptions& options = m_screen.engine().options();
    bindCheck(CheckBox17, kOption, "Print", [&options](bool on) { options.print = on; });
    bindCheck(FjPrintIt, kOption, "FJPrint", [&options](bool on) { options.fjPrint = on; });
    bindCheck(RzCheckBox1, kOption, "LabelStop");
    bindCheck(RzCheckBox10, kOption, "StepToStep", [&options](bool on) { options.stepToStep = on; });
    bindCheck(RzCheckBox14, kOption, "AniPopCaption", [&options](bool on) { options.aniPopCaption = on; });
    bindCheck(RzCheckBox18, kOption, "ListAwardShow", [&options](bool on) { options.listAwardShow = on; });
    bindCheck(RzCheckBox13, kOption, "ExitSave");
    bindSpin(RzSpinEdit4, "GridX");
    bindSpin(RzSpinEdit3, "GridY");
    bindCheck(RzCheckBox19, kOption, "OnlyExists");
    bindCheck(RzCheckBox4, kOption, "OverPopup", [&options](bool on) { options.overPopup = on; });
    bindCheck(RzCheckBox20, kOption, "Mode4Pop", [&options](bool on) { options.mode4Pop = on; });
}

void TfrmControlPan::loadOtherPages()
{
    CheckBox5->setChecked(readBool("RepeatZJ", false));
    RzCheckBox6->setChecked(readBool("ImgStretch", false));
    RzCheckBox11->setChecked(readBool("AwardPicS", false));
    RzCheckBox15->setChecked(readBool("AwardPicinPop", false));
    RzCheckBox16->setChecked(readBool("AwardPicTrans", true));
    CheckBox19->setChecked(readBool("MouseOnClick", true));
    RzCheckBox8->setChecked(readBool("MuitlListClear", false));
    RzCheckBox2->setChecked(readBool("Affirm", false));
    RzCheckBox3->setChecked(readBool("AffirmOne", false));
    RzCheckBox9->setChecked(readBool("AllowDeleteR", false));
    // Out of the 32-bit range +1 would overflow; the spin clamps anyway.
    RzSpinEdit2->setValue(static_cast<int>(std::min<int64_t>(readInteger("MaxNumber", 200) + int64_t {1}, 400)));
    CheckBox12->setChecked(readBool("DelRepaetEnable", false));
    RzCheckBox17->setChecked(readBool("TempListClear", false));

    CheckBox17->setChecked(m_screen.engine().options().print);
    FjPrintIt->setChecked(readBool("FJPrint", false));
    RzCheckBox1->setChecked(readBool("LabelStop", false));
    RzCheckBox10->setChecked(readBool("StepToStep", false));
    RzCheckBox14->setChecked(readBool("AniPopCaption", false));
    RzCheckBox18->setChecked(readBool("ListAwardShow", false));
    RzCheckBox13->setChecked(readBool("ExitSave", false));
    RzSpinEdit4->setValue(readInteger("GridX", 5));
    RzSpinEdit3->setValue(readInteger("GridY", 5));
    RzCheckBox19->setChecked(readBool("OnlyExists", false));
    RzCheckBox4->setChecked(readBool("OverPopup", false));
    RzCheckBox20->setChecked(readBool("Mode4Pop", false));
}

}  // namespace lotavo::ui
