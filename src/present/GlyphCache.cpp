#include "present/GlyphCache.h"

#include <QByteArray>
#include <QtGlobal>

namespace lotavo::ui {

void cacheLargeGlyphs()
{
    // The single winner of the pop-up at 3840x2160 is drawn at about 210 pixels.
    if (!qEnvironmentVariableIsSet("QT_MAX_CACHED_GLYPH_SIZE"))
        qputenv("QT_MAX_CACHED_GLYPH_SIZE", QByteArrayLiteral("320"));
}

}  // namespace lotavo::ui
