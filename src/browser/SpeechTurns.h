#pragma once

#include "browser/BrowserServices.h"
#include "speech/SpeechEngine.h"

#include <deque>
#include <optional>

namespace suite::browser {

class SpeechTurns;

// The speech engine as one browser window sees it: its own queue and its own stop. What it
// says is heard in turn with the other windows' speech, in call order; stopAll() ends and
// drops only this window's speech, and its signals tell only of its own utterances.
class SpeechChannel final : public SpeechEngine {
    Q_OBJECT
public:
    ~SpeechChannel() override;

    quint64 say(const Utterance& utterance) override;
    void stopAll() override;
    bool isSpeaking() const override;

private:
    friend class SpeechTurns;
    SpeechChannel(SpeechTurns& turns, QObject* parent);

    SpeechTurns& m_turns;
    quint64 m_lastId = 0;
};

// Shares the program's one speech engine (espeak-ng has one global state) among the browser
// windows: each window gets a channel of its own, and the engine is given one utterance at a
// time, so stopping the engine never touches another window's speech.
class SpeechTurns final : public QObject {
    Q_OBJECT
public:
    explicit SpeechTurns(SpeechEngine& engine, QObject* parent = nullptr);
    ~SpeechTurns() override;

    // A new channel, owned by parent (the window's synthesizer).
    SpeechChannel* newChannel(QObject* parent);
    // A window's synthesizer with its mouth, on a channel of its own, placed on parent.
    SynthesizerSlot newSynthesizer(QWidget* parent);

private:
    friend class SpeechChannel;
    struct Turn {
        SpeechChannel* channel = nullptr;
        quint64 channelId = 0;
        Utterance utterance;
    };

    void enqueue(SpeechChannel* channel, quint64 channelId, const Utterance& utterance);
    void stop(SpeechChannel* channel);
    bool isSpeaking(const SpeechChannel* channel) const;
    void forget(SpeechChannel* channel);
    void stopCurrent();
    void next();
    void finished(quint64 engineId);

    SpeechEngine& m_engine;
    std::deque<Turn> m_waiting;
    // The turn the engine has now; its channel is null once that channel is gone.
    std::optional<Turn> m_current;
    quint64 m_currentEngineId = 0;
    bool m_saying = false;
    quint64 m_finishedWhileSaying = 0;
};

} // namespace suite::browser
