#pragma once

#include "core/Result.h"
#include "speech/SpeechEngine.h"

#include <QByteArray>
#include <QString>

namespace suite {

// Speaks the utterance into a WAV file (16-bit mono PCM, 22050 Hz) instead of to the
// speakers. The file is written atomically: on failure an existing file stays as it was.
// Needs espeak-ng for itself: it fails while a speech engine of this process holds it.
Result synthesizeToWav(const Utterance& utterance, const QString& path);

namespace Wav {

// A complete RIFF/WAVE file of 16-bit mono PCM.
QByteArray fileBytes(const QByteArray& pcm, int sampleRate);

} // namespace Wav

} // namespace suite
