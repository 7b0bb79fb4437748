#pragma once

#include "speech/Character.h"
#include "widgets/agent/CharacterData.h"

#include <QJsonArray>
#include <QList>
#include <QObject>
#include <QPoint>

#include <memory>

class QTimer;
class QVariantAnimation;

namespace suite {

class AnimationPlayer;
class CharacterWindow;
class SpeechEngine;
class WordBalloon;

// A loaded character: its window, its balloon and its request queue. Requests run one after
// the other in call order; each call only queues and returns. Every request goes to the
// spoken transcript. After unload() the object stays (callers may still hold it) but every
// request fails until it is loaded again.
class AgentCharacter : public QObject, public Character {
    Q_OBJECT
public:
    AgentCharacter(const QString& id, SpeechEngine& engine, QObject* parent = nullptr);
    ~AgentCharacter() override;

    Result Show() override;
    Result Hide() override;
    Result MoveTo(int x, int y) override;
    Result Play(const QString& animation) override;
    Result Speak(const QString& text) override;
    Result StopAll() override;
    Result SetLanguage(int langId) override;

    void load(const CharacterData& data);
    void unload();
    bool isLoaded() const { return m_window != nullptr; }
    bool isBusy() const override { return m_running || !m_queue.isEmpty(); }

    CharacterWindow* window() const { return m_window.get(); }
    WordBalloon* balloon() const { return m_balloon.get(); }
    // The voice the next Speak will use.
    const Voice& voice() const { return m_voice; }

signals:
    // The last queued request has ended (or StopAll dropped them).
    void idle();

private:
    enum class Kind { Show, Hide, MoveTo, Play, Speak };
    struct Request {
        Kind kind;
        QString animation;
        QPoint target;
        Utterance utterance;
    };

    Result enqueue(const QString& op, const QJsonArray& args, Request request);
    Result refuse(const QString& op, const QJsonArray& args, const QString& why);
    void runNext();
    void start(const Request& request);
    void playThen(const QString& animation, bool hideAfter);
    void glideTo(const QPoint& target);
    void speak(const Utterance& utterance);
    void finishRequest();
    void resetStage();
    void scheduleIdle();

    QString m_id;
    SpeechEngine& m_engine;
    CharacterData m_data;
    Voice m_voice;
    std::unique_ptr<CharacterWindow> m_window;
    std::unique_ptr<WordBalloon> m_balloon;
    AnimationPlayer* m_player;
    QVariantAnimation* m_glide;
    QTimer* m_idleTimer;
    QList<Request> m_queue;
    bool m_running = false;
    bool m_hideAfterAnimation = false;
    bool m_advanceScheduled = false;
    quint64 m_utterance = 0;
};

} // namespace suite
