// The texts of the draw screen offscreen: the title, bottom-line and marquee commands, the
// label menu on a caption, a rolling label and an inserted text, what a restart brings back,
// and the award screen's effect commands.
#include "DrawScreenProgram.h"

#include "ModalAnswers.h"
#include "draw/Clock.h"
#include "draw/Gbk.h"
#include "main/TFrmMain.h"
#include "main/settings/IniStore.h"
#include "present/FontChooser.h"
#include "present/QtText.h"
#include "present/ScrollText.h"
#include "present/SmoothLabel.h"
#include "present/SoundPlayer.h"
#include "present/TAwardShow.h"
#include "present/TfrmTextEffect.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace lotavo;
using lotavo::test::G;
using lotavo::test::ModalAnswers;

namespace {

struct Program : lotavo::test::DrawScreenProgram {
    Program() { numberedList(30); }
    // The draw screen's own menu item `name` (the pop-up window has items of the same names).
    QAction* item(const char* name)
    {
        for (auto* action : screen->findChildren<QAction*>(QString::fromLatin1(name))) {
            QWidget* owner = qobject_cast<QWidget*>(action->parent());
            while (owner && (!owner->isWindow() || qobject_cast<QMenu*>(owner)))
                owner = owner->parentWidget();
            if (owner == screen.get())
                return action;
        }
        return nullptr;
    }
    // Runs the menu item `name` while `steps` answer the dialogs it opens.
    void run(const char* name, std::deque<ModalAnswers::Step> steps = {})
    {
        QAction* action = item(name);
        QVERIFY2(action, name);
        ModalAnswers answers(std::move(steps));
        action->trigger();
        QVERIFY2(answers.done(), name);
    }
    // The label menu opened on `element`, then its item `name`.
    void runOn(QWidget* element, const char* name, std::deque<ModalAnswers::Step> steps = {})
    {
        emit element->customContextMenuRequested(QPoint(2, 2));
        find<QMenu>("pmuLabelMenu")->hide();
        run(name, std::move(steps));
    }
    std::string layoutKey(const std::string& key) { return settings->readString("frmMainLabel", key, ""); }
};

ModalAnswers::Step pickColour(QColor colour)
{
    return [colour](QWidget* dialog) {
        auto* picker = qobject_cast<QColorDialog*>(dialog);
        picker->setCurrentColor(colour);
        picker->accept();
    };
}

// The effect dialog answered with a shadow and a 30° angle.
ModalAnswers::Step shadowAndAngle()
{
    return [](QWidget* dialog) {
        auto* effect = qobject_cast<ui::TfrmTextEffect*>(dialog);
        effect->cbShadow->setChecked(true);
        effect->seAngle->setValue(30);
        effect->btnOK->click();
    };
}

// The font chooser answers with `family` at `size`, bold, in `colour`.
struct ChosenFont {
    ChosenFont(const QString& family, int size, QColor colour)
    {
        ui::setFontChooser([=](QFont& font, QColor& c) {
            font = QFont(family, size);
            font.setBold(true);
            c = colour;
            return true;
        });
    }
    ~ChosenFont() { ui::setFontChooser({}); }
};

}  // namespace

class TFrmMainTextsTest : public QObject {
    Q_OBJECT
private slots:
    void titleTextFontAndEffect();
    void statisticsWordsAndPrompt();
    void marqueeOnOffTextAndFont();
    void marqueeSpeedAndItsClamps();
    void labelMenuOnATitle();
    void labelMenuOnARollingLabelChangesEveryPlainLabel();
    void labelMenuOnAnInsertedTextSurvivesARestart();
    void awardScreenEffectItems();
};

