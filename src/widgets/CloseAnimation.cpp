#include "widgets/CloseAnimation.h"

#include "core/Clock.h"
#include "core/Twips.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace suite {

namespace {

constexpr int StepTwips = 100;
constexpr int LowestBeforeStripTwips = 500;
constexpr int StripHeightTwips = 30;
constexpr int NarrowestTwips = 2000;

// One axis of the window and its screen, in the units the animation counts in.
struct Axis {
    Qt::Orientation orientation;
    double dpi;
    int screenTwips; // the screen's extent along this axis
    int screenOriginPx; // where the screen starts on the virtual desktop
};

int extentPx(const QWidget& window, const Axis& axis)
{
    return axis.orientation == Qt::Vertical ? window.height() : window.width();
}

void applyExtentPx(QWidget& window, const Axis& axis, int px)
{
    if (axis.orientation == Qt::Vertical)
        window.resize(window.width(), px);
    else
        window.resize(px, window.height());
}

void placeStartPx(QWidget& window, const Axis& axis, int px)
{
    QRect geometry = window.geometry();
    if (axis.orientation == Qt::Vertical)
        geometry.moveTop(px);
    else
        geometry.moveLeft(px);
    window.setGeometry(geometry);
}

// Steps the window down along one axis until it is `limitTwips` or less, or until the pass
// count (its extent at the start / 2) is used up. Returns the passes made.
int shrink(QPointer<QWidget>& window, const Axis& axis, int limitTwips)
{
    int extentTwips = twips::fromPixels(extentPx(*window, axis), axis.dpi);
    const double passLimit = extentTwips / 2.0;
    int passes = 0;
    for (int k = 1; k <= passLimit; ++k) {
        QCoreApplication::processEvents();
        if (!window)
            break;
        ++passes;
        const int wantedTwips = std::max(0, extentTwips - StepTwips);
        const int wantedPx = twips::toPixels(wantedTwips, axis.dpi);
        applyExtentPx(*window, axis, wantedPx);
        // Read back what was applied. Where the window took the step, keep counting in exact
        // twips: converting each step's pixels back would let rounding add up over the steps.
        const int appliedPx = extentPx(*window, axis);
        extentTwips = appliedPx == wantedPx ? wantedTwips : twips::fromPixels(appliedPx, axis.dpi);
        const int startTwips = (axis.screenTwips - extentTwips) / 2;
        placeStartPx(*window, axis, axis.screenOriginPx + twips::toPixels(startTwips, axis.dpi));
        if (extentTwips <= limitTwips)
            break;
    }
    return passes;
}

} // namespace

CloseAnimation::CloseAnimation(QWidget& window)
    : m_window(&window)
{
}

CloseAnimation::Passes CloseAnimation::run()
{
    Passes passes;
    QPointer<QWidget> window(m_window);
    const QScreen* screen = window->screen();
    if (!screen)
        return passes;
    const QRect area = screen->geometry();
    const double dpiX = screen->logicalDotsPerInchX();
    const double dpiY = screen->logicalDotsPerInchY();
    const Axis vertical { Qt::Vertical, dpiY, twips::fromPixels(area.height(), dpiY), area.top() };
    const Axis horizontal { Qt::Horizontal, dpiX, twips::fromPixels(area.width(), dpiX),
        area.left() };

    passes.vertical = shrink(window, vertical, LowestBeforeStripTwips);
    if (!window)
        return passes;
    applyExtentPx(*window, vertical, twips::toPixels(StripHeightTwips, dpiY));
    passes.horizontal = shrink(window, horizontal, NarrowestTwips);
    return passes;
}

void CoolClose(QWidget& window)
{
    CloseAnimation(window).run();
}

void verzögerung(const Clock& clock, const std::function<bool()>& finished)
{
    constexpr int WakeEveryMs = 25;
    // Wakes the wait for events below at least this often, so the clock is read again even
    // when nothing else happens.
    QTimer wake;
    const bool haveEventLoop = QCoreApplication::instance() != nullptr;
    if (haveEventLoop)
        wake.start(WakeEveryMs);
    const qint64 start = clock.monotonicMs();
    while (!finished()) {
        if (haveEventLoop)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        else
            QThread::msleep(WakeEveryMs);
        const qint64 elapsedMs = clock.monotonicMs() - start;
        if (elapsedMs / 1000 >= MaxFarewellWaitSeconds)
            return;
    }
}

} // namespace suite
