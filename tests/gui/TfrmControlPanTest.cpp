// The control panel offscreen, on a real engine behind a recording screen: every control writes
// its key at once with the right encoding, the engine's run-time copies follow, opening and
// closing do what the draw screen relies on.
#include "ControlPanFixture.h"

#include "draw/Clock.h"
#include "draw/DrawEngine.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "setup/DrawScreenLink.h"
#include "setup/KeyNames.h"
#include "setup/TfrmControlPan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace lotavo;
using lotavo::test::G;
using lotavo::test::Program;

namespace {

// Every check box of the first seven tabs with its key.
struct BoolKey {
    const char* control;
    const char* section;
    const char* key;
};
constexpr BoolKey kBoolKeys[] = {
    {"CheckBox4", "Option", "AllBeginPicEnable"}, {"RzCheckBox7", "Option", "SetGDChr"},
    {"CheckBox8", "Option", "OverAutoStop"},       {"CheckBox23", "Option", "AllOverPicEnable"},
    {"CheckBox3", "AwardScreen", "OverEnable"},    {"RzCheckBox5", "Option", "PrintAll"},
    {"CheckBox21", "AwardScreen", "Col2"},         {"CheckBox22", "AwardScreen", "fxcl"},
    {"CheckBox10", "Option", "frmAniPopAniMateOnShow"}, {"CheckBox11", "Option", "frmAniPopAniMateOnHide"},
    {"CheckBox2", "Option", "PrivacyStar"},        {"CheckBox15", "Option", "SerialNumber"},
    {"CheckBox5", "Option", "RepeatZJ"},           {"RzCheckBox6", "Option", "ImgStretch"},
    {"RzCheckBox11", "Option", "AwardPicS"},       {"RzCheckBox15", "Option", "AwardPicinPop"},
    {"RzCheckBox16", "Option", "AwardPicTrans"},   {"CheckBox19", "Option", "MouseOnClick"},
    {"RzCheckBox8", "Option", "MuitlListClear"},   {"RzCheckBox2", "Option", "Affirm"},
    {"RzCheckBox3", "Option", "AffirmOne"},        {"RzCheckBox9", "Option", "AllowDeleteR"},
    {"CheckBox12", "Option", "DelRepaetEnable"},   {"RzCheckBox17", "Option", "TempListClear"},
    {"CheckBox17", "Option", "Print"},             {"FjPrintIt", "Option", "FJPrint"},
    {"RzCheckBox1", "Option", "LabelStop"},        {"RzCheckBox10", "Option", "StepToStep"},
    {"RzCheckBox14", "Option", "AniPopCaption"},   {"RzCheckBox18", "Option", "ListAwardShow"},
    {"RzCheckBox13", "Option", "ExitSave"},        {"RzCheckBox19", "Option", "OnlyExists"},
    {"RzCheckBox4", "Option", "OverPopup"},        {"RzCheckBox20", "Option", "Mode4Pop"},
};

}  // namespace

class TfrmControlPanTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ui::installFontSubstitutions(); }

    void opensOnTheDetailTabWithEightTabs()
    {
        Program p;
        ui::TfrmControlPan& panel = p.open();
        QCOMPARE(panel.windowTitle(), QStringLiteral("高级设定"));
        QCOMPARE(panel.size(), QSize(547, 271));
        auto* tabs = p.get<QTabWidget>("PageControl1");
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        QCOMPARE(captions, QStringLiteral("启动 速度 隐私 滚动显示位数限制 序号 其它 细节 热键").split(u' '));
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("细节"));
        QCOMPARE(p.get<QPushButton>("Button1")->text(), QStringLiteral("确  定"));
    }

    void freshSettingsShowThePanelDefaultsAndWriteOnlyTheKeys()
    {
        Program p;
        p.startScreen();
        std::string before = lotavo::test::readFile(p.folder.file("lotavo.bin"));
        p.openPanel();
        // Opening stores the keys and launcher texts it shows (the keys tab); nothing else.
        std::string after = lotavo::test::readFile(p.folder.file("lotavo.bin"));
        QCOMPARE(after.substr(0, before.size()), before);
        lotavo::test::writeFile(p.folder.file("added.ini"), after.substr(before.size()));
        for (const std::string& section : IniStore(p.folder.file("added.ini")).sectionNames())
            QVERIFY2(section == "DownKey" || section == "Launcher", section.c_str());
        for (const std::string& change : p.screen->changes)
            QVERIFY2(change.starts_with("DownKey/") || change.starts_with("Launcher/"), change.c_str());

        // Where the panel shows another default than the draw screen reads.
        QVERIFY(p.box("CheckBox7")->isChecked());   // StartRun
        QCOMPARE(p.spin("RzSpinEdit1")->value(), 2);  // StarO
        QCOMPARE(p.options().display.starO, 1);
        QCOMPARE(p.spin("SpinEdit1")->value(), 100);  // AniPopDelay
        QVERIFY(!p.box("CheckBox11")->isChecked());  // frmAniPopAniMateOnHide
        QCOMPARE(p.spin("RzSpinEdit5")->value(), 1);  // AniPopDelayCloseVal read with 2 ms
        QCOMPARE(p.get<QLineEdit>("RzEdit10")->text(), QStringLiteral("F6"));  // Hotkey2

        QCOMPARE(p.spin("SpinEdit10")->value(), 20);
        QCOMPARE(p.spin("SpinEdit5")->value(), 50);
        QCOMPARE(p.spin("SpinEdit4")->value(), 3);
        QCOMPARE(p.spin("RzSpinEdit2")->value(), 201);
        QCOMPARE(p.spin("SpinEdit11")->value(), 1);
        QCOMPARE(p.spin("RzSpinEdit4")->value(), 5);
        QCOMPARE(p.spin("RzSpinEdit3")->value(), 5);
        for (const char* name : {"SpinEdit2", "SpinEdit3", "SpinEdit6", "SpinEdit7"})
            QCOMPARE(p.spin(name)->value(), 1);
        QCOMPARE(p.get<QComboBox>("ComboBox1")->currentText(), QStringLiteral("穿刺"));
        QCOMPARE(p.get<QLineEdit>("RzEdit1")->text(), QStringLiteral("*"));
        QCOMPARE(p.get<QLineEdit>("Edit1")->text(), QStringLiteral("."));
        QCOMPARE(p.get<QLineEdit>("RzEdit2")->text(), QString());
        for (const char* on : {"CheckBox8", "CheckBox10", "RzCheckBox16", "CheckBox19"})
            QVERIFY2(p.box(on)->isChecked(), on);
        for (const BoolKey& k : kBoolKeys)
            if (!QList<QByteArray> {"CheckBox8", "CheckBox10", "RzCheckBox16", "CheckBox19"}.contains(k.control))
                QVERIFY2(!p.box(k.control)->isChecked(), k.control);
    }

    void everyCheckBoxWritesItsKeyAsOneOrZero()
    {
        Program p;
        p.open();
        for (const BoolKey& k : kBoolKeys) {
            QCheckBox* box = p.box(k.control);
            QVERIFY2(box, k.control);
            bool was = box->isChecked();
            box->click();
            QCOMPARE(p.key(k.key, k.section), std::string(was ? "0" : "1"));
            QVERIFY2(p.screen->changed(std::string(k.section) + "/" + k.key), k.key);
            box->click();
            QCOMPARE(p.key(k.key, k.section), std::string(was ? "1" : "0"));
        }
    }

    void runTimeCopiesFollowTheBoxes()
    {
        Program p;
        p.open();
        DrawOptions& o = p.options();
        struct Copy { const char* control; bool* flag; };
        for (Copy c : {Copy {"CheckBox5", &o.repeatZJ}, {"RzCheckBox15", &o.awardPicinPop}, {"RzCheckBox2", &o.affirm},
                       {"RzCheckBox3", &o.affirmOne}, {"RzCheckBox9", &o.allowDeleteR}, {"CheckBox12", &o.delRepaetEnable},
                       {"CheckBox17", &o.print}, {"FjPrintIt", &o.fjPrint}, {"RzCheckBox10", &o.stepToStep},
                       {"RzCheckBox14", &o.aniPopCaption}, {"RzCheckBox18", &o.listAwardShow},
                       {"RzCheckBox4", &o.overPopup}, {"RzCheckBox20", &o.mode4Pop},
                       {"CheckBox2", &o.display.privacyStar}, {"CheckBox15", &o.display.serialNumber}}) {
            p.box(c.control)->click();
            QVERIFY2(*c.flag, c.control);
            p.box(c.control)->click();
            QVERIFY2(!*c.flag, c.control);
        }
    }

    void spinsWriteScaledValuesAndClamp()
    {
        Program p;
        p.open();
        p.spin("SpinEdit10")->setValue(50);
        QCOMPARE(p.key("Time1Interval"), std::string("50"));
        QCOMPARE(p.options().time1Interval, 50);
        QVERIFY(p.screen->changed("Option/Time1Interval"));
        p.spin("SpinEdit10")->setValue(500);
        QCOMPARE(p.key("Time1Interval"), std::string("100"));
        p.spin("SpinEdit4")->setValue(7);
        QCOMPARE(p.key("Time3Interval"), std::string("7000"));
        p.spin("RzSpinEdit5")->setValue(4);
        QCOMPARE(p.key("AniPopDelayCloseVal"), std::string("4000"));
        p.spin("RzSpinEdit2")->setValue(10);
        QCOMPARE(p.key("MaxNumber"), std::string("9"));
        QCOMPARE(p.options().maxNumber, 9);
        p.spin("RzSpinEdit1")->setValue(9);
        QCOMPARE(p.key("StarO"), std::string("6"));
        QCOMPARE(p.options().display.starO, 6);
        p.spin("SpinEdit1")->setValue(0);
        QCOMPARE(p.key("AniPopDelay"), std::string("1"));
        p.spin("RzSpinEdit4")->setValue(12);
        QCOMPARE(p.key("GridX"), std::string("12"));
        p.spin("RzSpinEdit3")->setValue(13);
        QCOMPARE(p.key("GridY"), std::string("13"));
        for (auto [name, key] : {std::pair {"SpinEdit2", "ShowStrP"}, {"SpinEdit3", "ShowStrO"}, {"SpinEdit6", "PopShowStrP"},
                                 {"SpinEdit7", "PopShowStrO"}, {"SpinEdit11", "StarP"}, {"SpinEdit5", "AniMateStep"}}) {
            p.spin(name)->setValue(42);
            QCOMPARE(p.key(key), std::string("42"));
        }
        QCOMPARE(p.options().display.popShowStrO, 42);
        QCOMPARE(p.options().display.starP, 42);

        // Letters typed into a spin change nothing.
        QSpinBox* speed = p.spin("SpinEdit10");
        speed->setFocus();
        QTest::keyClicks(speed, QStringLiteral("abc"));
        QCOMPARE(p.key("Time1Interval"), std::string("100"));
    }

    void storedValuesOutOfRangeAreClampedAndWrittenBack()
    {
        Program p;
        p.option("Time1Interval", "1000");
        p.option("Time3Interval", "junk");
        p.option("StarO", "-3");
        p.open();
        QCOMPARE(p.spin("SpinEdit10")->value(), 100);
        QCOMPARE(p.key("Time1Interval"), std::string("100"));
        QCOMPARE(p.spin("SpinEdit4")->value(), 3);
        QCOMPARE(p.spin("RzSpinEdit1")->value(), 1);
        QCOMPARE(p.key("StarO"), std::string("1"));
    }

    void maxNumberSurvivesOpeningAndClosing()
    {
        Program p;
        p.option("MaxNumber", "37");
        p.open();
        QCOMPARE(p.spin("RzSpinEdit2")->value(), 38);
        p.panel->done(QDialog::Accepted);
        QCOMPARE(p.key("MaxNumber"), std::string("37"));
    }

    void textsAreWrittenAsGbkAtEachChange()
    {
        Program p;
        p.open();
        p.get<QLineEdit>("RzEdit2")->setText(QStringLiteral("恭喜发财"));
        QCOMPARE(p.key("SetChrS"), G("恭喜发财"));
        p.get<QLineEdit>("RzEdit1")->setText(QStringLiteral("○"));
        QCOMPARE(p.key("PrivacyChr"), G("○"));
        QCOMPARE(p.options().display.privacyChr, G("○"));
        QLineEdit* separator = p.get<QLineEdit>("Edit1");
        separator->selectAll();
        QTest::keyClicks(separator, QStringLiteral("-"));
        QCOMPARE(p.key("Space"), std::string("-"));
        QCOMPARE(p.options().display.space, std::string("-"));
        QCOMPARE(p.text("lblSerialResult"), QStringLiteral("实际显示效果:1-13523773777"));
    }

    void effectListStoresItsNames()
    {
        Program p;
        p.option("AniMateDelay", "etVortex");
        p.open();
        auto* effects = p.get<QComboBox>("ComboBox1");
        QCOMPARE(effects->currentText(), QStringLiteral("旋涡"));
        QVERIFY(!p.screen->changed("Option/AniMateDelay"));
        effects->setCurrentIndex(0);
        QCOMPARE(p.key("AniMateDelay"), std::string("etFireworks"));
        QVERIFY(p.screen->changed("Option/AniMateDelay"));
        effects->setCurrentIndex(5);
        QCOMPARE(p.key("AniMateDelay"), std::string("etRandom"));

        Program unknown;
        unknown.option("AniMateDelay", "etNothing");
        unknown.open();
        QCOMPARE(unknown.get<QComboBox>("ComboBox1")->currentText(), QStringLiteral("穿刺"));
        QCOMPARE(unknown.key("AniMateDelay"), std::string("etNothing"));
    }

    void showOnlyBoxesSwitchTogether()
    {
        Program p;
        p.open();
        p.box("CheckBox18")->click();
        QVERIFY(p.box("CheckBox6")->isChecked());
        QCOMPARE(p.key("ShowOnly"), std::string("1"));
        QCOMPARE(p.key("ShowOnlyPop"), std::string("1"));
        QVERIFY(p.options().display.showOnly && p.options().display.showOnlyPop);
        p.box("CheckBox6")->click();
        QVERIFY(!p.box("CheckBox18")->isChecked());
        QCOMPARE(p.key("ShowOnly"), std::string("0"));
        QCOMPARE(p.key("ShowOnlyPop"), std::string("0"));
        QVERIFY(!p.options().display.showOnly && !p.options().display.showOnlyPop);

        Program stored;
        stored.option("ShowOnlyPop", "1");
        stored.open();
        QVERIFY(stored.box("CheckBox6")->isChecked());
        QCOMPARE(stored.key("ShowOnly"), std::string("1"));
    }

    void privacyPreviewMasksTheFirstEntry()
    {
        Program p("13523773777");
        p.option("StarO", "2");
        p.open();
        QCOMPARE(p.text("lblPrivacyResult"), QStringLiteral("实际显示效果"));
        p.spin("SpinEdit11")->setValue(8);
        QCOMPARE(p.text("lblPrivacySample"), QStringLiteral("您的名单样例:13523773777"));
        QCOMPARE(p.text("lblPrivacyResult"), QStringLiteral("实际显示效果:1352377**77"));
    }

    void previewsCutAndMaskAsTheScreenDoes()
    {
        Program p("ABCDEFG");
        for (auto [key, value] : {std::pair {"ShowOnly", "1"}, {"ShowStrP", "3"}, {"ShowStrO", "4"}, {"PrivacyStar", "1"},
                                  {"StarP", "2"}, {"StarO", "1"}, {"PrivacyChr", "*"}})
            p.option(key, value);
        p.open();
        QCOMPARE(p.text("lblRollResult"), QStringLiteral("实际滚动效果:C*EF"));
        QCOMPARE(p.text("lblPrivacyResult"), QStringLiteral("实际显示效果:C*EF"));
        QCOMPARE(p.text("lblPopResult"), QStringLiteral("实际显示效果"));
        p.spin("SpinEdit6")->setValue(2);
        QCOMPARE(p.text("lblPopResult"), QStringLiteral("实际显示效果:B*"));
        p.get<QLineEdit>("Edit1")->setText(QStringLiteral("、"));
        QCOMPARE(p.text("lblSerialSample"), QStringLiteral("中 奖 人样例:ABCDEFG"));
        QCOMPARE(p.text("lblSerialResult"), QStringLiteral("实际显示效果:1、ABCDEFG"));
    }

    void automaticDrawStartsOnlyWhenThePanelCloses()
    {
        Program p;
        p.open();
        p.box("CheckBox9")->click();
        QCOMPARE(p.key("AutoDown"), std::string("1"));
        QCOMPARE(p.key("AniPopDelayClose"), std::string("1"));
        QVERIFY(p.screen->changed("Option/AniPopDelayClose"));
        QVERIFY(!p.screen->changed("Option/AutoDown"));

        ui::setNextMessageAnswers({MessageAnswer::Ok});
        p.panel->done(QDialog::Accepted);
        QCOMPARE(ui::answeredMessages().last(), QStringLiteral("自动抽奖（无需人为控制自动抽取）的选项为打开状态"));
        QCOMPARE(p.screen->changes.back(), std::string("Option/AutoDown"));

        Program off;
        off.option("AutoDown", "1");
        off.open();
        off.box("CheckBox9")->click();
        QCOMPARE(off.key("AutoDown"), std::string("0"));
        QCOMPARE(off.key("AniPopDelayClose"), std::string("0"));
        QVERIFY(off.screen->changed("Option/AutoDown"));
    }

    void keyboardLockAndStartRunGoTogether()
    {
        Program p;
        p.option("StartRun", "0");
        p.open();
        QVERIFY(!p.box("CheckBox7")->isChecked());
        p.box("RzCheckBox12")->click();
        QVERIFY(p.box("CheckBox7")->isChecked());
        QCOMPARE(p.key("StartRun"), std::string("1"));
        QCOMPARE(p.key("AllKeyOpen"), std::string("1"));
        QVERIFY(p.options().allKeyOpen);
        QVERIFY(!p.host.rollTimer);
        p.box("CheckBox7")->click();
        QVERIFY(!p.box("RzCheckBox12")->isChecked());
        QCOMPARE(p.key("AllKeyOpen"), std::string("0"));
        QVERIFY(!p.options().allKeyOpen);

        Program stored;
        stored.option("StartRun", "0");
        stored.option("AllKeyOpen", "1");
        stored.open();
        QVERIFY(stored.box("RzCheckBox12")->isChecked());
        QVERIFY(stored.box("CheckBox7")->isChecked());
        QCOMPARE(stored.key("StartRun"), std::string("1"));
        QVERIFY(stored.screen->changed("Option/AllKeyOpen"));
    }

    void printBoxShowsTheScreensFlag()
    {
        Program p;
        p.option("Print", "1");
        p.open();
        QVERIFY(p.box("CheckBox17")->isChecked());
    }

    void pictureButtonsWriteTheChosenPath()
    {
        Program p;
        p.open();
        QString chosen;
        p.panel->setPictureChooser([&chosen] { return chosen; });
        p.get<QToolButton>("SpeedButton2")->click();
        QCOMPARE(p.key("AllBeginPic"), std::string("<missing>"));
        chosen = QString::fromStdString(p.folder.file("开始.jpg"));
        p.get<QToolButton>("SpeedButton2")->click();
        QCOMPARE(fromGbkKey(p.key("AllBeginPic")), chosen);
        chosen = QString::fromStdString(p.folder.file("结束.bmp"));
        p.get<QToolButton>("SpeedButton1")->click();
        QCOMPARE(fromGbkKey(p.key("AllOverPic")), chosen);
        QVERIFY(p.screen->changed("Option/AllOverPic"));
    }

    void closingInThePrizeDrawLeavesOneLevel()
    {
        Program p;
        p.option("ModeSelect", "3");
        p.settings.writeInteger("Number", "AllJJ", 4);
        for (int level = 1; level <= 4; ++level)
            p.settings.writeString("JxTitle", "RzEdit" + std::to_string(level), G(std::to_string(level) + "等奖"));
        p.open();
        QCOMPARE(p.options().mode, 3);
        p.panel->done(QDialog::Accepted);
        QCOMPARE(p.key("AllJJ", "Number"), std::string("1"));
        QCOMPARE(p.key("r1", "JxNumberAAT"), std::string("1"));
        QCOMPARE(p.key("RzEdit1", "JxTitle"), G("1等奖"));
        for (int level = 2; level <= 20; ++level)
            QCOMPARE(p.settings.readString("JxTitle", "RzEdit" + std::to_string(level), "<missing>"), std::string());
    }

    void closingRefreshesPrizePictureAndPopupTitle()
    {
        Program p;
        p.open();
        int level = p.screen->engine().state().currentLevel;
        p.panel->done(QDialog::Rejected);
        QVERIFY(p.screen->changed("JXPic/SpeedButton" + std::to_string(level)));
        QVERIFY(p.screen->changed("Option/AniPopCaption"));
        QCOMPARE(p.key("AllJJ", "Number"), std::string("<missing>"));
    }

    void keyNames()
    {
        QCOMPARE(ui::virtualKeyName(32), QStringLiteral("空格键"));
        QCOMPARE(ui::virtualKeyName(186), QString());
        QCOMPARE(ui::virtualKeyName(48), QStringLiteral("0"));
        QCOMPARE(ui::virtualKeyName(90), QStringLiteral("Z"));
        QCOMPARE(ui::virtualKeyName(105), QStringLiteral("小键盘9"));
        QCOMPARE(ui::virtualKeyName(135), QStringLiteral("F24"));
        QCOMPARE(ui::virtualKeyName(254), QStringLiteral("OEM_CLEAR"));
        QCOMPARE(ui::virtualKeyName(0), QString());
        QCOMPARE(ui::virtualKeyName(300), QString());
    }

    void hintsAndCaptionsAreKeptByteForByte()
    {
        Program p;
        p.open();
        QCOMPARE(p.box("RzCheckBox13")->toolTip(),
                 QStringLiteral("使用此功能后，抽奖名单将会自动保存，请务必在正式抽奖\r\n\r\n前，再次导入完整名单"));
        QVERIFY(!p.box("RzCheckBox2")->toolTip().isEmpty());
        QCOMPARE(p.box("RzCheckBox3")->text(),
                 QStringLiteral("确认中奖人是否中奖(仅在多行滚动抽取及\r\n\r\n(照片滚动模式下可用,每次抽单人时使用)"));
        QCOMPARE(p.box("CheckBox3")->text(), QStringLiteral("使用动态字幕播放中奖名单 "));
    }

    void hintShowsAsSoonAsTheMouseEnters()
    {
        Program p;
        ui::TfrmControlPan& panel = p.open();
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(p.box("RzCheckBox13"), &enter);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), p.box("RzCheckBox13")->toolTip());
        QToolTip::hideText();
    }

    void anEmptyDrawListPreviewsNothing()
    {
        Program p;
        lotavo::test::writeFile(p.folder.file("Text.txt"), "");
        p.open();
        QVERIFY(p.screen->engine().state().drawList.empty());
        p.spin("SpinEdit11")->setValue(3);
        p.spin("SpinEdit2")->setValue(3);
        p.get<QLineEdit>("Edit1")->setText(QStringLiteral("-"));
        // The mask is appended whatever the length, as on the screen.
        QCOMPARE(p.text("lblPrivacyResult"), QStringLiteral("实际显示效果:*"));
        QCOMPARE(p.text("lblRollSample"), QStringLiteral("您的名单样例:"));
        QCOMPARE(p.text("lblSerialResult"), QStringLiteral("实际显示效果:1-"));
    }

    void everyControlFitsInsideItsTab()
    {
        Program p;
        ui::TfrmControlPan& panel = p.open();
        panel.show();
        auto* tabs = p.get<QTabWidget>("PageControl1");
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QWidget* page = tabs->widget(i);
            QVERIFY(QTest::qWaitForWindowExposed(&panel));
            for (QWidget* child : page->findChildren<QWidget*>()) {
                if (!child->isVisibleTo(page))
                    continue;
                QWidget* parent = child->parentWidget();
                QVERIFY2(parent->rect().contains(child->geometry()),
                         qPrintable(tabs->tabText(i) + u' ' + child->objectName() + u' ' +
                                    QLatin1String(child->metaObject()->className())));
            }
        }
    }

    // LOTAVO_SHOTS=folder saves every tab as a picture, to look at.
    void screenshotsWhenAsked()
    {
        QString folder = qEnvironmentVariable("LOTAVO_SHOTS");
        if (folder.isEmpty())
            QSKIP("LOTAVO_SHOTS not set");
        Program p(G("1001 王小明 市场部"));
        ui::TfrmControlPan& panel = p.open();
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        auto* tabs = p.get<QTabWidget>("PageControl1");
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QTest::qWait(20);
            QVERIFY(panel.grab().save(folder + QStringLiteral("/tab%1.png").arg(i)));
        }
        // The previews filled in.
        p.box("CheckBox2")->click();
        p.spin("SpinEdit11")->setValue(6);
        p.spin("SpinEdit2")->setValue(6);
        p.spin("SpinEdit3")->setValue(6);
        p.spin("SpinEdit7")->setValue(30);
        p.get<QLineEdit>("Edit1")->setText(QStringLiteral("、"));
        for (int i : {2, 3, 4}) {
            tabs->setCurrentIndex(i);
            QTest::qWait(20);
            QVERIFY(panel.grab().save(folder + QStringLiteral("/tab%1-preview.png").arg(i)));
        }
    }

private:
    static QString fromGbkKey(const std::string& stored) { return ui::fromGbk(stored); }
};

QTEST_MAIN(TfrmControlPanTest)
#include "TfrmControlPanTest.moc"
