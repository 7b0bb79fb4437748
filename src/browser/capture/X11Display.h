#pragma once

#include <QString>

#include <memory>

typedef struct _XDisplay Display;

namespace suite::browser {

// A connection of our own to the X server that DISPLAY names, closed with the object.
class X11Display {
public:
    // nullptr when there is no X server to reach (no DISPLAY, a Wayland session without
    // XWayland, a server that does not answer); whyNot then says which.
    static std::unique_ptr<X11Display> open(QString* whyNot);
    ~X11Display();
    X11Display(const X11Display&) = delete;
    X11Display& operator=(const X11Display&) = delete;

    Display* get() const { return m_display; }
    unsigned long rootWindow() const;

private:
    explicit X11Display(Display* display)
        : m_display(display)
    {
    }

    Display* m_display;
};

// While it lives, X errors of our requests are recorded instead of ending the program
// (Xlib's default reaction to any error).
class X11ErrorTrap {
public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Waits for the server to answer every request made so far; true when one failed.
    bool failed();

private:
    Display* m_display;
    int (*m_previous)(Display*, void*);
};

} // namespace suite::browser
