#include "browser/capture/X11Display.h"

#include <X11/Xlib.h>

namespace suite::browser {

namespace {

// Xlib's error handler is one per process; the trap that is active counts here.
int trappedErrors = 0;

int countError(Display*, XErrorEvent*)
{
    ++trappedErrors;
    return 0;
}

} // namespace

std::unique_ptr<X11Display> X11Display::open(QString* whyNot)
{
    const QString name = qEnvironmentVariable("DISPLAY");
    if (name.isEmpty()) {
        if (whyNot) {
            *whyNot = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                ? QStringLiteral("Es gibt keine X11-Anzeige (DISPLAY ist nicht gesetzt).")
                : QStringLiteral("Diese Wayland-Sitzung hat kein XWayland; Bildschirmfotos "
                                 "und Tastenfolgen brauchen X11.");
        }
        return nullptr;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        if (whyNot)
            *whyNot = QStringLiteral("Die X11-Anzeige „%1“ ist nicht erreichbar.").arg(name);
        return nullptr;
    }
    return std::unique_ptr<X11Display>(new X11Display(display));
}

X11Display::~X11Display()
{
    XCloseDisplay(m_display);
}

unsigned long X11Display::rootWindow() const
{
    return DefaultRootWindow(m_display);
}

X11ErrorTrap::X11ErrorTrap(Display* display)
    : m_display(display)
{
    XSync(m_display, False); // errors of earlier requests are not ours
    trappedErrors = 0;
    m_previous = reinterpret_cast<int (*)(Display*, void*)>(XSetErrorHandler(countError));
}

X11ErrorTrap::~X11ErrorTrap()
{
    XSync(m_display, False);
    XSetErrorHandler(reinterpret_cast<XErrorHandler>(m_previous));
}

bool X11ErrorTrap::failed()
{
    XSync(m_display, False);
    return trappedErrors > 0;
}

} // namespace suite::browser
