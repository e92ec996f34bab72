#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

namespace lotavo::ui {

// A picture file whose pixels of `transparent` (white in the program's button pictures) are
// see-through; a null pixmap when the file is missing or cannot be decoded.
QPixmap transparentPicture(const QString& path, const QColor& transparent = Qt::white);

}  // namespace lotavo::ui
