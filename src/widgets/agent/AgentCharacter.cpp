#include "widgets/agent/AgentCharacter.h"

#include "speech/SpeechEngine.h"
#include "speech/SpeechLog.h"
#include "speech/SpeedTag.h"
#include "widgets/agent/AnimationPlayer.h"
#include "widgets/agent/CharacterWindow.h"
#include "widgets/agent/WordBalloon.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <QVariantAnimation>

namespace suite {

namespace {
constexpr int kGlideMs = 300;
constexpr int kIdleMinMs = 4000;
constexpr int kIdleMaxMs = 9000;
const QString kSpeaking = QStringLiteral("Speaking");
} // namespace

AgentCharacter::AgentCharacter(const QString& id, SpeechEngine& engine, QObject* parent)
    : QObject(parent)
    , m_id(id)
    , m_engine(engine)
    , m_player(new AnimationPlayer(this))
    , m_glide(new QVariantAnimation(this))
    , m_idleTimer(new QTimer(this))
{
    // A character that stands still for a while blinks now and then, so it looks alive.
    m_idleTimer->setSingleShot(true);
    connect(m_idleTimer, &QTimer::timeout, this, [this] {
        if (!isLoaded() || !m_window->isVisible() || isBusy())
            return;
        m_player->play(m_data.animations.value(QStringLiteral("Blink")));
        scheduleIdle();
    });
    m_glide->setDuration(kGlideMs);
    m_glide->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_glide, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        if (m_window)
            m_window->move(value.toPoint());
    });
    connect(m_glide, &QVariantAnimation::finished, this, &AgentCharacter::finishRequest);

    connect(m_player, &AnimationPlayer::frameChanged, this, [this](const QString& frame) {
        if (m_window)
            m_window->setFrame(frame);
    });
    connect(m_player, &AnimationPlayer::finished, this, [this] {
        if (m_hideAfterAnimation && m_window) {
            m_window->hide();
            m_window->setFrame({});
        }
        m_hideAfterAnimation = false;
        finishRequest();
    });

    connect(&m_engine, &SpeechEngine::wordReached, this, [this](quint64 id, int position, int) {
        if (id == m_utterance && m_balloon)
            m_balloon->markWord(position);
    });
    connect(&m_engine, &SpeechEngine::level, this, [this](qreal loudness) {
        if (m_utterance != 0 && m_window)
            m_window->setMouthLevel(loudness);
    });
    connect(&m_engine, &SpeechEngine::utteranceFinished, this, [this](quint64 id) {
        if (id != m_utterance || id == 0)
            return;
        m_utterance = 0;
        resetStage();
        finishRequest();
    });
}

AgentCharacter::~AgentCharacter()
{
    // No engine signal may reach a character that is going away.
    disconnect(&m_engine, nullptr, this, nullptr);
    if (m_utterance != 0)
        m_engine.stopAll();
}

void AgentCharacter::load(const CharacterData& data)
{
    unload();
    m_data = data;
    m_voice = data.voice;
    m_window = std::make_unique<CharacterWindow>(m_data);
    m_balloon = std::make_unique<WordBalloon>();
    // Until the program moves it, the character waits near the bottom right corner.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        m_window->move(
            area.right() - m_window->width() - 40, area.bottom() - m_window->height() - 40);
    }
}

void AgentCharacter::unload()
{
    const quint64 speaking = m_utterance;
    m_queue.clear();
    m_running = false;
    m_utterance = 0;
    resetStage();
    if (speaking != 0)
        m_engine.stopAll();
    m_balloon.reset();
    m_window.reset();
}

Result AgentCharacter::refuse(const QString& op, const QJsonArray& args, const QString& why)
{
    SpeechLog::record(SpeechLog::Component::Agent, m_id, op, args, why);
    return Result::failure(why);
}

Result AgentCharacter::enqueue(const QString& op, const QJsonArray& args, Request request)
{
    if (!isLoaded())
        return refuse(op, args, QStringLiteral("Der Charakter %1 ist nicht geladen.").arg(m_id));
    SpeechLog::record(SpeechLog::Component::Agent, m_id, op, args);
    m_queue.append(std::move(request));
    if (!m_running && !m_advanceScheduled) {
        // Started from the event loop, so a call never runs a request inside the caller.
        m_advanceScheduled = true;
        QMetaObject::invokeMethod(this, &AgentCharacter::runNext, Qt::QueuedConnection);
    }
    return Result::success();
}

Result AgentCharacter::Show()
{
    return enqueue(QStringLiteral("Show"), {}, { Kind::Show, {}, {}, {} });
}

Result AgentCharacter::Hide()
{
    return enqueue(QStringLiteral("Hide"), {}, { Kind::Hide, {}, {}, {} });
}

Result AgentCharacter::MoveTo(int x, int y)
{
    return enqueue(QStringLiteral("MoveTo"), { x, y }, { Kind::MoveTo, {}, QPoint(x, y), {} });
}

Result AgentCharacter::Play(const QString& animation)
{
    const QString op = QStringLiteral("Play");
    if (isLoaded() && !m_data.animations.contains(animation)) {
        return refuse(op, { animation },
            QStringLiteral("Der Charakter %1 kennt die Animation \"%2\" nicht.")
                .arg(m_id, animation.left(80)));
    }
    return enqueue(op, { animation }, { Kind::Play, animation, {}, {} });
}

