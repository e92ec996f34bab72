#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>

class QWidget;

namespace lotavo::ui {

// The font dialog, titled `title`: font and size, then the colour; false when the font is
// cancelled (a cancelled colour keeps the old one with the new font).
bool chooseFontAndColour(QWidget* parent, QFont& font, QColor& colour, const QString& title = QStringLiteral("字体"));

// The next choices answer with this instead of showing the dialogs; an empty function
// restores them. Use only for testing.
void setFontChooser(std::function<bool(QFont& font, QColor& colour)> chooser);

}  // namespace lotavo::ui
