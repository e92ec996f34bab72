#include "present/ListPrintJob.h"

#include "present/CommonDialogs.h"
#include "present/PrintSpooler.h"
#include "present/QtText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QPointer>
#include <QTemporaryFile>
#include <QThreadPool>
#include <QWidget>

namespace lotavo::ui {

namespace {

const QString kNoPrinter = QStringLiteral("你需要安装打印机才能打印！");

// One worker thread: jobs reach the spooler in the order they were asked for. It lives as long
// as the application object.
QThreadPool& printThread()
{
    static QPointer<QThreadPool> pool;
    if (!pool) {
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setMaxThreadCount(1);
    }
    return *pool;
}

struct Outcome {
    QString failure;  // empty when the spooler took the job
    QString keptAs;   // the document kept instead, or empty
};

// The printer's resolution of the layout: fine enough for any printer it goes to.
constexpr int kDotsPerInch = 600;

bool layOut(const QString& path, const ListPrintRequest& request)
{
    QPdfWriter writer(path);
    writer.setResolution(kDotsPerInch);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(request.layout.heading);
    writer.setCreator(QStringLiteral("Lotavo软件"));
    return printList(writer, request.lines, request.layout);
}

// Beside the results, named by the time like them; never over an earlier one.
QString keepDocument(const QString& document, const QString& folder, QString& error)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("dd日hh时mm分ss秒"));
    QDir dir(folder.isEmpty() ? QDir::currentPath() : folder);
    QString name = dir.filePath(QStringLiteral("未打印名单%1.pdf").arg(stamp));
    for (int n = 2; QFile::exists(name); ++n)
        name = dir.filePath(QStringLiteral("未打印名单%1(%2).pdf").arg(stamp).arg(n));
    const QString part = name + QStringLiteral(".part");
    QFile::remove(part);
    if (!QFile::copy(document, part) || !QFile::rename(part, name)) {
        QFile::remove(part);
        error = QStringLiteral("无法写入 %1").arg(QDir::toNativeSeparators(name));
        return QString();
    }
    return name;
}

Outcome runJob(const ListPrintRequest& request, const PrinterStatus& printer)
{
    Outcome outcome;
    QTemporaryFile document(QDir::temp().filePath(QStringLiteral("lotavo-print-XXXXXX.pdf")));
    if (!document.open()) {
        outcome.failure = QStringLiteral("无法建立打印文件: %1").arg(document.errorString());
        return outcome;
    }
    document.close();
    if (!layOut(document.fileName(), request)) {
        outcome.failure = QStringLiteral("无法排版打印的名单");
        return outcome;
    }
    outcome.failure = printer.state == PrinterStatus::Ready
                          ? spoolPdf(printer.printer, document.fileName(), QStringLiteral("Lotavo软件 中奖名单"))
                          : printer.reason;
    if (outcome.failure.isEmpty())
        return outcome;
    QString keepError;
    outcome.keptAs = keepDocument(document.fileName(), request.keepFolder, keepError);
    if (outcome.keptAs.isEmpty())
        outcome.failure += QStringLiteral("\r名单也没有保存: ") + keepError;
    return outcome;
}

void report(QWidget* parent, const Outcome& outcome, bool spoolerDown)
{
    if (outcome.failure.isEmpty())
        return;
    QString text = spoolerDown ? kNoPrinter + QStringLiteral("\r\r") : QString();
    text += QStringLiteral("名单没有打印: ") + outcome.failure;
    if (!outcome.keptAs.isEmpty())
        text += QStringLiteral("\r\r名单已保存为 %1,可以在打印机恢复后打开它再打印")
                    .arg(QDir::toNativeSeparators(outcome.keptAs));
    messageBox(parent, text, QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
    // The window that printed gets the keyboard back: the draw screen waits for its keys.
    if (parent && parent->isVisible())
        parent->window()->activateWindow();
}

}  // namespace

ListPrintRequest ListPrintRequest::fromSettings(const IniStore& settings, QStringList lines)
{
    return {std::move(lines), ListPrintSettings::fromSettings(settings),
            QFileInfo(fromPath(settings.path())).absolutePath()};
}

bool checkPrinterInstalled(QWidget* parent)
{
    if (defaultPrinterStatus().state != PrinterStatus::NoPrinter)
        return true;
    messageBox(parent, kNoPrinter, QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
    return false;
}

void printListJob(QWidget* parent, ListPrintRequest request)
{
    const PrinterStatus printer = defaultPrinterStatus();
    if (printer.state == PrinterStatus::NoPrinter) {
        messageBox(parent, kNoPrinter, QStringLiteral("错误"), MessageButtons::Ok, MessageIcon::Error);
        return;
    }
    QPointer<QWidget> owner(parent);
    printThread().start([request = std::move(request), printer, owner] {
        Outcome outcome = runJob(request, printer);
        bool spoolerDown = printer.state == PrinterStatus::SpoolerDown;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [outcome, owner, spoolerDown] { report(owner.data(), outcome, spoolerDown); },
            Qt::QueuedConnection);
    });
}

bool printJobsPending()
{
    return printThread().activeThreadCount() > 0;
}

void waitForPrintJobs()
{
    printThread().waitForDone();
    QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
}

}  // namespace lotavo::ui
