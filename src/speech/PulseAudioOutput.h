#pragma once

#include "speech/AudioOutput.h"

#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

namespace suite {

// The sound device through Qt Multimedia (on Debian that means PulseAudio), in push mode.
// Audio waits in a small buffer of our own until the sink takes it. Should the device go
// away while speaking, the output goes on as if everything had been heard, so nothing hangs.
class PulseAudioOutput final : public AudioOutput {
    Q_OBJECT
public:
    // A started output on the default device, or nullptr when there is none or it fails.
    static std::unique_ptr<PulseAudioOutput> create(QObject* parent = nullptr);
    ~PulseAudioOutput() override;

    void write(const QByteArray& pcm) override;
    qint64 processedUs() const override;
    void drop() override;
    QString kind() const override { return QStringLiteral("pulseaudio"); }

private:
    explicit PulseAudioOutput(QAudioSink* sink, QObject* parent);
    bool startSink();
    void feed();
    qint64 rawUs() const;

    QAudioSink* m_sink;
    QIODevice* m_device = nullptr;
    QByteArray m_pending;
    QTimer m_feedTimer;
    qint64 m_writtenUs = 0;
    qint64 m_skewUs = 0; // sink time that was not audio of ours (gaps, restarts)
    mutable qint64 m_lastProcessedUs = 0;
    bool m_failed = false;
};

} // namespace suite
