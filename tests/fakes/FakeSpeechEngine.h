#pragma once

#include "speech/SpeechEngine.h"

#include <QList>

namespace suite::test {

// An engine that speaks nothing: it keeps what it was asked to say, and the test plays the
// part of the listener by moving the head of the queue along (word, level, finish).
class FakeSpeechEngine final : public SpeechEngine {
    Q_OBJECT
public:
    using SpeechEngine::SpeechEngine;

    quint64 say(const Utterance& utterance) override;
    void stopAll() override;
    bool isSpeaking() const override { return !m_queue.isEmpty(); }
    Result availability() const override
    {
        return m_unavailable.isEmpty() ? Result::success() : Result::failure(m_unavailable);
    }

    // The engine cannot speak, for this reason (as one without voice data).
    void setUnavailable(const QString& why) { m_unavailable = why; }

    // Every utterance ever passed to say(), in order.
    const QList<Utterance>& said() const { return m_said; }
    // The utterances not yet finished or dropped; the first one is being heard.
    const QList<Utterance>& queued() const { return m_queue; }
    int stopCount() const { return m_stops; }

    // Emits wordReached for the utterance being heard. False when nothing is heard.
    bool reachWord(int position, int length);
    // Emits the level of the sound being heard.
    void sendLevel(qreal loudness) { emit level(loudness); }
    // The utterance being heard ends; the next one starts. False when nothing is heard.
    bool finishCurrent();

private:
    void ensureStarted();

    QList<Utterance> m_said;
    QList<Utterance> m_queue;
    QList<quint64> m_ids;
    quint64 m_nextId = 1;
    int m_stops = 0;
    bool m_headStarted = false;
    QString m_unavailable;
};

} // namespace suite::test
