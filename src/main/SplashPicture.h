#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace lotavo::ui {

// The program's own splash picture, "Bmp/splash.png" in its folder; when that file is
// missing or unreadable, one drawn here, so the splash never shows empty.
QPixmap splashPicture(const QString& programFolder, QSize size);

// The drawn one: deep red, the program's name in gold, a few sparkles.
QPixmap drawnSplashPicture(QSize size);

}  // namespace lotavo::ui
