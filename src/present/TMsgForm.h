#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

namespace lotavo::ui {

// The fading message: slides in at the bottom right of the work area, stays eight seconds and
// slides out again, without ever taking the keyboard focus. Frees itself when it has slid out.
class TMsgForm : public QWidget {
public:
    // Parked off-screen and registered among the open messages; the slide-in timer runs from
    // here on, so its first tick comes once the caller is back in the event loop.
    TMsgForm();
    ~TMsgForm() override;

    // 0 error, 1 information, 2 warning; any other value shows as information.
    void showMessage(const QString& text, int style);

    // Frees the messages still open; run when the program ends.
    static void freeAll();
    static int openCount();

    // Pixels moved by slide tick `tick` (1, 1, 1, 2, 2, 2, 2, 3, ...).
    static int slideStep(int tick) { return tick * 3 / 11 + 1; }

    void tmFadeInTimer();
    void tmDelayTimer();
    void tmFadeOutTimer();
    void FormClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void applyStyle(int style);
    void fitText();
    void placeAtEntryEdge();
    void paintBackground();
    QRect workArea() const;
    void startSlideOut();

    QLabel* imgError;
    QLabel* imgWarning;
    QLabel* imgInfo;
    QLabel* lblIcon;
    QLabel* lblMsg;
    QTimer* tmFadeIn;
    QTimer* tmDelay;
    QTimer* tmFadeOut;

    QString m_message;
    int m_style = 1;
    QColor m_startColour;
    QColor m_endColour;
    int m_entryEdge = 3;  // 0 left, 1 right, 2 top, 3 bottom
    int m_tick = 0;
    int m_step = 0;
    QPixmap m_background;
};

}  // namespace lotavo::ui
