#pragma once

#include "browser/capture/KeyboardLayout.h"

#include <QHash>
#include <QList>

namespace suite::test {

// A fixed keyboard layout with the virtual keys and scan codes of the German (T1) or the US
// keyboard. Dead keys ("^", "´", "`" on the German one) type nothing by themselves and are
// left out; AltGr characters report otherModifiers. Caps Lock acts as X11's layouts make
// it act: on the US keyboard it shifts the letters, on the German one also the umlauts,
// and its ß key types "ẞ" under the lock, so "ß" has no key then.
class FakeKeyboardLayout final : public browser::KeyboardLayout {
public:
    enum class Kind { German, US };
    explicit FakeKeyboardLayout(Kind kind);

    void refresh() override { ++m_refreshes; }
    std::optional<browser::KeyScan> keyFor(char16_t character) const override;
    quint16 scanCodeFor(quint16 virtualKey) const override;

    void setCapsLock(bool on) { m_capsLock = on; }
    int refreshes() const { return m_refreshes; }

private:
    void add(char16_t character, quint16 key, bool shift = false, bool altGr = false);
    void addKey(quint16 key, quint16 scanCode, char16_t plain, char16_t shifted);

    QHash<char16_t, browser::KeyScan> m_keys;
    QHash<quint16, quint16> m_scanCodes;
    QList<quint16> m_lockShifts; // keys on which Caps Lock acts as Shift
    quint16 m_lockChanges = 0; // a key whose first level Caps Lock replaces
    bool m_capsLock = false;
    int m_refreshes = 0;
};

} // namespace suite::test
