#include "widgets/TaskList.h"

#include <QGuiApplication>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <array>
#include <vector>

namespace suite {

namespace {

Display* x11Display()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

bool isMapped(Display* display, Window window)
{
    XWindowAttributes attributes {};
    return XGetWindowAttributes(display, window, &attributes) != 0
        && attributes.map_state != IsUnmapped;
}

// A window not mapped yet carries its wishes in its own _NET_WM_STATE, which the window
// manager reads when it takes the window on. The window manager clears that property on every
// withdrawal, so it is written again before each map. Other states already there (Qt puts its
// own next to ours, keeping ours) stay.
void addToUnmappedState(Display* display, Window window, const std::array<Atom, 2>& wanted)
{
    const Atom netWmState = XInternAtom(display, "_NET_WM_STATE", False);
    std::vector<Atom> states;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, netWmState, 0, 1024, False, XA_ATOM, &type, &format,
            &count, &remaining, &data)
            == Success
        && data) {
        if (type == XA_ATOM && format == 32) {
            const auto* atoms = reinterpret_cast<const Atom*>(data);
            states.assign(atoms, atoms + count);
        }
        XFree(data);
    }
    for (const Atom atom : wanted) {
        if (std::find(states.begin(), states.end(), atom) == states.end())
            states.push_back(atom);
    }
    XChangeProperty(display, window, netWmState, XA_ATOM, 32, PropModeReplace,
        reinterpret_cast<const unsigned char*>(states.data()), static_cast<int>(states.size()));
}

// A mapped window belongs to the window manager, which takes changes as an EWMH request.
void askWindowManager(Display* display, Window window, const std::array<Atom, 2>& wanted)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1; // add
    event.xclient.data.l[1] = static_cast<long>(wanted[0]);
    event.xclient.data.l[2] = static_cast<long>(wanted[1]);
    event.xclient.data.l[3] = 1; // from an application
    XSendEvent(display, DefaultRootWindow(display), False,
        SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

} // namespace

void keepOffTaskList(QWidget& window)
{
    Display* display = x11Display();
    if (!display || !window.windowHandle())
        return;
    const auto xWindow = static_cast<Window>(window.winId());
    const std::array<Atom, 2> wanted { XInternAtom(display, "_NET_WM_STATE_SKIP_TASKBAR", False),
        XInternAtom(display, "_NET_WM_STATE_SKIP_PAGER", False) };
    if (isMapped(display, xWindow))
        askWindowManager(display, xWindow, wanted);
    else
        addToUnmappedState(display, xWindow, wanted);
    XFlush(display);
}

} // namespace suite
