#include "browser/capture/PortalScreenGrabber.h"

#include "browser/capture/PortalRequest.h"

#include <QDBusMessage>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QUrl>

namespace suite::browser {

namespace {

const QString ScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");

} // namespace

PortalScreenGrabber::PortalScreenGrabber(std::unique_ptr<ScreenGrabber> windows)
    : m_windows(std::move(windows))
{
}

PortalScreenGrabber::~PortalScreenGrabber() = default;

bool PortalScreenGrabber::offered()
{
    return portalVersion(ScreenshotInterface) > 0;
}

QImage PortalScreenGrabber::wholeScreen(QString* why)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        portal::Service, portal::Path, ScreenshotInterface, QStringLiteral("Screenshot"));
    call << QString() // no parent window to name
         << QVariantMap { { QStringLiteral("interactive"), false },
                { QStringLiteral("modal"), false } };
    const std::optional<PortalAnswer> answer = askPortal(call, AnswerTimeoutMs, why);
    if (!answer)
        return {};
    const QString file
        = QUrl(answer->results.value(QStringLiteral("uri")).toString()).toLocalFile();
    if (answer->response != 0 || file.isEmpty()) {
        *why = answer->response == 1
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
