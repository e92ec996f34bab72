#pragma once

#include "draw/Gbk.h"
#include "main/settings/IniStore.h"

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

// Where GBK text of the engine and the settings meets Qt's strings and colours.
namespace lotavo::ui {

inline QString fromGbk(std::string_view gbkText)
{
    std::string utf8 = gbk::toUtf8(gbkText);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toGbk(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    return gbk::fromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

// A file path of this system as QString (UTF-8 on disk).
inline QString fromPath(const std::string& path)
{
    return QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
}

inline std::string toPath(const QString& path)
{
    return path.toUtf8().toStdString();
}

// Colours are stored as 0x00BBGGRR (or a system colour).
inline QColor toQColor(int32_t stored)
{
    ini::Rgb rgb = ini::colourToRgb(stored);
    return QColor(rgb.r, rgb.g, rgb.b);
}

inline int32_t fromQColor(const QColor& colour)
{
    return ini::rgbToColour({static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                             static_cast<uint8_t>(colour.blue())});
}

}  // namespace lotavo::ui
