// The "隐私", "滚动显示位数限制" and "序号" tabs: what the screen shows of an entry, with a
// preview on the first entry of the draw list.
#include "setup/TfrmControlPan.h"

#include "draw/DisplayText.h"
#include "draw/DrawEngine.h"
#include "present/QtText.h"
#include "setup/DrawScreenLink.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace lotavo::ui {

namespace {

QLabel* previewLabel(QWidget* page, const char* name, const QString& designed, int x, int y, int width)
{
    auto* preview = new QLabel(designed, page);
    preview->setObjectName(QString::fromLatin1(name));
    preview->setGeometry(x, y, width, 20);
    return preview;
}

}  // namespace

void TfrmControlPan::createPrivacyPage()
{
    QWidget* page = addPage("隐私");
    QFontMetrics metrics(font());
    CheckBox2 = check(page, "CheckBox2", "打开隐私功能", 10, 12);

    int x = 28;
    label(page, QStringLiteral("从第"), x, 48);
    x += metrics.horizontalAdvance(QStringLiteral("从第")) + 4;
    SpinEdit11 = spin(page, "SpinEdit11", 1, 100, 1, x, 44);
    x += 54;
    const QString middle = QStringLiteral("位开始隐藏,共隐藏");
    label(page, middle, x, 48);
    x += metrics.horizontalAdvance(middle) + 4;
    RzSpinEdit1 = spin(page, "RzSpinEdit1", 1, 6, 2, x, 44, 44);
    x += 48;
    // RzEdit1 sits in the run of spaces of its caption.
    const QString tail = QStringLiteral("位,隐私位用    号显示");
    label(page, tail, x, 48);
    int gapAt = x + metrics.horizontalAdvance(QStringLiteral("位,隐私位用"));
    RzEdit1 = edit(page, "RzEdit1", QStringLiteral("*"), gapAt + 1, 44,
                   metrics.horizontalAdvance(QStringLiteral("    ")) - 2);

    lblPrivacySample = previewLabel(page, "lblPrivacySample", QStringLiteral("您的名单样例"), 28, 92, 490);
    lblPrivacyResult = previewLabel(page, "lblPrivacyResult", QStringLiteral("实际显示效果"), 28, 118, 490);

    DisplayOptions& display = m_screen.engine().options().display;
    bindCheck(CheckBox2, kOption, "PrivacyStar", [&display](bool on) { display.privacyStar = on; });
    bindSpin(SpinEdit11, "StarP", 1, [this, &display](int p) {
        display.starP = p;
        refreshPrivacyPreview();
    });
    bindSpin(RzSpinEdit1, "StarO", 1, [this, &display](int count) {
        display.starO = count;
        refreshPrivacyPreview();
    });
    bindEdit(RzEdit1, "PrivacyChr", [&display](const QString& text) { display.privacyChr = toGbk(text); });
}

void TfrmControlPan::createShowOnlyPage()
{
    QWidget* page = addPage("滚动显示位数限制");
    QFontMetrics metrics(font());
    const QString middle = QStringLiteral("位开始显示,共显示");
    // One row of "从第 [P] 位开始显示,共显示 [O] 位".
    auto row = [&](const char* first, const char* count, int y, QSpinBox*& p, QSpinBox*& o) {
        int x = 28;
        label(page, QStringLiteral("从第"), x, y + 4);
        x += metrics.horizontalAdvance(QStringLiteral("从第")) + 4;
        p = spin(page, first, 1, 100, 1, x, y);
        x += 54;
        label(page, middle, x, y + 4);
        x += metrics.horizontalAdvance(middle) + 4;
        o = spin(page, count, 1, 100, 1, x, y);
        label(page, QStringLiteral("位"), x + 54, y + 4);
    };

    CheckBox6 = check(page, "CheckBox6", "滚动区显示位数限制", 10, 8);
    row("SpinEdit2", "SpinEdit3", 32, SpinEdit2, SpinEdit3);
    lblRollSample = previewLabel(page, "lblRollSample", QStringLiteral("您的名单样例"), 28, 60, 240);
    lblRollResult = previewLabel(page, "lblRollResult", QStringLiteral("实际滚动效果"), 276, 60, 240);

    CheckBox18 = check(page, "CheckBox18", "弹出中奖画面显示位数限制", 10, 102);
    row("SpinEdit6", "SpinEdit7", 126, SpinEdit6, SpinEdit7);
    lblPopSample = previewLabel(page, "lblPopSample", QStringLiteral("您的名单样例"), 28, 154, 240);
    lblPopResult = previewLabel(page, "lblPopResult", QStringLiteral("实际显示效果"), 276, 154, 240);

    DisplayOptions& display = m_screen.engine().options().display;
    connect(CheckBox6, &QCheckBox::toggled, this, &TfrmControlPan::CheckBox6Click);
    connect(CheckBox18, &QCheckBox::toggled, this, &TfrmControlPan::CheckBox18Click);
    bindSpin(SpinEdit2, "ShowStrP", 1, [this, &display](int p) {
        display.showStrP = p;
        refreshRollingPreview();
    });
    bindSpin(SpinEdit3, "ShowStrO", 1, [this, &display](int count) {
        display.showStrO = count;
        refreshRollingPreview();
    });
    bindSpin(SpinEdit6, "PopShowStrP", 1, [this, &display](int p) {
        display.popShowStrP = p;
        refreshPopupPreview();
    });
    bindSpin(SpinEdit7, "PopShowStrO", 1, [this, &display](int count) {
        display.popShowStrO = count;
        refreshPopupPreview();
    });
}

