// Printing through the system's spooler (run by print-check.sh, which starts CUPS with the
// cups-pdf printer as the default): the draw's automatic prints and the viewer's print reach
// the printer, whose PDF documents are read back with pdftotext; a job the spooler refuses, and
// a spooler out of reach, are reported and kept.
#include "ModalAnswers.h"
#include "DrawScreenProgram.h"
#include "PrintTestSupport.h"

#include "draw/ListFile.h"
#include "present/CommonDialogs.h"
#include "present/QtText.h"
#include "present/TFrmAniPop.h"
#include "present/TfrmZJSList.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>


using namespace lotavo;
using namespace lotavo::test;

namespace {

const QString kTitle = QStringLiteral("某某公司新年联欢晚会");

// The documents cups-pdf has written, oldest first.
QStringList printedDocuments()
{
    QDir out(qEnvironmentVariable("LOTAVO_PDF_OUT"));
    QStringList names = out.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed);
    for (QString& name : names)
        name = out.filePath(name);
    return names;
}

bool spoolerIdle()
{
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    lpstat.waitForFinished(10000);
    return lpstat.readAllStandardOutput().trimmed().isEmpty();
}

// Waits until the printer has written `count` more documents than `before`; returns the new ones.
// They are kept as `name`-<n>.pdf in the artefacts folder for a person to look at.
QStringList waitForDocuments(const QStringList& before, int count, const QString& name)
{
    ui::waitForPrintJobs();
    QElapsedTimer clock;
    clock.start();
    QStringList fresh;
    while (clock.elapsed() < 60000) {
        fresh.clear();
        for (const QString& name : printedDocuments())
            if (!before.contains(name))
                fresh.append(name);
        if (fresh.size() >= count && spoolerIdle())
            break;
        QTest::qWait(200);
    }
    if (QString artefacts = qEnvironmentVariable("LOTAVO_ARTEFACTS"); !artefacts.isEmpty())
        for (int i = 0; i < fresh.size(); ++i)
            QFile::copy(fresh[i], QDir(artefacts).filePath(QStringLiteral("%1-%2.pdf").arg(name).arg(i + 1)));
    return fresh;
}

// pdftotext's pages of a document, each as its non-empty lines with inner spaces folded.
QList<QStringList> pages(const QString& pdf)
{
    QList<QStringList> result;
    for (const QString& page : pdfText(pdf).split(QLatin1Char('\f'))) {
        QStringList rows;
        for (const QString& line : page.split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty())
                rows.append(line.simplified());
        if (!rows.isEmpty())
            result.append(rows);
    }
    return result;
}

// The rows two columns make of `lines`, filled left to right.
QStringList twoColumnRows(const QStringList& lines)
{
    QStringList rows;
    for (int i = 0; i < lines.size(); i += 2)
        rows.append((i + 1 < lines.size() ? lines[i] + QLatin1Char(' ') + lines[i + 1] : lines[i]).simplified());
    return rows;
}

struct Program : DrawScreenProgram {
    Program() : DrawScreenProgram(LocalTime {2026, 12, 10, 14, 5, 0, 0})
    {
        std::string list;
        for (int i = 1; i <= 400; ++i)
            list += QStringLiteral("%1 参加者").arg(i, 4, 10, QLatin1Char('0')).toStdString() + "\r\n";
        writeFile(folder.file("Text.txt"), gbk::fromUtf8(list));
        withoutPopupAnimation();
    }
    // A press of Space; the pop-up it opens is closed as the operator does.
    void press()
    {
        QTimer::singleShot(200, [this] {
            QTest::keyRelease(&screen->popup(), Qt::Key_Space);
            QTest::keyClick(&screen->popup(), Qt::Key_Space);
        });
        QTest::keyClick(screen.get(), Qt::Key_Space);
    }
    QStringList results() const
    {
        QStringList lines;
        for (const std::string& line : screen->engine().state().results)
            lines.append(ui::fromGbk(line));
        return lines;
    }
};

}  // namespace

