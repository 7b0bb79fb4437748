#include "speech/SpeechdMarkup.h"

#include <QList>

namespace suite::SpeechdMarkup {

namespace {

void appendEscaped(QByteArray& out, QStringView text)
{
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

} // namespace

QByteArray ssml(const SpokenPiece& piece, int wordBreakMs)
{
    const QString& spoken = piece.spoken();
    QByteArray out = "<speak>";
    const QByteArray pause
        = wordBreakMs > 0 ? "<break time=\"" + QByteArray::number(wordBreakMs) + "ms\"/>" : "";
    qsizetype lastPosition = -1;
    int codePoints = 0; // code points of spoken before i
    bool first = true;
    for (qsizetype i = 0; i < spoken.size();) {
        if (spoken.at(i).isSpace()) {
            ++i;
            ++codePoints;
            continue;
        }
        qsizetype end = i;
        int tokenCodePoints = 0;
        while (end < spoken.size() && !spoken.at(end).isSpace()) {
            end += spoken.at(end).isHighSurrogate() && end + 1 < spoken.size() ? 2 : 1;
            ++tokenCodePoints;
        }
        if (!first)
            out += pause + ' ';
        first = false;
        const auto span = piece.tokenAt(codePoints + 1);
        if (span && span->position != lastPosition) {
            lastPosition = span->position;
            out += "<mark name=\"" + QByteArray::number(span->position) + ':'
                + QByteArray::number(span->length) + "\"/>";
        }
        appendEscaped(out, QStringView(spoken).mid(i, end - i));
        codePoints += tokenCodePoints;
        i = end;
    }
    out += "</speak>";
    return out;
}

std::optional<SpokenPiece::Span> spanOf(const QByteArray& markName)
{
    const QList<QByteArray> parts = markName.split(':');
    if (parts.size() != 2)
        return std::nullopt;
    bool positionOk = false;
    bool lengthOk = false;
    const qsizetype position = parts[0].toLongLong(&positionOk);
    const qsizetype length = parts[1].toLongLong(&lengthOk);
    if (!positionOk || !lengthOk || position < 0 || length <= 0)
        return std::nullopt;
    return SpokenPiece::Span { position, length };
}

} // namespace suite::SpeechdMarkup
