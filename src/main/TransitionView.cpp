#include "main/TransitionView.h"

#include "present/CommonDialogs.h"

#include <QPainter>

#include <algorithm>

namespace lotavo::ui {

TransitionView::TransitionView(QWidget* parent) : QWidget(parent)
{
    // Every pixel is painted by paintEvent; nothing underneath needs to show first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TransitionView::setBackground(const QPixmap& background)
{
    m_background = background;
    update();
}

void TransitionView::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void TransitionView::setTransition(int style)
{
    m_transition = Transition(style);
    update();
}

void TransitionView::setStep(int step) { m_step = std::max(1, step); }

void TransitionView::setDelay(int milliseconds) { m_delay = std::max(0, milliseconds); }

void TransitionView::execute()
{
    m_framesPainted = 0;
    for (int level = 0;; level += m_step) {
        setProgress(qreal(std::min(level, ProgressScale)) / ProgressScale);
        repaint();
        if (level >= ProgressScale)
            break;
        pumpedDelay(m_delay);
    }
}

void TransitionView::setProgress(qreal progress)
{
    m_progress = std::clamp(progress, 0.0, 1.0);
    update();
}

QRect TransitionView::pictureSource() const
{
    // The largest part of the picture with the view's proportions, from its middle.
    const QSize full = m_picture.size();
    QSize part = size().scaled(full, Qt::KeepAspectRatio);
    if (part.isEmpty())
        part = full;
    return QRect(QPoint((full.width() - part.width()) / 2, (full.height() - part.height()) / 2), part);
}

void TransitionView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!m_background.isNull()) {
        const QSize size = m_background.deviceIndependentSize().toSize();
        painter.drawPixmap(QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size), m_background);
    }
    ++m_framesPainted;
    if (m_picture.isNull())
        return;
    const TransitionFrame frame = m_transition.frame(size(), m_progress);
    if (frame.target.isEmpty() || frame.clip.isEmpty() || frame.opacity <= 0)
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipRegion(frame.clip);
    painter.setOpacity(frame.opacity);
    painter.drawPixmap(frame.target, m_picture, pictureSource());
}

}  // namespace lotavo::ui
