#pragma once

#include "browser/capture/ScreenGrabber.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace suite {
class Clock;
class MessageBoxes;
} // namespace suite

namespace suite::browser {

// The capturing core of the viewer: the whole screen, the window in the foreground with its
// frame, or any window by its X11 id. It is no window of its own: its two entry points do
// what the buttons "Capture entire screen" (Command1) and "Capture active window after 2 s"
// (Command4) did, and hand each capture to the viewer.
class Form1 {
public:
    using PictureSink = std::function<void(const QPixmap&)>;

    // viewer owns the message boxes and gets the focus back after a window capture.
    Form1(ScreenGrabber& grabber, MessageBoxes& messageBoxes, const Clock& clock, QWidget& viewer,
        PictureSink showPicture);

    // A copy of the window's inside (Client) or of the whole window with its frame, from the
    // corner (LeftSrc, TopSrc) of that area, WidthSrc x HeightSrc pixels. A null picture
    // when the window cannot be read.
    QPixmap CaptureWindow(
        quint64 hWndSrc, bool Client, int LeftSrc, int TopSrc, int WidthSrc, int HeightSrc);
    // The whole primary screen at its full pixel size.
    QPixmap CaptureScreen();
    // The foreground window with its frame.
    QPixmap CaptureActiveWindow();

    // Puts CaptureScreen() into the viewer. false (and the user is told why) when this
    // desktop allows no capture.
    bool Command1_Click();
    // Asks the user to click the wanted window, lets two to three seconds pass while every
    // window keeps working, puts CaptureActiveWindow() into the viewer and gives the viewer
    // the focus back.
    bool Command4_Click();

    static constexpr int WaitSeconds = 2;

private:
    bool captureAvailable();
    void waitForTheClick();

    ScreenGrabber& m_grabber;
    MessageBoxes& m_messageBoxes;
    const Clock& m_clock;
    QPointer<QWidget> m_viewer;
    PictureSink m_showPicture;
};

} // namespace suite::browser
