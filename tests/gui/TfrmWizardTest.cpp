// The setup wizard, offscreen, on a fake draw screen that records what it hears: every page
// writes its keys the moment a control changes, completion and cancel, the level rows.
#include "FakeHost.h"
#include "TestSupport.h"

#include "draw/Clock.h"
#include "draw/DrawEngine.h"
#include "draw/Gbk.h"
#include "present/QtText.h"
#include "present/SmoothLabel.h"
#include "main/TFrmMain.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/TMsgForm.h"
#include "setup/DrawScreenLink.h"
#include "setup/TfrmJXName.h"
#include "setup/TfrmWizard.h"
#include "setup/WizardScrollBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace lotavo;
using lotavo::test::G;

namespace {

// The draw screen as the wizard sees it: an engine and a record of the keys it heard of.
class FakeScreen : public ui::DrawScreenLink {
public:
    explicit FakeScreen(DrawEngine& engine) : m_engine(engine) {}
    DrawEngine& engine() override { return m_engine; }
    void settingChanged(const std::string& section, const std::string& key) override
    {
        heard.append(QString::fromStdString(section + "/" + key));
    }
    void refreshRollingLabels() override { ++refreshes; }

    QStringList heard;
    int refreshes = 0;

private:
    DrawEngine& m_engine;
};

// A program folder from the bundled data with a small list, an engine on it, a screen link.
struct Program {
    lotavo::test::TempFolder folder;
    std::unique_ptr<IniStore> settings;
    FixedClock clock {LocalTime {2026, 12, 9, 14, 5, 0, 0}};
    lotavo::test::FakeHost host;
    std::unique_ptr<DrawEngine> engine;
    std::unique_ptr<FakeScreen> screen;
    std::unique_ptr<ui::TfrmWizard> wizard;
    QString chosenPicture;
    int fontDialogs = 0;

    explicit Program(int levels = 3)
    {
        std::filesystem::copy(qEnvironmentVariable("LOTAVO_DATA").toStdString(), folder.path(),
                              std::filesystem::copy_options::recursive);
        std::string list;
        for (int i = 0; i < 30; ++i)
            list += std::to_string(1000 + i) + G(" 参加者") + "\r\n";
        lotavo::test::writeFile(folder.file("Text.txt"), list);
        settings = std::make_unique<IniStore>(folder.file("lotavo.bin"));
        settings->writeInteger("Number", "AllJJ", levels);
        for (int n = 1; n <= levels; ++n) {
            std::string i = std::to_string(n);
            settings->writeString("JxTitle", "RzEdit" + i, G(i + "等奖"));
            settings->writeString("JxAward", "AWRzEdit" + i, G("奖品" + i));
            settings->writeInteger("JxNumber", "RzSpinEdit" + i, n * 2);
            settings->writeInteger("JxNumberAAT", "r" + i, 1);
        }
    }
    ui::TfrmWizard& open()
    {
        engine = std::make_unique<DrawEngine>(*settings, ProgramFolder(folder.path()), host, clock);
        engine->startUp();
        screen = std::make_unique<FakeScreen>(*engine);
        wizard = std::make_unique<ui::TfrmWizard>(*settings, ProgramFolder(folder.path()), *screen);
        ui::WizardDialogs dialogs;
        dialogs.chooseFont = [this](QWidget*, QFont& font, QColor& colour) {
            ++fontDialogs;
            font = QFont(QStringLiteral("Noto Serif CJK SC"), 28);
            font.setBold(true);
            colour = QColor(0x12, 0x34, 0x56);
            return true;
        };
        dialogs.choosePicture = [this](QWidget*) { return chosenPicture; };
        dialogs.chooseEffect = [](QWidget*, ui::TextEffect& effect) {
            effect.shadow = true;
            effect.alpha = 200;
            return true;
        };
        wizard->setDialogs(dialogs);
        wizard->show();
        QApplication::processEvents();
        screen->heard.clear();
        return *wizard;
    }
    template <class T> T* find(const char* name) { return wizard->findChild<T*>(QLatin1String(name)); }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    QSpinBox* spin(const char* name) { return find<QSpinBox>(name); }
    std::string text(const char* section, const std::string& key)
    {
        return gbk::toUtf8(settings->readString(section, key, "<missing>"));
    }
    int integer(const char* section, const std::string& key) { return settings->readInteger(section, key, -1); }
};

// The texts of the fading messages open now.
QStringList fadingMessages()
{
    QStringList texts;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<ui::TMsgForm*>(widget))
            for (QLabel* label : form->findChildren<QLabel*>())
                if (label->text().size() > 2)
                    texts.append(label->text());
    return texts;
}

