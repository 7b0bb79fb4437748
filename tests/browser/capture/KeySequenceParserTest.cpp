#include "browser/capture/KeySequenceParser.h"
#include "KeyRecordPrinter.h"
#include "fakes/FakeKeyboardLayout.h"
#include "fakes/QtPrinters.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace suite;
using namespace suite::browser;
using suite::test::FakeKeyboardLayout;
using Records = std::vector<KeyRecord>;

namespace {

constexpr quint16 Shift = 16, Ctrl = 17, Alt = 18, Tab = 9, Enter = 13;

KeyRecord down(quint16 key, KeyFlags flags = {})
{
    return { key, 0, flags };
}

KeyRecord up(quint16 key, quint32 scanCode)
{
    return { key, scanCode, KeyFlag::KeyUp };
}

// Key down and up of a key without Shift.
Records press(quint16 key, quint32 scanCode)
{
    return { down(key), up(key, scanCode) };
}

Records shifted(quint16 key, quint32 scanCode)
{
    return { down(Shift), down(key), up(key, scanCode), up(Shift, 0) };
}

Records character(char32_t code)
{
    return { { 0, quint32(code), KeyFlag::Character },
        { 0, quint32(code), KeyFlag::Character | KeyFlag::KeyUp } };
}

Records operator+(Records a, const Records& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Records times(int count, const Records& records)
{
    Records all;
    for (int i = 0; i < count; ++i)
        all = all + records;
    return all;
}

class KeySequenceParserTest : public ::testing::Test {
protected:
    Records parse(const QString& sequence, FakeKeyboardLayout& layout)
    {
        const ParsedKeys parsed = KeySequenceParser(layout).parse(sequence);
        EXPECT_TRUE(parsed.result.ok) << parsed.result.error.toStdString();
        return parsed.records;
    }
    Records us(const QString& sequence) { return parse(sequence, m_us); }
    Records de(const QString& sequence) { return parse(sequence, m_german); }
    Result refused(const QString& sequence)
    {
        const ParsedKeys parsed = KeySequenceParser(m_german).parse(sequence);
        EXPECT_FALSE(parsed.result.ok) << "accepted: " << sequence.toStdString();
        EXPECT_TRUE(parsed.records.empty());
        return parsed.result;
    }

    FakeKeyboardLayout m_us { FakeKeyboardLayout::Kind::US };
    FakeKeyboardLayout m_german { FakeKeyboardLayout::Kind::German };
};

} // namespace

TEST_F(KeySequenceParserTest, PlainLettersAreOneKeyPressEachWithoutShift)
{
    const Records abc = press('A', 0x1E) + press('B', 0x30) + press('C', 0x2E);
    EXPECT_EQ(us("abc"), abc);
    EXPECT_EQ(de("abc"), abc);
    EXPECT_EQ(us("abc").size(), 6u);
    // The German keyboard has Y and Z swapped: same keys, other scan codes.
    EXPECT_EQ(de("zy"), press('Z', 0x15) + press('Y', 0x2C));
    EXPECT_EQ(us("zy"), press('Z', 0x2C) + press('Y', 0x15));
}

TEST_F(KeySequenceParserTest, CapitalsTakeShiftAndCapsLockTurnsThatAround)
{
    EXPECT_EQ(us("A"), shifted('A', 0x1E));
    m_us.setCapsLock(true);
    EXPECT_EQ(us("A"), press('A', 0x1E));
    EXPECT_EQ(us("a"), shifted('A', 0x1E));
    // Caps Lock changes letters only; braces follow the same rule.
    EXPECT_EQ(us("1!"), press('1', 0x02) + shifted('1', 0x02));
    EXPECT_EQ(us("{a 3}"), times(3, shifted('A', 0x1E)));
    EXPECT_EQ(us("ü"), character(U'ü')) << "no key for it either way";
}

// Whatever the lock state, what arrives is what was written: on the German keyboard the
// lock also acts on the umlauts, and turns the ß key into "ẞ".
TEST_F(KeySequenceParserTest, CapsLockOnTheGermanKeyboardActsOnUmlautsAndSharpS)
{
    const Records off = shifted('G', 0x22) + press('R', 0x13) + press(0xBA, 0x1A)
        + press(0xDB, 0x0C) + press('E', 0x12);
    EXPECT_EQ(de("Grüße"), off);
    EXPECT_EQ(de("{ä 2}Ö"), times(2, press(0xDE, 0x28)) + shifted(0xC0, 0x27));
    m_german.setCapsLock(true);
    const Records on = press('G', 0x22) + shifted('R', 0x13) + shifted(0xBA, 0x1A) + character(U'ß')
        + shifted('E', 0x12);
    EXPECT_EQ(de("Grüße"), on);
    EXPECT_EQ(de("{ä 2}Ö"), times(2, shifted(0xDE, 0x28)) + press(0xC0, 0x27));
    EXPECT_EQ(de("?1"), shifted(0xDB, 0x0C) + press('1', 0x02)) << "Lock and Shift give \"?\"";
    EXPECT_EQ(de("+ü"), Records { down(Shift) } + press(0xBA, 0x1A) + Records { up(Shift, 0) })
        << "a held Shift is not pressed twice";
}

TEST_F(KeySequenceParserTest, ModifierPrefixesHoldTheirKeyOverTheNextItem)
{
    // Shift held by "+" is not pressed a second time for the capital.
    EXPECT_EQ(us("+a"), shifted('A', 0x1E));
    EXPECT_EQ(us("+A"), shifted('A', 0x1E));
    EXPECT_EQ(us("^c"), Records { down(Ctrl) } + press('C', 0x2E) + Records { up(Ctrl, 0) });
    EXPECT_EQ(us("%(ab)"),
        Records { down(Alt) } + press('A', 0x1E) + press('B', 0x30) + Records { up(Alt, 0) });
    // Stacked prefixes are released in reverse order; the item after them is plain again.
    const Records ctrlShiftEnd = { down(Ctrl), down(Shift), down(35, KeyFlag::ExtendedKey),
        up(35, 0x4F), up(Shift, 0), up(Ctrl, 0) };
    EXPECT_EQ(us("^+{END}x"), ctrlShiftEnd + press('X', 0x2D));
    EXPECT_EQ(us("+{TAB}"), Records { down(Shift) } + press(Tab, 0x0F) + Records { up(Shift, 0) });
}

TEST_F(KeySequenceParserTest, BracesNameKeysWithRepeatCounts)
{
    EXPECT_EQ(us("{TAB 3}"), times(3, press(Tab, 0x0F)));
    EXPECT_EQ(us("{tab}"), us("{TAB}"));
    EXPECT_EQ(us("{Tab}"), press(Tab, 0x0F));
    EXPECT_EQ(us("{ENTER}"), press(Enter, 0x1C));
    EXPECT_EQ(us("{F1}{f12}"), press(112, 0x3B) + press(123, 0x58));
    EXPECT_EQ(us("{LEFT}"), (Records { down(37, KeyFlag::ExtendedKey), up(37, 0x4B) }));
    EXPECT_EQ(us("{BS}"), us("{BACKSPACE}"));
    EXPECT_EQ(us("{PAUSE}"), press(19, 0x45));
    EXPECT_EQ(us("{BREAK}"), (Records { down(19, KeyFlag::ExtendedKey), up(19, 0x45) }));
    // A character in braces: the layout's key with its Shift, repeated.
    EXPECT_EQ(us("{x 2}"), times(2, press('X', 0x2D)));
    EXPECT_EQ(us("{X 2}"), times(2, shifted('X', 0x2D)));
    EXPECT_EQ(us("{+}"), shifted(0xBB, 0x0D));
    EXPECT_EQ(us("{}}"), shifted(0xDD, 0x1B));
    EXPECT_EQ(us("{ 2}"), times(2, press(32, 0x39)));
    // A name the table does not know types its first character.
    EXPECT_EQ(us("{NOSUCHKEY}"), shifted('N', 0x31));
}

TEST_F(KeySequenceParserTest, RepeatCountsReadAsFarAsTheyAreNumbers)
{
    const Records x = press('X', 0x2D);
    EXPECT_EQ(us("{x 0}"), x);
    EXPECT_EQ(us("{x -5}"), x);
    EXPECT_EQ(us("{x abc}"), x);
    EXPECT_EQ(us("{x 2abc}"), times(2, x));
    EXPECT_EQ(us("{x 2.6}"), times(3, x));
    EXPECT_EQ(us("{x 2.5}"), times(2, x)) << "halves round to the even number";
    EXPECT_EQ(us("{x 3e1}"), times(30, x));
    EXPECT_EQ(us("{x 3e}"), times(3, x));
    EXPECT_EQ(us("{x  3}"), x) << "the count is the second part after one blank";
    EXPECT_EQ(us("{x 2 7}"), times(2, x));
    // Below 1 counts as 1 however far below, even beyond what an integer holds.
    for (const char* count : { "-1e300", "-99999999999999999999", "-1e400", "1e-400" })
        EXPECT_EQ(us(QStringLiteral("{x %1}").arg(QLatin1String(count))), x) << count;
}

TEST_F(KeySequenceParserTest, TildeIsEnterAndControlCharactersAreTheirKeys)
{
    EXPECT_EQ(us("~"), press(Enter, 0x1C));
    EXPECT_EQ(de("~"), press(Enter, 0x1C));
    // In braces "~" is the character itself.
    EXPECT_EQ(us("{~}"), shifted(0xC0, 0x29));
    EXPECT_EQ(us("\t\n\r"), press(Tab, 0x0F) + press(Enter, 0x1C) + press(Enter, 0x1C));
    EXPECT_EQ(us(QStringLiteral("\x01")), character(1));
}

TEST_F(KeySequenceParserTest, WhatTheLayoutCannotTypeGoesAsCharacterEvents)
{
    EXPECT_EQ(us("€"), character(0x20AC));
    EXPECT_EQ(de("€"), character(0x20AC)) << "outside Latin-1 always";
    EXPECT_EQ(us("ä"), character(U'ä'));
    EXPECT_EQ(de("äÄß"), press(0xDE, 0x28) + shifted(0xDE, 0x28) + press(0xDB, 0x0C));
    // AltGr characters: sending their key without AltGr would type another character.
    EXPECT_EQ(de("@"), character(U'@'));
    EXPECT_EQ(us("@"), shifted('2', 0x03));
    EXPECT_EQ(de("{@ 2}"), times(2, character(U'@')));
    EXPECT_EQ(de("(^)"), character(U'^')) << "dead keys type nothing by themselves";
    EXPECT_EQ(de("{^}"), character(U'^'));
    EXPECT_EQ(us("😀"), character(0x1F600)) << "one event pair for the whole character";
    EXPECT_EQ(us("{😀 2}"), times(2, character(0x1F600)));
    EXPECT_EQ(us("+ä"), Records { down(Shift) } + character(U'ä') + Records { up(Shift, 0) });
}

TEST_F(KeySequenceParserTest, ThePaintSequenceOfTheViewerGivesTwentySixRecords)
{
    const QString sequence = QStringLiteral("%iA") + "1" + "{TAB}" + "1" + "{ENTER}" + "%BE";
    const Records expected = Records { down(Alt) } + press('I', 0x17) + Records { up(Alt, 0) }
        + shifted('A', 0x1E) + press('1', 0x02) + press(Tab, 0x0F) + press('1', 0x02)
        + press(Enter, 0x1C) + Records { down(Alt) } + shifted('B', 0x30) + Records { up(Alt, 0) }
        + shifted('E', 0x12);
    EXPECT_EQ(expected.size(), 26u);
    EXPECT_EQ(de(sequence), expected);
    EXPECT_EQ(us(sequence), expected);
}

TEST_F(KeySequenceParserTest, UnmatchedBracketsAreSkippedAndTheRestIsTyped)
{
    EXPECT_EQ(us("(ab"), press('A', 0x1E) + press('B', 0x30));
    EXPECT_EQ(us("()"), shifted('0', 0x0B)) << "an empty group types \")\"";
    EXPECT_EQ(us("{ab"), press('A', 0x1E) + press('B', 0x30));
    EXPECT_EQ(us("{}"), shifted(0xDD, 0x1B));
    // Inside a group everything is literal.
    EXPECT_EQ(us("(+{)"), shifted(0xBB, 0x0D) + shifted(0xDB, 0x1A));
    // A modifier with nothing after it is dropped; one before an unmatched bracket is
    // pressed and released.
    EXPECT_EQ(us("a+"), press('A', 0x1E));
    EXPECT_EQ(us("+^%"), Records {});
    EXPECT_EQ(us("+("), (Records { down(Shift), up(Shift, 0) }));
    EXPECT_EQ(us(""), Records {});
}

TEST_F(KeySequenceParserTest, TooManyEventsAreRefusedAsAWholeBeforeAnythingIsSent)
{
    const qsizetype max = KeySequenceParser::MaxRecords;
    // Exactly at the bound is fine.
    EXPECT_EQ(us(QStringLiteral("{a %1}").arg(max / 2)).size(), std::size_t(max));
    EXPECT_THAT(refused(QStringLiteral("{a %1}").arg(max / 2 + 1)).error.toStdString(),
        ::testing::HasSubstr("zu lang"));
    // Above the bound is refused however far above, even beyond what a double holds.
    for (const char* count : { "1e300", "1e400", "99999999999999999999" })
        EXPECT_THAT(refused(QStringLiteral("{a %1}").arg(QLatin1String(count))).error.toStdString(),
            ::testing::HasSubstr("Wiederholungszahl"));
    EXPECT_THAT(refused("x{TAB 99999999999999999999}").error.toStdString(),
        ::testing::HasSubstr("Wiederholungszahl"));
    refused(QStringLiteral("(%1)").arg(QString(max, u'a')));
    refused(QString(max, u'+') + u'a');
    refused(QString(max * 2, u'b'));
}

TEST_F(KeySequenceParserTest, HalfCharactersAreRefused)
{
    const QString lone = QStringLiteral("ab") + QChar(0xD83D) + QStringLiteral("c");
    EXPECT_THAT(refused(lone).error.toStdString(), ::testing::HasSubstr("Stelle 3"));
    refused(QString(QChar(0xDE00)));
}
