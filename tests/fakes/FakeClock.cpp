#include "fakes/FakeClock.h"

namespace suite::test {

FakeClock::FakeClock(QDateTime start) : m_start(std::move(start)) {}

QDateTime FakeClock::now() const
{
    return m_start.addMSecs(m_elapsed);
}

qint64 FakeClock::monotonicMs() const
{
    const qint64 reading = m_elapsed;
    m_elapsed += m_stepPerReading;
    return reading;
}

void FakeClock::advanceMs(qint64 ms)
{
    m_elapsed += ms;
}

} // namespace suite::test
