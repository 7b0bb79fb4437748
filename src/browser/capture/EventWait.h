#pragma once

#include <QtGlobal>

namespace suite {
class Clock;
}

namespace suite::browser {

// Lets time pass on the clock's monotonic reading (up to deadlineMs, or for the given
// milliseconds) while every event of the program keeps being handled (windows repaint,
// other windows answer), without keeping a processor busy.
void waitUntil(const Clock& clock, qint64 deadlineMs);
void waitWhileEventsRun(const Clock& clock, qint64 milliseconds);

} // namespace suite::browser
