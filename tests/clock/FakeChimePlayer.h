#pragma once

#include "clock/ChimePlayer.h"
#include "fakes/FakeCallLog.h"

#include <functional>

namespace suite::test {

// Records each chime as "PlayChime" in the log the speech doubles share, so a test sees
// chimes and speech in one order. whilePlaying runs inside play(): what happens in the
// program while the chime holds it up (the clock moving on, timers coming due).
class FakeChimePlayer final : public clock::ChimePlayer {
public:
    explicit FakeChimePlayer(FakeCallLog& log)
        : m_log(log)
    {
    }

    void play(int soundId) override
    {
        m_log.record(QString(), QStringLiteral("PlayChime"), { soundId });
        if (whilePlaying)
            whilePlaying(soundId);
    }

    std::function<void(int soundId)> whilePlaying;

private:
    FakeCallLog& m_log;
};

} // namespace suite::test
