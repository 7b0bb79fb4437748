#include "KeyPresser.h"

#include <gtest/gtest.h>

using suite::calc::CalculatorEngine;
using suite::test::KeyPresser;
using Icon = suite::calc::CalculatorWindowPort::Icon;
using Keys = QStringList;

TEST(NumberEntry, DigitsBuildTheDisplayWithItsTrailingComma)
{
    KeyPresser k;
    EXPECT_EQ(k.engine.display(), "0,");
    k.press({ "5" });
    EXPECT_EQ(k.engine.display(), "5,");
    k.press({ "3" });
    EXPECT_EQ(k.engine.display(), "53,");
    k.press({ "," });
    EXPECT_EQ(k.engine.display(), "53,");
    k.press({ "2" });
    EXPECT_EQ(k.engine.display(), "53,2");
    EXPECT_EQ(k.takeSpoken(), (Keys { "5", "3", " Komma ", "2" }));
}

TEST(NumberEntry, LeadingZerosStayAndASecondCommaChangesNothing)
{
    KeyPresser k;
    k.press({ "0", "5" });
    EXPECT_EQ(k.engine.display(), "05,");
    k.press({ "+", "1", "=" });
    EXPECT_EQ(k.engine.display(), "6");

    KeyPresser c;
    c.press({ "1", ",", "5", ",", "2" });
    EXPECT_EQ(c.engine.display(), "1,52");
}

TEST(NumberEntry, MinusFirstStartsANegativeNumber)
{
    KeyPresser k;
    k.press({ "-" });
    EXPECT_EQ(k.engine.display(), "-0,");
    EXPECT_EQ(k.takeSpoken(), (Keys { " minus " }));
    k.press({ "5" });
    EXPECT_EQ(k.engine.display(), "-5,");
    k.press({ "+", "8", "=" });
    EXPECT_EQ(k.engine.display(), "3");

    KeyPresser d;
    d.press({ "-", ",", "5" });
    EXPECT_EQ(d.engine.display(), "-0,5");
}

TEST(Operators, ChainsComputeLeftToRightWithoutPrecedence)
{
    KeyPresser k;
    k.press({ "2", "+", "3", "+" });
    EXPECT_EQ(k.engine.display(), "5");
    k.press({ "4", "=" });
    EXPECT_EQ(k.engine.display(), "9");
    k.takeSpoken();

    KeyPresser m;
    m.press({ "2", "+", "3", "X", "4", "=" });
    EXPECT_EQ(m.engine.display(), "20");
    EXPECT_EQ(m.takeSpoken().last(), " Ist gleich 20");
}

TEST(Operators, EqualsSpeaksTheResultInOneRequest)
{
    KeyPresser k;
    k.press({
        "1",
        "2",
        ",",
        "=",
    });
    EXPECT_EQ(k.takeSpoken(), (Keys { "1", "2", " Komma ", " Ist gleich 12" }));
    k.press({ "7", "/", "2", "=" });
    EXPECT_EQ(k.engine.display(), "3,5");
    EXPECT_EQ(k.takeSpoken().last(), " Ist gleich 3,5");
}

TEST(Operators, AMinusAfterAnOperatorBecomesTheSignOfTheNextNumber)
{
    KeyPresser k;
    k.press({ "5", "+", "-" });
    EXPECT_EQ(k.engine.display(), "-");
    k.press({ "3", "=" });
    EXPECT_EQ(k.engine.display(), "2");
    EXPECT_EQ(k.takeSpoken(), (Keys { "5", " plus ", " minus ", "3", " Ist gleich 2" }));
}

TEST(Operators, OnlyTheLastOfSeveralOperatorKeysCounts)
{
    KeyPresser k;
    k.press({ "5", "+", "X", "3", "=" });
    EXPECT_EQ(k.engine.display(), "15");
}

TEST(Operators, EqualsAfterANewNumberReplacesTheResult)
{
    KeyPresser k;
    k.press({ "2", "+", "3", "=", "7", "=" });
    EXPECT_EQ(k.engine.display(), "7");
}

TEST(Operators, DivisionByZeroWarnsAndKeepsTheFirstOperand)
{
    KeyPresser k;
    k.press({ "7", "/", "0", "=" });
    ASSERT_EQ(k.window.messages.size(), 1);
    EXPECT_EQ(k.window.messages[0].text, "Division durch Null ist nicht möglich");
    EXPECT_EQ(k.window.messages[0].title, "Rechner");
    EXPECT_EQ(k.window.messages[0].icon, Icon::Warning);
    EXPECT_EQ(k.engine.display(), "7,");
    EXPECT_EQ(k.takeSpoken().last(), " Ist gleich 7");
}

