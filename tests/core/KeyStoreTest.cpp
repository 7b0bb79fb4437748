#include "core/KeyStore.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using suite::KeyStore;
using suite::RootKey;

namespace {

const QString msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QString paint = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\mspaint.exe";

// A machine on which exactly the named programs are installed, in /usr/bin.
KeyStore::Sources machineWith(const QStringList& installed, const QStringList& files = {})
{
    KeyStore::Sources sources;
    sources.findProgram = [installed](const QString& program) {
        return installed.contains(program) ? "/usr/bin/" + program : QString();
    };
    sources.files = files;
    return sources;
}

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

} // namespace

TEST(KeyStore, DefaultEntriesNameTheFirstToolFoundOnThisMachine)
{
    const KeyStore store(machineWith({ "lxtask", "gnome-system-monitor", "gimp", "krita" }));
    QString value = "vorher";
    EXPECT_TRUE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, msinfo, "PATH", value));
    EXPECT_EQ(value, "/usr/bin/gnome-system-monitor");
    EXPECT_TRUE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, paint, "", value));
    EXPECT_EQ(value, "/usr/bin/gimp");
}

TEST(KeyStore, AMissingProgramKeyOrValueGivesFalseAndAnEmptyValue)
{
    const KeyStore store(machineWith({ "kolourpaint" }));
    QString value = "vorher";
    EXPECT_FALSE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, msinfo, "PATH", value));
    EXPECT_EQ(value, "");
    value = "vorher";
    EXPECT_FALSE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, paint, "Path", value));
    EXPECT_EQ(value, "");
    value = "vorher";
    EXPECT_FALSE(store.GetKeyValue(RootKey::HKEY_CURRENT_USER, paint, "", value))
        << "the other roots hold nothing";
    EXPECT_EQ(value, "");
    EXPECT_FALSE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE,
        "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", value));
}

TEST(KeyStore, KeyPathsAndValueNamesMatchWithoutRegardToCase)
{
    const KeyStore store(machineWith({ "hardinfo", "pinta" }));
    QString value;
    EXPECT_TRUE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, msinfo.toLower(), "path", value));
    EXPECT_EQ(value, "/usr/bin/hardinfo");
    EXPECT_TRUE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, paint.toUpper() + "\\", "", value));
    EXPECT_EQ(value, "/usr/bin/pinta");
}

TEST(KeyStore, RegistryFilesAddAndOverrideEntriesTheUsersFileWinning)
{
    QTemporaryDir dir;
    const QString system = write(dir, "system.ini",
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n"
        "PATH=/opt/sysinfo\r\n"
        "Antwort=dword:0000002a\r\n"
        "Gross=dword:ffffffff\r\n"
        "Roh=hex:01,02,ff\r\n"
        "[HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\mspaint.exe]\r\n"
        "@=/opt/system-paint\r\n");
    const QString user = write(dir, "user.ini",
        "[hkey_local_machine\\software\\microsoft\\windows\\currentversion\\"
        "app paths\\MSPAINT.EXE]\n"
        "@=\"/home/ich/bin/malen\"\n");
    const KeyStore store(
        machineWith({ "hardinfo", "gimp" }, { system, user, dir.filePath("fehlt.ini") }));
    EXPECT_TRUE(store.problems().isEmpty()) << qPrintable(store.problems().join('\n'));

    QString value;
    EXPECT_TRUE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, msinfo, "PATH", value));
    EXPECT_EQ(value, "/opt/sysinfo");
    EXPECT_TRUE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, paint, "", value));
    EXPECT_EQ(value, "/home/ich/bin/malen");
    EXPECT_TRUE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, msinfo, "Antwort", value));
    EXPECT_EQ(value, "42");
    EXPECT_TRUE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, msinfo, "Gross", value));
    EXPECT_EQ(value, "4294967295");
    value = "unverändert";
    EXPECT_TRUE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, msinfo, "Roh", value))
        << "another type is found but leaves the value as passed";
    EXPECT_EQ(value, "unverändert");
    const auto raw = store.query(RootKey::HKEY_LOCAL_MACHINE, msinfo, "roh");
    ASSERT_TRUE(raw.has_value());
    EXPECT_EQ(raw->bytes, QByteArray("\x01\x02\xff"));
}

TEST(KeyStore, BadEntriesAreReportedAndLeftOutTheRestStillCounts)
{
    QTemporaryDir dir;
    const QString file = write(dir, "registry.ini",
        "[HKEY_LOCAL_MACHINE\\Test]\n"
        "Zahl=dword:xyz\n"
        "Lang=dword:123456789\n"
        "Gut=ja\n"
        "Riesig="
            + QByteArray(2000, 'x')
            + "\n"
              "[Irgendwo\\Test]\n"
              "X=1\n");
    const KeyStore store(machineWith({}, { file }));
    EXPECT_EQ(store.problems().size(), 3) << qPrintable(store.problems().join('\n'));
    QString value;
    EXPECT_FALSE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, "Test", "Zahl", value));
    EXPECT_FALSE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, "Test", "Lang", value));
    EXPECT_TRUE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, "Test", "Gut", value));
    EXPECT_EQ(value, "ja");
    EXPECT_FALSE(store.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, "Test", "Riesig", value))
        << "a text that does not fit the 1024-byte buffer reads as missing";
    EXPECT_EQ(value, "");
}
