#pragma once

#include <QString>

namespace suite::GermanNumbers {

// espeak reads German numbers with a decimal comma ("0,5", "-3,25") correctly, but takes
// the comma of a number that ends in one ("12,", "0,", "05,", as a calculator shows them
// while a number is typed) for a pause and drops it. Such a number at the very end of a
// text (blanks may follow) has its comma spoken as "komma". A number followed by a comma
// and more words is ordinary punctuation and stays as it is.

// Index of the comma that must be spoken, or -1.
qsizetype trailingDecimalComma(const QString& text);

// The text as espeak must see it to read such numbers aloud as German numerals.
QString speakable(const QString& text);

} // namespace suite::GermanNumbers
