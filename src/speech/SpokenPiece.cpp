#include "speech/SpokenPiece.h"

#include "speech/GermanNumbers.h"

namespace suite {

QString SpokenPiece::cleaned(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        bool keep
            = c >= 0x20 && c != 0x7f && !(c >= 0x80 && c < 0xa0) && c != 0xfffe && c != 0xffff;
        if (QChar::isHighSurrogate(c)) {
            keep = i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode());
            if (keep) {
                dst[i] = QChar(c);
                dst[i + 1] = text.at(i + 1);
                ++i;
                continue;
            }
        } else if (QChar::isLowSurrogate(c)) {
            keep = false;
        }
        dst[i] = keep ? QChar(c) : QChar(u' ');
    }
    return out;
}

SpokenPiece::SpokenPiece(const QString& text, qsizetype start, qsizetype end)
    : m_original(cleaned(QStringView(text).mid(start, end - start)))
    , m_offset(start)
{
    m_spoken = m_original;
    if (end == text.size()) {
        const qsizetype comma = GermanNumbers::trailingDecimalComma(m_original);
        if (comma >= 0) {
            m_spoken = GermanNumbers::speakable(m_original);
            m_expandAt = comma;
            m_expandLength = m_spoken.size() - m_original.size() + 1;
            m_expandGrowth = m_expandLength - 1;
        }
    }
    bool surrogates = false;
    for (QChar c : std::as_const(m_spoken)) {
        if (c.isHighSurrogate()) {
            surrogates = true;
            break;
        }
    }
    if (surrogates) {
        m_codePointIndex.reserve(size_t(m_spoken.size()));
        for (qsizetype i = 0; i < m_spoken.size(); ++i) {
            m_codePointIndex.push_back(i);
            if (m_spoken.at(i).isHighSurrogate())
                ++i;
        }
    }
}

bool SpokenPiece::isBlank() const
{
    for (QChar c : m_original) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

qsizetype SpokenPiece::originalIndex(qsizetype spokenIndex) const
{
    if (m_expandAt < 0 || spokenIndex < m_expandAt)
        return spokenIndex;
    if (spokenIndex < m_expandAt + m_expandLength)
        return m_expandAt; // the spoken comma belongs to the number's token
    return spokenIndex - m_expandGrowth;
}

std::optional<SpokenPiece::Span> SpokenPiece::tokenAt(int characterPosition) const
{
    if (characterPosition < 1)
        return std::nullopt;
    qsizetype spokenIndex = characterPosition - 1;
    if (!m_codePointIndex.empty()) {
        if (size_t(spokenIndex) >= m_codePointIndex.size())
            return std::nullopt;
        spokenIndex = m_codePointIndex[size_t(spokenIndex)];
    }
    if (spokenIndex >= m_spoken.size())
        return std::nullopt;
    qsizetype i = originalIndex(spokenIndex);
    const qsizetype n = m_original.size();
    while (i < n && m_original.at(i).isSpace())
        ++i;
    if (i >= n)
        return std::nullopt;
    qsizetype begin = i;
    while (begin > 0 && !m_original.at(begin - 1).isSpace())
        --begin;
    qsizetype end = i;
    while (end < n && !m_original.at(end).isSpace())
        ++end;
    return Span { m_offset + begin, end - begin };
}

} // namespace suite
