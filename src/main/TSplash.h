#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <memory>

class QLabel;

namespace lotavo::ui {

class TransitionView;

// The borderless start window: the splash picture appears by a transition chosen at random
// over a copy of the desktop it covers, as if drawn on the desktop, with the version below.
class TSplash : public QWidget {
public:
    static constexpr int ClientWidth = 482;
    static constexpr int ClientHeight = 278;

    // Created hidden, placed and with its background taken from the screen already.
    explicit TSplash(const QPixmap& picture, QWidget* parent = nullptr);

    // Shows the window, plays the transition to its end and waits 500 ms.
    void play();

    // The splash of the program in `programFolder`, played; it stays on screen until the
    // returned window is destroyed (after the draw screen has been created).
    static std::unique_ptr<TSplash> run(const QString& programFolder);

    // The transition style 1..150 for a clock value.
    static int chooseStyle(uint32_t seed);
    // The window's top-left corner when centred on `desktop` (all monitors).
    static QPoint centredOn(const QRect& desktop, QSize window);

private:
    void copyScreenBehind();

    TransitionView* PicShow = nullptr;
    QLabel* Label1 = nullptr;
};

// False only when the first argument after the program's name is exactly "/NS".
bool splashWanted(const QStringList& arguments);

}  // namespace lotavo::ui
