#pragma once

#include "speech/SpokenPiece.h"

#include <QByteArray>

#include <optional>

namespace suite::SpeechdMarkup {

// A piece of an utterance as SSML for speech-dispatcher: each word is led by an index mark
// that names its span in the utterance's text ("POSITION:LENGTH"), so the service reports the
// word when it is heard; wordBreakMs of silence follow each word but the last.
QByteArray ssml(const SpokenPiece& piece, int wordBreakMs = 0);

// The span a mark made by ssml() names; nothing for any other mark.
std::optional<SpokenPiece::Span> spanOf(const QByteArray& markName);

} // namespace suite::SpeechdMarkup
