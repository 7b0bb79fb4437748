#pragma once

#include "core/Clock.h"

namespace suite::test {

// A clock that stands still until the test moves it. Both readings move together.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 1, 5), QTime(12, 0, 0)));
    QDateTime now() const override;
    qint64 monotonicMs() const override;

    void advanceMs(qint64 ms);
    // Every reading of monotonicMs() moves the clock by this much afterwards: lets a busy
    // wait that polls the clock come to an end without real time passing.
    void setStepPerReadingMs(qint64 ms) { m_stepPerReading = ms; }

private:
    QDateTime m_start;
    mutable qint64 m_elapsed = 0;
    qint64 m_stepPerReading = 0;
};

} // namespace suite::test
