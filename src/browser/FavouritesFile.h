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
    // Writes the entries anew in the given order, trimmed, leaving out empty ones.
    static Result rewrite(const QString& path, const QStringList& entries);
};

} // namespace suite::browser
