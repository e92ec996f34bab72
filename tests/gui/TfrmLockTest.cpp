// The settings lock offscreen: the password dialog, changing the password, and the draw
// screen's menus disabled until the password is given again.
#include "ModalAnswers.h"
#include "DrawScreenProgram.h"
#include "FadingMessages.h"

#include "present/TFrmAniPop.h"
#include "present/TfrmLock.h"

#include <QLabel>
#include <QMenu>
#include <QtTest>

using namespace lotavo;
using lotavo::test::fadingMessages;
using lotavo::test::G;
using lotavo::test::ModalAnswers;
using ui::TfrmLock;

namespace {

// The dialog answers `password`: true when it closed accepted.
bool opens(IniStore& settings, const QString& password)
{
    TfrmLock dialog(settings);
    ModalAnswers answers({ModalAnswers::typeAndClick("Edit1", password, "Button1")});
    return dialog.exec() == QDialog::Accepted;
}

struct Program : lotavo::test::DrawScreenProgram {
    Program() : DrawScreenProgram(LocalTime {2026, 12, 10, 14, 5, 0, 0})
    {
        settings->deleteKey("Option", "PassWord");
        withoutPopupAnimation();
    }
    // "权限" from the tools menu, answered with `password`.
    void lockCommand(const QString& password)
    {
        ModalAnswers answers({ModalAnswers::typeAndClick("Edit1", password, "Button1")});
        screen->findChild<QAction*>(QStringLiteral("N129"))->trigger();
        QVERIFY(answers.done());
    }
    // The items of the draw screen's menus, enabled or not, by name and caption.
    QStringList items(bool enabled)
    {
        QStringList names;
        for (QMenu* menu : screen->findChildren<QMenu*>()) {
            bool ofPopup = false;
            for (QObject* owner = menu; owner; owner = owner->parent())
                ofPopup = ofPopup || owner == &screen->popup();
            if (ofPopup)
                continue;
            for (QAction* action : menu->actions())
                if (!action->isSeparator() && action->isEnabled() == enabled)
                    names.append(action->objectName().isEmpty() ? action->text() : action->objectName());
        }
        names.removeDuplicates();
        names.sort();
        return names;
    }
};

}  // namespace

