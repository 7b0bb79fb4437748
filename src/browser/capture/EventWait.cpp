#include "browser/capture/EventWait.h"

#include "core/Clock.h"

#include <QCoreApplication>
#include <QTimer>

namespace suite::browser {

void waitUntil(const Clock& clock, qint64 deadlineMs)
{
    QTimer wake; // reads the clock again even when no other event comes
    wake.start(10);
    while (clock.monotonicMs() < deadlineMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void waitWhileEventsRun(const Clock& clock, qint64 milliseconds)
{
    waitUntil(clock, clock.monotonicMs() + milliseconds);
}

} // namespace suite::browser
