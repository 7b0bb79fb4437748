#pragma once

#include "clock/ChimePlayer.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <optional>

class QSoundEffect;

namespace suite::clock {

// The format of a PCM wave file, as far as the chimes need it.
struct WaveFormat {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    qint64 dataBytes = 0;

    qint64 durationMs() const;
};

// The chimes built into the program (Qt resources), played through Qt Multimedia. play()
// waits for the length of the sound with the timers and repaints of the program going on
// but the user's input held back until it returns. Without a sound device (or with
// SPRACHAUSGABE_AUDIO=null) the wait is silent.
class SoundEffectChimePlayer final : public QObject, public ChimePlayer {
    Q_OBJECT
public:
    enum class Output { Device, Silent };

    explicit SoundEffectChimePlayer(QObject* parent = nullptr);
    SoundEffectChimePlayer(Output output, QObject* parent);
    ~SoundEffectChimePlayer() override;

    void play(int soundId) override;
    Output output() const { return m_output; }

    // ":/tockwerk/sounds/chime500.wav" for 500; "" for an id without a sound.
    static QString resourcePath(int soundId);
    // The resource's bytes; empty for an id without a sound.
    static QByteArray soundBytes(int soundId);
    // The format from a RIFF/WAVE header with its "fmt " and "data" chunks; nothing for
    // anything else (other containers, cut-off or contradictory headers).
    static std::optional<WaveFormat> readWaveFormat(const QByteArray& bytes);

signals:
    // The sound has been decoded and handed to the device (never in the silent case, nor
    // when the sound could not be decoded).
    void started(int soundId);

private:
    QSoundEffect* effect(int soundId);
    // Whether the sound is decoded and can play, waiting a moment while it is decoding.
    bool waitUntilLoaded(QSoundEffect& sound);
    void waitMs(qint64 ms);

    Output m_output;
    std::map<int, std::unique_ptr<QSoundEffect>> m_effects;
};

} // namespace suite::clock
