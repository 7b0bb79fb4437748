#include "browser/PageTextBox.h"

#include <QTextBlock>
#include <QTextDocument>

#include <array>

namespace suite::browser {

namespace {

// Every text a document ends a line with when it takes in plain text, by the number kept in
// the line's user state. A line without a number ends in LF.
const std::array<QString, 6> lineEnds
    = { QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\r"),
          QString(QChar::ParagraphSeparator), QString(QChar(0xfdd0)), QString(QChar(0xfdd1)) };

QString lineEndOf(const QTextBlock& block)
{
    const int kind = block.userState();
    return kind > 0 && kind < int(lineEnds.size()) ? lineEnds.at(size_t(kind)) : lineEnds.front();
}

} // namespace

PageTextBox::PageTextBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
}

void PageTextBox::setPageText(const QString& text)
{
    setPlainText(text);
    QTextBlock block = document()->firstBlock();
    for (qsizetype i = 0; i < text.size() && block.isValid(); ++i) {
        const QChar c = text.at(i);
        int kind = -1;
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            kind = 1;
            ++i;
        } else {
            for (size_t k = 0; k < lineEnds.size(); ++k) {
                if (lineEnds.at(k).size() == 1 && lineEnds.at(k).front() == c)
                    kind = int(k);
            }
        }
        if (kind < 0)
            continue;
        block.setUserState(kind);
        block = block.next();
    }
}

QString PageTextBox::pageText() const
{
    return textBetween(0, document()->characterCount() - 1);
}

QString PageTextBox::markedText() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return {};
    return textBetween(cursor.selectionStart(), cursor.selectionEnd());
}

QString PageTextBox::textBetween(int start, int end) const
{
    QString text;
    for (QTextBlock block = document()->findBlock(start); block.isValid(); block = block.next()) {
        const int blockStart = block.position();
        if (blockStart > end)
            break;
        const int lineLength = block.length() - 1; // without its end
        const int from = std::max(start, blockStart) - blockStart;
        const int to = std::min(end, blockStart + lineLength) - blockStart;
        text += block.text().mid(from, to - from);
        // The line's end belongs to the text when the range goes on past it.
        if (end > blockStart + lineLength)
            text += lineEndOf(block);
    }
    return text;
}

} // namespace suite::browser
