#include "speech/SpeedTag.h"

#include <gtest/gtest.h>

using suite::SpeedTag;
using Issue = SpeedTag::Issue;

TEST(SpeedTag, LeadingTagSetsRateAndIsRemoved)
{
    const SpeedTag tag = SpeedTag::split(QStringLiteral("\\Spd=150\\Hallo"), 100);
    EXPECT_TRUE(tag.present);
    EXPECT_EQ(tag.wordsPerMinute, 150);
    EXPECT_EQ(tag.text, QStringLiteral("Hallo"));
    EXPECT_EQ(tag.issue, Issue::None);
    EXPECT_TRUE(tag.problem().isEmpty());

    // The reader's scroll bar range ends work unchanged.
    EXPECT_EQ(SpeedTag::split(QStringLiteral("\\Spd=50\\a")).wordsPerMinute, 50);
    EXPECT_EQ(SpeedTag::split(QStringLiteral("\\Spd=250\\a")).wordsPerMinute, 250);
    EXPECT_EQ(SpeedTag::split(QStringLiteral("\\spd=120\\a")).wordsPerMinute, 120);
}

TEST(SpeedTag, TextWithoutTagOrWithTagLaterIsSpokenAsItIs)
{
    for (const QString& text :
        { QStringLiteral("Hallo"), QStringLiteral(""), QStringLiteral(" \\Spd=150\\Hallo"),
            QStringLiteral("Hallo \\Spd=150\\ Welt"), QStringLiteral("\\Sp") }) {
        const SpeedTag tag = SpeedTag::split(text, 130);
        EXPECT_FALSE(tag.present) << qPrintable(text);
        EXPECT_EQ(tag.text, text);
        EXPECT_EQ(tag.wordsPerMinute, 130);
        EXPECT_EQ(tag.issue, Issue::None);
    }
}

TEST(SpeedTag, NumbersOutOfRangeAreClampedAndSaidSo)
{
    struct Case {
        const char* text;
        int rate;
    } cases[] = { { "\\Spd=99999\\x", 450 }, { "\\Spd=0\\x", 50 }, { "\\Spd=49\\x", 50 },
        { "\\Spd=451\\x", 450 }, { "\\Spd=99999999999999\\x", 450 } };
    for (const Case& c : cases) {
        const SpeedTag tag = SpeedTag::split(QString::fromLatin1(c.text));
        EXPECT_EQ(tag.wordsPerMinute, c.rate) << c.text;
        EXPECT_EQ(tag.issue, Issue::Clamped) << c.text;
        EXPECT_EQ(tag.text, QStringLiteral("x"));
        EXPECT_FALSE(tag.problem().isEmpty());
    }
    EXPECT_EQ(SpeedTag::split(QStringLiteral("\\Spd=0450\\x")).issue, Issue::None);
}

TEST(SpeedTag, UnparsableTagIsNeverSpokenAndDefaultRateHolds)
{
    for (const char* text : { "\\Spd=\\Hallo", "\\Spd=abc\\Hallo", "\\Spd=-5\\Hallo",
             "\\Spd=15a\\Hallo", "\\Spd=\xd9\xa1\xd9\xa2\\Hallo" }) {
        const SpeedTag tag = SpeedTag::split(QString::fromUtf8(text), 170);
        EXPECT_TRUE(tag.present) << text;
        EXPECT_EQ(tag.wordsPerMinute, 170) << text;
        EXPECT_FALSE(tag.text.contains(QStringLiteral("Spd"))) << text;
        EXPECT_TRUE(tag.text.endsWith(QStringLiteral("Hallo"))) << text;
        EXPECT_NE(tag.issue, Issue::None) << text;
        EXPECT_FALSE(tag.problem().isEmpty());
    }
    EXPECT_EQ(SpeedTag::split(QStringLiteral("\\Spd=abc\\Hallo")).text, QStringLiteral("Hallo"));
}

TEST(SpeedTag, MissingClosingBackslashUsesDigitsAndKeepsTheText)
{
    SpeedTag tag = SpeedTag::split(QStringLiteral("\\Spd=150"), 100);
    EXPECT_EQ(tag.issue, Issue::Unterminated);
    EXPECT_EQ(tag.wordsPerMinute, 150);
    EXPECT_EQ(tag.text, QString());

    tag = SpeedTag::split(QStringLiteral("\\Spd=200 Hallo Welt"), 100);
    EXPECT_EQ(tag.wordsPerMinute, 200);
    EXPECT_EQ(tag.text, QStringLiteral(" Hallo Welt"));

    // A backslash far behind belongs to the text: nothing up to it is swallowed.
    tag = SpeedTag::split(QStringLiteral("\\Spd=Bitte öffne C:\\Programme"), 100);
    EXPECT_EQ(tag.issue, Issue::Unterminated);
    EXPECT_EQ(tag.wordsPerMinute, 100);
    EXPECT_EQ(tag.text, QStringLiteral("Bitte öffne C:\\Programme"));
}

TEST(SpeedTag, ComposeAndSplitAgree)
{
    const QString composed = SpeedTag::compose(150, QStringLiteral("Grüß Gott"));
    EXPECT_EQ(composed, QStringLiteral("\\Spd=150\\Grüß Gott"));
    const SpeedTag tag = SpeedTag::split(composed);
    EXPECT_EQ(tag.wordsPerMinute, 150);
    EXPECT_EQ(tag.text, QStringLiteral("Grüß Gott"));
    // Only the first tag is a tag; a second one is text.
    EXPECT_EQ(SpeedTag::split(QStringLiteral("\\Spd=90\\\\Spd=200\\x")).text,
        QStringLiteral("\\Spd=200\\x"));
}
