#include "reader/rtf/RtfDocumentBuilder.h"

#include "reader/rtf/RtfColorTable.h"

#include <QFont>
#include <QTextDocument>

namespace suite::rtf {

namespace {

constexpr char16_t replacementChar = 0xFFFD;
constexpr char16_t lineSeparator = 0x2028;

bool isShown(char16_t c)
{
    // Control characters would either vanish or, for CR and LF, split paragraphs that the
    // file never split; Qt reserves U+FDD0/U+FDD1 to mark frames.
    return (c >= 0x20 || c == u'\t') && c != 0xFDD0 && c != 0xFDD1;
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& document, const RtfColorTable& colors)
    : m_cursor(&document)
    , m_colors(colors)
{
    // Inside one edit block the cursor does not lay out the paragraph after each insertion,
    // which would make building quadratic in the paragraph length.
    m_cursor.beginEditBlock();
}

void RtfDocumentBuilder::appendText(QStringView text, const RtfCharState& state)
{
    if (text.isEmpty())
        return;
    dropLoneSurrogate();
    emitPending(state);
    switchTo(state);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isShown(text[i].unicode())) {
            m_run.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    m_run.append(text.sliced(start));
}

void RtfDocumentBuilder::appendUnit(char16_t unit, const RtfCharState& state)
{
    if (QChar::isHighSurrogate(unit)) {
        dropLoneSurrogate();
        m_highSurrogate = unit;
        m_highSurrogateState = state;
        return;
    }
    if (QChar::isLowSurrogate(unit)) {
        if (!m_highSurrogate) {
            const char16_t replacement = replacementChar;
            appendText(QStringView(&replacement, 1), state);
            return;
        }
        const char16_t pair[2] = { m_highSurrogate, unit };
        m_highSurrogate = 0;
        appendText(QStringView(pair, 2), state);
        return;
    }
    appendText(QStringView(&unit, 1), state);
}

void RtfDocumentBuilder::paragraphBreak()
{
    dropLoneSurrogate();
    if (m_inRow)
        ++m_pendingCellLines;
    else
        ++m_pendingParagraphs;
}

void RtfDocumentBuilder::cellEnd()
{
    dropLoneSurrogate();
    m_inRow = true;
    m_pendingCellLines = 0; // the paragraph end that closes the cell's text
    ++m_pendingCells;
}

void RtfDocumentBuilder::rowStart()
{
    m_inRow = true;
}

void RtfDocumentBuilder::rowEnd()
{
    dropLoneSurrogate();
    m_inRow = false;
    m_pendingCellLines = 0;
    m_pendingCells = 0; // no tab after the last cell
    ++m_pendingParagraphs;
}

void RtfDocumentBuilder::finish()
{
    dropLoneSurrogate();
    flushRun();
    m_cursor.endEditBlock();
}

void RtfDocumentBuilder::emitPending(const RtfCharState& state)
{
    if (m_pendingParagraphs == 0 && m_pendingCells == 0 && m_pendingCellLines == 0)
        return;
    switchTo(state);
    m_run.append(QString(m_pendingParagraphs, u'\n'));
    m_run.append(QString(m_pendingCells, u'\t'));
    m_run.append(QString(m_pendingCellLines, QChar(lineSeparator)));
    m_pendingParagraphs = m_pendingCells = m_pendingCellLines = 0;
}

void RtfDocumentBuilder::dropLoneSurrogate()
{
    if (!m_highSurrogate)
        return;
    m_highSurrogate = 0;
    const char16_t replacement = replacementChar;
    appendText(QStringView(&replacement, 1), m_highSurrogateState);
}

void RtfDocumentBuilder::switchTo(const RtfCharState& state)
{
    if (m_hasRun && m_runState.looksLike(state))
        return;
    flushRun();
    m_runState = state;
    m_hasRun = true;
}

void RtfDocumentBuilder::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, formatFor(m_runState));
    m_run.truncate(0);
}

QTextCharFormat RtfDocumentBuilder::formatFor(const RtfCharState& state) const
{
    QTextCharFormat format;
    if (state.bold)
        format.setFontWeight(QFont::Bold);
    if (state.italic)
        format.setFontItalic(true);
    if (state.underline)
        format.setFontUnderline(true);
    if (state.strike)
        format.setFontStrikeOut(true);
    if (state.fontSize > 0)
        format.setFontPointSize(state.fontSize / 2.0);
    const QColor color = m_colors.color(state.color);
    if (color.isValid())
        format.setForeground(color);
    return format;
}

} // namespace suite::rtf
