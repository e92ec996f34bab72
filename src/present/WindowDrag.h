#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace lotavo::ui {

// Moving a borderless window with Ctrl and the left mouse button held: the cursor's screen
// position is taken at mouse down and after every step, and the window follows it.
class WindowDrag {
public:
    explicit WindowDrag(QWidget* window) : m_window(window) {}

    void press(const QMouseEvent& event);
    // True when the window moved: only while both Ctrl and the left button are held.
    bool move(const QMouseEvent& event);

private:
    QWidget* m_window;
    QPoint m_last;
};

}  // namespace lotavo::ui
