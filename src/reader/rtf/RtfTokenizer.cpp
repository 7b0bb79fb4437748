#include "reader/rtf/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace suite::rtf {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken tokenOf(RtfTokenKind kind)
{
    RtfToken token;
    token.kind = kind;
    return token;
}

bool endsText(char c)
{
    return c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n';
}

} // namespace

RtfTokenizer::RtfTokenizer(QByteArrayView input)
    : m_input(input)
{
}

RtfToken RtfTokenizer::next()
{
    while (m_pos < m_input.size()) {
        const char c = m_input[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            return tokenOf(RtfTokenKind::GroupOpen);
        case '}':
            ++m_pos;
            return tokenOf(RtfTokenKind::GroupClose);
        case '\\':
            return readControl();
        case '\r':
        case '\n':
            ++m_pos;
            continue;
        default:
            return readText();
        }
    }
    return tokenOf(RtfTokenKind::End);
}

bool RtfTokenizer::skipBinary(qint64 count)
{
    const qint64 left = m_input.size() - m_pos;
    const qint64 skipped = std::clamp<qint64>(count, 0, left);
    m_pos += skipped;
    return skipped == std::max<qint64>(count, 0);
}

RtfToken RtfTokenizer::readText()
{
    const qsizetype start = m_pos;
    while (m_pos < m_input.size() && !endsText(m_input[m_pos]))
        ++m_pos;
    RtfToken token = tokenOf(RtfTokenKind::Text);
    token.text = m_input.sliced(start, m_pos - start);
    return token;
}

RtfToken RtfTokenizer::readControl()
{
    ++m_pos; // the backslash
    RtfToken token;
    if (m_pos >= m_input.size()) {
        token.kind = RtfTokenKind::ControlSymbol;
        token.fault = RtfTokenFault::LoneBackslash;
        return token;
    }
    const char first = m_input[m_pos];
    if (first == '\'') {
        ++m_pos;
        token.kind = RtfTokenKind::HexByte;
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_input.size() && hexValue(m_input[m_pos]) >= 0) {
            value = value * 16 + hexValue(m_input[m_pos]);
            ++m_pos;
            ++digits;
        }
        token.byte = static_cast<unsigned char>(value);
        if (digits < 2)
            token.fault = RtfTokenFault::BadHexByte;
        return token;
    }
    if (first == '\r' || first == '\n') {
        // A backslash before a line end is an old way of writing \par.
        ++m_pos;
        token.kind = RtfTokenKind::ControlWord;
        token.text = "par";
        return token;
    }
    if (!isLetter(first)) {
        ++m_pos;
        token.kind = RtfTokenKind::ControlSymbol;
        token.symbol = first;
        return token;
    }

    token.kind = RtfTokenKind::ControlWord;
    const qsizetype start = m_pos;
    while (m_pos < m_input.size() && isLetter(m_input[m_pos]))
        ++m_pos;
    token.text = m_input.sliced(start, m_pos - start);
    if (token.text.size() > kMaxWordLetters)
        token.fault = RtfTokenFault::WordTooLong;

    bool negative = false;
    if (m_pos + 1 < m_input.size() && m_input[m_pos] == '-' && isDigit(m_input[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    qint64 value = 0;
    int digits = 0;
    // Every digit is consumed even past the limit, so an overlong number never leaks into
    // the text; only the first digits are accumulated, which keeps the value from overflowing.
    while (m_pos < m_input.size() && isDigit(m_input[m_pos])) {
        if (digits < kMaxParameterDigits)
            value = value * 10 + (m_input[m_pos] - '0');
        ++digits;
        ++m_pos;
    }
    if (digits > 0) {
        token.hasParameter = true;
        if (negative)
            value = -value;
        if (digits > kMaxParameterDigits || value > std::numeric_limits<int>::max()
            || value < std::numeric_limits<int>::min()) {
            if (token.fault == RtfTokenFault::None)
                token.fault = RtfTokenFault::ParameterTooLong;
        } else {
            token.parameter = static_cast<int>(value);
        }
    }
    if (m_pos < m_input.size() && m_input[m_pos] == ' ')
        ++m_pos; // the delimiter belongs to the control word
    return token;
}

} // namespace suite::rtf
