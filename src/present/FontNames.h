#pragma once

#include <QFont>
#include <QString>

namespace lotavo::ui {

// The font names stored in settings and layouts (宋体, 楷体_GB2312, 黑体, ...) stay as they
// are; these substitutions make them render with the CJK fonts installed here.
void installFontSubstitutions();

// A font from stored name, size in points and style text ("[fsBold,...]").
QFont storedFont(const QString& name, int pointSize, const QString& styleText = QString());
QString fontStyleText(const QFont& font);

}  // namespace lotavo::ui
