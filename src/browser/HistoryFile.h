#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

namespace suite::browser {

// verlauf.Dat: the address list of a browser window, most recent first, one address a line.
class HistoryFile {
public:
    static QString fileName() { return QStringLiteral("verlauf.Dat"); }
    // Only this many entries reach the disk; the list in memory has no limit.
    static constexpr qsizetype maxSavedEntries = 102;

    // Every line as one entry, empty lines included; nothing when the file cannot be read.
    static QStringList load(const QString& path);
    // The first maxSavedEntries entries, each trimmed of blanks.
    static Result save(const QString& path, const QStringList& entries);
    static QStringList linesToSave(const QStringList& entries);

    // A reached address goes to the top of the list; an equal entry (compared exactly, case
    // included) is taken out first, so each address stands in the list once.
    static void putOnTop(QStringList& entries, const QString& address);
};

} // namespace suite::browser
