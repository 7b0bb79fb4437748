#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>

namespace suite::browser {

// Reads what the screen shows. All rectangles are in pixels of the screen, relative to its
// upper-left corner.
class ScreenGrabber {
public:
    virtual ~ScreenGrabber() = default;
    // "" when capturing works here; otherwise why not, in words for the user.
    virtual QString unavailableReason() const = 0;
    // The whole primary screen at its full pixel size.
    virtual QRect screenArea() const = 0;
    // The pixels of the area, always of the area's size; parts off the screen are black.
    // A null image when nothing could be read.
    virtual QImage grabArea(const QRect& area) = 0;
    // The window that has the keyboard focus now, or nullopt when there is none.
    virtual std::optional<quint64> foregroundWindow() = 0;
    // Where a window lies: its inside alone, or with the frame a window manager gave it.
    virtual std::optional<QRect> windowArea(quint64 window, bool withFrame) = 0;
};

} // namespace suite::browser
