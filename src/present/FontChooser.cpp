#include "present/FontChooser.h"

#include <QColorDialog>
#include <QFontDialog>

namespace lotavo::ui {

namespace {

std::function<bool(QFont&, QColor&)>& testChooser()
{
    static std::function<bool(QFont&, QColor&)> chooser;
    return chooser;
}

}  // namespace

bool chooseFontAndColour(QWidget* parent, QFont& font, QColor& colour, const QString& title)
{
    if (testChooser())
        return testChooser()(font, colour);
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, font, parent, title);
    if (!ok)
        return false;
    font = chosen;
    // Qt's font dialog has no colour of its own.
    QColor picked = QColorDialog::getColor(colour, parent, QStringLiteral("颜色"));
    if (picked.isValid())
        colour = picked;
    return true;
}

void setFontChooser(std::function<bool(QFont& font, QColor& colour)> chooser)
{
    testChooser() = std::move(chooser);
}

}  // namespace lotavo::ui