void TFrmMainTextsTest::titleTextFontAndEffect()
{
    Program p;
    p.start();
    auto* first = p.find<ui::SmoothLabel>("lblMainCaption");
    auto* second = p.find<ui::SmoothLabel>("lblMainCaption2");

    // Cancel on the first line changes nothing and asks no more.
    QString before = first->text();
    p.run("N15", {ModalAnswers::cancel()});
    QCOMPARE(first->text(), before);

    p.run("N15", {ModalAnswers::type(QStringLiteral("星光年会")), ModalAnswers::type(QStringLiteral("幸运大抽奖"))});
    QCOMPARE(first->text(), QStringLiteral("星光年会"));
    QCOMPARE(second->text(), QStringLiteral("幸运大抽奖"));
    QCOMPARE(p.layoutKey("lblMainCaptionCaption"), G("星光年会"));
    QCOMPARE(p.layoutKey("lblMainCaption2Caption"), G("幸运大抽奖"));

    {
        ChosenFont chosen(QStringLiteral("黑体"), 40, QColor(255, 215, 0));
        p.run("N17");
    }
    for (auto* line : {first, second}) {
        QCOMPARE(line->font().pointSize(), 40);
        QCOMPARE(line->colour(), QColor(255, 215, 0));
    }
    for (std::string name : {"lblMainCaption", "lblMainCaption2"}) {
        QCOMPARE(p.settings->readInteger("frmMainLabel", name + "Size", 0), 40);
        QCOMPARE(p.layoutKey(name + "Name"), G("黑体"));
        QVERIFY(p.layoutKey(name + "FontStyle").find("fsBold") != std::string::npos);
        QCOMPARE(ui::toQColor(p.settings->readInteger("frmMainLabel", name + "Color", 0)), QColor(255, 215, 0));
    }
    QCOMPARE(p.layoutKey("lblMainCaption2Caption"), G("幸运大抽奖"));

    p.run("N127", {shadowAndAngle()});
    for (auto* line : {first, second}) {
        QVERIFY(line->effect().shadow);
        QCOMPARE(int(line->effect().angle), 30);
    }
    QVERIFY(p.settings->readBool("lblMainCaption", "Shadow", false));
    QVERIFY(p.settings->readBool("lblMainCaption2", "Shadow", false));
    QCOMPARE(p.settings->readInteger("lblMainCaption2", "Angle", 0), 30);

    p.restart();
    second = p.find<ui::SmoothLabel>("lblMainCaption2");
    QCOMPARE(second->text(), QStringLiteral("幸运大抽奖"));
    QCOMPARE(second->font().pointSize(), 40);
    QVERIFY(second->font().bold());
    QCOMPARE(int(second->effect().angle), 30);
}

void TFrmMainTextsTest::statisticsWordsAndPrompt()
{
    Program p;
    p.start();
    auto* stat = p.find<ui::SmoothLabel>("lblStat");
    auto* tip = p.find<ui::SmoothLabel>("lblTipCaption");
    p.run("N72", {ModalAnswers::type(QStringLiteral("本轮共有"))});
    p.run("N73", {ModalAnswers::type(QStringLiteral("位"))});
    QCOMPARE(p.settings->readString("Option", "lblStarFirst", ""), G("本轮共有"));
    QCOMPARE(p.settings->readString("Option", "lblStarTwo", ""), G("位"));
    QVERIFY2(stat->text().startsWith(QStringLiteral("本轮共有")), qPrintable(stat->text()));
    QVERIFY(stat->text().contains(QStringLiteral("位,已抽")));

    p.run("N74", {ModalAnswers::type(QStringLiteral("请看大屏幕"))});
    QCOMPARE(tip->text(), QStringLiteral("请看大屏幕"));
    QCOMPARE(p.layoutKey("lblTipCaptionCaption1"), G("请看大屏幕"));
    // The closing words wait for the end of the draw.
    p.run("N75", {ModalAnswers::type(QStringLiteral("感谢参与"))});
    QCOMPARE(tip->text(), QStringLiteral("请看大屏幕"));
    QCOMPARE(p.layoutKey("lblTipCaptionCaption2"), G("感谢参与"));

    // A cancelled prompt keeps the words.
    p.run("N72", {ModalAnswers::cancel()});
    QCOMPARE(p.settings->readString("Option", "lblStarFirst", ""), G("本轮共有"));

    p.restart();
    QVERIFY(p.find<ui::SmoothLabel>("lblStat")->text().startsWith(QStringLiteral("本轮共有")));
    QCOMPARE(p.find<ui::SmoothLabel>("lblTipCaption")->text(), QStringLiteral("请看大屏幕"));
}

