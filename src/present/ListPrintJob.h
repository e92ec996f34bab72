#pragma once

#include "present/ListPrinter.h"

class QWidget;

namespace lotavo::ui {

// One list to print as one job.
struct ListPrintRequest {
    QStringList lines;
    ListPrintSettings layout;
    QString keepFolder;  // where a job the spooler does not take is kept as a PDF document

    // The layout of the settings, kept in the program folder (the settings file's).
    static ListPrintRequest fromSettings(const IniStore& settings, QStringList lines);
};

// The print routine of the draw screen and of every list window, on the system's default
// printer. Looks for a printer at once: without one it shows "你需要安装打印机才能打印！" and
// prints nothing. The document is then laid out and handed to the spooler off the
// user-interface thread, one job after the other in the order asked, so the windows keep
// working while it prints. A job the spooler does not take is reported in a message box over
// `parent` (if it still exists) and kept as a PDF document in `keepFolder`.
void printListJob(QWidget* parent, ListPrintRequest request);

// Whether there is a printer to print on (or a spooler that does not answer, which the job
// reports). Without one, shows "你需要安装打印机才能打印！" over `parent`.
bool checkPrinterInstalled(QWidget* parent);

// Returns once every job asked for has been spooled or kept and its message shown. The program
// calls it before it ends, so no job is cut off.
void waitForPrintJobs();

// Whether a job is still being laid out or handed to the spooler.
bool printJobsPending();

}  // namespace lotavo::ui
