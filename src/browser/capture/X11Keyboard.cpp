#include "browser/capture/X11Keyboard.h"

#include "browser/capture/X11Keysyms.h"

#include <QMap>
#include <QThread>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace suite::browser {

namespace {

// Virtual keys for character keys that are neither letters nor digits; the codes of the
// usual punctuation keys first.
const quint16 otherKeyCodes[] = { 0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE,
    0xDF, 0xE1, 0xE2, 0xE3, 0xE4, 0xE6, 0xE9, 0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF2,
    0xF3, 0xF4, 0xF5, 0x92, 0x93, 0x94, 0x95, 0x96 };

constexpr int Levels = 4; // Shift and AltGr levels of a key

// The keysym a key types with the given core modifiers in the given group, as clients read
// it: the key's type decides what Shift and Lock do, and a Lock the type leaves alone makes
// the character a capital.
KeySym typedSymbol(XkbDescPtr xkb, int code, int group, unsigned modifiers)
{
    unsigned consumed = 0;
    KeySym symbol = NoSymbol;
    if (!XkbTranslateKeyCode(
            xkb, KeyCode(code), XkbBuildCoreState(modifiers, group), &consumed, &symbol))
        return NoSymbol;
    if ((modifiers & LockMask) && !(consumed & LockMask)) {
        KeySym lower = NoSymbol, upper = NoSymbol;
        XConvertCase(symbol, &lower, &upper);
        symbol = upper;
    }
    return symbol;
}

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
    XkbDescPtr xkb = XkbGetMap(display, XkbAllClientInfoMask, XkbUseCoreKbd);
    if (!xkb)
        return;
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
    // What each key types now without and with Shift, the lock included; no Shift wins
    // over Shift, and both over AltGr.
    const unsigned lock = m_capsLock ? LockMask : 0;
    for (const bool shift : { false, true }) {
        for (auto it = keyOfCode.cbegin(); it != keyOfCode.cend(); ++it) {
            const KeySym symbol
                = typedSymbol(xkb, it.key(), state.group, lock | (shift ? ShiftMask : 0));
            if (x11keysyms::isPrintableLatin1(symbol) && !m_characters.contains(char16_t(symbol)))
                m_characters.insert(char16_t(symbol), KeyScan { it.value(), shift, false });
        }
    }
    for (int level = 2; level < Levels; ++level) {
        for (auto it = keyOfCode.cbegin(); it != keyOfCode.cend(); ++it) {
            const KeySym symbol
                = XkbKeycodeToKeysym(display, KeyCode(it.key()), state.group, level);
            if (x11keysyms::isPrintableLatin1(symbol) && !m_characters.contains(char16_t(symbol)))
                m_characters.insert(char16_t(symbol), KeyScan { it.value(), false, true });
        }
    }
    XkbFreeKeyboard(xkb, 0, True);
}

std::optional<KeyScan> X11Keyboard::keyFor(char16_t character) const
{
    const auto found = m_characters.constFind(character);
    if (found == m_characters.cend())
        return std::nullopt;
    return *found;
}

quint8 X11Keyboard::keycodeFor(quint16 virtualKey) const
{
    if (const quint8 code = m_keycodes.value(virtualKey))
        return code;
    const unsigned long symbol = x11keysyms::forVirtualKey(virtualKey);
    return symbol ? quint8(XKeysymToKeycode(m_display->get(), symbol)) : 0;
}

quint16 X11Keyboard::scanCodeFor(quint16 virtualKey) const
{
    // Key codes of the X server are the kernel's scan codes plus 8.
    const quint8 code = keycodeFor(virtualKey);
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
            code = keycodeFor(record.virtualKey);
            if (code == 0) {
                symbol = x11keysyms::forVirtualKey(record.virtualKey);
                if (symbol == NoSymbol)
                    return Result::failure(QStringLiteral("Die Taste mit dem Code %1 gibt es auf "
                                                          "dieser Tastatur nicht; nichts wurde "
                                                          "gesendet.")
                                               .arg(record.virtualKey));
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
        // A character on a borrowed key has no key type that takes Caps Lock into account,
        // so the clients would make a capital of it: the lock is off while it is typed.
        const bool unlocked = m_capsLock && record.isCharacter();
        if (unlocked && !record.isKeyUp()) {
            if (!steps.empty() && steps.back().kind == Step::Kind::Relock)
                steps.pop_back(); // the lock stays off between two characters
            else
                steps.push_back({ Step::Kind::Unlock });
        }
        steps.push_back({ Step::Kind::Key, code, !record.isKeyUp() });
        if (unlocked && record.isKeyUp())
            steps.push_back({ Step::Kind::Relock });
    }

    X11ErrorTrap trap(display);
    for (auto it = borrowed.cbegin(); it != borrowed.cend(); ++it) {
        // The same keysym on both levels: a held Shift does not change the character.
        KeySym symbols[2] = { it.key(), it.key() };
        XChangeKeyboardMapping(display, it.value(), 2, symbols, 1);
    }
    XSync(display, False);
    // The server carries out the requests in order, a delayed key event included, so a
    // change of the lock comes exactly between the events around it.
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        if (step.kind != Step::Kind::Key) {
            XkbLockModifiers(
                display, XkbUseCoreKbd, LockMask, step.kind == Step::Kind::Relock ? LockMask : 0);
            continue;
        }
        const unsigned long delay = (step.press && i > 0) ? unsigned(m_delayMs) : 0;
        XTestFakeKeyEvent(display, step.keycode, step.press ? True : False, delay);
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
