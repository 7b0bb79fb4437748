// The speech-dispatcher engine against the real service: tests/with-services --speechd starts
// speech-dispatcher with its espeak-ng module on a private socket, playing into a null sink
// whose monitor tells when sound is heard.
#include "speech/SpeechdEngine.h"
#include "speech/EspeakEngine.h"
#include "speech/EspeakLibrary.h"
#include "speech/SpeechEngineFactory.h"
#include "speech/SpeechLog.h"
#include "speech/UtteranceRenderer.h"

#include "speech/SpeechSignalWait.h"
#include "speech/service/SoundMonitor.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

#include <signal.h>

using namespace suite;
using suite::test::SoundMonitor;
using suite::test::waitForSignals;

namespace {

Utterance german(const QString& text, int wpm = 150)
{
    Utterance u;
    u.text = text;
    u.wordsPerMinute = wpm;
    return u;
}

// Where each blank-separated word of text starts.
QList<int> wordStarts(const QString& text)
{
    QList<int> starts;
    for (const auto& m : QRegularExpression(QStringLiteral("\\S+")).globalMatch(text))
        starts.append(int(m.capturedStart()));
    return starts;
}

void runEventsFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// From the first to the last loud 10 ms block of the PCM, in ms: the same measure the
// monitor gives for the service's sound.
double soundSpanMs(const std::vector<qint16>& pcm)
{
    const int block = EspeakLibrary::sampleRate / 100;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype start = 0; start + block <= qsizetype(pcm.size()); start += block) {
        double sum = 0;
        for (int i = 0; i < block; ++i)
            sum += double(pcm[size_t(start + i)]) * pcm[size_t(start + i)];
        if (std::sqrt(sum / block) / 32768.0 > SoundMonitor::loudRms) {
            if (first < 0)
                first = start;
            last = start;
        }
    }
    return first < 0 ? 0 : (last - first + block) * 1000.0 / EspeakLibrary::sampleRate;
}

} // namespace

TEST(SpeechdEngine, SpeaksAndMarksEveryWordInOrderWithAMovingMouth)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("speech.jsonl"));
    qputenv("SPRACHAUSGABE_SPEECH_LOG", log.toUtf8());
    QString notice;
    const std::unique_ptr<SpeechEngine> engine
        = createSpeechEngine(QStringLiteral("speechd"), &notice);
    ASSERT_TRUE(dynamic_cast<SpeechdEngine*>(engine.get())) << qPrintable(notice);
    ASSERT_TRUE(engine->availability());
    SoundMonitor monitor;
    ASSERT_TRUE(monitor.start());

    QSignalSpy started(engine.get(), &SpeechEngine::utteranceStarted);
    QSignalSpy words(engine.get(), &SpeechEngine::wordReached);
    QSignalSpy levels(engine.get(), &SpeechEngine::level);
    QSignalSpy finished(engine.get(), &SpeechEngine::utteranceFinished);
    // Markup characters and a number with a trailing comma go through as text.
    const QString text = QStringLiteral("Guten Morgen, <Welt> & Co. um 12,");
    const double asked = monitor.now();
    const quint64 id = engine->say(german(text));
    EXPECT_EQ(started.count(), 0); // never from within say()
    ASSERT_TRUE(waitForSignals(finished, 1));
    EXPECT_EQ(finished.first().at(0).toULongLong(), id);
    ASSERT_EQ(started.count(), 1);
    EXPECT_EQ(started.first().at(0).toULongLong(), id);
    QList<int> heard;
    for (const auto& w : words) {
        EXPECT_EQ(w.at(0).toULongLong(), id);
        heard.append(w.at(1).toInt());
    }
    EXPECT_EQ(heard, wordStarts(text));
    EXPECT_FALSE(engine->isSpeaking());
    EXPECT_GT(monitor.firstLoudFrom(asked), 0) << "nothing was heard";

    // The mouth opens with the words, closes between them, and is shut at the end.
    int opened = 0;
    int closed = 0;
    for (const auto& l : levels) {
        opened += l.at(0).toReal() >= 0.5;
        closed += l.at(0).toReal() < 0.5;
    }
    EXPECT_GE(opened, heard.size());
    EXPECT_GE(closed, 2);
    EXPECT_EQ(levels.last().at(0).toReal(), 0.0);

    SpeechLog::record(SpeechLog::Component::Synth, {}, QStringLiteral("Speak"), { text });
    qunsetenv("SPRACHAUSGABE_SPEECH_LOG");
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\"engine\":\"speechd\""));
}

TEST(SpeechdEngine, StopSilencesAtOnceAndDropsTheQueue)
{
    SpeechdEngine engine;
    ASSERT_TRUE(engine.availability());
    SoundMonitor monitor;
    ASSERT_TRUE(monitor.start());
    QSignalSpy started(&engine, &SpeechEngine::utteranceStarted);
    QSignalSpy words(&engine, &SpeechEngine::wordReached);
    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);

    const quint64 first = engine.say(german(QStringLiteral(
        "Dies ist ein langer Satz, der noch lange weitergehen würde, wenn ihn niemand "
        "anhielte, und er geht und geht immer weiter.")));
    engine.say(german(QStringLiteral("Dieser Satz darf nie zu hören sein.")));
    ASSERT_TRUE(waitForSignals(words, 3));
    const double stopped = monitor.now();
    engine.stopAll();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.first().at(0).toULongLong(), first);
    EXPECT_FALSE(engine.isSpeaking());
    const int startedBefore = int(started.count());
    const int wordsBefore = int(words.count());
    runEventsFor(2000);
    EXPECT_EQ(started.count(), startedBefore);
    EXPECT_EQ(words.count(), wordsBefore);
    EXPECT_EQ(finished.count(), 1);
    const double lastLoud = monitor.lastLoud();
    ASSERT_GT(lastLoud, 0);
    // The sentence would go on for seconds. How soon the sound ends lies with the service:
    // speech-dispatcher 0.11 stops its espeak-ng module within ~15 ms on a quiet machine but
    // took up to ~400 ms on a shared one under load (bench/speech/EngineLatencyBench.cpp keeps
    // the figures); the bound catches a stop that never reached it.
    std::printf("speechd: last sound %.0f ms after the stop\n", lastLoud - stopped);
    EXPECT_LE(lastLoud - stopped, 600.0);

    // The engine speaks again afterwards.
    const quint64 again = engine.say(german(QStringLiteral("Weiter."), 250));
    ASSERT_TRUE(waitForSignals(finished, 2));
    EXPECT_EQ(finished.last().at(0).toULongLong(), again);
}

