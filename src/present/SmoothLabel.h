#pragma once

#include <QColor>
#include <QWidget>

namespace lotavo::ui {

// The text effect of a smoothed label (a section named after the label in the settings).
struct TextEffect {
    int alpha = 255;
    bool shadow = false;
    QColor shadowColour = Qt::black;
    int shadowAlpha = 160;
    int shadowOffsetX = 2, shadowOffsetY = 2;
    bool gradual = false;
    QColor gradualStart, gradualEnd;
    bool outline = false;
};

// An anti-aliased text label that sizes itself to its text, with an optional shadow,
// gradient fill or outline. Used for the titles and texts of the draw screen.
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
};

}  // namespace lotavo::ui
