#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace lotavo::ui {

// The size every rolling label of the draw screen takes: the longest entry in the rolling
// font with a little room around it, never wider than the screen.
QSize rollingLabelBox(const QFont& font, const QString& longestText, int screenWidth);

}  // namespace lotavo::ui
