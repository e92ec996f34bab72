#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace lotavo::ui {

// Draws one line of text as a label would place it in `box` (left, centre or right; top,
// middle or bottom), from glyphs drawn once per font and colour and then copied. The toolkit
// keeps no glyphs above 64 pixels, and the names of a 4K screen are larger: drawn anew, ten
// rolling names or a pop-up of winners with their shadows take tens of milliseconds a paint.
// Underlined or struck-out text, which glyphs alone do not show, is drawn the usual way.
void drawCachedText(QPainter& painter, const QRect& box, Qt::Alignment alignment, const QFont& font, const QString& text,
                    const QColor& colour);

}  // namespace lotavo::ui
