#include "speech/SpeechdEngine.h"

#include "speech/RateMapping.h"
#include "speech/SpeechdMarkup.h"
#include "speech/TextPieces.h"

#include <QCoreApplication>

#include <libspeechd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace suite {

struct SpeechdEngine::Event {
    enum class Kind { Begin, End, Mark };
    Kind kind = Kind::End;
    size_t message = 0;
    QByteArray mark;
};

struct SpeechdEngine::Connection {
    SPDConnection* spd = nullptr;
    ~Connection()
    {
        if (spd)
            spd_close(spd);
    }
};

// libspeechd calls back on a thread of its own through plain function pointers without any
// context: every live engine is sent each event and keeps those of its own messages.
struct SpeechdEvents {
    static inline std::mutex mutex;
    static inline std::vector<SpeechdEngine*> engines;

    static void post(const SpeechdEngine::Event& event)
    {
        std::lock_guard lock(mutex);
        for (SpeechdEngine* engine : engines) {
            // Queued to the engine's thread; Qt drops it should the engine be gone by then.
            QMetaObject::invokeMethod(
                engine, [engine, event] { engine->handle(event); }, Qt::QueuedConnection);
        }
    }
    static void onState(size_t message, size_t, SPDNotificationType type)
    {
        using Kind = SpeechdEngine::Event::Kind;
        if (type == SPD_EVENT_BEGIN)
            post({ Kind::Begin, message, {} });
        else if (type == SPD_EVENT_END || type == SPD_EVENT_CANCEL)
            post({ Kind::End, message, {} });
    }
    static void onMark(size_t message, size_t, SPDNotificationType, char* mark)
    {
        post({ SpeechdEngine::Event::Kind::Mark, message, QByteArray(mark ? mark : "") });
    }
};

namespace {

SPDVoiceType voiceTypeFor(const QString& variant)
{
    // espeak-ng's variants "m1".."m7", "f1".."f5"; any other keeps the module's own voice.
    const QString v = variant.trimmed().toLower();
    if (v.size() == 2 && (v[0] == u'm' || v[0] == u'f') && v[1].isDigit()) {
        const int n = std::clamp(v[1].digitValue(), 1, 3) - 1;
        return SPDVoiceType((v[0] == u'm' ? SPD_MALE1 : SPD_FEMALE1) + n);
    }
    return SPD_MALE1;
}

} // namespace

SpeechdEngine::SpeechdEngine(QObject* parent)
    : SpeechEngine(parent)
    , m_connection(std::make_unique<Connection>())
{
    m_mouthTimer.setSingleShot(true);
    connect(&m_mouthTimer, &QTimer::timeout, this, [this] { emit level(0.2); });
    // The service reports nothing when it ends: without this the message under way would
    // never finish. One small request a second while speaking tells.
    m_serviceTimer.setInterval(1000);
    connect(&m_serviceTimer, &QTimer::timeout, this, &SpeechdEngine::checkService);

    char* error = nullptr;
    SPDConnectionAddress* address = spd_get_default_address(&error);
    if (!address) {
        m_error = QStringLiteral("Die Adresse von speech-dispatcher ist ungültig: %1")
                      .arg(QString::fromLocal8Bit(error ? error : ""));
        std::free(error);
        return;
    }
    // Started on demand at its usual place only: an address given on purpose is not
    // second-guessed by starting a service there.
    const bool autospawn = qEnvironmentVariableIsEmpty("SPEECHD_ADDRESS");
    const QByteArray program = QCoreApplication::applicationName().toUtf8();
    m_connection->spd = spd_open2("sprachausgabe", program.isEmpty() ? "main" : program.constData(),
        nullptr, SPD_MODE_THREADED, address, autospawn, &error);
    SPDConnectionAddress__free(address);
    if (!m_connection->spd) {
        m_error = QStringLiteral("speech-dispatcher ist nicht erreichbar (%1).")
                      .arg(QString::fromLocal8Bit(error ? error : "").trimmed());
        std::free(error);
        return;
    }
    SPDConnection* spd = m_connection->spd;
    spd->callback_begin = spd->callback_end = spd->callback_cancel = &SpeechdEvents::onState;
    spd->callback_im = &SpeechdEvents::onMark;
    spd_set_notification_on(spd, SPD_BEGIN);
    spd_set_notification_on(spd, SPD_END);
    spd_set_notification_on(spd, SPD_CANCEL);
    spd_set_notification_on(spd, SPD_INDEX_MARKS);
    spd_set_data_mode(spd, SPD_DATA_SSML);
    // As espeak-ng speaks for us: punctuation is read as pauses, not named.
    spd_set_punctuation(spd, SPD_PUNCT_NONE);
    std::lock_guard lock(SpeechdEvents::mutex);
    SpeechdEvents::engines.push_back(this);
}

SpeechdEngine::~SpeechdEngine()
{
    {
        std::lock_guard lock(SpeechdEvents::mutex);
        std::erase(SpeechdEvents::engines, this);
    }
    if (m_connection->spd && m_message != 0)
        spd_cancel(m_connection->spd);
    m_connection.reset();
}

Result SpeechdEngine::availability() const
{
    return m_connection->spd ? Result::success() : Result::failure(m_error);
}

quint64 SpeechdEngine::say(const Utterance& utterance)
{
    const quint64 id = ++m_lastId;
    m_jobs.push_back({ id, utterance, 0, false });
    scheduleSend();
    return id;
}

