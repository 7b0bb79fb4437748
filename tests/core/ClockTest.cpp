#include "core/Clock.h"

#include <gtest/gtest.h>

#include <QThread>

using suite::SystemClock;

TEST(SystemClock, MonotonicReadingNeverGoesBack)
{
    SystemClock clock;
    const qint64 first = clock.monotonicMs();
    QThread::msleep(20);
    const qint64 second = clock.monotonicMs();
    EXPECT_GE(second - first, 20);
}
