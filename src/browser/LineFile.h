#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace suite::browser {

// The browser's small text files (Browser.ini, verlauf.Dat, favoriten.Dat): UTF-8 lines, each
// ending in CR LF when written; a line may end in CR LF, LF or CR when read. A file is always
// replaced as a whole, so a failed write leaves the old one byte for byte.
class LineFile {
public:
    // Anything larger is not one of our files: it is neither read nor overwritten.
    static constexpr qint64 maxBytes = 8 * 1024 * 1024;

    // The file's lines, or nothing when it is missing, unreadable or too large.
    static std::optional<QStringList> readLines(const QString& path);
    // The lines of a file's bytes, without their breaks.
    static QStringList splitLines(const QByteArray& bytes);
    // Every line followed by CR LF.
    static QByteArray joinLines(const QStringList& lines);
    static Result writeLines(const QString& path, const QStringList& lines);
    // Appends the lines behind the file's content (creating the file when missing). A last
    // line without its break gets one first, so the new line never merges with it.
    static Result appendLines(const QString& path, const QStringList& lines);
    static Result writeBytes(const QString& path, const QByteArray& bytes);

    // Leading and trailing blanks removed (blanks only; tabs and other spaces stay).
    static QString trimBlanks(const QString& text);
};

} // namespace suite::browser
