#include "core/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

namespace suite {

namespace {

QString defaultLockFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    return QDir::tempPath();
}

} // namespace

SingleInstance::SingleInstance(const QString& programName, const QString& lockFolder)
{
    const QString folder = lockFolder.isEmpty() ? defaultLockFolder() : lockFolder;
    // The user id keeps users apart where the folder is shared (the temp folder).
    m_path = QDir(folder).filePath(
        QStringLiteral("sprachausgabe-%1-%2.lock").arg(programName).arg(::getuid()));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead owner makes a lock stale: the default age limit would let a second copy
    // steal the lock of a copy that has simply been running for a while.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return;
    switch (m_lock->error()) {
    case QLockFile::LockFailedError:
        m_alreadyRunning = true;
        break;
    case QLockFile::PermissionError:
        m_problem = QStringLiteral("Die Sperrdatei „%1“ kann nicht angelegt werden (keine "
                                   "Berechtigung).")
                        .arg(m_path);
        break;
    default:
        m_problem = QStringLiteral("Die Sperrdatei „%1“ kann nicht angelegt werden.").arg(m_path);
        break;
    }
}

SingleInstance::~SingleInstance() = default;

} // namespace suite
