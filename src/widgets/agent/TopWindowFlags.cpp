#include "widgets/agent/TopWindowFlags.h"

#include <QGuiApplication>

namespace suite {

Qt::WindowFlags topWindowFlags()
{
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    if (QGuiApplication::platformName() == QLatin1String("xcb")
        && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        flags |= Qt::X11BypassWindowManagerHint;
    return flags;
}

} // namespace suite
