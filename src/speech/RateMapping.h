#pragma once

namespace suite {

// Words per minute as the programs count them, turned into what espeak-ng understands.
// espeak silently treats every rate below 80 as 80, so slower speech is made at 80 with
// longer pauses between the words.
struct EspeakRate {
    int rate = 150; // espeakRATE, 80..450
    int wordGapTens = 0; // espeakWORDGAP, extra pause per word in units of 10 ms

    bool operator==(const EspeakRate&) const = default;
};

// The same for speech-dispatcher, whose rate runs from -100 to 100. Its espeak-ng module
// (Debian's settings: EspeakMinRate 80, EspeakNormalRate 170, EspeakMaxRate 449) turns -100..0
// into 80..170 and 0..100 into 170..449 words a minute, straight lines both; slower speech
// gets a pause after each word, as for espeak-ng.
struct SpeechdRate {
    int rate = 0; // spd_set_voice_rate, -100..100
    int wordBreakMs = 0; // an SSML break after each word

    bool operator==(const SpeechdRate&) const = default;
};

namespace RateMapping {

constexpr int minimumWordsPerMinute = 50;
constexpr int maximumWordsPerMinute = 450;
constexpr int slowestNativeRate = 80;

// Clamps to minimumWordsPerMinute..maximumWordsPerMinute.
int clampWordsPerMinute(int wordsPerMinute);
EspeakRate espeakRateFor(int wordsPerMinute);
SpeechdRate speechdRateFor(int wordsPerMinute);
// Voice pitch 0..100 (50 the voice's own) on speech-dispatcher's -100..100.
int speechdPitchFor(int pitch);

} // namespace RateMapping

} // namespace suite