Result AgentCharacter::Speak(const QString& text)
{
    // A request that cannot be heard is refused, so that the caller keeps what it wanted
    // said (the clipboard watch keeps the copied text) instead of taking it as spoken.
    const SpeedTag tag = SpeedTag::split(text, m_data.wordsPerMinute);
    if (isLoaded() && !tag.text.trimmed().isEmpty()) {
        if (const Result heard = m_engine.availability(); !heard)
            return refuse(QStringLiteral("Speak"), { text }, heard.error);
    }
    Utterance utterance;
    utterance.text = tag.text;
    utterance.wordsPerMinute = tag.wordsPerMinute;
    // The voice is fixed now: a later SetLanguage applies to later texts only.
    utterance.voice = m_voice;
    return enqueue(QStringLiteral("Speak"), { text }, { Kind::Speak, {}, {}, utterance });
}

Result AgentCharacter::StopAll()
{
    const QString op = QStringLiteral("StopAll");
    if (!isLoaded())
        return refuse(op, {}, QStringLiteral("Der Charakter %1 ist nicht geladen.").arg(m_id));
    SpeechLog::record(SpeechLog::Component::Agent, m_id, op, {});
    const bool wasBusy = isBusy();
    m_queue.clear();
    m_running = false;
    m_utterance = 0;
    m_hideAfterAnimation = false;
    resetStage();
    m_engine.stopAll();
    scheduleIdle();
    if (wasBusy)
        emit idle();
    return Result::success();
}

Result AgentCharacter::SetLanguage(int langId)
{
    const QString op = QStringLiteral("SetLanguage");
    if (!isLoaded())
        return refuse(
            op, { langId }, QStringLiteral("Der Charakter %1 ist nicht geladen.").arg(m_id));
    if (langId == 1031)
        m_voice.language = QStringLiteral("de");
    else if (langId == 1033)
        m_voice.language = QStringLiteral("en");
    else
        return refuse(op, { langId },
            QStringLiteral("Sprache %1 wird nicht unterstützt (1031 Deutsch, 1033 "
                           "Englisch).")
                .arg(langId));
    SpeechLog::record(SpeechLog::Component::Agent, m_id, op, { langId });
    return Result::success();
}

void AgentCharacter::runNext()
{
    m_advanceScheduled = false;
    if (m_running || m_queue.isEmpty() || !isLoaded())
        return;
    m_running = true;
    start(m_queue.takeFirst());
}

void AgentCharacter::start(const Request& request)
{
    m_idleTimer->stop();
    m_player->stop(); // an idle blink gives way at once, eyes open
    m_window->setFrame({});
    switch (request.kind) {
    case Kind::Show:
        if (m_window->isVisible())
            return finishRequest();
        // The first frame is set before the window maps, so the base never flashes up.
        playThen(QStringLiteral("Show"), false);
        m_window->show();
        return;
    case Kind::Hide:
        if (!m_window->isVisible())
            return finishRequest();
        m_balloon->hide();
        return playThen(QStringLiteral("Hide"), true);
    case Kind::Play:
        return playThen(request.animation, false);
    case Kind::MoveTo:
        return glideTo(request.target);
    case Kind::Speak:
        return speak(request.utterance);
    }
}

void AgentCharacter::playThen(const QString& animation, bool hideAfter)
{
    m_hideAfterAnimation = hideAfter;
    // A character without this animation still does what was asked, just without moving.
    m_player->play(m_data.animations.value(animation));
}

void AgentCharacter::glideTo(const QPoint& target)
{
    if (!m_window->isVisible() || m_window->pos() == target) {
        m_window->move(target);
        return finishRequest();
    }
    m_glide->stop();
    m_glide->setStartValue(m_window->pos());
    m_glide->setEndValue(target);
    m_glide->start();
}

void AgentCharacter::speak(const Utterance& utterance)
{
    if (utterance.text.trimmed().isEmpty())
        return finishRequest();
    m_balloon->setText(utterance.text);
    if (m_window->isVisible()) {
        m_balloon->showNear(m_window->frameGeometry());
        if (m_data.animations.contains(kSpeaking))
            m_player->play(m_data.animations.value(kSpeaking), true);
        m_window->setMouthLevel(0);
    }
    m_utterance = m_engine.say(utterance);
}

void AgentCharacter::finishRequest()
{
    if (!m_running)
        return;
    m_running = false;
    if (m_queue.isEmpty()) {
        scheduleIdle();
        emit idle();
        return;
    }
    if (!m_advanceScheduled) {
        m_advanceScheduled = true;
        QMetaObject::invokeMethod(this, &AgentCharacter::runNext, Qt::QueuedConnection);
    }
}

void AgentCharacter::scheduleIdle()
{
    m_idleTimer->start(QRandomGenerator::global()->bounded(kIdleMinMs, kIdleMaxMs));
}

void AgentCharacter::resetStage()
{
    m_idleTimer->stop();
    m_player->stop();
    m_glide->stop();
    if (m_balloon)
        m_balloon->hide();
    if (m_window) {
        m_window->setMouthLevel(-1);
        m_window->setFrame({});
    }
}

} // namespace suite
