#pragma once

#include <QColor>

#include <cstdlib>

namespace lotavo::ui {

// A text colour stored equal (or nearly) to its background would hide every winner: such a
// text is shown in white or black instead, whichever stands out.
inline QColor readableOn(const QColor& text, const QColor& back)
{
    int distance = std::abs(text.red() - back.red()) + std::abs(text.green() - back.green()) +
                   std::abs(text.blue() - back.blue());
    if (distance >= 96)
        return text;
    return back.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace lotavo::ui
