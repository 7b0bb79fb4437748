// Runs under a private PulseAudio null sink (tests/with-services --audio).
#include "speech/PulseAudioOutput.h"
#include "speech/AudioOutputFactory.h"
#include "speech/EspeakEngine.h"

#include "speech/SpeechSignalWait.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace suite;
using suite::test::waitForSignals;

TEST(PulseAudioOutput, SpeechPlaysThroughTheRealSinkToTheEnd)
{
    ASSERT_TRUE(qEnvironmentVariableIsEmpty("SPRACHAUSGABE_AUDIO"));
    EspeakEngine engine;
    QSignalSpy started(&engine, &SpeechEngine::utteranceStarted);
    QSignalSpy words(&engine, &SpeechEngine::wordReached);
    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);
    Utterance u;
    u.text = QStringLiteral("Guten Tag, die Uhr zeigt zwölf");
    u.wordsPerMinute = 200;
    const quint64 id = engine.say(u);
    ASSERT_TRUE(waitForSignals(finished, 1));
    ASSERT_EQ(engine.output().kind(), QStringLiteral("pulseaudio"));
    EXPECT_EQ(started.count(), 1);
    EXPECT_EQ(finished[0][0].toULongLong(), id);
    EXPECT_GE(words.count(), 4);
    // The sink really played it: its clock went on over the audio's length.
    EXPECT_GT(engine.output().processedUs(), 1'000'000);
    EXPECT_FALSE(engine.isSpeaking());
}

TEST(PulseAudioOutput, StopAllEndsRealPlayback)
{
    EspeakEngine engine;
    QSignalSpy words(&engine, &SpeechEngine::wordReached);
    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);
    QString text;
    for (int i = 0; i < 50; ++i)
        text += QStringLiteral("Ein Satz, der nicht zu Ende gesprochen wird. ");
    const quint64 id = engine.say(Utterance { text });
    ASSERT_TRUE(waitForSignals(words, 2));
    ASSERT_EQ(engine.output().kind(), QStringLiteral("pulseaudio"));
    engine.stopAll();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished[0][0].toULongLong(), id);
    const qint64 heard = engine.output().processedUs();
    QSignalSpy more(&engine, &SpeechEngine::wordReached);
    EXPECT_FALSE(more.wait(1000));
    EXPECT_EQ(engine.output().processedUs(), heard);

    // The sink still works after the drop.
    engine.say(Utterance { QStringLiteral("Noch einmal") });
    ASSERT_TRUE(waitForSignals(finished, 2));
}

TEST(PulseAudioOutput, FactoryHonoursTheSilentSwitch)
{
    qputenv("SPRACHAUSGABE_AUDIO", "null");
    EXPECT_EQ(createAudioOutput()->kind(), QStringLiteral("null"));
    qunsetenv("SPRACHAUSGABE_AUDIO");
    // The device opens once the event loop runs, or at the first write if that comes first.
    const std::unique_ptr<AudioOutput> waiting = createAudioOutput();
    EXPECT_EQ(waiting->processedUs(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(waiting->kind(), QStringLiteral("pulseaudio"));
    const std::unique_ptr<AudioOutput> written = createAudioOutput();
    written->write(QByteArray(4410, '\0'));
    EXPECT_EQ(written->kind(), QStringLiteral("pulseaudio"));
    QSignalSpy idle(written.get(), &AudioOutput::idle);
    ASSERT_TRUE(waitForSignals(idle, 1));
    EXPECT_EQ(written->processedUs(), 100'000);
}
