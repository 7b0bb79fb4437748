#include "widgets/CloseAnimation.h"

#include "core/Twips.h"
#include "fakes/FakeClock.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

using namespace suite;
using suite::test::FakeClock;

namespace {

// A shown top-level window sized in twips at its screen's DPI; the expectations are computed
// from the same screen, whatever the platform reports.
class CoolCloseTest : public ::testing::Test {
protected:
    void showWindow(int widthTwips, int heightTwips)
    {
        window.resize(twips::toPixels(widthTwips, dpiX()), twips::toPixels(heightTwips, dpiY()));
        window.move(screen()->geometry().topLeft() + QPoint(10, 10));
        window.show();
    }
    QScreen* screen() const { return window.screen(); }
    double dpiX() const { return screen()->logicalDotsPerInchX(); }
    double dpiY() const { return screen()->logicalDotsPerInchY(); }
    int widthTwips() const { return twips::fromPixels(window.width(), dpiX()); }
    int heightTwips() const { return twips::fromPixels(window.height(), dpiY()); }
    int onePixelX() const { return static_cast<int>(twips::perPixel(dpiX())) + 1; }
    int onePixelY() const { return static_cast<int>(twips::perPixel(dpiY())) + 1; }

    QWidget window;
};

} // namespace

TEST_F(CoolCloseTest, WideWindowEndsAsAThinStripCentredOnTheScreen)
{
    showWindow(7770, 3000);
    const CloseAnimation::Passes passes = CloseAnimation(window).run();
    EXPECT_NEAR(heightTwips(), 30, onePixelY());
    EXPECT_NEAR(widthTwips(), 1970, onePixelX());
    EXPECT_EQ(passes.vertical, 25); // 3000 down to 500
    EXPECT_EQ(passes.horizontal, 58); // 7770 down to 1970

    const QRect area = screen()->geometry();
    const QRect placed = window.geometry();
    EXPECT_LE(std::abs((placed.left() - area.left()) * 2 + placed.width() - area.width()), 2);
    // The top was last set while the window was 500 twips high; the strip keeps that place.
    const int screenHeightTwips = twips::fromPixels(area.height(), dpiY());
    EXPECT_NEAR(
        placed.top() - area.top(), twips::toPixels((screenHeightTwips - 500) / 2, dpiY()), 1);
}

TEST_F(CoolCloseTest, LowWindowGoesThroughOneVerticalPass)
{
    for (int height : { 500, 300 }) {
        showWindow(2600, height);
        const CloseAnimation::Passes passes = CloseAnimation(window).run();
        EXPECT_EQ(passes.vertical, 1) << height;
        EXPECT_NEAR(heightTwips(), 30, onePixelY());
    }
}

TEST_F(CoolCloseTest, NarrowWindowGoesThroughOneHorizontalPass)
{
    showWindow(2000, 1200);
    EXPECT_EQ(CloseAnimation(window).run().horizontal, 1);
    EXPECT_NEAR(widthTwips(), 1900, onePixelX());
}

TEST_F(CoolCloseTest, WindowThatRefusesToShrinkEndsEachPhaseByItsPassCount)
{
    showWindow(3000, 1500);
    window.setMinimumSize(window.size() - QSize(10, 10));
    const int minHeightTwips = twips::fromPixels(window.minimumHeight(), dpiY());
    const CloseAnimation::Passes passes = CloseAnimation(window).run();
    EXPECT_EQ(passes.vertical, 750); // 1500 / 2
    EXPECT_EQ(passes.horizontal, 1500); // 3000 / 2
    EXPECT_EQ(window.minimumSize(), window.size());
    EXPECT_GT(minHeightTwips, 500);
}

TEST_F(CoolCloseTest, EventsRunBetweenThePasses)
{
    showWindow(4000, 1000);
    int ticks = 0;
    QTimer::singleShot(0, &window, [&] { ++ticks; });
    CoolClose(window);
    EXPECT_EQ(ticks, 1);
}

TEST(CoolClose, StopsWhenAnEventDestroysTheWindow)
{
    auto* window = new QWidget;
    window->resize(400, 300);
    window->show();
    QTimer::singleShot(0, window, [window] { delete window; });
    const CloseAnimation::Passes passes = CloseAnimation(*window).run();
    EXPECT_EQ(passes.vertical, 0);
    EXPECT_EQ(passes.horizontal, 0);
}

TEST(Verzoegerung, WaitsUntilTheFarewellIsDoneHoweverLongItTakes)
{
    FakeClock clock;
    clock.setStepPerReadingMs(500);
    const QDateTime start = clock.now();
    const auto elapsedMs = [&] { return start.msecsTo(clock.now()); };
    // A slow farewell of eleven seconds: a fixed six-second wait would cut it off.
    verzögerung(clock, [&] { return elapsedMs() >= 11000; });
    EXPECT_GE(elapsedMs(), 11000);
    EXPECT_LE(elapsedMs(), 11500);

    // A farewell already over costs no wait at all.
    const qint64 before = elapsedMs();
    verzögerung(clock, [] { return true; });
    EXPECT_LE(elapsedMs() - before, 500);
}

TEST(Verzoegerung, NeverWaitsLongerThanTwentySeconds)
{
    FakeClock clock;
    clock.setStepPerReadingMs(1000);
    verzögerung(clock, [] { return false; });
    // Read at 0 (start), then 1000 ... 20000: twenty-one readings.
    EXPECT_EQ(clock.monotonicMs(), 21000);

    // 19999 ms are nineteen whole seconds: one more pass is needed.
    FakeClock slow;
    slow.setStepPerReadingMs(19999);
    verzögerung(slow, [] { return false; });
    EXPECT_EQ(slow.monotonicMs(), 3 * 19999);
}

TEST(Verzoegerung, EventsKeepBeingHandledWhileWaiting)
{
    FakeClock clock;
    clock.setStepPerReadingMs(200);
    int singleShots = 0;
    int ticks = 0;
    QTimer::singleShot(0, [&] { ++singleShots; });
    QTimer repeating;
    QObject::connect(&repeating, &QTimer::timeout, [&] { ++ticks; });
    repeating.start(0);
    verzögerung(clock, [] { return false; });
    EXPECT_EQ(singleShots, 1);
    EXPECT_GE(ticks, 10);
}

TEST(Verzoegerung, MeasuresOnTheMonotonicClockAcrossMidnight)
{
    FakeClock clock(QDateTime(QDate(2026, 1, 5), QTime(23, 59, 58)));
    clock.setStepPerReadingMs(5000);
    verzögerung(clock, [] { return false; });
    // Readings at 0, 5, 10, 15 and 20 s (each moves the clock on); the wall clock has long
    // passed midnight.
    EXPECT_EQ(clock.now().time(), QTime(0, 0, 23));
    EXPECT_EQ(clock.monotonicMs(), 5 * 5000);
}
