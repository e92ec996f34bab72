#include "setup/OfficeConverter.h"

#include "setup/ProgressWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <csignal>
#include <unistd.h>

namespace lotavo::ui {

namespace {

// Comma, double quote, UTF-8; first line 1; cells as shown on screen (dates, thousands).
const char* kSpreadsheetTarget = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true";
const char* kDocumentTarget = "txt:Text";

void endGroup(QProcess& process)
{
    qint64 pid = process.processId();
    if (pid > 0)
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
    process.waitForFinished(5000);
}

QString lastErrorLine(const QByteArray& stderrBytes)
{
    const QList<QByteArray> lines = stderrBytes.split('\n');
    for (auto it = lines.crbegin(); it != lines.crend(); ++it)
        if (it->startsWith("Error"))
            return QString::fromUtf8(it->trimmed());
    return QString();
}

}  // namespace

QString OfficeConverter::program()
{
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

OfficeConverter::Result OfficeConverter::convert(QWidget* parent, const QString& file, Kind kind)
{
    Result result;
    QString soffice = program();
    if (soffice.isEmpty()) {
        result.error = QStringLiteral("没有找到 LibreOffice");
        return result;
    }
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/lotavo-office-XXXXXX"));
    if (!work.isValid()) {
        result.error = QStringLiteral("无法建立临时文件夹: ") + work.errorString();
        return result;
    }
    // A copy under a plain name: LibreOffice then leaves no lock file in the operator's
    // folder and never trips over unusual characters in a path.
    QString source = work.filePath(QStringLiteral("source.") + QFileInfo(file).suffix().toLower());
    if (!QFile::copy(file, source)) {
        result.error = QStringLiteral("无法读取文件 ") + QDir::toNativeSeparators(file);
        return result;
    }
    QString outDir = work.filePath(QStringLiteral("out"));
    QDir().mkpath(outDir);

    QProcess process;
    process.setProgram(soffice);
    process.setArguments({QStringLiteral("-env:UserInstallation=")
                              + QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(QUrl::FullyEncoded),
                          QStringLiteral("--headless"), QStringLiteral("--invisible"), QStringLiteral("--nologo"),
                          QStringLiteral("--norestore"), QStringLiteral("--nolockcheck"), QStringLiteral("--convert-to"),
                          QString::fromLatin1(kind == Kind::Spreadsheet ? kSpreadsheetTarget : kDocumentTarget),
                          QStringLiteral("--outdir"), outDir, source});
    // A process group of its own, so that ending it ends LibreOffice's helper processes too.
    process.setChildProcessModifier([] { ::setsid(); });
    process.start();
    if (!process.waitForStarted(10000)) {
        result.error = QStringLiteral("无法启动 LibreOffice: ") + process.errorString();
        return result;
    }

    ProgressWindow window(parent, QStringLiteral("正在导入,请稍候..."), true);
    window.setMaximum(0);
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning) {
        if (window.cancelled()) {
            endGroup(process);
            result.cancelled = true;
            return result;
        }
        if (clock.elapsed() > m_timeoutMs) {
            endGroup(process);
            result.error = QStringLiteral("LibreOffice 在%1秒内没有完成转换,导入已停止").arg(m_timeoutMs / 1000);
            return result;
        }
        process.waitForFinished(50);
        window.pump(true);
    }

    QDir out(outDir);
    const QStringList produced = out.entryList(QDir::Files);
    if (process.exitStatus() != QProcess::NormalExit || produced.isEmpty()) {
        QString detail = lastErrorLine(process.readAllStandardError());
        result.error = QStringLiteral("LibreOffice 无法读取此文件(文件可能设置了密码、已经损坏或不是所选的文件类型)");
        if (!detail.isEmpty())
            result.error += QStringLiteral("\r") + detail;
        return result;
    }
    QFile converted(out.filePath(produced.front()));
    if (!converted.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("无法读取转换结果: ") + converted.errorString();
        return result;
    }
    result.output = converted.readAll();
    return result;
}

}  // namespace lotavo::ui
