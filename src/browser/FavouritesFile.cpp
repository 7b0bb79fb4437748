#include "browser/FavouritesFile.h"

#include "browser/LineFile.h"

namespace suite::browser {

std::optional<QStringList> FavouritesFile::load(const QString& path)
{
    return LineFile::readLines(path);
}

Result FavouritesFile::append(const QString& path, const QString& address)
{
    return LineFile::appendLines(path, { LineFile::trimBlanks(address) });
}

Result FavouritesFile::rewrite(const QString& path, const QStringList& entries)
{
    QStringList lines;
    for (const QString& entry : entries) {
        const QString trimmed = LineFile::trimBlanks(entry);
        if (!trimmed.isEmpty())
            lines << trimmed;
    }
    return LineFile::writeLines(path, lines);
}

} // namespace suite::browser
