#include "present/PopupBackground.h"

#include "present/Pictures.h"

#include <QPainter>

namespace lotavo::ui {

PopupBackground::PopupBackground(const QString& path, Fill fill, QWidget* parent) : QWidget(parent), m_fill(fill)
{
    DecodedPicture picture = decodePicture(path);
    if (picture.ok())
        m_picture = QPixmap::fromImage(picture.frames.front());
}

void PopupBackground::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!hasPicture())
        paintCard(p);
    else if (m_fill == Fill::Tiled)
        p.drawTiledPixmap(rect(), m_picture);
    else
        p.drawPixmap(0, 0, m_picture);
    p.setPen(QColor(60, 20, 10));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace lotavo::ui
