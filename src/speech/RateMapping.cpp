#include "speech/RateMapping.h"

#include <algorithm>
#include <cmath>

namespace suite::RateMapping {

int clampWordsPerMinute(int wordsPerMinute)
{
    return std::clamp(wordsPerMinute, minimumWordsPerMinute, maximumWordsPerMinute);
}

EspeakRate espeakRateFor(int wordsPerMinute)
{
    const int wpm = clampWordsPerMinute(wordsPerMinute);
    if (wpm >= slowestNativeRate)
        return { wpm, 0 };
    // Each word at wpm takes 60000/wpm ms; at 80 it takes 60000/80. The difference becomes
    // the pause after each word, so every step below 80 is audibly slower than the last.
    // A unit of espeak's word gap lasts about 33 ms at rate 80 (measured with German text;
    // the documented 10 ms hold at espeak's default rate), so 50 wpm lasts 80/50 of 80 wpm.
    constexpr double wordGapUnitMs = 33.0;
    const double extraMs = 60000.0 / wpm - 60000.0 / slowestNativeRate;
    return { slowestNativeRate, std::max(1, int(std::lround(extraMs / wordGapUnitMs))) };
}

SpeechdRate speechdRateFor(int wordsPerMinute)
{
    constexpr double minRate = slowestNativeRate;
    constexpr double normalRate = 170;
    constexpr double maxRate = 449;
    const int wpm = clampWordsPerMinute(wordsPerMinute);
    if (wpm < slowestNativeRate)
        return { -100, int(std::lround(60000.0 / wpm - 60000.0 / slowestNativeRate)) };
    const double rate = wpm <= normalRate ? (wpm - normalRate) * 100 / (normalRate - minRate)
                                          : (wpm - normalRate) * 100 / (maxRate - normalRate);
    return { std::clamp(int(std::lround(rate)), -100, 100), 0 };
}

int speechdPitchFor(int pitch)
{
    return std::clamp(pitch, 0, 100) * 2 - 100;
}

} // namespace suite::RateMapping