bool fadingMessageContains(const QString& part)
{
    for (const QString& text : fadingMessages())
        if (text.contains(part))
            return true;
    return false;
}

// Letters as key presses, Chinese as an input method commits it.
void typeInto(QWidget* widget, const QString& text)
{
    widget->setFocus();
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(c));
        } else {
            QInputMethodEvent event;
            event.setCommitString(QString(c));
            QApplication::sendEvent(widget, &event);
        }
    }
}

// True when the target took the event for itself.
bool wheel(QWidget* target, int delta)
{
    QPointF at(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

}  // namespace

class TfrmWizardTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ui::TMsgForm::freeAll(); }
    void cleanup() { ui::TMsgForm::freeAll(); }

    void opensWithOneRowPerLevelFromTheSettings();
    void levelTitleWritesAndRelabelsTheRow();
    void emptyLevelTitleIsReportedAndStoredEmpty();
    void prizeTextAndPictureMenu();
    void spinsWriteCountsAndTheTotalFollows();
    void addAndRemoveLevels();
    void removingTheOnlyLevelDoesNothing();
    void cancelKeepsEverythingWrittenButNotTheCount();
    void completionClampsPerPressAndAppliesTheMode();
    void leavingPrizeDrawClearsTheCharacterLimits();
    void pictureModeWithoutPicturesWarns();
    void screenTextsFontsAndMarquee();
    void optionsPage();
    void clearManualPositions();
    void pageHintsFollowTheMode();
    void levelCountOutOfRangeIsClamped();
    void thousandRowsBuildQuickly();
    void wheelScrollsThreePixelsAndLeavesSpinsAlone();
    void listEditorWorkCopyLivesWhileTheWizardIsOpen();
    void theRealDrawScreenFollowsTheTexts();
};

void TfrmWizardTest::opensWithOneRowPerLevelFromTheSettings()
{
    Program p(3);
    p.settings->writeString("JxNumber", "RzSpinEdit3", "");  // unparsable: 0, shown as the minimum 1
    p.settings->writeInteger("JxNumberAAT", "r2", 4);
    ui::TfrmWizard& w = p.open();
    QCOMPARE(w.windowTitle(), QStringLiteral("设置向导"));
    QCOMPARE(w.size(), QSize(541, 340));
    QCOMPARE(w.currentPage(), 1);
    QCOMPARE(w.levelCount(), 3);
    QCOMPARE(p.edit("RzEdit2")->text(), QStringLiteral("2等奖"));
    QCOMPARE(p.edit("AWRzEdit1")->text(), QStringLiteral("奖品1"));
    QCOMPARE(p.find<QLabel>("AWLabel2")->text(), QStringLiteral("2等奖奖品"));
    QCOMPARE(p.find<QLabel>("LabelA3")->text(), QStringLiteral("3等奖设"));
    QCOMPARE(p.find<QLabel>("lblJxNameLabel1")->text(), QStringLiteral("奖项名称"));
    QCOMPARE(p.find<QLabel>("LabelAB1")->text(), QStringLiteral("人,每次抽取           人"));
    QCOMPARE(p.spin("RzSpinEdit2")->value(), 4);
    QCOMPARE(p.spin("RzSpinEdit3")->value(), 1);
    QCOMPARE(p.spin("r2")->value(), 4);
    QCOMPARE(p.spin("r1")->maximum(), 1000000);

    // The places of the table, row 2 thirty pixels below row 1.
    QCOMPARE(p.edit("RzEdit2")->geometry(), QRect(164, 63, 148, 21));
    QCOMPARE(p.edit("AWRzEdit2")->geometry(), QRect(173, 63, 131, 21));
    QCOMPARE(p.find<QToolButton>("SpeedButton2")->geometry(), QRect(305, 63, 13, 21));
    QCOMPARE(p.spin("RzSpinEdit2")->geometry(), QRect(144, 64, 60, 20));
    QCOMPARE(p.spin("r3")->geometry(), QRect(277, 94, 60, 20));
    QCOMPARE(p.find<QLabel>("lblJxNameLabel2")->pos(), QPoint(113, 69));
    QCOMPARE(p.find<QLabel>("AWLabel2")->geometry().right() + 1, 168);  // right-aligned: the right edge stays
    QCOMPARE(p.find<QLabel>("LabelA2")->geometry().right() + 1, 138);
    QCOMPARE(p.edit("RzEdit1")->property("tag").toInt(), 0);
    QCOMPARE(p.spin("r3")->property("tag").toInt(), 2);
    for (const char* box : {"sbox", "ScrollBox1", "ScrollBox2"})
        QCOMPARE(p.find<ui::WizardScrollBox>(box)->range(), 30 * 2 + 80);

    // Building the rows wrote nothing: the odd stored values are still there.
    QCOMPARE(p.text("JxNumber", "RzSpinEdit3"), std::string());
}

