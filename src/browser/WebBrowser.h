#pragma once

#include "browser/OfflineGuard.h"

#include <QWebEngineView>

#include <functional>

namespace suite::browser {

// The page of a browser window, with the operations and events the window relies on:
// Navigate, GoBack, GoForward, Refresh, Stop, Busy, LocationName, LocationURL, Offline;
// NavigateComplete2 when an address has been reached (whether or not its load succeeds),
// DownloadComplete when a load ended (also one that failed), and a new window for a page that
// asks for one.
class WebBrowser final : public QWebEngineView {
    Q_OBJECT
public:
    // Gives the browser of a new window for a page that opens one; null refuses it.
    using NewWindowHandler = std::function<WebBrowser*()>;

    explicit WebBrowser(QWidget* parent = nullptr);
    ~WebBrowser() override;

    // The text is read as a user types it into an address box: a bare host name becomes a web
    // address, "file://..." and other schemes are taken as they are. Empty text loads nothing.
    void Navigate(const QString& address);
    void GoBack();
    void GoForward();
    void Refresh();
    void Stop();
    bool Busy() const { return m_busy; }
    // The page's title, or its address while it has none.
    QString LocationName() const;
    QString LocationURL() const;
    void setOffline(bool offline) { m_guard.setOffline(offline); }
    bool Offline() const { return m_guard.isOffline(); }

    void setNewWindowHandler(NewWindowHandler handler) { m_newWindow = std::move(handler); }
    // The text of the last Navigate call, as it was passed.
    const QString& lastNavigated() const { return m_lastNavigated; }

signals:
    void NavigateComplete2(const QString& url);
    void DownloadComplete();

protected:
    QWebEngineView* createWindow(QWebEnginePage::WebWindowType type) override;

private:
    OfflineGuard m_guard;
    NewWindowHandler m_newWindow;
    QString m_lastNavigated;
    bool m_busy = false;
};

} // namespace suite::browser
