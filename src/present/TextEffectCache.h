#pragma once

#include "present/TextEffect.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QString>

namespace lotavo::ui {

// Pictures of texts with effects kept on disk from one run to the next: the titles of the
// draw screen take tens of milliseconds to draw, which the screen's first frame would wait
// for at every start. A picture is found again only for exactly the same text, font (as
// the system resolves it), colour, effect, texture file and scale.
class TextEffectCache {
public:
    // The user's cache folder for the program.
    TextEffectCache();
    // Another folder. Use only for testing.
    explicit TextEffectCache(QString folder);

    static QByteArray keyOf(const QString& text, const QFont& font, const QColor& colour, const TextEffect& effect,
                            const QString& textureFile, qreal devicePixelRatio);

    // A null picture when there is none for the key, or its file is unreadable.
    QImage find(const QByteArray& key) const;
    // Kept when the folder can be written; a cache that cannot is only slower.
    void store(const QByteArray& key, const QImage& image) const;

    // The folder keeps at most this many pictures; the oldest go first.
    static constexpr int kMaxPictures = 200;

private:
    QString fileOf(const QByteArray& key) const;
    void prune() const;

    QString m_folder;
};

}  // namespace lotavo::ui
