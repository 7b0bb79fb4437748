#pragma once

#include <QPlainTextEdit>

namespace suite::browser {

// The text box that holds the page's text (Text1). A text document keeps paragraphs, not the
// characters that ended them, so the box notes for each line how it ended (CR LF, CR, LF, ...)
// and gives the text back with exactly those breaks: the frame headings keep their CR LF in
// what is spoken, also in a marked passage and after the user's edits elsewhere.
class PageTextBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PageTextBox(QWidget* parent = nullptr);

    void setPageText(const QString& text);
    // The whole text with its own line breaks (a line the user added ends in LF).
    QString pageText() const;
    // The marked part, the same way; empty when nothing is marked.
    QString markedText() const;

private:
    QString textBetween(int start, int end) const;
};

} // namespace suite::browser