void TFrmMainTextsTest::marqueeOnOffTextAndFont()
{
    Program p;
    p.settings->writeBool("Option", "frmMainBottom", false);
    p.start();
    auto* panel = p.find("pnlBtm");
    auto* marquee = p.find<QLabel>("lblBtmChar");
    QAction* toggle = p.item("N100");
    QVERIFY(!panel->isVisible());
    QCOMPARE(toggle->text(), QStringLiteral("打开底部滚动字幕"));

    p.run("N100");
    QVERIFY(panel->isVisible());
    QCOMPARE(toggle->text(), QStringLiteral("关闭底部滚动字幕"));
    QVERIFY(p.settings->readBool("Option", "frmMainBottom", false));
    int x = marquee->x();
    QTRY_VERIFY(marquee->x() != x);  // it moves

    p.run("N23", {ModalAnswers::type(QStringLiteral("新春快乐 万事如意"))});
    QCOMPARE(marquee->text(), QStringLiteral("新春快乐 万事如意"));
    QCOMPARE(p.layoutKey("lblBtmCharCaption"), G("新春快乐 万事如意"));

    {
        ChosenFont chosen(QStringLiteral("楷体_GB2312"), 20, QColor(255, 255, 0));
        p.run("N27");
    }
    QCOMPARE(marquee->font().pointSize(), 20);
    QCOMPARE(marquee->y(), (42 - marquee->height()) / 2);
    QCOMPARE(p.settings->readInteger("frmMainLabel", "lblBtmCharSize", 0), 20);
    QVERIFY(p.layoutKey("lblBtmCharFontStyle").find("fsBold") != std::string::npos);

    p.run("N12", {pickColour(QColor(0, 0, 128))});
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(0, 0, 128));
    QCOMPARE(ui::toQColor(p.settings->readInteger("frmMainLabel", "lblBtmCharBackColor", 0)), QColor(0, 0, 128));

    p.restart();
    panel = p.find("pnlBtm");
    marquee = p.find<QLabel>("lblBtmChar");
    QVERIFY(panel->isVisible());
    QCOMPARE(p.item("N100")->text(), QStringLiteral("关闭底部滚动字幕"));
    QCOMPARE(marquee->text(), QStringLiteral("新春快乐 万事如意"));
    QCOMPARE(marquee->font().pointSize(), 20);
    QVERIFY(marquee->font().bold());  // its own style comes back, not the rolling labels'
    QCOMPARE(panel->palette().color(QPalette::Window), QColor(0, 0, 128));

    // "关闭字幕" in the marquee's own menu.
    p.run("N21");
    QVERIFY(!panel->isVisible());
    QVERIFY(!p.settings->readBool("Option", "frmMainBottom", true));
    QCOMPARE(p.item("N100")->text(), QStringLiteral("打开底部滚动字幕"));
    int still = marquee->x();
    QTest::qWait(250);
    QCOMPARE(marquee->x(), still);
}

void TFrmMainTextsTest::marqueeSpeedAndItsClamps()
{
    Program p;
    p.settings->writeInteger("Option", "frmMainBottomSpeed", 100);
    p.start();
    for (int i = 0; i < 9; ++i)
        p.run("N108");
    QCOMPARE(p.settings->readInteger("Option", "frmMainBottomSpeed", 0), 10);
    p.run("N18");
    QCOMPARE(p.settings->readInteger("Option", "frmMainBottomSpeed", 0), 10);
    p.run("N109");
    QCOMPARE(p.settings->readInteger("Option", "frmMainBottomSpeed", 0), 20);
    p.run("N20");
    QCOMPARE(p.settings->readInteger("Option", "frmMainBottomSpeed", 0), 30);

    // Between 10 and 20 the next step stops at 10 rather than going below.
    p.settings->writeInteger("Option", "frmMainBottomSpeed", 15);
    p.start();
    p.run("N108");
    QCOMPARE(p.settings->readInteger("Option", "frmMainBottomSpeed", 0), 10);

    // A stored 0 or negative interval reads as the fastest; the marquee still runs.
    for (int stored : {0, -5, -2147483647}) {
        p.settings->writeInteger("Option", "frmMainBottomSpeed", stored);
        p.settings->writeBool("Option", "frmMainBottom", true);
        p.start();
        auto* marquee = p.find<QLabel>("lblBtmChar");
        int x = marquee->x();
        QTRY_VERIFY(marquee->x() != x);
        p.run("N109");
        QCOMPARE(p.settings->readInteger("Option", "frmMainBottomSpeed", 0), 20);
    }
    // A huge one slows no further instead of wrapping round.
    p.settings->writeInteger("Option", "frmMainBottomSpeed", 2147483647);
    p.start();
    p.run("N109");
    QCOMPARE(p.settings->readInteger("Option", "frmMainBottomSpeed", 0), 2147483647);
}

