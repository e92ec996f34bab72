// The draw screen with its small windows, offscreen: the confirmation answers decide the
// press, the end of a level is announced with its title and at the place the operator chose,
// and the per-level extras from the menu leave the draw on its level.
#include "DrawScreenProgram.h"

#include "present/SmoothLabel.h"
#include "present/TOverPopup.h"
#include "present/TfrmHintValid.h"
#include "present/PictureButton.h"
#include "setup/LevelCell.h"
#include "setup/TFrmJXMisc.h"
#include "setup/TfrmJXName.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>
#include <memory>

using namespace lotavo;
using lotavo::test::G;

namespace {

// A program folder from the bundled data with a list of 30, drawn in the multi-line mode.
struct Program : lotavo::test::DrawScreenProgram {
    Program()
    {
        numberedList(30);
        settings->writeInteger("Option", "ModeSelect", 2);
        settings->writeBool("Option", "FirstRun", false);
    }
    void levels(int count, int total, int perPress)
    {
        settings->writeInteger("Number", "AllJJ", count);
        for (int n = 1; n <= count; ++n) {
            settings->writeInteger("JxNumber", "RzSpinEdit" + std::to_string(n), total);
            settings->writeInteger("JxNumberAAT", "r" + std::to_string(n), perPress);
        }
    }
    // The multi-line draw: the first Space after a press starts the roll, the next one presses.
    void press()
    {
        if (state().stopped)
            QTest::keyClick(screen.get(), Qt::Key_Space);
        screen->engine().rollTick();
        QTest::keyClick(screen.get(), Qt::Key_Space);
    }
};

// Runs `act` on the modal window of type T once it is up (the draw waits inside it).
template <typename T>
void whenModal(std::function<void(T&)> act, int* seen = nullptr)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act, seen] {
        if (auto* window = dynamic_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            if (seen)
                ++*seen;
            act(*window);
        }
    });
    poll->start();
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

}  // namespace

class DrawScreenPopupsTest : public QObject {
    Q_OBJECT
private slots:
    void confirmationAnswersDecideThePress()
    {
        Program p;
        p.levels(1, 6, 2);
        p.settings->writeBool("Option", "Affirm", true);
        p.start();
        int asked = 0;
        using D = ui::TfrmHintValid;
        whenModal<D>([](D& d) { click(d.cancelButton()); }, &asked);
        p.press();
        QCOMPARE(asked, 1);
        QCOMPARE(p.state().results.size(), size_t(0));
        QCOMPARE(p.state().levelRemaining, 6);
        QCOMPARE(p.state().drawList.size(), size_t(30));

        whenModal<D>([](D& d) { QTest::keyClick(&d, Qt::Key_Escape); }, &asked);
        p.press();
        QCOMPARE(asked, 2);
        QCOMPARE(p.state().results.size(), size_t(0));

        whenModal<D>([](D& d) { click(d.confirmButton()); }, &asked);
        p.press();
        QCOMPARE(asked, 3);
        QCOMPARE(p.state().results.size(), size_t(2));
        QCOMPARE(p.state().levelRemaining, 4);
        QCOMPARE(p.state().drawList.size(), size_t(28));
    }

    // The operator lets go of Space while the dialog is up: the next Space is a press again.
    void theKeyReleasedInTheDialogCountsForTheDraw()
    {
        Program p;
        p.levels(1, 6, 2);
        p.settings->writeBool("Option", "Affirm", true);
        p.start();
        using D = ui::TfrmHintValid;
        int asked = 0;
        whenModal<D>(
            [](D& d) {
                QTest::keyRelease(d.confirmButton(), Qt::Key_Space);
                click(d.confirmButton());
            },
            &asked);
        p.screen->engine().rollTick();
        QTest::keyPress(p.screen.get(), Qt::Key_Space);
        QCOMPARE(asked, 1);
        QVERIFY(p.state().keysEnabled);
        QCOMPARE(p.state().results.size(), size_t(2));
        whenModal<D>([](D& d) { click(d.confirmButton()); }, &asked);
        p.press();
        QCOMPARE(asked, 2);
        QCOMPARE(p.state().results.size(), size_t(4));
    }

