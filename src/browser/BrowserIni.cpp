#include "browser/BrowserIni.h"

#include "browser/LineFile.h"

namespace suite::browser {

BrowserSettings BrowserIni::read(const QString& path)
{
    const std::optional<QStringList> lines = LineFile::readLines(path);
    return lines ? parse(*lines) : BrowserSettings();
}

BrowserSettings BrowserIni::parse(const QStringList& lines)
{
    BrowserSettings settings;
    settings.readable = true;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("SS")))
            settings.startPage = line.mid(3);
        else if (line.startsWith(QLatin1String("SM")))
            settings.searchEngine = line.mid(3);
    }
    return settings;
}

QByteArray BrowserIni::serialize(const QString& startPage, const QString& searchEngine)
{
    return LineFile::joinLines({ QStringLiteral("[Startseite]"),
        QStringLiteral("SS ") + LineFile::trimBlanks(startPage), QStringLiteral("[Suchmaschine]"),
        QStringLiteral("SM ") + LineFile::trimBlanks(searchEngine) });
}

Result BrowserIni::write(const QString& path, const QString& startPage, const QString& searchEngine)
{
    return LineFile::writeBytes(path, serialize(startPage, searchEngine));
}

} // namespace suite::browser
