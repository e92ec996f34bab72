#include "present/PrintSpooler.h"

#include <QPrinterInfo>

#include <cups/cups.h>

namespace lotavo::ui {

namespace {

QString lastCupsError()
{
    const char* text = cupsLastErrorString();
    return text && *text ? QString::fromUtf8(text) : QStringLiteral("打印服务没有响应");
}

struct Replacement {
    std::optional<PrinterStatus> status;
    std::function<QString(const QString&)> spool;
};

Replacement& replacement()
{
    static Replacement r;
    return r;
}

}  // namespace

void replaceSpoolerForTesting(std::optional<PrinterStatus> status, std::function<QString(const QString& path)> spool)
{
    replacement() = {std::move(status), std::move(spool)};
}

PrinterStatus defaultPrinterStatus()
{
    if (replacement().status)
        return *replacement().status;
    PrinterStatus status;
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (!printers.isEmpty()) {
        QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
        status.state = PrinterStatus::Ready;
        status.printer = chosen.isNull() ? printers.first().printerName() : chosen.printerName();
        return status;
    }
    // An empty list is all a spooler that is down gives too; a connection tells them apart.
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 3000, nullptr);
    if (http) {
        httpClose(http);
        return status;
    }
    status.state = PrinterStatus::SpoolerDown;
    status.reason = QStringLiteral("无法连接打印服务 %1").arg(QString::fromUtf8(cupsServer()));
    return status;
}

QString spoolPdf(const QString& printer, const QString& path, const QString& title)
{
    if (replacement().status)
        return replacement().spool ? replacement().spool(path) : QString();
    cups_option_t* options = nullptr;
    int count = cupsAddOption("media", "A4", 0, &options);
    const QByteArray name = printer.toUtf8(), file = path.toUtf8(), jobTitle = title.toUtf8();
    int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(), file.constData(), jobTitle.constData(), count, options);
    cupsFreeOptions(count, options);
    return job > 0 ? QString() : lastCupsError();
}

}  // namespace lotavo::ui
