#pragma once

#include <QtGlobal>

#include <optional>

namespace suite::browser {

// The key that types a character, as the layout reports it.
struct KeyScan {
    quint16 virtualKey = 0;
    bool shift = false; // Shift must be held
    bool otherModifiers = false; // a further level such as AltGr is needed
};

// The keyboard layout the key sender types with.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // Reads the layout anew (the user may have switched it since the last sequence).
    virtual void refresh() = 0;
    // The key for a printable Latin-1 character (U+0020 to U+00FF); nullopt when no key of
    // the layout types it (dead keys included).
    virtual std::optional<KeyScan> keyFor(char16_t character) const = 0;
    // The hardware scan code of a virtual key, 0 when the layout has no such key.
    virtual quint16 scanCodeFor(quint16 virtualKey) const = 0;
    virtual bool capsLockOn() const = 0;
};

} // namespace suite::browser
