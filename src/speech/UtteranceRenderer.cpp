#include "speech/UtteranceRenderer.h"

#include "speech/RateMapping.h"
#include "speech/SpokenPiece.h"

namespace suite {

UtteranceRenderer::UtteranceRenderer(EspeakLibrary& library, qsizetype maxPieceLength)
    : m_library(library)
    , m_maxPieceLength(maxPieceLength)
{
}

void UtteranceRenderer::prepare(const Utterance& utterance)
{
    m_library.setVoice(utterance.voice);
    const EspeakRate rate = RateMapping::espeakRateFor(utterance.wordsPerMinute);
    m_library.setRate(rate.rate, rate.wordGapTens);
}

bool UtteranceRenderer::render(const Utterance& utterance, const Sink& sink)
{
    if (!m_library.isAvailable())
        return false;
    prepare(utterance);
    const QString& text = utterance.text;
    qint64 pieceStartSample = 0;
    qint64 samplesSoFar = 0;
    int lastPosition = -1;
    std::vector<Word> words;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = TextPieces::pieceEnd(text, start, m_maxPieceLength);
        const SpokenPiece piece(text, start, end);
        start = end;
        if (piece.isBlank())
            continue;
        const bool ok = m_library.synthesize(
            piece.utf8(),
            [&](const qint16* samples, int count, const EspeakLibrary::WordMark* marks, int n) {
                words.clear();
                for (int i = 0; i < n; ++i) {
                    const auto span = piece.tokenAt(marks[i].characterPosition);
                    if (!span || int(span->position) == lastPosition)
                        continue;
                    lastPosition = int(span->position);
                    const qint64 at = pieceStartSample
                        + qint64(marks[i].audioMs) * EspeakLibrary::sampleRate / 1000;
                    words.push_back(
                        { std::max(at, samplesSoFar), lastPosition, int(span->length) });
                }
                samplesSoFar += count;
                return sink(samples, count, words);
            },
            end < text.size());
        if (!ok)
            return false;
        pieceStartSample = samplesSoFar;
    }
    return true;
}

QString UtteranceRenderer::phonemes(const Utterance& utterance)
{
    if (!m_library.isAvailable())
        return {};
    prepare(utterance);
    QString result;
    const QString& text = utterance.text;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = TextPieces::pieceEnd(text, start, m_maxPieceLength);
        const SpokenPiece piece(text, start, end);
        start = end;
        if (!piece.isBlank())
            result += m_library.phonemes(piece.utf8());
    }
    return result;
}

} // namespace suite
