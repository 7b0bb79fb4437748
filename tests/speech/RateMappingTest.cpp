#include "speech/RateMapping.h"
#include "speech/EspeakLibrary.h"
#include "speech/UtteranceRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace suite;

TEST(RateMapping, NativeRatesPassAndSlowRatesGetLongerGaps)
{
    EXPECT_EQ(RateMapping::espeakRateFor(80), (EspeakRate { 80, 0 }));
    EXPECT_EQ(RateMapping::espeakRateFor(150), (EspeakRate { 150, 0 }));
    EXPECT_EQ(RateMapping::espeakRateFor(450), (EspeakRate { 450, 0 }));
    EXPECT_EQ(RateMapping::espeakRateFor(9000), (EspeakRate { 450, 0 }));
    EXPECT_EQ(RateMapping::espeakRateFor(-3), RateMapping::espeakRateFor(50));
    // Below espeak's slowest rate every step is at least as slow as the one above it, and
    // every one of them is slower than 80.
    int previousGap = 0;
    for (int wpm = 79; wpm >= 50; --wpm) {
        const EspeakRate r = RateMapping::espeakRateFor(wpm);
        EXPECT_EQ(r.rate, 80) << wpm;
        EXPECT_GE(r.wordGapTens, std::max(1, previousGap)) << wpm;
        previousGap = r.wordGapTens;
    }
    EXPECT_GT(RateMapping::espeakRateFor(50).wordGapTens, RateMapping::espeakRateFor(65).wordGapTens);
}

namespace {

qint64 samplesAt(UtteranceRenderer& renderer, int wpm)
{
    Utterance u;
    u.text = QStringLiteral("Heute scheint die Sonne über den Bergen und die Kinder spielen im "
                            "Garten hinter dem alten Haus am See.");
    u.wordsPerMinute = wpm;
    qint64 total = 0;
    renderer.render(u, [&](const qint16*, int count, const auto&) {
        total += count;
        return true;
    });
    return total;
}

} // namespace

TEST(RateMapping, RealSpeechGetsLongerTheSlowerTheRate)
{
    EspeakLibrary library;
    ASSERT_TRUE(library.isAvailable()) << qPrintable(library.error());
    UtteranceRenderer renderer(library);
    const qint64 at50 = samplesAt(renderer, 50);
    const qint64 at79 = samplesAt(renderer, 79);
    const qint64 at80 = samplesAt(renderer, 80);
    const qint64 at100 = samplesAt(renderer, 100);
    const qint64 at250 = samplesAt(renderer, 250);
    const qint64 at450 = samplesAt(renderer, 450);
    EXPECT_GT(double(at50) / at79, 1.3);
    // 50 words a minute last 80/50 of 80 words a minute, not twice that
    EXPECT_NEAR(double(at50) / at80, 80.0 / 50.0, 0.25);
    EXPECT_GT(at79, at80);
    EXPECT_GT(double(at79) / at100, 1.1);
    EXPECT_GT(double(at100) / at250, 1.8);
    EXPECT_GT(at250, at450);
}
