#pragma once

#include "draw/ListFile.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The list editor's imports: text files, spreadsheets and documents (through LibreOffice),
// the pictures of a folder, and the folder's JPEG pictures converted to BMP.
namespace lotavo::ui {

class OfficeConverter;

struct ImportedList {
    EntryList lines;     // GBK entries
    QString error;       // set when nothing could be imported; the editor keeps its text
    QString notice;      // set when the import worked but the operator should know something
    bool cancelled = false;

    bool ok() const { return error.isEmpty() && !cancelled; }
};

// A text file in GBK, UTF-8 (with or without a mark) or UTF-16.
ImportedList importTextFile(const QString& path);

// A spreadsheet (.xls .xlsx .ods .dbf, through LibreOffice; .csv read here) as lines of
// fixed-width columns.
ImportedList importSpreadsheet(QWidget* parent, const QString& path, OfficeConverter& converter);

// A word-processor document (.doc .docx .rtf .odt .wps, through LibreOffice) as its lines of text.
ImportedList importDocument(QWidget* parent, const QString& path, OfficeConverter& converter);

struct PictureFolder {
    EntryList paths;     // GBK paths: the BMP pictures first, then the JPG ones
    int skipped = 0;     // unreadable, not really a picture, or a name GBK cannot hold
};

// The .bmp and .jpg files of a folder (not its subfolders), by name within each kind.
PictureFolder listPictureFolder(const QString& folder);

// The .jpg files of a folder, by name.
QStringList jpegFilesIn(const QString& folder);

struct JpegBatch {
    int converted = 0;
    QStringList failed;  // file names that could not be read or decoded or written
};

// Each JPEG that still exists becomes a 24-bit BMP beside it (same name, extension .bmp,
// overwriting); the JPEGs stay. `progress` gets the index of the file being done.
JpegBatch convertJpegsToBmp(const QStringList& files, const std::function<void(int)>& progress = {});

}  // namespace lotavo::ui
