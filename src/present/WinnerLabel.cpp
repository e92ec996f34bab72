#include "present/WinnerLabel.h"

#include "present/CachedText.h"

#include <QPainter>

namespace lotavo::ui {

namespace {
constexpr int kShadow = 2;  // room right and below the text for the shadow

// A dark text gets a light halo instead of a shadow: the default colour is black and the
// default background dark.
bool isDark(const QColor& colour)
{
    return 0.2126 * colour.redF() + 0.7152 * colour.greenF() + 0.0722 * colour.blueF() < 0.35;
}
}  // namespace

WinnerLabel::WinnerLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitToText();
}

void WinnerLabel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToText();
}

void WinnerLabel::setColour(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
    update();
}

QColor WinnerLabel::colour() const
{
    return palette().color(QPalette::WindowText);
}

void WinnerLabel::setLabelFont(const QFont& font)
{
    setFont(font);
    fitToText();
    update();
}

QSize WinnerLabel::sizeHint() const
{
    QFontMetrics metrics(font());
    QString shown = text().isEmpty() ? QStringLiteral(" ") : text();
    return metrics.size(Qt::TextSingleLine, shown) + QSize(kShadow, kShadow);
}

void WinnerLabel::fitToText()
{
    if (m_autoSize)
        resize(sizeHint());
}

void WinnerLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect box = rect().adjusted(0, 0, -kShadow, -kShadow);

    // Five copies of every glyph: drawn from the glyph cache, a hundred large winners with
    // their shadows paint in milliseconds.
    QColor text = colour();
    QColor shade = isDark(text) ? QColor(255, 255, 255) : QColor(0, 0, 0);
    const struct { int dx, dy, alpha; } layers[] = {{2, 2, 50}, {1, 2, 70}, {2, 1, 70}, {1, 1, 110}};
    for (auto layer : layers) {
        shade.setAlpha(isDark(text) ? layer.alpha / 2 + 20 : layer.alpha);
        drawCachedText(painter, box.translated(layer.dx, layer.dy), alignment(), font(), this->text(), shade);
    }
    drawCachedText(painter, box, alignment(), font(), this->text(), text);
}

}  // namespace lotavo::ui
