#pragma once

#include <QString>

namespace suite::TextPieces {

// espeak gets a long text in pieces of bounded size, so that no single call handles
// megabytes and a stop or a new text never waits for one.
constexpr qsizetype defaultMaxLength = 2000;

// The end (exclusive) of the piece that starts at start: the last sentence end in the
// second half of the allowed length, else the last blank there, else the hard limit
// (never inside a surrogate pair). Returns text.size() when the rest fits.
qsizetype pieceEnd(const QString& text, qsizetype start, qsizetype maxLength = defaultMaxLength);

} // namespace suite::TextPieces