TEST(Operators, AKeyOtherThanADigitTakesAPendingSignBackAndKeepsTheFirstOperand)
{
    // Each case: the keys, then the display after them.
    const QList<std::pair<Keys, QString>> cases = {
        { { "5", "+", "-", "X", "3", "=" }, "15" }, // the new operator replaces the sign
        { { "5", "+", "-", "-", "3", "=" }, "2" }, // a second minus keeps the sign
        { { "5", "+", "-", "=" }, "5," },
        { { "5", "+", "-", "+/-" }, "5," },
        { { "5", "+", "-", "+/-", "3", "=" }, "8" },
        { { "5", "+", "-", "sqr", "=" }, "7,23606797749979" },
        { { "5", "+", "-", "M+", "MR" }, "5," },
        { { "2", "0", "+", "-", "%" }, "4" },
        { { "-", "+/-", "5" }, "5," }, // the sign is gone from the state, not only the screen
        { { "-", "X", "3", "=" }, "3," },
    };
    for (const auto& [keys, shown] : cases) {
        KeyPresser k;
        k.press(keys);
        EXPECT_EQ(k.engine.display(), shown) << qPrintable(keys.join(' '));
        EXPECT_NE(k.engine.inputKind(), CalculatorEngine::InputKind::Neg);
    }

    KeyPresser k;
    k.press({ "5", "+", "-" });
    k.takeSpoken();
    k.press({ "=", "-", "-", "2", "=" });
    EXPECT_EQ(
        k.takeSpoken(), (Keys { " Ist gleich 5", " minus ", " minus ", "2", " Ist gleich 7" }));
}

TEST(Percent, TakesThePercentageOfTheFirstOperand)
{
    KeyPresser k;
    k.press({ "2", "0", "0", "+", "1", "0" });
    k.takeSpoken();
    k.press({ "%" });
    EXPECT_EQ(k.engine.display(), "20");
    EXPECT_EQ(k.takeSpoken(), (Keys { " Prozent. Ist gleich 20" }));
    EXPECT_EQ(k.engine.inputKind(), CalculatorEngine::InputKind::Nums);
}

TEST(Percent, WithoutAFirstOperandResetsAndMovesTheWindowBack)
{
    KeyPresser k;
    const int placed = k.window.placements;
    k.press({ "5", "%" });
    EXPECT_EQ(k.engine.display(), "0,");
    EXPECT_EQ(k.window.placements, placed + 1);
    EXPECT_EQ(k.engine.pendingOp(), " ");
    EXPECT_EQ(k.takeSpoken().last(), " Prozent. Ist gleich 0,");
}

TEST(Results, ADigitOrCommaAfterAnyResultStartsANewNumber)
{
    const QList<std::pair<Keys, QString>> cases = {
        { { "5", "0", "+", "2", "5", "%", "7" }, "7," },
        { { "5", "0", "+", "2", "5", "%", ",", "7" }, "0,7" },
        { { "1", "2", "M+", "3" }, "3," },
        { { "1", "2", "M-", ",", "4" }, "0,4" },
        { { "1", "2", "M+", "C", "MR", ",", "5", "3" }, "0,53" },
        { { "1", "2", "M+", "C", "MR", "3", "4" }, "34," },
        { { "9", "sqr", "2" }, "2," },
        { { "2", ",", "2", "5", "sqr", "7" }, "7," },
        { { "9", "sqr", "+/-", "4" }, "4," },
    };
    for (const auto& [keys, shown] : cases) {
        KeyPresser k;
        k.press(keys);
        EXPECT_EQ(k.engine.display(), shown) << qPrintable(keys.join(' '));
    }
}

TEST(Results, ASquareRootOrRecalledNumberTakesPartLikeATypedNumber)
{
    const QList<std::pair<Keys, QString>> cases = {
        { { "9", "sqr", "+", "1", "=" }, "4" },
        { { "1", "6", "+", "9", "sqr", "=" }, "19" },
        { { "9", "sqr", "X", "2", "=" }, "6" },
        { { "7", "+", "9", "=", "sqr", "X", "9", "sqr", "=" }, "12" },
        { { "9", "sqr", "+/-", "+", "1", "=" }, "-2" },
        { { "4", "M+", "C", "1", "+", "MR", "=" }, "5" },
        { { "4", "M+", "C", "1", "0", "+", "MR", "3", "=" }, "13" }, // the digit replaced 4
        { { "2", "0", "0", "+", "1", "0", "%", "X", "3", "=" }, "60" },
    };
    for (const auto& [keys, shown] : cases) {
        KeyPresser k;
        k.press(keys);
        EXPECT_EQ(k.engine.display(), shown) << qPrintable(keys.join(' '));
    }
}

