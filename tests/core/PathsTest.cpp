#include "core/Paths.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace paths = suite::paths;

namespace {

// Sets an environment variable for one test and puts the old state back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(Paths, TrailingSlashIsAddedOnlyWhereMissing)
{
    EXPECT_EQ(paths::withTrailingSlash("/opt/suite"), "/opt/suite/");
    EXPECT_EQ(paths::withTrailingSlash("/opt/suite/"), "/opt/suite/");
    EXPECT_EQ(paths::withTrailingSlash("/"), "/");
}

TEST(Paths, TheSystemDirectoryComesFromTheEnvironmentWithoutATrailingSlash)
{
    ScopedEnv env("SPRACHAUSGABE_SYSTEM_DIR", "/srv/sprache/");
    EXPECT_EQ(paths::systemDir(), "/srv/sprache");
    EXPECT_EQ(paths::WinDir(), "/srv/sprache");
    EXPECT_EQ(paths::characterDir(), "/srv/sprache/msagent/chars");
}

TEST(Paths, WithoutTheEnvironmentTheSystemDirectoryLiesNextToTheBinary)
{
    ScopedEnv env("SPRACHAUSGABE_SYSTEM_DIR", QByteArray());
    const QString expected
        = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/sprachausgabe");
    EXPECT_EQ(paths::systemDir(), expected);
    EXPECT_EQ(paths::binaryDir(), QCoreApplication::applicationDirPath());
}

TEST(Paths, TheProgramDirectoryEndsInASlashAndFallsBackToTheUserConfiguration)
{
    QTemporaryDir temp;
    {
        ScopedEnv env("SPRACHAUSGABE_PROGRAM_DIR", temp.path().toUtf8());
        EXPECT_EQ(paths::programDir(), temp.path() + "/");
    }
    ScopedEnv noEnv("SPRACHAUSGABE_PROGRAM_DIR", QByteArray());
    ScopedEnv config("XDG_CONFIG_HOME", temp.filePath("config").toUtf8());
    EXPECT_EQ(paths::programDirFor(temp.path()), temp.path() + "/");

    // Below a regular file nothing can be written, whoever we are.
    touch(temp.filePath("datei"));
    EXPECT_EQ(paths::programDirFor(temp.filePath("datei/bin")),
        temp.filePath("config/sprachausgabe") + "/");
    EXPECT_TRUE(QDir(temp.filePath("config/sprachausgabe")).exists());
    // An installed program keeps its files under XDG even when root could write to /usr/bin.
    EXPECT_EQ(paths::programDirFor("/usr/bin"), temp.filePath("config/sprachausgabe") + "/");
    ASSERT_TRUE(QDir(temp.path()).mkpath("unpacked/usr/bin"));
    EXPECT_EQ(paths::programDirFor(temp.filePath("unpacked/usr/bin")),
        temp.filePath("config/sprachausgabe") + "/");
}

TEST(Paths, FilesAreFoundWithoutRegardToCase)
{
    QTemporaryDir temp;
    touch(temp.filePath("Genie.acs"));
    touch(temp.filePath("merlin.ACS"));
    ASSERT_TRUE(QDir(temp.path()).mkdir("AGENT.INI"));
    EXPECT_EQ(paths::findFileNoCase(temp.path(), "genie.acs"), temp.filePath("Genie.acs"));
    EXPECT_EQ(paths::findFileNoCase(temp.path() + "/", "MERLIN.acs"), temp.filePath("merlin.ACS"));
    EXPECT_EQ(paths::findFileNoCase(temp.path(), "Genie.acs"), temp.filePath("Genie.acs"));
    EXPECT_EQ(paths::findFileNoCase(temp.path(), "agent.ini"), "") << "a folder is no file";
    EXPECT_EQ(paths::findFileNoCase(temp.path(), "peedy.acs"), "");
    EXPECT_EQ(paths::findFileNoCase(temp.filePath("fehlt"), "genie.acs"), "");
    EXPECT_EQ(paths::findFileNoCase(temp.path(), "../x"), "");
    EXPECT_EQ(paths::findFileNoCase(temp.path(), ""), "");
}
