// Speaking typed, marked and whole text.
#include "ReaderFixture.h"
#include "reader/SpokenText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using suite::test::ReaderFixture;

namespace {

class readerSpeaking : public ReaderFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        forgetRequests();
    }

    void mark(int start, int length)
    {
        QTextCursor cursor = field()->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        field()->setTextCursor(cursor);
    }
};

} // namespace

TEST_F(readerSpeaking, EachBlankTypedSpeaksTheWordBeforeItWithTheBlankBeforeThat)
{
    type("ab cd ");
    EXPECT_EQ(requests(), QStringList({ "Show", "Speak(ab)", "Show", "Speak( cd)" }));
}

TEST_F(readerSpeaking, ABlankAsTheFirstCharacterSpeaksNothingAndNeitherDoLetters)
{
    type(" ");
    type("Haus");
    EXPECT_TRUE(requests().isEmpty());
    field()->clear();
    forgetRequests();
    type("Haus ");
    EXPECT_EQ(spoken(), QStringList({ "Haus" }));
    type("ein Haus ");
    EXPECT_EQ(spoken().last(), " Haus");
}

TEST_F(readerSpeaking, AWordAcrossALineBreakIsSpokenWithIt)
{
    type("eins");
    QTest::keyClick(field(), Qt::Key_Return);
    type("zwei ");
    EXPECT_EQ(spoken(), QStringList({ "eins\nzwei" }));
}

TEST_F(readerSpeaking, ABlankTypedInTheMiddleOfTheTextSpeaksTheWordBeforeTheCaret)
{
    type("Hallo Welt");
    QTextCursor cursor = field()->textCursor();
    cursor.setPosition(2);
    field()->setTextCursor(cursor);
    forgetRequests();
    QTest::keyClick(field(), Qt::Key_Space);
    EXPECT_EQ(spoken(), QStringList({ "Ha" }));
}

TEST_F(readerSpeaking, TheLetterEchoSpeaksEachTypedCharacterThenTheWordEchoFollows)
{
    click("Option2");
    EXPECT_TRUE(control<QPushButton>("Command9")->isEnabled());
    type("a");
    EXPECT_EQ(requests(), QStringList({ "Show", "Speak(a)" }));
    forgetRequests();
    type("ä ");
    EXPECT_EQ(
        requests(), QStringList({ "Show", "Speak(ä)", "Show", "Speak( )", "Show", "Speak(aä)" }));
    forgetRequests();
    type("§");
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_TRUE(requests().isEmpty());
}

TEST_F(readerSpeaking, WithoutLetterEchoOnlyWordsAreSpoken)
{
    type("x");
    EXPECT_TRUE(requests().isEmpty());
}

TEST_F(readerSpeaking, WholeTextStopsReadsWithTheSpeedTagAndSwitchesBackToTheWordEcho)
{
    click("Option2");
    field()->setText("Ein Text.");
    forgetRequests();
    control<QScrollBar>("HScroll1")->setValue(250);
    click("Command3");
    EXPECT_EQ(requests(),
        QStringList({ "StopAll", "Show", "Play(Read)", "Speak(\\Spd=250\\Ein Text.)", "Hide" }));
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(field()->hasFocus());
}

TEST_F(readerSpeaking, WholeTextOfAnEmptyFieldSpeaksNothingAndStopsNothing)
{
    click("Command3");
    EXPECT_TRUE(requests().isEmpty());
}

TEST_F(readerSpeaking, AFailingRequestEndsTheHandlerWithoutAMessage)
{
    field()->setText("Text");
    forgetRequests();
    agent.log().failOn("Play", "keine Animation");
    click("Command3");
    EXPECT_EQ(requests(), QStringList({ "StopAll", "Show", "Play(Read)" }));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(readerSpeaking, MarkedTextSpeaksOnlyTheMarkAndStopsEvenWithoutOne)
{
    field()->setText("Das ist ein Lager.");
    forgetRequests();
    click("Command2");
    EXPECT_EQ(requests(), QStringList({ "StopAll" }));
    forgetRequests();
    mark(8, 3);
    click("Command2");
    EXPECT_EQ(requests(), QStringList({ "StopAll", "Show", "Speak(\\Spd=150\\ein)", "Hide" }));
    EXPECT_EQ(field()->markedText(), "ein") << "the mark stays as the user left it";
}

TEST_F(readerSpeaking, BackwardsSpeaksTheMarkReversedAndNothingWithoutAMark)
{
    field()->setText("Lager");
    click("Option2");
    forgetRequests();
    click("Command8");
    EXPECT_TRUE(requests().isEmpty());
    mark(0, 5);
    click("Command8");
    EXPECT_EQ(requests(), QStringList({ "Show", "Speak(\\Spd=150\\regaL)", "Hide" }));
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked()) << "the echo mode stays";
}

