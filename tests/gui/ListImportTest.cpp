// The spreadsheet and document imports through the real LibreOffice, on files holding Chinese
// text that LibreOffice itself makes from a CSV or text file here; and the bad files an
// operator may pick: protected, empty, huge, not what they claim, pictures only.
#include "EditorTestSupport.h"

#include "draw/Gbk.h"
#include "present/QtText.h"
#include "present/CommonDialogs.h"
#include "setup/ListImport.h"
#include "setup/OfficeConverter.h"
#include "setup/ProgressWindow.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

using namespace lotavo;
using namespace lotavo::test;
using ui::ImportedList;
using ui::OfficeConverter;
using ui::TfrmJXName;

namespace {

const char* kNamesCsv = "编号,姓名,部门\n1001,王小明,市场部\n1002,李四,研发部\n1003,\"张,三\",Sales\n";


// The rows of kNamesCsv as fixed-width columns.
EntryList namesTable()
{
    return gbkLines({"编号 姓名   部门", "1001 王小明 市场部", "1002 李四   研发部", "1003 张,三  Sales"});
}

// The temporary folder of this test's conversions: other programs on the machine may be
// converting at the same time.
QByteArray g_conversionFolder;

// The LibreOffice processes of this test's conversions still running, with their state.
QStringList conversionsRunning()
{
    QStringList running;
    QDirIterator processes(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (processes.hasNext()) {
        QString folder = processes.next();
        QFile cmdline(folder + QStringLiteral("/cmdline"));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        QByteArray arguments = cmdline.readAll();
        if (!arguments.contains(g_conversionFolder + "/lotavo-office-"))
            continue;
        QFile stat(folder + QStringLiteral("/stat"));
        stat.open(QIODevice::ReadOnly);
        running.append(QString::fromUtf8(stat.readAll().left(60)) + QLatin1Char(' ')
                       + QString::fromUtf8(arguments.replace('\0', ' ').left(120)));
    }
    return running;
}

bool hasOffice()
{
    return !OfficeConverter::program().isEmpty();
}

}  // namespace

class ListImportTest : public QObject {
    Q_OBJECT

    TempFolder m_files;       // the test files, made once
    TempFolder m_profile;     // LibreOffice's profile for making them
    TempFolder m_temporary;   // the converter's temporary folders go here

    QString file(const char* name) const { return QString::fromStdString(m_files.file(name)); }

