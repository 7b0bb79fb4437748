#pragma once

#include <QIcon>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

class QObject;
class QSystemTrayIcon;

namespace suite {

class TrayStandIn;

// The mouse messages a notification-area icon delivers to its window.
namespace traymessage {
constexpr int MouseMove = 512; // the pointer rests on the icon
constexpr int LeftButtonUp = 514;
constexpr int LeftButtonDoubleClick = 515;
constexpr int RightButtonUp = 517;
constexpr int MiddleButtonUp = 520;
} // namespace traymessage

// The mouse message carried by a window's mouse-move event that really is a notification of
// the tray icon: the horizontal position (in twips) divided by the twips per pixel. Halves go
// to the even number, as the original conversion to a whole number did. Anything that cannot
// be a message (non-finite, no scale) gives 0, which no window acts on.
int decodeTrayMessage(double xTwips, double twipsPerPixel);

// The program's icon in the notification area. It keeps a record (icon and tip) that the
// window fills; add() shows the icon with the record as it is at that moment, remove() takes
// it away. A new tip therefore shows from the next add(). Every message of the icon (the
// pointer resting on it, any click) reaches the window's watcher first; clicks then reach its
// handler as 514 (left release) or 517 (right release), except while the handler runs (its
// pop-up menu may be open).
// Where the desktop has no tray host, a TrayStandIn window takes the icon's place.
class Tray {
public:
    using Handler = std::function<void(int message, QPoint globalPos)>;
    using Watcher = std::function<void(int message)>;
    using HostProbe = std::function<bool()>;
    static constexpr int MaxTipLength = 63;

    // hasTrayHost is asked at every add(); it defaults to asking Qt.
    explicit Tray(HostProbe hasTrayHost = {});
    ~Tray();
    Tray(const Tray&) = delete;
    Tray& operator=(const Tray&) = delete;

    void setIcon(const QIcon& icon) { m_icon = icon; }
    QIcon icon() const { return m_icon; }
    // Writes the record only; at most MaxTipLength characters are kept.
    void setTip(const QString& tip);
    QString tip() const { return m_tip; }

    void add();
    void remove();
    bool isShown() const { return m_shown; }
    // The tip the user sees now: the record's tip at the last add(), empty while not shown.
    QString shownTip() const { return m_shown ? m_shownTip : QString(); }

    void setHandler(Handler handler) { m_handler = std::move(handler); }
    // Runs on every message, even while the handler is busy: where the window writes its tip.
    void setWatcher(Watcher watcher) { m_watcher = std::move(watcher); }
    // Delivers one notification: to the watcher, then through the busy guard to the handler.
    // The window's own mouse-move handler may feed decoded messages here too, so they share
    // the guard with the icon's clicks.
    void notify(int message, QPoint globalPos);

    // For tests: what stands on the desktop while shown.
    TrayStandIn* standIn() const { return m_standIn.get(); }
    QSystemTrayIcon* systemTrayIcon() const { return m_trayIcon.get(); }

private:
    void showInTray();
    void showStandIn();

    HostProbe m_hasTrayHost;
    QIcon m_icon;
    QString m_tip;
    QString m_shownTip;
    bool m_shown = false;
    Handler m_handler;
    Watcher m_watcher;
    bool m_busy = false;
    // Cleared on destruction, so a handler that destroys the tray (its menu's "exit") does not
    // leave the guard writing into freed memory.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
    std::unique_ptr<QObject> m_hoverWatch; // declared after the icon: goes first
    std::unique_ptr<TrayStandIn> m_standIn;
};

} // namespace suite