TEST(Results, ANumberInExponentFormIsRecalledSpokenAndComputedAsItself)
{
    KeyPresser k;
    k.press({ "9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "+", "1",
        "=", "M+", "C", "MR" });
    EXPECT_EQ(k.engine.display(), "1E+15");
    EXPECT_EQ(k.takeSpoken().last(2), (Keys { " Speicher lesen ", "1E+15" }));
    k.press({ "X", "2", "=" });
    EXPECT_EQ(k.engine.display(), "2E+15");
    k.press({ "MR", "+/-", "Repeat" });
    EXPECT_EQ(k.engine.display(), "-1E+15");
    EXPECT_EQ(k.takeSpoken().last(), "-1E+15");
    k.press({ "M+" });
    EXPECT_EQ(k.engine.memoryMark(), "");
}

TEST(ClearKeys, CancelClearsTheCalculationAndMovesTheWindowBack)
{
    KeyPresser k;
    k.press({ "5", "M+", "2", "+", "3" });
    const int placed = k.window.placements;
    k.takeSpoken();
    k.press({ "C" });
    EXPECT_EQ(k.engine.display(), "0,");
    EXPECT_EQ(k.window.placements, placed + 1);
    EXPECT_EQ(k.takeSpoken(), (Keys { " Löscht die aktuelle Berechnung " }));
    EXPECT_EQ(k.engine.memoryMark(), "M");
    k.press({ "4", "+", "1", "=" });
    EXPECT_EQ(k.engine.display(), "5");
}

TEST(ClearKeys, CancelEntryClearsOnlyTheDisplay)
{
    KeyPresser k;
    k.press({ "5", "+", "3", "CE" });
    EXPECT_EQ(k.engine.display(), "0,");
    EXPECT_EQ(k.takeSpoken().last(), " Löscht die angezeigte Zahl ");
    k.press({ "4", "=" });
    EXPECT_EQ(k.engine.display(), "9");
}

TEST(Memory, AddSubtractRecallAndClearSpeakAndMarkTheMemory)
{
    KeyPresser k;
    k.press({ "MC", "MR" });
    EXPECT_EQ(k.engine.display(), "0,");
    EXPECT_EQ(k.takeSpoken(), (Keys { " Speicher löschen ", " Speicher lesen ", "0" }));
    k.press({ "1", "2" });
    k.takeSpoken();
    k.press({ "M+" });
    EXPECT_EQ(k.engine.memoryMark(), "M");
    EXPECT_EQ(k.engine.display(), "12,");
    EXPECT_EQ(k.takeSpoken(), (Keys { " Zum  Speicher addieren ", "12" }));
    k.press({ "C", "MR" });
    EXPECT_EQ(k.engine.display(), "12,");
    k.press({ "M-" });
    EXPECT_EQ(k.engine.memoryMark(), "");
    EXPECT_EQ(k.takeSpoken().last(), "12");
}

TEST(SquareRoot, OfANonNegativeNumberSpeaksBothSteps)
{
    KeyPresser k;
    k.press({ "9" });
    k.takeSpoken();
    k.press({ "sqr" });
    EXPECT_EQ(k.engine.display(), "3");
    EXPECT_EQ(k.takeSpoken(), (Keys { " Wurzel aus 9", " Ist gleich 3" }));
}

TEST(SquareRoot, OfANegativeNumberWarnsEvenWithSpeechOff)
{
    KeyPresser k;
    k.press({ "aus", "-", "4", "sqr" });
    EXPECT_EQ(k.takeSpoken(),
        (Keys { "Die Wurzel aus einer Zahl kleiner Null kann nicht gezogen werden " }));
    ASSERT_EQ(k.window.messages.size(), 1);
    EXPECT_EQ(k.window.messages[0].text, "Error: Wurzel aus Zahl<0");
    EXPECT_EQ(k.window.messages[0].title, "");
    EXPECT_EQ(k.window.messages[0].icon, Icon::None);
    EXPECT_EQ(k.engine.display(), "0,");
}