void TfrmWizardTest::levelTitleWritesAndRelabelsTheRow()
{
    Program p;
    p.open();
    QLineEdit* title = p.edit("RzEdit2");
    title->clear();
    typeInto(title, QStringLiteral("特等奖"));
    QCOMPARE(p.text("JxTitle", "RzEdit2"), std::string("特等奖"));
    QCOMPARE(p.find<QLabel>("AWLabel2")->text(), QStringLiteral("特等奖奖品"));
    QCOMPARE(p.find<QLabel>("LabelA2")->text(), QStringLiteral("特等奖设"));
    QVERIFY(p.screen->heard.contains(QStringLiteral("JxTitle/RzEdit2")));
}

void TfrmWizardTest::emptyLevelTitleIsReportedAndStoredEmpty()
{
    Program p;
    p.open();
    p.edit("RzEdit1")->clear();
    QCOMPARE(p.text("JxTitle", "RzEdit1"), std::string());
    QVERIFY(fadingMessageContains(QStringLiteral("奖项级别存在空缺栏!\n\n空缺会导致未知错误\n\n填写奖项级别时请勿跳级")));
}

void TfrmWizardTest::prizeTextAndPictureMenu()
{
    Program p;
    p.open();
    QLineEdit* award = p.edit("AWRzEdit3");
    award->clear();
    typeInto(award, QStringLiteral("笔记本电脑"));
    QCOMPARE(p.text("JxAward", "AWRzEdit3"), std::string("笔记本电脑"));
    QVERIFY(p.screen->heard.contains(QStringLiteral("JxAward/AWRzEdit3")));

    // A character the settings file cannot hold is replaced, and the operator hears of it once.
    award->setText(QStringLiteral("手机\u2603"));
    QCOMPARE(p.text("JxAward", "AWRzEdit3"), std::string("手机?"));
    QVERIFY(fadingMessageContains(QStringLiteral("无法以GBK编码保存,已用\"?\"代替: \u2603")));
    int messages = ui::TMsgForm::openCount();
    award->setText(QStringLiteral("手机\u2603\u2603"));
    QCOMPARE(ui::TMsgForm::openCount(), messages);

    // "增加奖品图片" through the menu of the button, as the operator does it.
    p.chosenPicture = ui::fromPath(p.folder.file("Bmp/Up.bmp"));
    QTimer::singleShot(50, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            if (action->text() == QStringLiteral("增加奖品图片"))
                action->trigger();
        menu->close();
    });
    QTest::mouseClick(p.find<QToolButton>("SpeedButton2"), Qt::LeftButton);
    QCOMPARE(p.text("JXPic", "SpeedButton2"), p.folder.file("Bmp/Up.bmp"));
    QVERIFY(p.screen->heard.contains(QStringLiteral("JXPic/SpeedButton2")));

    // The menu shows the stored picture; "清除奖品图片" empties the key.
    QTimer::singleShot(50, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QVERIFY(menu->findChild<QLabel*>(QStringLiteral("PrizePicturePreview")));
        for (QAction* action : menu->actions())
            if (action->text() == QStringLiteral("清除奖品图片"))
                action->trigger();
        menu->close();
    });
    QTest::mouseClick(p.find<QToolButton>("SpeedButton2"), Qt::LeftButton);
    QCOMPARE(p.text("JXPic", "SpeedButton2"), std::string());

    // A file that is no picture is refused with a message; a cancelled dialog changes nothing.
    lotavo::test::writeFile(p.folder.file("bad.jpg"), "not a picture");
    p.settings->writeString("JXPic", "SpeedButton1", "keep");
    p.chosenPicture = ui::fromPath(p.folder.file("bad.jpg"));
    QTimer::singleShot(50, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            if (action->text() == QStringLiteral("增加奖品图片"))
                action->trigger();
        menu->close();
    });
    QTest::mouseClick(p.find<QToolButton>("SpeedButton1"), Qt::LeftButton);
    QCOMPARE(p.text("JXPic", "SpeedButton1"), std::string("keep"));
    QVERIFY(fadingMessageContains(QStringLiteral("无法使用此图片")));
}

