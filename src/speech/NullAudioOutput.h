#pragma once

#include "speech/AudioOutput.h"

#include <QElapsedTimer>
#include <QTimer>

namespace suite {

// A silent output that consumes audio in real time, so queues, animations and waits behave
// as with a sound device. Unpaced, it hears everything at once (benchmarks, tests).
class NullAudioOutput final : public AudioOutput {
    Q_OBJECT
public:
    enum class Pacing { RealTime, Unpaced };

    explicit NullAudioOutput(Pacing pacing = Pacing::RealTime, QObject* parent = nullptr);

    void write(const QByteArray& pcm) override;
    qint64 processedUs() const override;
    void drop() override;
    QString kind() const override { return QStringLiteral("null"); }

private:
    void scheduleIdle();

    Pacing m_pacing;
    QElapsedTimer m_clock;
    qint64 m_writtenUs = 0;
    qint64 m_baseUs = 0; // heard when the clock was last restarted
    QTimer m_idleTimer;
};

} // namespace suite
