// A whole event prepared and run as an operator would: the setup wizard, a participant list
// imported from a spreadsheet on its list page, then every level drawn with Space, and the
// winners found in the results file.
#include "EditorTestSupport.h"
#include "TestSupport.h"

#include "draw/Clock.h"
#include "draw/Gbk.h"
#include "main/TFrmMain.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/TFrmAniPop.h"
#include "setup/OfficeConverter.h"
#include "setup/TfrmJXName.h"
#include "setup/TfrmWizard.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <filesystem>

using namespace lotavo;

class PrepareEventTest : public QObject {
    Q_OBJECT
private slots:
    void wizardWithAnImportedSpreadsheetThenTheDraw();
};

void PrepareEventTest::wizardWithAnImportedSpreadsheetThenTheDraw()
{
    if (ui::OfficeConverter::program().isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: apt-get install libreoffice-calc-nogui");
    test::TempFolder folder, files, profile;
    std::filesystem::copy(qEnvironmentVariable("LOTAVO_DATA").toStdString(), folder.path(),
                          std::filesystem::copy_options::recursive);
    std::string csv = "工号,姓名,部门\n";
    for (int i = 0; i < 30; ++i)
        csv += std::to_string(2001 + i) + ",员工" + std::to_string(i) + ",工程部\n";
    test::writeFile(files.file("staff.csv"), csv);
    QProcess soffice;
    soffice.start(ui::OfficeConverter::program(),
                  {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(QString::fromStdString(profile.path())).toString(),
                   QStringLiteral("--headless"), QStringLiteral("--infilter=CSV:44,34,76"), QStringLiteral("--convert-to"),
                   QStringLiteral("xlsx:Calc Office Open XML"), QStringLiteral("--outdir"), QString::fromStdString(files.path()),
                   QString::fromStdString(files.file("staff.csv"))});
    soffice.waitForFinished(120000);
    QString spreadsheet = QString::fromStdString(files.file("staff.xlsx"));
    QVERIFY(QFile::exists(spreadsheet));

    IniStore settings(folder.file("lotavo.bin"));
    settings.writeBool("Option", "frmAniPopAniMateOnShow", false);
    settings.writeBool("Option", "frmAniPopAniMateOnHide", false);
    FixedClock clock(LocalTime {2026, 12, 9, 14, 5, 0, 0});
    ui::TFrmMain screen(settings, ProgramFolder(folder.path()), clock);
    screen.FormCreate();
    screen.show();

    bool imported = false;
    QTimer::singleShot(200, [&] {
        auto* wizard = dynamic_cast<ui::TfrmWizard*>(QApplication::activeModalWidget());
        QVERIFY(wizard);
        auto* next = wizard->findChild<QPushButton*>(QStringLiteral("BtnNext"));
        for (int page = 1; page < 5; ++page)
            next->click();
        ui::TfrmJXName* editor = ui::TfrmJXName::current();
        QVERIFY(editor);
        auto prompts = std::make_unique<test::ScriptedPrompts>();
        prompts->files = {spreadsheet};
        editor->setPrompts(std::move(prompts));
        ui::setNextMessageAnswers({MessageAnswer::Ok});  // "当文件比较大时，导入速度会较慢…"
        editor->mnuImportExcelClick();
        imported = editor->lineCount() >= 30;
        // Closing the wizard asks whether the changed list is to be kept: OK.
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        wizard->findChild<QPushButton*>(QStringLiteral("BtnFinish"))->click();
    });
    screen.findChild<QAction*>(QStringLiteral("N44"))->trigger();
    QVERIFY(imported);
    QCOMPARE(ui::answeredMessages().last(), QStringLiteral("名单已经改变,是否需要保存此名单?"));

    const SessionState& st = screen.engine().state();
    QCOMPARE(st.currentLevel, 3);
    int presses = 0;
    while (!st.drawOver && presses < 10) {
        QTimer::singleShot(50, [&] {
            QWidget& popup = screen.popup();
            QTest::keyRelease(&popup, Qt::Key_Space);
            QTest::keyClick(&popup, Qt::Key_Space);
        });
        QTest::keyClick(&screen, Qt::Key_Space);
        ++presses;
    }
    QVERIFY(st.drawOver);
    EntryList results;
    QVERIFY(loadList(screen.engine().resultsFilePath(), results));
    QCOMPARE(results.size(), size_t(9));
    for (const std::string& line : results)
        QVERIFY2(gbk::toUtf8(line).find("员工") != std::string::npos, gbk::toUtf8(line).c_str());
}

QTEST_MAIN(PrepareEventTest)
#include "PrepareEventTest.moc"
