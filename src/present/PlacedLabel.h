#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace lotavo::ui {

// A caption of a dialog at its designed place (top left), sized to its text.
QLabel* placedLabel(QWidget* parent, const QString& text, int left, int top);

}  // namespace lotavo::ui