TEST(SpeechdEngine, EveryRateLastsAsLongAsWithEspeakNg)
{
    const QString text = QStringLiteral("Heute scheint die Sonne über den Bergen, und die Kinder "
                                        "spielen im Garten.");
    const std::vector<int> rates { 50, 80, 150, 250 };
    std::vector<double> espeakMs;
    {
        EspeakLibrary library;
        ASSERT_TRUE(library.isAvailable()) << qPrintable(library.error());
        UtteranceRenderer renderer(library);
        for (int wpm : rates) {
            std::vector<qint16> pcm;
            renderer.render(german(text, wpm), [&](const qint16* s, int n, const auto&) {
                pcm.insert(pcm.end(), s, s + n);
                return true;
            });
            espeakMs.push_back(soundSpanMs(pcm));
        }
    }
    SpeechdEngine engine;
    ASSERT_TRUE(engine.availability());
    SoundMonitor monitor;
    ASSERT_TRUE(monitor.start());
    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);
    for (size_t i = 0; i < rates.size(); ++i) {
        const double asked = monitor.now();
        engine.say(german(text, rates[i]));
        ASSERT_TRUE(waitForSignals(finished, int(i) + 1));
        runEventsFor(200); // the monitor hears the end a little later
        const double from = monitor.firstLoudFrom(asked);
        ASSERT_GT(from, 0) << rates[i];
        const double speechdMs = monitor.lastLoud() + 10 - from;
        const double ratio = speechdMs / espeakMs[i];
        std::printf("%3d wpm: espeak-ng %5.0f ms, speechd %5.0f ms, ratio %.2f\n", rates[i],
            espeakMs[i], speechdMs, ratio);
        EXPECT_NEAR(ratio, 1.0, 0.15) << rates[i] << " wpm";
    }
}

TEST(SpeechdEngine, AServiceThatCannotBeReachedLeavesEspeakNgSpeakingWithOneMessage)
{
    const QByteArray address = qgetenv("SPEECHD_ADDRESS");
    QTemporaryDir dir;
    qputenv("SPEECHD_ADDRESS", "unix_socket:" + dir.filePath(QStringLiteral("none")).toUtf8());
    const QString log = dir.filePath(QStringLiteral("speech.jsonl"));
    qputenv("SPRACHAUSGABE_SPEECH_LOG", log.toUtf8());
    qputenv("SPRACHAUSGABE_ENGINE", "speechd");
    QString notice;
    const std::unique_ptr<SpeechEngine> engine = createSpeechEngine({}, &notice);
    qunsetenv("SPRACHAUSGABE_ENGINE");
    qputenv("SPEECHD_ADDRESS", address);
    EXPECT_TRUE(dynamic_cast<EspeakEngine*>(engine.get()));
    EXPECT_TRUE(notice.contains(QStringLiteral("speech-dispatcher ist nicht erreichbar")))
        << qPrintable(notice);
    EXPECT_TRUE(notice.contains(QStringLiteral("espeak-ng")));
    EXPECT_TRUE(engine->availability());

    SpeechLog::record(SpeechLog::Component::Synth, {}, QStringLiteral("Speak"), { "1" });
    qunsetenv("SPRACHAUSGABE_SPEECH_LOG");
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("\"engine\":\"espeak-ng\""));
}

// Ends the service for the rest of this run: it stays the last test here.
TEST(SpeechdEngine, AServiceThatGoesAwayFinishesWhatWasAskedAndSaysSo)
{
    SpeechdEngine engine;
    ASSERT_TRUE(engine.availability());
    QSignalSpy words(&engine, &SpeechEngine::wordReached);
    QSignalSpy finished(&engine, &SpeechEngine::utteranceFinished);
    const quint64 first = engine.say(german(QStringLiteral(
        "Dieser Satz wird mitten im Sprechen von einem Dienst verlassen, der einfach geht.")));
    const quint64 second = engine.say(german(QStringLiteral("Und dieser kommt nicht mehr.")));
    ASSERT_TRUE(waitForSignals(words, 1));

    QFile pidFile(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/speechd.pid"));
    ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
    const qint64 pid = pidFile.readAll().trimmed().toLongLong();
    ASSERT_GT(pid, 1);
    ASSERT_EQ(::kill(pid_t(pid), SIGTERM), 0);

    ASSERT_TRUE(waitForSignals(finished, 2));
    EXPECT_EQ(finished.at(0).at(0).toULongLong(), first);
    EXPECT_EQ(finished.at(1).at(0).toULongLong(), second);
    EXPECT_FALSE(engine.isSpeaking());
    EXPECT_FALSE(engine.availability());
    // Later requests finish at once, without sound.
    const quint64 later = engine.say(german(QStringLiteral("Niemand hört das.")));
    ASSERT_TRUE(waitForSignals(finished, 3));
    EXPECT_EQ(finished.at(2).at(0).toULongLong(), later);
}
