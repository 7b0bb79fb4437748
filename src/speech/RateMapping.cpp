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

} // namespace suite::RateMapping
