#pragma once

#include "browser/capture/KeyboardDevice.h"
#include "browser/capture/X11Display.h"

#include <QHash>
#include <QList>

namespace suite::browser {

// The keyboard of an X server: its current layout (the active group, and what Shift and
// the Caps Lock state make each key type) and delivery through XTest.
//
// Virtual keys map to key codes like this: a key whose first level is a letter or digit has
// that letter's or digit's virtual key, the other character keys get virtual keys of their
// own, and the named keys are found by their keysym. A character event, or a named key the
// keyboard lacks, is typed by mapping a spare key code (one without any keysym) to it for the
// moment; the spare codes get their empty mapping back afterwards. Caps Lock is released
// while such a character is typed and locked again after it, since clients would make a
// capital of it.
class X11Keyboard final : public KeyboardDevice {
public:
    // display must offer the XTEST extension.
    X11Keyboard(std::unique_ptr<X11Display> display, int delayMs);

    void refresh() override;
    std::optional<KeyScan> keyFor(char16_t character) const override;
    quint16 scanCodeFor(quint16 virtualKey) const override;
    Result deliver(const std::vector<KeyRecord>& records) override;

    // How long the spare key codes keep their characters after the events were sent: the
    // target reads the changed mapping only when it handles the events, later than we send.
    static constexpr int RestoreDelayMs = 500;

private:
    struct Step {
        enum class Kind { Key, Unlock, Relock } kind;
        quint8 keycode = 0;
        bool press = false;
    };
    QList<quint8> spareKeycodes() const;
    // The key code of a virtual key: a character key of the layout, or the key of its
    // keysym for the named keys and modifiers; 0 when the keyboard has none.
    quint8 keycodeFor(quint16 virtualKey) const;

    std::unique_ptr<X11Display> m_display;
    int m_delayMs;
    int m_minKeycode = 8;
    int m_maxKeycode = 255;
    bool m_capsLock = false;
    QHash<char16_t, KeyScan> m_characters;
    QHash<quint16, quint8> m_keycodes; // virtual key -> key code
};

} // namespace suite::browser
