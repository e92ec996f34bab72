#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

class QPainter;

namespace lotavo::ui {

// The background of a borderless pop-up: its picture, repeated over the window or at its own
// size, or without the picture a plain card that still says what the window says; a dark edge
// keeps the window apart from a draw screen of the same colours.
class PopupBackground : public QWidget {
public:
    enum class Fill { Tiled, OwnSize };

    PopupBackground(const QString& path, Fill fill, QWidget* parent);
    bool hasPicture() const { return !m_picture.isNull(); }
    QSize pictureSize() const { return m_picture.size(); }

protected:
    virtual void paintCard(QPainter& p) = 0;
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap m_picture;
    Fill m_fill;
};

}  // namespace lotavo::ui
