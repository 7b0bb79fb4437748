#include "browser/capture/PortalScreenGrabber.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace suite::browser {

namespace {

const QString Portal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString ScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");

// Receives the portal's answer to one request (org.freedesktop.portal.Request.Response).
class Answer : public QObject {
    Q_OBJECT
public:
    bool arrived = false;
    uint response = 2;
    QVariantMap results;
    QEventLoop loop;

public slots:
    void take(uint code, const QVariantMap& values)
    {
        arrived = true;
        response = code;
        results = values;
        loop.quit();
    }
};

} // namespace

PortalScreenGrabber::PortalScreenGrabber(std::unique_ptr<ScreenGrabber> windows)
    : m_windows(std::move(windows))
{
}

PortalScreenGrabber::~PortalScreenGrabber() = default;

bool PortalScreenGrabber::offered()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    // The portal starts on demand; a property read starts it and tells the interface is there.
    QDBusMessage ask = QDBusMessage::createMethodCall(Portal, PortalPath,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    ask << ScreenshotInterface << QStringLiteral("version");
    return bus.call(ask, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
}

QImage PortalScreenGrabber::wholeScreen(QString* why)
{
    static int requests = 0;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        *why = QStringLiteral("Es gibt keinen D-Bus-Sitzungsbus, über den das Portal erreichbar "
                              "wäre.");
        return {};
    }
    // The request's object path follows from our bus name and the token, so the answer is
    // listened for before the call can send it.
    const QString token = QStringLiteral("sprachausgabe_capture%1").arg(++requests);
    const QString sender = bus.baseService().mid(1).replace(u'.', u'_');
    const QString requestPath
        = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    Answer answer;
    bus.connect(Portal, requestPath, QStringLiteral("org.freedesktop.portal.Request"),
        QStringLiteral("Response"), &answer, SLOT(take(uint, QVariantMap)));

    QDBusMessage call
        = QDBusMessage::createMethodCall(Portal, PortalPath, ScreenshotInterface, "Screenshot");
    call << QString() // no parent window to name
         << QVariantMap { { QStringLiteral("handle_token"), token },
                { QStringLiteral("interactive"), false }, { QStringLiteral("modal"), false } };
    const QDBusMessage reply = bus.call(call, QDBus::Block, AnswerTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        bus.disconnect(Portal, requestPath, QStringLiteral("org.freedesktop.portal.Request"),
            QStringLiteral("Response"), &answer, SLOT(take(uint, QVariantMap)));
        *why = QStringLiteral("Das Bildschirmfoto-Portal hat die Anfrage abgelehnt (%1).")
                   .arg(reply.errorMessage());
        return {};
    }
    if (!answer.arrived) {
        QTimer::singleShot(AnswerTimeoutMs, &answer.loop, &QEventLoop::quit);
        answer.loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    bus.disconnect(Portal, requestPath, QStringLiteral("org.freedesktop.portal.Request"),
        QStringLiteral("Response"), &answer, SLOT(take(uint, QVariantMap)));
    if (!answer.arrived) {
        *why = QStringLiteral("Das Bildschirmfoto-Portal hat nicht geantwortet.");
        return {};
    }
    const QString file = QUrl(answer.results.value(QStringLiteral("uri")).toString()).toLocalFile();
    if (answer.response != 0 || file.isEmpty()) {
        *why = answer.response == 1
            ? QStringLiteral("Das Bildschirmfoto wurde abgebrochen.")
            : QStringLiteral("Das Bildschirmfoto-Portal konnte kein Bild aufnehmen.");
        return {};
    }
    QImage picture(file);
    // The portal leaves its file to us; it holds what was on the screen.
    QFile::remove(file);
    if (picture.isNull()) {
        *why = QStringLiteral("Das Bild des Portals (%1) ließ sich nicht lesen.").arg(file);
        return {};
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

QRect PortalScreenGrabber::screenArea() const
{
    return m_windows->screenArea();
}

QImage PortalScreenGrabber::grabArea(const QRect& area)
{
    if (area.isEmpty())
        return {};
    QString why;
    QImage screen = wholeScreen(&why);
    if (screen.isNull()) {
        qWarning("%s", qPrintable(why));
        return {};
    }
    // A scaled output gives a picture of its own pixel size; the areas are in the screen's.
    const QRect whole = screenArea();
    if (!whole.isEmpty() && screen.size() != whole.size())
        screen = screen.scaled(whole.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.drawImage(QPoint(0, 0), screen, area);
    return picture;
}

std::optional<quint64> PortalScreenGrabber::foregroundWindow()
{
    return m_windows->foregroundWindow();
}

std::optional<QRect> PortalScreenGrabber::windowArea(quint64 window, bool withFrame)
{
    return m_windows->windowArea(window, withFrame);
}

} // namespace suite::browser

#include "PortalScreenGrabber.moc"
