#pragma once

#include "present/TextEffect.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace lotavo::ui {

// Draws a text with its effect into a picture: the text's box plus the room the effect spreads
// into (blur, spray, outline, shadow, rotation). Effects cost whole-picture passes, so the
// picture is kept and drawn again only when the text, font, colour, effect or scale change;
// a label repainted by every tick of the roll only copies it. The first picture of each
// renderer is also kept on disk for the next start.
class TextEffectRenderer {
public:
    const QImage& image(const QString& text, const QFont& font, const QColor& colour, const TextEffect& effect,
                        qreal devicePixelRatio = 1);
    // How often the picture was made anew (drawn, or read from the disk).
    int renders() const { return m_renders; }

    // One drawing, nothing kept. `texture` fills the text when the effect asks for it; a null
    // texture falls back to the text colour.
    static QImage render(const QString& text, const QFont& font, const QColor& colour, const TextEffect& effect,
                         const QImage& texture, qreal devicePixelRatio = 1);

    // The size of the picture render() gives at a device pixel ratio of 1, without drawing it.
    static QSize sizeOf(const QString& text, const QFont& font, const TextEffect& effect);

    // The texture picture of the program folder ("Texture/texture.jpg"), read once; null
    // when the file is missing or unreadable.
    static const QImage& programTexture();
    static QString programTextureFile();

private:
    // The picture kept on disk by an earlier run, or drawn and kept for the next.
    static QImage firstPicture(const QString& text, const QFont& font, const QColor& colour, const TextEffect& effect,
                               qreal ratio);

    QString m_text;
    QFont m_font;
    QColor m_colour;
    TextEffect m_effect;
    qreal m_ratio = 0;
    QImage m_image;
    int m_renders = 0;
};

}  // namespace lotavo::ui
