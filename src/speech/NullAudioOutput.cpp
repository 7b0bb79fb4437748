#include "speech/NullAudioOutput.h"

#include "speech/EspeakLibrary.h"

#include <algorithm>

namespace suite {

namespace {

qint64 durationUs(qsizetype bytes)
{
    return qint64(bytes / 2) * 1000000 / EspeakLibrary::sampleRate;
}

} // namespace

NullAudioOutput::NullAudioOutput(Pacing pacing, QObject* parent)
    : AudioOutput(parent)
    , m_pacing(pacing)
{
    m_clock.start();
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] {
        if (processedUs() >= m_writtenUs)
            emit idle();
        else
            scheduleIdle();
    });
}

void NullAudioOutput::write(const QByteArray& pcm)
{
    if (pcm.isEmpty())
        return;
    if (processedUs() >= m_writtenUs) {
        // Silence between texts is not audio: playing resumes from here.
        m_baseUs = m_writtenUs;
        m_clock.restart();
    }
    m_writtenUs += durationUs(pcm.size());
    scheduleIdle();
}

qint64 NullAudioOutput::processedUs() const
{
    if (m_pacing == Pacing::Unpaced)
        return m_writtenUs;
    return std::min(m_writtenUs, m_baseUs + m_clock.nsecsElapsed() / 1000);
}

void NullAudioOutput::drop()
{
    m_writtenUs = processedUs();
    m_baseUs = m_writtenUs;
    m_clock.restart();
    m_idleTimer.stop();
}

void NullAudioOutput::scheduleIdle()
{
    const qint64 leftUs = m_writtenUs - processedUs();
    m_idleTimer.start(int(std::max<qint64>(0, (leftUs + 999) / 1000)));
}

} // namespace suite
