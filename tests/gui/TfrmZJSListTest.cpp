// The winners list viewer offscreen: the results file shown with its line count, open, save
// as, the printer font and column settings, and printing through a spooler that keeps the jobs.
#include "PrintTestSupport.h"

#include "draw/Gbk.h"
#include "draw/ListFile.h"
#include "main/settings/IniStore.h"
#include "present/CommonDialogs.h"
#include "present/QtText.h"
#include "present/TfrmZJSList.h"
#include "present/ViewerPrompts.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QtTest>

using namespace lotavo;
using namespace lotavo::test;
using ui::TfrmZJSList;

namespace {

const char* kResults = "10日14时05分中奖名单.txt";

// Answers in order; an empty string answers "cancel".
class ScriptedViewerPrompts : public ui::ViewerPrompts {
public:
    QStringList files, saveNames;
    QString openFolder;
    std::optional<QFont> font;  // the font chosen; none: cancelled
    QFont shownFont;            // the font the dialog started with

    QString openFileName(QWidget*, const QString& folder) override
    {
        openFolder = folder;
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString saveFileName(QWidget*) override { return saveNames.isEmpty() ? QString() : saveNames.takeFirst(); }
    bool chooseFont(QWidget*, QFont& chosen) override
    {
        shownFont = chosen;
        if (!font)
            return false;
        chosen = *font;
        return true;
    }
};

struct Viewer {
    TempFolder folder;
    IniStore settings {folder.file("lotavo.bin")};
    std::unique_ptr<TfrmZJSList> dialog;
    ScriptedViewerPrompts* prompts = nullptr;

    // A results file of `count` winners.
    explicit Viewer(int count)
    {
        EntryList results;
        for (int i = 0; i < count; ++i)
            results.push_back(std::to_string(1001 + i) + G(" 参加者  三等奖"));
        QVERIFY(saveList(results, resultsPath()).empty());
        settings.writeString("frmMainLabel", "lblMainCaptionCaption", G("新年联欢晚会"));
    }
    std::string resultsPath() const { return folder.file(kResults); }
    TfrmZJSList& open()
    {
        dialog = std::make_unique<TfrmZJSList>(settings, ProgramFolder(folder.path()), G(kResults));
        auto scripted = std::make_unique<ScriptedViewerPrompts>();
        prompts = scripted.get();
        dialog->setPrompts(std::move(scripted));
        return *dialog;
    }
    QPlainTextEdit* memo() { return dialog->findChild<QPlainTextEdit*>(QStringLiteral("Memo1")); }
    QCheckBox* singleColumn() { return dialog->findChild<QCheckBox*>(QStringLiteral("CheckBox1")); }
    QString path(const char* name) const { return QString::fromStdString(folder.file(name)); }
};

QString caption(int lines)
{
    return QStringLiteral("当前\"中奖名单\"文件名为: 10日14时05分中奖名单.txt  总行数%1行").arg(lines);
}

}  // namespace

class TfrmZJSListTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheResultsWithTheirLineCount()
    {
        Viewer v(12);
        v.settings.writeBool("Option", "PrintCol1", true);
        TfrmZJSList& dialog = v.open();
        QCOMPARE(dialog.windowTitle(), caption(12));
        QVERIFY(v.singleColumn()->isChecked());
        QVERIFY(v.memo()->toPlainText().startsWith(QStringLiteral("1001 参加者  三等奖\n1002 参加者")));

        // The check box writes at once.
        v.singleColumn()->click();
        QVERIFY(!v.settings.readBool("Option", "PrintCol1", true));

        Viewer empty(0);
        QCOMPARE(empty.open().windowTitle(), caption(0));
        QVERIFY(empty.memo()->toPlainText().isEmpty());
    }

    void opensAnotherFileAndSavesTheTextAs()
    {
        Viewer v(3);
        TfrmZJSList& dialog = v.open();
        writeFile(v.folder.file("other.txt"), G("甲\r\n乙\r\n"));
        v.prompts->files = {v.path("other.txt")};
        dialog.Button4Click();
        QCOMPARE(QDir(v.prompts->openFolder), QDir(QString::fromStdString(v.folder.path())));
        QCOMPARE(v.memo()->toPlainText(), QStringLiteral("甲\n乙\n"));
        QCOMPARE(dialog.windowTitle(), caption(3));  // the caption keeps naming the results file

        // Edits are saved as GBK lines; ".txt" is added to a name that lacks it, never twice.
        v.memo()->moveCursor(QTextCursor::End);
        v.memo()->insertPlainText(QStringLiteral("丙"));
        v.prompts->saveNames = {v.path("copy"), v.path("abc.txt")};
        dialog.Button3Click();
        dialog.Button3Click();
        QCOMPARE(readFile(v.folder.file("copy.txt")), G("甲\r\n乙\r\n丙\r\n"));
        QCOMPARE(readFile(v.folder.file("abc.txt")), G("甲\r\n乙\r\n丙\r\n"));
        QVERIFY(!QFile::exists(v.path("abc.txt.txt")));
        // The results file itself is never written behind the operator's back.
        QCOMPARE(readFile(v.resultsPath()).substr(0, 4), std::string("1001"));

        // Cancelled dialogs change nothing.
        dialog.Button4Click();
        dialog.Button3Click();
        QCOMPARE(v.memo()->toPlainText(), QStringLiteral("甲\n乙\n丙"));
    }

