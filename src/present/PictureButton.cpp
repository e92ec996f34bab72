#include "present/PictureButton.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace lotavo::ui {

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPictures(const QPixmap& up, const QPixmap& down)
{
    m_up = up;
    m_down = down.isNull() ? up : down;
    update();
}

void PictureButton::setTextColour(const QColor& colour)
{
    m_textColour = colour;
    update();
}

void PictureButton::paintPlainFace(QPainter& p, bool down) const
{
    QRectF face = QRectF(rect()).adjusted(2, 2, -3, -3);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0.0, down ? QColor(200, 136, 24) : QColor(255, 238, 166));
    g.setColorAt(1.0, down ? QColor(246, 200, 90) : QColor(214, 142, 22));
    p.setPen(QPen(QColor(140, 76, 0), 2));
    p.setBrush(g);
    p.drawRoundedRect(face, 14, 14);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    bool down = isDown();
    if (m_up.isNull())
        paintPlainFace(p, down);
    else
        p.drawPixmap(rect(), down ? m_down : m_up);

    QPainterPath face;
    face.addRoundedRect(QRectF(rect()).adjusted(4, 4, -5, -5), 12, 12);
    if (m_hovered && !down)
        p.fillPath(face, QColor(255, 255, 255, 45));
    if (hasFocus()) {
        // The button Space and Enter press, so the operator with a remote sees which it is.
        QPen pen(QColor(150, 40, 10, 200), 1.5, Qt::DashLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(9.5, 9.5, -10.5, -10.5), 8, 8);
    }

    p.setFont(font());
    QRect textRect = rect().translated(down ? 1 : 0, down ? 1 : 0);
    p.setPen(QColor(255, 250, 225, 150));
    p.drawText(textRect.translated(0, 1), Qt::AlignCenter, text());
    p.setPen(m_textColour);
    p.drawText(textRect, Qt::AlignCenter, text());
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace lotavo::ui
