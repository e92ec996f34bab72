#include "present/TextEffectCache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace lotavo::ui {

namespace {

constexpr quint32 kMagic = 0x4c545846;  // "LTXF"

QDataStream& operator<<(QDataStream& out, const TextEffect& e)
{
    out << e.alpha << e.blur << e.noise << e.spray << e.angle << e.outline << e.horzMirror << e.vertMirror;
    out << e.shadow << e.shadowColour << e.shadowAlpha << e.shadowBlur << e.shadowOffsetX << e.shadowOffsetY;
    out << e.gradual << e.gradualStart << e.gradualEnd << e.gradualStyle << e.texture << e.textureMode;
    out << e.background;
    return out;
}

}  // namespace

TextEffectCache::TextEffectCache()
    : TextEffectCache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/text-effects"))
{
}

TextEffectCache::TextEffectCache(QString folder) : m_folder(std::move(folder)) {}

QByteArray TextEffectCache::keyOf(const QString& text, const QFont& font, const QColor& colour,
                                  const TextEffect& effect, const QString& textureFile, qreal devicePixelRatio)
{
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    // A program built anew may draw effects otherwise: its pictures are made anew.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    out << program.size() << program.lastModified().toMSecsSinceEpoch() << QString::fromLatin1(qVersion()) << text << font.toString() << colour << effect
        << devicePixelRatio;
    // The font the system picks for the name, which installing fonts can change.
    const QFontInfo resolved(font);
    out << resolved.family() << resolved.styleName() << resolved.pixelSize();
    if (effect.texture) {
        const QFileInfo texture(textureFile);
        out << texture.absoluteFilePath() << texture.size() << texture.lastModified().toMSecsSinceEpoch();
    }
    return key;
}

QString TextEffectCache::fileOf(const QByteArray& key) const
{
    return m_folder + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".pic");
}

QImage TextEffectCache::find(const QByteArray& key) const
{
    QFile file(fileOf(key));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDataStream in(&file);
    quint32 magic = 0;
    QByteArray storedKey;
    qint32 width = 0, height = 0;
    double ratio = 0;
    in >> magic >> storedKey >> width >> height >> ratio;
    if (in.status() != QDataStream::Ok || magic != kMagic || storedKey != key || width <= 0 || height <= 0 ||
        width > 16384 || height > 16384 || !(ratio > 0 && ratio < 16))
        return {};
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const qint64 bytes = image.sizeInBytes();
    if (image.isNull() || file.size() - file.pos() != bytes)
        return {};
    if (in.readRawData(reinterpret_cast<char*>(image.bits()), static_cast<int>(bytes)) != bytes)
        return {};
    image.setDevicePixelRatio(ratio);
    return image;
}

void TextEffectCache::store(const QByteArray& key, const QImage& picture) const
{
    if (picture.isNull() || !QDir().mkpath(m_folder))
        return;
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QSaveFile file(fileOf(key));
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    out << kMagic << key << qint32(image.width()) << qint32(image.height()) << double(image.devicePixelRatio());
    out.writeRawData(reinterpret_cast<const char*>(image.constBits()), static_cast<int>(image.sizeInBytes()));
    if (out.status() == QDataStream::Ok && file.commit())
        prune();
}

void TextEffectCache::prune() const
{
    QFileInfoList pictures =
        QDir(m_folder).entryInfoList({QStringLiteral("*.pic")}, QDir::Files, QDir::Time | QDir::Reversed);
    for (qsizetype i = 0; i + kMaxPictures < pictures.size(); ++i)
        QFile::remove(pictures[i].absoluteFilePath());
}

}  // namespace lotavo::ui
