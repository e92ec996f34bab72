#pragma once

#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

// How lists print: the heading (the draw screen's title, with the level name when asked for),
// the printer font and one or two columns.
struct ListPrintSettings {
    QString heading;
    QString fontName = QStringLiteral("宋体");
    int fontSize = 12;
    bool oneColumn = false;

    // [Print] FontName and Size, [Option] PrintCol1, and the title [frmMainLabel]
    // lblMainCaptionCaption as the draw screen shows it.
    static ListPrintSettings fromSettings(const IniStore& settings);
};

// Lays `lines` out on `device` as one document: the heading centred on the first page, then
// the lines in one column or in two filled left to right, a new page whenever the next line
// would pass the bottom margin. Returns false when the device could not be painted on.
// Safe off the user-interface thread.
bool printList(QPagedPaintDevice& device, const QStringList& lines, const ListPrintSettings& settings);

}  // namespace lotavo::ui