void TfrmWizardTest::spinsWriteCountsAndTheTotalFollows()
{
    Program p;
    ui::TfrmWizard& w = p.open();
    w.showPage(4);
    QLabel* total = p.find<QLabel>("lblTotalCount");
    QCOMPARE(total->text(), QStringLiteral("12"));  // 2 + 4 + 6
    p.spin("RzSpinEdit2")->setValue(100);
    QCOMPARE(p.integer("JxNumber", "RzSpinEdit2"), 100);
    QCOMPARE(total->text(), QStringLiteral("108"));
    p.spin("r1")->setValue(2);
    QCOMPARE(p.integer("JxNumberAAT", "r1"), 2);
    QVERIFY(p.screen->heard.contains(QStringLiteral("JxNumberAAT/r1")));

    // Typed input: letters are refused, numbers beyond the range are not taken.
    QSpinBox* spin = p.spin("RzSpinEdit1");
    spin->selectAll();
    typeInto(spin, QStringLiteral("abc"));
    QCOMPARE(spin->value(), 2);
    spin->selectAll();
    typeInto(spin, QStringLiteral("99999999"));
    QVERIFY(spin->value() <= 1000000);
    QCOMPARE(p.integer("JxNumber", "RzSpinEdit1"), spin->value());
}

void TfrmWizardTest::addAndRemoveLevels()
{
    Program p(3);
    p.settings->writeInteger("JxNumber", "RzSpinEdit3", 7);
    p.settings->writeInteger("JxNumberAAT", "r3", 5);
    ui::TfrmWizard& w = p.open();
    w.showPage(2);
    QPushButton* add = p.find<QPushButton>("SbtnAdd");
    QPushButton* del = p.find<QPushButton>("SbtnDel");
    QCOMPARE(add->text(), QStringLiteral("增加奖级"));
    QCOMPARE(del->text(), QStringLiteral("删除奖级"));

    del->click();
    QCOMPARE(w.levelCount(), 2);
    QVERIFY(!p.edit("RzEdit3"));
    QVERIFY(!p.spin("r3"));
    QCOMPARE(p.integer("Number", "AllJJ"), 3);  // the count reaches the file on completion
    QCOMPARE(p.find<ui::WizardScrollBox>("sbox")->range(), 30 + 80);

    p.find<ui::WizardScrollBox>("sbox")->verticalScrollBar()->setValue(20);
    add->click();
    QCOMPARE(w.levelCount(), 3);
    QCOMPARE(p.find<ui::WizardScrollBox>("sbox")->position(), 0);
    QCOMPARE(p.edit("RzEdit3")->text(), QStringLiteral("3等奖"));
    QCOMPARE(p.edit("AWRzEdit3")->text(), QStringLiteral("奖品:"));
    QCOMPARE(p.text("JxTitle", "RzEdit3"), std::string("3等奖"));
    QCOMPARE(p.text("JxAward", "AWRzEdit3"), std::string("奖品:"));
    QCOMPARE(p.spin("RzSpinEdit3")->value(), 7);  // the removed level's counts come back
    QCOMPARE(p.spin("r3")->value(), 5);
    QCOMPARE(p.find<QLabel>("AWLabel3")->text(), QStringLiteral("3等奖奖品"));
    QCOMPARE(p.integer("Number", "AllJJ"), 3);
    QCOMPARE(p.find<ui::WizardScrollBox>("ScrollBox2")->range(), 30 * 2 + 80);

    add->click();
    QCOMPARE(p.integer("Number", "AllJJ"), 4);
    QCOMPARE(p.edit("RzEdit4")->geometry(), QRect(164, 123, 148, 21));
    QVERIFY(p.edit("RzEdit4")->isVisible());
    // The new row's handlers are attached.
    p.spin("RzSpinEdit4")->setValue(9);
    QCOMPARE(p.integer("JxNumber", "RzSpinEdit4"), 9);
}

void TfrmWizardTest::removingTheOnlyLevelDoesNothing()
{
    Program p(1);
    ui::TfrmWizard& w = p.open();
    p.find<QPushButton>("SbtnDel")->click();
    QCOMPARE(w.levelCount(), 1);
    QVERIFY(p.edit("RzEdit1"));
}

void TfrmWizardTest::cancelKeepsEverythingWrittenButNotTheCount()
{
    Program p(3);
    ui::TfrmWizard& w = p.open();
    p.find<QPushButton>("SbtnDel")->click();
    p.edit("AWRzEdit1")->setText(QStringLiteral("汽车"));
    p.find<QRadioButton>("RBMode3")->click();
    p.find<QPushButton>("BtnCancel")->click();
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(!w.completed());
    QCOMPARE(p.integer("Number", "AllJJ"), 3);
    QCOMPARE(p.text("JxAward", "AWRzEdit1"), std::string("汽车"));
    QCOMPARE(p.integer("Option", "ModeSelect"), 1);  // the mode applies on completion only
    QCOMPARE(p.engine->options().mode, 1);
}

