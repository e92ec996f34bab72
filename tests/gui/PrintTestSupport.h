#pragma once

// What the tests of printing windows share: a spooler that keeps each job as a PDF file, and
// the text of a PDF as pdftotext reads it.
#include "TestSupport.h"

#include "present/ListPrintJob.h"
#include "present/PrintSpooler.h"

#include <QFile>
#include <QMutex>
#include <QProcess>
#include <QStringList>

namespace lotavo::test {

// While it lives, print jobs come here instead of the system's spooler. `failure` non-empty:
// the spooler refuses every job with that reason.
class CapturedPrints {
public:
    explicit CapturedPrints(ui::PrinterStatus::State state = ui::PrinterStatus::Ready, QString failure = {})
    {
        ui::PrinterStatus status {state, QStringLiteral("Test"), QStringLiteral("打印服务没有运行")};
        ui::replaceSpoolerForTesting(status, [this, failure](const QString& path) {
            if (!failure.isEmpty())
                return failure;
            QMutexLocker lock(&m_mutex);
            QString copy = QString::fromStdString(m_folder.file("job" + std::to_string(m_jobs.size() + 1) + ".pdf"));
            QFile::copy(path, copy);
            m_jobs.append(copy);
            return QString();
        });
    }
    ~CapturedPrints()
    {
        ui::waitForPrintJobs();
        ui::replaceSpoolerForTesting(std::nullopt);
    }
    CapturedPrints(const CapturedPrints&) = delete;
    CapturedPrints& operator=(const CapturedPrints&) = delete;

    // Every job spooled so far, once all jobs asked for are done.
    QStringList jobs()
    {
        ui::waitForPrintJobs();
        QMutexLocker lock(&m_mutex);
        return m_jobs;
    }

private:
    TempFolder m_folder;
    QMutex m_mutex;
    QStringList m_jobs;
};

// `layout` keeps the places of the texts on the page (two columns read as one line).
inline QString pdfText(const QString& pdf, bool layout = true)
{
    QProcess process;
    QStringList arguments;
    if (layout)
        arguments << QStringLiteral("-layout");
    arguments << pdf << QStringLiteral("-");
    process.start(QStringLiteral("pdftotext"), arguments);
    process.waitForFinished(30000);
    // The CJK fonts share some glyphs with the Kangxi radicals, which the text extraction
    // may then report (⼩ for 小); compatibility normalisation folds them back.
    return QString::fromUtf8(process.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

inline int pdfPages(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(30000);
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString& line : lines)
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// The non-empty lines of a PDF's text, inner spaces folded.
inline QStringList pdfRows(const QString& pdf)
{
    QStringList rows;
    for (const QString& line : pdfText(pdf).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            rows.append(line.simplified());
    return rows;
}

}  // namespace lotavo::test
