#pragma once

#include "speech/Synthesizer.h"

#include <QSet>
#include <QWidget>

namespace suite {

class SpeechEngine;

// The speech synthesizer placed on a program's window (objectName "DirectSS1"): a pair of
// lips that open with the loudness of what is heard, and a queue of German texts spoken
// one after the other through the program's engine. Every request goes to the transcript.
class SpeechSynthesizer : public QWidget, public Synthesizer {
    Q_OBJECT
public:
    explicit SpeechSynthesizer(SpeechEngine& engine, QWidget* parent = nullptr);

    Result Speak(const QString& text) override;
    void Stop() override;
    bool IsSpeaking() const override { return isSpeaking(); }
    void SetVisible(bool visible) override;
    bool IsVisible() const override { return m_shown; }

    // True while a text passed to Speak is queued or heard.
    bool isSpeaking() const { return !m_pending.isEmpty(); }
    // How far the lips are open now, 0..1.
    qreal opening() const { return m_opening; }

    QSize sizeHint() const override { return { 64, 40 }; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SpeechEngine& m_engine;
    QSet<quint64> m_pending;
    qreal m_opening = 0;
    bool m_shown = true;
};

} // namespace suite
