#pragma once

#include "speech/SpeechEngine.h"

#include <QStringList>
#include <QTimer>

#include <deque>
#include <memory>

namespace suite {

// The speech engine on speech-dispatcher, the desktop's speech service: it speaks with the
// voice the user has chosen there, and the service plays the sound itself. Utterances are
// queued here and handed to the service one piece at a time, so a stop never waits behind
// a long queue in the service. Words come from SSML index marks; with no samples to measure,
// the mouth opens on each word and closes again. Should the service go away, what is under
// way and queued finishes at once, one message on stderr says so, and availability() fails
// from then on.
class SpeechdEngine final : public SpeechEngine {
    Q_OBJECT
public:
    // Connects at once (the service's own address, or $SPEECHD_ADDRESS); whether that
    // worked is availability().
    explicit SpeechdEngine(QObject* parent = nullptr);
    ~SpeechdEngine() override;

    quint64 say(const Utterance& utterance) override;
    void stopAll() override;
    bool isSpeaking() const override { return !m_jobs.empty(); }
    Result availability() const override;

    // The voices the service's default module offers for a language ("de", "en"), one
    // "NAME (LANGUAGE)" each; empty without a connection.
    QStringList voices(const QString& language) const;

private:
    friend struct SpeechdEvents;
    struct Event;
    struct Job {
        quint64 id = 0;
        Utterance utterance;
        qsizetype next = 0; // where the next piece starts in the text
        bool started = false;
    };
    void handle(const Event& event);
    void sendNext();
    void scheduleSend();
    void finishFront();
    void mouth(qreal opening);
    void checkService();
    void lost();

    struct Connection;
    std::unique_ptr<Connection> m_connection;
    QString m_error;
    std::deque<Job> m_jobs; // the first one is being heard
    quint64 m_lastId = 0;
    int m_message = 0; // the service's id of the piece it speaks for us, 0 for none
    bool m_sendScheduled = false;
    QTimer m_mouthTimer;
    QTimer m_serviceTimer; // while a message is out: is the service still there?
};

} // namespace suite
