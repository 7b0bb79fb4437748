#include "speech/GermanNumbers.h"
#include "speech/SpokenPiece.h"
#include "speech/TextPieces.h"

#include <gtest/gtest.h>

using namespace suite;

TEST(GermanNumbers, TrailingCommaOfALastNumberIsSpoken)
{
    EXPECT_EQ(GermanNumbers::speakable(QStringLiteral("12,")), QStringLiteral("12 komma"));
    EXPECT_EQ(GermanNumbers::speakable(QStringLiteral("0,")), QStringLiteral("0 komma"));
    EXPECT_EQ(GermanNumbers::speakable(QStringLiteral("05,")), QStringLiteral("05 komma"));
    EXPECT_EQ(GermanNumbers::speakable(QStringLiteral("-0, ")), QStringLiteral("-0 komma "));
    EXPECT_EQ(GermanNumbers::speakable(QStringLiteral(" Prozent. Ist gleich 0,")),
        QStringLiteral(" Prozent. Ist gleich 0 komma"));
}

TEST(GermanNumbers, EverythingElseStaysAsItIs)
{
    for (const char* text : { "0,5", "-3,25", "12", "Es ist 12, sagt er", "a12,", "1.2,", ",", "-,",
             "Hallo,", "", "12,5," }) {
        const QString s = QString::fromUtf8(text);
        EXPECT_EQ(GermanNumbers::speakable(s), s) << text;
    }
}

TEST(TextPieces, ShortTextIsOnePiece)
{
    const QString text = QStringLiteral("Kurz.");
    EXPECT_EQ(TextPieces::pieceEnd(text, 0, 100), text.size());
}

TEST(TextPieces, LongTextSplitsAtSentenceEndsThenBlanksThenAnywhere)
{
    const QString sentences = QStringLiteral("Eins zwei drei. Vier fünf sechs. Sieben acht neun.");
    const qsizetype end = TextPieces::pieceEnd(sentences, 0, 40);
    EXPECT_EQ(sentences.left(end), QStringLiteral("Eins zwei drei. Vier fünf sechs."));

    const QString words = QStringLiteral("aaaa bbbb cccc dddd eeee ffff");
    EXPECT_EQ(words.left(TextPieces::pieceEnd(words, 0, 12)), QStringLiteral("aaaa bbbb"));

    const QString blob(50, u'x');
    EXPECT_EQ(TextPieces::pieceEnd(blob, 0, 20), 20);

    // Never between the halves of a surrogate pair.
    QString emoji = QString(19, u'x') + QString::fromUtf8("😀") + QString(10, u'y');
    EXPECT_EQ(TextPieces::pieceEnd(emoji, 0, 20), 19);
}

TEST(TextPieces, PiecesCoverTheWholeTextInOrder)
{
    QString text;
    for (int i = 0; i < 500; ++i)
        text += QStringLiteral("Wort%1 ").arg(i)
            + (i % 7 == 0 ? QStringLiteral("Satz. ") : QString());
    qsizetype covered = 0;
    while (covered < text.size()) {
        const qsizetype end = TextPieces::pieceEnd(text, covered, 100);
        ASSERT_GT(end, covered);
        ASSERT_LE(end - covered, 100);
        covered = end;
    }
    EXPECT_EQ(covered, text.size());
}

TEST(SpokenPiece, ControlCharactersAndBrokenUnicodeBecomeBlanks)
{
    QString text = QStringLiteral("a\tb");
    text += QChar(0);
    text += QChar(0x1b);
    text += QChar(0xd800); // unpaired
    text += QStringLiteral("c");
    text += QString::fromUtf8("😀");
    const QString cleaned = SpokenPiece::cleaned(text);
    EXPECT_EQ(cleaned.size(), text.size());
    EXPECT_EQ(cleaned, QStringLiteral("a b   c") + QString::fromUtf8("😀"));
}

TEST(SpokenPiece, BlankAndControlOnlyTextsAreBlank)
{
    QString nuls(5, QChar(0));
    EXPECT_TRUE(SpokenPiece(nuls, 0, nuls.size()).isBlank());
    EXPECT_TRUE(SpokenPiece(QStringLiteral(" \n "), 0, 3).isBlank());
    EXPECT_FALSE(SpokenPiece(QStringLiteral(" x "), 0, 3).isBlank());
}

TEST(SpokenPiece, WordPositionsMapToTokensOfTheOriginalText)
{
    const QString text = QStringLiteral("Vorher Es ist 0,5 Uhr");
    const SpokenPiece piece(text, 7, text.size());
    EXPECT_EQ(piece.spoken(), QStringLiteral("Es ist 0,5 Uhr"));
    using Span = SpokenPiece::Span;
    EXPECT_EQ(piece.tokenAt(1), (Span { 7, 2 }));
    EXPECT_EQ(piece.tokenAt(4), (Span { 10, 3 }));
    EXPECT_EQ(piece.tokenAt(8), (Span { 14, 3 })); // inside the number
    EXPECT_EQ(piece.tokenAt(10), (Span { 14, 3 })); // still the number
    EXPECT_EQ(piece.tokenAt(3), (Span { 10, 3 })); // a blank: the next word
    EXPECT_EQ(piece.tokenAt(12), (Span { 18, 3 }));
    EXPECT_FALSE(piece.tokenAt(0));
    EXPECT_FALSE(piece.tokenAt(99));
}

TEST(SpokenPiece, PositionsCountCodePointsAndSurviveTheCommaRewrite)
{
    const QString text = QString::fromUtf8("😀 Grüße 12,");
    const SpokenPiece piece(text, 0, text.size());
    EXPECT_EQ(piece.spoken(), QString::fromUtf8("😀 Grüße 12 komma"));
    using Span = SpokenPiece::Span;
    EXPECT_EQ(piece.tokenAt(1), (Span { 0, 2 })); // the emoji is one character for espeak
    EXPECT_EQ(piece.tokenAt(3), (Span { 3, 5 })); // "Grüße" starts at QChar 3
    EXPECT_EQ(piece.tokenAt(9), (Span { 9, 3 })); // "12"
    EXPECT_EQ(piece.tokenAt(12), (Span { 9, 3 })); // "komma" belongs to "12,"

    // Only the piece that ends the text is rewritten.
    const QString longer = QStringLiteral("12, und mehr");
    EXPECT_EQ(SpokenPiece(longer, 0, 3).spoken(), QStringLiteral("12,"));
}
