#include "fakes/FakeKeyboardLayout.h"

namespace suite::test {

namespace {

// Scan codes of the letter keys by their place on the US keyboard.
const char usLetterRows[] = "QWERTYUIOP";
const char usLetterRows2[] = "ASDFGHJKL";
const char usLetterRows3[] = "ZXCVBNM";

} // namespace

FakeKeyboardLayout::FakeKeyboardLayout(Kind kind)
{
    const bool german = kind == Kind::German;
    for (int i = 0; i < 10; ++i)
        m_scanCodes.insert(quint16(usLetterRows[i]), quint16(0x10 + i));
    for (int i = 0; i < 9; ++i)
        m_scanCodes.insert(quint16(usLetterRows2[i]), quint16(0x1E + i));
    for (int i = 0; i < 7; ++i)
        m_scanCodes.insert(quint16(usLetterRows3[i]), quint16(0x2C + i));
    if (german) { // Y and Z change places
        m_scanCodes.insert('Z', 0x15);
        m_scanCodes.insert('Y', 0x2C);
    }
    for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
        add(letter, quint16(letter - u'a' + 'A'));
        add(char16_t(letter - u'a' + u'A'), quint16(letter - u'a' + 'A'), true);
    }
    const char16_t* shiftedDigits = german ? u"=!\"§$%&/()" : u")!@#$%^&*(";
    for (int digit = 0; digit <= 9; ++digit) {
        const quint16 key = quint16('0' + digit);
        addKey(key, quint16(digit == 0 ? 0x0B : 0x01 + digit), char16_t(u'0' + digit),
            shiftedDigits[digit]);
    }
    add(u' ', 0x20);
    for (const auto& [key, scan] : { std::pair { 8, 0x0E }, { 9, 0x0F }, { 13, 0x1C }, { 16, 0x2A },
             { 17, 0x1D }, { 18, 0x38 }, { 27, 0x01 }, { 32, 0x39 }, { 33, 0x49 }, { 34, 0x51 },
             { 35, 0x4F }, { 36, 0x47 }, { 37, 0x4B }, { 38, 0x48 }, { 39, 0x4D }, { 40, 0x50 },
             { 45, 0x52 }, { 46, 0x53 } })
        m_scanCodes.insert(quint16(key), quint16(scan));
    for (int f = 0; f < 10; ++f)
        m_scanCodes.insert(quint16(112 + f), quint16(0x3B + f));
    m_scanCodes.insert(122, 0x57); // F11
    m_scanCodes.insert(123, 0x58); // F12
    m_scanCodes.insert(19, 0x45); // Pause
    for (quint16 letter = 'A'; letter <= 'Z'; ++letter)
        m_lockShifts.append(letter);
    if (!german) {
        addKey(0xBA, 0x27, u';', u':');
        addKey(0xBB, 0x0D, u'=', u'+');
        addKey(0xBC, 0x33, u',', u'<');
        addKey(0xBD, 0x0C, u'-', u'_');
        addKey(0xBE, 0x34, u'.', u'>');
        addKey(0xBF, 0x35, u'/', u'?');
        addKey(0xC0, 0x29, u'`', u'~');
        addKey(0xDB, 0x1A, u'[', u'{');
        addKey(0xDC, 0x2B, u'\\', u'|');
        addKey(0xDD, 0x1B, u']', u'}');
        addKey(0xDE, 0x28, u'\'', u'"');
        return;
    }
    addKey(0xDB, 0x0C, u'ß', u'?');
    m_lockChanges = 0xDB;
    m_lockShifts.append({ 0xBA, 0xC0, 0xDE });
    addKey(0xBA, 0x1A, u'ü', u'Ü');
    addKey(0xBB, 0x1B, u'+', u'*');
    addKey(0xC0, 0x27, u'ö', u'Ö');
    addKey(0xDE, 0x28, u'ä', u'Ä');
    addKey(0xBF, 0x2B, u'#', u'\'');
    addKey(0xBC, 0x33, u',', u';');
    addKey(0xBE, 0x34, u'.', u':');
    addKey(0xBD, 0x35, u'-', u'_');
    addKey(0xE2, 0x56, u'<', u'>');
    m_scanCodes.insert(0xDC, 0x29); // "^" and "°": the dead "^" is left out
    add(u'°', 0xDC, true);
    m_scanCodes.insert(0xDD, 0x0D); // "´" and "`", both dead
    for (const auto& [character, key] : { std::pair { u'²', '2' }, { u'³', '3' }, { u'{', '7' },
             { u'[', '8' }, { u']', '9' }, { u'}', '0' }, { u'\\', 0xDB }, { u'@', 'Q' },
             { u'~', 0xBB }, { u'|', 0xE2 }, { u'µ', 'M' } })
        add(character, quint16(key), false, true);
}

void FakeKeyboardLayout::add(char16_t character, quint16 key, bool shift, bool altGr)
{
    m_keys.insert(character, browser::KeyScan { key, shift, altGr });
}

void FakeKeyboardLayout::addKey(quint16 key, quint16 scanCode, char16_t plain, char16_t shifted)
{
    m_scanCodes.insert(key, scanCode);
    add(plain, key);
    add(shifted, key, true);
}

std::optional<browser::KeyScan> FakeKeyboardLayout::keyFor(char16_t character) const
{
    const auto found = m_keys.constFind(character);
    if (found == m_keys.cend())
        return std::nullopt;
    browser::KeyScan key = *found;
    if (!m_capsLock || key.otherModifiers)
        return key;
    if (key.virtualKey == m_lockChanges && !key.shift)
        return std::nullopt;
    if (m_lockShifts.contains(key.virtualKey))
        key.shift = !key.shift;
    return key;
}

quint16 FakeKeyboardLayout::scanCodeFor(quint16 virtualKey) const
{
    return m_scanCodes.value(virtualKey);
}

} // namespace suite::test
