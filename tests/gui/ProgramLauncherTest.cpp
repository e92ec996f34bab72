// The launcher keys start real programs: a generated script shows what it received, documents
// go to a desktop handler set up for the test, and what cannot start is told to the operator.
#include "TestSupport.h"

#include "present/ProgramLauncher.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

using lotavo::ui::ProgramLauncher;
using lotavo::ui::splitParameters;

namespace {

QString writeScript(const QString& path, const QString& body, bool executable = true)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(body.toUtf8());
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
    return path;
}

// A script that writes its folder and every argument, one a line, to `output`.
QString recorder(const QString& folder, const QString& name, const QString& output)
{
    return writeScript(QDir(folder).filePath(name),
                       QStringLiteral("#!/bin/sh\n{ pwd; printf '%s\\n' \"$@\"; } > '%1.part' && mv '%1.part' '%1'\n")
                           .arg(output));
}

QStringList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// Programs are looked up on a PATH that starts with `folder` for the life of the object.
class PathFirst {
public:
    explicit PathFirst(const QString& folder, bool only = false) : m_saved(qgetenv("PATH"))
    {
        qputenv("PATH", only ? folder.toUtf8() : folder.toUtf8() + ':' + m_saved);
    }
    ~PathFirst() { qputenv("PATH", m_saved); }

private:
    QByteArray m_saved;
};

}  // namespace

