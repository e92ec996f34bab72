// The temporary-level dialog, offscreen, on the draw screen that opens it.
#include "DrawScreenProgram.h"

#include "present/QtText.h"
#include "setup/TTemporary.h"
#include "setup/TfrmJXName.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <memory>

using namespace lotavo;
using lotavo::test::G;

namespace {

struct Program : lotavo::test::DrawScreenProgram {
    Program()
    {
        withoutPopupAnimation();
        start();
    }
};

// Runs `act` on the modal window that opens next.
void onNextModal(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(100, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal)
            act(modal);
    });
}

}  // namespace

class TTemporaryTest : public QObject {
    Q_OBJECT
private slots:
    void fieldsShowTheStoredLevelWithTheirDefaults();
    void confirmClampsPerPressAndWritesTheLevel();
    void cancelWritesNothing();
    void theCheckBoxWritesAtOnceAndSetsTheLiveCopy();
    void theListButtonEditsTempListInTheListEditor();
    void theMenuCommandStartsTheLevelAndCancelChangesNothing();
};

void TTemporaryTest::fieldsShowTheStoredLevelWithTheirDefaults()
{
    Program p;
    ui::TTemporary dialog(*p.settings, ProgramFolder(p.folder.path()), *p.screen, p.screen.get());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("临时奖项"));
    QCOMPARE(dialog.RzEdit1->text(), QStringLiteral("临时奖项"));
    QCOMPARE(dialog.RzEdit2->text(), QStringLiteral("奖品："));
    QCOMPARE(dialog.RzSpinEdit1->value(), 1);
    QCOMPARE(dialog.RzSpinEdit1->maximum(), 500);
    QVERIFY(!dialog.RzCheckBox1->isChecked());

    p.settings->writeString("Temporary", "JxName", G("现场加奖"));
    p.settings->writeInteger("Temporary", "CurJXall", 600);
    p.settings->writeInteger("Temporary", "AAT", 0);
    dialog.FormShow();
    QCOMPARE(dialog.RzEdit1->text(), QStringLiteral("现场加奖"));
    QCOMPARE(dialog.RzSpinEdit1->value(), 500);
    QCOMPARE(dialog.RzSpinEdit2->value(), 1);
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
}

void TTemporaryTest::confirmClampsPerPressAndWritesTheLevel()
{
    Program p;
    ui::TTemporary dialog(*p.settings, ProgramFolder(p.folder.path()), *p.screen, p.screen.get());
    dialog.RzSpinEdit1->setValue(3);
    dialog.RzSpinEdit2->setValue(9);
    dialog.RzSpinEdit2Exit();
    QCOMPARE(dialog.RzSpinEdit2->value(), 3);
    dialog.RzSpinEdit2->setValue(7);
    dialog.RzEdit2->setText(QStringLiteral("奖品：红包"));
    dialog.RzButton1->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(p.settings->readInteger("Temporary", "CurJXall", 0), 3);
    QCOMPARE(p.settings->readInteger("Temporary", "AAT", 0), 3);
    QCOMPARE(p.settings->readString("Temporary", "JxAward", ""), G("奖品：红包"));
    QCOMPARE(p.settings->readString("Temporary", "JxName", ""), G("临时奖项"));
}

void TTemporaryTest::cancelWritesNothing()
{
    Program p;
    ui::TTemporary dialog(*p.settings, ProgramFolder(p.folder.path()), *p.screen, p.screen.get());
    dialog.RzSpinEdit1->setValue(5);
    dialog.RzButton2->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!p.settings->hasKey("Temporary", "CurJXall"));
    QVERIFY(!p.settings->hasKey("Temporary", "JxName"));
}

void TTemporaryTest::theCheckBoxWritesAtOnceAndSetsTheLiveCopy()
{
    Program p;
    ui::TTemporary dialog(*p.settings, ProgramFolder(p.folder.path()), *p.screen, p.screen.get());
    dialog.RzCheckBox1->click();
    QVERIFY(p.settings->readBool("Temporary", "UseList", false));
    QVERIFY(p.screen->engine().options().temporaryUseList);
    dialog.RzCheckBox1->click();
    QVERIFY(!p.settings->readBool("Temporary", "UseList", true));
    QVERIFY(!p.screen->engine().options().temporaryUseList);
}

void TTemporaryTest::theListButtonEditsTempListInTheListEditor()
{
    Program p;
    std::filesystem::remove_all(p.folder.file("List"));
    ui::TTemporary dialog(*p.settings, ProgramFolder(p.folder.path()), *p.screen, p.screen.get());
    QString title;
    onNextModal([&title](QWidget* editor) {
        title = editor->windowTitle();
        if (auto* jx = dynamic_cast<ui::TfrmJXName*>(editor))
            jx->setModified(false);
        editor->close();
    });
    dialog.RzButton3->click();
    QCOMPARE(title, QStringLiteral("编辑抽奖名单 TempList.txt"));
    QVERIFY(std::filesystem::exists(p.folder.file("List/TempList.txt")));
    QCOMPARE(p.state().currentListFile, p.folder.file("Text.txt"));
}

void TTemporaryTest::theMenuCommandStartsTheLevelAndCancelChangesNothing()
{
    Program p;
    QAction* command = nullptr;
    for (QAction* action : p.screen->findChildren<QAction*>(QStringLiteral("N64")))
        command = action;
    QVERIFY(command);

    onNextModal([](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("RzButton2"))->click(); });
    command->trigger();
    QVERIFY(!p.state().temporaryLevel);
    QCOMPARE(p.state().currentLevel, 3);

    onNextModal([](QWidget* dialog) {
        dialog->findChild<QSpinBox*>(QStringLiteral("RzSpinEdit1"))->setValue(2);
        dialog->findChild<QPushButton*>(QStringLiteral("RzButton1"))->click();
    });
    command->trigger();
    QVERIFY(p.state().temporaryLevel);
    QCOMPARE(p.state().levelTotal, 2);
    QCOMPARE(ui::fromGbk(p.state().levelCaption), QStringLiteral("临时奖项"));
}

QTEST_MAIN(TTemporaryTest)
#include "TTemporaryTest.moc"
