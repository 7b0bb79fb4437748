#include "browser/capture/KeyboardDevice.h"

#include "browser/capture/PortalKeyboard.h"
#include "browser/capture/WaylandKeyboard.h"
#include "browser/capture/X11Keyboard.h"

#include "core/Paths.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace suite::browser {

namespace {

class UnavailableKeyboard final : public KeyboardDevice {
public:
    explicit UnavailableKeyboard(QString reason)
        : m_reason(std::move(reason))
    {
    }
    void refresh() override { }
    std::optional<KeyScan> keyFor(char16_t) const override { return std::nullopt; }
    quint16 scanCodeFor(quint16) const override { return 0; }
    Result deliver(const std::vector<KeyRecord>&) override { return Result::failure(m_reason); }

private:
    QString m_reason;
};

// XTest on a Wayland session whose compositor offers no keyboard of our own: the keys
// reach XWayland's windows only, so they go only when one of those has the focus.
class XWaylandKeyboard final : public KeyboardDevice {
public:
    XWaylandKeyboard(std::unique_ptr<KeyboardDevice> keyboard, std::unique_ptr<X11Display> display)
        : m_keyboard(std::move(keyboard))
        , m_display(std::move(display))
    {
    }
    void refresh() override { m_keyboard->refresh(); }
    std::optional<KeyScan> keyFor(char16_t character) const override
    {
        return m_keyboard->keyFor(character);
    }
    quint16 scanCodeFor(quint16 virtualKey) const override
    {
        return m_keyboard->scanCodeFor(virtualKey);
    }
    Result deliver(const std::vector<KeyRecord>& records) override
    {
        Window focus = None;
        int revertTo = 0;
        XGetInputFocus(m_display->get(), &focus, &revertTo);
        if (focus == None || focus == PointerRoot)
            return Result::failure(QStringLiteral(
                "Tastenfolgen können nicht gesendet werden: Das Fenster mit der Tastatur ist "
                "ein Wayland-Fenster, und dieser Compositor bietet keine virtuelle Tastatur an; "
                "nur Fenster von XWayland sind erreichbar. Nichts wurde gesendet."));
        return m_keyboard->deliver(records);
    }

private:
    std::unique_ptr<KeyboardDevice> m_keyboard;
    std::unique_ptr<X11Display> m_display;
};

} // namespace

std::unique_ptr<KeyboardDevice> openKeyboardDevice(int delayMs)
{
    const QString prefix = QStringLiteral("Tastenfolgen können nicht gesendet werden: ");
    QString why;
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (wayland) {
        // The compositor's virtual keyboard reaches Wayland and XWayland windows alike.
        std::unique_ptr<WaylandConnection> connection = WaylandConnection::open(&why);
        if (connection && connection->seat() && connection->virtualKeyboards())
            return std::make_unique<WaylandKeyboard>(std::move(connection), delayMs);
        // GNOME and KDE Plasma have no virtual keyboards for clients but take keys through
        // the portal; the permission the user gives there is kept with the suite's settings.
        if (PortalKeyboard::offered())
            return std::make_unique<PortalKeyboard>(
                paths::userConfigDir() + QStringLiteral("/tastatur-portal.token"), delayMs);
    }
    std::unique_ptr<X11Display> display = X11Display::open(&why);
    if (!display)
        return unavailableKeyboardDevice(prefix + why);
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display->get(), &eventBase, &errorBase, &major, &minor))
        return unavailableKeyboardDevice(
            prefix + QStringLiteral("der X-Server bietet die Erweiterung XTEST nicht an."));
    if (wayland) {
        std::unique_ptr<X11Display> focus = X11Display::open(&why);
        if (!focus)
            return unavailableKeyboardDevice(prefix + why);
        return std::make_unique<XWaylandKeyboard>(
            std::make_unique<X11Keyboard>(std::move(display), delayMs), std::move(focus));
    }
    return std::make_unique<X11Keyboard>(std::move(display), delayMs);
}

std::optional<KeyScan> KeysymKeyboard::keyFor(char16_t character) const
{
    if (character >= u'a' && character <= u'z')
        return KeyScan { quint16(character - u'a' + u'A'), false, false };
    if (character >= u'A' && character <= u'Z')
        return KeyScan { quint16(character), true, false };
    if ((character >= u'0' && character <= u'9') || character == u' ')
        return KeyScan { quint16(character), false, false };
    return std::nullopt;
}

std::unique_ptr<KeyboardDevice> unavailableKeyboardDevice(const QString& reason)
{
    return std::make_unique<UnavailableKeyboard>(reason);
}

} // namespace suite::browser
