#include "speech/GermanNumbers.h"

namespace suite::GermanNumbers {

qsizetype trailingDecimalComma(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    if (end < 2 || text.at(end - 1) != u',')
        return -1;
    const qsizetype comma = end - 1;
    qsizetype i = comma;
    while (i > 0 && text.at(i - 1).isDigit() && text.at(i - 1).unicode() < 128)
        --i;
    if (i == comma)
        return -1;
    if (i > 0 && text.at(i - 1) == u'-')
        --i;
    // The number must be a token of its own: "a12," or "1.2," are something else.
    if (i > 0 && !text.at(i - 1).isSpace())
        return -1;
    return comma;
}

QString speakable(const QString& text)
{
    const qsizetype comma = trailingDecimalComma(text);
    if (comma < 0)
        return text;
    QString result = text;
    result.replace(comma, 1, QStringLiteral(" komma"));
    return result;
}

} // namespace suite::GermanNumbers