class SpoolerPrintCheck : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariable("LOTAVO_PDF_OUT").isEmpty(), "run by print-check.sh");
    }

    void pressListLevelListAndViewerReachThePrinter()
    {
        Program p;
        p.settings->writeBool("Option", "Print", true);
        p.settings->writeInteger("JxNumber", "RzSpinEdit2", 200);
        p.settings->writeInteger("JxNumberAAT", "r2", 100);
        ui::TFrmMain& screen = p.start();

        // The press list of the third prize, printed when the pop-up has gone.
        QStringList before = printedDocuments();
        p.press();
        QCOMPARE(p.results().size(), 5);
        QStringList documents = waitForDocuments(before, 1, QStringLiteral("press-list"));
        QCOMPARE(documents.size(), 1);
        QStringList pressLines;
        for (const std::string& line : screen.engine().state().pressList)
            pressLines.append(ui::fromGbk(line));
        QList<QStringList> printed = pages(documents[0]);
        QCOMPARE(printed.size(), 1);
        QCOMPARE(printed[0], QStringList {kTitle + QStringLiteral(" 三等奖")} + twoColumnRows(pressLines));

        // The level list of the second prize: 200 winners in two presses, three pages.
        screen.engine().options().print = false;
        screen.engine().options().fjPrint = true;
        before = printedDocuments();
        p.press();
        p.press();
        QCOMPARE(p.results().size(), 205);
        documents = waitForDocuments(before, 1, QStringLiteral("level-list"));
        QCOMPARE(documents.size(), 1);
        QCOMPARE(pdfPages(documents[0]), 3);
        printed = pages(documents[0]);
        QCOMPARE(printed.size(), 3);
        QStringList expected = twoColumnRows(p.results().mid(5));
        QCOMPARE(printed[0].first(), kTitle + QStringLiteral(" 二等奖"));
        QStringList rows = printed[0].mid(1) + printed[1] + printed[2];
        QCOMPARE(rows, expected);
        for (int page = 1; page < 3; ++page)
            QVERIFY2(!printed[page].join(QLatin1Char(' ')).contains(kTitle), "the heading is on page 1 only");
        QVERIFY(printed[1].size() > 30 && printed[2].size() > 1);

        // The viewer prints the results file under the main title alone.
        screen.engine().saveResults();
        ui::TfrmZJSList viewer(*p.settings, ProgramFolder(p.folder.path()), screen.engine().state().resultsFileName);
        before = printedDocuments();
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        viewer.Button2Click();
        QCOMPARE(ui::answeredMessages(), QStringList {QStringLiteral("请准备A4纸张,装入打印机, 名单每页分二列打印")});
        documents = waitForDocuments(before, 1, QStringLiteral("viewer"));
        QCOMPARE(documents.size(), 1);
        printed = pages(documents[0]);
        QCOMPARE(printed[0].first(), kTitle);
        rows.clear();
        for (const QStringList& page : printed)
            rows += page;
        QCOMPARE(rows.mid(1), twoColumnRows(p.results()));
    }

    void aRefusedJobIsReportedAndKept()
    {
        Program p;
        p.start();
        QVERIFY(QProcess::execute(QStringLiteral("cupsreject"), {QStringLiteral("PDF")}) == 0);
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        p.screen->Printmemo({QStringLiteral("0001 参加者"), QStringLiteral("0002 参加者")}, false);
        ui::waitForPrintJobs();
        QProcess::execute(QStringLiteral("cupsaccept"), {QStringLiteral("PDF")});
        QStringList messages = ui::answeredMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(QStringLiteral("名单没有打印: ")), qPrintable(messages[0]));
        QStringList kept = QDir(QString::fromStdString(p.folder.path())).entryList({QStringLiteral("未打印名单*.pdf")});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(pdfRows(QDir(QString::fromStdString(p.folder.path())).filePath(kept[0])),
                 (QStringList {kTitle, QStringLiteral("0001 参加者 0002 参加者")}));
    }

    // Run with CUPS_SERVER naming a socket nobody listens on.
    void aSpoolerOutOfReachIsReportedAndTheListKept()
    {
        Program p;
        p.settings->writeBool("Option", "Print", true);
        p.start();
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        p.press();
        ui::waitForPrintJobs();
        QCOMPARE(p.results().size(), 5);  // the draw goes on; the winners are recorded
        QStringList messages = ui::answeredMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(QStringLiteral("你需要安装打印机才能打印！")), qPrintable(messages[0]));
        QVERIFY2(messages[0].contains(QStringLiteral("无法连接打印服务")), qPrintable(messages[0]));
        QCOMPARE(QDir(QString::fromStdString(p.folder.path())).entryList({QStringLiteral("未打印名单*.pdf")}).size(), 1);
    }
};

QTEST_MAIN(SpoolerPrintCheck)
#include "SpoolerPrintCheck.moc"
