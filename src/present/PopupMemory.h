#pragma once

#include "present/WindowDrag.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>

#include <string>

class QEvent;
class QMouseEvent;
class QObject;
class QWidget;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

// What a borderless pop-up keeps in section Option under its key prefix: the place the
// operator moved it to with Ctrl and the left button (<prefix>Left, <prefix>Top) and the font
// of its text (<prefix>FontName, <prefix>FontSize, <prefix>FontColor). A settings file that
// cannot be written is told once, not at every move.
class PopupMemory {
public:
    PopupMemory(QWidget* window, IniStore& settings, std::string prefix);

    // Moves the window to its stored place, kept on a screen.
    void placeWindow(const QPoint& byDefault);
    // Until the operator has placed the window, it opens clear of this area (screen
    // coordinates).
    void keepClearOf(const QRect& area);

    QFont font(int defaultPointSize) const;
    QColor colour(int defaultColour) const;
    // `nameKey` is the key suffix the font name is written under.
    void saveFont(const QFont& font, const QColor& colour, const char* nameKey = "FontName");

    // The drag: press with the left button, moves (true when the window moved), and the
    // release, which stores the place; false when no press of this drag came first.
    void press(const QMouseEvent& event);
    bool move(const QMouseEvent& event);
    bool release();
    bool dragging() const { return m_pressed; }

    // The event as a button press, move or release on `handle`, the part the window is
    // dragged by; null for every other event.
    static QMouseEvent* dragEvent(QObject* watched, const QObject* handle, QEvent* event);

private:
    std::string key(const char* suffix) const { return m_prefix + suffix; }
    void written(const std::string& error);

    QWidget* m_window;
    IniStore& m_settings;
    std::string m_prefix;
    WindowDrag m_drag;
    bool m_pressed = false;
    bool m_writeFailed = false;
};

}  // namespace lotavo::ui
