// The draw screen driven by keys, offscreen: the engine behind it is tested on its own; here
// the window's share: key mapping, auto-repeat, the pop-up round trip, layouts, closing.
#include "DrawScreenProgram.h"

#include "present/QtText.h"
#include "present/CommonDialogs.h"
#include "present/SmoothLabel.h"
#include "present/TFrmAniPop.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace lotavo;
using lotavo::test::G;

namespace {

ui::TFrmMain* g_screen = nullptr;

// A program folder from the bundled data, with a small list.
struct Program : lotavo::test::DrawScreenProgram {
    explicit Program(int entries = 30)
    {
        numberedList(entries);
        withoutPopupAnimation();
    }
    ui::TFrmMain& start()
    {
        g_screen = &DrawScreenProgram::start();
        return *g_screen;
    }
};

// Closes the pop-up as the operator does: release the key that opened it, press the close key.
void closePopupSoon(int afterMs = 50)
{
    QTimer::singleShot(afterMs, [] {
        QWidget* popup = g_screen ? &g_screen->popup() : nullptr;
        if (!popup || !popup->isVisible())
            return;
        QTest::keyRelease(popup, Qt::Key_Space);
        QTest::keyClick(popup, Qt::Key_Space);
    });
}

}  // namespace

class TFrmMainTest : public QObject {
    Q_OBJECT
private slots:
    void regularDrawGoesThroughEveryLevelWithSpace();
    void heldSpaceRepeatsWithoutAnotherPress();
    void multiLineDrawFreezesTheLabels();
    void pauseAndUnlockKeys();
    void layoutPositionsRoundTrip();
    void closeQuestionAnswers();
    void whatTheFirstFrameLeavesForLaterIsMadeAsItWouldHaveBeen();
};

void TFrmMainTest::regularDrawGoesThroughEveryLevelWithSpace()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    QCOMPARE(p.state().currentLevel, 3);
    QVERIFY(screen.findChild<QLabel*>(QStringLiteral("LblGdArea1"))->isVisible());
    int presses = 0;
    while (!p.state().drawOver && presses < 10) {
        closePopupSoon();
        QTest::keyClick(&screen, Qt::Key_Space);
        ++presses;
    }
    QVERIFY(p.state().drawOver);
    QCOMPARE(presses, 5);  // 5 winners in one press, then 3 single presses, then the first prize
    QCOMPARE(p.state().results.size(), size_t(9));
    QVERIFY(std::filesystem::exists(p.screen->engine().resultsFilePath()));
}

void TFrmMainTest::heldSpaceRepeatsWithoutAnotherPress()
{
    Program p;
    p.settings->writeInteger("Option", "ModeSelect", 2);  // no pop-up: the key stays on the draw screen
    p.settings->writeInteger("JxNumber", "RzSpinEdit3", 20);
    p.settings->writeInteger("JxNumberAAT", "r3", 2);
    ui::TFrmMain& screen = p.start();
    QTest::keyPress(&screen, Qt::Key_Space);
    // Auto-repeat: presses and paired releases flagged as repeats.
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(), true);
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(), true);
    for (int i = 0; i < 3; ++i) {
        QApplication::sendEvent(&screen, &repeatRelease);
        QApplication::sendEvent(&screen, &repeatPress);
    }
    QCOMPARE(p.state().winners.size(), size_t(2));
    QTest::keyRelease(&screen, Qt::Key_Space);
    QTest::keyClick(&screen, Qt::Key_Space);  // the multi-line draw waits: this starts the roll
    QTest::keyClick(&screen, Qt::Key_Space);
    QCOMPARE(p.state().winners.size(), size_t(4));
}

void TFrmMainTest::multiLineDrawFreezesTheLabels()
{
    Program p;
    p.settings->writeInteger("Option", "ModeSelect", 2);
    ui::TFrmMain& screen = p.start();
    auto visibleLabels = [&] {
        int n = 0;
        for (int i = 1; i <= 10; ++i)
            n += screen.findChild<QLabel*>(QStringLiteral("LblGdArea%1").arg(i))->isVisible();
        return n;
    };
    QCOMPARE(visibleLabels(), 5);
    QTest::keyClick(&screen, Qt::Key_Space);
    QCOMPARE(p.state().winners.size(), size_t(5));
    QVERIFY(p.state().stopped);
    QCOMPARE(screen.findChild<QLabel*>(QStringLiteral("LblGdArea5"))->text(), ui::fromGbk(p.state().pressList[4]));
    QTest::keyClick(&screen, Qt::Key_Space);  // next level, rolling again
    QCOMPARE(p.state().currentLevel, 2);
    QVERIFY(!p.state().stopped);
}