TEST(SignChange, FlipsTheSignAndAlwaysSpeaksTheNumber)
{
    KeyPresser k;
    k.press({ "+/-" });
    EXPECT_EQ(k.engine.display(), "0,");
    EXPECT_EQ(k.takeSpoken(), (Keys { " Vorzeichen Wechsel ", "0" }));
    k.press({ "7", "+/-" });
    EXPECT_EQ(k.engine.display(), "-7,");
    EXPECT_EQ(k.takeSpoken(), (Keys { "7", " Vorzeichen Wechsel ", "-7" }));
    k.press({ "5" });
    EXPECT_EQ(k.engine.display(), "-75,");
    k.takeSpoken();
    k.press({ "aus", "+/-" });
    EXPECT_EQ(k.engine.display(), "75,");
    EXPECT_EQ(k.takeSpoken(), (Keys { "75" }));
}

TEST(SpeechSwitch, OffSilencesTheKeysButNotRepeat)
{
    KeyPresser k;
    k.press({ "ein" });
    EXPECT_EQ(k.engine.speechSwitchCaption(), "aus");
    k.press({ "5", ",", "2", "+", "1", "=", "%", "C", "CE", "MC", "M+", "MR" });
    EXPECT_TRUE(k.takeSpoken().isEmpty());
    k.press({ "1", "2", ",", "Repeat" });
    EXPECT_EQ(k.takeSpoken(), (Keys { "12" }));
    k.press({ "aus", "3" });
    EXPECT_EQ(k.engine.speechSwitchCaption(), "ein");
    EXPECT_EQ(k.takeSpoken(), (Keys { "3" }));
}

TEST(Repeat, SpeaksTheDisplayAsANumberText)
{
    KeyPresser k;
    k.press({ "-", "0", ",", "5", "0" });
    k.takeSpoken();
    k.press({ "Repeat" });
    EXPECT_EQ(k.takeSpoken(), (Keys { "-0,5" }));
}

TEST(MouthPicture, TogglesTheSynthesizersVisibility)
{
    KeyPresser k;
    ASSERT_TRUE(k.synth.IsVisible());
    k.press({ "e/a" });
    EXPECT_FALSE(k.synth.IsVisible());
    k.press({ "e/a" });
    EXPECT_TRUE(k.synth.IsVisible());
}

TEST(FailingSpeech, KeysStillWork)
{
    KeyPresser k;
    k.synth.log().failOn("Speak", "kein Ton");
    k.press({ "4", "+", "5", "=" });
    EXPECT_EQ(k.engine.display(), "9");
    EXPECT_TRUE(k.window.messages.isEmpty());
}

TEST(Overflow, ANonFiniteResultClearsWithAMessageAndWithoutMoving)
{
    KeyPresser k;
    const QString huge = QString(200, QLatin1Char('9'));
    QStringList keys;
    for (QChar c : huge)
        keys << QString(c);
    k.press(keys);
    k.press({ "X" });
    k.press(keys);
    const int placed = k.window.placements;
    k.press({ "=" });
    EXPECT_EQ(k.engine.display(), "0,");
    ASSERT_EQ(k.window.messages.size(), 1);
    EXPECT_EQ(k.window.messages[0].icon, Icon::Warning);
    EXPECT_EQ(k.window.placements, placed);
    k.press({ "2", "+", "2", "=" });
    EXPECT_EQ(k.engine.display(), "4");
}

TEST(BadInput, TenThousandDigitsAndAThousandEqualsNeitherCrashNorHang)
{
    KeyPresser k;
    for (int i = 0; i < 10000; ++i)
        k.press({ "7" });
    EXPECT_EQ(k.engine.display().size(), 10001);
    k.press({ "=" });
    EXPECT_EQ(k.engine.display(), "0,"); // beyond a double: cleared with a message
    EXPECT_EQ(k.window.messages.size(), 1);

    k.press({ "3", "+", "+", "+", "-", "-", "X", "2" });
    for (int i = 0; i < 1000; ++i)
        k.press({ "=" });
    // "X" while a sign is pending takes the sign back and becomes the operation.
    EXPECT_EQ(k.engine.display(), "6");
}

TEST(BadInput, MemoryOverflowKeepsTheMemory)
{
    KeyPresser k;
    QStringList keys;
    for (int i = 0; i < 308; ++i)
        keys << "9";
    k.press(keys);
    k.press({ "M+" });
    const double before = k.engine.memory();
    k.press(keys);
    k.press({ "M+" });
    EXPECT_EQ(k.engine.memory(), before);
    EXPECT_EQ(k.window.messages.size(), 1);
}
