#include "reader/rtf/RtfFontTable.h"

namespace suite::rtf {

namespace {

// Windows character sets (\fcharsetN) and the code pages their text is written in.
int codePageForCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        // ANSI (0), default (1), symbol (2) and the rest: the document's code page holds.
        return 0;
    }
}

} // namespace

void RtfFontTable::select(int number)
{
    m_hasCurrent = true;
    m_current = number;
    if (m_entries.contains(number))
        return;
    if (m_entries.size() < kMaxEntries) {
        m_entries.insert(number, Entry {});
    } else {
        m_hasCurrent = false;
        m_overflowed = true;
    }
}

void RtfFontTable::setCharset(int charset)
{
    if (m_hasCurrent)
        m_entries[m_current].charsetCodePage = codePageForCharset(charset);
}

void RtfFontTable::setCodePage(int codePage)
{
    if (m_hasCurrent)
        m_entries[m_current].explicitCodePage = codePage;
}

int RtfFontTable::codePage(int number) const
{
    const auto it = m_entries.constFind(number);
    if (it == m_entries.constEnd())
        return 0;
    return it->explicitCodePage > 0 ? it->explicitCodePage : it->charsetCodePage;
}

} // namespace suite::rtf
