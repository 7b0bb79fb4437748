// The word being heard is marked in the field, with the real character agent and a speech
// engine the test moves along word by word.
#include "core/Paths.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileChooser.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeSpeechEngine.h"
#include "fakes/QtPrinters.h"
#include "reader/Agent.h"
#include "reader/AgentWordFollower.h"
#include "reader/ReaderApplication.h"
#include "reader/RichTextField.h"
#include "reader/SpokenWordFeed.h"
#include "reader/SystemClipboard.h"
#include "widgets/agent/CharacterAgent.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace suite;

class readerHighlight : public ::testing::Test {
protected:
    readerHighlight()
        : agent(paths::characterDir(), engine)
        , follower(
              engine, agent,
              [this] { return app && app->window() ? app->window()->characterName() : QString(); },
              words)
    {
        clock.setStepPerReadingMs(250);
        QFile ini(programDir.filePath("Agent.ini"));
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Speed]\r\nV=150\r\n[Begruessung]\r\nB=0\r\n[Verabschiedung]\r\nV=0\r\n");
    }

    void SetUp() override
    {
        reader::ReaderServices services { agent, boxes, chooser, clock, clipboard,
            programDir.path() + "/", paths::characterDir(), &words };
        app = std::make_unique<reader::ReaderApplication>(
            reader::ReaderEdition::lautbote(), services, [] {});
        ASSERT_TRUE(app->start());
        app->window()->mnuAnzeige_Click();
        ASSERT_NE(agent.loaded("Genie"), nullptr) << "the Genie of the suite's data";
        field = app->window()->findChild<reader::RichTextField*>("RT1");
        ASSERT_NE(field, nullptr);
    }

    void TearDown() override
    {
        if (app && app->window())
            app->window()->close();
    }

    void click(const char* name)
    {
        QTest::mouseClick(app->window()->findChild<QAbstractButton*>(name), Qt::LeftButton);
    }

    // Waits until the character has handed a text to the engine.
    bool speaking(int utterances = 1)
    {
        return QTest::qWaitFor([&] { return engine.said().size() >= utterances; }, 20000);
    }

    QString marked() const { return field->spokenWord().selectedText(); }

    test::FakeSpeechEngine engine;
    CharacterAgent agent;
    reader::SpokenWordFeed words;
    reader::AgentWordFollower follower;
    test::FakeMessageBoxes boxes;
    test::FakeFileChooser chooser;
    test::FakeClock clock;
    reader::SystemClipboard clipboard;
    QTemporaryDir programDir;
    std::unique_ptr<reader::ReaderApplication> app;
    reader::RichTextField* field = nullptr;
};

} // namespace

TEST_F(readerHighlight, TheWholeTextIsFollowedWordByWordWithoutMovingTheCaret)
{
    field->setText("Eins zwei drei");
    QTextCursor caret = field->textCursor();
    caret.setPosition(2);
    field->setTextCursor(caret);
    click("Command3");
    ASSERT_TRUE(speaking());
    EXPECT_EQ(engine.said().last().text, "Eins zwei drei");

    engine.reachWord(0, 4);
    EXPECT_EQ(marked(), "Eins");
    engine.reachWord(5, 4);
    EXPECT_EQ(marked(), "zwei");
    EXPECT_EQ(field->textCursor().position(), 2);
    EXPECT_FALSE(field->textCursor().hasSelection());

    engine.finishCurrent();
    EXPECT_TRUE(marked().isEmpty());
}

TEST_F(readerHighlight, TheMarkedTextIsFollowedInsideTheFieldAndTheMarkStays)
{
    field->setText("Eins zwei drei vier");
    QTextCursor mark = field->textCursor();
    mark.setPosition(5);
    mark.setPosition(14, QTextCursor::KeepAnchor);
    field->setTextCursor(mark);
    click("Command2");
    ASSERT_TRUE(speaking());
    EXPECT_EQ(engine.said().last().text, "zwei drei");
    engine.reachWord(5, 4);
    EXPECT_EQ(marked(), "drei");
    EXPECT_EQ(field->markedText(), "zwei drei");
}

TEST_F(readerHighlight, EchoedWordsAndChangedTextAreNotMarked)
{
    field->setText("Eins zwei");
    click("Command3");
    ASSERT_TRUE(speaking());
    field->setText("Anderer Text");
    engine.reachWord(5, 4);
    EXPECT_TRUE(marked().isEmpty());

    engine.finishCurrent();
    field->setFocus();
    field->moveCursor(QTextCursor::End);
    QTest::keyClicks(field, " ");
    ASSERT_TRUE(speaking(2));
    engine.reachWord(1, 4);
    EXPECT_TRUE(marked().isEmpty());
}

TEST_F(readerHighlight, LineBreaksStayCrLfForTheCharacterAndTheMarkStaysOnTheWordHeard)
{
    // A text copied in tray mode and the test text, both with CR LF line breaks.
    const QString copied = "Erste Zeile\r\nzweite Zeile\r\ndritte Zeile";
    QGuiApplication::clipboard()->setText(copied);
    click("Command10");
    ASSERT_TRUE(speaking());
    EXPECT_EQ(engine.said().last().text, copied);
    engine.reachWord(copied.indexOf("dritte"), 6);
    EXPECT_EQ(marked(), "dritte");
    engine.finishCurrent();
    app->window()->mnuAnzeige_Click();

    click("Test");
    ASSERT_TRUE(speaking(2));
    const QString test = engine.said().last().text;
    EXPECT_EQ(test.count("\r\n"), 2) << qPrintable(test);
    engine.reachWord(test.indexOf("Das"), 3);
    EXPECT_EQ(marked(), "Das");
    engine.reachWord(test.indexOf("nachmachen"), 10);
    EXPECT_EQ(marked(), "nachmachen");
}

TEST_F(readerHighlight, WithoutSpeechTheWatchKeepsTheCopiedTextAndTriesAgainEachTick)
{
    engine.setUnavailable("Die deutsche Stimme von espeak-ng fehlt.");
    QGuiApplication::clipboard()->setText("Hallo");
    click("Command10");
    ASSERT_TRUE(QTest::qWaitFor([&] { return field->text() == "Hallo"; }, 5000));
    QTest::qWait(1500);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Hallo");
    EXPECT_TRUE(engine.said().isEmpty());

    engine.setUnavailable(QString());
    ASSERT_TRUE(speaking());
    EXPECT_EQ(engine.said().last().text, "Hallo");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}
