// The list editor's file commands offscreen: the text and picture-folder imports, the JPEG
// conversion, save and save as, and printing checked through the PDF documents of its jobs.
#include "EditorTestSupport.h"
#include "PrintTestSupport.h"

#include "draw/AtomicFile.h"
#include "draw/Gbk.h"
#include "present/FontNames.h"
#include "present/QtText.h"
#include "present/CommonDialogs.h"
#include "setup/ProgressWindow.h"

#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <QtTest>

using namespace lotavo;
using namespace lotavo::test;
using ui::TfrmJXName;
using ui::toGbk;
using ui::toPath;

namespace {

void writePicture(const QString& path, const char* format)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    QVERIFY(image.save(path, format));
}

}  // namespace

class TfrmJXNameFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ui::installFontSubstitutions();
        ui::ProgressWindow::setShowDelay(0);
    }
    void init()
    {
        ui::TMsgForm::freeAll();
        ui::setNextMessageAnswers({});
    }

    void saveWritesTheWorkingCopyAndSaveAsAppendsTxt()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"1001 王小明", "1002 李四"}));
        f.editor->mnuSaveClick();
        QCOMPARE(readFile(f.folder.file("TempEdit.txt")), G("1001 王小明\r\n1002 李四\r\n"));
        QVERIFY(f.editor->isModified());

        f.prompts->saveNames = {f.path("list"), f.path("named.txt"), QString()};
        f.editor->mnuSaveAsClick();
        f.editor->mnuSaveAsClick();
        f.editor->mnuSaveAsClick();
        QCOMPARE(f.prompts->filters.first(), QStringLiteral("文本文件 (*.txt)"));
        QCOMPARE(readFile(f.folder.file("list.txt")), G("1001 王小明\r\n1002 李四\r\n"));
        QVERIFY(QFile::exists(f.path("named.txt")));
        QVERIFY(!QFile::exists(f.path("named.txt.txt")));

        f.prompts->saveNames = {f.path("no such folder/list")};
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        f.editor->mnuSaveAsClick();
        QCOMPARE(ui::answeredMessages().size(), 1);
        QVERIFY(ui::answeredMessages().front().startsWith(QStringLiteral("名单没有保存")));
    }

    void charactersGbkCannotHoldAreReportedWhenSaving()
    {
        EditorFixture f;
        f.editor->show();
        memo(*f.editor)->insert(QStringLiteral("王小明😀\n"));
        f.editor->mnuSaveClick();
        QCOMPARE(readFile(f.folder.file("TempEdit.txt")), G("王小明?\r\n"));
        QStringList messages = fadingMessages();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.front().contains(QStringLiteral("😀")));
    }

    void importsTextFilesOfEveryEncodingAsGbk()
    {
        EditorFixture f;
        QString expectedText = QStringLiteral("1001 王小明 市场部\n1002 李四\n");
        QByteArray utf8 = expectedText.toUtf8();
        writeFile(f.folder.file("utf8.txt"), "\xEF\xBB\xBF" + utf8.toStdString());
        QByteArray utf16(reinterpret_cast<const char*>(expectedText.utf16()), expectedText.size() * 2);
        writeFile(f.folder.file("utf16.txt"), "\xFF\xFE" + utf16.toStdString());
        writeGbkList(f.folder.file("gbk.txt"), {"1001 王小明 市场部", "1002 李四"});
        for (const char* name : {"utf8.txt", "utf16.txt", "gbk.txt"}) {
            f.editor->setLines({});
            f.editor->setModified(false);
            f.prompts->files = {f.path(name)};
            f.editor->mnuImportTextClick();
            QCOMPARE(f.editor->lines(), gbkLines({"1001 王小明 市场部", "1002 李四"}));
            QVERIFY(f.editor->isModified());
        }
        QCOMPARE(f.prompts->filters.first(), QStringLiteral("文本文件 (*.txt)"));

        f.editor->setModified(false);
        f.prompts->files = {QString()};
        f.editor->mnuImportTextClick();
        QCOMPARE(f.editor->lineCount(), 2);
        QVERIFY(f.editor->isModified());

        writeFile(f.folder.file("emoji.txt"), "王五😀\n");
        f.prompts->files = {f.path("emoji.txt")};
        f.editor->mnuImportTextClick();
        QCOMPARE(f.editor->lines(), gbkLines({"王五?"}));
        QVERIFY(fadingMessages().join(QString()).contains(QStringLiteral("😀")));

        writeFile(f.folder.file("picture.txt"), std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20));
        f.prompts->files = {f.path("picture.txt")};
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        f.editor->mnuImportTextClick();
        QCOMPARE(ui::answeredMessages(), QStringList{QStringLiteral("此文件不是文本文件,无法导入")});
        QCOMPARE(f.editor->lines(), gbkLines({"王五?"}));
    }

    void picturesOfAFolderReplaceTheTextOnlyWhenMoreThanThree()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"1001 王小明"}));
        QString folder = f.path("图片");
        QDir().mkpath(folder);
        for (const char* name : {"b.bmp", "a.BMP", "c.bmp"})
            writePicture(folder + QLatin1Char('/') + QString::fromLatin1(name), "BMP");
        f.prompts->folders = {folder};
        f.editor->mnuImportPicturesClick();
        QCOMPARE(f.editor->lines(), gbkLines({"1001 王小明"}));
        QVERIFY(f.prompts->prompts.last().startsWith(QStringLiteral("请选择图像文件夹,支持图像格式为JPG、BMP")));

        writePicture(folder + QStringLiteral("/张三.jpg"), "JPG");
        writeFile(toPath(folder + QStringLiteral("/broken.jpg")), "not a picture");
        QDir().mkpath(folder + QStringLiteral("/sub.jpg"));
        f.prompts->folders = {folder};
        f.editor->mnuImportPicturesClick();
        std::string base = toGbk(folder) + "/";
        QCOMPARE(f.editor->lines(), (EntryList{base + "a.BMP", base + "b.bmp", base + "c.bmp", base + G("张三.jpg")}));
        QVERIFY(fadingMessages().join(QString()).startsWith(QStringLiteral("1个图像文件")));
    }

    void jpegsOfAFolderBecomeBitmapsAndBadOnesAreCounted()
    {
        EditorFixture f;
        f.editor->setLines(gbkLines({"1001"}));
        f.editor->setModified(false);
        QString folder = f.path("photos");
        QDir().mkpath(folder);
        writePicture(folder + QStringLiteral("/one.jpg"), "JPG");
        f.prompts->folders = {folder};
        f.editor->mnuJpgToBmpClick();
        QVERIFY(!QFile::exists(folder + QStringLiteral("/one.bmp")));
        QVERIFY(fadingMessages().isEmpty());

        writePicture(folder + QStringLiteral("/两.jpg"), "JPG");
        writeFile(toPath(folder + QStringLiteral("/corrupt.jpg")), std::string("\xFF\xD8\xFF\xE0 truncated", 15));
        f.prompts->folders = {folder};
        f.editor->mnuJpgToBmpClick();
        QVERIFY(QFile::exists(folder + QStringLiteral("/one.bmp")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/两.bmp")));
        QVERIFY(QFile::exists(folder + QStringLiteral("/one.jpg")));
        QVERIFY(!QFile::exists(folder + QStringLiteral("/corrupt.bmp")));
        QCOMPARE(QImage(folder + QStringLiteral("/one.bmp")).size(), QSize(40, 30));
        QString message = fadingMessages().join(QString());
        QVERIFY2(message.contains(QStringLiteral("已将2个JPG图像转换为BMP格式")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("1个文件无法读取或已损坏,已跳过: corrupt.jpg")), qPrintable(message));
        QCOMPARE(f.editor->lines(), (EntryList{"1001"}));
        QVERIFY(!f.editor->isModified());
    }

    void printingWithoutAPrinterSaysSo()
    {
        EditorFixture f;
        CapturedPrints spooler(ui::PrinterStatus::NoPrinter);
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        f.editor->mnuPrintClick();
        QCOMPARE(ui::answeredMessages(), QStringList{QStringLiteral("你需要安装打印机才能打印！")});
        QVERIFY(spooler.jobs().isEmpty());
    }

    void printsTwoColumnsUnderTheTitle()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed: apt-get install poppler-utils");
        EditorFixture f;
        CapturedPrints spooler;
        f.settings.writeString("frmMainLabel", "lblMainCaptionCaption", G("新年联欢晚会"));
        f.editor->setLines(gbkLines({"1001 王小明", "1002 李四", "1003 张三", "1004 赵六", "1005 孙七"}));
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        f.editor->mnuPrintClick();
        QCOMPARE(ui::answeredMessages(), QStringList{QStringLiteral("请准备A4纸张,装入打印机, 名单每页分二列打印")});
        QStringList jobs = spooler.jobs();
        QCOMPARE(jobs.size(), 1);
        QCOMPARE(pdfRows(jobs[0]), (QStringList{QStringLiteral("新年联欢晚会"), QStringLiteral("1001 王小明 1002 李四"),
                                               QStringLiteral("1003 张三 1004 赵六"), QStringLiteral("1005 孙七")}));
        QCOMPARE(pdfPages(jobs[0]), 1);

        // An empty list prints the heading alone.
        f.editor->setLines({});
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        f.editor->mnuPrintClick();
        jobs = spooler.jobs();
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(pdfText(jobs[1]).trimmed(), QStringLiteral("新年联欢晚会"));
    }

    void aLongListContinuesOnMorePagesWithoutTheHeading()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo and pdftotext are not installed: apt-get install poppler-utils");
        EditorFixture f;
        CapturedPrints spooler;
        f.settings.writeString("frmMainLabel", "lblMainCaptionCaption", G("抽奖名单"));
        f.settings.writeBool("Option", "PrintCol1", true);
        EntryList lines;
        for (int i = 0; i < 120; ++i)
            lines.push_back(std::to_string(1000 + i) + G(" 参加者"));
        f.editor->setLines(lines);
        ui::setNextMessageAnswers({MessageAnswer::Ok});
        f.editor->mnuPrintClick();
        const QString pdf = spooler.jobs().value(0);
        int pages = pdfPages(pdf);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        QString text = pdfText(pdf, false);
        QCOMPARE(text.count(QStringLiteral("抽奖名单")), 1);
        QVERIFY(text.contains(QStringLiteral("1119 参加者")));
        QStringList pageTexts = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY(pageTexts.size() >= pages);
        QVERIFY(pageTexts[1].trimmed().startsWith(QStringLiteral("10")));
    }
};

QTEST_MAIN(TfrmJXNameFilesTest)
#include "TfrmJXNameFilesTest.moc"
