#include "core/SingleInstance.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using suite::SingleInstance;

namespace {

// A second process that holds the lock until it is killed.
class LockHolder {
public:
    LockHolder(const QString& program, const QString& folder)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            SingleInstance instance(program, folder);
            const char state = instance.alreadyRunning() ? 'r' : 'l';
            (void)!write(fds[1], &state, 1);
            for (;;)
                pause();
        }
        close(fds[1]);
        if (m_pid > 0 && read(fds[0], &m_state, 1) != 1)
            m_state = '?';
        close(fds[0]);
    }
    ~LockHolder() { kill(); }

    bool holdsLock() const { return m_state == 'l'; }
    void kill()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    char m_state = '?';
};

} // namespace

TEST(SingleInstance, ASecondCopyLearnsThatTheFirstIsRunningUntilItEnds)
{
    QTemporaryDir folder;
    auto first = std::make_unique<SingleInstance>("lautbote", folder.path());
    EXPECT_FALSE(first->alreadyRunning());
    EXPECT_TRUE(first->problem().isEmpty());
    {
        SingleInstance second("lautbote", folder.path());
        EXPECT_TRUE(second.alreadyRunning());
        SingleInstance otherProgram("tockwerk", folder.path());
        EXPECT_FALSE(otherProgram.alreadyRunning()) << "each program has a lock of its own";
    }
    first.reset();
    SingleInstance next("lautbote", folder.path());
    EXPECT_FALSE(next.alreadyRunning());
}

TEST(SingleInstance, ALiveCopyInAnotherProcessBlocksAndAKilledOneDoesNot)
{
    QTemporaryDir folder;
    LockHolder holder("tockwerk", folder.path());
    ASSERT_TRUE(holder.holdsLock());
    EXPECT_TRUE(SingleInstance("tockwerk", folder.path()).alreadyRunning());

    holder.kill(); // SIGKILL: the lock file stays behind
    SingleInstance instance("tockwerk", folder.path());
    ASSERT_TRUE(QFile::exists(instance.lockFilePath()));
    EXPECT_FALSE(instance.alreadyRunning());
    EXPECT_TRUE(instance.problem().isEmpty());
}

TEST(SingleInstance, TheLockLiesInTheRuntimeFolderPerUser)
{
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const bool hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    const QByteArray old = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    SingleInstance instance("zifferio");
    EXPECT_TRUE(instance.lockFilePath().startsWith(runtime.path() + "/"));
    EXPECT_TRUE(instance.lockFilePath().contains(QString::number(getuid())));
    EXPECT_TRUE(QFile::exists(instance.lockFilePath()));
    if (hadRuntime)
        qputenv("XDG_RUNTIME_DIR", old);
    else
        qunsetenv("XDG_RUNTIME_DIR");
}

TEST(SingleInstance, AnUnusableLockFolderDoesNotStopTheProgram)
{
    QTemporaryDir folder;
    QFile file(folder.filePath("datei"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    SingleInstance instance("lautbote", folder.filePath("datei"));
    EXPECT_FALSE(instance.alreadyRunning());
    EXPECT_FALSE(instance.problem().isEmpty());
}
