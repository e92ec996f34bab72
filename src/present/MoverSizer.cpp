#include "present/MoverSizer.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace lotavo::ui {

namespace {
constexpr int kHandle = 6;   // pixels from an edge that grab the edge instead of the control
constexpr int kMinimum = 8;  // no control shrinks below this
}  // namespace

Qt::CursorShape MoverSizer::cursorFor(int edges)
{
    bool leftTop = (edges & Left) && (edges & Top);
    bool rightBottom = (edges & Right) && (edges & Bottom);
    bool rightTop = (edges & Right) && (edges & Top);
    bool leftBottom = (edges & Left) && (edges & Bottom);
    if (leftTop || rightBottom)
        return Qt::SizeFDiagCursor;
    if (rightTop || leftBottom)
        return Qt::SizeBDiagCursor;
    if (edges & (Left | Right))
        return Qt::SizeHorCursor;
    if (edges & (Top | Bottom))
        return Qt::SizeVerCursor;
    return Qt::SizeAllCursor;
}

MoverSizer::MoverSizer(QObject* parent) : QObject(parent) {}

void MoverSizer::setGrid(int x, int y)
{
    m_gridX = std::max(1, x);
    m_gridY = std::max(1, y);
}

void MoverSizer::setActive(bool active)
{
    m_active = active;
    if (!active)
        detach();
}

int MoverSizer::snap(int value, int step)
{
    if (step <= 1)
        return value;
    return static_cast<int>(std::lround(static_cast<double>(value) / step)) * step;
}

void MoverSizer::attach(QWidget* control)
{
    if (!m_active || m_dragging || control == m_current)
        return;
    detach();
    if (!control || !control->parentWidget())
        return;
    m_current = control;
    control->installEventFilter(this);
    control->setMouseTracking(true);
    m_frame = new QRubberBand(QRubberBand::Rectangle, control->parentWidget());
    placeFrame();
    m_frame->show();
    // Once, not at every step of a drag: each change of the stacking order repaints both.
    m_frame->raise();
    control->raise();
}

void MoverSizer::detach()
{
    if (m_current) {
        m_current->removeEventFilter(this);
        m_current->unsetCursor();
    }
    m_current = nullptr;
    m_dragging = false;
    delete m_frame;
}

void MoverSizer::placeFrame()
{
    if (!m_frame || !m_current)
        return;
    m_frame->setGeometry(m_current->geometry().adjusted(-2, -2, 2, 2));
}

int MoverSizer::edgesAt(const QPoint& position) const
{
    QSize size = m_current->size();
    int edges = None;
    if (size.width() > 3 * kHandle) {
        if (position.x() < kHandle)
            edges |= Left;
        else if (position.x() >= size.width() - kHandle)
            edges |= Right;
    }
    if (size.height() > 3 * kHandle) {
        if (position.y() < kHandle)
            edges |= Top;
        else if (position.y() >= size.height() - kHandle)
            edges |= Bottom;
    }
    return edges;
}

QRect MoverSizer::dragged(const QPoint& globalPosition) const
{
    QPoint delta = globalPosition - m_pressedAt;
    QRect r = m_startGeometry;
    if (m_edges == None) {
        r.moveTo(snap(r.left() + delta.x(), m_gridX), snap(r.top() + delta.y(), m_gridY));
        return keptInParent(r, true);
    }
    if (m_edges & Left)
        r.setLeft(std::min(snap(r.left() + delta.x(), m_gridX), r.right() - kMinimum));
    if (m_edges & Right)
        r.setRight(std::max(r.left() + snap(r.width() + delta.x(), m_gridX), r.left() + kMinimum) - 1);
    if (m_edges & Top)
        r.setTop(std::min(snap(r.top() + delta.y(), m_gridY), r.bottom() - kMinimum));
    if (m_edges & Bottom)
        r.setBottom(std::max(r.top() + snap(r.height() + delta.y(), m_gridY), r.top() + kMinimum) - 1);
    return keptInParent(r, false);
}

QRect MoverSizer::keptInParent(QRect target, bool moving) const
{
    if (!m_keepInParent || !m_current || !m_current->parentWidget())
        return target;
    QRect bounds = m_current->parentWidget()->rect();
    if (!moving)
        return target.intersected(bounds);
    // A control larger than its parent keeps its top-left corner inside.
    target.moveLeft(std::max(bounds.left(), std::min(target.left(), bounds.right() + 1 - target.width())));
    target.moveTop(std::max(bounds.top(), std::min(target.top(), bounds.bottom() + 1 - target.height())));
    return target;
}

bool MoverSizer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_current || !m_active)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_dragging = true;
        m_edges = edgesAt(mouse->position().toPoint());
        m_pressedAt = mouse->globalPosition().toPoint();
        m_startGeometry = m_current->geometry();
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_dragging) {
            m_current->setCursor(cursorFor(edgesAt(mouse->position().toPoint())));
            return true;
        }
        QRect target = dragged(mouse->globalPosition().toPoint());
        if (target != m_current->geometry()) {
            m_current->setGeometry(target);
            placeFrame();
            if (onChanged)
                onChanged(m_current);
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        m_dragging = false;
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

}  // namespace lotavo::ui