    // Makes `target` (a "ext:Filter" conversion) from a file written here, with LibreOffice.
    QString make(const QString& source, const char* target, const char* inputFilter)
    {
        QProcess process;
        process.start(OfficeConverter::program(),
                      {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(QString::fromStdString(m_profile.path())).toString(),
                       QStringLiteral("--headless"), QStringLiteral("--infilter=") + QString::fromUtf8(inputFilter),
                       QStringLiteral("--convert-to"), QString::fromUtf8(target), QStringLiteral("--outdir"),
                       QString::fromStdString(m_files.path()), source});
        process.waitForFinished(120000);
        QString made = QFileInfo(source).completeBaseName() + QLatin1Char('.')
                       + QString::fromUtf8(target).section(QLatin1Char(':'), 0, 0);
        return file(made.toUtf8().constData());
    }

private slots:
    void initTestCase()
    {
        ui::ProgressWindow::setShowDelay(0);
        g_conversionFolder = QByteArray::fromStdString(m_temporary.path());
        qputenv("TMPDIR", g_conversionFolder);
        if (!hasOffice())
            return;
        writeFile(m_files.file("names.csv"), kNamesCsv);
        for (const char* target : {"xlsx:Calc Office Open XML", "xls:MS Excel 97", "ods:calc8"})
            QVERIFY(QFile::exists(make(file("names.csv"), target, "CSV:44,34,76")));
        writeFile(m_files.file("names.txt"), "1001 王小明 市场部\n1002 李四\n\n1003 张三 😀\n");
        for (const char* target : {"docx:MS Word 2007 XML", "rtf:Rich Text Format", "odt:writer8", "doc:MS Word 97"})
            QVERIFY(QFile::exists(make(file("names.txt"), target, "Text (encoded):UTF8")));
        writeFile(m_files.file("empty.csv"), "");
        QVERIFY(QFile::exists(make(file("empty.csv"), "xlsx:Calc Office Open XML", "CSV:44,34,76")));
        QImage picture(20, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(file("red.png"));
        writeFile(m_files.file("picture.html"), "<html><body><p><img src=\"red.png\" width=\"20\" height=\"20\"></p></body></html>");
        QVERIFY(QFile::exists(make(file("picture.html"), "docx:MS Word 2007 XML", "HTML (StarWriter)")));
    }
    void init()
    {
        ui::TMsgForm::freeAll();
        ui::setNextMessageAnswers({});
        if (!hasOffice() && QString::fromLatin1(QTest::currentTestFunction()) != QLatin1String("withoutLibreOfficeTheEditorSaysSo")
            && QString::fromLatin1(QTest::currentTestFunction()) != QLatin1String("csvAndTheFileChecksNeedNoLibreOffice"))
            QSKIP("LibreOffice (soffice) is not installed: apt-get install libreoffice-calc-nogui libreoffice-writer-nogui");
    }

    void spreadsheetsOfEveryKindImportAsFixedColumns()
    {
        OfficeConverter converter;
        for (const char* name : {"names.xlsx", "names.xls", "names.ods"}) {
            ImportedList imported = ui::importSpreadsheet(nullptr, file(name), converter);
            QVERIFY2(imported.ok(), qPrintable(imported.error));
            QCOMPARE(imported.lines, namesTable());
            QVERIFY(imported.notice.isEmpty());
        }
        QTRY_VERIFY2_WITH_TIMEOUT(conversionsRunning().isEmpty(), qPrintable(conversionsRunning().join(QLatin1Char('\n'))), 5000);
    }

    void theEditorImportsASpreadsheetFromItsMenu()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"旧名单"}));
        f.editor->setModified(false);
        f.prompts->files = {file("names.xlsx")};
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        f.editor->mnuImportExcelClick();
        QCOMPARE(ui::answeredMessages(), QStringList{QStringLiteral("当文件比较大时，导入速度会较慢,请稍等片刻")});
        QCOMPARE(f.prompts->filters.first(), QStringLiteral("Excel、Foxpro文件 (*.xls *.xlsx *.ods *.dbf *.csv)"));
        QCOMPARE(f.editor->lines(), namesTable());
        QVERIFY(f.editor->isModified());

        f.editor->setModified(false);
        f.prompts->files = {QString()};
        f.editor->mnuImportExcelClick();
        QCOMPARE(f.editor->lines(), namesTable());
        QVERIFY(!f.editor->isModified());
    }

    void documentsOfEveryKindImportAsTheirLines()
    {
        OfficeConverter converter;
        for (const char* name : {"names.docx", "names.rtf", "names.odt", "names.doc"}) {
            ImportedList imported = ui::importDocument(nullptr, file(name), converter);
            QVERIFY2(imported.ok(), qPrintable(imported.error));
            QCOMPARE(imported.lines, gbkLines({"1001 王小明 市场部", "1002 李四", "", "1003 张三 ?"}));
            QVERIFY2(imported.notice.contains(QStringLiteral("😀")), qPrintable(imported.notice));
        }
    }

    void theEditorImportsADocumentAndReportsWhatGbkCannotHold()
    {
        EditorFixture f;
        f.prompts->files = {file("names.docx")};
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        f.editor->mnuImportWordClick();
        QCOMPARE(ui::answeredMessages(), QStringList{QStringLiteral("此文件导入速度可能较慢,请稍等片刻")});
        QCOMPARE(f.prompts->filters.first(), QStringLiteral("Word、RTF文件 (*.doc *.docx *.rtf *.odt *.wps)"));
        QCOMPARE(f.editor->lineCount(), 4);
        QVERIFY(f.editor->isModified());
        QVERIFY(fadingMessages().join(QString()).contains(QStringLiteral("😀")));
    }

    void csvAndTheFileChecksNeedNoLibreOffice()
    {
        OfficeConverter converter;
        writeFile(m_files.file("gbk.csv"), G(kNamesCsv));
        writeFile(m_files.file("utf8.csv"), std::string("\xEF\xBB\xBF") + kNamesCsv);
        for (const char* name : {"gbk.csv", "utf8.csv"}) {
            ImportedList imported = ui::importSpreadsheet(nullptr, file(name), converter);
            QVERIFY2(imported.ok(), qPrintable(imported.error));
            QCOMPARE(imported.lines, namesTable());
        }

        writeFile(m_files.file("photo.xls"), std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20) + std::string(200, '\0'));
        ImportedList picture = ui::importSpreadsheet(nullptr, file("photo.xls"), converter);
        QCOMPARE(picture.error, QStringLiteral("此文件不是电子表格文件,无法导入"));
        ImportedList pictureDoc = ui::importDocument(nullptr, file("photo.xls"), converter);
        QCOMPARE(pictureDoc.error, QStringLiteral("此文件不是Word、RTF文档,无法导入"));

        // An Office file with a password is a compound file holding an "EncryptedPackage".
        std::string protectedFile("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
        protectedFile += std::string(1016, '\0');
        protectedFile += std::string("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32);
        protectedFile += std::string(3000, '\0');
        writeFile(m_files.file("protected.xlsx"), protectedFile);
        ImportedList locked = ui::importSpreadsheet(nullptr, file("protected.xlsx"), converter);
        QVERIFY(locked.error.startsWith(QStringLiteral("此文件设置了密码保护")));
        QVERIFY(locked.lines.empty());

        ImportedList missing = ui::importSpreadsheet(nullptr, file("missing.xlsx"), converter);
        QVERIFY(missing.error.startsWith(QStringLiteral("无法读取文件")));
    }

    void badSpreadsheetsLeaveTheTextAsItWasWithAMessage()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"1001 王小明"}));
        f.editor->setModified(false);
        QByteArray zip("PK\x03\x04", 4);
        zip += QByteArray(300, 'x');
        writeFile(m_files.file("other.xlsx"), zip.toStdString());
        struct Case {
            const char* name;
            QString message;
        };
        const Case cases[] = {{"empty.xlsx", QStringLiteral("此电子表格中没有可以导入的内容")},
                              {"other.xlsx", QStringLiteral("LibreOffice 无法读取此文件")},
                              {"photo.xls", QStringLiteral("此文件不是电子表格文件")}};
        writeFile(m_files.file("photo.xls"), std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20));
        for (const Case& c : cases) {
            f.prompts->files = {file(c.name)};
            ui::setNextMessageAnswers({MessageAnswer::Ok, MessageAnswer::Ok});
            f.editor->mnuImportExcelClick();
            QStringList answered = ui::answeredMessages();
            QCOMPARE(answered.size(), 2);
            QVERIFY2(answered[1].startsWith(c.message), qPrintable(answered[1]));
            QCOMPARE(f.editor->lines(), gbkLines({"1001 王小明"}));
            QVERIFY(!f.editor->isModified());
        }
        QTRY_VERIFY2_WITH_TIMEOUT(conversionsRunning().isEmpty(), qPrintable(conversionsRunning().join(QLatin1Char('\n'))), 5000);
    }

    void aDocumentWithOnlyAPictureSaysThereIsNoText()
    {
        OfficeConverter converter;
        ImportedList imported = ui::importDocument(nullptr, file("picture.docx"), converter);
        QCOMPARE(imported.error, QStringLiteral("此文档中没有可以导入的文字(例如只有图片)"));
        QVERIFY(imported.lines.empty());
    }

    void aHundredThousandRowsImportWhileTheWindowsKeepPainting()
    {
        std::string csv;
        for (int i = 0; i < 100000; ++i)
            csv += std::to_string(100000 + i) + ",王小明" + std::to_string(i % 97) + ",市场部\n";
        writeFile(m_files.file("big.csv"), csv);
        QString big = make(file("big.csv"), "xlsx:Calc Office Open XML", "CSV:44,34,76");
        QVERIFY(QFile::exists(big));

        // A timer of the windows stands in for painting: it must keep firing during the import.
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0, longestGap = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestGap = std::max(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        ticker.start(20);
        OfficeConverter converter;
        ImportedList imported = ui::importSpreadsheet(nullptr, big, converter);
        ticker.stop();
        QVERIFY2(imported.ok(), qPrintable(imported.error));
        QCOMPARE(imported.lines.size(), size_t(100000));
        QCOMPARE(imported.lines.front(), G("100000 王小明0  市场部"));
        QCOMPARE(imported.lines.back(), G("199999 王小明89 市场部"));
        qInfo("100,000 rows imported in %lld ms; longest pause of the event loop %lld ms", clock.elapsed(), longestGap);
        QVERIFY2(longestGap < 1500 * kSlowBuildFactor, "the windows stay responsive during the conversion");
    }

    void aConversionThatTakesTooLongIsEndedWithAllItsProcesses()
    {
        OfficeConverter converter;
        converter.setTimeoutMs(300);
        ImportedList imported = ui::importSpreadsheet(nullptr, file("names.xlsx"), converter);
        QVERIFY2(imported.error.contains(QStringLiteral("没有完成转换")), qPrintable(imported.error));
        QTRY_VERIFY2_WITH_TIMEOUT(conversionsRunning().isEmpty(), qPrintable(conversionsRunning().join(QLatin1Char('\n'))), 5000);
    }

    void theOperatorCanCancelAConversion()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"1001 王小明"}));
        f.editor->setModified(false);
        f.prompts->files = {file("names.xls")};
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        bool clicked = false;
        bool seenRunning = false;
        QTimer cancel;
        QObject::connect(&cancel, &QTimer::timeout, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->objectName() == QStringLiteral("ProgressWindow") && widget->isVisible())
                    if (auto* button = widget->findChild<QPushButton*>(QStringLiteral("btnCancel"))) {
                        seenRunning = !conversionsRunning().isEmpty();
                        button->click();
                        clicked = true;
                    }
        });
        cancel.start(50);
        f.editor->mnuImportExcelClick();
        cancel.stop();
        QVERIFY(clicked);
        QVERIFY2(seenRunning, "LibreOffice was running when the operator cancelled");
        QCOMPARE(ui::answeredMessages().size(), 1);
        QCOMPARE(f.editor->lines(), gbkLines({"1001 王小明"}));
        QVERIFY(!f.editor->isModified());
        QTRY_VERIFY2_WITH_TIMEOUT(conversionsRunning().isEmpty(), qPrintable(conversionsRunning().join(QLatin1Char('\n'))), 5000);
    }

    void withoutLibreOfficeTheEditorSaysSo()
    {
        QByteArray path = qgetenv("PATH");
        TempFolder empty;
        qputenv("PATH", QByteArray::fromStdString(empty.path()));
        EditorFixture f;
        f.editor->setLines(gbkLines({"1001 王小明"}));
        f.editor->mnuImportExcelClick();
        f.editor->mnuImportWordClick();
        qputenv("PATH", path);
        QStringList messages = fadingMessages();
        QVERIFY(messages.contains(QStringLiteral("您的计算机尚未安装 LibreOffice Calc!此功能无法使用")));
        QVERIFY(messages.contains(QStringLiteral("您的计算机尚未安装 LibreOffice Writer!此功能无法使用")));
        QVERIFY(f.prompts->filters.isEmpty());
        QCOMPARE(f.editor->lines(), gbkLines({"1001 王小明"}));
    }
};

QTEST_MAIN(ListImportTest)
#include "ListImportTest.moc"
