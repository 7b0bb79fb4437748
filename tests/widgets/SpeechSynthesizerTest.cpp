#include "widgets/SpeechSynthesizer.h"
#include "fakes/FakeSpeechEngine.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace suite;
using suite::test::FakeSpeechEngine;

namespace {

class SpeechSynthesizerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_log = m_dir.filePath("transcript.jsonl");
        qputenv("SPRACHAUSGABE_SPEECH_LOG", m_log.toLocal8Bit());
        m_window.resize(200, 100);
        m_window.show();
    }
    void TearDown() override { qunsetenv("SPRACHAUSGABE_SPEECH_LOG"); }

    QStringList spokenTexts() const
    {
        QStringList out;
        for (const Utterance& u : m_engine.said())
            out << u.text;
        return out;
    }

    QTemporaryDir m_dir;
    QString m_log;
    FakeSpeechEngine m_engine;
    QWidget m_window;
    SpeechSynthesizer m_synth { m_engine, &m_window };
};

} // namespace

TEST_F(SpeechSynthesizerTest, SpeaksGermanTextsExactlyAsPassedInCallOrder)
{
    EXPECT_EQ(m_synth.objectName(), "DirectSS1");
    EXPECT_TRUE(m_synth.Speak(" Speicher lesen "));
    EXPECT_TRUE(m_synth.Speak("-3,25"));
    EXPECT_TRUE(m_synth.Speak("0,"));
    // Nothing waited: all three are queued in the engine, in order, German.
    EXPECT_THAT(spokenTexts(), ::testing::ElementsAre(" Speicher lesen ", "-3,25", "0,"));
    for (const Utterance& u : m_engine.said())
        EXPECT_EQ(u.voice.language, "de");
    EXPECT_TRUE(m_synth.isSpeaking());
    m_engine.finishCurrent();
    m_engine.finishCurrent();
    EXPECT_TRUE(m_synth.isSpeaking());
    m_engine.finishCurrent();
    EXPECT_FALSE(m_synth.isSpeaking());
}

TEST_F(SpeechSynthesizerTest, StopEndsAtOnceAndNothingEarlierIsHeardAfterwards)
{
    m_synth.Speak("eins");
    m_synth.Speak("zwei");
    m_engine.sendLevel(0.8);
    EXPECT_GT(m_synth.opening(), 0.5);
    m_synth.Stop();
    EXPECT_EQ(m_engine.stopCount(), 1);
    EXPECT_TRUE(m_engine.queued().isEmpty());
    EXPECT_FALSE(m_synth.isSpeaking());
    EXPECT_EQ(m_synth.opening(), 0);
    m_engine.sendLevel(0.9); // a late level of the stopped sound moves nothing
    EXPECT_EQ(m_synth.opening(), 0);

    m_synth.Speak("drei");
    EXPECT_TRUE(m_synth.isSpeaking());
    EXPECT_EQ(m_engine.queued().size(), 1);
    EXPECT_EQ(m_engine.queued().first().text, "drei");
}

TEST_F(SpeechSynthesizerTest, HidingTheMouthLetsSpeechGoOn)
{
    EXPECT_TRUE(m_synth.IsVisible());
    m_synth.Speak("Hallo");
    m_synth.SetVisible(false);
    EXPECT_FALSE(m_synth.IsVisible());
    EXPECT_FALSE(m_synth.isVisible());
    EXPECT_TRUE(m_synth.isSpeaking());
    EXPECT_EQ(m_engine.stopCount(), 0);
    m_engine.sendLevel(0.5);
    EXPECT_DOUBLE_EQ(m_synth.opening(), 0.5);
    m_synth.SetVisible(true);
    EXPECT_TRUE(m_synth.IsVisible());
    EXPECT_TRUE(m_synth.isVisible());
    m_engine.finishCurrent();
    EXPECT_EQ(m_synth.opening(), 0);
    // The mouth is drawn whatever its opening.
    for (qreal level : { 0.0, 0.4, 1.0 }) {
        m_synth.Speak("a");
        m_engine.sendLevel(level);
        EXPECT_FALSE(m_synth.grab().isNull());
        m_engine.finishCurrent();
    }
}

TEST_F(SpeechSynthesizerTest, EveryRequestGoesToTheTranscript)
{
    m_synth.Speak(" plus ");
    m_synth.SetVisible(false);
    m_synth.Stop();
    QFile file(m_log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList ops;
    QList<QJsonArray> args;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        EXPECT_EQ(o.value("component").toString(), "synth");
        EXPECT_FALSE(o.contains("character"));
        ops << o.value("op").toString();
        args << o.value("args").toArray();
    }
    EXPECT_THAT(ops, ::testing::ElementsAre("Speak", "SetVisible", "Stop"));
    EXPECT_EQ(args[0], QJsonArray({ " plus " }));
    EXPECT_EQ(args[1], QJsonArray({ false }));
    EXPECT_EQ(args[2], QJsonArray());
}
