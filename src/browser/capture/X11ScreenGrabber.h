#pragma once

#include "browser/capture/ScreenGrabber.h"
#include "browser/capture/X11Display.h"

#include <memory>

namespace suite::browser {

// Reads the screen of an X server through a connection of its own. The foreground window is
// the one a window manager names in _NET_ACTIVE_WINDOW; without one, the window with the
// input focus, or, when the focus follows the pointer, the top-level window under it.
class X11ScreenGrabber final : public ScreenGrabber {
public:
    explicit X11ScreenGrabber(std::unique_ptr<X11Display> display);

    QString unavailableReason() const override { return {}; }
    QRect screenArea() const override;
    QImage grabArea(const QRect& area) override;
    std::optional<quint64> foregroundWindow() override;
    std::optional<QRect> windowArea(quint64 window, bool withFrame) override;

private:
    QRect rootArea() const;
    std::optional<quint64> activeWindowProperty();

    std::unique_ptr<X11Display> m_display;
};

// The X11 grabber where the program runs on X11 (Qt's xcb platform); on XWayland (a Wayland
// session) the portal's grabber; elsewhere (offscreen, Wayland without XWayland, no portal)
// a grabber that says why it cannot capture.
std::unique_ptr<ScreenGrabber> openScreenGrabber();

// A grabber that cannot capture, for the reason given.
std::unique_ptr<ScreenGrabber> unavailableScreenGrabber(const QString& reason);

// Why a program with a window cannot capture or type on X11 even with an X server at hand
// (its windows are not on X11: offscreen, Wayland), or "" when it runs on X11.
QString qtPlatformProblem();

} // namespace suite::browser
