#pragma once

#include <QKeyEvent>

// The settings store keys as Windows virtual-key codes; this one table maps them to Qt keys.
namespace lotavo::ui {

// The virtual-key code of a Qt key event, or 0 when it has none.
int virtualKeyOf(const QKeyEvent& event);
int virtualKeyOf(int qtKey);

// The Qt key of a virtual-key code, or 0.
int qtKeyOf(int virtualKey);

// Posts a press and a release of a virtual key, delivered after the current handler returns
// as a key the operator pressed: each goes, when it is delivered, to the modal window that is
// up, else to the widget with the keyboard focus, else to `fallback`.
void postKeyPress(QObject* fallback, int virtualKey);

// A press or release posted by postKeyPress (not typed by the operator). Use only for testing.
bool isSynthesized(const QKeyEvent& event);

}  // namespace lotavo::ui
