#pragma once

#include <QtGlobal>

#include <optional>

namespace suite::browser {

// The key that types a character, as the layout reports it.
struct KeyScan {
    quint16 virtualKey = 0;
    bool shift = false; // Shift must be held, the Caps Lock state taken into account
    bool otherModifiers = false; // a further level such as AltGr is needed
};

// The keyboard layout the key sender types with.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // Reads the layout and the Caps Lock state anew (the user may have switched either
    // since the last sequence).
    virtual void refresh() = 0;
    // The key for a printable Latin-1 character (U+0020 to U+00FF) as the keyboard types it
    // now: with Caps Lock on, Shift is needed where the lock turns the key's first level
    // into its second, on whatever keys the layout's lock acts (letters, umlauts, ...).
    // nullopt when no key types the character in the present lock state (dead keys
    // included, and a key the lock turns into another character, such as the German ß).
    virtual std::optional<KeyScan> keyFor(char16_t character) const = 0;
    // The hardware scan code of a virtual key, named keys included; 0 when the layout has no
    // such key.
    virtual quint16 scanCodeFor(quint16 virtualKey) const = 0;
};

} // namespace suite::browser
