#include "browser/SpeechTurns.h"

#include "widgets/SpeechSynthesizer.h"

#include <algorithm>

namespace suite::browser {

SpeechChannel::SpeechChannel(SpeechTurns& turns, QObject* parent)
    : SpeechEngine(parent)
    , m_turns(turns)
{
}

SpeechChannel::~SpeechChannel()
{
    m_turns.forget(this);
}

quint64 SpeechChannel::say(const Utterance& utterance)
{
    const quint64 id = ++m_lastId;
    m_turns.enqueue(this, id, utterance);
    return id;
}

void SpeechChannel::stopAll()
{
    m_turns.stop(this);
}

bool SpeechChannel::isSpeaking() const
{
    return m_turns.isSpeaking(this);
}

SpeechTurns::SpeechTurns(SpeechEngine& engine, QObject* parent)
    : QObject(parent)
    , m_engine(engine)
{
    connect(&m_engine, &SpeechEngine::utteranceStarted, this, [this](quint64 id) {
        if (m_current && id == m_currentEngineId && m_current->channel)
            emit m_current->channel->utteranceStarted(m_current->channelId);
    });
    connect(&m_engine, &SpeechEngine::wordReached, this, [this](quint64 id, int at, int length) {
        if (m_current && id == m_currentEngineId && m_current->channel)
            emit m_current->channel->wordReached(m_current->channelId, at, length);
    });
    connect(&m_engine, &SpeechEngine::level, this, [this](qreal loudness) {
        if (m_current && m_current->channel)
            emit m_current->channel->level(loudness);
    });
    connect(&m_engine, &SpeechEngine::utteranceFinished, this, &SpeechTurns::finished);
}

SpeechTurns::~SpeechTurns() = default;

SpeechChannel* SpeechTurns::newChannel(QObject* parent)
{
    return new SpeechChannel(*this, parent);
}

SynthesizerSlot SpeechTurns::newSynthesizer(QWidget* parent)
{
    SpeechChannel* channel = newChannel(nullptr);
    auto* synthesizer = new SpeechSynthesizer(*channel, parent);
    channel->setParent(synthesizer); // it goes with the window
    return SynthesizerSlot { synthesizer, synthesizer };
}

void SpeechTurns::enqueue(SpeechChannel* channel, quint64 channelId, const Utterance& utterance)
{
    m_waiting.push_back({ channel, channelId, utterance });
    if (!m_current)
        next();
}

void SpeechTurns::stop(SpeechChannel* channel)
{
    std::erase_if(m_waiting, [channel](const Turn& turn) { return turn.channel == channel; });
    // The engine holds one turn at most: stopping it ends this channel's speech and no other.
    if (m_current && m_current->channel == channel)
        stopCurrent();
}

void SpeechTurns::stopCurrent()
{
    const quint64 stopped = m_currentEngineId;
    m_engine.stopAll();
    // An utterance stopped before it was heard ends without a signal; its turn is over all
    // the same.
    if (m_current && m_currentEngineId == stopped)
        finished(stopped);
}

bool SpeechTurns::isSpeaking(const SpeechChannel* channel) const
{
    if (m_current && m_current->channel == channel)
        return true;
    return std::any_of(m_waiting.cbegin(), m_waiting.cend(),
        [channel](const Turn& turn) { return turn.channel == channel; });
}

void SpeechTurns::forget(SpeechChannel* channel)
{
    std::erase_if(m_waiting, [channel](const Turn& turn) { return turn.channel == channel; });
    if (m_current && m_current->channel == channel) {
        m_current->channel = nullptr;
        stopCurrent();
    }
}

void SpeechTurns::next()
{
    if (m_current || m_waiting.empty())
        return;
    m_current = std::move(m_waiting.front());
    m_waiting.pop_front();
    m_currentEngineId = 0;
    m_saying = true;
    const quint64 id = m_engine.say(m_current->utterance);
    m_saying = false;
    m_currentEngineId = id;
    if (m_finishedWhileSaying == id) {
        m_finishedWhileSaying = 0;
        finished(id);
    }
}

void SpeechTurns::finished(quint64 engineId)
{
    if (m_saying) {
        m_finishedWhileSaying = engineId; // a text with nothing to be heard ends at once
        return;
    }
    if (!m_current || engineId != m_currentEngineId)
        return;
    const Turn done = std::move(*m_current);
    m_current.reset();
    if (done.channel)
        emit done.channel->utteranceFinished(done.channelId);
    next();
}

} // namespace suite::browser
