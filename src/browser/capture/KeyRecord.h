#pragma once

#include <QFlags>
#include <QtGlobal>

namespace suite::browser {

// The flags of a keyboard event record.
enum class KeyFlag : quint32 {
    ExtendedKey = 1, // only on the key-down record of a key of the extended block
    KeyUp = 2,
    Character = 4, // the record types the character in scanCode, not a key
};
Q_DECLARE_FLAGS(KeyFlags, KeyFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(KeyFlags)

// Virtual-key codes the key sender itself refers to; all others come from the key-name
// table or from the keyboard layout.
namespace vk {
constexpr quint16 Back = 8;
constexpr quint16 Tab = 9;
constexpr quint16 Return = 13;
constexpr quint16 Shift = 16;
constexpr quint16 Control = 17;
constexpr quint16 Menu = 18; // Alt
constexpr quint16 Escape = 27;
} // namespace vk

// One synthesized keyboard event, in the order the events are to reach the focused window.
// A key event names its virtual key; a character event (flag Character) carries the
// character's Unicode code point in scanCode and no key.
struct KeyRecord {
    quint16 virtualKey = 0;
    quint32 scanCode = 0;
    KeyFlags flags;

    bool isCharacter() const { return flags.testFlag(KeyFlag::Character); }
    bool isKeyUp() const { return flags.testFlag(KeyFlag::KeyUp); }
    friend bool operator==(const KeyRecord&, const KeyRecord&) = default;
};

} // namespace suite::browser
