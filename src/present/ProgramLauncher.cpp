#include "present/ProgramLauncher.h"

#include "present/CommonDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace lotavo::ui {

QStringList splitParameters(const QString& line)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        QChar c = line[i];
        if (c == u'\\') {
            qsizetype backslashes = 0;
            while (i < line.size() && line[i] == u'\\') {
                ++backslashes;
                ++i;
            }
            inArgument = true;
            if (i < line.size() && line[i] == u'"') {
                current += QString(backslashes / 2, u'\\');
                if (backslashes % 2 == 1) {
                    current += u'"';
                    continue;
                }
                --i;  // the quote opens or closes a group below
            } else {
                current += QString(backslashes, u'\\');
                --i;
            }
            continue;
        }
        if (c == u'"') {
            inArgument = true;
            if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
                current += u'"';
                ++i;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        if ((c == u' ' || c == u'\t') && !quoted) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
            continue;
        }
        current += c;
        inArgument = true;
    }
    if (inArgument)
        arguments << current;
    return arguments;
}

namespace {

// What the kernel runs itself: a compiled program or a script with its interpreter line. Files
// on a memory stick are often all marked executable, documents too; those go to the desktop.
bool runnable(const QFileInfo& file)
{
    if (!file.isFile() || !file.isExecutable())
        return false;
    QFile f(file.filePath());
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QByteArray head = f.read(4);
    return head == QByteArray("\x7f" "ELF", 4) || head.startsWith("#!");
}

QString nativeName(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

}  // namespace

ProgramLauncher::ProgramLauncher(QString programFolder, Report report)
    : m_folder(std::move(programFolder)), m_report(std::move(report))
{
    if (!m_report)
        m_report = [](const QString& text) { showErrorMessage(text); };
}

QString ProgramLauncher::resolve(const QString& path) const
{
    if (QDir::isAbsolutePath(path))
        return path;
    QString inFolder = QDir(m_folder).filePath(path);
    if (QFileInfo::exists(inFolder))
        return inFolder;
    // A bare program name is looked up as the desktop would.
    if (!path.contains(u'/')) {
        QString onPath = QStandardPaths::findExecutable(path);
        if (!onPath.isEmpty())
            return onPath;
    }
    return inFolder;
}

void ProgramLauncher::openProgram(const QString& program, const QString& parameters)
{
    if (program.trimmed().isEmpty())
        return;
    QString path = resolve(program);
    QFileInfo file(path);
    if (!file.exists()) {
        m_report(QStringLiteral("找不到调用文件“%1”，请在“高级设定”的“热键”页重新选择。").arg(nativeName(program)));
        return;
    }
    if (!runnable(file)) {
        openWithDesktop(file.absoluteFilePath());
        return;
    }
    QProcess process;
    process.setProgram(file.absoluteFilePath());
    process.setArguments(splitParameters(parameters));
    process.setWorkingDirectory(file.absolutePath());
    if (!process.startDetached())
        m_report(QStringLiteral("无法启动“%1”：%2").arg(nativeName(path), process.errorString()));
}

void ProgramLauncher::openWithDesktop(const QString& file)
{
    QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        m_report(QStringLiteral("打开“%1”需要桌面的默认打开程序 xdg-open，请安装软件包 xdg-utils。")
                     .arg(nativeName(file)));
        return;
    }
    // xdg-open may stay until the document is closed; it is left running when the draw ends.
    auto* process = new QProcess;
    Report report = m_report;
    auto finished = [process, report, file](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0)
            report(QStringLiteral("没有能打开“%1”的程序，请为这类文件安装一个程序。").arg(nativeName(file)));
        process->deleteLater();
    };
    auto failed = [process, report](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        report(QStringLiteral("无法启动 xdg-open：%1").arg(process->errorString()));
        process->deleteLater();
    };
    QObject::connect(process, &QProcess::finished, process, finished);
    QObject::connect(process, &QProcess::errorOccurred, process, failed);
    // The handler xdg-open starts may inherit these channels and write much; nobody reads them.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(opener, {file});
}

bool ProgramLauncher::impressInstalled()
{
    QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty())
        return false;
    QDir program = QFileInfo(QFileInfo(office).canonicalFilePath()).absoluteDir();
    bool impress = QFileInfo::exists(program.filePath(QStringLiteral("../share/registry/impress.xcd")));
    bool windows = !program.entryList({QStringLiteral("libvclplug_*")}, QDir::Files).isEmpty();
    return impress && windows;
}

void ProgramLauncher::showPresentation(const QString& presentation, const QString& parameters)
{
    if (presentation.trimmed().isEmpty())
        return;
    QString path = resolve(presentation);
    if (!QFileInfo(path).isFile()) {
        m_report(QStringLiteral("找不到演示文稿“%1”，请在“高级设定”的“热键”页重新选择。").arg(nativeName(presentation)));
        return;
    }
    if (!impressInstalled()) {
        m_report(QStringLiteral("放映演示文稿需要 LibreOffice Impress，请安装软件包 libreoffice-impress。"));
        return;
    }
    QStringList arguments;
    for (const QString& parameter : splitParameters(parameters))
        arguments << (parameter.compare(QStringLiteral("/s"), Qt::CaseInsensitive) == 0 ? QStringLiteral("--show")
                                                                                          : parameter);
    arguments << QFileInfo(path).absoluteFilePath();
    QProcess process;
    process.setProgram(QStandardPaths::findExecutable(QStringLiteral("soffice")));
    process.setArguments(arguments);
    if (!process.startDetached())
        m_report(QStringLiteral("无法启动 LibreOffice Impress：%1").arg(process.errorString()));
}

}  // namespace lotavo::ui
