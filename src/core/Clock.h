#pragma once

#include <QDateTime>

namespace suite {

// The time as the programs see it. Tests hand in a clock they can move forward.
class Clock {
public:
    virtual ~Clock() = default;
    // Local wall-clock date and time: what is shown and spoken.
    virtual QDateTime now() const = 0;
    // Milliseconds on a clock that never jumps (midnight, time changes): what waits measure.
    virtual qint64 monotonicMs() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
    qint64 monotonicMs() const override;
};

} // namespace suite
