#include "speech/EspeakLibrary.h"

#include <espeak-ng/speak_lib.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <vector>

namespace suite {

namespace {

std::atomic<bool> g_claimed { false };
std::once_flag g_initOnce;
int g_initResult = -1;

// espeak calls back through a plain function pointer; the instance in use parks its
// callback here. Only the claiming instance touches it, so no lock is needed.
const EspeakLibrary::ChunkCallback* g_callback = nullptr;
std::vector<EspeakLibrary::WordMark> g_words;

int synthCallback(short* wav, int numsamples, espeak_EVENT* events)
{
    g_words.clear();
    for (espeak_EVENT* e = events; e && e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        if (e->type == espeakEVENT_WORD)
            g_words.push_back({ e->text_position, e->audio_position });
    }
    if (!g_callback)
        return 0;
    if ((!wav || numsamples <= 0) && g_words.empty())
        return 0;
    const bool goOn = (*g_callback)(
        wav, wav ? numsamples : 0, g_words.data(), static_cast<int>(g_words.size()));
    return goOn ? 0 : 1;
}

} // namespace

EspeakLibrary::EspeakLibrary()
{
    bool expected = false;
    if (!g_claimed.compare_exchange_strong(expected, true)) {
        m_error = QStringLiteral("Die Sprachausgabe wird in diesem Programm schon benutzt.");
        return;
    }
    std::call_once(g_initOnce, [] {
        // DONT_EXIT: missing voice data must be an error here, not the end of the program.
        g_initResult
            = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    });
    if (g_initResult != sampleRate) {
        m_error = QStringLiteral("espeak-ng lässt sich nicht starten: keine Sprachdaten in „%1“.")
                      .arg(dataFolder());
        g_claimed.store(false);
        return;
    }
    espeak_SetSynthCallback(synthCallback);
    m_available = true;
    // The German voice is what every program speaks with: without it, or without its
    // dictionary (espeak then says nothing, yet reports success), there is no speech at all.
    if (espeak_SetVoiceByName("de") != EE_OK || !speaksAWord()) {
        m_error = QStringLiteral("Die deutsche Stimme von espeak-ng fehlt oder ist unvollständig "
                                 "(Sprachdaten in „%1“).")
                      .arg(dataFolder());
        m_available = false;
        g_claimed.store(false);
        return;
    }
    m_voiceName = "de";
    setVoice(Voice {});
}

QString EspeakLibrary::dataFolder()
{
    const char* path = nullptr;
    espeak_Info(&path);
    return path ? QString::fromLocal8Bit(path) : QString();
}

bool EspeakLibrary::speaksAWord()
{
    // "Hallo" lasts about half a second; a voice without its dictionary gives a few ms.
    qint64 samples = 0;
    synthesize("Hallo", [&samples](const qint16*, int count, const WordMark*, int) {
        samples += count;
        return true;
    });
    return samples >= sampleRate / 10;
}

EspeakLibrary::~EspeakLibrary()
{
    if (m_available)
        g_claimed.store(false);
}

void EspeakLibrary::setVoice(const Voice& voice)
{
    if (!m_available)
        return;
    QByteArray name = voice.language.trimmed().toLatin1();
    if (name.isEmpty())
        name = "de";
    if (!voice.variant.trimmed().isEmpty())
        name += '+' + voice.variant.trimmed().toLatin1();
    // Loading a voice costs milliseconds; the first sound must not wait for it needlessly.
    if (name != m_voiceName) {
        if (espeak_SetVoiceByName(name.constData()) != EE_OK) {
            name = "de";
            espeak_SetVoiceByName(name.constData());
        }
        m_voiceName = name;
    }
    espeak_SetParameter(espeakPITCH, qBound(0, voice.pitch, 100), 0);
}

void EspeakLibrary::setRate(int espeakRate, int wordGapTens)
{
    if (!m_available)
        return;
    espeak_SetParameter(espeakRATE, espeakRate, 0);
    espeak_SetParameter(espeakWORDGAP, wordGapTens, 0);
}

bool EspeakLibrary::synthesize(const QByteArray& utf8, const ChunkCallback& callback, bool endPause)
{
    if (!m_available)
        return false;
    bool stopped = false;
    const ChunkCallback wrapped = [&](const qint16* s, int n, const WordMark* w, int wn) {
        if (!callback(s, n, w, wn)) {
            stopped = true;
            return false;
        }
        return true;
    };
    // The callback is re-installed per call: a benchmark may have used the library raw.
    espeak_SetSynthCallback(synthCallback);
    g_callback = &wrapped;
    const espeak_ERROR err = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
        POS_CHARACTER, 0, espeakCHARS_UTF8 | (endPause ? espeakENDPAUSE : 0), nullptr, nullptr);
    g_callback = nullptr;
    return err == EE_OK && !stopped;
}

QString EspeakLibrary::phonemes(const QByteArray& utf8)
{
    if (!m_available)
        return {};
    char* buffer = nullptr;
    size_t size = 0;
    FILE* stream = open_memstream(&buffer, &size);
    if (!stream)
        return {};
    espeak_SetPhonemeTrace(espeakPHONEMES_SHOW, stream);
    synthesize(utf8, [](const qint16*, int, const WordMark*, int) { return true; });
    espeak_SetPhonemeTrace(0, nullptr);
    std::fclose(stream);
    const QString result = QString::fromUtf8(buffer, qsizetype(size));
    std::free(buffer);
    return result;
}

} // namespace suite
