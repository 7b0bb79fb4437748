#include "widgets/Tray.h"

#include "widgets/TrayStandIn.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSystemTrayIcon>

#include <climits>
#include <cmath>

namespace suite {

namespace {

QString recordTip(const QString& text)
{
    // The record holds a NUL-terminated text: whatever follows a NUL never shows.
    QString tip = text.left(text.indexOf(QChar(u'\0')));
    if (tip.size() > Tray::MaxTipLength) {
        int cut = Tray::MaxTipLength;
        if (tip.at(cut - 1).isHighSurrogate())
            --cut; // never leave half a character behind
        tip.truncate(cut);
    }
    return tip;
}

// The record's icon, else the program's own; a plain disc where neither exists, since an
// icon without a picture cannot be clicked at all.
QIcon shownIcon(const QIcon& icon)
{
    if (!icon.isNull())
        return icon;
    if (!QGuiApplication::windowIcon().isNull())
        return QGuiApplication::windowIcon();
    QPixmap disc(32, 32);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QGuiApplication::palette().highlight());
    painter.drawEllipse(disc.rect().adjusted(2, 2, -2, -2));
    return QIcon(disc);
}

int messageFor(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return traymessage::LeftButtonUp;
    case QSystemTrayIcon::Context:
        return traymessage::RightButtonUp;
    case QSystemTrayIcon::DoubleClick:
        return traymessage::LeftButtonDoubleClick;
    case QSystemTrayIcon::MiddleClick:
        return traymessage::MiddleButtonUp;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return traymessage::MouseMove;
}

// Turns the pointer's rest on an XEmbed tray icon (its tool tip event) into a message.
class HoverWatch final : public QObject {
public:
    explicit HoverWatch(std::function<void()> rested)
        : m_rested(std::move(rested))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip)
            m_rested();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_rested;
};

} // namespace

int decodeTrayMessage(double xTwips, double twipsPerPixel)
{
    if (!std::isfinite(xTwips) || !std::isfinite(twipsPerPixel) || twipsPerPixel <= 0)
        return 0;
    const double message = std::nearbyint(xTwips / twipsPerPixel);
    if (!(message >= INT_MIN && message <= INT_MAX))
        return 0;
    return static_cast<int>(message);
}

Tray::Tray(HostProbe hasTrayHost)
    : m_hasTrayHost(std::move(hasTrayHost))
{
    if (!m_hasTrayHost)
        m_hasTrayHost = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
}

Tray::~Tray()
{
    *m_alive = false;
    if (m_trayIcon)
        m_trayIcon->hide();
    if (m_standIn)
        m_standIn->hide();
    if (m_busy) {
        // Destroyed from inside a click's handler, i.e. inside an event handler of the very
        // object that delivered the click: that object must outlive the call stack.
        if (m_trayIcon)
            m_trayIcon.release()->deleteLater();
        if (m_standIn)
            m_standIn.release()->deleteLater();
    }
}

void Tray::setTip(const QString& tip)
{
    m_tip = recordTip(tip);
}

void Tray::add()
{
    m_shownTip = m_tip;
    if (m_hasTrayHost()) {
        if (m_standIn)
            m_standIn->hide();
        showInTray();
    } else {
        if (m_trayIcon)
            m_trayIcon->hide();
        showStandIn();
    }
    m_shown = true;
}

void Tray::remove()
{
    if (m_trayIcon)
        m_trayIcon->hide();
    if (m_standIn)
        m_standIn->hide();
    m_shown = false;
}

void Tray::notify(int message, QPoint globalPos)
{
    if (m_watcher) {
        const std::shared_ptr<bool> alive = m_alive;
        const Watcher watcher = m_watcher;
        watcher(message);
        if (!*alive)
            return;
    }
    if (m_busy)
        return;
    if (message != traymessage::LeftButtonUp && message != traymessage::RightButtonUp)
        return;
    if (!m_handler)
        return;
    // Clears the flag however the handler ends, and not at all once it destroyed the tray.
    struct BusyGuard {
        bool& busy;
        std::shared_ptr<bool> alive;
        ~BusyGuard()
        {
            if (*alive)
                busy = false;
        }
    };
    m_busy = true;
    const BusyGuard guard { m_busy, m_alive };
    // A copy: the handler may replace itself or destroy the tray while it runs.
    const Handler handler = m_handler;
    handler(message, globalPos);
}

void Tray::showInTray()
{
    if (!m_trayIcon) {
        m_trayIcon = std::make_unique<QSystemTrayIcon>();
        QSystemTrayIcon* icon = m_trayIcon.get();
        QObject::connect(icon, &QSystemTrayIcon::activated, icon,
            [this](QSystemTrayIcon::ActivationReason reason) {
                notify(messageFor(reason), QCursor::pos());
            });
        // An XEmbed tray icon hands the pointer's rest on it (its tool tip event) to the
        // QSystemTrayIcon; a StatusNotifier host shows the tip itself and tells nothing.
        m_hoverWatch = std::make_unique<HoverWatch>(
            [this] { notify(traymessage::MouseMove, QCursor::pos()); });
        icon->installEventFilter(m_hoverWatch.get());
    }
    m_trayIcon->setIcon(shownIcon(m_icon));
    m_trayIcon->setToolTip(m_shownTip);
    m_trayIcon->show();
}

void Tray::showStandIn()
{
    if (!m_standIn) {
        m_standIn = std::make_unique<TrayStandIn>(
            [this](int message, QPoint globalPos) { notify(message, globalPos); });
    }
    m_standIn->setIcon(shownIcon(m_icon));
    m_standIn->setTip(m_shownTip);
    m_standIn->placeInCorner();
    m_standIn->show();
    m_standIn->raise();
}

} // namespace suite