void SpeechdEngine::stopAll()
{
    const bool heard = !m_jobs.empty() && m_jobs.front().started;
    const quint64 current = m_jobs.empty() ? 0 : m_jobs.front().id;
    if (m_message != 0 && m_connection->spd)
        spd_cancel(m_connection->spd);
    // What the service still reports of the cancelled message is no longer ours.
    m_message = 0;
    m_serviceTimer.stop();
    m_jobs.clear();
    mouth(0);
    if (heard)
        emit utteranceFinished(current);
}

void SpeechdEngine::scheduleSend()
{
    if (m_sendScheduled || m_message != 0)
        return;
    // From the event loop, so that no signal comes from within say().
    m_sendScheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_sendScheduled = false;
            sendNext();
        },
        Qt::QueuedConnection);
}

void SpeechdEngine::sendNext()
{
    while (m_message == 0 && !m_jobs.empty()) {
        Job& job = m_jobs.front();
        const QString& text = job.utterance.text;
        // The next piece with words in it; a text without any still starts and finishes.
        std::optional<SpokenPiece> piece;
        while (!piece && job.next < text.size()) {
            const qsizetype end
                = TextPieces::pieceEnd(text, job.next, TextPieces::defaultMaxLength);
            SpokenPiece candidate(text, job.next, end);
            job.next = end;
            if (!candidate.isBlank())
                piece.emplace(std::move(candidate));
        }
        if (!piece || !m_connection->spd) {
            finishFront();
            continue;
        }
        SPDConnection* spd = m_connection->spd;
        const Voice& voice = job.utterance.voice;
        const SpeechdRate rate = RateMapping::speechdRateFor(job.utterance.wordsPerMinute);
        const QByteArray language
            = voice.language.trimmed().isEmpty() ? "de" : voice.language.trimmed().toUtf8();
        if (spd_set_language(spd, language.constData()) != 0
            || spd_set_voice_rate(spd, rate.rate) != 0) {
            lost();
            return;
        }
        spd_set_voice_type(spd, voiceTypeFor(voice.variant));
        spd_set_voice_pitch(spd, RateMapping::speechdPitchFor(voice.pitch));
        const QByteArray ssml = SpeechdMarkup::ssml(*piece, rate.wordBreakMs);
        const int message = spd_say(spd, SPD_TEXT, ssml.constData());
        if (message <= 0) {
            std::fprintf(stderr, "Sprachausgabe: speech-dispatcher hat einen Text abgelehnt.\n");
            job.next = text.size();
            finishFront();
            continue;
        }
        m_message = message;
        m_serviceTimer.start();
    }
}

void SpeechdEngine::finishFront()
{
    const Job job = m_jobs.front();
    m_jobs.pop_front();
    if (!job.started)
        emit utteranceStarted(job.id);
    mouth(0);
    emit utteranceFinished(job.id);
}

void SpeechdEngine::handle(const Event& event)
{
    if (m_message == 0 || event.message != size_t(m_message) || m_jobs.empty())
        return;
    Job& job = m_jobs.front();
    switch (event.kind) {
    case Event::Kind::Begin:
        if (!job.started) {
            job.started = true;
            emit utteranceStarted(job.id);
        }
        break;
    case Event::Kind::Mark:
        if (const auto span = SpeechdMarkup::spanOf(event.mark)) {
            // The mouth opens with each word and closes halfway through it.
            mouth(0.8);
            m_mouthTimer.start(
                std::clamp(30000 / std::max(1, job.utterance.wordsPerMinute), 60, 300));
            emit wordReached(job.id, int(span->position), int(span->length));
        }
        break;
    case Event::Kind::End:
        m_message = 0;
        m_serviceTimer.stop();
        if (job.next >= job.utterance.text.size())
            finishFront();
        sendNext();
        break;
    }
}

void SpeechdEngine::mouth(qreal opening)
{
    if (opening == 0)
        m_mouthTimer.stop();
    emit level(opening);
}

void SpeechdEngine::checkService()
{
    // Setting the rate again is harmless: every piece sets its own before it is sent.
    if (m_message != 0 && m_connection->spd && spd_set_voice_rate(m_connection->spd, 0) != 0)
        lost();
}

void SpeechdEngine::lost()
{
    if (!m_connection->spd)
        return;
    std::fprintf(stderr,
        "Sprachausgabe: speech-dispatcher ist nicht mehr erreichbar; es wird nichts mehr "
        "gesprochen.\n");
    m_error = QStringLiteral("speech-dispatcher ist nicht mehr erreichbar.");
    {
        // No more events from a connection that is gone.
        std::lock_guard lock(SpeechdEvents::mutex);
        std::erase(SpeechdEvents::engines, this);
    }
    spd_close(m_connection->spd);
    m_connection->spd = nullptr;
    m_message = 0;
    m_serviceTimer.stop();
    // Everything still asked for finishes without sound, in order.
    sendNext();
}

QStringList SpeechdEngine::voices(const QString& language) const
{
    QStringList names;
    if (!m_connection->spd)
        return names;
    SPDVoice** voices = spd_list_synthesis_voices(m_connection->spd);
    for (SPDVoice** v = voices; v && *v; ++v) {
        const QString lang = QString::fromUtf8((*v)->language ? (*v)->language : "");
        const QByteArray variant = (*v)->variant ? QByteArray((*v)->variant) : QByteArray();
        // Variants of one voice (espeak-ng has dozens) are left out: the voice stands for them.
        if (!lang.startsWith(language, Qt::CaseInsensitive)
            || (!variant.isEmpty() && variant != "none"))
            continue;
        names.append(QStringLiteral("%1 (%2)").arg(QString::fromUtf8((*v)->name), lang));
    }
    if (voices)
        free_spd_voices(voices);
    return names;
}

} // namespace suite
