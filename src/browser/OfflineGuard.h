#pragma once

#include <QWebEngineUrlRequestInterceptor>

#include <atomic>

namespace suite::browser {

// While offline, no request leaves the machine: everything but local schemes (file, data,
// blob, about, qrc, view-source) is blocked. The browser's page does not even start such a
// navigation; it shows a German page that says why instead.
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
