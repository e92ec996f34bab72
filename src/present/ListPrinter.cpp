#include "present/ListPrinter.h"

#include "present/QtText.h"
#include "main/settings/IniStore.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPagedPaintDevice>

#include <cmath>

namespace lotavo::ui {

namespace {

// Printer pixels per centimetre, to the nearest whole pixel (halves to the even neighbour).
int pixelsPerCm(int dotsPerInch)
{
    return static_cast<int>(std::nearbyint(dotsPerInch / 2.54));
}

}  // namespace

ListPrintSettings ListPrintSettings::fromSettings(const IniStore& settings)
{
    ListPrintSettings print;
    print.heading = fromGbk(settings.readString("frmMainLabel", "lblMainCaptionCaption", "Caption"));
    print.fontName = fromGbk(settings.readString("Print", "FontName", gbk::literal("宋体")));
    print.fontSize = settings.readInteger("Print", "Size", 12);
    print.oneColumn = settings.readBool("Option", "PrintCol1", false);
    return print;
}

bool printList(QPagedPaintDevice& device, const QStringList& lines, const ListPrintSettings& settings)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QFont font(settings.fontName);
    font.setPointSize(settings.fontSize > 0 ? settings.fontSize : 12);
    painter.setFont(font);
    QFontMetrics metrics(font, &device);

    const int cmX = pixelsPerCm(device.logicalDpiX());
    const int cmY = pixelsPerCm(device.logicalDpiY());
    const int lineHeight = metrics.size(0, QStringLiteral("软件部")).height() + 20;
    const int x0 = 2 * cmX;
    const int topMargin = cmY;
    const int pageWidth = device.width();
    const int pageHeight = device.height();
    // Texts are placed by their top-left corner, as the old printer calls did.
    auto textOut = [&](int x, int y, const QString& text) { painter.drawText(x, y + metrics.ascent(), text); };

    int y = topMargin;
    textOut((pageWidth - metrics.horizontalAdvance(settings.heading)) / 2, y, settings.heading);
    y += lineHeight + 20;

    bool rightColumn = false;
    bool pageFull = false;
    for (const QString& line : lines) {
        // The page break waits for a line to go on the new page, so no blank page ends a job.
        if (pageFull) {
            device.newPage();
            y = topMargin;
            pageFull = false;
        }
        if (settings.oneColumn) {
            textOut(x0 + 8, y + 8, line);
            y += lineHeight;
        } else if (!rightColumn) {
            textOut(x0 + 8, y + 8, line);
            rightColumn = true;
        } else {
            textOut(pageWidth / 2, y + 8, line);
            y += lineHeight;
            rightColumn = false;
        }
        pageFull = pageHeight - 2 * cmY < y + lineHeight;
    }
    return painter.end();
}

}  // namespace lotavo::ui
