// The winner auto-position dialog offscreen: the preview's scales on common screens, what OK,
// the spin boxes and the close box store, dragging the area, and the pop-up arranging its
// winners from what the dialog stored.
#include "draw/Gbk.h"
#include "main/settings/IniStore.h"
#include "present/SoundPlayer.h"
#include "present/TFrmAniPop.h"
#include "present/TMsgForm.h"
#include "present/TZJRAutoPos.h"
#include "present/WinnerLabel.h"

#include <QAction>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace lotavo;
using namespace lotavo::ui;

namespace {

struct Folder {
    QTemporaryDir dir;
    IniStore settings {dir.filePath(QStringLiteral("lotavo.bin")).toStdString()};
    ProgramFolder folder {dir.path().toStdString()};
    Folder() { settings.writeBool("Option", "FirstRun", false); }
    int value(const char* key) { return settings.readInteger("frmMainLabel", key, -1); }
};

template <class T> T* part(QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}

// Mouse events as the window system delivers them, straight to the control.
void mouse(QWidget* widget, QEvent::Type type, QPoint at)
{
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void drag(QWidget* widget, QPoint from, QPoint by)
{
    mouse(widget, QEvent::MouseButtonPress, from);
    mouse(widget, QEvent::MouseMove, from + by);
    mouse(widget, QEvent::MouseButtonRelease, from + by);
}

QStringList fadingTexts()
{
    QStringList texts;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = dynamic_cast<TMsgForm*>(widget); form && form->isVisible())
            texts.append(form->findChild<QLabel*>(QStringLiteral("lblMsg"))->text());
    return texts;
}

}  // namespace

class TZJRAutoPosTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (dynamic_cast<TMsgForm*>(widget))
                widget->close();
    }

    void previewScalesOnA1024Screen()
    {
        Folder f;
        TZJRAutoPos dialog(f.settings, f.folder, QSize(1024, 768), nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("自动排列位置设定 "));
        QCOMPARE(dialog.size(), QSize(501, 401));
        QCOMPARE(part<QWidget>(&dialog, "Panel1")->geometry(), QRect(80, 58, 341, 256));
        QCOMPARE(part<QLabel>(&dialog, "Label1")->geometry(), QRect(3, 3, 251, 97));
        QCOMPARE(part<QSpinBox>(&dialog, "SpinEdit3")->value(), 15);
        QCOMPARE(part<QSpinBox>(&dialog, "SpinEdit4")->value(), 15);
        // OK untouched stores the rounded values; 1004 is a multiple of 4 already.
        dialog.Button1Click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.value("Sc_Left"), 9);
        QCOMPARE(f.value("Sc_Top"), 9);
        QCOMPARE(f.value("AllWidth"), 1004);
    }

    void largerScreensRoundTheLimitAndKeepTheControlsFree()
    {
        Folder f;
        {
            TZJRAutoPos dialog(f.settings, f.folder, QSize(1366, 768), nullptr);
            dialog.Button1Click();
            QCOMPARE(f.value("AllWidth"), 1344);
        }
        // A 1920 preview (640 × 360) would hang past the 501 × 401 dialog over its button.
        TZJRAutoPos dialog(f.settings, f.folder, QSize(1920, 1080), nullptr);
        QRect panel = part<QWidget>(&dialog, "Panel1")->geometry();
        QCOMPARE(panel.size(), QSize(640, 360));
        QVERIFY(dialog.rect().contains(panel));
        for (const char* control : {"lbltipLabel5", "SpinEdit3", "SpinEdit4", "Button1"}) {
            QRect r = part<QWidget>(&dialog, control)->geometry();
            QVERIFY2(!r.intersects(panel) && dialog.rect().contains(r), control);
        }
        QCOMPARE(part<QLabel>(&dialog, "Label1")->geometry(), QRect(3, 3, 1344 / 4, 97));
    }

    void spacingIsStoredAtOnceAndTheCloseBoxDiscardsTheArea()
    {
        Folder f;
        f.settings.writeInteger("frmMainLabel", "Sc_Left", 300);
        f.settings.writeInteger("frmMainLabel", "Sc_Top", 150);
        f.settings.writeInteger("frmMainLabel", "AllWidth", 800);
        TZJRAutoPos dialog(f.settings, f.folder, QSize(1024, 768), nullptr);
        QCOMPARE(part<QLabel>(&dialog, "Label1")->geometry(), QRect(100, 50, 200, 97));
        QVERIFY(!f.settings.hasKey("frmMainLabel", "Sc_Hang"));
        part<QSpinBox>(&dialog, "SpinEdit3")->setValue(30);
        QCOMPARE(f.value("Sc_Hang"), 30);
        part<QSpinBox>(&dialog, "SpinEdit4")->setValue(4);
        QCOMPARE(f.value("Sc_Le"), 4);
        part<QLabel>(&dialog, "Label1")->move(10, 10);
        dialog.show();
        dialog.close();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(f.value("Sc_Left"), 300);
        QCOMPARE(f.value("Sc_Top"), 150);
        QCOMPARE(f.value("AllWidth"), 800);
    }

    void theAreaIsDraggedAndSizedInsideThePreview()
    {
        Folder f;
        TZJRAutoPos dialog(f.settings, f.folder, QSize(1024, 768), nullptr);
        dialog.show();
        auto* area = part<QLabel>(&dialog, "Label1");
        drag(area, QPoint(60, 50), QPoint(40, 30));
        QCOMPARE(area->geometry(), QRect(43, 33, 251, 97));
        // The right edge widens it, one pixel at a time.
        drag(area, QPoint(area->width() - 2, 50), QPoint(7, 0));
        QCOMPARE(area->width(), 258);
        // Dragged far off, it stops at the preview's edges.
        drag(area, QPoint(60, 50), QPoint(1000, 1000));
        QCOMPARE(area->geometry().bottomRight(), QPoint(340, 255));
        drag(area, QPoint(60, 50), QPoint(-1000, -1000));
        QCOMPARE(area->pos(), QPoint(0, 0));
        drag(area, QPoint(60, 50), QPoint(20, 12));
        dialog.Button1Click();
        QCOMPARE(f.value("Sc_Left"), 60);
        QCOMPARE(f.value("Sc_Top"), 36);
        QCOMPARE(f.value("AllWidth"), 258 * 4);
    }

    void aMissingPreviewPictureIsReportedAndTheAreaStillMoves()
    {
        Folder f;
        f.settings.writeString("Option", "imgPopBG", "Wallpaper\\gone.bmp");
        TZJRAutoPos dialog(f.settings, f.folder, QSize(1024, 768), nullptr);
        QStringList texts = fadingTexts();
        QCOMPARE(texts.size(), 1);
        QVERIFY(texts.front().contains(QStringLiteral("gone.bmp")));
        dialog.show();
        auto* area = part<QLabel>(&dialog, "Label1");
        drag(area, QPoint(60, 50), QPoint(30, 0));
        QCOMPARE(area->x(), 33);
    }

    // What the dialog stores is where the pop-up puts its winners at the next showing.
    void thePopupArrangesItsWinnersInTheStoredArea()
    {
        Folder f;
        f.settings.writeBool("Option", "frmAniPopAniMateOnShow", false);
        f.settings.writeBool("Option", "frmAniPopAniMateOnHide", false);
        SoundPlayer sounds;
        TFrmAniPop pop(f.settings, f.folder, sounds, nullptr);
        EntryList lines {"Winner1000", "Winner1001", "Winner1002"};
        WinnerPopup popup {3, &lines, false};
        PopupContext context;
        context.longestEntry = lines.front();
        context.levelTitle = gbk::literal("三等奖");

        QString caption;
        QTimer::singleShot(0, &pop, [&] {
            // The pop-up's "自动排列-范围设置" opens the dialog with the hint in its caption.
            QTimer::singleShot(0, [&] {
                auto* dialog = dynamic_cast<TZJRAutoPos*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                caption = dialog->windowTitle();
                auto* area = part<QLabel>(dialog, "Label1");
                area->move(40, 20);
                part<QSpinBox>(dialog, "SpinEdit4")->setValue(21);
                part<QPushButton>(dialog, "Button1")->click();
            });
            pop.findChild<QAction*>(QStringLiteral("N11"))->trigger();
            QTest::keyRelease(&pop, Qt::Key_Space);
            QTest::keyPress(&pop, Qt::Key_Space);
        });
        pop.showWinners(popup, context);
        QCOMPARE(caption, QStringLiteral("自动排列位置设定  设定完成,重新抽取方可显示您的设定位置"));
        QCOMPARE(f.value("Sc_Left"), 120);
        QCOMPARE(f.value("Sc_Top"), 60);
        QCOMPARE(f.value("Sc_Le"), 21);

        QPoint first, second;
        int cellWidth = 0;
        QTimer::singleShot(0, &pop, [&] {
            first = pop.findChild<WinnerLabel*>(QStringLiteral("PC0"))->pos();
            cellWidth = pop.findChild<WinnerLabel*>(QStringLiteral("PC0"))->width();
            second = pop.findChild<WinnerLabel*>(QStringLiteral("PC1"))->pos();
            QTest::keyRelease(&pop, Qt::Key_Space);
            QTest::keyPress(&pop, Qt::Key_Space);
        });
        pop.showWinners(popup, context);
        QCOMPARE(first, QPoint(120, 60));
        QCOMPARE(second.y(), 60);
        QCOMPARE(second.x(), 120 + cellWidth + 21);
    }

    // Pictures of the dialog for a person to look at: LOTAVO_SCREENSHOTS=<folder>.
    void screenshots()
    {
        QString folder = qEnvironmentVariable("LOTAVO_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("set LOTAVO_SCREENSHOTS to a folder to get pictures of the dialog");
        QString data = qEnvironmentVariable("LOTAVO_DATA");
        Folder f;
        f.settings.writeString("Option", "imgPopBG", (data + QStringLiteral("/Wallpaper/back1024.bmp")).toStdString());
        for (QSize screen : {QSize(1024, 768), QSize(1920, 1080)}) {
            TZJRAutoPos dialog(f.settings, f.folder, screen, nullptr);
            dialog.show();
            QApplication::processEvents();
            QVERIFY(dialog.grab().save(folder + QStringLiteral("/autopos-%1.png").arg(screen.width())));
        }
    }
};

QTEST_MAIN(TZJRAutoPosTest)
#include "TZJRAutoPosTest.moc"