    void endOfLevelIsAnnouncedWithTheTitleWhereTheOperatorPutIt()
    {
        Program p;
        p.levels(2, 2, 2);
        p.settings->writeString("JxTitle", "RzEdit2", G("二等奖"));
        p.settings->writeBool("Option", "OverPopup", true);
        p.settings->writeInteger("Option", "OverPopupLeft", 100);
        p.settings->writeInteger("Option", "OverPopupTop", 80);
        p.start();
        QString message;
        QPoint first;
        int shown = 0;
        whenModal<ui::TOverPopup>(
            [&](ui::TOverPopup& popup) {
                message = popup.message();
                first = popup.pos();
                QWidget* label = popup.findChild<QLabel*>(QStringLiteral("AALabel1"));
                QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
                QPoint to = label->mapToGlobal(QPoint(40, 40)) + QPoint(50, 30);
                QMouseEvent move(QEvent::MouseMove, QPointF(label->mapFromGlobal(to)), QPointF(to), Qt::NoButton,
                                 Qt::LeftButton, Qt::ControlModifier);
                QApplication::sendEvent(label, &move);
                QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, label->mapFromGlobal(to));
                QVERIFY(popup.isVisible());
                QTest::keyClick(&popup, Qt::Key_Space);
            },
            &shown);
        p.press();
        QCOMPARE(shown, 1);
        QCOMPARE(message, QStringLiteral("二等奖抽取结束"));
        QCOMPARE(first, QPoint(100, 80));
        QCOMPARE(p.screen->findChild<QLabel*>(QStringLiteral("LblGdArea1"))->text(), QString());

        QPoint second;
        whenModal<ui::TOverPopup>(
            [&](ui::TOverPopup& popup) {
                second = popup.pos();
                QTest::keyClick(&popup, Qt::Key_Space);
            },
            &shown);
        QTest::keyClick(p.screen.get(), Qt::Key_Space);  // the finished level's next Space advances
        QCOMPARE(p.state().currentLevel, 1);
        p.press();
        QCOMPARE(shown, 2);
        QCOMPARE(second, QPoint(150, 110));
    }

    void editingAListFromTheExtrasKeepsTheDrawsListFile();

    void extrasFromTheMenuLeaveTheDrawOnItsLevel()
    {
        Program p;
        p.levels(3, 4, 2);
        p.start();
        whenModal<ui::TfrmHintValid>([](ui::TfrmHintValid& d) { click(d.confirmButton()); });
        p.press();  // level 3 under way
        QCOMPARE(p.state().currentLevel, 3);
        int opened = 0;
        whenModal<ui::TFrmJXMisc>(
            [](ui::TFrmJXMisc& extras) {
                QCOMPARE(extras.levelCount(), 3);
                extras.cell('s', 2)->click();
                extras.accept();
            },
            &opened);
        p.screen->findChild<QAction*>(QStringLiteral("N36"))->trigger();
        QCOMPARE(opened, 1);
        QCOMPARE(p.state().currentLevel, 3);
        QCOMPARE(p.state().levelDrawn, 2);
        QVERIFY(p.settings->readBool("Upshot", "s2", false));
        QVERIFY2(p.state().exclusionEnabled, "the tail-number level counts in this draw");
        QCOMPARE(p.state().exclusionThreshold, 1);
    }
};

// Editing another level's list from the extras leaves the draw's own list file alone: at the
// end the draw's remaining entries go back to the file they came from.
void DrawScreenPopupsTest::editingAListFromTheExtrasKeepsTheDrawsListFile()
{
    Program p;
    p.levels(3, 4, 2);
    std::filesystem::create_directory(p.folder.file("List"));
    lotavo::test::writeFile(p.folder.file("List/u3.txt"), G("甲\r\n乙\r\n丙\r\n丁\r\n戊\r\n"));
    p.settings->writeBool("ChangeList", "d3", true);
    p.start();
    QCOMPARE(p.state().currentListFile, p.folder.file("List/u3.txt"));
    int edited = 0;
    whenModal<ui::TFrmJXMisc>([&edited](ui::TFrmJXMisc& extras) {
        whenModal<ui::TfrmJXName>([](ui::TfrmJXName& editor) { editor.close(); }, &edited);
        extras.cell('u', 1)->click();
        extras.accept();
    });
    p.screen->findChild<QAction*>(QStringLiteral("N36"))->trigger();
    QCOMPARE(edited, 1);
    QCOMPARE(p.state().currentListFile, p.folder.file("List/u3.txt"));
}

QTEST_MAIN(DrawScreenPopupsTest)
#include "DrawScreenPopupsTest.moc"