void TfrmWizardTest::completionClampsPerPressAndAppliesTheMode()
{
    Program p(3);
    ui::TfrmWizard& w = p.open();
    p.spin("RzSpinEdit2")->setValue(3);
    p.spin("r2")->setValue(5);
    p.find<QPushButton>("SbtnDel")->click();
    p.find<QRadioButton>("RBMode3")->click();
    p.find<QPushButton>("BtnFinish")->click();

    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(w.completed());
    QCOMPARE(p.spin("r2")->value(), 3);
    QCOMPARE(p.integer("JxNumberAAT", "r2"), 3);
    QCOMPARE(p.integer("Number", "AllJJ"), 2);
    QCOMPARE(p.integer("Option", "ModeSelect"), 3);
    QCOMPARE(p.integer("Option", "ShowOnly"), 1);
    QCOMPARE(p.integer("Option", "ShowStrP"), 1);
    QCOMPARE(p.integer("Option", "ShowStrO"), 6);
    QCOMPARE(p.integer("Option", "ShowOnlyPop"), 1);
    QCOMPARE(p.integer("Option", "PopShowStrP"), 7);
    QCOMPARE(p.integer("Option", "PopShowStrO"), 30);
    const DrawOptions& o = p.engine->options();
    QCOMPARE(o.mode, 3);
    QVERIFY(o.display.showOnly && o.display.showOnlyPop);
    QCOMPARE(o.display.showStrO, 6);
    QCOMPARE(o.display.popShowStrP, 7);
    QCOMPARE(p.screen->refreshes, 1);
    QVERIFY(p.screen->heard.contains(QStringLiteral("Option/ModeSelect")));
    QVERIFY(p.screen->heard.contains(QStringLiteral("Number/AllJJ")));
    QVERIFY(!std::filesystem::exists(p.folder.file("TempEdit.txt")));
}

void TfrmWizardTest::leavingPrizeDrawClearsTheCharacterLimits()
{
    Program p;
    p.settings->writeInteger("Option", "ModeSelect", 3);
    p.settings->writeBool("Option", "ShowOnly", true);
    p.settings->writeBool("Option", "ShowOnlyPop", true);
    ui::TfrmWizard& w = p.open();
    QVERIFY(p.find<QRadioButton>("RBMode3")->isChecked());
    QVERIFY(p.engine->options().display.showOnly);
    p.find<QRadioButton>("RBMode1")->click();
    w.BtnFinishClick();
    QCOMPARE(p.integer("Option", "ModeSelect"), 1);
    QCOMPARE(p.integer("Option", "ShowOnly"), 0);
    QCOMPARE(p.integer("Option", "ShowOnlyPop"), 0);
    QVERIFY(!p.engine->options().display.showOnly);
    QVERIFY(!p.engine->options().display.showOnlyPop);
}

void TfrmWizardTest::pictureModeWithoutPicturesWarns()
{
    Program p;
    ui::TfrmWizard& w = p.open();
    p.find<QRadioButton>("RBMode4")->click();
    w.BtnFinishClick();
    QCOMPARE(p.integer("Option", "ModeSelect"), 4);
    QCOMPARE(p.engine->options().mode, 4);
    QVERIFY(fadingMessageContains(QStringLiteral("程序检测没有图片,请在\"抽奖名单\"中,导入您的图片文件夹")));
}

