#include "speech/TextPieces.h"

#include <algorithm>

namespace suite::TextPieces {

namespace {

bool endsSentence(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?' || c == u';' || c == u':';
}

} // namespace

qsizetype pieceEnd(const QString& text, qsizetype start, qsizetype maxLength)
{
    maxLength = std::max<qsizetype>(maxLength, 2);
    if (text.size() - start <= maxLength)
        return text.size();
    const qsizetype limit = start + maxLength;
    const qsizetype half = start + maxLength / 2;
    qsizetype lastBlank = -1;
    for (qsizetype i = limit; i > half; --i) {
        if (!text.at(i).isSpace())
            continue;
        if (endsSentence(text.at(i - 1)))
            return i;
        if (lastBlank < 0)
            lastBlank = i;
    }
    if (lastBlank > 0)
        return lastBlank;
    return text.at(limit).isLowSurrogate() ? limit - 1 : limit;
}

} // namespace suite::TextPieces
