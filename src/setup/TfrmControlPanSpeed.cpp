// The "速度" tab: roll speed, the pop-up's animation and the automatic draw.
#include "setup/TfrmControlPan.h"

#include "draw/DrawEngine.h"
#include "main/settings/IniStore.h"
#include "setup/DrawScreenLink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <array>

namespace lotavo::ui {

namespace {

struct Effect {
    const char* caption;
    const char* stored;
};

// In the order of the list; the pop-up maps the stored text to its effect.
constexpr std::array<Effect, 6> kEffects {{
    {"焰火", "etFireworks"},
    {"散射", "etScatterGather"},
    {"穿刺", "etSpike"},
    {"旋转", "etSpin"},
    {"旋涡", "etVortex"},
    {"随机", "etRandom"},
}};
constexpr int kDesignedEffect = 2;

}  // namespace

void TfrmControlPan::createSpeedPage()
{
    QWidget* page = addPage("速度");

    label(page, QStringLiteral("滚动区滚动速度"), 10, 14);
    SpinEdit10 = spin(page, "SpinEdit10", 5, 100, 20, 112, 10, 56);
    label(page, QStringLiteral("毫秒"), 174, 14);
    label(page, QStringLiteral("弹出动画速度"), 10, 42);
    SpinEdit1 = spin(page, "SpinEdit1", 1, 255, 100, 112, 38, 56);
    label(page, QStringLiteral("毫秒"), 174, 42);
    label(page, QStringLiteral("弹出画面帧速"), 10, 70);
    SpinEdit5 = spin(page, "SpinEdit5", 1, 255, 50, 112, 66, 56);
    label(page, QStringLiteral("帧"), 174, 70);

    CheckBox9 = check(page, "CheckBox9", "启用电脑自动抽奖,无需人为干预", 10, 100);
    label(page, QStringLiteral("每隔"), 28, 130);
    SpinEdit4 = spin(page, "SpinEdit4", 1, 200, 3, 56, 126, 52);
    label(page, QStringLiteral("秒抽取一次"), 112, 130);
    // The spin box sits in the run of spaces of its caption.
    const QString closeCaption = QStringLiteral("弹出中奖画面          秒关闭");
    label(page, closeCaption, 28, 158);
    QFontMetrics metrics(font());
    int gapAt = 28 + metrics.horizontalAdvance(QStringLiteral("弹出中奖画面"));
    int gapWidth = metrics.horizontalAdvance(QString(10, QLatin1Char(' ')));
    RzSpinEdit5 = spin(page, "RzSpinEdit5", 1, 200, 1, gapAt + 2, 154, gapWidth - 4);

    auto* animation = new QGroupBox(QStringLiteral("弹出中奖画面动画"), page);
    animation->setGeometry(300, 2, 226, 190);
    CheckBox10 = check(animation, "CheckBox10", "中奖后显示", 12, 24, true);
    CheckBox11 = check(animation, "CheckBox11", "关闭时显示", 12, 50);
    label(animation, QStringLiteral("请选择特效"), 12, 84);
    ComboBox1 = new QComboBox(animation);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    for (const Effect& effect : kEffects)
        ComboBox1->addItem(QString::fromUtf8(effect.caption));
    ComboBox1->setCurrentIndex(kDesignedEffect);
    ComboBox1->setGeometry(12, 104, 120, 22);

    DrawOptions& options = m_screen.engine().options();
    bindSpin(SpinEdit10, "Time1Interval", 1, [&options](int ms) { options.time1Interval = ms; });
    bindSpin(SpinEdit1, "AniPopDelay");
    bindSpin(SpinEdit5, "AniMateStep");
    connect(CheckBox9, &QCheckBox::toggled, this, &TfrmControlPan::CheckBox9Click);
    bindSpin(SpinEdit4, "Time3Interval", 1000);
    bindSpin(RzSpinEdit5, "AniPopDelayCloseVal", 1000);
    bindCheck(CheckBox10, kOption, "frmAniPopAniMateOnShow");
    bindCheck(CheckBox11, kOption, "frmAniPopAniMateOnHide");
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TfrmControlPan::ComboBox1Change);
}

void TfrmControlPan::loadSpeedPage()
{
    SpinEdit10->setValue(readInteger("Time1Interval", 20));
    SpinEdit1->setValue(readInteger("AniPopDelay", 100));
    SpinEdit5->setValue(readInteger("AniMateStep", 50));
    CheckBox9->setChecked(readBool("AutoDown", false));
    SpinEdit4->setValue(readInteger("Time3Interval", 3000) / 1000);
    // Read with 2 (milliseconds), so a missing key comes up as the smallest value.
    RzSpinEdit5->setValue(readInteger("AniPopDelayCloseVal", 2) / 1000);
    CheckBox10->setChecked(readBool("frmAniPopAniMateOnShow", true));
    CheckBox11->setChecked(readBool("frmAniPopAniMateOnHide", false));

    // Selecting on opening writes nothing; only the operator's choice does.
    QSignalBlocker quiet(ComboBox1);
    std::string stored = m_settings.readString(kOption, "AniMateDelay", "etSpike");
    for (size_t i = 0; i < kEffects.size(); ++i)
        if (stored == kEffects[i].stored)
            ComboBox1->setCurrentIndex(static_cast<int>(i));
}

void TfrmControlPan::CheckBox9Click(bool checked)
{
    // The automatic draw starts when the panel closes; here only the pop-up learns to close
    // by itself, and an automatic draw under way stops.
    written(kOption, "AutoDown", m_settings.writeBool(kOption, "AutoDown", checked), !checked);
    writeBool(kOption, "AniPopDelayClose", checked);
}

void TfrmControlPan::ComboBox1Change(int index)
{
    if (index >= 0 && index < static_cast<int>(kEffects.size()))
        writeText(kOption, "AniMateDelay", QString::fromLatin1(kEffects[static_cast<size_t>(index)].stored));
}

}  // namespace lotavo::ui
