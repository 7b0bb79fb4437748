#include "widgets/agent/CharacterAgent.h"
#include "fakes/FakeCharacterFile.h"
#include "fakes/FakeSpeechEngine.h"
#include "speech/Character.h"
#include "widgets/agent/AgentCharacter.h"
#include "widgets/agent/CharacterWindow.h"
#include "widgets/agent/WordBalloon.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace suite;
using suite::test::FakeCharacterFile;
using suite::test::FakeSpeechEngine;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

struct LogLine {
    QString op;
    QJsonArray args;
    QString character;
    QString error;
};

class CharacterAgentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_FALSE(FakeCharacterFile::writeTo(m_dir.path(), "Testy.acs").isEmpty());
        m_log = m_dir.filePath("transcript.jsonl");
        qputenv("SPRACHAUSGABE_SPEECH_LOG", m_log.toLocal8Bit());
    }
    void TearDown() override { qunsetenv("SPRACHAUSGABE_SPEECH_LOG"); }

    Character* load()
    {
        EXPECT_TRUE(m_agent.LoadCharacter("Testy", "Testy.acs"));
        return m_agent.GetCharacter("Testy");
    }
    CharacterWindow* window() { return m_agent.loaded("Testy")->window(); }
    bool busy() { return m_agent.loaded("Testy")->isBusy(); }

    QList<LogLine> transcript() const
    {
        QList<LogLine> out;
        QFile file(m_log);
        if (!file.open(QIODevice::ReadOnly))
            return out;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.isEmpty())
                continue;
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            EXPECT_EQ(o.value("component").toString(), "agent");
            out.append({ o.value("op").toString(), o.value("args").toArray(),
                o.value("character").toString(), o.value("error").toString() });
        }
        return out;
    }
    QStringList transcriptOps() const
    {
        QStringList ops;
        for (const LogLine& l : transcript())
            ops << (l.error.isEmpty() ? l.op : l.op + "!");
        return ops;
    }

    QTemporaryDir m_dir;
    QString m_log;
    FakeSpeechEngine m_engine;
    CharacterAgent m_agent { m_dir.path(), m_engine };
};

} // namespace

TEST_F(CharacterAgentTest, ShowThenSpeakWaitsForTheVoiceThenHides)
{
    Character* genie = load();
    ASSERT_NE(genie, nullptr);
    EXPECT_TRUE(genie->Show());
    EXPECT_TRUE(genie->Speak("\\Spd=200\\Hallo Welt"));
    EXPECT_TRUE(genie->Hide());
    // Each call only queued: nothing has happened yet.
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(m_engine.said().isEmpty());

    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_engine.queued().isEmpty(); }, 10000));
    EXPECT_TRUE(window()->isVisible());
    const Utterance& spoken = m_engine.said().first();
    EXPECT_EQ(spoken.text, "Hallo Welt");
    EXPECT_EQ(spoken.wordsPerMinute, 200);
    EXPECT_EQ(spoken.voice.language, "de");
    EXPECT_EQ(spoken.voice.variant, "m3");
    EXPECT_EQ(spoken.voice.pitch, 40);

    // However long the voice takes, the character stays until it has finished.
    QTest::qWait(150);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_TRUE(busy());
    EXPECT_TRUE(m_engine.finishCurrent());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window()->isVisible(); }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !busy(); }, 10000));
}

TEST_F(CharacterAgentTest, TextWithoutSpeedTagUsesTheCharactersRate)
{
    Character* c = load();
    c->Speak("Guten Tag");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_engine.said().isEmpty(); }, 10000));
    EXPECT_EQ(m_engine.said().first().text, "Guten Tag");
    EXPECT_EQ(m_engine.said().first().wordsPerMinute, 150);
}

