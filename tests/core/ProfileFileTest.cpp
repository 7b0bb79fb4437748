#include "core/ProfileFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using suite::ProfileFile;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class ProfileFileTest : public ::testing::Test {
protected:
    QTemporaryDir m_dir;
    QString path(const QString& name = "Agent.ini") const { return m_dir.filePath(name); }
};

} // namespace

TEST_F(ProfileFileTest, AMissingFileReadsAsDefaultsAndIsCreatedOnTheFirstWrite)
{
    ProfileFile file(path());
    EXPECT_EQ(file.read("Speed", "V", "150"), "150");
    EXPECT_TRUE(file.lastReadResult().ok) << "a missing file is no error";
    ASSERT_TRUE(file.write("Speed", "V", "90").ok);
    ASSERT_TRUE(file.write("Charakter", "C", "Merlin").ok);
    EXPECT_EQ(contents(path()), "[Speed]\r\nV=90\r\n[Charakter]\r\nC=Merlin\r\n");
    // Every call goes to the file: a second object sees the writes of the first.
    EXPECT_EQ(ProfileFile(path()).read("charakter", "c", ""), "Merlin");
}

TEST_F(ProfileFileTest, AWriteChangesOnlyItsLineOfAnExistingFile)
{
    const QByteArray before = "\xEF\xBB\xBF; von Hand\n[Speed]\nV=150\n\n[Sprache]\nL=eng\n";
    put(path(), before);
    ProfileFile file(path());
    ASSERT_TRUE(file.write("speed", "v", "220").ok);
    EXPECT_EQ(contents(path()), "\xEF\xBB\xBF; von Hand\n[Speed]\nV=220\r\n\n[Sprache]\nL=eng\n");
    EXPECT_EQ(file.read("Sprache", "L", ""), "eng");
}

TEST_F(ProfileFileTest, NoFolderIsInventedAndAFileInPlaceOfAFolderIsAClearFailure)
{
    const QString inMissingFolder = m_dir.filePath("fehlt/Agent.ini");
    const suite::Result missing = ProfileFile(inMissingFolder).write("S", "k", "v");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.error.contains(inMissingFolder)) << qPrintable(missing.error);
    EXPECT_FALSE(QDir(m_dir.filePath("fehlt")).exists());

    // A parent that is a regular file stops even root from writing.
    put(path("datei"), "x");
    const suite::Result underFile = ProfileFile(path("datei") + "/Agent.ini").write("S", "k", "v");
    EXPECT_FALSE(underFile.ok);
    EXPECT_FALSE(underFile.error.isEmpty());
    EXPECT_EQ(contents(path("datei")), "x");
}

TEST_F(ProfileFileTest, AFolderWhereTheFileShouldBeIsNeitherReadNorReplaced)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("Agent.ini"));
    put(path("Agent.ini/inhalt"), "bleibt");
    ProfileFile file(path());
    EXPECT_EQ(file.read("Speed", "V", "150"), "150");
    EXPECT_FALSE(file.lastReadResult().ok);
    EXPECT_FALSE(file.write("Speed", "V", "90").ok);
    EXPECT_EQ(contents(path("Agent.ini/inhalt")), "bleibt");
}

TEST_F(ProfileFileTest, AFullDiskLeavesTheOldFileByteForByte)
{
    const QByteArray before = "[Speed]\r\nV=150\r\n[Charakter]\r\nC=Genie\r\n";
    put(path(), before);
    // The child may write at most 4 KiB per file: the new contents do not fit.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 4096, 4096 };
        setrlimit(RLIMIT_FSIZE, &limit);
        const suite::Result result
            = ProfileFile(path()).write("Charakter", "C", QString(20000, u'x'));
        _exit(result.ok ? 1 : (result.error.isEmpty() ? 2 : 0));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported success, 2: no reason given";
    EXPECT_EQ(contents(path()), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList({ "Agent.ini" }))
        << "no temporary file is left behind";
}

TEST_F(ProfileFileTest, AFileOverTheSizeBoundIsRefusedAndNeverOverwritten)
{
    {
        QFile big(path());
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        big.write("[Speed]\r\nV=99\r\n");
        ASSERT_TRUE(big.resize(ProfileFile::maxBytes + 1));
    }
    ProfileFile file(path());
    EXPECT_EQ(file.read("Speed", "V", "150"), "150");
    EXPECT_FALSE(file.lastReadResult().ok);
    EXPECT_TRUE(file.lastReadResult().error.contains("16 MiB"));
    const suite::Result written = file.write("Speed", "V", "90");
    EXPECT_FALSE(written.ok);
    EXPECT_TRUE(written.error.contains("16 MiB")) << qPrintable(written.error);
    const QByteArray after = contents(path());
    EXPECT_EQ(after.size(), ProfileFile::maxBytes + 1);
    EXPECT_TRUE(after.startsWith("[Speed]\r\nV=99\r\n"));

    // Right at the bound the file is still ours.
    ASSERT_TRUE(QFile::resize(path(), ProfileFile::maxBytes));
    EXPECT_EQ(file.read("Speed", "V", "150"), "99");
    EXPECT_TRUE(file.lastReadResult().ok);
}

TEST_F(ProfileFileTest, ARefusedValueLeavesTheFileAlone)
{
    put(path(), "[Speed]\nV=150\n");
    const suite::Result result = ProfileFile(path()).write("Speed", "V", "1\n[X]\nY=2");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(contents(path()), "[Speed]\nV=150\n");
}
