#pragma once

#include "core/Result.h"

#include <QObject>
#include <QString>

namespace suite {

// What a voice sounds like: an espeak-ng voice name ("de", "en"), an optional variant
// ("f3", "m3", "klatt"; empty for the default) and the pitch 0..100 (50 is the voice's own).
struct Voice {
    QString language = QStringLiteral("de");
    QString variant;
    int pitch = 50;
};

// One text to be spoken.
struct Utterance {
    QString text;
    int wordsPerMinute = 150;
    Voice voice;
};

// Speaks utterances one after the other in the background. Every call returns at once;
// the signals come on the thread that owns the engine (the GUI thread) while the sound is
// heard, not while it is synthesised.
class SpeechEngine : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SpeechEngine() override = default;

    // Queues the utterance behind those already queued; returns its id (never 0).
    virtual quint64 say(const Utterance& utterance) = 0;
    // Ends the sound at once and drops everything queued. No signal of a dropped or
    // stopped utterance comes afterwards except utteranceFinished for the one being heard.
    virtual void stopAll() = 0;
    // True from the first say() until the last queued utterance has been heard or stopped.
    virtual bool isSpeaking() const = 0;
    // Whether anything said can be heard, and if not, why (no voice data, the library
    // failing to start). It does not change while the engine lives.
    virtual Result availability() const = 0;

signals:
    void utteranceStarted(quint64 id);
    // The word being heard now: its position and length in characters (QChar units) of
    // the utterance's text.
    void wordReached(quint64 id, int position, int length);
    // Loudness of what is heard now, 0..1, several times a second while speaking.
    void level(qreal loudness);
    void utteranceFinished(quint64 id);
};

} // namespace suite
