#include "speech/EspeakLibrary.h"

#include <espeak-ng/speak_lib.h>

#include <atomic>
#include <cstdio>
#include <dlfcn.h>
#include <mutex>
#include <type_traits>
#include <vector>

namespace suite {

namespace {

// libespeak-ng is loaded when speech starts, not with the program: it brings PulseAudio's and
// libsndfile's libraries along, and loading them all before main() delayed every program's
// first window. A missing library is then an error the program can say, not a failed start.
struct EspeakApi {
    decltype(&espeak_Initialize) initialize = nullptr;
    decltype(&espeak_Info) info = nullptr;
    decltype(&espeak_SetSynthCallback) setSynthCallback = nullptr;
    decltype(&espeak_SetVoiceByName) setVoiceByName = nullptr;
    decltype(&espeak_SetParameter) setParameter = nullptr;
    decltype(&espeak_Synth) synth = nullptr;
    decltype(&espeak_SetPhonemeTrace) setPhonemeTrace = nullptr;
    QString error; // why the library is not there; empty when it is
};

EspeakApi loadEspeak()
{
    EspeakApi api;
    constexpr const char* library = "libespeak-ng.so.1";
    void* handle = dlopen(library, RTLD_NOW | RTLD_LOCAL); // stays loaded: espeak keeps globals
    if (!handle) {
        api.error = QStringLiteral("espeak-ng fehlt: %1 lässt sich nicht laden (%2).")
                        .arg(QLatin1String(library), QString::fromLocal8Bit(dlerror()));
        return api;
    }
    bool complete = true;
    const auto resolve = [&](auto& function, const char* name) {
        function
            = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
        complete = complete && function;
    };
    resolve(api.initialize, "espeak_Initialize");
    resolve(api.info, "espeak_Info");
    resolve(api.setSynthCallback, "espeak_SetSynthCallback");
    resolve(api.setVoiceByName, "espeak_SetVoiceByName");
    resolve(api.setParameter, "espeak_SetParameter");
    resolve(api.synth, "espeak_Synth");
    resolve(api.setPhonemeTrace, "espeak_SetPhonemeTrace");
    if (!complete)
        api.error = QStringLiteral("espeak-ng fehlt: %1 ist zu alt oder beschädigt.")
                        .arg(QLatin1String(library));
    return api;
}

const EspeakApi& espeak()
{
    static const EspeakApi api = loadEspeak();
    return api;
}

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
    if (!espeak().error.isEmpty()) {
        m_error = espeak().error;
        g_claimed.store(false);
        return;
    }
    std::call_once(g_initOnce, [] {
        // DONT_EXIT: missing voice data must be an error here, not the end of the program.
        g_initResult
            = espeak().initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    });
    if (g_initResult != sampleRate) {
        m_error = QStringLiteral("espeak-ng lässt sich nicht starten: keine Sprachdaten in „%1“.")
                      .arg(dataFolder());
        g_claimed.store(false);
        return;
    }
    espeak().setSynthCallback(synthCallback);
    m_available = true;
    // The German voice is what every program speaks with: without it, or without its
    // dictionary (espeak then says nothing, yet reports success), there is no speech at all.
    if (espeak().setVoiceByName("de") != EE_OK || !speaksAWord()) {
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
    espeak().info(&path);
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
        if (espeak().setVoiceByName(name.constData()) != EE_OK) {
            name = "de";
            espeak().setVoiceByName(name.constData());
        }
        m_voiceName = name;
    }
    espeak().setParameter(espeakPITCH, qBound(0, voice.pitch, 100), 0);
}

void EspeakLibrary::setRate(int espeakRate, int wordGapTens)
{
    if (!m_available)
        return;
    espeak().setParameter(espeakRATE, espeakRate, 0);
    espeak().setParameter(espeakWORDGAP, wordGapTens, 0);
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
    espeak().setSynthCallback(synthCallback);
    g_callback = &wrapped;
    const espeak_ERROR err = espeak().synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
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
    espeak().setPhonemeTrace(espeakPHONEMES_SHOW, stream);
    synthesize(utf8, [](const qint16*, int, const WordMark*, int) { return true; });
    espeak().setPhonemeTrace(0, nullptr);
    std::fclose(stream);
    const QString result = QString::fromUtf8(buffer, qsizetype(size));
    std::free(buffer);
    return result;
}

} // namespace suite
