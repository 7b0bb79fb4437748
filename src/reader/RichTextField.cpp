#include "reader/RichTextField.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextDocument>

#include <algorithm>

namespace suite::reader {

RichTextField::RichTextField(QWidget* parent)
    : QTextEdit(parent)
{
    setAcceptRichText(true);
    // Tab leaves the field, so every control stays reachable from the keyboard.
    setTabChangesFocus(true);
    connect(this, &QTextEdit::textChanged, this, &RichTextField::changed);
    watch(document());
}

void RichTextField::watch(QTextDocument* document)
{
    connect(document, &QTextDocument::contentsChange, this, &RichTextField::contentsChanged);
}

namespace {

// The document's own characters as toPlainText() gives them.
QChar plain(QChar c)
{
    switch (c.unicode()) {
    case 0x2029: // paragraph separator
    case 0x2028: // line separator
    case 0xfdd0: // start of a frame
    case 0xfdd1: // end of a frame
        return QLatin1Char('\n');
    case 0x00a0:
        return QLatin1Char(' ');
    default:
        return c;
    }
}

} // namespace

QChar RichTextField::characterAt(int position) const
{
    if (position < 0 || position >= document()->characterCount() - 1)
        return QChar();
    return plain(document()->characterAt(position));
}

QString RichTextField::textRange(int start, int length) const
{
    QTextCursor cursor(document());
    const int end = document()->characterCount() - 1;
    cursor.setPosition(std::clamp(start, 0, end));
    cursor.setPosition(std::clamp(start + length, 0, end), QTextCursor::KeepAnchor);
    QString text = cursor.selectedText();
    for (QChar& c : text)
        c = plain(c);
    return text;
}

QString RichTextField::text() const
{
    return document()->toPlainText();
}

void RichTextField::setText(const QString& text)
{
    clearSpokenWord();
    setPlainText(text);
}

QString RichTextField::markedText() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return QString();
    return textRange(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
}

int RichTextField::markStart() const
{
    return textCursor().selectionStart();
}

int RichTextField::caretPosition() const
{
    return textCursor().position();
}

void RichTextField::replaceMarkedText(const QString& text)
{
    // One edit: the change is reported once, with the caret already behind the new text.
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void RichTextField::takeDocument(std::unique_ptr<QTextDocument> document)
{
    clearSpokenWord();
    document->setDefaultFont(font());
    // The field frees only the first document it made itself; every loaded one is the
    // field's and goes as soon as the next takes its place, so opening file after file
    // keeps one document in memory.
    QTextDocument* previous = this->document();
    if (previous->parent() != this)
        previous = nullptr; // the first one: setDocument() frees it
    document->setParent(this);
    watch(document.get());
    setDocument(document.release());
    delete previous;
    emit changed();
}

void RichTextField::showSpokenWord(int position, int length)
{
    const int end = document()->characterCount() - 1;
    if (position < 0 || length <= 0 || position + length > end) {
        clearSpokenWord();
        return;
    }
    QTextCursor cursor(document());
    cursor.setPosition(position);
    cursor.setPosition(position + length, QTextCursor::KeepAnchor);
    m_spoken = cursor;
    QTextEdit::ExtraSelection mark;
    mark.cursor = cursor;
    mark.format.setBackground(palette().color(QPalette::Highlight).lighter(160));
    mark.format.setForeground(palette().color(QPalette::Text));
    setExtraSelections({ mark });
    // Keep the word in view without moving the caret.
    QTextCursor at(document());
    at.setPosition(position);
    const QRect word = cursorRect(at);
    if (word.top() < 0 || word.bottom() > viewport()->height()) {
        QScrollBar* bar = verticalScrollBar();
        bar->setValue(bar->value() + word.top() - viewport()->height() / 3);
    }
}

void RichTextField::clearSpokenWord()
{
    m_spoken = QTextCursor();
    if (!extraSelections().isEmpty())
        setExtraSelections({});
}

QTextCursor RichTextField::spokenWord() const
{
    return m_spoken;
}

void RichTextField::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.size() == 1)
        emit keyPressed(typed.at(0));
    QTextEdit::keyPressEvent(event);
}

void RichTextField::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}

} // namespace suite::reader