void TfrmWizardTest::screenTextsFontsAndMarquee()
{
    Program p;
    p.settings->writeString("frmMainLabel", "lblMainCaptionCaption", G("年会抽奖"));
    p.settings->deleteKey("frmMainLabel", "lblBtmCharCaption");
    p.open();
    QCOMPARE(p.edit("Edit1")->text(), QStringLiteral("年会抽奖"));
    QCOMPARE(p.edit("Edit4")->text(), QStringLiteral("欢迎使用"));
    QCOMPARE(p.text("frmMainLabel", "lblBtmCharCaption"), std::string("欢迎使用"));  // written back by the fill

    typeInto(p.edit("Edit3"), QStringLiteral("按空格键开始"));
    QCOMPARE(p.text("frmMainLabel", "lblHintCaption"), p.edit("Edit3")->text().toStdString());
    QVERIFY(p.screen->heard.contains(QStringLiteral("frmMainLabel/lblHintCaption")));

    p.find<QToolButton>("FontSize2")->click();
    QCOMPARE(p.fontDialogs, 1);
    QCOMPARE(p.integer("frmMainLabel", "lblMainCaption2Size"), 28);
    QCOMPARE(p.integer("frmMainLabel", "lblMainCaption2Color"), 0x563412);
    QCOMPARE(p.text("frmMainLabel", "lblMainCaption2Name"), std::string("Noto Serif CJK SC"));
    QCOMPARE(p.text("frmMainLabel", "lblMainCaption2FontStyle"), std::string("[fsBold]"));
    QCOMPARE(p.text("frmMainLabel", "lblMainCaption2Caption"), p.edit("Edit2")->text().toStdString());
    QVERIFY(p.screen->heard.contains(QStringLiteral("frmMainLabel/lblMainCaption2Size")));

    p.settings->deleteKey("frmMainLabel", "lblBtmCharCaption");
    p.find<QToolButton>("FontSize4")->click();
    QCOMPARE(p.integer("frmMainLabel", "lblBtmCharSize"), 28);
    QCOMPARE(p.text("frmMainLabel", "lblBtmCharCaption"), std::string("<missing>"));

    p.find<QToolButton>("B1")->click();
    QCOMPARE(p.integer("lblMainCaption", "Shadow"), 1);
    QCOMPARE(p.integer("lblMainCaption", "Alpha"), 200);
    QVERIFY(p.screen->heard.contains(QStringLiteral("lblMainCaption/Shadow")));

    QToolButton* marquee = p.find<QToolButton>("B4");
    QCOMPARE(marquee->toolTip(), QStringLiteral("打开或关闭底部滚动条"));
    marquee->click();
    QCOMPARE(p.integer("Option", "frmMainBottom"), 1);
    QVERIFY(p.screen->heard.contains(QStringLiteral("Option/frmMainBottom")));
    marquee->click();
    QCOMPARE(p.integer("Option", "frmMainBottom"), 0);
}

void TfrmWizardTest::optionsPage()
{
    Program p;
    p.settings->writeInteger("Option", "AniPopDelayTimeVal", 2500);
    p.settings->writeBool("Option", "AniPopDelayClose", true);
    ui::TfrmWizard& w = p.open();
    w.showPage(6);
    QCOMPARE(p.spin("SpinEdit8")->value(), 2);
    QCOMPARE(p.integer("Option", "AniPopDelayTimeVal"), 2000);
    QCOMPARE(p.spin("SpinEdit21")->value(), 1);  // missing key: 2 div 1000 = 0, the spin's minimum
    QVERIFY(p.find<QCheckBox>("CheckBox23")->isChecked());
    QVERIFY(p.find<QCheckBox>("CheckBox1")->isChecked());  // FrmAniPopTrans shows true when missing
    QVERIFY(!p.find<QCheckBox>("RzCheckBox2")->isChecked());
    QVERIFY(p.find<QGroupBox>("gbPopup")->isVisible());
    QVERIFY(!p.find<QGroupBox>("gbPicture")->isVisible());

    p.find<QCheckBox>("CheckBox20")->click();
    QCOMPARE(p.integer("Option", "AniPopDelayTime"), 1);
    p.spin("SpinEdit21")->setValue(5);
    QCOMPARE(p.integer("Option", "AniPopDelayCloseVal"), 5000);
    p.find<QCheckBox>("CheckBox1")->click();
    QCOMPARE(p.integer("Option", "FrmAniPopTrans"), 0);
    QVERIFY(p.screen->heard.contains(QStringLiteral("Option/FrmAniPopTrans")));

    p.find<QRadioButton>("RBMode4")->click();
    QVERIFY(!p.find<QGroupBox>("gbPopup")->isVisible());
    QVERIFY(p.find<QGroupBox>("gbPicture")->isVisible());
    p.find<QCheckBox>("RzCheckBox1")->click();
    QCOMPARE(p.integer("Option", "PicGDlblhide"), 1);
    p.find<QCheckBox>("RzCheckBox2")->click();
    QCOMPARE(p.integer("Option", "ContinueWin"), 1);
}

