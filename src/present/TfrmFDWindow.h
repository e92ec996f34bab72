#pragma once

#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QPlainTextEdit;
class QSlider;

namespace lotavo {
class IniStore;
}

namespace lotavo::ui {

// The floating winners window: a small always-on-top window without caption that lists every
// winner drawn so far. It can be moved and resized by its frame, and made partly transparent
// with the slider where the desktop composites windows. Its place, size, colours, font and
// opacity are kept in section FDWindow; it never takes the keyboard from the draw screen.
class TfrmFDWindow : public QWidget {
    Q_OBJECT
public:
    explicit TfrmFDWindow(IniStore& settings, QWidget* parent = nullptr);
    ~TfrmFDWindow() override;

    // The whole results list (display text), the last line scrolled into view.
    void setLines(const QStringList& lines);
    void clear();
    QStringList lines() const;

    // The draw screen takes the keyboard back (a click into the list, a change of the text).
    std::function<void()> onGiveFocusBack;
    // The operator closed the window from its own menu (N1).
    std::function<void()> onClosedByMenu;

    // Whether the platform offers per-window opacity.
    bool canTransparent() const { return m_canTransparent; }
    int opacityValue() const { return m_opacity; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void placeOnScreen(QRect stored);
    void TrackBar1Change(int position);
    void FormResize();
    void N2Click();
    void N3Click();
    void N1Click();
    void applyOpacity(int value);
    void giveFocusBack();
    int edgesAt(const QPoint& position) const;

    IniStore& m_settings;

    // Components
    QPlainTextEdit* Memo1 = nullptr;
    QSlider* TrackBar1 = nullptr;
    QMenu* PopupMenu1 = nullptr;

    bool m_canTransparent = false;
    int m_opacity = 200;
    bool m_followGeometry = false;  // set once the stored placement is applied
    int m_dragEdges = 0;            // 0 moves the window; edges resize it
    QPoint m_pressedAt;
    QRect m_startGeometry;
    bool m_dragging = false;
};

}  // namespace lotavo::ui
