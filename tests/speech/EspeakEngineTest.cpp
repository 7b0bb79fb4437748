#include "speech/EspeakEngine.h"
#include "speech/NullAudioOutput.h"

#include "speech/SpeechSignalWait.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace suite;
using suite::test::waitForSignals;

namespace {

Utterance german(const QString& text, int wpm = 250)
{
    Utterance u;
    u.text = text;
    u.wordsPerMinute = wpm;
    return u;
}

std::unique_ptr<AudioOutput> realTimeOutput()
{
    return std::make_unique<NullAudioOutput>(NullAudioOutput::Pacing::RealTime);
}

} // namespace

TEST(EspeakEngine, PicksTheSilentOutputWhenAskedTo)
{
    qputenv("SPRACHAUSGABE_AUDIO", "null");
    EspeakEngine engine;
    EXPECT_TRUE(engine.isAvailable()) << qPrintable(engine.error());
    EXPECT_EQ(engine.output().kind(), QStringLiteral("null"));
}

TEST(EspeakEngine, WithoutASoundServerSpeechGoesOnSilently)
{
    qunsetenv("SPRACHAUSGABE_AUDIO");
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse/native");
    EspeakEngine engine;
    EXPECT_EQ(engine.output().kind(), QStringLiteral("null"));
    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);
    engine.say(german(QStringLiteral("Hallo")));
    EXPECT_TRUE(waitForSignals(finished, 1));
    qunsetenv("PULSE_SERVER");
    qputenv("SPRACHAUSGABE_AUDIO", "null");
}

TEST(EspeakEngine, SpeaksUtterancesInOrderWithTheirWords)
{
    EspeakEngine engine(realTimeOutput());
    QSignalSpy started(&engine, &SpeechEngine::utteranceStarted);
    QSignalSpy words(&engine, &SpeechEngine::wordReached);
    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);
    QSignalSpy levels(&engine, &SpeechEngine::level);

    const QString first = QStringLiteral("Guten Tag mein Herr");
    const quint64 a = engine.say(german(first));
    const quint64 b = engine.say(german(QStringLiteral(" plus ")));
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_TRUE(engine.isSpeaking());
    ASSERT_TRUE(waitForSignals(finished, 2));
    EXPECT_FALSE(engine.isSpeaking());

    ASSERT_EQ(started.count(), 2);
    EXPECT_EQ(started[0][0].toULongLong(), a);
    EXPECT_EQ(started[1][0].toULongLong(), b);
    EXPECT_EQ(finished[0][0].toULongLong(), a);
    EXPECT_EQ(finished[1][0].toULongLong(), b);

    QStringList spoken;
    for (const auto& args : words) {
        if (args[0].toULongLong() == a)
            spoken << first.mid(args[1].toInt(), args[2].toInt());
    }
    EXPECT_EQ(spoken, (QStringList { "Guten", "Tag", "mein", "Herr" }));
    EXPECT_TRUE(std::any_of(levels.begin(), levels.end(),
        [](const QList<QVariant>& l) { return l[0].toReal() > 0.05; }));
    for (const auto& l : levels) {
        EXPECT_GE(l[0].toReal(), 0.0);
        EXPECT_LE(l[0].toReal(), 1.0);
    }
    EXPECT_EQ(levels.last()[0].toReal(), 0.0);
}

TEST(EspeakEngine, BlankTextsFinishAtOnceWithoutSound)
{
    EspeakEngine engine(realTimeOutput());
    QSignalSpy started(&engine, &SpeechEngine::utteranceStarted);
    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);
    QSignalSpy written(&engine, &EspeakEngine::audioWritten);
    QString controls(4, QChar(0));
    controls += QStringLiteral("\x01\n\t ");
    const quint64 a = engine.say(german(QString()));
    const quint64 b = engine.say(german(controls));
    ASSERT_TRUE(waitForSignals(finished, 2));
    EXPECT_EQ(started.count(), 2);
    EXPECT_EQ(finished[0][0].toULongLong(), a);
    EXPECT_EQ(finished[1][0].toULongLong(), b);
    EXPECT_EQ(written.count(), 0);
    EXPECT_FALSE(engine.isSpeaking());
}