void TFrmMainTextsTest::labelMenuOnATitle()
{
    Program p;
    p.start();
    auto* first = p.find<ui::SmoothLabel>("lblMainCaption");
    auto* second = p.find<ui::SmoothLabel>("lblMainCaption2");
    QFont firstFont = first->font();
    ui::TextEffect firstEffect = first->effect();

    {
        ChosenFont chosen(QStringLiteral("黑体"), 33, QColor(0, 128, 0));
        p.runOn(second, "N2");
    }
    QCOMPARE(second->font().pointSize(), 33);
    QCOMPARE(first->font(), firstFont);  // only the element the menu was opened on
    QCOMPARE(p.settings->readInteger("frmMainLabel", "lblMainCaption2Size", 0), 33);

    p.runOn(second, "N1", {ModalAnswers::type(QStringLiteral("抽奖开始"))});
    QCOMPARE(second->text(), QStringLiteral("抽奖开始"));
    QCOMPARE(p.layoutKey("lblMainCaption2Caption"), G("抽奖开始"));

    p.runOn(second, "N4", {pickColour(QColor(200, 0, 50))});
    QCOMPARE(second->colour(), QColor(200, 0, 50));
    QCOMPARE(ui::toQColor(p.settings->readInteger("frmMainLabel", "lblMainCaption2Color", 0)), QColor(200, 0, 50));

    p.runOn(second, "N3", {shadowAndAngle()});
    QVERIFY(second->effect().shadow);
    QVERIFY(first->effect() == firstEffect);
    QCOMPARE(p.settings->readInteger("lblMainCaption2", "Angle", 0), 30);

    // The sampled background is for this run only.
    p.runOn(second, "N5");
    QVERIFY(second->effect().background.isValid());
    QVERIFY(!p.settings->hasKey("lblMainCaption2", "Background"));

    // A cancelled dialog changes nothing.
    p.runOn(second, "N1", {ModalAnswers::cancel()});
    QCOMPARE(second->text(), QStringLiteral("抽奖开始"));

    p.restart();
    second = p.find<ui::SmoothLabel>("lblMainCaption2");
    QCOMPARE(second->text(), QStringLiteral("抽奖开始"));
    QCOMPARE(second->colour(), QColor(200, 0, 50));
    QCOMPARE(second->font().pointSize(), 33);
    QCOMPARE(int(second->effect().angle), 30);

    // The settings lock reaches the label menu and the marquee menu too.
    p.screen->Locka();
    for (const char* menu : {"pmuLabelMenu", "btmPopMenu"})
        for (QAction* action : p.find<QMenu>(menu)->actions())
            QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
}

void TFrmMainTextsTest::labelMenuOnARollingLabelChangesEveryPlainLabel()
{
    Program p;
    p.start();
    auto* seventh = p.find<QLabel>("LblGdArea7");
    {
        ChosenFont chosen(QStringLiteral("黑体"), 28, QColor(255, 255, 255));
        p.runOn(seventh, "N2");
    }
    for (const char* name : {"LblGdArea1", "LblGdArea7", "LblGdArea10", "lblBtmChar"})
        QCOMPARE(p.find<QLabel>(name)->font().pointSize(), 28);
    QCOMPARE(p.settings->readInteger("frmMainLabel", "LblGdArea1Size", 0), 28);
    QCOMPARE(p.layoutKey("LblGdArea1Name"), G("黑体"));
    // Wide enough for the list's longest entry in the new font.
    QFontMetrics metrics(p.find<QLabel>("LblGdArea1")->font());
    QVERIFY(p.find<QLabel>("LblGdArea1")->width() >= metrics.horizontalAdvance(QStringLiteral("1029 参加者")));

    p.runOn(seventh, "N4", {pickColour(QColor(10, 20, 30))});
    QCOMPARE(p.find<QLabel>("LblGdArea3")->palette().color(QPalette::WindowText), QColor(10, 20, 30));
    QCOMPARE(ui::toQColor(p.settings->readInteger("frmMainLabel", "LblGdArea1Color", 0)), QColor(10, 20, 30));

    p.runOn(seventh, "N5");
    QVERIFY(p.settings->hasKey("frmMainLabel", "LblGdArea1BackColor"));
    QCOMPARE(p.find<QLabel>("LblGdArea2")->palette().color(QPalette::Window),
             ui::toQColor(p.settings->readInteger("frmMainLabel", "LblGdArea1BackColor", 0)));

    // The effect belongs to smoothed labels only: nothing opens, nothing is written.
    p.runOn(seventh, "N3");
    QVERIFY(!p.settings->hasKey("LblGdArea7", "Shadow"));

    p.restart();
    QCOMPARE(p.find<QLabel>("LblGdArea4")->font().pointSize(), 28);
    QCOMPARE(p.find<QLabel>("LblGdArea4")->palette().color(QPalette::WindowText), QColor(10, 20, 30));
}

