#include "browser/capture/X11Keyboard.h"

#include "browser/capture/X11Keysyms.h"

#include <QMap>
#include <QThread>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace suite::browser {

namespace {

// Virtual keys for character keys that are neither letters nor digits; the codes of the
// usual punctuation keys first.
const quint16 otherKeyCodes[] = { 0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE,
    0xDF, 0xE1, 0xE2, 0xE3, 0xE4, 0xE6, 0xE9, 0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF2,
    0xF3, 0xF4, 0xF5, 0x92, 0x93, 0x94, 0x95, 0x96 };

constexpr int Levels = 4; // Shift and AltGr levels of a key

} // namespace

X11Keyboard::X11Keyboard(std::unique_ptr<X11Display> display, int delayMs)
    : m_display(std::move(display))
    , m_delayMs(delayMs)
{
    refresh();
}

void X11Keyboard::refresh()
{
    Display* display = m_display->get();
    XDisplayKeycodes(display, &m_minKeycode, &m_maxKeycode);
    XkbStateRec state {};
    XkbGetState(display, XkbUseCoreKbd, &state);
    m_capsLock = (state.locked_mods & LockMask) != 0;

    m_characters.clear();
    m_keycodes.clear();
    QMap<int, quint16> keyOfCode; // ordered, so the lowest key code wins a tie
    std::size_t nextOther = 0;
    for (int code = m_minKeycode; code <= m_maxKeycode; ++code) {
        const KeySym first = XkbKeycodeToKeysym(display, KeyCode(code), state.group, 0);
        quint16 key = 0;
        if (first >= 'a' && first <= 'z')
            key = quint16('A' + (first - 'a'));
        else if (first >= '0' && first <= '9')
            key = quint16(first);
        else if (first == ' ')
            key = 32;
        else if (x11keysyms::isPrintableLatin1(first) && nextOther < std::size(otherKeyCodes))
            key = otherKeyCodes[nextOther++];
        if (key == 0 || m_keycodes.contains(key))
            continue;
        m_keycodes.insert(key, quint8(code));
        keyOfCode.insert(code, key);
    }
    // The lowest level that types a character wins: no Shift before Shift before AltGr.
    for (int level = 0; level < Levels; ++level) {
        for (auto it = keyOfCode.cbegin(); it != keyOfCode.cend(); ++it) {
            const KeySym symbol
                = XkbKeycodeToKeysym(display, KeyCode(it.key()), state.group, level);
            if (!x11keysyms::isPrintableLatin1(symbol) || m_characters.contains(char16_t(symbol)))
                continue;
            m_characters.insert(char16_t(symbol), KeyScan { it.value(), level == 1, level >= 2 });
        }
    }
}

std::optional<KeyScan> X11Keyboard::keyFor(char16_t character) const
{
    const auto found = m_characters.constFind(character);
    if (found == m_characters.cend())
        return std::nullopt;
    return *found;
}

quint16 X11Keyboard::scanCodeFor(quint16 virtualKey) const
{
    // Key codes of the X server are the kernel's scan codes plus 8.
    const quint8 code = m_keycodes.value(virtualKey);
    return code >= 8 ? quint16(code - 8) : 0;
}

QList<quint8> X11Keyboard::spareKeycodes() const
{
    QList<quint8> spare;
    int perCode = 0;
    const int count = m_maxKeycode - m_minKeycode + 1;
    KeySym* symbols = XGetKeyboardMapping(m_display->get(), KeyCode(m_minKeycode), count, &perCode);
    if (!symbols)
        return spare;
    for (int i = 0; i < count; ++i) {
        bool empty = true;
        for (int level = 0; level < perCode && empty; ++level)
            empty = symbols[i * perCode + level] == NoSymbol;
        if (empty)
            spare.append(quint8(m_minKeycode + i));
    }
    XFree(symbols);
    return spare;
}

Result X11Keyboard::deliver(const std::vector<KeyRecord>& records)
{
    Display* display = m_display->get();
    QList<quint8> spare = spareKeycodes();
    QHash<KeySym, quint8> borrowed;
    std::vector<Step> steps;
    steps.reserve(records.size());
    for (const KeyRecord& record : records) {
        KeySym symbol = NoSymbol;
        quint8 code = 0;
        if (record.isCharacter()) {
            symbol = x11keysyms::forCharacter(record.scanCode);
        } else {
            code = m_keycodes.value(record.virtualKey);
            if (code == 0) {
                symbol = x11keysyms::forVirtualKey(record.virtualKey);
                if (symbol == NoSymbol)
                    return Result::failure(QStringLiteral("Die Taste mit dem Code %1 gibt es auf "
                                                          "dieser Tastatur nicht; nichts wurde "
                                                          "gesendet.")
                                               .arg(record.virtualKey));
                code = quint8(XKeysymToKeycode(display, symbol));
            }
        }
        if (code == 0) {
            code = borrowed.value(symbol);
            if (code == 0) {
                if (spare.isEmpty())
                    return Result::failure(QStringLiteral(
                        "Die Tastenfolge braucht mehr als %1 Zeichen, für die die Tastatur keine "
                        "Taste hat; nichts wurde gesendet.")
                                               .arg(borrowed.size()));
                code = spare.takeLast();
                borrowed.insert(symbol, code);
            }
        }
        steps.push_back({ code, !record.isKeyUp() });
    }

    X11ErrorTrap trap(display);
    for (auto it = borrowed.cbegin(); it != borrowed.cend(); ++it) {
        // The same keysym on both levels: a held Shift does not change the character.
        KeySym symbols[2] = { it.key(), it.key() };
        XChangeKeyboardMapping(display, it.value(), 2, symbols, 1);
    }
    XSync(display, False);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const unsigned long delay = (steps[i].press && i > 0) ? unsigned(m_delayMs) : 0;
        XTestFakeKeyEvent(display, steps[i].keycode, steps[i].press ? True : False, delay);
    }
    XSync(display, False);
    if (!borrowed.isEmpty()) {
        QThread::msleep(RestoreDelayMs);
        KeySym none[2] = { NoSymbol, NoSymbol };
        for (const quint8 code : std::as_const(borrowed))
            XChangeKeyboardMapping(display, code, 2, none, 1);
    }
    if (trap.failed())
        return Result::failure(
            QStringLiteral("Der X-Server hat die Tastenereignisse nicht angenommen."));
    return Result::success();
}

} // namespace suite::browser