void TfrmWizardTest::clearManualPositions()
{
    Program p(2);
    for (const char* name : {"1Pos.Ini", "2Pos.Ini", "3Pos.Ini"})
        lotavo::test::writeFile(p.folder.file(name), "[Font]\r\n");
    p.open();
    QPushButton* clear = p.find<QPushButton>("btnClearPos");
    ui::setNextMessageAnswers({MessageAnswer::No});
    clear->click();
    QCOMPARE(ui::answeredMessages(), QStringList {QStringLiteral("使用此功能将会清除所有奖级的手工排列信息,确实要做吗?")});
    QVERIFY(std::filesystem::exists(p.folder.file("1Pos.Ini")));
    ui::setNextMessageAnswers({MessageAnswer::Yes});
    clear->click();
    QVERIFY(!std::filesystem::exists(p.folder.file("1Pos.Ini")));
    QVERIFY(!std::filesystem::exists(p.folder.file("2Pos.Ini")));
    QVERIFY(std::filesystem::exists(p.folder.file("3Pos.Ini")));  // beyond the level count
}

void TfrmWizardTest::pageHintsFollowTheMode()
{
    Program p;
    ui::TfrmWizard& w = p.open();
    // The hint of a mode button shows the moment the mouse enters it.
    auto* regular = p.find<QRadioButton>("RBMode1");
    QEnterEvent enter(QPointF(5, 5), regular->mapToGlobal(QPointF(5, 5)), regular->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(regular, &enter);
    QTRY_VERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().startsWith(QStringLiteral("当您按下空格键后,弹出中奖人画面\n\n优点:弹出画面上可显示多达 400 位中奖人")));
    QToolTip::hideText();
    p.find<QRadioButton>("RBMode3")->click();
    p.find<QPushButton>("BtnNext")->click();
    QCOMPARE(w.currentPage(), 2);
    QVERIFY(fadingMessageContains(QStringLiteral("请使用一级奖项,奖项名称可定义为\"祝您中奖\"")));
    QVERIFY(p.find<QPushButton>("BtnPrior")->isEnabled());
    ui::TMsgForm::freeAll();
    w.showPage(6);
    QVERIFY(fadingMessageContains(QStringLiteral("请点击 \"完成\" 按钮")));
    QVERIFY(!p.find<QPushButton>("BtnNext")->isEnabled());
    ui::TMsgForm::freeAll();
    p.find<QRadioButton>("RBMode4")->click();
    p.find<QPushButton>("BtnPrior")->click();
    QCOMPARE(w.currentPage(), 5);
    QVERIFY(fadingMessageContains(QStringLiteral("请打开菜单\n\"文件\"-\"导入图象文件夹\"功能\n\n导入您的图像列表")));
    ui::TMsgForm::freeAll();
    p.find<QRadioButton>("RBMode1")->click();
    w.showPage(3);
    QVERIFY(fadingMessages().isEmpty());
}

void TfrmWizardTest::levelCountOutOfRangeIsClamped()
{
    {
        Program p(1);
        p.settings->writeInteger("Number", "AllJJ", 0);
        ui::TfrmWizard& w = p.open();
        QCOMPARE(w.levelCount(), 1);
        p.find<QPushButton>("SbtnDel")->click();
        QCOMPARE(w.levelCount(), 1);
        w.BtnFinishClick();
        QCOMPARE(p.integer("Number", "AllJJ"), 1);
    }
    {
        Program p(1);
        p.settings->writeInteger("Number", "AllJJ", 5000);
        ui::TfrmWizard& w = p.open();
        QCOMPARE(w.levelCount(), 1000);
        QVERIFY(fadingMessageContains(QStringLiteral("最多只能显示1000级奖项")));
        p.find<QPushButton>("SbtnAdd")->click();
        QCOMPARE(w.levelCount(), 1000);
        QVERIFY(fadingMessageContains(QStringLiteral("不能再增加")));
    }
}

void TfrmWizardTest::thousandRowsBuildQuickly()
{
    Program p(1);
    p.settings->eraseSection("JxNumber");
    p.settings->writeInteger("Number", "AllJJ", 1000);
    QElapsedTimer clock;
    clock.start();
    ui::TfrmWizard& w = p.open();
    qint64 opened = clock.elapsed();
    QCOMPARE(w.levelCount(), 1000);
    QCOMPARE(p.find<ui::WizardScrollBox>("ScrollBox1")->range(), 30 * 999 + 80);
    w.showPage(4);
    QCOMPARE(p.find<QLabel>("lblTotalCount")->text(), QStringLiteral("1000"));  // missing counts read as 1
    clock.restart();
    p.find<QPushButton>("SbtnDel")->click();
    p.find<QPushButton>("SbtnAdd")->click();
    qint64 addDelete = clock.elapsed();
    clock.restart();
    w.BtnFinishClick();
    qint64 finished = clock.elapsed();
    qInfo("1000 levels: opening %lld ms, delete + add %lld ms, completion %lld ms", opened, addDelete, finished);
    QVERIFY2(opened < 5000, "opening with 1000 levels must not freeze the window");
    QCOMPARE(p.integer("Number", "AllJJ"), 1000);
}

