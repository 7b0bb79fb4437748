#include "browser/OfflineGuard.h"

#include <QUrl>

namespace suite::browser {

bool OfflineGuard::isLocalScheme(const QString& scheme)
{
    static const QStringList local = { QStringLiteral("file"), QStringLiteral("data"),
        QStringLiteral("blob"), QStringLiteral("about"), QStringLiteral("qrc"),
        QStringLiteral("view-source"), QStringLiteral("chrome"), QStringLiteral("devtools") };
    return local.contains(scheme.toLower());
}

void OfflineGuard::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    if (m_offline && !isLocalScheme(info.requestUrl().scheme()))
        info.block(true);
}

} // namespace suite::browser