TEST_F(readerSpeaking, BackwardsKeepsCombinedLettersAndCharactersBeyondSixteenBitsWhole)
{
    field()->setText(QString::fromUtf8("Ku\xcc\x88he \xf0\x9f\x98\x80!"));
    mark(0, field()->text().size());
    click("Command8");
    EXPECT_EQ(
        spoken(), QStringList({ QString::fromUtf8("\\Spd=150\\!\xf0\x9f\x98\x80 ehu\xcc\x88K") }));
}

TEST_F(readerSpeaking, ClipboardTextReplacesTheMarkAndTheWordEchoLooksAtTheNewCaret)
{
    field()->setText("alt neu");
    mark(4, 3);
    QGuiApplication::clipboard()->setText("Haus ");
    forgetRequests();
    click("Command4");
    EXPECT_EQ(field()->text(), "alt Haus ");
    EXPECT_EQ(spoken(), QStringList({ " Haus" }));
}

TEST_F(readerSpeaking, AClipboardTextOverTheBoundIsCutWithAMessageAndStaysWholeOnTheClipboard)
{
    const int limit = suite::reader::spoken::clipboardTextLimit;
    QString huge = QString("Ein Satz mit einigen Wörtern darin.\n").repeated(limit / 36 + 1);
    huge.truncate(limit);
    huge += "Rest";
    QGuiApplication::clipboard()->setText(huge);
    click("Command4");
    EXPECT_EQ(field()->text(), huge.left(limit));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes()[0].text.contains("2.000.004")) << qPrintable(boxes.boxes()[0].text);
    EXPECT_TRUE(boxes.boxes()[0].text.contains("2.000.000"));
    EXPECT_EQ(boxes.boxes()[0].parent, window());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), huge);
}

TEST_F(readerSpeaking, ClipboardWithoutTextChangesNothing)
{
    field()->setText("bleibt");
    auto* data = new QMimeData;
    data->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(data);
    click("Command4");
    EXPECT_EQ(field()->text(), "bleibt");
}

TEST_F(readerSpeaking, StopStopsTheCharacter)
{
    click("Command5");
    EXPECT_EQ(requests(), QStringList({ "StopAll" }));
}

TEST_F(readerSpeaking, TestPutsTheTestTextIntoTheFieldAndReadsIt)
{
    click("Option2");
    click("Test");
    const QString text = "Blaukraut bleibt Blaukraut und Brautkleid bleibt Brautkleid. \r\n"
                         "Bürsten mit schwarzen Borsten bürsten besser als Bürsten mit braunen "
                         "Borsten.\r\nDas musst Du mir erst mal nachmachen !";
    EXPECT_EQ(field()->text(), QString(text).replace("\r\n", "\n"));
    // The character gets the line breaks as given, CR LF.
    EXPECT_EQ(
        requests(), QStringList({ "StopAll", "Show", "Speak(\\Spd=150\\" + text + ")", "Hide" }));
    EXPECT_TRUE(control<QRadioButton>("Option1")->isChecked());
}

TEST_F(readerSpeaking, ThePopUpMenuPressesTheButtons)
{
    auto* test = window()->findChild<QAction*>("mnuTest");
    auto* stop = window()->findChild<QAction*>("mnuStop");
    ASSERT_TRUE(test && stop);
    stop->trigger();
    EXPECT_EQ(requests(), QStringList({ "StopAll" }));
    test->trigger();
    EXPECT_TRUE(field()->text().startsWith("Blaukraut"));
    window()->findChild<QAction*>("mnuInfo")->trigger();
    EXPECT_EQ(boxes.boxes().size(), 1);
}
