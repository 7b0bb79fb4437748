#include "fakes/SmallDisk.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace suite::test {

namespace {
const char* const kFiller = ".filler";
} // namespace

SmallDisk::SmallDisk(int kibibytes)
{
    if (!m_mountPoint.isValid()) {
        m_whyNot = QStringLiteral("no folder to mount on");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0700";
    if (::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
            options.constData())
        != 0) {
        m_whyNot = QStringLiteral("cannot mount a tmpfs here (%1); a full disk needs root")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_mounted = true;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
}

bool SmallDisk::fill(qint64 leaveFree)
{
    if (!m_mounted)
        return false;
    const QByteArray filler = QFile::encodeName(filePath(kFiller));
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'f');
    qint64 size = 0;
    for (;;) {
        const ssize_t written = ::write(fd, block.constData(), size_t(block.size()));
        if (written <= 0)
            break;
        size += written;
    }
    const bool full = errno == ENOSPC;
    const bool freed = ::ftruncate(fd, std::max<qint64>(0, size - leaveFree)) == 0;
    ::close(fd);
    return full && freed;
}

void SmallDisk::clear()
{
    ::unlink(QFile::encodeName(filePath(kFiller)).constData());
}

} // namespace suite::test
