#include "browser/WebBrowser.h"

#include <QWebEnginePage>

namespace suite::browser {

WebBrowser::WebBrowser(QWidget* parent)
    : QWebEngineView(parent)
{
    setObjectName(QStringLiteral("WebBrowser"));
    setAccessibleName(QStringLiteral("Webseite"));
    page()->setUrlRequestInterceptor(&m_guard);
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_busy = true; });
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        m_busy = false;
        if (ok)
            emit NavigateComplete2(LocationURL());
        emit DownloadComplete();
    });
}

void WebBrowser::Navigate(const QString& address)
{
    m_lastNavigated = address;
    if (address.trimmed().isEmpty())
        return;
    setUrl(QUrl::fromUserInput(address));
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
