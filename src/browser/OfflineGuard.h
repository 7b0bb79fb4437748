#pragma once

#include <QWebEngineUrlRequestInterceptor>

#include <atomic>

namespace suite::browser {

// While offline, no request leaves the machine: everything but local schemes (file, data,
// blob, about, qrc, view-source) is blocked, and the page shows the engine's error page.
class OfflineGuard final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setOffline(bool offline) { m_offline = offline; }
    bool isOffline() const { return m_offline; }
    static bool isLocalScheme(const QString& scheme);

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    std::atomic<bool> m_offline { false };
};

} // namespace suite::browser
