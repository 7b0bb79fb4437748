#include "browser/FavouritesFile.h"

#include "browser/LineFile.h"

#include <QCollator>

#include <algorithm>

namespace suite::browser {

std::optional<QStringList> FavouritesFile::load(const QString& path)
{
    return LineFile::readLines(path);
}

Result FavouritesFile::append(const QString& path, const QString& address)
{
    return LineFile::appendLines(path, { LineFile::trimBlanks(address) });
}

Result FavouritesFile::remove(const QString& path, const QString& entry)
{
    const std::optional<QStringList> onDisk = load(path);
    if (!onDisk)
        return Result::failure(
            QStringLiteral("Die Favoriten in %1 lassen sich nicht lesen; nichts wurde entfernt.")
                .arg(path));
    return LineFile::writeLines(path, afterRemoving(*onDisk, entry));
}

QStringList FavouritesFile::afterRemoving(QStringList lines, const QString& entry)
{
    qsizetype found = lines.indexOf(entry);
    if (found < 0) {
        const QString trimmed = LineFile::trimBlanks(entry);
        found = std::find_if(lines.cbegin(), lines.cend(), [&](const QString& line) {
            return LineFile::trimBlanks(line) == trimmed;
        }) - lines.cbegin();
    }
    if (found < lines.size())
        lines.removeAt(found);
    QStringList kept;
    for (const QString& line : std::as_const(lines)) {
        const QString trimmed = LineFile::trimBlanks(line);
        if (!trimmed.isEmpty())
            kept << trimmed;
    }
    sortAlphabetically(kept);
    return kept;
}

void FavouritesFile::sortAlphabetically(QStringList& entries)
{
    QCollator german(QLocale(QLocale::German, QLocale::Germany));
    german.setCaseSensitivity(Qt::CaseInsensitive);
    // Equal for the collator ("a" and "A"): the character codes decide, so the order is total.
    std::stable_sort(entries.begin(), entries.end(), [&](const QString& a, const QString& b) {
        const int order = german.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

} // namespace suite::browser
