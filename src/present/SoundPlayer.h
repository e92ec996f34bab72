#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

namespace lotavo::ui {

// Wave sounds of the draw: the roll sound loops until the next halt, the win sound plays
// once. Without an audio device the program stays silent; that is never an error.
class SoundPlayer : public QObject {
public:
    explicit SoundPlayer(QObject* parent = nullptr);

    void play(const QString& path, bool loop);
    void stop();
    // Silences every sound of the program, also one that is playing, until unmuted.
    void setMuted(bool muted);
    bool muted() const { return m_muted; }
    // What plays now ("" when silent). Use only for testing.
    QString playing() const { return m_playing; }

private:
    QSoundEffect* m_roll = nullptr;
    QSoundEffect* m_once = nullptr;
    QString m_playing;
    bool m_muted = false;
};

// True when the file is a RIFF WAVE file, the only kind the draw's sounds play.
bool isWaveFile(const QString& path);

}  // namespace lotavo::ui