class TfrmLockTest : public QObject {
    Q_OBJECT

private slots:
    void theHintNamesThePasswordOfTheDeliveredSettings()
    {
        IniStore delivered(qEnvironmentVariable("LOTAVO_DATA").toStdString() + "/lotavo.bin");
        TfrmLock dialog(delivered);
        QString hint = dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text();
        QCOMPARE(hint, QStringLiteral("默认密码:") + QString::fromLatin1(TfrmLock::kFactoryPassword));
        QCOMPARE(delivered.readString("Option", "PassWord", ""), std::string(TfrmLock::kFactoryPassword));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("权限"));
        QCOMPARE(dialog.size(), QSize(339, 108));
    }

    void withoutAStoredPasswordTheBuiltInAndTheHintedOneOpen()
    {
        lotavo::test::TempFolder folder;
        IniStore settings(folder.file("lotavo.bin"));
        QVERIFY(opens(settings, QStringLiteral("jorv")));
        QVERIFY(opens(settings, QStringLiteral("168")));
        QVERIFY(!opens(settings, QStringLiteral("JORV")));
        QVERIFY(!opens(settings, QString()));
        settings.writeString("Option", "PassWord", G("年会"));
        QVERIFY(opens(settings, QStringLiteral("年会")));
        QVERIFY(!opens(settings, QStringLiteral("jorv")));
        QVERIFY(!opens(settings, QStringLiteral("168")));
    }

    void changingThePassword()
    {
        lotavo::test::TempFolder folder;
        IniStore settings(folder.file("lotavo.bin"));
        TfrmLock dialog(settings);
        {
            ModalAnswers answers({ModalAnswers::type(QStringLiteral("jorv")), ModalAnswers::type(QStringLiteral("abc"))});
            dialog.Button2Click();
            QVERIFY(answers.done());
        }
        QCOMPARE(settings.readString("Option", "PassWord", ""), std::string("abc"));
        QVERIFY(fadingMessages().contains(QStringLiteral("密码修改成功")));
        QVERIFY(opens(settings, QStringLiteral("abc")));
        QVERIFY(!opens(settings, QStringLiteral("jorv")));

        // A wrong old password changes nothing.
        {
            ModalAnswers answers({ModalAnswers::type(QStringLiteral("jorv"))});
            dialog.Button2Click();
        }
        QVERIFY(fadingMessages().contains(QStringLiteral("密码错误")));
        QCOMPARE(settings.readString("Option", "PassWord", ""), std::string("abc"));
    }

    // Bad input: cancelling, an empty password, a wrong password again and again.
    void cancellingTheNewPasswordKeepsTheOldOne()
    {
        lotavo::test::TempFolder folder;
        IniStore settings(folder.file("lotavo.bin"));
        TfrmLock dialog(settings);
        {
            ModalAnswers answers({ModalAnswers::type(QStringLiteral("jorv")), ModalAnswers::cancel()});
            dialog.Button2Click();
            QVERIFY(answers.done());
        }
        QVERIFY(!settings.hasKey("Option", "PassWord"));
        QVERIFY(!opens(settings, QString()));
        {
            ModalAnswers answers({ModalAnswers::cancel()});
            dialog.Button2Click();
            QVERIFY(answers.done());
        }
        QVERIFY(!settings.hasKey("Option", "PassWord"));

        // An empty password given with OK is the operator's choice.
        {
            ModalAnswers answers({ModalAnswers::type(QStringLiteral("168")), ModalAnswers::type(QString())});
            dialog.Button2Click();
        }
        QVERIFY(settings.hasKey("Option", "PassWord"));
        QVERIFY(opens(settings, QString()));
        QVERIFY(!opens(settings, QStringLiteral("168")));
    }

    void theLockDisablesEveryMenuItemButItsOwn()
    {
        Program p;
        ui::TFrmMain& screen = p.start();
        QVERIFY(!screen.settingsLocked());
        QVERIFY(p.items(false).isEmpty());

        p.lockCommand(QStringLiteral("jorv"));
        QVERIFY(screen.settingsLocked());
        QVERIFY(p.settings->readBool("Option", "LockEnable", false));
        QVERIFY(fadingMessages().contains(QStringLiteral("已锁定当前设定,用户不能修改任何设置及界面文字")));
        QStringList enabled = p.items(true);
        QCOMPARE(enabled, (QStringList {QStringLiteral("N129"), QStringLiteral("工具")}));
        QStringList disabled = p.items(false);
        for (const char* name : {"N41", "N44", "N9", "N22", "N28", "N13", "N34", "About1", "N15"})
            QVERIFY2(disabled.contains(QString::fromLatin1(name)), name);
        QVERIFY(!screen.popup().findChild<QAction*>(QStringLiteral("N10"))->isVisible());
        QVERIFY(screen.popup().findChild<QAction*>(QStringLiteral("N3"))->isEnabled());  // hidden items only

        // The keys of the draw stay active: F11 switches though its menu item is disabled.
        bool fullScreen = screen.fullScreen();
        QTest::keyClick(&screen, Qt::Key_F11);
        QCOMPARE(screen.fullScreen(), !fullScreen);
        QTest::keyClick(&screen, Qt::Key_F11);
        QTimer::singleShot(100, [&] {
            QTest::keyRelease(&screen.popup(), Qt::Key_Space);
            QTest::keyClick(&screen.popup(), Qt::Key_Space);
        });
        QTest::keyClick(&screen, Qt::Key_Space);
        QCOMPARE(screen.engine().state().results.size(), size_t(5));

        // Ten wrong passwords: still locked, no lock-out either.
        for (int i = 0; i < 10; ++i)
            p.lockCommand(QStringLiteral("wrong%1").arg(i));
        QVERIFY(screen.settingsLocked());
        QCOMPARE(p.items(true).size(), 2);

        p.lockCommand(QStringLiteral("168"));
        QVERIFY(!screen.settingsLocked());
        QVERIFY(!p.settings->readBool("Option", "LockEnable", true));
        QVERIFY(p.items(false).isEmpty());
        QVERIFY(screen.popup().findChild<QAction*>(QStringLiteral("N10"))->isVisible());
        QVERIFY(fadingMessages().contains(QStringLiteral("解锁状态,用户可以修改设置及界面文字")));
    }

    void theLockSurvivesARestart()
    {
        Program p;
        p.settings->writeBool("Option", "LockEnable", true);
        ui::TFrmMain& screen = p.start();
        QVERIFY(screen.settingsLocked());
        QCOMPARE(p.items(true).size(), 2);
        QVERIFY(fadingMessages().contains(QStringLiteral("已锁定当前设定,用户不能修改任何设置及界面文字")));
    }
};

QTEST_MAIN(TfrmLockTest)
#include "TfrmLockTest.moc"
