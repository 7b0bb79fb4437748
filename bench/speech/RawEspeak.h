#pragma once

#include <QByteArray>

// libespeak-ng driven directly, without anything of ours in between: the baseline.
// The caller holds an EspeakLibrary so that espeak is initialised and no one else uses it.
namespace RawEspeak {

struct Timing {
    double firstAudioMs = 0; // espeak_Synth called -> first samples in the callback
    double firstSentenceMs = 0; // -> the last samples of the text (one sentence) delivered
};

Timing time(const QByteArray& utf8);

} // namespace RawEspeak