void TFrmMainTextsTest::labelMenuOnAnInsertedTextSurvivesARestart()
{
    Program p;
    p.start();
    p.screen->insertText(QStringLiteral("欢迎光临"));
    auto* text = p.find<ui::SmoothLabel>("MYLabel1");
    QVERIFY(text);
    p.runOn(text, "N1", {ModalAnswers::type(QStringLiteral("欢迎各位来宾"))});
    p.runOn(text, "N3", {shadowAndAngle()});
    p.runOn(text, "N4", {pickColour(QColor(0, 255, 255))});
    {
        ChosenFont chosen(QStringLiteral("黑体"), 30, QColor(0, 255, 255));
        p.runOn(text, "N2");
    }
    QCOMPARE(text->text(), QStringLiteral("欢迎各位来宾"));
    // Stored in the decorations' file, not in the layout.
    IniStore decorations(p.folder.file("UserLabel.Ini"));
    QCOMPARE(decorations.readString("MYLabel1", "MYLabel1Name", ""), G("欢迎各位来宾"));
    QCOMPARE(decorations.readInteger("MYLabel1", "Angle", 0), 30);
    QVERIFY(!p.settings->hasKey("frmMainLabel", "MYLabel1Caption"));

    p.restart();
    text = p.find<ui::SmoothLabel>("MYLabel1");
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("欢迎各位来宾"));
    QCOMPARE(text->colour(), QColor(0, 255, 255));
    QCOMPARE(text->font().pointSize(), 30);
    QCOMPARE(int(text->effect().angle), 30);
    // The label menu comes with it after the restart.
    p.runOn(text, "N1", {ModalAnswers::type(QStringLiteral("再见"))});
    QCOMPARE(text->text(), QStringLiteral("再见"));
}

void TFrmMainTextsTest::awardScreenEffectItems()
{
    lotavo::test::TempFolder folder;
    IniStore settings(folder.file("lotavo.bin"));
    ui::SoundPlayer sounds;
    QString music;
    auto open = [&] {
        auto screen = std::make_unique<ui::TAwardShow>(
            ui::AwardScreenContext {settings, ProgramFolder(folder.path()), sounds, music, QStringLiteral("主标题"), 0x24});
        screen->setLines({QStringLiteral("<Title1>"), QStringLiteral("1001 获奖者")});
        screen->show();
        QApplication::processEvents();
        return screen;
    };
    auto screen = open();
    auto trigger = [&](const char* name, std::deque<ModalAnswers::Step> steps) {
        ModalAnswers answers(std::move(steps));
        screen->findChild<QAction*>(QString::fromLatin1(name))->trigger();
        QVERIFY2(answers.done(), name);
    };
    auto* title1 = screen->findChild<ui::SmoothLabel*>(QStringLiteral("AALabel1"));
    auto* title2 = screen->findChild<ui::SmoothLabel*>(QStringLiteral("AALabel2"));

    trigger("N13", {shadowAndAngle()});
    QCOMPARE(int(title1->effect().angle), 30);
    QCOMPARE(int(title2->effect().angle), 30);
    trigger("N9", {ModalAnswers::cancel()});
    QCOMPARE(int(title2->effect().angle), 30);

    // The credits' effect is stored at once, and also after a cancel.
    trigger("N6", {shadowAndAngle()});
    QCOMPARE(int(screen->credits()->itemEffect().angle), 30);
    QCOMPARE(settings.readInteger("ScrollText1", "Angle", 0), 30);
    settings.writeInteger("ScrollText1", "Angle", 0);
    trigger("N6", {ModalAnswers::cancel()});
    QCOMPARE(settings.readInteger("ScrollText1", "Angle", 0), 30);

    screen->close();
    QCOMPARE(settings.readInteger("AwardScreen", "Angle", 0), 30);
    screen = open();
    QCOMPARE(int(screen->credits()->itemEffect().angle), 30);
    QCOMPARE(int(screen->findChild<ui::SmoothLabel*>(QStringLiteral("AALabel2"))->effect().angle), 30);
}

QTEST_MAIN(TFrmMainTextsTest)
#include "TFrmMainTextsTest.moc"
