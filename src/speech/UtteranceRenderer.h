#pragma once

#include "speech/EspeakLibrary.h"
#include "speech/SpeechEngine.h"
#include "speech/TextPieces.h"

#include <functional>
#include <vector>

namespace suite {

// Turns an Utterance into 16-bit mono PCM at EspeakLibrary::sampleRate, piece by piece, as
// espeak makes it: nothing waits for the whole text and memory does not grow with it.
class UtteranceRenderer {
public:
    // A word of the utterance's text whose sound starts at sample (counted from the start of
    // the utterance's audio). Repeated reports of the same word are left out.
    struct Word {
        qint64 sample = 0;
        int position = 0;
        int length = 0;
    };
    // Receives the audio in order with the words that espeak reported with it; returns false
    // to stop at once.
    using Sink
        = std::function<bool(const qint16* samples, int count, const std::vector<Word>& words)>;

    explicit UtteranceRenderer(
        EspeakLibrary& library, qsizetype maxPieceLength = TextPieces::defaultMaxLength);

    // Returns false when the sink stopped it or espeak is unavailable. A blank text gives
    // no audio at all.
    bool render(const Utterance& utterance, const Sink& sink);

    // What espeak speaks for the utterance after the same preparation, in its -x notation.
    QString phonemes(const Utterance& utterance);

private:
    void prepare(const Utterance& utterance);

    EspeakLibrary& m_library;
    qsizetype m_maxPieceLength;
};

} // namespace suite
