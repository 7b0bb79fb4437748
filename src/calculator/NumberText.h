#pragma once

#include <QString>

namespace suite::calc {

// The calculator's display is text in German notation ("0,", "12,", "-3,25", "05,"); it
// is read as a number only when an operation needs the value.

// The display text read as a number: an optional "-", digits (leading zeros allowed), an
// optional "," with further digits (a trailing "," is allowed), and, as the calculator itself
// writes large and small results, an optional exponent "E+20"/"E-07". A text that holds
// only "-", or is empty, reads as 0. Anything else that is not such a number reads as 0 as
// well. Digits beyond the range of a double give an infinite value: callers check.
double displayValue(const QString& text);

// A double in German notation: "-" for negatives, integer digits (0 for a zero integer
// part), "," and the fraction digits only when there is a fraction; at most 15 significant
// digits; magnitudes from 1E+15 up and below 1E-05 in exponent form ("1,5E+20", "1E-07").
// Reading the result back with displayValue() gives the value rounded to 15 digits.
// Only finite values have a number text; the result for others is empty.
QString numberText(double value);

} // namespace suite::calc