TEST_F(CharacterAgentTest, StopAllEndsSpeechAndDropsTheQueue)
{
    Character* c = load();
    QSignalSpy idle(&m_agent, &CharacterAgent::characterIdle);
    c->Show();
    c->Speak("eins");
    c->Speak("zwei");
    c->Play("Wave");
    c->Hide();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_engine.said().isEmpty(); }, 10000));
    EXPECT_TRUE(m_agent.loaded("Testy")->balloon()->isVisible());

    EXPECT_TRUE(c->StopAll());
    EXPECT_EQ(m_engine.stopCount(), 1);
    EXPECT_FALSE(busy());
    EXPECT_EQ(idle.count(), 1);
    EXPECT_FALSE(m_agent.loaded("Testy")->balloon()->isVisible());
    QTest::qWait(200);
    EXPECT_EQ(m_engine.said().size(), 1); // "zwei" was never handed to the voice
    EXPECT_TRUE(window()->isVisible()); // the Hide was dropped too

    // The character goes on with what comes after.
    c->Speak("drei");
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_engine.said().size() == 2; }, 10000));
    EXPECT_EQ(m_engine.said().last().text, "drei");
}

TEST_F(CharacterAgentTest, RequestsToAnUnloadedCharacterFail)
{
    Character* c = load();
    c->Show();
    ASSERT_TRUE(m_agent.UnloadCharacter("Testy"));
    EXPECT_EQ(m_agent.GetCharacter("Testy"), nullptr);
    const Result r = c->Speak("Hallo");
    EXPECT_FALSE(r);
    EXPECT_THAT(r.error.toStdString(), HasSubstr("nicht geladen"));
    EXPECT_FALSE(c->Show());
    EXPECT_FALSE(c->StopAll());
    EXPECT_FALSE(c->SetLanguage(1031));
    EXPECT_FALSE(m_agent.UnloadCharacter("Testy"));
    QTest::qWait(50);
    EXPECT_TRUE(m_engine.said().isEmpty());

    // Loading it again brings the same character back to life.
    EXPECT_TRUE(m_agent.LoadCharacter("Testy", "Testy.acs"));
    EXPECT_EQ(m_agent.GetCharacter("Testy"), c);
    EXPECT_TRUE(c->Speak("Hallo"));
}

TEST_F(CharacterAgentTest, LoadFindsTheFileWithoutRegardToCase)
{
    EXPECT_TRUE(m_agent.LoadCharacter("Genie", "testy.ACS"));
    EXPECT_NE(m_agent.GetCharacter("Genie"), nullptr);
    const Result again = m_agent.LoadCharacter("Genie", "Testy.acs");
    EXPECT_FALSE(again);
    EXPECT_THAT(again.error.toStdString(), HasSubstr("bereits geladen"));
}

TEST_F(CharacterAgentTest, LoadReportsMissingAndDamagedFiles)
{
    Result r = m_agent.LoadCharacter("Merlin", "Merlin.acs");
    ASSERT_FALSE(r);
    EXPECT_THAT(r.error.toStdString(), HasSubstr("Charakterdatei nicht gefunden"));
    EXPECT_THAT(r.error.toStdString(), HasSubstr("Merlin.acs"));
    EXPECT_EQ(m_agent.GetCharacter("Merlin"), nullptr);

    r = m_agent.LoadCharacter("Evil", "../Testy.acs");
    EXPECT_FALSE(r);

    QFile damaged(m_dir.filePath("Damaged.acs"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(FakeCharacterFile::text().replace("<g/>", "<g"));
    damaged.close();
    r = m_agent.LoadCharacter("Damaged", "damaged.acs");
    ASSERT_FALSE(r);
    EXPECT_THAT(r.error.toStdString(), HasSubstr("beschädigt"));
    EXPECT_EQ(m_agent.GetCharacter("Damaged"), nullptr);
}

TEST_F(CharacterAgentTest, LanguageAppliesToLaterTextsOnly)
{
    Character* c = load();
    c->Speak("eins");
    EXPECT_TRUE(c->SetLanguage(1033));
    c->Speak("two");
    const Result bad = c->SetLanguage(1040);
    EXPECT_FALSE(bad);
    EXPECT_THAT(bad.error.toStdString(), HasSubstr("1040"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_engine.said().size() == 1; }, 10000));
    m_engine.finishCurrent();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_engine.said().size() == 2; }, 10000));
    EXPECT_EQ(m_engine.said().at(0).voice.language, "de");
    EXPECT_EQ(m_engine.said().at(1).voice.language, "en");
    EXPECT_EQ(m_engine.said().at(1).voice.variant, "m3");
}

