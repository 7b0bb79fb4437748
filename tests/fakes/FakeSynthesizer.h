#pragma once

#include "fakes/FakeCallLog.h"
#include "speech/Synthesizer.h"

namespace suite::test {

// A synthesizer that records its requests and remembers the mouth's visibility.
class FakeSynthesizer final : public Synthesizer {
public:
    Result Speak(const QString& text) override;
    void Stop() override;
    bool IsSpeaking() const override { return !m_spoken.isEmpty(); }
    void SetVisible(bool visible) override;
    bool IsVisible() const override { return m_visible; }

    FakeCallLog& log() { return m_log; }
    // The texts passed to Speak since the last Stop, in order.
    const QStringList& spoken() const { return m_spoken; }

private:
    FakeCallLog m_log;
    QStringList m_spoken;
    bool m_visible = true;
};

} // namespace suite::test
