#include "present/SmoothLabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace lotavo::ui {

SmoothLabel::SmoothLabel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
}

void SmoothLabel::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    resizeToText();
    update();
}

void SmoothLabel::setFont(const QFont& font)
{
    QWidget::setFont(font);
    resizeToText();
    update();
}

void SmoothLabel::setColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

void SmoothLabel::setEffect(const TextEffect& effect)
{
    m_effect = effect;
    resizeToText();
    update();
}

QSize SmoothLabel::sizeHint() const
{
    // measured, not drawn: the picture is drawn once, at the next paint, after font, text and
    // effect have all been set
    return TextEffectRenderer::sizeOf(m_text, font(), m_effect);
}

void SmoothLabel::resizeToText()
{
    resize(sizeHint());
}

void SmoothLabel::paintEvent(QPaintEvent*)
{
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_renderer.image(m_text, font(), m_colour, m_effect, devicePixelRatioF()));
}

void SmoothLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace lotavo::ui
