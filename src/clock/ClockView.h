#pragma once

#include <QString>

namespace suite::clock {

// What the clock's logic needs of its window.
class ClockView {
public:
    enum class Reveal {
        // A hidden window becomes visible again (its tray icon stays); a minimized one stays
        // minimized.
        Show,
        // A minimized window is restored; a hidden one is shown and its tray icon removed.
        Restore,
    };

    virtual ~ClockView() = default;
    // Puts the engine's face on the widgets and repaints them at once.
    virtual void present() = 0;
    virtual void reveal(Reveal how) = 0;
    virtual bool isMinimized() const = 0;
    // Lets the events that are waiting run once, then returns.
    virtual void letMessagesRun() = 0;
    // A message box with an OK button, no icon and the program's default title.
    virtual void showMessage(const QString& text) = 0;
    // Gives the keyboard focus to the control with this object name.
    virtual void giveFocus(const QString& controlName) = 0;
};

} // namespace suite::clock
