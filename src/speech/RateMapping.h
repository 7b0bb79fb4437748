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

namespace RateMapping {

constexpr int minimumWordsPerMinute = 50;
constexpr int maximumWordsPerMinute = 450;
constexpr int slowestNativeRate = 80;

// Clamps to minimumWordsPerMinute..maximumWordsPerMinute.
int clampWordsPerMinute(int wordsPerMinute);
EspeakRate espeakRateFor(int wordsPerMinute);

} // namespace RateMapping

} // namespace suite
