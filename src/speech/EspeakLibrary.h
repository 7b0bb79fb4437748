#pragma once

#include "speech/SpeechEngine.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace suite {

// Exclusive use of libespeak-ng, which keeps its state in globals and is not thread-safe.
// At most one EspeakLibrary exists at a time in a process; a second one is unavailable and
// says why, and so is one that cannot speak German (no voice data, an incomplete voice). The
// library is initialised once per process (synchronous mode, 22050 Hz mono 16-bit) by the first
// instance and stays initialised. An instance may be created on any thread, but all its calls must
// come from the thread that uses it.
class EspeakLibrary {
public:
    static constexpr int sampleRate = 22050;

    // A word as espeak reports it: 1-based position in characters (code points) of the
    // text passed to synthesize(), and where its sound starts, in ms from that call's start.
    struct WordMark {
        int characterPosition = 0;
        int audioMs = 0;
    };
    // Receives each piece of audio as it is made, with the words that start in it; returns
    // false to stop the synthesis at once.
    using ChunkCallback = std::function<bool(
        const qint16* samples, int count, const WordMark* words, int wordCount)>;

    EspeakLibrary();
    ~EspeakLibrary();
    EspeakLibrary(const EspeakLibrary&) = delete;
    EspeakLibrary& operator=(const EspeakLibrary&) = delete;

    bool isAvailable() const { return m_available; }
    QString error() const { return m_error; }

    // Voice and speed for the following synthesize() calls. An unknown language falls back
    // to German; espeak itself silently ignores an unknown variant.
    void setVoice(const Voice& voice);
    // Rate in espeak's own units (80..450) and the extra pause between words in 10 ms units.
    void setRate(int espeakRate, int wordGapTens);

    // Synthesises UTF-8 text; returns false when stopped by the callback or on failure.
    // endPause keeps the pause after a final sentence end (for a piece that others follow).
    bool synthesize(const QByteArray& utf8, const ChunkCallback& callback, bool endPause = false);

    // The phonemes espeak speaks for the text, as its command line shows them with -x.
    QString phonemes(const QByteArray& utf8);

private:
    static QString dataFolder();
    bool speaksAWord();

    bool m_available = false;
    QString m_error;
    QByteArray m_voiceName;
};

} // namespace suite
