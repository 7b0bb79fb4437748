#include "browser/WebEngineLanguage.h"

#include <QLocale>
#include <QWebEngineProfile>

namespace suite::browser {

bool WebEngineLanguage::desktopWantsGerman(const QProcessEnvironment& environment)
{
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const QString value = environment.value(QString::fromLatin1(name)).trimmed();
        if (value.isEmpty())
            continue;
        const QString language = value.section(u'.', 0, 0).section(u'@', 0, 0);
        if (language == QLatin1String("C") || language == QLatin1String("POSIX"))
            return true;
        return language == QLatin1String("de") || language.startsWith(QLatin1String("de_"));
    }
    return true;
}

void WebEngineLanguage::choose(const QProcessEnvironment& environment)
{
    if (!desktopWantsGerman(environment))
        return;
    // The engine takes its language from the default locale when it starts.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QWebEngineProfile::defaultProfile()->setHttpAcceptLanguage(germanAcceptLanguage());
}

} // namespace suite::browser
