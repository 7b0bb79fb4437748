#include "reader/rtf/RtfParser.h"

#include <algorithm>

namespace suite::rtf {

namespace {

// Word's largest font size, 1638 points, in half-points.
constexpr int kMaxFontSize = 3276;

bool isBlank(QByteArrayView text)
{
    return std::all_of(
        text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\0'; });
}

} // namespace

RtfParser::RtfParser(QByteArrayView input, QTextDocument& document)
    : m_tokenizer(input)
    , m_builder(document, m_colors)
{
    m_stack.reserve(64);
    m_stack.emplace_back(); // the state outside every group
}

RtfIssues RtfParser::run()
{
    for (;;) {
        const RtfToken token = m_tokenizer.next();
        if (token.kind == RtfTokenKind::End)
            break;
        if (m_rootClosed)
            noteTrailing(token);
        switch (token.kind) {
        case RtfTokenKind::Text:
            textBytes(token.text);
            break;
        case RtfTokenKind::HexByte:
            if (token.fault != RtfTokenFault::None) {
                m_issues |= RtfIssue::BadHexByte;
            } else {
                const char byte = static_cast<char>(token.byte);
                textBytes(QByteArrayView(&byte, 1));
            }
            break;
        case RtfTokenKind::ControlSymbol:
            controlSymbol(token);
            break;
        case RtfTokenKind::ControlWord:
            controlWord(token);
            break;
        case RtfTokenKind::GroupOpen:
            openGroup();
            break;
        case RtfTokenKind::GroupClose:
            closeGroup();
            break;
        case RtfTokenKind::End:
            break;
        }
    }
    flushBytes();
    if (m_stack.size() > 1 || m_flatDepth > 0)
        m_issues |= RtfIssue::MissingClosingBrace;
    if (m_fonts.overflowed() || m_colors.overflowed())
        m_issues |= RtfIssue::TooManyTableEntries;
    m_builder.finish();
    return m_issues;
}

void RtfParser::openGroup()
{
    flushBytes();
    m_fallbackSkip = 0;
    if (static_cast<int>(m_stack.size()) > kMaxDepth) {
        ++m_flatDepth;
        m_issues |= RtfIssue::NestingTooDeep;
        return;
    }
    m_stack.push_back(m_stack.back());
}

void RtfParser::closeGroup()
{
    flushBytes();
    m_fallbackSkip = 0;
    if (m_flatDepth > 0) {
        --m_flatDepth;
        return;
    }
    if (m_stack.size() <= 1) {
        m_issues |= RtfIssue::StrayClosingBrace;
        return;
    }
    const RtfDestination closing = m_stack.back().destination;
    m_stack.pop_back();
    if (closing == RtfDestination::ColorTable && state().destination != RtfDestination::ColorTable)
        m_colors.finish();
    if (m_stack.size() == 1)
        m_rootClosed = true;
}

void RtfParser::noteTrailing(const RtfToken& token)
{
    if (token.kind == RtfTokenKind::GroupClose)
        return; // reported as a stray brace
    if (token.kind == RtfTokenKind::Text && isBlank(token.text))
        return;
    m_issues |= RtfIssue::TrailingContent;
}

void RtfParser::controlSymbol(const RtfToken& token)
{
    if (token.fault == RtfTokenFault::LoneBackslash)
        return;
    const char symbol = token.symbol;
    if (symbol == '\\' || symbol == '{' || symbol == '}') {
        textBytes(QByteArrayView(&symbol, 1));
        return;
    }
    flushBytes();
    if (m_fallbackSkip > 0) {
        --m_fallbackSkip;
        return;
    }
    switch (symbol) {
    case '*':
        state().destination = RtfDestination::Skipped;
        break;
    case '~':
        special(0x00A0);
        break;
    case '_':
        special(0x2011);
        break;
    default: // \- (optional hyphen) and formula symbols show nothing
        break;
    }
}

void RtfParser::controlWord(const RtfToken& token)
{
    flushBytes();
    if (token.fault == RtfTokenFault::WordTooLong) {
        m_issues |= RtfIssue::ControlWordTooLong;
        return;
    }
    if (token.fault == RtfTokenFault::ParameterTooLong) {
        m_issues |= RtfIssue::ParameterTooLong;
        return;
    }
    const RtfKeyword keyword = lookupKeyword(token.text);
    if (keyword == RtfKeyword::Binary) {
        // The data is skipped wherever it stands: it may hold braces and backslashes.
        if (token.hasParameter && !m_tokenizer.skipBinary(token.parameter))
            m_issues |= RtfIssue::BinaryTruncated;
        if (m_fallbackSkip > 0)
            --m_fallbackSkip;
        return;
    }
    if (m_fallbackSkip > 0) {
        --m_fallbackSkip;
        return;
    }
    if (keyword == RtfKeyword::SkippedDestination) {
        state().destination = RtfDestination::Skipped;
        return;
    }
    switch (state().destination) {
    case RtfDestination::Skipped:
        return;
    case RtfDestination::FontTable:
    case RtfDestination::ColorTable:
        tableWord(keyword, token);
        return;
    case RtfDestination::Text:
        formattingWord(keyword, token);
        return;
    }
}

void RtfParser::tableWord(RtfKeyword keyword, const RtfToken& token)
{
    const int value = token.parameter;
    if (state().destination == RtfDestination::FontTable) {
        if (keyword == RtfKeyword::Font && token.hasParameter)
            m_fonts.select(value);
        else if (keyword == RtfKeyword::FontCharset)
            m_fonts.setCharset(value);
        else if (keyword == RtfKeyword::FontCodePage)
            m_fonts.setCodePage(value);
        return;
    }
    if (keyword == RtfKeyword::Red)
        m_colors.setComponent(RtfColorTable::Channel::Red, value);
    else if (keyword == RtfKeyword::Green)
        m_colors.setComponent(RtfColorTable::Channel::Green, value);
    else if (keyword == RtfKeyword::Blue)
        m_colors.setComponent(RtfColorTable::Channel::Blue, value);
}

void RtfParser::formattingWord(RtfKeyword keyword, const RtfToken& token)
{
    if (const char16_t c = characterFor(keyword)) {
        special(c);
        return;
    }
    RtfCharState& chars = state().chars;
    const bool on = !token.hasParameter || token.parameter != 0;
    const int value = token.parameter;
    switch (keyword) {
    case RtfKeyword::FontTable:
        state().destination = RtfDestination::FontTable;
        break;
    case RtfKeyword::ColorTable:
        state().destination = RtfDestination::ColorTable;
        break;
    case RtfKeyword::Ansi:
        m_codePage = 1252;
        break;
    case RtfKeyword::Mac:
        m_codePage = 10000;
        break;
    case RtfKeyword::Pc:
        m_codePage = 437;
        break;
    case RtfKeyword::Pca:
        m_codePage = 850;
        break;
    case RtfKeyword::AnsiCodePage:
        m_codePage = token.hasParameter && m_decoder.supports(value)
            ? value
            : RtfTextDecoder::kDefaultCodePage;
        break;
    case RtfKeyword::DefaultFont:
        if (token.hasParameter) {
            m_defaultFont = value;
            if (chars.font < 0)
                chars.font = value;
        }
        break;
    case RtfKeyword::Font:
        if (token.hasParameter)
            chars.font = value;
        break;
    case RtfKeyword::Plain:
        chars = RtfCharState {};
        chars.font = m_defaultFont;
        break;
    case RtfKeyword::Bold:
        chars.bold = on;
        break;
    case RtfKeyword::Italic:
        chars.italic = on;
        break;
    case RtfKeyword::Underline:
        chars.underline = on;
        break;
    case RtfKeyword::UnderlineNone:
        chars.underline = false;
        break;
    case RtfKeyword::Strike:
        chars.strike = on;
        break;
    case RtfKeyword::Hidden:
        chars.hidden = on;
        break;
    case RtfKeyword::FontSize:
        chars.fontSize = token.hasParameter ? std::clamp(value, 0, kMaxFontSize) : 0;
        break;
    case RtfKeyword::ForegroundColor:
        chars.color = token.hasParameter ? value : -1;
        break;
    case RtfKeyword::UnicodeSkip:
        state().unicodeSkip = token.hasParameter ? std::max(value, 0) : 1;
        break;
    case RtfKeyword::Unicode:
        if (token.hasParameter)
            unicodeChar(value);
        break;
    case RtfKeyword::Paragraph:
    case RtfKeyword::Section:
    case RtfKeyword::Page:
        // A hidden paragraph mark joins its paragraph to the next, as word processors show it.
        if (!chars.hidden)
            m_builder.paragraphBreak();
        break;
    case RtfKeyword::Cell:
        m_builder.cellEnd();
        break;
    case RtfKeyword::Row:
        m_builder.rowEnd();
        break;
    case RtfKeyword::RowDefaults:
    case RtfKeyword::InTable:
        m_builder.rowStart();
        break;
    default:
        break;
    }
}

void RtfParser::unicodeChar(int value)
{
    m_fallbackSkip = state().unicodeSkip;
    const RtfCharState& chars = state().chars;
    if (chars.hidden)
        return;
    // Writers store code units as signed 16-bit numbers (\u-3913 is U+F0B7); anything below
    // -32768 or above U+10FFFF names no character.
    if (value < 0 && value >= -32768)
        value += 65536;
    if (value >= 0 && value <= 0xFFFF) {
        m_builder.appendUnit(static_cast<char16_t>(value), chars);
    } else if (value > 0xFFFF && value <= 0x10FFFF) {
        const char32_t codePoint = static_cast<char32_t>(value);
        m_builder.appendText(QString::fromUcs4(&codePoint, 1), chars);
    } else {
        m_builder.appendUnit(0xFFFD, chars);
    }
}

void RtfParser::special(char16_t c)
{
    const RtfGroupState& group = state();
    if (group.destination == RtfDestination::Text && !group.chars.hidden)
        m_builder.appendText(QStringView(&c, 1), group.chars);
}

void RtfParser::textBytes(QByteArrayView bytes)
{
    if (m_fallbackSkip > 0) {
        const qsizetype skipped = std::min<qsizetype>(m_fallbackSkip, bytes.size());
        m_fallbackSkip -= static_cast<int>(skipped);
        bytes = bytes.sliced(skipped);
    }
    if (bytes.isEmpty())
        return;
    const RtfGroupState& group = state();
    if (group.destination == RtfDestination::Text) {
        if (!group.chars.hidden)
            m_pendingBytes.append(bytes);
    } else if (group.destination == RtfDestination::ColorTable) {
        for (char c : bytes) {
            if (c == ';')
                m_colors.endEntry();
        }
    }
}

void RtfParser::flushBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    const RtfCharState& chars = state().chars;
    m_builder.appendText(m_decoder.decode(codePageFor(chars), m_pendingBytes), chars);
    m_pendingBytes.truncate(0);
}

int RtfParser::codePageFor(const RtfCharState& chars)
{
    const int fontCodePage = chars.font >= 0 ? m_fonts.codePage(chars.font) : 0;
    if (fontCodePage > 0 && m_decoder.supports(fontCodePage))
        return fontCodePage;
    return m_codePage;
}

} // namespace suite::rtf
