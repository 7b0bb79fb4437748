#include "browser/capture/PortalRequest.h"

#include <QDBusConnection>
#include <QDBusVariant>
#include <QEventLoop>
#include <QTimer>

namespace suite::browser {

namespace {

const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// Receives the answer to one request.
class Answer : public QObject {
    Q_OBJECT
public:
    std::optional<PortalAnswer> answer;
    QEventLoop loop;

public slots:
    void take(uint response, const QVariantMap& results)
    {
        answer = PortalAnswer { response, results };
        loop.quit();
    }
};

} // namespace

std::optional<PortalAnswer> askPortal(QDBusMessage call, int timeoutMs, QString* why)
{
    static int requests = 0;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        *why = QStringLiteral("Es gibt keinen D-Bus-Sitzungsbus, über den das Portal erreichbar "
                              "wäre.");
        return std::nullopt;
    }
    // The request's object path follows from our bus name and the token.
    const QString token = QStringLiteral("sprachausgabe%1").arg(++requests);
    const QString sender = bus.baseService().mid(1).replace(u'.', u'_');
    const QString requestPath
        = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    Answer answer;
    bus.connect(portal::Service, requestPath, RequestInterface, QStringLiteral("Response"), &answer,
        SLOT(take(uint, QVariantMap)));

    QList<QVariant> arguments = call.arguments();
    QVariantMap options = arguments.takeLast().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    call.setArguments(arguments);
    const QDBusMessage reply = bus.call(call, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        *why = QStringLiteral("Das Portal hat die Anfrage %1 abgelehnt (%2).")
                   .arg(call.member(), reply.errorMessage());
    } else if (!answer.answer) {
        QTimer::singleShot(timeoutMs, &answer.loop, &QEventLoop::quit);
        answer.loop.exec(QEventLoop::ExcludeUserInputEvents);
        if (!answer.answer)
            *why = QStringLiteral("Das Portal hat auf die Anfrage %1 nicht binnen %2 s "
                                  "geantwortet.")
                       .arg(call.member())
                       .arg(timeoutMs / 1000);
    }
    bus.disconnect(portal::Service, requestPath, RequestInterface, QStringLiteral("Response"),
        &answer, SLOT(take(uint, QVariantMap)));
    return reply.type() == QDBusMessage::ReplyMessage ? answer.answer : std::nullopt;
}

uint portalVersion(const QString& interface)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return 0;
    // The portal starts on demand; a property read starts it and tells the interface is there.
    QDBusMessage ask = QDBusMessage::createMethodCall(portal::Service, portal::Path,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    ask << interface << QStringLiteral("version");
    const QDBusMessage reply = bus.call(ask, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return 0;
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt();
}

} // namespace suite::browser

#include "PortalRequest.moc"
