#include "present/SoundPlayer.h"

#include <QFile>
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
    effect->setMuted(m_muted);
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

void SoundPlayer::setMuted(bool muted)
{
    m_muted = muted;
    for (QSoundEffect* effect : {m_roll, m_once})
        if (effect)
            effect->setMuted(muted);
}

bool isWaveFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray head = file.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

}  // namespace lotavo::ui
