#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace suite::browser {

// favoriten.Dat: the addresses the user chose to keep, one a line.
class FavouritesFile {
public:
    static QString fileName() { return QStringLiteral("favoriten.Dat"); }

    // The lines as they stand, or nothing when the file is missing or unreadable.
    static std::optional<QStringList> load(const QString& path);
    // Appends the address trimmed of blanks; no check for duplicates or empty text.
    static Result append(const QString& path, const QString& address);
    // Takes one line equal to the entry out of the file as it is on disk now (another window
    // or program may have added lines since it was shown) and writes the rest anew: sorted,
    // trimmed, without empty lines. An entry no longer on disk removes nothing.
    static Result remove(const QString& path, const QString& entry);
    // The lines that remove() writes.
    static QStringList afterRemoving(QStringList lines, const QString& entry);

    // Alphabetical order as a German reader expects it: case and accents count only where
    // the letters are the same ("amazon.de" before "Zeit.de", "Äpfel" next to "Apfel").
    static void sortAlphabetically(QStringList& entries);
};

} // namespace suite::browser
