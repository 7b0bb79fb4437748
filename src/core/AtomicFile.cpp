#include "core/AtomicFile.h"

#include <QSaveFile>

namespace suite {

Result writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Result::failure(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2")
                                   .arg(path, file.errorString()));
    // QSaveFile commits whatever reached the disk unless told otherwise: a short write (full
    // disk, size limit) must cancel, so that the old file survives.
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return Result::failure(
            QStringLiteral("Die Datei „%1“ konnte nicht vollständig geschrieben werden (%2); "
                           "die bisherige Fassung bleibt erhalten.")
                .arg(path, why));
    }
    if (!file.commit())
        return Result::failure(
            QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden (%2); die bisherige "
                           "Fassung bleibt erhalten.")
                .arg(path, file.errorString()));
    return Result::success();
}

} // namespace suite
