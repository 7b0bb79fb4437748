#pragma once

#include "speech/AudioOutput.h"
#include "speech/PlaybackSchedule.h"
#include "speech/SpeechEngine.h"

#include <QTimer>

#include <memory>

namespace suite {

class SpeechThread;

// The speech engine on libespeak-ng. Synthesis runs on a speech thread of its own and
// streams into the audio output; the signals follow what the output has actually played.
// Only one EspeakEngine per process can speak (espeak-ng has one global state); another
// one, or one without espeak-ng data, ends every utterance at once without sound and says
// why through availability().
class EspeakEngine final : public SpeechEngine {
    Q_OBJECT
public:
    // Speaks through the output that createAudioOutput() chooses.
    explicit EspeakEngine(QObject* parent = nullptr);
    EspeakEngine(std::unique_ptr<AudioOutput> output, QObject* parent = nullptr);
    ~EspeakEngine() override;

    quint64 say(const Utterance& utterance) override;
    void stopAll() override;
    bool isSpeaking() const override { return m_unfinished > 0; }
    Result availability() const override;

    bool isAvailable() const;
    QString error() const;
    const AudioOutput& output() const { return *m_output; }

signals:
    // Tests and benchmarks: audio has just been handed to the output.
    void audioWritten(qsizetype bytes);

private:
    void pump();
    qint64 heardSample() const;
    void updateTimers();

    std::unique_ptr<AudioOutput> m_output;
    std::unique_ptr<SpeechThread> m_thread;
    PlaybackSchedule m_schedule;
    QTimer m_pumpTimer;
    QTimer m_levelTimer;
    quint64 m_lastId = 0;
    quint64 m_stops = 0;
    int m_unfinished = 0;
    qint64 m_writtenSamples = 0;
    qint64 m_streamBase = 0; // output sample = stream sample + m_streamBase
    bool m_needBase = true;
    bool m_allHeard = true; // the output said it has played everything written
};

} // namespace suite
