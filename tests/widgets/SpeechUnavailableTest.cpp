// An engine that cannot speak (no voice data, a library that does not start): both speech
// contracts fail every Speak with the reason, and each program tells the user once.
#include "fakes/FakeCharacterFile.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeSpeechEngine.h"
#include "speech/Character.h"
#include "widgets/SpeechNotice.h"
#include "widgets/SpeechSynthesizer.h"
#include "widgets/agent/CharacterAgent.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace suite;
using suite::test::FakeCharacterFile;
using suite::test::FakeMessageBoxes;
using suite::test::FakeSpeechEngine;

namespace {

const QString kWhy = QStringLiteral("Die deutsche Stimme von espeak-ng fehlt.");

class speechUnavailable : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine.setUnavailable(kWhy);
        log = dir.filePath("transcript.jsonl");
        qputenv("SPRACHAUSGABE_SPEECH_LOG", log.toLocal8Bit());
    }
    void TearDown() override { qunsetenv("SPRACHAUSGABE_SPEECH_LOG"); }

    QByteArray transcript() const
    {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString log;
    FakeSpeechEngine engine;
};

} // namespace

TEST_F(speechUnavailable, TheCharacterRefusesEverySpeakWithTheReasonAndStillMoves)
{
    ASSERT_FALSE(FakeCharacterFile::writeTo(dir.path(), "Testy.acs").isEmpty());
    CharacterAgent agent(dir.path(), engine);
    ASSERT_TRUE(agent.LoadCharacter("Testy", "Testy.acs"));
    Character* character = agent.GetCharacter("Testy");
    ASSERT_NE(character, nullptr);

    EXPECT_TRUE(character->Show());
    const Result spoken = character->Speak("\\Spd=150\\Hallo");
    EXPECT_FALSE(spoken.ok);
    EXPECT_EQ(spoken.error, kWhy);
    EXPECT_TRUE(character->Hide());
    QTest::qWait(20);
    EXPECT_TRUE(engine.said().isEmpty());
    EXPECT_TRUE(transcript().contains(
        "\"op\":\"Speak\",\"args\":[\"\\\\Spd=150\\\\Hallo\"],\"error\":\"" + kWhy.toUtf8()))
        << transcript().constData();
}

TEST_F(speechUnavailable, TheSynthesizerFailsSoThatTheCallerCanSaySo)
{
    SpeechSynthesizer synthesizer(engine);
    const Result spoken = synthesizer.Speak(" plus ");
    EXPECT_FALSE(spoken.ok);
    EXPECT_EQ(spoken.error, kWhy);
    EXPECT_TRUE(engine.said().isEmpty());
    EXPECT_TRUE(transcript().contains("\"error\":\"" + kWhy.toUtf8()));
    EXPECT_TRUE(synthesizer.Speak("  ").ok) << "nothing to be heard is no failure";
    synthesizer.Stop(); // no failure to report, nothing to stop
    synthesizer.SetVisible(false);
    EXPECT_FALSE(synthesizer.IsVisible());
}

TEST_F(speechUnavailable, TheUserIsToldOnceWhyOnlyWhenTheEngineCannotSpeak)
{
    FakeMessageBoxes boxes;
    QWidget owner;
    FakeSpeechEngine speaking;
    EXPECT_FALSE(tellIfSpeechUnavailable(speaking, boxes, &owner));
    EXPECT_TRUE(tellIfSpeechUnavailable(engine, boxes, &owner, "Sprachausgabe Fehlernachricht"));
    EXPECT_TRUE(boxes.boxes().isEmpty()) << "the box waits for the event loop";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.boxes().isEmpty(); }, 5000));
    QTest::qWait(20);
    ASSERT_EQ(boxes.boxes().size(), 1);
    const FakeMessageBoxes::Box& box = boxes.boxes().first();
    EXPECT_TRUE(box.text.startsWith("Die Sprachausgabe ist nicht verfügbar:"))
        << qPrintable(box.text);
    EXPECT_TRUE(box.text.contains(kWhy));
    EXPECT_EQ(box.title, "Sprachausgabe Fehlernachricht");
    EXPECT_EQ(box.parent, &owner);
    EXPECT_EQ(box.icon, MessageBoxes::Icon::Warning);
}
