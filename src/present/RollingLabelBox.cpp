#include "present/RollingLabelBox.h"

#include <QFontMetrics>

#include <algorithm>

namespace lotavo::ui {

QSize rollingLabelBox(const QFont& font, const QString& longestText, int screenWidth)
{
    QSize size = QFontMetrics(font).size(Qt::TextSingleLine, longestText) + QSize(8, 4);
    // Ten thousand bytes of one entry must not make a label wider than the screen.
    size.setWidth(std::min(size.width(), screenWidth));
    return size;
}

}  // namespace lotavo::ui
