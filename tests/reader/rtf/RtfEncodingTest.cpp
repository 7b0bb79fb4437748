// Code pages, \'hh bytes and \uN characters: the places where umlauts go wrong.
#include "RtfTestSupport.h"

#include <gtest/gtest.h>

using namespace suite;
using namespace suite::test;

TEST(RtfEncoding, HexBytesAndRawBytesUseWindows1252ByDefault)
{
    EXPECT_EQ(text(readRtf("{\\rtf1\\ansi Gr\\'fc\\'dfe \\'84Zitat\\'93 \\'80 \\'C4\\'d6}")),
        QStringLiteral("Grüße „Zitat“ € ÄÖ"));
    EXPECT_EQ(text(readRtf("{\\rtf1 Stra\xdf"
                           "e}")),
        QStringLiteral("Straße"));
}

TEST(RtfEncoding, AnsiCodePageChoosesTheCodePageAndUnknownOnesFallBackTo1252)
{
    EXPECT_EQ(text(readRtf("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}")),
        QStringLiteral("Привет"));
    EXPECT_EQ(text(readRtf("{\\rtf1\\ansi\\ansicpg1250 \\'8a\\'e8\\'f8}")), QStringLiteral("Ščř"));
    EXPECT_EQ(
        text(readRtf("{\\rtf1\\ansi\\ansicpg1253 \\'c1\\'eb\\'f6\\'e1}")), QStringLiteral("Αλφα"));
    EXPECT_EQ(text(readRtf("{\\rtf1\\ansi\\ansicpg4242 \\'e4}")), QStringLiteral("ä"));
    EXPECT_EQ(text(readRtf("{\\rtf1\\mac \\'8a}")), QStringLiteral("ä"));
}

TEST(RtfEncoding, AFontsCharsetDecidesTheCodePageOfItsText)
{
    const auto result = readRtf("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}"
                                "{\\f1\\fcharset204 Arial Cyr;}{\\f2\\fcharset161 Arial Greek;}}"
                                "\\'e4 {\\f1 \\'e4} {\\f2 \\'e4} \\f0 \\'e4}");
    EXPECT_EQ(text(result), QStringLiteral("ä д δ ä"));
}

TEST(RtfEncoding, DoubleByteCodePagesJoinLeadAndTrailBytes)
{
    // Shift-JIS "日本" is 93 FA 96 7B; the trail byte 7B is "{" and must come as \'7b.
    EXPECT_EQ(
        text(readRtf("{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b}")), QStringLiteral("日本"));
}

TEST(RtfEncoding, UnicodeCharactersSkipTheirFallbackAsUcSays)
{
    // Default \uc1: exactly one fallback character is dropped, the next one stays.
    EXPECT_EQ(text(readRtf("{\\rtf1 \\u252?ber \\u8364?uro}")), QStringLiteral("über €uro"));
    // A \'hh or a control word counts as one fallback character.
    EXPECT_EQ(text(readRtf("{\\rtf1 \\uc2\\u214\\'d6\\'d6l \\u8212\\emdash-x}")),
        QStringLiteral("Öl \u2014x"));
    EXPECT_EQ(text(readRtf("{\\rtf1 \\uc0\\u246 l}")), QStringLiteral("öl"));
    EXPECT_EQ(text(readRtf("{\\rtf1 \\uc3\\u228 ab}")), QStringLiteral("ä"));
}

TEST(RtfEncoding, UcIsScopedToItsGroupAndTheSkipEndsAtABrace)
{
    EXPECT_EQ(text(readRtf("{\\rtf1 {\\uc0 \\u228}\\u246?x}")), QStringLiteral("äöx"));
    EXPECT_EQ(text(readRtf("{\\rtf1 \\uc4{\\u228}zwei}")), QStringLiteral("äzwei"));
}

TEST(RtfEncoding, NegativeUnicodeValuesAreSixteenBitUnits)
{
    // Word writes U+F0B7 (a Symbol-font bullet) as \u-3913, "ﬁ" as \u-1279.
    EXPECT_EQ(text(readRtf("{\\rtf1 \\u-3913?\\u-1279?}")), QStringLiteral("\uF0B7\uFB01"));
    // -8364 + 65536 is a lone low surrogate: it shows as the replacement character.
    EXPECT_EQ(text(readRtf("{\\rtf1 a\\u-8364?b}")), QStringLiteral("a\uFFFDb"));
    EXPECT_EQ(
        text(readRtf("{\\rtf1 a\\u-70000?b\\u1114112?c}")), QStringLiteral("a\uFFFDb\uFFFDc"));
}

TEST(RtfEncoding, SurrogatePairsFromTwoUnicodeWordsFormOneCharacter)
{
    // U+1F600 is D83D DE00, written signed as -10179 and -8704.
    const auto result = readRtf("{\\rtf1 a\\u-10179?\\u-8704?b}");
    EXPECT_EQ(text(result), QStringLiteral("a\U0001F600b"));
    EXPECT_EQ(text(readRtf("{\\rtf1 \\u55357?\\u56832?}")), QStringLiteral("\U0001F600"));
    // A half without its partner cannot be shown and must not corrupt the text.
    EXPECT_EQ(text(readRtf("{\\rtf1 a\\u-10179?b}")), QStringLiteral("a\uFFFDb"));
    EXPECT_EQ(text(readRtf("{\\rtf1 a\\u-10179?\\par b}")), QStringLiteral("a\uFFFD\nb"));
    EXPECT_EQ(text(readRtf("{\\rtf1 a\\u-10179?}")), QStringLiteral("a\uFFFD"));
}

TEST(RtfEncoding, ControlCharactersNeverSplitParagraphs)
{
    EXPECT_EQ(text(readRtf("{\\rtf1 a\\'0ab\\'0dc\\u10?d\\'00e\\u0?f}")), QStringLiteral("abcdef"));
}
