#pragma once

#include <QLabel>

namespace lotavo::ui {

// One winner on the pop-up: a plain transparent label whose text is drawn antialiased over
// a soft shadow, so it reads on any background picture. In the automatic arrangement it
// sizes itself to its text; from a position file it keeps the stored size.
class WinnerLabel : public QLabel {
    Q_OBJECT
public:
    WinnerLabel(const QString& text, QWidget* parent);

    void setAutoSize(bool autoSize);
    bool autoSize() const { return m_autoSize; }
    void setColour(const QColor& colour);
    QColor colour() const;
    void setLabelFont(const QFont& font);
    bool struckOut() const { return font().strikeOut(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToText();

    bool m_autoSize = true;
};

}  // namespace lotavo::ui
