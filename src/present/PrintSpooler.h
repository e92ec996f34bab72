#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace lotavo::ui {

// The system's print spooler, as far as the print routine needs it.
struct PrinterStatus {
    enum State { Ready, NoPrinter, SpoolerDown } state = NoPrinter;
    QString printer;  // Ready: the default printer, or the first one when none is the default
    QString reason;   // SpoolerDown: why the spooler cannot be reached
};

// Asks the spooler for its printers. Without any, tells a spooler that has no printer from one
// that does not answer.
PrinterStatus defaultPrinterStatus();

// Hands the PDF document at `path` to the spooler as one job for `printer`, on A4 paper.
// Returns an empty string once the spooler has taken the job, otherwise its reason.
// Safe off the user-interface thread.
QString spoolPdf(const QString& printer, const QString& path, const QString& title);

// From now on defaultPrinterStatus() answers `status` and spoolPdf() hands the document's path
// to `spool` instead of the spooler; std::nullopt goes back to the spooler. Set it while no job
// is printing. Use only for testing.
void replaceSpoolerForTesting(std::optional<PrinterStatus> status,
                              std::function<QString(const QString& path)> spool = {});

}  // namespace lotavo::ui
