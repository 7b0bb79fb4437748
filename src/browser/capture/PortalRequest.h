#pragma once

#include <QDBusMessage>
#include <QString>
#include <QVariantMap>

#include <optional>

namespace suite::browser {

// xdg-desktop-portal's names on the session bus.
namespace portal {
inline const QString Service = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString Path = QStringLiteral("/org/freedesktop/portal/desktop");
} // namespace portal

// The portal's answer to one request (org.freedesktop.portal.Request.Response): 0 granted,
// 1 cancelled by the user, 2 ended otherwise.
struct PortalAnswer {
    uint response = 2;
    QVariantMap results;
};

// Calls a method of the portal that answers through a request object, and waits up to
// timeoutMs for the answer. The call's last argument must be its options; the handle_token
// is added there, and the answer is listened for before the call goes out, so none is
// missed. nullopt when the call failed or no answer came; why then says why.
std::optional<PortalAnswer> askPortal(QDBusMessage call, int timeoutMs, QString* why);

// The version of the portal's interface, 0 when the session bus has no portal offering it.
uint portalVersion(const QString& interface);

} // namespace suite::browser
