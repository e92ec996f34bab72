#include "present/SmoothLabel.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace lotavo::ui {

namespace {
constexpr int kMargin = 4;  // room for the shadow and the outline
}

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
    QFontMetrics metrics(font());
    QSize text = metrics.size(0, m_text.isEmpty() ? QStringLiteral(" ") : m_text);
    int extraX = m_effect.shadow ? std::abs(m_effect.shadowOffsetX) : 0;
    int extraY = m_effect.shadow ? std::abs(m_effect.shadowOffsetY) : 0;
    return text + QSize(2 * kMargin + extraX, 2 * kMargin + extraY);
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
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setOpacity(m_effect.alpha / 255.0);
    QRect box = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (m_effect.shadow) {
        QColor shadow = m_effect.shadowColour;
        shadow.setAlpha(m_effect.shadowAlpha);
        painter.setPen(shadow);
        painter.drawText(box.translated(m_effect.shadowOffsetX, m_effect.shadowOffsetY), Qt::AlignLeft | Qt::AlignTop, m_text);
    }
    if (!m_effect.gradual && !m_effect.outline) {
        painter.setPen(m_colour);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, m_text);
        return;
    }
    // Gradient fills and outlines need the text's outline as a path.
    QFontMetrics metrics(font());
    QPainterPath path;
    int y = kMargin + metrics.ascent();
    for (const QString& line : m_text.split(QLatin1Char('\n'))) {
        path.addText(kMargin, y, font(), line);
        y += metrics.lineSpacing();
    }
    QBrush fill(m_colour);
    if (m_effect.gradual) {
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, m_effect.gradualStart);
        gradient.setColorAt(1, m_effect.gradualEnd);
        fill = QBrush(gradient);
    }
    if (m_effect.outline)
        painter.strokePath(path, QPen(fill, 1.5));
    else
        painter.fillPath(path, fill);
}

void SmoothLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

}  // namespace lotavo::ui
