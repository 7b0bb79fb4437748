#pragma once

#include "reader/rtf/RtfColorTable.h"
#include "reader/rtf/RtfDocumentBuilder.h"
#include "reader/rtf/RtfFontTable.h"
#include "reader/rtf/RtfGroupState.h"
#include "reader/rtf/RtfIssue.h"
#include "reader/rtf/RtfKeyword.h"
#include "reader/rtf/RtfTextDecoder.h"
#include "reader/rtf/RtfTokenizer.h"

#include <QByteArray>

#include <vector>

class QTextDocument;

namespace suite::rtf {

// The RTF state machine. Groups live on an explicit stack, never on the call stack, so no
// nesting can overflow it; the stack is bounded by kMaxDepth.
class RtfParser {
public:
    static constexpr int kMaxDepth = 1000;

    RtfParser(QByteArrayView input, QTextDocument& document);

    // Reads the whole input into the document and tells what had to be worked around.
    RtfIssues run();

private:
    void openGroup();
    void closeGroup();
    void controlWord(const RtfToken& token);
    void controlSymbol(const RtfToken& token);
    void textBytes(QByteArrayView bytes);
    void flushBytes();
    void tableWord(RtfKeyword keyword, const RtfToken& token);
    void formattingWord(RtfKeyword keyword, const RtfToken& token);
    void unicodeChar(int value);
    void special(char16_t c);
    void noteTrailing(const RtfToken& token);
    int codePageFor(const RtfCharState& chars);
    RtfGroupState& state() { return m_stack.back(); }

    RtfTokenizer m_tokenizer;
    RtfFontTable m_fonts;
    RtfColorTable m_colors;
    RtfTextDecoder m_decoder;
    RtfDocumentBuilder m_builder;
    std::vector<RtfGroupState> m_stack;
    RtfIssues m_issues;
    QByteArray m_pendingBytes; // text of the current state not yet decoded
    int m_flatDepth = 0; // groups opened beyond kMaxDepth and not yet closed
    int m_fallbackSkip = 0; // characters after \uN still to drop
    int m_codePage = RtfTextDecoder::kDefaultCodePage;
    int m_defaultFont = -1;
    bool m_rootClosed = false;
};

} // namespace suite::rtf