TEST_F(CharacterAgentTest, PlayRefusesAnAnimationTheCharacterLacks)
{
    Character* c = load();
    const Result r = c->Play("Backflip");
    EXPECT_FALSE(r);
    EXPECT_THAT(r.error.toStdString(), HasSubstr("Backflip"));
    EXPECT_FALSE(busy());
}

TEST_F(CharacterAgentTest, BalloonMarksTheWordBeingHeardAndTheMouthFollowsTheSound)
{
    Character* c = load();
    c->Show();
    c->Speak("\\Spd=120\\Guten Tag mein Herr");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_engine.said().isEmpty(); }, 10000));
    WordBalloon* balloon = m_agent.loaded("Testy")->balloon();
    EXPECT_TRUE(balloon->isVisible());
    EXPECT_EQ(balloon->text(), "Guten Tag mein Herr");
    EXPECT_EQ(balloon->markedWord(), "");
    m_engine.reachWord(6, 3);
    EXPECT_EQ(balloon->markedWord(), "Tag");
    m_engine.reachWord(15, 4);
    EXPECT_EQ(balloon->markedWord(), "Herr");

    m_engine.sendLevel(0.9);
    EXPECT_EQ(window()->mouth(), "m2");
    m_engine.sendLevel(0.0);
    EXPECT_EQ(window()->mouth(), "m0");
    m_engine.finishCurrent();
    EXPECT_EQ(window()->mouth(), "");
    EXPECT_FALSE(balloon->isVisible());
}

TEST_F(CharacterAgentTest, EveryRequestGoesToTheTranscriptInCallOrder)
{
    m_agent.LoadCharacter("Testy", "Nobody.acs");
    Character* c = load();
    c->SetLanguage(1031);
    c->Show();
    c->MoveTo(300, 300);
    c->Play("Wave");
    c->Play("Backflip");
    c->Speak("\\Spd=150\\Hallo");
    c->StopAll();
    c->Hide();
    m_agent.UnloadCharacter("Testy");
    c->Speak("zu spät");

    EXPECT_THAT(transcriptOps(),
        ElementsAre("LoadCharacter!", "LoadCharacter", "GetCharacter", "SetLanguage", "Show",
            "MoveTo", "Play", "Play!", "Speak", "StopAll", "Hide", "UnloadCharacter", "Speak!"));
    const QList<LogLine> lines = transcript();
    EXPECT_EQ(lines[0].args, QJsonArray({ "Testy", "Nobody.acs" }));
    EXPECT_THAT(lines[0].error.toStdString(), HasSubstr("nicht gefunden"));
    EXPECT_EQ(lines[1].character, "Testy");
    EXPECT_EQ(lines[3].args, QJsonArray({ 1031 }));
    EXPECT_EQ(lines[5].args, QJsonArray({ 300, 300 }));
    EXPECT_EQ(lines[6].args, QJsonArray({ "Wave" }));
    EXPECT_EQ(lines[8].args, QJsonArray({ "\\Spd=150\\Hallo" }));
    EXPECT_THAT(lines[12].error.toStdString(), HasSubstr("nicht geladen"));
}

TEST_F(CharacterAgentTest, MoveToPlacesTheWindow)
{
    Character* c = load();
    c->MoveTo(10, 20); // hidden: placed at once
    c->Show();
    c->MoveTo(120, 90); // visible: glides there
    ASSERT_TRUE(QTest::qWaitFor([&] { return !busy(); }, 10000));
    EXPECT_EQ(window()->pos(), QPoint(120, 90));
}
