#pragma once

#include <functional>

class QWidget;

namespace suite {

class Clock;

// Shrinks a window in steps of 100 twips until it is a thin strip in the middle of its
// screen: first lower (until 500 twips or less, then 30 twips high), then narrower (until
// 2000 twips or less). Pending events run before every step. A window whose minimum size
// refuses a step ends that phase after (size at the phase's start / 2) steps instead.
class CloseAnimation {
public:
    struct Passes {
        int vertical = 0;
        int horizontal = 0;
    };

    explicit CloseAnimation(QWidget& window);
    // Returns how many steps each phase took. Stops early when the window is destroyed by an
    // event that ran in between.
    Passes run();

private:
    QWidget* m_window;
};

// The closing animation of the readers' windows.
void CoolClose(QWidget& window);

// Waits until `finished` says so, but never longer than MaxFarewellWaitSeconds (whole seconds
// of a monotonic clock), while all events of the program keep being handled, without keeping
// a processor busy. The readers wait here for their character's farewell.
constexpr int MaxFarewellWaitSeconds = 20;
void verzögerung(const Clock& clock, const std::function<bool()>& finished);

} // namespace suite
