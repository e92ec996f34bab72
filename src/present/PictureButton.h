#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace lotavo::ui {

// A button drawn from two pictures, one for up and one for pressed, with its caption centred
// in the button font. Without pictures it draws a plain gold button, so it still works.
class PictureButton : public QAbstractButton {
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setPictures(const QPixmap& up, const QPixmap& down);
    bool hasPictures() const { return !m_up.isNull(); }
    void setTextColour(const QColor& colour);
    QColor textColour() const { return m_textColour; }

    QSize sizeHint() const override { return {200, 65}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintPlainFace(QPainter& p, bool down) const;

    QPixmap m_up;
    QPixmap m_down;
    QColor m_textColour = Qt::black;
    bool m_hovered = false;
};

}  // namespace lotavo::ui
