#pragma once

#include <QByteArray>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

class QAudioSink;
class QIODevice;

namespace suite {

// The sound device through Qt Multimedia (on Debian that means PulseAudio), in push mode, for
// signed 16-bit PCM. Audio waits in a small buffer of our own until the sink takes it. Should
// the device go away while speaking, the output goes on as if everything had been heard, so
// nothing hangs.
class SoundDevice {
public:
    // A started output on the default device, or nullptr with *error saying why.
    static std::unique_ptr<SoundDevice> open(
        int sampleRate, int channels, std::function<void()> idle, std::string* error);
    ~SoundDevice();

    void write(const char* pcm, qsizetype bytes);
    qint64 processedUs() const;
    void drop();

private:
    SoundDevice(QAudioSink* sink, int bytesPerFrame, int sampleRate, std::function<void()> idle);
    bool startSink();
    void feed();
    qint64 rawUs() const;
    qint64 durationUs(qsizetype bytes) const;

    std::unique_ptr<QAudioSink> m_sink;
    const int m_bytesPerFrame;
    const int m_sampleRate;
    const std::function<void()> m_idle;
    QIODevice* m_device = nullptr;
    QByteArray m_pending;
    QTimer m_feedTimer;
    qint64 m_writtenUs = 0;
    qint64 m_skewUs = 0; // sink time that was not audio of ours (gaps, restarts)
    mutable qint64 m_lastProcessedUs = 0;
    bool m_failed = false;
};

} // namespace suite
