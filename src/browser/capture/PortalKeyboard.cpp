#include "browser/capture/PortalKeyboard.h"

#include "browser/capture/PortalRequest.h"
#include "browser/capture/X11Keysyms.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>

#include <xkbcommon/xkbcommon.h>

namespace suite::browser {

namespace {

const QString RemoteDesktop = QStringLiteral("org.freedesktop.portal.RemoteDesktop");
constexpr uint KeyboardDevices = 1;
constexpr uint PersistUntilRevoked = 2;
// The portal's version from which a permission can be kept for later sessions.
constexpr uint PersistingVersion = 2;

// The keysym of a record: its character's own keysym (EuroSign for €, not a Unicode keysym,
// so the desktop finds it on the user's layout), or the key it names.
int keysymOf(const KeyRecord& record)
{
    return int(record.isCharacter() ? xkb_utf32_to_keysym(record.scanCode)
                                    : x11keysyms::forVirtualKey(record.virtualKey));
}

QString readToken(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(in.readAll()).trimmed();
}

void writeToken(const QString& file, const QString& token)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(token.toUtf8()) < 0 || !out.commit())
        qWarning("Die Erlaubnis des Portals ließ sich nicht in %s sichern; beim nächsten Mal "
                 "fragt der Desktop wieder.",
            qPrintable(file));
}

QDBusMessage remoteDesktopCall(const QString& method)
{
    return QDBusMessage::createMethodCall(portal::Service, portal::Path, RemoteDesktop, method);
}

} // namespace

PortalKeyboard::PortalKeyboard(QString tokenFile, int delayMs)
    : m_tokenFile(std::move(tokenFile))
    , m_delayMs(delayMs)
{
}

PortalKeyboard::~PortalKeyboard()
{
    closeSession();
}

void PortalKeyboard::closeSession()
{
    if (m_session.isEmpty())
        return;
    QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(portal::Service, m_session,
            QStringLiteral("org.freedesktop.portal.Session"), QStringLiteral("Close")),
        QDBus::Block, 5000);
    m_session.clear();
}

bool PortalKeyboard::offered()
{
    if (portalVersion(RemoteDesktop) == 0)
        return false;
    QDBusMessage ask = QDBusMessage::createMethodCall(portal::Service, portal::Path,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    ask << RemoteDesktop << QStringLiteral("AvailableDeviceTypes");
    const QDBusMessage reply = QDBusConnection::sessionBus().call(ask, QDBus::Block, 5000);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
        && (reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt()
            & KeyboardDevices);
}

Result PortalKeyboard::openSession()
{
    QString why;
    QDBusMessage create = remoteDesktopCall(QStringLiteral("CreateSession"));
    create << QVariantMap { { QStringLiteral("session_handle_token"),
        QStringLiteral("sprachausgabe") } };
    const std::optional<PortalAnswer> created = askPortal(create, AnswerTimeoutMs, &why);
    if (!created)
        return Result::failure(why);
    const QString session = created->results.value(QStringLiteral("session_handle")).toString();
    if (created->response != 0 || session.isEmpty())
        return Result::failure(QStringLiteral("Das Portal hat keine Sitzung für die Tastatur "
                                              "geöffnet."));
    m_session = session;

    QVariantMap choice { { QStringLiteral("types"), KeyboardDevices } };
    const bool persisting = portalVersion(RemoteDesktop) >= PersistingVersion;
    if (persisting) {
        choice.insert(QStringLiteral("persist_mode"), PersistUntilRevoked);
        const QString token = readToken(m_tokenFile);
        if (!token.isEmpty())
            choice.insert(QStringLiteral("restore_token"), token);
    }
    QDBusMessage select = remoteDesktopCall(QStringLiteral("SelectDevices"));
    select << QVariant::fromValue(QDBusObjectPath(m_session)) << choice;
    const std::optional<PortalAnswer> selected = askPortal(select, AnswerTimeoutMs, &why);
    if (!selected)
        return Result::failure(why);
    if (selected->response != 0)
        return Result::failure(QStringLiteral("Das Portal bietet die Tastatur nicht an."));

    // Here the desktop may ask the user.
    QDBusMessage start = remoteDesktopCall(QStringLiteral("Start"));
    start << QVariant::fromValue(QDBusObjectPath(m_session)) << QString() << QVariantMap();
    const std::optional<PortalAnswer> started = askPortal(start, StartTimeoutMs, &why);
    if (!started)
        return Result::failure(why);
    if (started->response != 0)
        return Result::failure(started->response == 1
                ? QStringLiteral("Die Fernsteuerung der Tastatur wurde nicht erlaubt.")
                : QStringLiteral("Das Portal konnte die Tastatur nicht freigeben."));
    if (!(started->results.value(QStringLiteral("devices")).toUInt() & KeyboardDevices))
        return Result::failure(QStringLiteral("Die Fernsteuerung wurde ohne die Tastatur "
                                              "erlaubt."));
    const QString token = started->results.value(QStringLiteral("restore_token")).toString();
    if (persisting && !token.isEmpty())
        writeToken(m_tokenFile, token);
    return Result::success();
}

Result PortalKeyboard::deliver(const std::vector<KeyRecord>& records)
{
    for (const KeyRecord& record : records) {
        if (keysymOf(record) == 0)
            return Result::failure(QStringLiteral("Die Taste mit dem Code %1 kennt das "
                                                  "Portal nicht; nichts wurde gesendet.")
                                       .arg(record.virtualKey));
    }
    if (m_session.isEmpty()) {
        const Result opened = openSession();
        if (!opened) {
            // A session the user did not allow is of no use to the next sequence either.
            closeSession();
            return Result::failure(
                QStringLiteral("Tastenfolgen können nicht gesendet werden: %1 Nichts wurde "
                               "gesendet.")
                    .arg(opened.error));
        }
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (std::size_t i = 0; i < records.size(); ++i) {
        const KeyRecord& record = records[i];
        const bool press = !record.isKeyUp();
        if (press && i > 0 && m_delayMs > 0)
            QThread::msleep(ulong(m_delayMs));
        QDBusMessage key = remoteDesktopCall(QStringLiteral("NotifyKeyboardKeysym"));
        key << QVariant::fromValue(QDBusObjectPath(m_session)) << QVariantMap() << keysymOf(record)
            << uint(press ? 1 : 0);
        const QDBusMessage reply = bus.call(key, QDBus::Block, AnswerTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage)
            return Result::failure(
                QStringLiteral("Das Portal hat eine Taste nicht angenommen (%1).")
                    .arg(reply.errorMessage()));
    }
    return Result::success();
}

} // namespace suite::browser
