#include "browser/capture/Form1.h"

#include "browser/capture/EventWait.h"
#include "core/Clock.h"
#include "widgets/MessageBoxes.h"

#include <QWidget>

namespace suite::browser {

Form1::Form1(ScreenGrabber& grabber, MessageBoxes& messageBoxes, const Clock& clock,
    QWidget& viewer, PictureSink showPicture)
    : m_grabber(grabber)
    , m_messageBoxes(messageBoxes)
    , m_clock(clock)
    , m_viewer(&viewer)
    , m_showPicture(std::move(showPicture))
{
}

QPixmap Form1::CaptureWindow(
    quint64 hWndSrc, bool Client, int LeftSrc, int TopSrc, int WidthSrc, int HeightSrc)
{
    if (WidthSrc <= 0 || HeightSrc <= 0)
        return {};
    const std::optional<QRect> area = m_grabber.windowArea(hWndSrc, !Client);
    if (!area)
        return {};
    const QRect source(area->topLeft() + QPoint(LeftSrc, TopSrc), QSize(WidthSrc, HeightSrc));
    return QPixmap::fromImage(m_grabber.grabArea(source));
}

QPixmap Form1::CaptureScreen()
{
    return QPixmap::fromImage(m_grabber.grabArea(m_grabber.screenArea()));
}

QPixmap Form1::CaptureActiveWindow()
{
    const std::optional<quint64> window = m_grabber.foregroundWindow();
    if (!window)
        return {};
    const std::optional<QRect> area = m_grabber.windowArea(*window, true);
    if (!area)
        return {};
    return CaptureWindow(*window, false, 0, 0, area->width(), area->height());
}

bool Form1::captureAvailable()
{
    const QString why = m_grabber.unavailableReason();
    if (why.isEmpty())
        return true;
    m_messageBoxes.show(m_viewer, why, QStringLiteral("ScreenCapturing - Info"),
        MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
    return false;
}

bool Form1::Command1_Click()
{
    if (!captureAvailable())
        return false;
    m_showPicture(CaptureScreen());
    return true;
}

bool Form1::Command4_Click()
{
    if (!captureAvailable())
        return false;
    m_messageBoxes.show(m_viewer,
        QStringLiteral("Klicke auf das gewünschte Fenster, und warte einen Augenblick ..."),
        QString(), MessageBoxes::Icon::None, MessageBoxes::Buttons::Ok);
    waitForTheClick();
    if (!m_viewer)
        return false; // the viewer was closed during the wait
    m_showPicture(CaptureActiveWindow());
    m_viewer->activateWindow();
    m_viewer->setFocus();
    return true;
}

// Waits until the clock's whole seconds have passed the mark two seconds after the start
// (two to three seconds), handing every event to the program meanwhile so the click on the
// other window takes effect and everything repaints. The clock is monotonic: a wait that
// spans midnight or a change of the system time still ends.
void Form1::waitForTheClick()
{
    const qint64 mark = m_clock.monotonicMs() / 1000 + WaitSeconds;
    waitUntil(m_clock, (mark + 1) * 1000);
}

} // namespace suite::browser
