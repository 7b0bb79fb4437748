#pragma once

#include "core/Result.h"

#include <QString>

#include <optional>

namespace suite::browser {

// What Browser.ini holds. A key the file does not carry stays empty (std::nullopt).
struct BrowserSettings {
    bool readable = false;
    std::optional<QString> startPage; // the "SS " line
    std::optional<QString> searchEngine; // the "SM " line
};

// Browser.ini in the program directory: four CR LF lines
//   [Startseite] / SS <start page> / [Suchmaschine] / SM <search engine>
// Only lines beginning with exactly "SS" or "SM" carry data, the value from the fourth
// character on; a later line wins over an earlier one.
class BrowserIni {
public:
    static QString fileName() { return QStringLiteral("Browser.ini"); }
    // Start page and search engine when the file cannot be read. It works without scripts,
    // which suits a browser that reads the page's text aloud.
    static QString defaultSearchEngine()
    {
        return QStringLiteral("https://lite.duckduckgo.com/lite/");
    }
    // What the settings dialog offers as start page until a browser window read the file.
    static QString initialStartPage() { return QStringLiteral("https://de.wikipedia.org/"); }

    static BrowserSettings read(const QString& path);
    // The settings in the lines of a file that could be read.
    static BrowserSettings parse(const QStringList& lines);
    // The four lines; both values trimmed of blanks.
    static QByteArray serialize(const QString& startPage, const QString& searchEngine);
    static Result write(const QString& path, const QString& startPage, const QString& searchEngine);
};

} // namespace suite::browser
