#pragma once

#include "reader/rtf/RtfGroupState.h"

#include <QHash>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextDocument;

namespace suite::rtf {

class RtfColorTable;

// Writes the read text into a QTextDocument. Text of one look is collected into a run and
// inserted in one go; paragraph, cell and row ends are held back until more text follows,
// so a table comes out as one paragraph per row with its cells separated by tabs, and the
// closing \par of a file adds no empty paragraph.
class RtfDocumentBuilder {
public:
    RtfDocumentBuilder(QTextDocument& document, const RtfColorTable& colors);

    void appendText(QStringView text, const RtfCharState& state);
    // One UTF-16 unit from \uN: surrogate halves are paired, a lone half becomes U+FFFD.
    void appendUnit(char16_t unit, const RtfCharState& state);
    void paragraphBreak();
    void cellEnd();
    void rowStart();
    void rowEnd();
    void finish();

private:
    void emitPending(const RtfCharState& state);
    void dropLoneSurrogate();
    void switchTo(const RtfCharState& state);
    void flushRun();
    QTextCharFormat formatFor(const RtfCharState& state) const;

    QTextCursor m_cursor;
    const RtfColorTable& m_colors;
    QString m_run;
    RtfCharState m_runState;
    bool m_hasRun = false;
    int m_pendingParagraphs = 0;
    int m_pendingCells = 0;
    int m_pendingCellLines = 0; // paragraph ends inside a cell: shown as line breaks
    bool m_inRow = false;
    char16_t m_highSurrogate = 0;
    RtfCharState m_highSurrogateState;
};

} // namespace suite::rtf
