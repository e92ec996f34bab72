#include "present/SoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace lotavo::ui {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

void SoundPlayer::play(const QString& path, bool loop)
{
    stop();
    if (!QFileInfo(path).isFile())
        return;
    QSoundEffect*& effect = loop ? m_roll : m_once;
    if (!effect)
        effect = new QSoundEffect(this);
    if (effect->source() != QUrl::fromLocalFile(path))
        effect->setSource(QUrl::fromLocalFile(path));
    effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
    effect->play();
    m_playing = path;
}

void SoundPlayer::stop()
{
    if (m_roll)
        m_roll->stop();
    if (m_once)
        m_once->stop();
    m_playing.clear();
}

}  // namespace lotavo::ui
