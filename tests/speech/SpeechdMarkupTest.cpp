#include "speech/SpeechdMarkup.h"
#include "speech/RateMapping.h"

#include <gtest/gtest.h>

using namespace suite;

TEST(SpeechdMarkup, EveryWordGetsAMarkWithItsSpanAndMarkupIsText)
{
    const QString text = QStringLiteral("x Tom & <Jerry> \"Ü\"  \U0001F600 0,");
    // The piece from 2 on; positions stay those of the whole text.
    const SpokenPiece piece(text, 2, text.size());
    const QByteArray ssml = SpeechdMarkup::ssml(piece);
    EXPECT_EQ(ssml,
        "<speak><mark name=\"2:3\"/>Tom <mark name=\"6:1\"/>&amp; <mark "
        "name=\"8:7\"/>&lt;Jerry&gt; "
        "<mark name=\"16:3\"/>&quot;\xc3\x9c&quot; <mark name=\"21:2\"/>\xf0\x9f\x98\x80 "
        "<mark name=\"24:2\"/>0 komma</speak>");
    EXPECT_EQ(SpeechdMarkup::spanOf("8:7"), (SpokenPiece::Span { 8, 7 }));
    EXPECT_FALSE(SpeechdMarkup::spanOf("8"));
    EXPECT_FALSE(SpeechdMarkup::spanOf("a:b"));
    EXPECT_FALSE(SpeechdMarkup::spanOf("3:0"));
}

TEST(SpeechdMarkup, SlowSpeechPausesAfterEachWordButTheLast)
{
    const QString text = QStringLiteral("eins zwei");
    const SpokenPiece piece(text, 0, text.size());
    EXPECT_EQ(SpeechdMarkup::ssml(piece, 450),
        "<speak><mark name=\"0:4\"/>eins<break time=\"450ms\"/> <mark name=\"5:4\"/>zwei</speak>");
}

TEST(RateMapping, SpeechdScaleFollowsItsEspeakNgModule)
{
    EXPECT_EQ(RateMapping::speechdRateFor(170), (SpeechdRate { 0, 0 }));
    EXPECT_EQ(RateMapping::speechdRateFor(80), (SpeechdRate { -100, 0 }));
    EXPECT_EQ(RateMapping::speechdRateFor(150), (SpeechdRate { -22, 0 }));
    EXPECT_EQ(RateMapping::speechdRateFor(250), (SpeechdRate { 29, 0 }));
    EXPECT_EQ(RateMapping::speechdRateFor(449), (SpeechdRate { 100, 0 }));
    EXPECT_EQ(RateMapping::speechdRateFor(450), (SpeechdRate { 100, 0 }));
    // Below 80 the pause after each word makes up the difference: 60000/50 - 60000/80 ms.
    EXPECT_EQ(RateMapping::speechdRateFor(50), (SpeechdRate { -100, 450 }));
    EXPECT_EQ(RateMapping::speechdPitchFor(50), 0);
    EXPECT_EQ(RateMapping::speechdPitchFor(0), -100);
    EXPECT_EQ(RateMapping::speechdPitchFor(130), 100);
}
