#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include <functional>

class QRubberBand;
class QWidget;

namespace lotavo::ui {

// Design mode's mover: while active, the control it is attached to can be dragged to a new
// place, or resized by its edges, with the mouse; left, top, width and height snap to a
// grid. A frame marks the attached control.
class MoverSizer : public QObject {
public:
    explicit MoverSizer(QObject* parent = nullptr);

    void setGrid(int x, int y);
    // The control can neither be dragged nor sized past the edges of its parent.
    void setKeepInParent(bool keep) { m_keepInParent = keep; }
    int gridX() const { return m_gridX; }
    int gridY() const { return m_gridY; }

    void setActive(bool active);
    bool isActive() const { return m_active; }

    // Ignored while inactive or while a drag is going on.
    void attach(QWidget* control);
    void detach();
    QWidget* current() const { return m_current; }

    // Called after every change of the attached control's geometry.
    std::function<void(QWidget*)> onChanged;

    // A value on the grid (nearest multiple of `step`).
    static int snap(int value, int step);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Edge { None = 0, Left = 1, Right = 2, Top = 4, Bottom = 8 };

    static Qt::CursorShape cursorFor(int edges);
    int edgesAt(const QPoint& position) const;
    QRect dragged(const QPoint& globalPosition) const;
    QRect keptInParent(QRect target, bool moving) const;
    void placeFrame();

    int m_gridX = 5;
    int m_gridY = 5;
    bool m_active = false;
    bool m_keepInParent = false;
    QPointer<QWidget> m_current;
    QPointer<QRubberBand> m_frame;
    bool m_dragging = false;
    int m_edges = None;
    QPoint m_pressedAt;
    QRect m_startGeometry;
};

}  // namespace lotavo::ui
