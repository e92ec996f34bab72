#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace lotavo::ui {

// Runs LibreOffice without a window to turn a spreadsheet into CSV (UTF-8) or a document into
// plain text. Each run has a profile of its own, so it never meets a LibreOffice the operator
// has open, and ends with its whole process group; the windows stay responsive meanwhile.
class OfficeConverter {
public:
    enum class Kind { Spreadsheet, Document };

    struct Result {
        QByteArray output;  // the converted file's bytes
        QString error;      // empty when the conversion worked
        bool cancelled = false;
    };

    // The LibreOffice program, or empty when it is not installed.
    static QString program();

    // `parent` owns the progress window shown while LibreOffice works.
    Result convert(QWidget* parent, const QString& file, Kind kind);

    void setTimeoutMs(int milliseconds) { m_timeoutMs = milliseconds; }

private:
    int m_timeoutMs = 120000;
};

}  // namespace lotavo::ui
