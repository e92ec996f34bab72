// The draw screen's automatic prints offscreen, through a spooler that keeps the jobs: which
// list prints when, under which heading; without a printer the draw goes on.
#include "DrawScreenProgram.h"
#include "PrintTestSupport.h"

#include "present/CommonDialogs.h"
#include "present/QtText.h"
#include "present/TFrmAniPop.h"

#include <QStandardPaths>
#include <QtTest>

using namespace lotavo;
using namespace lotavo::test;

namespace {

const QString kTitle = QStringLiteral("某某公司新年联欢晚会");

struct Program : DrawScreenProgram {
    Program() : DrawScreenProgram(LocalTime {2026, 12, 10, 14, 5, 0, 0}) { withoutPopupAnimation(); }
    void press()
    {
        QTimer::singleShot(50, [this] {
            QTest::keyRelease(&screen->popup(), Qt::Key_Space);
            QTest::keyClick(&screen->popup(), Qt::Key_Space);
        });
        QTest::keyClick(screen.get(), Qt::Key_Space);
    }
    QStringList lines(const EntryList& list) const
    {
        QStringList texts;
        for (const std::string& line : list)
            texts.append(ui::fromGbk(line).simplified());  // as pdfRows reads them
        return texts;
    }
};

}  // namespace

class TFrmMainPrintTest : public QObject {
    Q_OBJECT

private slots:
    void eachListPrintsUnderItsHeading()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed: apt-get install poppler-utils");
        Program p;
        p.settings->writeBool("Option", "Print", true);
        p.settings->writeBool("Option", "FJPrint", true);
        p.settings->writeBool("Option", "PrintAll", true);
        p.settings->writeBool("Option", "PrintCol1", true);
        CapturedPrints spooler;
        p.start();
        p.press();  // the third prize: five winners, the last press of the level
        QStringList jobs = spooler.jobs();
        QCOMPARE(jobs.size(), 2);  // the press list when the pop-up has gone, then the level list
        QStringList pressed = p.lines(p.screen->engine().state().pressList);
        QCOMPARE(pdfRows(jobs[0]), QStringList {kTitle + QStringLiteral(" 三等奖")} + pressed);
        QStringList level = p.lines(p.screen->engine().state().results);
        QCOMPARE(pdfRows(jobs[1]), QStringList {kTitle + QStringLiteral(" 三等奖")} + level);

        while (!p.screen->engine().state().drawOver)
            p.press();
        jobs = spooler.jobs();
        // Three presses of the second prize, its level list, the first prize and its level
        // list, and the results under the title alone.
        QCOMPARE(jobs.size(), 2 + 3 + 1 + 2 + 1);
        QCOMPARE(pdfRows(jobs.last()), QStringList {kTitle} + p.lines(p.screen->engine().state().results));
    }

    void withoutAPrinterTheDrawGoesOn()
    {
        Program p;
        p.settings->writeBool("Option", "Print", true);
        CapturedPrints spooler(ui::PrinterStatus::NoPrinter);
        p.start();
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        p.press();
        QCOMPARE(ui::answeredMessages(), QStringList {QStringLiteral("你需要安装打印机才能打印！")});
        QCOMPARE(p.screen->engine().state().results.size(), size_t(5));
        QVERIFY(spooler.jobs().isEmpty());
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        p.press();
        QCOMPARE(p.screen->engine().state().results.size(), size_t(6));
    }
};

QTEST_MAIN(TFrmMainPrintTest)
#include "TFrmMainPrintTest.moc"
