#pragma once

#include "browser/capture/KeyDelivery.h"
#include "browser/capture/KeyboardLayout.h"

#include <memory>

namespace suite::browser {

// The machine's keyboard: its layout for the parser and the way to send events.
class KeyboardDevice : public KeyboardLayout, public KeyDelivery { };

// A keyboard where the desktop finds the key for each keysym (our own Wayland keymap, the
// portal's remote keyboard): letters, digits and the space are keys (Shift makes the
// capitals); every other character goes as its own keysym. Keys have no numbers here.
class KeysymKeyboard : public KeyboardDevice {
public:
    void refresh() override { }
    std::optional<KeyScan> keyFor(char16_t character) const override;
    quint16 scanCodeFor(quint16) const override { return 0; }
};

// On a Wayland session whose compositor offers virtual keyboards, a keyboard of our own
// there; else, where the desktop's portal offers remote keyboards, keys through the portal;
// otherwise the X11 keyboard (XTest; on a Wayland session only while an XWayland
// window has the focus), or, where there is none, a device whose every delivery fails with
// the reason. delayMs is the pause before each key press.
std::unique_ptr<KeyboardDevice> openKeyboardDevice(int delayMs = 0);

// A device that cannot type: no key for any character, and every delivery fails with the
// reason given.
std::unique_ptr<KeyboardDevice> unavailableKeyboardDevice(const QString& reason);

} // namespace suite::browser
