#pragma once

#include <QProcessEnvironment>

namespace suite::browser {

// The web engine's own pages (errors, downloads) are in the language it is started in, and it
// asks web sites for pages in its accept languages. The browser is German: on a German desktop,
// and on one that names no language at all, the engine runs in German too.
class WebEngineLanguage {
public:
    // LC_ALL, LC_MESSAGES and LANG in that order; the first one set decides. "C" and "POSIX"
    // name no language.
    static bool desktopWantsGerman(const QProcessEnvironment& environment);
    // The language the engine asks sites for ("de-DE,de").
    static QString germanAcceptLanguage() { return QStringLiteral("de-DE,de"); }

    // Call once after the QApplication is made and before the first page exists.
    static void choose(
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
};

} // namespace suite::browser
