#pragma once

#include <QByteArray>
#include <QString>
#include <QTextDocument>

#include <memory>

namespace suite::rtf {

enum class LoadedFormat { None, PlainText, Rtf };

struct LoadResult {
    bool ok = false; // false: nothing was loaded and `message` says why
    QString message; // for the user, in German; on success a warning about a damaged RTF
    LoadedFormat format = LoadedFormat::None;
    std::unique_ptr<QTextDocument> document; // null unless ok
};

// Files above this size are refused rather than read into memory.
constexpr qint64 kMaxLoadBytes = 20LL * 1024 * 1024;

// Loads a file for the reader's field, deciding by content, not by name: RTF with its
// formatting, anything else as plain text.
LoadResult loadFile(const QString& path);

// Plain text: a byte order mark decides (UTF-8, UTF-16), else valid UTF-8 is read as
// UTF-8 and anything else as Windows-1252.
QString decodePlainText(QByteArrayView bytes);

} // namespace suite::rtf
