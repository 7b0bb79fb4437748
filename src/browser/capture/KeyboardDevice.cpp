#include "browser/capture/KeyboardDevice.h"

#include "browser/capture/X11Keyboard.h"

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

} // namespace

std::unique_ptr<KeyboardDevice> openKeyboardDevice(int delayMs)
{
    const QString prefix = QStringLiteral("Tastenfolgen können nicht gesendet werden: ");
    QString why;
    std::unique_ptr<X11Display> display = X11Display::open(&why);
    if (!display)
        return unavailableKeyboardDevice(prefix + why);
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display->get(), &eventBase, &errorBase, &major, &minor))
        return unavailableKeyboardDevice(
            prefix + QStringLiteral("der X-Server bietet die Erweiterung XTEST nicht an."));
    return std::make_unique<X11Keyboard>(std::move(display), delayMs);
}

std::unique_ptr<KeyboardDevice> unavailableKeyboardDevice(const QString& reason)
{
    return std::make_unique<UnavailableKeyboard>(reason);
}

} // namespace suite::browser
