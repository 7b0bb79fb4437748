#include "speech/EspeakEngine.h"

#include "speech/AudioOutputFactory.h"
#include "speech/EspeakLibrary.h"
#include "speech/SpeechThread.h"

#include <algorithm>

namespace suite {

EspeakEngine::EspeakEngine(QObject* parent)
    : EspeakEngine(createAudioOutput(), parent)
{
}

EspeakEngine::EspeakEngine(std::unique_ptr<AudioOutput> output, QObject* parent)
    : SpeechEngine(parent)
    , m_output(std::move(output))
{
    m_output->setParent(nullptr);
    // The speech thread wakes the pump through the event loop as soon as audio is ready, so
    // the first sound does not wait for a timer tick.
    m_thread = std::make_unique<SpeechThread>(
        [this] { QMetaObject::invokeMethod(this, &EspeakEngine::pump, Qt::QueuedConnection); });
    // The library loads once the event loop runs, after the program's first window is up;
    // whatever needs it sooner loads it itself.
    QTimer::singleShot(0, this, [this] {
        if (m_thread) // gone when the engine is being destroyed
            m_thread->loadLibrary();
    });
    m_pumpTimer.setInterval(10);
    m_pumpTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_pumpTimer, &QTimer::timeout, this, &EspeakEngine::pump);
    m_levelTimer.setInterval(40);
    connect(&m_levelTimer, &QTimer::timeout, this,
        [this] { emit level(m_schedule.levelAt(heardSample())); });
    connect(m_output.get(), &AudioOutput::idle, this, [this] {
        m_allHeard = true;
        pump();
    });
}

EspeakEngine::~EspeakEngine()
{
    // The thread calls back into this object: it must be gone before anything else is.
    m_thread.reset();
}

bool EspeakEngine::isAvailable() const
{
    return m_thread->isAvailable();
}

QString EspeakEngine::error() const
{
    return m_thread->error();
}

Result EspeakEngine::availability() const
{
    return isAvailable() ? Result::success() : Result::failure(error());
}

quint64 EspeakEngine::say(const Utterance& utterance)
{
    const quint64 id = ++m_lastId;
    ++m_unfinished;
    m_thread->enqueue(id, utterance);
    updateTimers();
    return id;
}

void EspeakEngine::stopAll()
{
    m_thread->stopAll();
    m_output->drop();
    const std::optional<quint64> current = m_schedule.current();
    m_schedule.clear();
    m_allHeard = true;
    m_writtenSamples = heardSample();
    m_needBase = true;
    m_unfinished = 0;
    ++m_stops;
    updateTimers();
    if (current)
        emit utteranceFinished(*current);
}

qint64 EspeakEngine::heardSample() const
{
    if (m_allHeard)
        return m_writtenSamples;
    // Rounded up: the output's µs come from whole samples, rounded down.
    const qint64 us = m_output->processedUs();
    const qint64 samples = (us * EspeakLibrary::sampleRate + 999999) / 1000000;
    return std::min(samples, m_writtenSamples);
}

void EspeakEngine::pump()
{
    for (StreamItem& item : m_thread->take()) {
        if (m_needBase) {
            m_streamBase = m_writtenSamples - item.sample;
            m_needBase = false;
        }
        const qint64 at = item.sample + m_streamBase;
        using Kind = PlaybackSchedule::Cue::Kind;
        switch (item.kind) {
        case StreamItem::Kind::Begin:
            m_schedule.add({ Kind::Started, item.id, at });
            break;
        case StreamItem::Kind::End:
            m_schedule.add({ Kind::Finished, item.id, at });
            break;
        case StreamItem::Kind::Audio: {
            const qint64 samples = item.pcm.size() / 2;
            for (const auto& w : item.words)
                m_schedule.add({ Kind::Word, item.id,
                    std::min(w.sample + m_streamBase, at + samples), w.position, w.length });
            m_schedule.addLevels(at, item.levels, StreamItem::levelBlock);
            m_output->write(item.pcm);
            m_allHeard = false;
            m_writtenSamples += samples;
            emit audioWritten(item.pcm.size());
            break;
        }
        }
    }
    const qint64 heard = heardSample();
    m_thread->setHeard(heard - m_streamBase);
    const quint64 stops = m_stops;
    for (const auto& cue : m_schedule.advance(heard)) {
        // A slot may have stopped everything: what was due then is dropped with the rest.
        if (m_stops != stops)
            return;
        switch (cue.kind) {
        case PlaybackSchedule::Cue::Kind::Started:
            emit utteranceStarted(cue.id);
            break;
        case PlaybackSchedule::Cue::Kind::Word:
            emit wordReached(cue.id, cue.position, cue.length);
            break;
        case PlaybackSchedule::Cue::Kind::Finished:
            m_unfinished = std::max(0, m_unfinished - 1);
            emit utteranceFinished(cue.id);
            break;
        }
    }
    if (m_stops == stops)
        updateTimers();
}

void EspeakEngine::updateTimers()
{
    if (m_unfinished > 0) {
        if (!m_pumpTimer.isActive())
            m_pumpTimer.start();
        if (!m_levelTimer.isActive())
            m_levelTimer.start();
    } else if (m_pumpTimer.isActive()) {
        m_pumpTimer.stop();
        m_levelTimer.stop();
        emit level(0);
    }
}

} // namespace suite