void TfrmWizardTest::wheelScrollsThreePixelsAndLeavesSpinsAlone()
{
    Program p(20);
    ui::TfrmWizard& w = p.open();
    w.showPage(4);
    QApplication::processEvents();
    auto* box = p.find<ui::WizardScrollBox>("ScrollBox2");
    wheel(box->viewport(), -120);
    QCOMPARE(box->position(), 3);
    wheel(box->viewport(), -240);
    QCOMPARE(box->position(), 9);
    wheel(box->viewport(), 120);
    QCOMPARE(box->position(), 6);
    // A spin leaves the wheel to the area (a real wheel event then goes on to its parents).
    QSpinBox* spin = p.spin("RzSpinEdit2");
    QVERIFY(!wheel(spin, -120));
    QCOMPARE(spin->value(), 4);
}

void TfrmWizardTest::listEditorWorkCopyLivesWhileTheWizardIsOpen()
{
    Program p;
    ui::TfrmWizard& w = p.open();
    std::string copy = lotavo::test::readFile(p.folder.file("TempEdit.txt"));
    QCOMPARE(copy, lotavo::test::readFile(p.folder.file("Text.txt")));
    QWidget* editor = p.find<QWidget>("frmJXName");
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("请录入或导入您的名单(原名单为示例,使用菜单功能\"清除\")"));
    QVERIFY(p.find<QWidget>("ListPanel")->isAncestorOf(editor));
    w.showPage(5);
    QVERIFY(editor->isVisible());
    // Esc in the list cancels the wizard, not the editor alone.
    QWidget* memo = editor->findChild<QWidget*>(QStringLiteral("Memo1"));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Escape);
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(!w.isVisible());
    QVERIFY(!std::filesystem::exists(p.folder.file("TempEdit.txt")));

    // A changed list is offered for saving when the wizard closes, and saved as the main list.
    Program r;
    r.open();
    r.find<ui::TfrmJXName>("frmJXName")->setLines({G("甲"), G("乙")});
    ui::setNextMessageAnswers({MessageAnswer::Ok});
    r.wizard->BtnFinishClick();
    QCOMPARE(ui::answeredMessages(), QStringList {QStringLiteral("名单已经改变,是否需要保存此名单?")});
    QCOMPARE(lotavo::test::readFile(r.folder.file("Text.txt")), G("甲\r\n乙\r\n"));
    QVERIFY(r.wizard->completed());

    // No working copy can be written: the editor gets the list all the same.
    Program q;
    std::filesystem::create_directories(q.folder.file("TempEdit.txt/keep"));
    q.open();
    QVERIFY(fadingMessageContains(QStringLiteral("抽奖名单无法写入临时文件")));
    auto* editor2 = q.find<ui::TfrmJXName>("frmJXName");
    QCOMPARE(editor2->lines().size(), size_t(30));
    QVERIFY(!editor2->isModified());
    q.wizard->BtnCancelClick();
    QVERIFY(std::filesystem::exists(q.folder.file("TempEdit.txt/keep")));
}

void TfrmWizardTest::theRealDrawScreenFollowsTheTexts()
{
    Program p;
    p.settings->writeBool("Option", "frmAniPopAniMateOnShow", false);
    p.settings->writeBool("Option", "frmAniPopAniMateOnHide", false);
    ui::TFrmMain screen(*p.settings, ProgramFolder(p.folder.path()), p.clock);
    screen.FormCreate();
    screen.show();
    ui::TfrmWizard wizard(*p.settings, ProgramFolder(p.folder.path()), screen);
    wizard.show();
    auto* title = wizard.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    title->setText(QStringLiteral("二〇二六年会"));
    QCOMPARE(screen.findChild<ui::SmoothLabel*>(QStringLiteral("lblMainCaption"))->text(), QStringLiteral("二〇二六年会"));
    auto* hint = wizard.findChild<QLineEdit*>(QStringLiteral("Edit3"));
    hint->setText(QStringLiteral("按空格键开始"));
    QCOMPARE(screen.findChild<ui::SmoothLabel*>(QStringLiteral("lblHint"))->text(), QStringLiteral("按空格键开始"));
    wizard.findChild<QRadioButton*>(QStringLiteral("RBMode2"))->click();
    wizard.BtnFinishClick();
    QCOMPARE(screen.engine().options().mode, 2);
    QVERIFY(wizard.completed());
}

QTEST_MAIN(TfrmWizardTest)
#include "TfrmWizardTest.moc"