    void printerFontIsStored()
    {
        Viewer v(1);
        TfrmZJSList& dialog = v.open();
        v.prompts->font = QFont(QStringLiteral("黑体"), 16);
        dialog.Button5Click();
        QCOMPARE(v.prompts->shownFont.pointSize(), 12);
        QCOMPARE(v.prompts->shownFont.family(), QStringLiteral("宋体"));
        QCOMPARE(v.settings.readInteger("Print", "Size", 0), 16);
        QCOMPARE(v.settings.readString("Print", "FontName", ""), G("黑体"));

        v.prompts->font.reset();
        dialog.Button5Click();
        QCOMPARE(v.prompts->shownFont.pointSize(), 16);
        QCOMPARE(v.settings.readInteger("Print", "Size", 0), 16);
    }

    void printsTheTextUnderTheMainTitle()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed: apt-get install poppler-utils");
        Viewer v(5);
        TfrmZJSList& dialog = v.open();
        CapturedPrints spooler;
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        dialog.Button2Click();
        QCOMPARE(ui::answeredMessages(), QStringList {QStringLiteral("请准备A4纸张,装入打印机, 名单每页分二列打印")});
        QStringList jobs = spooler.jobs();
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(pdfRows(jobs[0]), (QStringList {QStringLiteral("新年联欢晚会"),
                                                 QStringLiteral("1001 参加者 三等奖 1002 参加者 三等奖"),
                                                 QStringLiteral("1003 参加者 三等奖 1004 参加者 三等奖"),
                                                 QStringLiteral("1005 参加者 三等奖")}));

        // The hint still speaks of two columns; the print follows the check box.
        v.singleColumn()->click();
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        dialog.Button2Click();
        QCOMPARE(ui::answeredMessages(), QStringList {QStringLiteral("请准备A4纸张,装入打印机, 名单每页分二列打印")});
        jobs = spooler.jobs();
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(pdfRows(jobs[1]).size(), 6);
    }

    // Bad input: no printer, a spooler that is down or refuses the job, a huge results file.
    void noPrinterPrintsNothingAndTheDialogStays()
    {
        Viewer v(2);
        TfrmZJSList& dialog = v.open();
        CapturedPrints spooler(ui::PrinterStatus::NoPrinter);
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        dialog.Button2Click();
        QCOMPARE(ui::answeredMessages(), QStringList {QStringLiteral("你需要安装打印机才能打印！")});
        QVERIFY(spooler.jobs().isEmpty());
        QCOMPARE(v.memo()->toPlainText().count(QLatin1Char('\n')), 2);
    }

    void aJobTheSpoolerDoesNotTakeIsKept()
    {
        Viewer v(4);
        TfrmZJSList& dialog = v.open();
        {
            CapturedPrints refusing(ui::PrinterStatus::Ready, QStringLiteral("Destination \"PDF\" is not accepting jobs."));
            ui::setNextMessageAnswers({MessageAnswer::Ok, MessageAnswer::Ok});
            dialog.Button2Click();
            ui::waitForPrintJobs();
        }
        QStringList messages = ui::answeredMessages();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages[1].startsWith(QStringLiteral("名单没有打印: Destination \"PDF\" is not accepting jobs.")),
                 qPrintable(messages[1]));
        QStringList kept = QDir(v.path("")).entryList({QStringLiteral("未打印名单*.pdf")});
        QCOMPARE(kept.size(), 1);
        QVERIFY(messages[1].contains(kept[0]));
        QVERIFY(QFileInfo(QDir(v.path("")).filePath(kept[0])).size() > 1000);

        // A spooler that does not answer: the same, with the hint to install a printer.
        {
            CapturedPrints down(ui::PrinterStatus::SpoolerDown);
            ui::setNextMessageAnswers({MessageAnswer::Ok, MessageAnswer::Ok});
            dialog.Button2Click();
            ui::waitForPrintJobs();
        }
        messages = ui::answeredMessages();
        QCOMPARE(messages.size(), 2);
        QVERIFY2(messages[1].startsWith(QStringLiteral("你需要安装打印机才能打印！")), qPrintable(messages[1]));
        QVERIFY(messages[1].contains(QStringLiteral("打印服务没有运行")));
        QCOMPARE(QDir(v.path("")).entryList({QStringLiteral("未打印名单*.pdf")}).size(), 2);
        QCOMPARE(v.memo()->toPlainText().count(QLatin1Char('\n')), 4);
    }

    void aResultsFileOfAHundredThousandLines()
    {
        Viewer v(100000);
        QElapsedTimer clock;
        clock.start();
        TfrmZJSList& dialog = v.open();
        dialog.show();
        QApplication::processEvents();
        qint64 opened = clock.elapsed();
        QCOMPARE(dialog.windowTitle(), caption(100000));
        QVERIFY2(opened < 10000, qPrintable(QString::number(opened)));
        v.prompts->saveNames = {v.path("copy.txt")};
        dialog.Button3Click();
        QCOMPARE(readFile(v.folder.file("copy.txt")), readFile(v.resultsPath()));
    }

    void aMissingResultsFileIsReported()
    {
        Viewer v(1);
        QFile::remove(QString::fromStdString(v.resultsPath()));
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        TfrmZJSList& dialog = v.open();
        QCOMPARE(ui::answeredMessages().size(), 1);
        QVERIFY(ui::answeredMessages()[0].startsWith(QStringLiteral("无法打开文件")));
        QCOMPARE(dialog.windowTitle(), caption(0));
    }
};

QTEST_MAIN(TfrmZJSListTest)
#include "TfrmZJSListTest.moc"
