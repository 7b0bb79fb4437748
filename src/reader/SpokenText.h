#pragma once

#include <QChar>
#include <QString>

#include <functional>
#include <optional>

// The texts the reader derives from what the user typed or marked.
namespace suite::reader::spoken {

// The word echo: when the character just in front of the caret (caret = characters before
// it) is a blank typed after at least one other character, the text from the blank before
// it (included) or from the start of the text, up to the new blank (excluded). Otherwise
// nothing.
// Positions count from 0; charAt gives the character at a position in front of the caret.
struct TextRange {
    int start = 0;
    int length = 0;
};
std::optional<TextRange> wordBeforeBlank(const std::function<QChar(int)>& charAt, int caret);

// The letter echo speaks a typed character unless it is a control character or "§".
bool isEchoedLetter(QChar c);

// The text backwards, character by character as the reader sees them: a letter with its
// accents and a character beyond 16 bits stay whole.
QString reversed(const QString& text);

// The test text of the button "Test", with its line breaks.
QString testText();

// A clipboard text is taken up to this many characters, by the watch and by "ClipBoard".
constexpr int clipboardTextLimit = 2'000'000;
// The text up to the limit; a character beyond 16 bits is never split.
QString cutAtLimit(const QString& text, int limit = clipboardTextLimit);

// Where a position of a text handed to the character lies in the field that shows it: the
// field keeps a CR LF line break as one character.
int fieldPosition(const QString& text, int position);

} // namespace suite::reader::spoken
