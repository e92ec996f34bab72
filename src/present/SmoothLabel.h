#pragma once

#include "present/TextEffect.h"
#include "present/TextEffectRenderer.h"

#include <QColor>
#include <QWidget>

namespace lotavo::ui {

// An anti-aliased text label that sizes itself to its text, drawn with its text effect. Used for the titles and texts of the draw screen.
class SmoothLabel : public QWidget {
    Q_OBJECT
public:
    explicit SmoothLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return m_text; }
    void setFont(const QFont& font);
    void setColour(const QColor& colour);
    QColor colour() const { return m_colour; }
    void setEffect(const TextEffect& effect);
    const TextEffect& effect() const { return m_effect; }

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void resizeToText();

    QString m_text;
    QColor m_colour = Qt::black;
    TextEffect m_effect;
    TextEffectRenderer m_renderer;  // the drawn text, kept between paints
};

}  // namespace lotavo::ui
