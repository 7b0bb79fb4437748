#include "browser/capture/WaylandKeyboard.h"

#include "browser/capture/X11Keysyms.h"

#include "wayland/virtual-keyboard-unstable-v1-client.h"

#include <QElapsedTimer>
#include <QHash>
#include <QThread>

#include <wayland-client.h>

#include <sys/mman.h>
#include <unistd.h>

namespace suite::browser {

namespace {

constexpr int FirstKeycode = 9; // XKB key codes are the kernel's key numbers plus 8
constexpr int LastKeycode = 255;
constexpr quint32 ShiftMask = 1u << 0, ControlMask = 1u << 2, AltMask = 1u << 3;

// The keysym of a record: its character, or the key it names.
unsigned long keysymOf(const KeyRecord& record)
{
    return record.isCharacter() ? x11keysyms::forCharacter(record.scanCode)
                                : x11keysyms::forVirtualKey(record.virtualKey);
}

quint32 modifierOf(quint16 virtualKey)
{
    switch (virtualKey) {
    case vk::Shift:
        return ShiftMask;
    case vk::Control:
        return ControlMask;
    case vk::Menu:
        return AltMask;
    default:
        return 0;
    }
}

// An XKB keymap with one key per keysym, key codes from FirstKeycode on in the list's order.
// A letter's key types its capital with Shift.
QByteArray keymapFor(const QList<unsigned long>& keysyms)
{
    QByteArray codes, symbols;
    for (qsizetype i = 0; i < keysyms.size(); ++i) {
        const int code = FirstKeycode + int(i);
        const unsigned long keysym = keysyms.at(i);
        codes += QByteArray("<K") + QByteArray::number(code) + "> = " + QByteArray::number(code)
            + ";\n";
        QByteArray levels = "0x" + QByteArray::number(qulonglong(keysym), 16);
        if (keysym >= 'a' && keysym <= 'z')
            levels += ", 0x" + QByteArray::number(qulonglong(keysym - 'a' + 'A'), 16);
        symbols += QByteArray("key <K") + QByteArray::number(code) + "> { [ " + levels + " ] };\n";
        const char* modifier = keysym == 0xffe1 ? "Shift"
            : keysym == 0xffe3                  ? "Control"
            : keysym == 0xffe9                  ? "Mod1"
                                                : nullptr;
        if (modifier)
            symbols += QByteArray("modifier_map ") + modifier + " { <K" + QByteArray::number(code)
                + "> };\n";
    }
    return "xkb_keymap {\n"
           "xkb_keycodes \"sprachausgabe\" { minimum = 8; maximum = 255;\n"
        + codes
        + "};\n"
          "xkb_types \"sprachausgabe\" { include \"complete\" };\n"
          "xkb_compatibility \"sprachausgabe\" { include \"complete\" };\n"
          "xkb_symbols \"sprachausgabe\" {\n"
        + symbols + "};\n};\n";
}

// The keymap as the protocol takes it: a file to map, with the text and its final zero.
int keymapFile(const QByteArray& keymap)
{
    const int fd = memfd_create("sprachausgabe-keymap", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    const qsizetype size = keymap.size() + 1;
    if (write(fd, keymap.constData(), size_t(size)) != size) {
        close(fd);
        return -1;
    }
    return fd;
}

} // namespace

WaylandKeyboard::WaylandKeyboard(std::unique_ptr<WaylandConnection> connection, int delayMs)
    : m_connection(std::move(connection))
    , m_delayMs(delayMs)
{
}

Result WaylandKeyboard::deliver(const std::vector<KeyRecord>& records)
{
    QList<unsigned long> keysyms;
    QHash<unsigned long, int> keycodes;
    for (const KeyRecord& record : records) {
        const unsigned long keysym = keysymOf(record);
        if (keysym == 0)
            return Result::failure(QStringLiteral("Die Taste mit dem Code %1 kennt die "
                                                  "Wayland-Tastatur nicht; nichts wurde gesendet.")
                                       .arg(record.virtualKey));
        if (keycodes.contains(keysym))
            continue;
        if (FirstKeycode + keysyms.size() > LastKeycode)
            return Result::failure(
                QStringLiteral("Die Tastenfolge braucht mehr als %1 verschiedene Tasten; nichts "
                               "wurde gesendet.")
                    .arg(LastKeycode - FirstKeycode + 1));
        keycodes.insert(keysym, FirstKeycode + int(keysyms.size()));
        keysyms.append(keysym);
    }

    const QByteArray keymap = keymapFor(keysyms);
    const int fd = keymapFile(keymap);
    if (fd < 0)
        return Result::failure(QStringLiteral("Die Tastaturbelegung ließ sich nicht anlegen."));
    zwp_virtual_keyboard_v1* keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(
        m_connection->virtualKeyboards(), m_connection->seat());
    zwp_virtual_keyboard_v1_keymap(
        keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, uint32_t(keymap.size() + 1));
    close(fd);
    // The modifiers make this keyboard the seat's active one, which passes its keymap to the
    // focused window; the window takes it before the first key comes.
    zwp_virtual_keyboard_v1_modifiers(keyboard, 0, 0, 0, 0);
    if (!m_connection->roundtrip()) {
        return Result::failure(QStringLiteral(
            "Der Wayland-Compositor hat die Tastatur abgelehnt; nichts wurde gesendet."));
    }
    QThread::msleep(KeymapSettleMs);

    QElapsedTimer clock;
    clock.start();
    quint32 modifiers = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const KeyRecord& record = records[i];
        const bool press = !record.isKeyUp();
        if (press && i > 0 && m_delayMs > 0) {
            wl_display_flush(m_connection->display());
            QThread::msleep(ulong(m_delayMs));
        }
        const uint32_t time = uint32_t(clock.elapsed());
        zwp_virtual_keyboard_v1_key(keyboard, time, uint32_t(keycodes.value(keysymOf(record)) - 8),
            press ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
        // The compositor leaves the modifier state to the keyboard's client.
        if (const quint32 mask = record.isCharacter() ? 0 : modifierOf(record.virtualKey)) {
            modifiers = press ? (modifiers | mask) : (modifiers & ~mask);
            zwp_virtual_keyboard_v1_modifiers(keyboard, modifiers, 0, 0, 0);
        }
    }
    const bool sent = m_connection->roundtrip();
    zwp_virtual_keyboard_v1_destroy(keyboard);
    m_connection->roundtrip();
    if (!sent)
        return Result::failure(
            QStringLiteral("Der Wayland-Compositor hat die Tastenereignisse nicht angenommen."));
    return Result::success();
}

} // namespace suite::browser