void TFrmMainTest::pauseAndUnlockKeys()
{
    Program p;
    p.settings->writeBool("Option", "AllKeyOpen", true);
    ui::TFrmMain& screen = p.start();
    QTest::keyClick(&screen, Qt::Key_Pause);
    QVERIFY(screen.findChild<QWidget*>(QStringLiteral("lblPause"))->isVisible());
    QTest::keyClick(&screen, Qt::Key_Pause);
    QVERIFY(!screen.findChild<QWidget*>(QStringLiteral("lblPause"))->isVisible());
    QTest::keyClick(&screen, Qt::Key_Space);
    QVERIFY(p.state().winners.empty());  // locked until Esc
    QTest::keyClick(&screen, Qt::Key_Escape);
    closePopupSoon();
    QTest::keyClick(&screen, Qt::Key_Space);
    QCOMPARE(p.state().winners.size(), size_t(5));
}

void TFrmMainTest::layoutPositionsRoundTrip()
{
    Program p;
    {
        ui::TFrmMain& screen = p.start();
        QCOMPARE(p.settings->readInteger("Option", "FirstRun", 1), 0);
        screen.findChild<QWidget*>(QStringLiteral("lblLevel"))->move(123, 234);
        screen.findChild<QWidget*>(QStringLiteral("LblGdArea1"))->move(0, -3);
        screen.saveLayout();
        p.screen.reset();
    }
    QCOMPARE(p.settings->readInteger("frmMainLabel", "lblLevelLeft", 0), 123);
    ui::TFrmMain& again = p.start();
    QCOMPARE(again.findChild<QWidget*>(QStringLiteral("lblLevel"))->pos(), QPoint(123, 234));
    QWidget* roll = again.findChild<QWidget*>(QStringLiteral("LblGdArea1"));
    QCOMPARE(roll->x(), 5);  // off-screen places come back on screen
    QCOMPARE(roll->y(), again.screen()->geometry().height() - 50);
}

void TFrmMainTest::closeQuestionAnswers()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    QVERIFY(screen.close());  // nothing drawn: no question
    QVERIFY(ui::answeredMessages().isEmpty());

    ui::TFrmMain& second = p.start();
    closePopupSoon();
    QTest::keyClick(&second, Qt::Key_Space);
    ui::setNextMessageAnswers({MessageAnswer::Cancel});
    QVERIFY(!second.close());
    QVERIFY(ui::answeredMessages().last().contains(QStringLiteral("09日14时05分中奖名单")));
    ui::setNextMessageAnswers({MessageAnswer::Yes});
    QVERIFY(second.close());
    EntryList left;
    QVERIFY(loadList(p.folder.file("Text.txt"), left));
    QCOMPARE(left.size(), size_t(25));
}

void TFrmMainTest::whatTheFirstFrameLeavesForLaterIsMadeAsItWouldHaveBeen()
{
    Program p;
    p.settings->writeBool("Option", "AniPopCaption", true);  // the pop-up's title is the level's
    p.settings->writeBool("Option", "LockEnable", true);
    p.settings->writeInteger("Option", "WindowMode", 2);
    ui::TFrmMain screen(*p.settings, ProgramFolder(p.folder.path()), p.clock);
    screen.FormCreate();
    QApplication::processEvents();
    // Not shown yet: no pop-up, no toolbar, no menu bar of the full screen.
    QVERIFY(!screen.findChild<QWidget*>(QStringLiteral("FrmAniPop")));
    QVERIFY(!screen.findChild<QWidget*>(QStringLiteral("ToolBar1")));
    QVERIFY(!screen.findChild<QWidget*>(QStringLiteral("ControlBar1")));

    screen.show();
    QTRY_VERIFY(screen.findChild<QWidget*>(QStringLiteral("FrmAniPop")));
    QVERIFY(screen.findChild<QWidget*>(QStringLiteral("ControlBar1")));
    QVERIFY(!screen.findChild<QWidget*>(QStringLiteral("ToolBar1"))->isVisible());
    ui::TFrmAniPop& popup = screen.popup();
    QCOMPARE(popup.findChild<ui::SmoothLabel*>(QStringLiteral("lblCaption"))->text(),
             ui::fromGbk(screen.engine().state().levelCaption));
    QVERIFY(!popup.findChild<QAction*>(QStringLiteral("N10"))->isVisible());  // locked
    // The toolbars' menus were made after the lock: locked as well, but for the lock's own item.
    for (QToolButton* button : screen.findChildren<QToolButton*>())
        if (QMenu* menu = button->menu())
            for (QAction* action : menu->actions())
                QVERIFY2(!action->isEnabled() || action->objectName() == QStringLiteral("N129") || action->isSeparator(),
                         qPrintable(action->text()));
    // F11 to the window mode shows the toolbar.
    QTest::keyClick(&screen, Qt::Key_F11);
    QVERIFY(screen.findChild<QWidget*>(QStringLiteral("ToolBar1"))->isVisibleTo(&screen));
}

QTEST_MAIN(TFrmMainTest)
#include "TFrmMainTest.moc"
