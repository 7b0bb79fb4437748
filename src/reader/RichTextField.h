#pragma once

#include <QTextEdit>

#include <memory>

class QTextDocument;

namespace suite::reader {

// The reader's text field. The handlers see it as a plain text: positions count characters
// of text() from 0, a paragraph break is one "\n". Formatting (from an RTF file) is shown
// but never read. The spoken word is marked apart from the user's selection, so the caret
// and the marked text the handlers read never move while the character reads.
class RichTextField : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextField(QWidget* parent = nullptr);

    QString text() const;
    // The character at a position ("\n" for a paragraph break); a null character outside
    // the text. Cheap, unlike text() on a long document.
    QChar characterAt(int position) const;
    // The characters [start, start + length) as text() has them.
    QString textRange(int start, int length) const;
    // Replaces the whole text by plain text; the caret goes to the start.
    void setText(const QString& text);
    // Empty when nothing is marked.
    QString markedText() const;
    int markStart() const;
    // The number of characters in front of the caret.
    int caretPosition() const;
    // Puts the text in place of the marked text, or at the caret when nothing is marked;
    // the caret ends behind it.
    void replaceMarkedText(const QString& text);
    // Shows a loaded document instead of the current one; the field owns it from now on.
    void takeDocument(std::unique_ptr<QTextDocument> document);

    // Marks the characters [position, position + length) as being spoken.
    void showSpokenWord(int position, int length);
    void clearSpokenWord();
    // The range marked as spoken, or an empty selection when none is.
    QTextCursor spokenWord() const;

signals:
    // The text changed: typed, pasted, dropped, loaded or set by a handler.
    void changed();
    // Characters [position, position + removed) became added new ones (also sent for a
    // change of formatting only, with removed == added).
    void contentsChanged(int position, int removed, int added);
    // A printable or control character key went to the field; sent before the field
    // inserts it.
    void keyPressed(QChar character);
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void watch(QTextDocument* document);

    QTextCursor m_spoken;
};

} // namespace suite::reader
