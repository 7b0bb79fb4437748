#pragma once

#include "browser/capture/ScreenGrabber.h"

#include <memory>

namespace suite::browser {

// Reads the screen of a Wayland session through xdg-desktop-portal's Screenshot interface,
// which GNOME, KDE Plasma and the wlroots compositors offer: each grab asks the portal for
// the whole screen without asking the user, copies the area out of it and removes the file
// the portal wrote. Windows (the foreground one, where one lies) are XWayland's, as the X11
// grabber given sees them; without one there is no window to capture.
class PortalScreenGrabber final : public ScreenGrabber {
public:
    explicit PortalScreenGrabber(std::unique_ptr<ScreenGrabber> windows);
    ~PortalScreenGrabber() override;

    QString unavailableReason() const override { return {}; }
    QRect screenArea() const override;
    QImage grabArea(const QRect& area) override;
    std::optional<quint64> foregroundWindow() override;
    std::optional<QRect> windowArea(quint64 window, bool withFrame) override;

    // Whether the session bus has a portal that offers screenshots.
    static bool offered();

    // The whole screen as the portal answers, or a null image; why then says why.
    static QImage wholeScreen(QString* why);

    // How long a grab waits for the portal's answer.
    static constexpr int AnswerTimeoutMs = 20000;

private:
    std::unique_ptr<ScreenGrabber> m_windows;
};

} // namespace suite::browser
