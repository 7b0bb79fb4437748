#include "core/Clock.h"

#include <QDeadlineTimer>

namespace suite {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::monotonicMs() const
{
    return QDeadlineTimer::current(Qt::PreciseTimer).deadline();
}

} // namespace suite
