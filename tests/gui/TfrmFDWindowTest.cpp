// The floating winners window offscreen: opened from the draw screen's menu and at start,
// following every press, keeping its place, size and opacity, and placed on a screen whatever
// was stored.
#include "DrawScreenProgram.h"

#include "present/CommonDialogs.h"
#include "present/TfrmFDWindow.h"

#include <QApplication>
#include <QScreen>
#include <QSlider>
#include <QtTest>

#include <memory>

using namespace lotavo;

namespace {

struct Program : lotavo::test::DrawScreenProgram {
    Program()
    {
        settings->writeInteger("Option", "ModeSelect", 2);  // winners stay in the labels: no pop-up
    }
    QAction* N43() { return screen->findChild<QAction*>(QStringLiteral("N43")); }
};

}  // namespace

class TfrmFDWindowTest : public QObject {
    Q_OBJECT
private slots:
    void menuOpensAndClosesIt();
    void followsEveryPressAndTheRedraw();
    void reopensAtStartWhereItWasLeft();
    void opacityFromTheSlider();
    void storedPlaceOffEveryScreen();
};

void TfrmFDWindowTest::menuOpensAndClosesIt()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    QVERIFY(!screen.floatingWindow());
    p.N43()->trigger();
    QVERIFY(screen.floatingWindow() && screen.floatingWindow()->isVisible());
    QVERIFY(p.N43()->isChecked());
    QCOMPARE(p.N43()->text(), QStringLiteral("浮动窗口关闭"));
    QVERIFY(p.settings->readBool("FDWindow", "Open", false));
    QVERIFY(screen.floatingWindow()->windowFlags() & Qt::WindowStaysOnTopHint);

    p.N43()->trigger();
    QApplication::processEvents();
    QVERIFY(!screen.floatingWindow());
    QVERIFY(!p.N43()->isChecked());
    QCOMPARE(p.N43()->text(), QStringLiteral("浮动窗口打开"));
    QVERIFY(!p.settings->readBool("FDWindow", "Open", true));

    // Its own menu's "关闭窗口" leaves the draw screen's item unchecked too.
    p.N43()->trigger();
    screen.floatingWindow()->findChild<QAction*>(QStringLiteral("N1"))->trigger();
    QApplication::processEvents();
    QVERIFY(!screen.floatingWindow());
    QVERIFY(!p.N43()->isChecked());
    QVERIFY(!p.settings->readBool("FDWindow", "Open", true));
}

void TfrmFDWindowTest::followsEveryPressAndTheRedraw()
{
    Program p;
    ui::TFrmMain& screen = p.start();
    p.N43()->trigger();
    ui::TfrmFDWindow* window = screen.floatingWindow();
    QVERIFY(window->lines().isEmpty());
    QTest::keyClick(&screen, Qt::Key_Space);  // five of the third prize
    QCOMPARE(window->lines().size(), 5);
    QTest::keyClick(&screen, Qt::Key_Space);  // the multi-line draw waits: the roll again
    QTest::keyClick(&screen, Qt::Key_Space);
    QCOMPARE(window->lines().size(), 6);
    QVERIFY(window->lines().last().endsWith(QStringLiteral("二等奖")));
    // The keys stay with the draw screen.
    QCOMPARE(window->focusPolicy(), Qt::NoFocus);
    QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(window->windowFlags() & Qt::WindowDoesNotAcceptFocus);

    // "重新抽奖", keeping the list: the window is empty again.
    ui::setNextMessageAnswers({MessageAnswer::No});
    screen.findChild<QAction*>(QStringLiteral("N13"))->trigger();
    QVERIFY(window->lines().isEmpty());
}

void TfrmFDWindowTest::reopensAtStartWhereItWasLeft()
{
    Program p;
    {
        ui::TFrmMain& screen = p.start();
        p.N43()->trigger();
        screen.floatingWindow()->setGeometry(120, 140, 300, 250);
        QApplication::processEvents();
        QCOMPARE(p.settings->readInteger("FDWindow", "FormLeft", 0), 120);
        QCOMPARE(p.settings->readInteger("FDWindow", "FormTop", 0), 140);
        QCOMPARE(p.settings->readInteger("FDWindow", "FormWidth", 0), 300);
        QCOMPARE(p.settings->readInteger("FDWindow", "FormHeight", 0), 250);
        p.screen.reset();  // the program ends with the window open
    }
    ui::TFrmMain& screen = p.start();
    QTRY_VERIFY(screen.floatingWindow());
    QVERIFY(p.N43()->isChecked());
    QCOMPARE(screen.floatingWindow()->geometry(), QRect(120, 140, 300, 250));
}

void TfrmFDWindowTest::opacityFromTheSlider()
{
    lotavo::test::TempFolder folder;
    IniStore settings(folder.file("lotavo.bin"));
    settings.writeInteger("FDWindow", "FDWindowLayere", 20);
    ui::TfrmFDWindow window(settings);
    auto* slider = window.findChild<QSlider*>(QStringLiteral("TrackBar1"));
    QCOMPARE(slider->value(), 30);  // the slider keeps its range
    QCOMPARE(window.opacityValue(), 20);
    QCOMPARE(settings.readInteger("FDWindow", "FDWindowLayere", 0), 20);  // not written by the opening
    slider->setValue(128);
    QCOMPARE(settings.readInteger("FDWindow", "FDWindowLayere", 0), 128);
    if (window.canTransparent())
        QCOMPARE(window.windowOpacity(), 128 / 255.0);
    else
        QCOMPARE(window.windowOpacity(), 1.0);
    // A hand-edited value whose low byte is 0 must not make the window vanish.
    settings.writeInteger("FDWindow", "FDWindowLayere", 256);
    ui::TfrmFDWindow again(settings);
    QVERIFY(again.windowOpacity() > 0.5);
}

void TfrmFDWindowTest::storedPlaceOffEveryScreen()
{
    const QRect area = QApplication::primaryScreen()->availableGeometry();
    struct Case { int left, top, width, height; };
    for (Case c : {Case {-50000, -50000, 200, 300}, Case {99999, 20, 200, 300}, Case {20, 99999, 100, 200},
                   Case {0, 0, 100000, 100000}, Case {30, 30, -5, 0}}) {
        lotavo::test::TempFolder folder;
        IniStore settings(folder.file("lotavo.bin"));
        settings.writeInteger("FDWindow", "FormLeft", c.left);
        settings.writeInteger("FDWindow", "FormTop", c.top);
        settings.writeInteger("FDWindow", "FormWidth", c.width);
        settings.writeInteger("FDWindow", "FormHeight", c.height);
        ui::TfrmFDWindow window(settings);
        QVERIFY2(area.contains(window.geometry()), qPrintable(QStringLiteral("%1,%2").arg(c.left).arg(c.top)));
        QVERIFY(window.width() >= 40 && window.height() >= 40);
    }
    // A window on the screen stays exactly where it was put.
    lotavo::test::TempFolder folder;
    IniStore settings(folder.file("lotavo.bin"));
    ui::TfrmFDWindow window(settings);
    QCOMPARE(window.geometry(), QRect(20, 20, 100, 200));
}

QTEST_MAIN(TfrmFDWindowTest)
#include "TfrmFDWindowTest.moc"
