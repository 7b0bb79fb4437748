#pragma once

#include <QSignalSpy>

namespace suite::test {

// Speech takes real time; the limit is generous so that a busy machine never fails a test.
constexpr int generousWaitMs = 30000;

// Waits until spy has recorded count signals; false when they did not come in time.
inline bool waitForSignals(QSignalSpy& spy, int count)
{
    while (spy.count() < count) {
        if (!spy.wait(generousWaitMs))
            return false;
    }
    return true;
}

} // namespace suite::test
