#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace suite {

// A stretch of an utterance's text made ready for espeak, and the way back from espeak's
// word positions to the words of the original text.
class SpokenPiece {
public:
    struct Span {
        qsizetype position = 0; // in QChar units of the whole original text
        qsizetype length = 0;
        bool operator==(const Span&) const = default;
    };

    // The piece [start, end) of text; a piece that ends the text may have its trailing
    // number rewritten (see GermanNumbers).
    SpokenPiece(const QString& text, qsizetype start, qsizetype end);

    // Control characters, NUL bytes, unpaired surrogates and non-characters become blanks,
    // one for one, so that positions stay those of the original.
    static QString cleaned(QStringView text);

    const QString& spoken() const { return m_spoken; }
    QByteArray utf8() const { return m_spoken.toUtf8(); }
    bool isBlank() const;

    // The blank-separated token of the original text that holds espeak's 1-based character
    // position (in code points of spoken()); a position on a blank gives the next token.
    std::optional<Span> tokenAt(int characterPosition) const;

private:
    qsizetype originalIndex(qsizetype spokenIndex) const;

    QString m_original; // the cleaned piece
    QString m_spoken;
    qsizetype m_offset = 0;
    qsizetype m_expandAt = -1; // where a replacement starts in m_spoken, or -1
    qsizetype m_expandGrowth = 0;
    qsizetype m_expandLength = 0;
    std::vector<qsizetype> m_codePointIndex; // empty while spoken() has no surrogate pairs
};

} // namespace suite
