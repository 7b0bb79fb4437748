#pragma once

#include "core/ProfileDocument.h"
#include "core/Result.h"

#include <QList>
#include <QString>

namespace suite {

// A private-profile file on disk, read and written the way GetPrivateProfileString and
// WritePrivateProfileString do it: every call goes to the file, so two programs (or two
// objects) see each other's writes. A write replaces the file atomically; when it cannot, the
// old file stays byte for byte and the result says why.
class ProfileFile {
public:
    // Larger files are user data we do not understand: never read, never overwritten.
    static constexpr qint64 maxBytes = 16 * 1024 * 1024;

    explicit ProfileFile(QString path);

    const QString& path() const { return m_path; }

    // A missing key, a missing file or an unreadable one gives the default; lastReadResult()
    // then tells a missing file (success) from a file that could not be used (failure).
    QString read(const QString& section, const QString& key, const QString& defaultValue,
        int bufferChars = 255) const;
    Result write(const QString& section, const QString& key, const QString& value);

    struct Setting {
        QString section;
        QString key;
        QString value;
    };
    // Several keys with one read and one replacement of the file: all of them are saved, or
    // none is and the file stays as it was.
    Result write(const QList<Setting>& settings);

    const Result& lastReadResult() const { return m_lastRead; }

    // The file's contents; a missing file is an empty document and no error.
    Result load(ProfileDocument& document) const;

private:
    Result loadBytes(QByteArray& bytes, bool& exists) const;
    Result save(const QByteArray& bytes) const;

    QString m_path;
    mutable Result m_lastRead;
};

} // namespace suite
