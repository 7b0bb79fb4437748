// The one atomic write behind every saved file, on a disk that is really full.
#include "core/AtomicFile.h"
#include "core/ProfileFile.h"
#include "fakes/SmallDisk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using suite::writeFileAtomically;
using suite::test::SmallDisk;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray settingsOf(int bytes)
{
    QByteArray text = "[Speed]\r\nV=150\r\n[Charakter]\r\nC=Genie\r\n[Notizen]\r\n";
    for (int line = 0; text.size() < bytes; ++line)
        text += "N" + QByteArray::number(line) + "=eine Zeile, die der Benutzer schrieb\r\n";
    return text.left(bytes);
}

class AtomicFileOnASmallDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!disk.isMounted())
            GTEST_SKIP() << qPrintable(disk.whyNot());
    }

    // Every file but the disk's filler: a temporary file left behind shows here.
    QStringList files() const
    {
        QStringList names = QDir(disk.path()).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(".filler");
        return names;
    }

    SmallDisk disk { 64 };
};

} // namespace

TEST_F(AtomicFileOnASmallDisk, AFullDiskKeepsTheOldFileByteForByteAndSaysWhy)
{
    const QString path = disk.filePath("Agent.ini");
    const QByteArray before = settingsOf(5115);
    ASSERT_TRUE(writeFileAtomically(path, before).ok);

    // Nothing free at all, then room for part of the new contents: neither may cost the old.
    for (const qint64 leaveFree : { 0, 8192 }) {
        ASSERT_TRUE(disk.fill(leaveFree));
        const suite::Result written = writeFileAtomically(path, settingsOf(20000));
        EXPECT_FALSE(written.ok) << "free: " << leaveFree;
        EXPECT_TRUE(written.error.contains(path)) << qPrintable(written.error);
        EXPECT_TRUE(written.error.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))))
            << qPrintable(written.error);
        EXPECT_EQ(contents(path), before) << "free: " << leaveFree;
        EXPECT_EQ(files(), QStringList({ "Agent.ini" })) << "no temporary file is left";
        disk.clear();
    }

    // With room again the same write goes through.
    ASSERT_TRUE(writeFileAtomically(path, settingsOf(20000)).ok);
    EXPECT_EQ(contents(path), settingsOf(20000));
}

TEST_F(AtomicFileOnASmallDisk, APrivateProfileWriteOnAFullDiskLosesNoKey)
{
    // One key written after another used to read the file the first one had emptied.
    const QString path = disk.filePath("Agent.ini");
    const QByteArray before = settingsOf(101);
    ASSERT_TRUE(writeFileAtomically(path, before).ok);
    ASSERT_TRUE(disk.fill());
    suite::ProfileFile file(path);
    EXPECT_FALSE(file.write({ { "Speed", "V", "90" }, { "Charakter", "C", "Merlin" } }).ok);
    EXPECT_FALSE(file.write("Sprache", "L", "eng").ok);
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(file.read("Charakter", "C", ""), "Genie");
}

TEST(AtomicFile, TheReplacedFileKeepsItsPermissionsAndALinkStaysALink)
{
    QTemporaryDir dir;
    const QString real = dir.filePath("wirklich.ini");
    ASSERT_TRUE(writeFileAtomically(real, "alt").ok);
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    const QString link = dir.filePath("Agent.ini");
    ASSERT_TRUE(QFile::link(real, link));

    ASSERT_TRUE(writeFileAtomically(link, "neu").ok);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contents(real), "neu");
    struct stat info { };
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}
