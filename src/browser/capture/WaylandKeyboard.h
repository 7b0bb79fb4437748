#pragma once

#include "browser/capture/KeyboardDevice.h"
#include "wayland/WaylandConnection.h"

namespace suite::browser {

// A keyboard of our own in the Wayland compositor (the virtual-keyboard protocol of the
// wlroots compositors), whose keys reach Wayland and XWayland windows alike. Each sequence
// brings its own keymap: one key for each key and character it needs, so that umlauts, ß
// and € arrive exactly, whatever the user's layout. Letters, digits and the space are keys
// of that keymap (Shift makes the capitals); every other character is typed through a key
// of its own.
class WaylandKeyboard final : public KeysymKeyboard {
public:
    // connection must offer a seat and virtual keyboards.
    WaylandKeyboard(std::unique_ptr<WaylandConnection> connection, int delayMs);

    Result deliver(const std::vector<KeyRecord>& records) override;

    // How long a new keyboard waits after its keymap before its first key: the focused
    // window takes the keymap when the compositor passes it on, and a key that comes
    // before would be read with the old one or lost.
    static constexpr int KeymapSettleMs = 200;

private:
    std::unique_ptr<WaylandConnection> m_connection;
    int m_delayMs;
};

} // namespace suite::browser