class ProgramLauncherTest : public QObject {
    Q_OBJECT

private slots:
    void parametersAreSplitAsTyped_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("arguments");
        auto row = [](const char* name, const QString& line, const QStringList& arguments) {
            QTest::newRow(name) << line << arguments;
        };
        row("blanks", QStringLiteral("  -a   b\tc "), {QStringLiteral("-a"), QStringLiteral("b"), QStringLiteral("c")});
        row("quoted blanks", QStringLiteral("\"My Talk.odp\" -x"), {QStringLiteral("My Talk.odp"), QStringLiteral("-x")});
        row("quotes inside a word", QStringLiteral("--title=\"年会 2026\""), {QStringLiteral("--title=年会 2026")});
        row("doubled quote", QStringLiteral("\"say \"\"hi\"\"\""), {QStringLiteral("say \"hi\"")});
        row("escaped quote", QStringLiteral("\\\"x\\\""), {QStringLiteral("\"x\"")});
        row("folder backslashes", QStringLiteral("C:\\Talks\\ \"D:\\My dir\\\\\" end"),
            {QStringLiteral("C:\\Talks\\"), QStringLiteral("D:\\My dir\\"), QStringLiteral("end")});
        row("empty argument", QStringLiteral("a \"\" b"), {QStringLiteral("a"), QString(), QStringLiteral("b")});
        row("single quotes are letters", QStringLiteral("'a b'"), {QStringLiteral("'a"), QStringLiteral("b'")});
        row("unclosed quote", QStringLiteral("\"open end"), {QStringLiteral("open end")});
        row("nothing", QStringLiteral("   "), {});
    }

    void parametersAreSplitAsTyped()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, arguments);
        QCOMPARE(splitParameters(line), arguments);
    }

    void aProgramGetsItsArgumentsWithoutAShell()
    {
        lotavo::test::TempFolder folder;
        QString dir = QString::fromStdString(folder.path());
        QString output = QDir(dir).filePath(QStringLiteral("argv.txt"));
        QDir(dir).mkdir(QStringLiteral("开场 程序"));
        QString script = recorder(dir + QStringLiteral("/开场 程序"), QStringLiteral("run me.sh"), output);
        QStringList reports;
        ProgramLauncher launcher(dir, [&](const QString& text) { reports << text; });
        launcher.openProgram(script, QStringLiteral("--name \"年会 2026\" 'single' \"say \"\"hi\"\"\" $HOME ; rm -rf x | cat `id` *"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(output), 10000);
        QCOMPARE(linesOf(output), (QStringList {dir + QStringLiteral("/开场 程序"), QStringLiteral("--name"),
                                                QStringLiteral("年会 2026"), QStringLiteral("'single'"),
                                                QStringLiteral("say \"hi\""), QStringLiteral("$HOME"), QStringLiteral(";"),
                                                QStringLiteral("rm"), QStringLiteral("-rf"), QStringLiteral("x"),
                                                QStringLiteral("|"), QStringLiteral("cat"), QStringLiteral("`id`"),
                                                QStringLiteral("*")}));
        QVERIFY(reports.isEmpty());
    }

    void relativeAndBareNamesAreFound()
    {
        lotavo::test::TempFolder folder;
        QString dir = QString::fromStdString(folder.path());
        QString output = QDir(dir).filePath(QStringLiteral("argv.txt"));
        recorder(dir, QStringLiteral("beside.sh"), output);
        QStringList reports;
        ProgramLauncher launcher(dir, [&](const QString& text) { reports << text; });
        launcher.openProgram(QStringLiteral("beside.sh"), QStringLiteral("one"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(output), 10000);
        QCOMPARE(linesOf(output).constLast(), QStringLiteral("one"));

        lotavo::test::TempFolder bin;
        QString binDir = QString::fromStdString(bin.path());
        QString second = QDir(dir).filePath(QStringLiteral("second.txt"));
        recorder(binDir, QStringLiteral("lotavo-test-tool"), second);
        PathFirst path(binDir);
        launcher.openProgram(QStringLiteral("lotavo-test-tool"), QStringLiteral("two"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(second), 10000);
        QCOMPARE(linesOf(second).constLast(), QStringLiteral("two"));
        QVERIFY(reports.isEmpty());
    }

    void whatCannotStartIsTold()
    {
        lotavo::test::TempFolder folder;
        QString dir = QString::fromStdString(folder.path());
        QStringList reports;
        ProgramLauncher launcher(dir, [&](const QString& text) { reports << text; });

        launcher.openProgram(QString(), QStringLiteral("-x"));
        launcher.openProgram(QStringLiteral("  "), QString());
        launcher.showPresentation(QString(), QStringLiteral("/s"));
        QVERIFY(reports.isEmpty());  // nothing set: the key has nothing to do

        launcher.openProgram(QStringLiteral("/nowhere/开场.exe"), QString());
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.constLast(), QStringLiteral("找不到调用文件“/nowhere/开场.exe”，请在“高级设定”的“热键”页重新选择。"));
        launcher.openProgram(QStringLiteral("C:\\Program Files\\Show\\show.exe"), QString());
        QVERIFY(reports.constLast().contains(QStringLiteral("C:\\Program Files\\Show\\show.exe")));

        launcher.showPresentation(QStringLiteral("/nowhere/年会.pptx"), QStringLiteral("/s"));
        QCOMPARE(reports.constLast(), QStringLiteral("找不到演示文稿“/nowhere/年会.pptx”，请在“高级设定”的“热键”页重新选择。"));

        // An ELF header that is not a program.
        QString broken = QDir(dir).filePath(QStringLiteral("broken"));
        writeScript(broken, QStringLiteral("\x7f") + QStringLiteral("ELF garbage"));
        launcher.openProgram(broken, QString());
        QVERIFY2(reports.constLast().startsWith(QStringLiteral("无法启动“") + broken), qPrintable(reports.constLast()));
    }

    // Documents, folders, scripts without the execute right and files a memory stick marks
    // executable all go to the desktop's default handler.
    void documentsGoToTheDesktopHandler()
    {
        lotavo::test::TempFolder folder;
        QString dir = QString::fromStdString(folder.path());
        QString output = QDir(dir).filePath(QStringLiteral("opened.txt"));
        recorder(dir, QStringLiteral("xdg-open"), output);
        PathFirst path(dir);
        QStringList reports;
        ProgramLauncher launcher(dir, [&](const QString& text) { reports << text; });

        QString plainScript = writeScript(QDir(dir).filePath(QStringLiteral("not executable.sh")),
                                          QStringLiteral("#!/bin/sh\necho hi\n"), false);
        QString markedDocument = writeScript(QDir(dir).filePath(QStringLiteral("年会 议程.odt")),
                                             QStringLiteral("PK\3\4 not a program"), true);
        for (const QString& file : {plainScript, markedDocument, dir}) {
            QFile::remove(output);
            launcher.openProgram(file, QStringLiteral("--ignored"));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(output), 10000);
            QCOMPARE(linesOf(output).mid(1), QStringList {QDir(file).absolutePath()});
        }
        QVERIFY(reports.isEmpty());
    }

    void aDocumentNoProgramOpensIsTold()
    {
        lotavo::test::TempFolder folder;
        QString dir = QString::fromStdString(folder.path());
        writeScript(QDir(dir).filePath(QStringLiteral("xdg-open")), QStringLiteral("#!/bin/sh\nexit 3\n"));
        PathFirst path(dir);
        QString document = writeScript(QDir(dir).filePath(QStringLiteral("talk.xyz")), QStringLiteral("x"), false);
        QStringList reports;
        ProgramLauncher launcher(dir, [&](const QString& text) { reports << text; });
        launcher.openProgram(document, QString());
        QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, 10000);
        QCOMPARE(reports.constFirst(), QStringLiteral("没有能打开“%1”的程序，请为这类文件安装一个程序。").arg(document));
    }

    void withoutXdgOpenTheMessageSaysWhatToInstall()
    {
        lotavo::test::TempFolder folder;
        QString dir = QString::fromStdString(folder.path());
        QString document = writeScript(QDir(dir).filePath(QStringLiteral("talk.txt")), QStringLiteral("x"), false);
        PathFirst path(dir, true);
        QStringList reports;
        ProgramLauncher launcher(dir, [&](const QString& text) { reports << text; });
        launcher.openProgram(document, QString());
        QCOMPARE(reports, QStringList {QStringLiteral("打开“%1”需要桌面的默认打开程序 xdg-open，请安装软件包 xdg-utils。")
                                           .arg(document)});
    }

    // The real xdg-open, with a handler of our own as the default for text files.
    void theRealXdgOpenOpensADocument()
    {
        QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty())
            QSKIP("xdg-open is not installed (package xdg-utils)");
        lotavo::test::TempFolder folder;
        QString dir = QString::fromStdString(folder.path());
        QString output = QDir(dir).filePath(QStringLiteral("opened.txt"));
        QString handler = recorder(dir, QStringLiteral("handler.sh"), output);
        QDir(dir).mkpath(QStringLiteral("data/applications"));
        QDir(dir).mkpath(QStringLiteral("config"));
        writeScript(QDir(dir).filePath(QStringLiteral("data/applications/lotavo-test-handler.desktop")),
                    QStringLiteral("[Desktop Entry]\nType=Application\nName=Handler\nExec=%1 %f\nMimeType=text/plain;\n")
                        .arg(handler),
                    false);
        writeScript(QDir(dir).filePath(QStringLiteral("config/mimeapps.list")),
                    QStringLiteral("[Default Applications]\ntext/plain=lotavo-test-handler.desktop\n"), false);
        QString document = writeScript(QDir(dir).filePath(QStringLiteral("年会 议程.txt")), QStringLiteral("议程\n"), false);

        // Without a desktop running, xdg-open opens files only with a display named.
        QByteArray saved[4] = {qgetenv("XDG_DATA_HOME"), qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_DATA_DIRS"),
                               qgetenv("DISPLAY")};
        qputenv("XDG_DATA_HOME", QDir(dir).filePath(QStringLiteral("data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", QDir(dir).filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_DIRS", QDir(dir).filePath(QStringLiteral("data")).toUtf8() + ":/usr/local/share:/usr/share");
        if (saved[3].isEmpty())
            qputenv("DISPLAY", ":999");
        QStringList reports;
        ProgramLauncher launcher(dir, [&](const QString& text) { reports << text; });
        launcher.openProgram(document, QString());
        bool opened = QTest::qWaitFor([&] { return QFile::exists(output); }, 15000);
        const char* names[4] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "DISPLAY"};
        for (int i = 0; i < 4; ++i)
            saved[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
        QVERIFY2(opened, qPrintable(reports.join(u'\n')));
        QCOMPARE(linesOf(output).mid(1), QStringList {document});
        QVERIFY(reports.isEmpty());
    }

    void theSlideShowNeedsImpress()
    {
        lotavo::test::TempFolder folder;
        QString dir = QString::fromStdString(folder.path());
        QString talk = writeScript(QDir(dir).filePath(QStringLiteral("My Talk.odp")), QStringLiteral("PK"), false);
        QString output = QDir(dir).filePath(QStringLiteral("office.txt"));
        // An office without Impress's window system: the headless packages.
        QDir(dir).mkpath(QStringLiteral("office/program"));
        recorder(QDir(dir).filePath(QStringLiteral("office/program")), QStringLiteral("soffice"), output);
        PathFirst path(QDir(dir).filePath(QStringLiteral("office/program")));
        QStringList reports;
        ProgramLauncher launcher(dir, [&](const QString& text) { reports << text; });
        launcher.showPresentation(talk, QStringLiteral("/s"));
        QCOMPARE(reports, QStringList {QStringLiteral(
                              "放映演示文稿需要 LibreOffice Impress，请安装软件包 libreoffice-impress。")});
        QVERIFY(!QFile::exists(output));

        // With Impress and a window system the show starts, the file as one argument.
        QDir(dir).mkpath(QStringLiteral("office/share/registry"));
        writeScript(QDir(dir).filePath(QStringLiteral("office/share/registry/impress.xcd")), QString(), false);
        writeScript(QDir(dir).filePath(QStringLiteral("office/program/libvclplug_genlo.so")), QString(), false);
        QVERIFY(ProgramLauncher::impressInstalled());
        launcher.showPresentation(QStringLiteral("My Talk.odp"), QStringLiteral("/S --norestore \"--infilter=impress8\""));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(output), 10000);
        QCOMPARE(linesOf(output).mid(1), (QStringList {QStringLiteral("--show"), QStringLiteral("--norestore"),
                                                       QStringLiteral("--infilter=impress8"), talk}));
        QCOMPARE(reports.size(), 1);
    }
};

QTEST_MAIN(ProgramLauncherTest)
#include "ProgramLauncherTest.moc"
