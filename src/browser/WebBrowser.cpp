#include "browser/WebBrowser.h"

#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace suite::browser {

namespace {

QString offlinePage(const QUrl& address)
{
    const QString shown = address.toDisplayString().toHtmlEscaped();
    return QStringLiteral("<!DOCTYPE html><html lang=\"de\"><head><meta charset=\"utf-8\">"
                          "<title>Offline-Modus</title></head><body>"
                          "<h1>Seite im Offline-Modus nicht verfügbar</h1>"
                          "<p>Die Seite %1 wird nicht geladen, weil der Browser im Offline-Modus "
                          "ist.</p><p>Im Menü Datei schaltet \"Seite im Offline-Modus zeigen\" "
                          "den Offline-Modus aus.</p></body></html>")
        .arg(shown);
}

// While offline, a page that is not local is not asked for: the page says why, in German,
// at the address that was asked for.
class BrowserPage final : public QWebEnginePage {
public:
    BrowserPage(const OfflineGuard& guard, QObject* parent)
        : QWebEnginePage(QWebEngineProfile::defaultProfile(), parent)
        , m_guard(guard)
    {
        connect(this, &QWebEnginePage::loadFinished, this, [this] { m_offlinePageFor.clear(); });
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override
    {
        // The notice itself comes at the address that was asked for.
        if (!m_offlinePageFor.isEmpty() && url == m_offlinePageFor)
            return true;
        if (!isMainFrame || !m_guard.isOffline() || OfflineGuard::isLocalScheme(url.scheme()))
            return true;
        QTimer::singleShot(0, this, [this, url] {
            m_offlinePageFor = url;
            setHtml(offlinePage(url), url);
        });
        return false;
    }

private:
    const OfflineGuard& m_guard;
    QUrl m_offlinePageFor;
};

} // namespace

WebBrowser::WebBrowser(QWidget* parent)
    : QWebEngineView(parent)
{
    setObjectName(QStringLiteral("WebBrowser"));
    setAccessibleName(QStringLiteral("Webseite"));
    setPage(new BrowserPage(m_guard, this));
    page()->setUrlRequestInterceptor(&m_guard);
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_busy = true; });
    // The address is reached once the engine shows it, long before a slow page has loaded,
    // and also when the load then fails (the engine shows its error page at that address).
    connect(this, &QWebEngineView::urlChanged, this, [this](const QUrl& url) {
        if (!url.isEmpty())
            emit NavigateComplete2(LocationURL());
    });
    connect(this, &QWebEngineView::loadFinished, this, [this] {
        m_busy = false;
        emit DownloadComplete();
    });
}

WebBrowser::~WebBrowser()
{
    // The page is ours, not the view's, and it uses the guard: it goes first.
    delete page();
}

void WebBrowser::Navigate(const QString& address)
{
    m_lastNavigated = address;
    if (address.trimmed().isEmpty())
        return;
    // load(), not setUrl(): setUrl reports the new address at once, before anything is reached.
    load(QUrl::fromUserInput(address));
}

void WebBrowser::GoBack()
{
    back();
}

void WebBrowser::GoForward()
{
    forward();
}

void WebBrowser::Refresh()
{
    reload();
}

void WebBrowser::Stop()
{
    stop();
}

QString WebBrowser::LocationName() const
{
    const QString name = title();
    return name.isEmpty() ? LocationURL() : name;
}

QString WebBrowser::LocationURL() const
{
    return url().toString();
}

QWebEngineView* WebBrowser::createWindow(QWebEnginePage::WebWindowType)
{
    return m_newWindow ? m_newWindow() : nullptr;
}

} // namespace suite::browser
