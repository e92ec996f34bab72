#pragma once

#include <QPalette>
#include <QPoint>

class QWidget;

namespace lotavo::ui {

class SmoothLabel;

// The "设计状态" banner a window shows while Ctrl is held: red fading into the window's text
// colour, with a light shadow that keeps the dark end readable on dark backgrounds. Hidden
// until design mode begins.
SmoothLabel* createDesignStatusLabel(QWidget* parent, QPoint at, QPalette::ColorRole endColour, int shadowAlpha);

}  // namespace lotavo::ui
