#include "core/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace suite {

namespace {

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

Result cannotWrite(const QString& path, int code)
{
    return Result::failure(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden: %2")
                               .arg(path, systemError(code)));
}

Result notSaved(const QString& path, int code)
{
    return Result::failure(QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden (%2); "
                                          "die bisherige Fassung bleibt erhalten.")
                               .arg(path, systemError(code)));
}

// Where the bytes go: the file a symbolic link points to is replaced, the link stays.
QString targetOf(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

// A new, empty file next to the target that nobody else uses: its rename over the target
// is the one step that changes what readers see.
int createTemporary(const QString& target, mode_t mode, QByteArray& name)
{
    const QFileInfo info(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()
            + QStringLiteral(".%1.tmp").arg(
                QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC; // a write that takes nothing and names no reason
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

void syncFolder(const QString& target)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

Result writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QString target = targetOf(path);
    // An existing file keeps its permissions; a new one gets what the umask allows.
    struct stat old { };
    const bool exists = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    const mode_t mode = exists ? (old.st_mode & 07777) : 0666;

    QByteArray temporary;
    const int fd = createTemporary(target, mode, temporary);
    if (fd < 0)
        return cannotWrite(path, errno);
    const auto discard = [&](int code) {
        ::close(fd);
        ::unlink(temporary.constData());
        return code;
    };
    // Every byte must reach the disk before the new file takes the old one's place: a
    // short write, a failed sync or close (a full disk shows up in any of them) leaves the
    // old file as it was.
    if (exists && ::fchmod(fd, mode) != 0)
        return cannotWrite(path, discard(errno));
    if (!writeAll(fd, bytes)) {
        const int code = discard(errno);
        return Result::failure(
            QStringLiteral("Die Datei „%1“ konnte nicht vollständig geschrieben werden (%2); "
                           "die bisherige Fassung bleibt erhalten.")
                .arg(path, systemError(code)));
    }
    if (::fsync(fd) != 0)
        return notSaved(path, discard(errno));
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return notSaved(path, code);
    }
    if (::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return notSaved(path, code);
    }
    // The rename is the commit; syncing the folder makes it survive a power cut, and a
    // failure there changes nothing about what is in place now.
    syncFolder(target);
    return Result::success();
}

} // namespace suite
