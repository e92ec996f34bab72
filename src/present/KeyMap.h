#pragma once

#include <QKeyEvent>

#include <initializer_list>

// The settings store keys as Windows virtual-key codes; this one table maps them to Qt keys.
namespace lotavo::ui {

// The virtual-key code of a Qt key event, or 0 when it has none. The modifier state plays no
// part: Shift+1 is the key 1, and Shift, Ctrl and Alt are keys of their own (16, 17, 18).
int virtualKeyOf(const QKeyEvent& event);
int virtualKeyOf(int qtKey);

// The left or right code (160..165) of a Shift, Ctrl or Alt key, where the system tells the
// sides apart; else 0.
int sidedVirtualKeyOf(const QKeyEvent& event);

// Whether the event is the key the operator assigned: its code, or its left/right code.
// Use this for every assigned key, so a key works the same in every window.
bool matchesVirtualKey(const QKeyEvent& event, int virtualKey);

// The code a window hands on for an event: the left/right code when one of the assigned keys
// is that, else the event's own code.
int virtualKeyAmong(const QKeyEvent& event, std::initializer_list<int> assigned);

// The Qt key of a virtual-key code, or 0.
int qtKeyOf(int virtualKey);

// Posts a press and a release of a virtual key, delivered after the current handler returns
// as a key the operator pressed: each goes, when it is delivered, to the modal window that is
// up, else to the widget with the keyboard focus, else to `fallback`.
void postKeyPress(QObject* fallback, int virtualKey);

// A press or release posted by postKeyPress (not typed by the operator). Use only for testing.
bool isSynthesized(const QKeyEvent& event);

}  // namespace lotavo::ui