void TfrmControlPan::createSerialPage()
{
    QWidget* page = addPage("序号");
    QFontMetrics metrics(font());
    CheckBox15 = check(page, "CheckBox15", "在中奖人名称前增加数字序号", 10, 12);
    const QString before = QStringLiteral("序号与中奖人之间使用");
    label(page, before, 28, 48);
    int x = 28 + metrics.horizontalAdvance(before) + 4;
    Edit1 = edit(page, "Edit1", QStringLiteral("."), x, 44, 40);
    label(page, QStringLiteral("字符进行间隔"), x + 44, 48);
    lblSerialSample = previewLabel(page, "lblSerialSample", QStringLiteral("中 奖 人样例: 张三"), 28, 92, 490);
    lblSerialResult = previewLabel(page, "lblSerialResult", QStringLiteral("实际显示效果: 1.张三"), 28, 118, 490);

    DisplayOptions& display = m_screen.engine().options().display;
    bindCheck(CheckBox15, kOption, "SerialNumber", [&display](bool on) { display.serialNumber = on; });
    bindEdit(Edit1, "Space", [this, &display](const QString& text) {
        display.space = toGbk(text);
        refreshSerialPreview();
    });
}

void TfrmControlPan::loadDisplayPages()
{
    CheckBox2->setChecked(readBool("PrivacyStar", false));
    SpinEdit11->setValue(readInteger("StarP", 1));
    RzSpinEdit1->setValue(readInteger("StarO", 2));
    RzEdit1->setText(readText("PrivacyChr", "*"));

    // The pop-up limit after the rolling one: a stored ShowOnlyPop ticks CheckBox6 as well.
    CheckBox6->setChecked(readBool("ShowOnly", false));
    SpinEdit2->setValue(readInteger("ShowStrP", 1));
    SpinEdit3->setValue(readInteger("ShowStrO", 1));
    CheckBox18->setChecked(readBool("ShowOnlyPop", false));
    SpinEdit6->setValue(readInteger("PopShowStrP", 1));
    SpinEdit7->setValue(readInteger("PopShowStrO", 1));

    CheckBox15->setChecked(readBool("SerialNumber", false));
    Edit1->setText(readText("Space", "."));
}

void TfrmControlPan::CheckBox6Click(bool checked)
{
    DisplayOptions& display = m_screen.engine().options().display;
    display.showOnly = checked;
    writeBool(kOption, "ShowOnly", checked);
    if (!checked) {
        QSignalBlocker quiet(CheckBox18);
        CheckBox18->setChecked(false);
        display.showOnlyPop = false;
        writeBool(kOption, "ShowOnlyPop", false);
    }
}

void TfrmControlPan::CheckBox18Click(bool checked)
{
    m_screen.engine().options().display.showOnlyPop = checked;
    writeBool(kOption, "ShowOnlyPop", checked);
    if (checked)
        CheckBox6->setChecked(true);
}

std::string TfrmControlPan::sampleEntry() const
{
    const DrawList& list = m_screen.engine().state().drawList;
    return list.empty() ? std::string() : std::string(list.at(0));
}

void TfrmControlPan::refreshRollingPreview()
{
    const DisplayOptions& display = m_screen.engine().options().display;
    std::string entry = sampleEntry();
    std::string shown = display::select(entry, display.showStrP, display.showStrO);
    if (display.privacyStar)
        shown = display::mask(shown, display);
    lblRollSample->setText(QStringLiteral("您的名单样例:") + fromGbk(entry));
    lblRollResult->setText(QStringLiteral("实际滚动效果:") + fromGbk(shown));
}

void TfrmControlPan::refreshPopupPreview()
{
    const DisplayOptions& display = m_screen.engine().options().display;
    std::string entry = sampleEntry();
    std::string shown = display::select(entry, display.popShowStrP, display.popShowStrO);
    if (display.privacyStar)
        shown = display::mask(shown, display);
    lblPopSample->setText(QStringLiteral("您的名单样例:") + fromGbk(entry));
    lblPopResult->setText(QStringLiteral("实际显示效果:") + fromGbk(shown));
}

void TfrmControlPan::refreshPrivacyPreview()
{
    const DisplayOptions& display = m_screen.engine().options().display;
    std::string entry = sampleEntry();
    std::string shown = display.showOnly ? display::select(entry, display.showStrP, display.showStrO) : entry;
    shown = display::mask(shown, display);
    lblPrivacySample->setText(QStringLiteral("您的名单样例:") + fromGbk(entry));
    lblPrivacyResult->setText(QStringLiteral("实际显示效果:") + fromGbk(shown));
}

void TfrmControlPan::refreshSerialPreview()
{
    std::string entry = sampleEntry();
    QString separator = fromGbk(m_screen.engine().options().display.space);
    lblSerialSample->setText(QStringLiteral("中 奖 人样例:") + fromGbk(entry));
    lblSerialResult->setText(QStringLiteral("实际显示效果:1") + separator + fromGbk(entry));
}

}  // namespace lotavo::ui
