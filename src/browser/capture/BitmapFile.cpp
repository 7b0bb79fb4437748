#include "browser/capture/BitmapFile.h"

#include "core/AtomicFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace suite::browser {

namespace {

Result failure(const QString& path, const QString& why)
{
    return Result::failure(
        QStringLiteral("Das Bild konnte nicht als „%1“ gespeichert werden: %2").arg(path, why));
}

} // namespace

Result BitmapFile::save(const QString& path, const QImage& picture)
{
    if (picture.isNull())
        return failure(path, QStringLiteral("es gibt kein Bild."));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        return failure(path, QStringLiteral("das Bild lässt sich nicht als BMP schreiben."));

    const QFileInfo existing(path);
    if (existing.isDir())
        return failure(path, QStringLiteral("so heißt ein Ordner."));
    const QFileDevice::Permissions oldPermissions
        = existing.exists() ? QFile::permissions(path) : QFileDevice::Permissions();
    const bool madeWritable = existing.exists() && !existing.isWritable();
    if (madeWritable && !QFile::setPermissions(path, oldPermissions | QFileDevice::WriteOwner))
        return failure(path,
            QStringLiteral("die schreibgeschützte Datei lässt sich nicht "
                           "freigeben."));
    const auto restore = [&] {
        if (madeWritable)
            QFile::setPermissions(path, oldPermissions);
    };
    const Result written = writeFileAtomically(path, bytes);
    if (!written)
        restore();
    return written;
}

} // namespace suite::browser
