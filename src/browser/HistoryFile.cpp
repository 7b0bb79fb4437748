#include "browser/HistoryFile.h"

#include "browser/LineFile.h"

namespace suite::browser {

QStringList HistoryFile::load(const QString& path)
{
    return LineFile::readLines(path).value_or(QStringList());
}

Result HistoryFile::save(const QString& path, const QStringList& entries)
{
    return LineFile::writeLines(path, linesToSave(entries));
}

QStringList HistoryFile::linesToSave(const QStringList& entries)
{
    QStringList lines;
    for (const QString& entry : entries.mid(0, maxSavedEntries))
        lines << LineFile::trimBlanks(entry);
    return lines;
}

void HistoryFile::putOnTop(QStringList& entries, const QString& address)
{
    const qsizetype found = entries.indexOf(address);
    if (found >= 0)
        entries.removeAt(found);
    entries.prepend(address);
}

} // namespace suite::browser
