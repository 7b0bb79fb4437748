// A stand-in for xdg-desktop-portal's RemoteDesktop interface, for tests on a private
// session bus: it owns org.freedesktop.portal.Desktop, answers CreateSession, SelectDevices
// and Start through request objects as the real portal does, and writes one line per call
// it receives to standard output:
//   select types=T persist=P token=TOKEN
//   start
//   key KEYSYM STATE          (the keysym in hex, STATE 1 pressed, 0 released)
//   close
// It prints "ready" once it owns the name.
//   FakeRemoteDesktopPortal [--refuse] [--without-remote-desktop]
//   --refuse                  the user refuses the session (Start answers 1)
//   --without-remote-desktop  the portal offers no RemoteDesktop interface at all
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

void record(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// The path of the request a caller's handle_token names, as the real portal forms it.
QString requestPath(const QString& sender, const QVariantMap& options)
{
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
        .arg(sender.mid(1).replace(u'.', u'_'),
            options.value(QStringLiteral("handle_token")).toString());
}

// The session object: Close ends it.
class Session : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Session")
public slots:
    void Close() { record(QStringLiteral("close")); }
};

class RemoteDesktop : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.RemoteDesktop")
    Q_PROPERTY(uint AvailableDeviceTypes READ availableDeviceTypes)
    Q_PROPERTY(uint version READ version)
public:
    explicit RemoteDesktop(bool refuse)
        : m_refuse(refuse)
    {
    }
    uint availableDeviceTypes() const { return 1 | 2; } // keyboard and pointer
    uint version() const { return 2; }

public slots:
    QDBusObjectPath CreateSession(const QVariantMap& options)
    {
        const QString sessionPath
            = QStringLiteral("/org/freedesktop/portal/desktop/session/%1/%2")
                  .arg(message().service().mid(1).replace(u'.', u'_'),
                      options.value(QStringLiteral("session_handle_token")).toString());
        QDBusConnection::sessionBus().registerObject(
            sessionPath, &m_session, QDBusConnection::ExportAllSlots);
        return answer(options, 0, { { QStringLiteral("session_handle"), sessionPath } });
    }
    QDBusObjectPath SelectDevices(const QDBusObjectPath&, const QVariantMap& options)
    {
        record(QStringLiteral("select types=%1 persist=%2 token=%3")
                   .arg(options.value(QStringLiteral("types")).toUInt())
                   .arg(options.value(QStringLiteral("persist_mode")).toUInt())
                   .arg(options.value(QStringLiteral("restore_token")).toString()));
        return answer(options, 0, {});
    }
    QDBusObjectPath Start(const QDBusObjectPath&, const QString&, const QVariantMap& options)
    {
        record(QStringLiteral("start"));
        if (m_refuse)
            return answer(options, 1, {});
        return answer(options, 0,
            { { QStringLiteral("devices"), 1u },
                { QStringLiteral("restore_token"), QStringLiteral("erlaubt-1") } });
    }
    void NotifyKeyboardKeysym(const QDBusObjectPath&, const QVariantMap&, int keysym, uint state)
    {
        record(QStringLiteral("key %1 %2").arg(keysym, 0, 16).arg(state));
    }

private:
    // Replies with the request's path, and sends its Response after the reply, as the
    // real portal does once the user has answered.
    QDBusObjectPath answer(const QVariantMap& options, uint response, const QVariantMap& results)
    {
        const QString path = requestPath(message().service(), options);
        QTimer::singleShot(50, this, [path, response, results] {
            QDBusMessage signal = QDBusMessage::createSignal(
                path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
            signal << response << results;
            QDBusConnection::sessionBus().send(signal);
        });
        return QDBusObjectPath(path);
    }

    bool m_refuse;
    Session m_session;
};

// The portal's object without the RemoteDesktop interface: only what every portal has.
class Settings : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
    Q_PROPERTY(uint version READ version)
public:
    uint version() const { return 1; }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "FakeRemoteDesktopPortal: no session bus\n");
        return 1;
    }
    RemoteDesktop remoteDesktop(arguments.contains(QStringLiteral("--refuse")));
    Settings settings;
    QObject* portal = arguments.contains(QStringLiteral("--without-remote-desktop"))
        ? static_cast<QObject*>(&settings)
        : &remoteDesktop;
    bus.registerObject(
        PortalPath, portal, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
    // A stand-in of an earlier test may still be leaving the bus.
    for (int attempt = 0; !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
         ++attempt) {
        if (attempt == 100) {
            std::fprintf(stderr, "FakeRemoteDesktopPortal: the portal's name is taken\n");
            return 1;
        }
        QThread::msleep(50);
    }
    record(QStringLiteral("ready"));
    return app.exec();
}

#include "FakeRemoteDesktopPortal.moc"
