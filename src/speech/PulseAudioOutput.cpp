#include "speech/PulseAudioOutput.h"

#include "speech/EspeakLibrary.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>

namespace suite {

namespace {

constexpr int bytesPerSecond = EspeakLibrary::sampleRate * 2;

qint64 durationUs(qsizetype bytes)
{
    return qint64(bytes / 2) * 1000000 / EspeakLibrary::sampleRate;
}

} // namespace

std::unique_ptr<PulseAudioOutput> PulseAudioOutput::create(QObject* parent)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return nullptr;
    QAudioFormat format;
    format.setSampleRate(EspeakLibrary::sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return nullptr;
    auto* sink = new QAudioSink(device, format);
    // A quarter second in the device keeps a stop prompt and the word marks close to what
    // is heard; the rest waits in m_pending.
    sink->setBufferSize(bytesPerSecond / 4);
    std::unique_ptr<PulseAudioOutput> output(new PulseAudioOutput(sink, parent));
    if (!output->startSink())
        return nullptr;
    return output;
}

PulseAudioOutput::PulseAudioOutput(QAudioSink* sink, QObject* parent)
    : AudioOutput(parent)
    , m_sink(sink)
{
    m_sink->setParent(this);
    m_feedTimer.setInterval(10);
    connect(&m_feedTimer, &QTimer::timeout, this, &PulseAudioOutput::feed);
}

PulseAudioOutput::~PulseAudioOutput()
{
    m_sink->reset();
}

bool PulseAudioOutput::startSink()
{
    m_device = m_sink->start();
    if (!m_device || m_sink->error() == QAudio::OpenError
        || m_sink->error() == QAudio::FatalError) {
        m_device = nullptr;
        return false;
    }
    return true;
}

qint64 PulseAudioOutput::rawUs() const
{
    return m_device ? m_sink->processedUSecs() : 0;
}

void PulseAudioOutput::write(const QByteArray& pcm)
{
    if (pcm.isEmpty())
        return;
    if (processedUs() >= m_writtenUs) {
        // The sink's clock ran on through the silence before this text: skip that stretch.
        m_skewUs = rawUs() - m_writtenUs;
    }
    m_writtenUs += durationUs(pcm.size());
    m_pending.append(pcm);
    feed();
    if (!m_feedTimer.isActive())
        m_feedTimer.start();
}

void PulseAudioOutput::feed()
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
        const qint64 room = std::min<qint64>(m_sink->bytesFree(), m_pending.size()) & ~qint64(1);
        if (room <= 0)
            break;
        const qint64 written = m_device->write(m_pending.constData(), room);
        if (written <= 0)
            break;
        m_pending.remove(0, written);
    }
    if (m_pending.isEmpty() && processedUs() >= m_writtenUs) {
        m_feedTimer.stop();
        emit idle();
    }
}

qint64 PulseAudioOutput::processedUs() const
{
    if (m_failed)
        m_lastProcessedUs = m_writtenUs;
    else
        m_lastProcessedUs = std::clamp(
            rawUs() - m_skewUs, m_lastProcessedUs, std::max(m_lastProcessedUs, m_writtenUs));
    return m_lastProcessedUs;
}

void PulseAudioOutput::drop()
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
