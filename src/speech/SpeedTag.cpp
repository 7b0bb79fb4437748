#include "speech/SpeedTag.h"

#include <algorithm>

namespace suite {

namespace {

const QString prefix = QStringLiteral("\\Spd=");

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The rate a run of digits stands for, clamped; huge numbers do not overflow.
int clampedRate(QStringView digits, bool* clamped)
{
    qint64 value = 0;
    for (QChar c : digits) {
        value = value * 10 + (c.unicode() - u'0');
        if (value > SpeedTag::maximumRate)
            break;
    }
    const qint64 bounded = std::clamp<qint64>(value, SpeedTag::minimumRate, SpeedTag::maximumRate);
    *clamped = bounded != value;
    return int(bounded);
}

} // namespace

SpeedTag SpeedTag::split(const QString& speakText, int defaultWordsPerMinute)
{
    SpeedTag tag;
    tag.wordsPerMinute = std::clamp(defaultWordsPerMinute, minimumRate, maximumRate);
    if (!speakText.startsWith(prefix, Qt::CaseInsensitive)) {
        tag.text = speakText;
        return tag;
    }
    tag.present = true;
    const qsizetype valueStart = prefix.size();
    qsizetype close = -1;
    for (qsizetype i = valueStart; i < speakText.size() && i <= valueStart + maxValueLength; ++i) {
        const QChar c = speakText.at(i);
        if (c == u'\\') {
            close = i;
            break;
        }
        if (c.isSpace())
            break;
    }
    if (close >= 0) {
        const QStringView value = QStringView(speakText).mid(valueStart, close - valueStart);
        tag.text = speakText.mid(close + 1);
        if (value.isEmpty() || !std::all_of(value.begin(), value.end(), isAsciiDigit)) {
            tag.issue = Issue::Unparsable;
            return tag;
        }
        bool clamped = false;
        tag.wordsPerMinute = clampedRate(value, &clamped);
        tag.issue = clamped ? Issue::Clamped : Issue::None;
        return tag;
    }
    // No closing backslash: the digits that follow are the rate, the rest is the text.
    qsizetype end = valueStart;
    while (end < speakText.size() && isAsciiDigit(speakText.at(end)))
        ++end;
    tag.issue = Issue::Unterminated;
    tag.text = speakText.mid(end);
    if (end > valueStart) {
        bool clamped = false;
        tag.wordsPerMinute
            = clampedRate(QStringView(speakText).mid(valueStart, end - valueStart), &clamped);
    }
    return tag;
}

QString SpeedTag::compose(int wordsPerMinute, const QString& text)
{
    return prefix + QString::number(wordsPerMinute) + u'\\' + text;
}

QString SpeedTag::problem() const
{
    switch (issue) {
    case Issue::None:
        return {};
    case Issue::Clamped:
        return QStringLiteral("Die Sprechgeschwindigkeit liegt außerhalb von %1 bis %2 und wurde "
                              "auf %3 gesetzt.")
            .arg(minimumRate)
            .arg(maximumRate)
            .arg(wordsPerMinute);
    case Issue::Unparsable:
        return QStringLiteral("Die Geschwindigkeitsangabe ist keine Zahl; es gilt %1.")
            .arg(wordsPerMinute);
    case Issue::Unterminated:
        return QStringLiteral("Der Geschwindigkeitsangabe fehlt der abschließende \\; es gilt %1.")
            .arg(wordsPerMinute);
    }
    return {};
}

} // namespace suite
