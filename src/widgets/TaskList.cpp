#include "widgets/TaskList.h"

#include <QGuiApplication>
#include <QWidget>

#include <X11/Xlib.h>

namespace suite {

void keepOffTaskList(QWidget& window)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display || !window.windowHandle())
        return;
    // The EWMH request for a mapped window: add two states to _NET_WM_STATE.
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(window.winId());
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1; // add
    event.xclient.data.l[1]
        = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_SKIP_TASKBAR", False));
    event.xclient.data.l[2]
        = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_SKIP_PAGER", False));
    event.xclient.data.l[3] = 1; // from an application
    XSendEvent(display, DefaultRootWindow(display), False,
        SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

} // namespace suite
