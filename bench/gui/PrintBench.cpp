// Printing 10,000 winners in two columns on the default printer: how long the window waits for
// the call, how long until the spooler has the job, and the longest pause of the event loop
// meanwhile (the window stays responsive while the job is laid out and spooled).
//   PrintBench            (start the spooler first: tools/start-spooler.sh)
#include "BenchSupport.h"

#include "present/ListPrintJob.h"
#include "present/ListPrinter.h"
#include "present/PrintSpooler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPageSize>
#include <QPdfWriter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

using namespace lotavo;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(400, 300);
    window.show();

    QStringList lines;
    for (int i = 1; i <= 10000; ++i)
        lines.append(QStringLiteral("%1 参加者  三等奖").arg(i, 5, 10, QLatin1Char('0')));
    ui::ListPrintRequest request;
    request.lines = lines;
    request.layout.heading = QStringLiteral("某某公司新年联欢晚会   三等奖");
    request.keepFolder = QString::fromStdString(bench::scratchFolder());

    ui::PrinterStatus printer = ui::defaultPrinterStatus();
    std::printf("printer: %s\n", printer.state == ui::PrinterStatus::Ready
                                     ? qPrintable(printer.printer)
                                     : "none reachable (the job is kept as a PDF document instead)");

    // The layout alone, on a PDF document.
    {
        QPdfWriter writer(QString::fromStdString(bench::scratchFolder() + "/layout.pdf"));
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        bench::Stopwatch layout;
        ui::printList(writer, lines, request.layout);
        bench::report("layout of 10,000 lines in two columns", layout.milliseconds(), "ms", 5000);
    }

    bench::Stopwatch total;
    ui::printListJob(&window, std::move(request));
    double call = total.milliseconds();

    // The event loop keeps turning while the job runs; its longest pause is what the operator feels.
    double longestPause = 0;
    QElapsedTimer sinceTick;
    sinceTick.start();
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestPause = std::max(longestPause, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
        sinceTick.restart();
        if (!ui::printJobsPending())
            app.quit();
    });
    tick.start();
    app.exec();
    double spooled = total.milliseconds();
    ui::waitForPrintJobs();

    bench::report("the print call blocks the window for", call, "ms", 100);
    bench::report("10,000 winners in two columns spooled in", spooled, "ms", 5000);
    bench::report("longest pause of the event loop meanwhile", longestPause, "ms", 100);
    return 0;
}
