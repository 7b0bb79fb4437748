#include "RawEspeak.h"

#include <espeak-ng/speak_lib.h>

#include <QElapsedTimer>

namespace RawEspeak {

namespace {

QElapsedTimer* g_clock = nullptr;
Timing* g_timing = nullptr;

int callback(short* wav, int numsamples, espeak_EVENT*)
{
    if (wav && numsamples > 0) {
        const double ms = g_clock->nsecsElapsed() / 1e6;
        if (g_timing->firstAudioMs == 0)
            g_timing->firstAudioMs = ms;
        g_timing->firstSentenceMs = ms;
    }
    return 0;
}

} // namespace

Timing time(const QByteArray& utf8)
{
    Timing timing;
    QElapsedTimer clock;
    g_clock = &clock;
    g_timing = &timing;
    espeak_SetSynthCallback(callback);
    clock.start();
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
        nullptr, nullptr);
    g_clock = nullptr;
    g_timing = nullptr;
    return timing;
}

} // namespace RawEspeak
