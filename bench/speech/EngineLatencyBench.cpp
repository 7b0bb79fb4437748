// The two speech engines side by side, as a listener hears them: the time from say() to the
// first sound, and from stopAll() to the last sound, taken from the monitor of the null sink
// both play into. Run it under tests/with-services --speechd, which starts speech-dispatcher
// with its espeak-ng module on a private socket:
//   tests/with-services --speechd -- build/bench/engine_latency_bench [ROUNDS]
// The rounds alternate which engine goes first; the figures are medians.
#include "speech/EspeakEngine.h"
#include "speech/SpeechdEngine.h"
#include "speech/service/SoundMonitor.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace suite;
using suite::test::SoundMonitor;

namespace {

const QString sentence = QStringLiteral(
    "Guten Tag mein Herr, bist Du zu Hause? Ich lese Dir den Text vor, der vorher kopiert "
    "wurde, und höre erst auf, wenn Du es sagst.");

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Runs the event loop until done() or ms have passed; false on the timeout.
template <typename Done> bool runUntil(Done done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

struct Figures {
    std::vector<double> firstSound;
    std::vector<double> stop;
};

// One round for one engine; false when it gave no sound at all.
bool measure(SpeechEngine& engine, SoundMonitor& monitor, Figures& figures)
{
    // Quiet first, so that nothing of the last round counts.
    runUntil([&] { return monitor.now() - monitor.lastLoud() > 400; }, 5000);
    Utterance u;
    u.text = sentence;
    const double asked = monitor.now();
    engine.say(u);
    if (!runUntil([&] { return monitor.firstLoudFrom(asked) > 0; }, 10000))
        return false;
    const double heard = monitor.firstLoudFrom(asked);
    figures.firstSound.push_back(heard - asked);
    runUntil([] { return false; }, 1200); // well into the sentence
    const double stopped = monitor.now();
    engine.stopAll();
    runUntil([] { return false; }, 1000);
    figures.stop.push_back(std::max(0.0, monitor.lastLoud() + 10 - stopped));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    SoundMonitor monitor;
    if (!monitor.start()) {
        std::fprintf(stderr,
            "engine_latency_bench: no null sink to listen to (run it under "
            "tests/with-services --speechd)\n");
        return 1;
    }
    EspeakEngine espeak;
    SpeechdEngine speechd;
    for (SpeechEngine* engine :
        { static_cast<SpeechEngine*>(&espeak), static_cast<SpeechEngine*>(&speechd) }) {
        if (const Result r = engine->availability(); !r) {
            std::fprintf(stderr, "engine_latency_bench: %s\n", qPrintable(r.error));
            return 1;
        }
    }
    Figures espeakFigures;
    Figures speechdFigures;
    for (int round = 0; round < rounds; ++round) {
        const bool espeakFirst = round % 2 == 0;
        for (int side = 0; side < 2; ++side) {
            const bool isEspeak = (side == 0) == espeakFirst;
            SpeechEngine& engine = isEspeak ? static_cast<SpeechEngine&>(espeak) : speechd;
            if (!measure(engine, monitor, isEspeak ? espeakFigures : speechdFigures)) {
                std::fprintf(stderr, "engine_latency_bench: %s gave no sound\n",
                    isEspeak ? "espeak-ng" : "speechd");
                return 1;
            }
        }
    }
    const double espeakFirst = median(espeakFigures.firstSound);
    const double speechdFirst = median(speechdFigures.firstSound);
    const double espeakStop = median(espeakFigures.stop);
    const double speechdStop = median(speechdFigures.stop);
    std::printf("%d rounds, medians, as heard on the null sink's monitor\n", rounds);
    std::printf("%-28s %10s %10s %8s\n", "", "espeak-ng", "speechd", "ratio");
    // A side under one 10 ms block gives no ratio worth printing.
    const auto row = [](const char* what, double espeakMs, double speechdMs) {
        std::printf("%-28s %7.0f ms %7.0f ms", what, espeakMs, speechdMs);
        if (espeakMs >= 10)
            std::printf(" %8.2f\n", speechdMs / espeakMs);
        else
            std::printf(" %8s\n", "-");
    };
    row("first sound after say()", espeakFirst, speechdFirst);
    row("last sound after stopAll()", espeakStop, speechdStop);
    return 0;
}
