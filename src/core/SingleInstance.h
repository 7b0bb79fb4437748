#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace suite {

// "Is another copy of this program already running for this user?" A lock file in the user's
// runtime directory is held for the lifetime of this object. A lock left behind by a copy
// that crashed (its process is gone) is taken over, so it never blocks a start.
class SingleInstance {
public:
    // lockFolder "" means the runtime directory ($XDG_RUNTIME_DIR), else the temp folder.
    explicit SingleInstance(const QString& programName, const QString& lockFolder = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True only when a live copy holds the lock. A lock that cannot be made at all (no
    // runtime folder, no permission) does not stop the program: see problem().
    bool alreadyRunning() const { return m_alreadyRunning; }
    QString problem() const { return m_problem; }
    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_alreadyRunning = false;
    QString m_problem;
};

} // namespace suite
