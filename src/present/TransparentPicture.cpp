#include "present/TransparentPicture.h"

#include "present/Pictures.h"

namespace lotavo::ui {

QPixmap transparentPicture(const QString& path, const QColor& transparent)
{
    DecodedPicture picture = decodePicture(path);
    if (!picture.ok())
        return {};
    QImage image = picture.frames.front().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb() & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return QPixmap::fromImage(image);
}

}  // namespace lotavo::ui
