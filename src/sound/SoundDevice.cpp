#include "sound/SoundDevice.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>

namespace suite {

std::unique_ptr<SoundDevice> SoundDevice::open(
    int sampleRate, int channels, std::function<void()> idle, std::string* error)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        *error = "kein Ausgabegerät gefunden";
        return nullptr;
    }
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        *error = "das Ausgabegerät spielt das Format der Sprache nicht";
        return nullptr;
    }
    auto* sink = new QAudioSink(device, format);
    // A quarter second in the device keeps a stop prompt and the word marks close to what
    // is heard; the rest waits in m_pending.
    sink->setBufferSize(format.bytesForDuration(250000));
    std::unique_ptr<SoundDevice> output(
        new SoundDevice(sink, format.bytesPerFrame(), sampleRate, std::move(idle)));
    if (!output->startSink()) {
        *error = "das Ausgabegerät lässt sich nicht öffnen";
        return nullptr;
    }
    return output;
}

SoundDevice::SoundDevice(
    QAudioSink* sink, int bytesPerFrame, int sampleRate, std::function<void()> idle)
    : m_sink(sink)
    , m_bytesPerFrame(bytesPerFrame)
    , m_sampleRate(sampleRate)
    , m_idle(std::move(idle))
{
    m_feedTimer.setInterval(10);
    QObject::connect(&m_feedTimer, &QTimer::timeout, &m_feedTimer, [this] { feed(); });
}

SoundDevice::~SoundDevice()
{
    m_sink->reset();
}

qint64 SoundDevice::durationUs(qsizetype bytes) const
{
    return qint64(bytes / m_bytesPerFrame) * 1000000 / m_sampleRate;
}

bool SoundDevice::startSink()
{
    m_device = m_sink->start();
    if (!m_device || m_sink->error() == QAudio::OpenError
        || m_sink->error() == QAudio::FatalError) {
        m_device = nullptr;
        return false;
    }
    return true;
}

qint64 SoundDevice::rawUs() const
{
    return m_device ? m_sink->processedUSecs() : 0;
}

void SoundDevice::write(const char* pcm, qsizetype bytes)
{
    if (bytes <= 0)
        return;
    if (processedUs() >= m_writtenUs) {
        // The sink's clock ran on through the silence before this text: skip that stretch.
        m_skewUs = rawUs() - m_writtenUs;
    }
    m_writtenUs += durationUs(bytes);
    m_pending.append(pcm, bytes);
    feed();
    if (!m_feedTimer.isActive())
        m_feedTimer.start();
}

void SoundDevice::feed()
{
    if (!m_failed && m_device) {
        const QAudio::Error error = m_sink->error();
        if (error == QAudio::IOError || error == QAudio::FatalError || error == QAudio::OpenError)
            m_failed = true;
    }
    if (m_failed || !m_device) {
        m_failed = true;
        m_pending.clear();
    }
    while (!m_pending.isEmpty()) {
        const qint64 room = std::min<qint64>(m_sink->bytesFree(), m_pending.size())
            / m_bytesPerFrame * m_bytesPerFrame;
        if (room <= 0)
            break;
        const qint64 written = m_device->write(m_pending.constData(), room);
        if (written <= 0)
            break;
        m_pending.remove(0, written);
    }
    if (m_pending.isEmpty() && processedUs() >= m_writtenUs) {
        m_feedTimer.stop();
        m_idle();
    }
}

qint64 SoundDevice::processedUs() const
{
    if (m_failed)
        m_lastProcessedUs = m_writtenUs;
    else
        m_lastProcessedUs = std::clamp(
            rawUs() - m_skewUs, m_lastProcessedUs, std::max(m_lastProcessedUs, m_writtenUs));
    return m_lastProcessedUs;
}

void SoundDevice::drop()
{
    const qint64 heard = processedUs();
    m_pending.clear();
    m_sink->reset();
    m_writtenUs = heard;
    m_lastProcessedUs = heard;
    if (!startSink())
        m_failed = true;
    m_skewUs = rawUs() - heard;
    m_feedTimer.stop();
}

} // namespace suite
