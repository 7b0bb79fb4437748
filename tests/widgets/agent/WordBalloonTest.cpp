#include "widgets/agent/WordBalloon.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

using namespace suite;

TEST(WordBalloonTest, MarksTheWordHoldingAPosition)
{
    WordBalloon balloon;
    balloon.setText("  Es ist 14:30 Uhr.");
    balloon.markWord(0); // before the first word: nothing to mark
    EXPECT_EQ(balloon.markedWord(), "");
    balloon.markWord(3);
    EXPECT_EQ(balloon.markedWord(), "Es");
    balloon.markWord(10); // inside a token, as a number's spoken parts report
    EXPECT_EQ(balloon.markedWord(), "14:30");
    // A braille display or a magnifier reads the whole text and follows the marked word.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&balloon);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->text(QAccessible::Name), "Sprechblase");
    QAccessibleTextInterface* text = reader->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, -1), "  Es ist 14:30 Uhr.");
    int start = -1;
    int end = -1;
    ASSERT_EQ(text->selectionCount(), 1);
    text->selection(0, &start, &end);
    EXPECT_EQ(text->text(start, end), "14:30");
    EXPECT_EQ(text->cursorPosition(), start);
    balloon.markWord(500);
    EXPECT_EQ(balloon.markedWord(), "Uhr.");
    balloon.setText("Neu");
    EXPECT_EQ(balloon.markedWord(), "");
}

TEST(WordBalloonTest, StaysOnTheScreenNextToTheCharacter)
{
    WordBalloon balloon;
    balloon.setText("Guten Tag mein Herr");
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();

    balloon.showNear(QRect(area.left() + 300, area.top() + 300, 150, 200));
    EXPECT_TRUE(balloon.isVisible());
    EXPECT_LE(balloon.geometry().bottom(), area.top() + 300 + 10); // above the character

    balloon.showNear(QRect(area.left(), area.top(), 150, 200)); // no room above
    EXPECT_GE(balloon.y(), area.top() + 150);
    EXPECT_GE(balloon.x(), area.left());
    EXPECT_TRUE(area.contains(balloon.geometry()));
}

// A long text turns its pages with the word being heard: the balloon never grows past a page,
// and a shorter last page keeps the tail at the character.
TEST(WordBalloonTest, LongTextsTurnThePageWithTheHeardWord)
{
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("Wort%1 ").arg(i);
    text += QStringLiteral("Ende");
    WordBalloon balloon;
    balloon.setText(text);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    balloon.showNear(QRect(area.left() + 400, area.top() + 400, 150, 200));
    const int bottom = balloon.geometry().bottom();
    const int fullHeight = balloon.height();
    balloon.markWord(text.indexOf("Wort1500 ") + 2);
    EXPECT_EQ(balloon.markedWord(), "Wort1500");
    EXPECT_EQ(balloon.height(), fullHeight);
    balloon.markWord(text.size() - 2);
    EXPECT_EQ(balloon.markedWord(), "Ende");
    EXPECT_LT(balloon.height(), fullHeight);
    EXPECT_EQ(balloon.geometry().bottom(), bottom);
}

// The desktop may change its font at any time (a font or scaling setting): a balloon on the
// screen then shows its page exactly as a balloon made with the new font does, with whole
// words and lines and the same word marked.
TEST(WordBalloonTest, APageIsLaidOutAgainWhenTheDesktopChangesItsFont)
{
    const QString text = "Guten Tag mein Herr, bist Du zu Hause ? Ich bin dein persönlicher "
                         "Diener ! Ich spreche Dir Text vor, der vorher in die Zwischenablage "
                         "kopiert wurde. Ich bin für Dich bereit.";
    const QRect character(400, 400, 150, 200);
    const int heard = text.indexOf("Zwischenablage");
    const QFont desktopFont = QApplication::font();
    for (const char* family : { "DejaVu Sans Mono", "DejaVu Serif" }) {
        SCOPED_TRACE(family);
        QApplication::setFont(QFont("Liberation Sans"));
        WordBalloon balloon;
        balloon.setText(text);
        balloon.showNear(character);
        balloon.markWord(heard);
        QApplication::setFont(QFont(family));
        QApplication::processEvents();
        WordBalloon fresh;
        fresh.setText(text);
        fresh.showNear(character);
        fresh.markWord(heard);
        EXPECT_EQ(balloon.markedWord(), "Zwischenablage");
        EXPECT_EQ(balloon.grab().toImage(), fresh.grab().toImage());
    }
    QApplication::setFont(desktopFont);
}