TEST(EspeakEngine, StopAllEndsTheSoundAndDropsTheQueue)
{
    auto output = realTimeOutput();
    AudioOutput* out = output.get();
    EspeakEngine engine(std::move(output));
    QSignalSpy started(&engine, &SpeechEngine::utteranceStarted);
    QSignalSpy words(&engine, &SpeechEngine::wordReached);
    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);

    QString longText;
    for (int i = 0; i < 100; ++i)
        longText += QStringLiteral("Dies ist ein langer Satz zum Anhalten. ");
    const quint64 a = engine.say(german(longText, 150));
    engine.say(german(QStringLiteral("Das hier darf man nie hören.")));
    engine.say(german(QStringLiteral("Das auch nicht.")));
    ASSERT_TRUE(waitForSignals(words, 3));

    engine.stopAll();
    EXPECT_FALSE(engine.isSpeaking());
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished[0][0].toULongLong(), a);
    const qint64 heardAtStop = out->processedUs();

    // Nothing of the dropped texts comes any more, and the output stays silent.
    QSignalSpy later(&engine, &SpeechEngine::utteranceStarted);
    EXPECT_FALSE(later.wait(1500));
    EXPECT_EQ(started.count(), 1);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(out->processedUs(), heardAtStop);

    // The engine speaks normally afterwards.
    const quint64 c = engine.say(german(QStringLiteral("Weiter geht es")));
    ASSERT_TRUE(waitForSignals(finished, 2));
    EXPECT_EQ(finished[1][0].toULongLong(), c);
}

TEST(EspeakEngine, StopAllWithNothingHeardYetSendsNothing)
{
    EspeakEngine engine(realTimeOutput());
    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);
    QSignalSpy started(&engine, &SpeechEngine::utteranceStarted);
    engine.say(german(QStringLiteral("Eins zwei drei")));
    engine.stopAll();
    EXPECT_FALSE(started.wait(500));
    EXPECT_EQ(finished.count(), 0);
    EXPECT_FALSE(engine.isSpeaking());
}

TEST(EspeakEngine, HugeTextWithNulsStartsAtOnceAndStaysAShortWayAhead)
{
    // 5 million characters stand in for the 50 MB case: the path is the same, the test shorter.
    QString text;
    const QString sentence
        = QStringLiteral("Ein Satz mit einem Nullbyte") + QChar(0) + QStringLiteral("darin. ");
    text.reserve(5'000'000);
    while (text.size() < 5'000'000)
        text += sentence;
    auto output = realTimeOutput();
    AudioOutput* out = output.get();
    EspeakEngine engine(std::move(output));
    qint64 writtenBytes = 0;
    QObject::connect(&engine, &EspeakEngine::audioWritten, [&](qsizetype n) { writtenBytes += n; });
    QSignalSpy words(&engine, &SpeechEngine::wordReached);
    engine.say(german(text));
    ASSERT_TRUE(waitForSignals(words, 12));
    EXPECT_EQ(text.mid(words[0][1].toInt(), words[0][2].toInt()), QStringLiteral("Ein"));
    // Back-pressure: synthesis runs at most 1.5 s (plus one chunk) ahead of what is heard.
    const double aheadSeconds = writtenBytes / 44100.0 - out->processedUs() / 1e6;
    EXPECT_LT(aheadSeconds, 1.5 + 0.2);
    engine.stopAll();
    EXPECT_FALSE(engine.isSpeaking());
}

TEST(EspeakEngine, OnlyOneEngineOwnsEspeakAndTheOtherStillFinishes)
{
    // Each engine loads espeak-ng on its own thread: the one that has it loaded keeps it.
    EspeakEngine first(realTimeOutput());
    EXPECT_TRUE(first.isAvailable());
    EspeakEngine second(realTimeOutput());
    EXPECT_FALSE(second.isAvailable());
    EXPECT_FALSE(second.error().isEmpty());
    QSignalSpy finished(&second, &SpeechEngine::utteranceFinished);
    const quint64 id = second.say(german(QStringLiteral("Hallo")));
    ASSERT_TRUE(waitForSignals(finished, 1));
    EXPECT_EQ(finished[0][0].toULongLong(), id);
    EXPECT_FALSE(second.isSpeaking());
}

TEST(EspeakEngine, SlotThatStopsOnAWordStopsCleanly)
{
    EspeakEngine engine(realTimeOutput());
    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);
    int wordsAfterStop = 0;
    bool stopped = false;
    QObject::connect(&engine, &SpeechEngine::wordReached, [&] {
        if (stopped)
            ++wordsAfterStop;
        stopped = true;
        engine.stopAll();
    });
    engine.say(german(QStringLiteral("Eins zwei drei vier fünf sechs")));
    ASSERT_TRUE(waitForSignals(finished, 1));
    EXPECT_FALSE(finished.wait(500));
    EXPECT_EQ(wordsAfterStop, 0);
    EXPECT_EQ(finished.count(), 1);
}
