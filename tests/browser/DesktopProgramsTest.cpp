#include "browser/DesktopPrograms.h"
#include "browser/BrowserIni.h"
#include "core/KeyStore.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using suite::KeyStore;
using suite::browser::DesktopPrograms;

namespace {

class DesktopProgramsTest : public ::testing::Test {
protected:
    KeyStore keysFrom(const QByteArray& ini, QStringList onPath = {})
    {
        const QString file = dir.filePath("registry.ini");
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(ini);
        out.close();
        m_onPath = onPath;
        KeyStore::Sources sources;
        sources.findProgram = [](const QString&) { return QString(); };
        sources.files = { file };
        return KeyStore(sources);
    }
    DesktopPrograms programs(const KeyStore& keys)
    {
        return DesktopPrograms(
            keys,
            [this](const QString& name) {
                return m_onPath.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
            },
            [this](const QString& path) { return m_files.contains(path); });
    }

    QTemporaryDir dir;
    QStringList m_onPath;
    QStringList m_files;
};

} // namespace

TEST_F(DesktopProgramsTest, TheKeyStoreWinsOverThePath)
{
    const KeyStore keys = keysFrom(
        "[HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\msimn.exe]\n@=/opt/mail\n"
        "[HKCU\\Software\\Microsoft\\Internet Explorer\\Main]\nStart Page=file:///home.html\n",
        { "xdg-email" });
    const DesktopPrograms desktop = programs(keys);
    ASSERT_TRUE(desktop.mailProgram().has_value());
    EXPECT_EQ(desktop.mailProgram()->program, "/opt/mail");
    EXPECT_EQ(desktop.homePage(), "file:///home.html");
    EXPECT_EQ(desktop.searchPage(), suite::browser::BrowserIni::defaultSearchEngine());
}

TEST_F(DesktopProgramsTest, WithoutKeysTheDesktopsProgramsAreUsedOrNothing)
{
    const KeyStore keys = keysFrom("", { "xdg-email", "nm-connection-editor" });
    const DesktopPrograms desktop = programs(keys);
    ASSERT_TRUE(desktop.mailProgram().has_value());
    EXPECT_EQ(desktop.mailProgram()->program, "/usr/bin/xdg-email");
    EXPECT_EQ(desktop.mailProgram()->arguments, QStringList({ "mailto:" }));
    ASSERT_TRUE(desktop.internetOptions().has_value());
    EXPECT_EQ(desktop.internetOptions()->program, "/usr/bin/nm-connection-editor");
    EXPECT_FALSE(desktop.systemInformation().has_value());

    m_onPath.clear();
    EXPECT_FALSE(desktop.mailProgram().has_value());
    EXPECT_FALSE(desktop.internetOptions().has_value());
}

TEST_F(DesktopProgramsTest, SystemInformationFromItsPathOrFromTheToolsFolder)
{
    const KeyStore byPath
        = keysFrom("[HKLM\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\nPATH=/usr/bin/hardinfo\n");
    ASSERT_TRUE(programs(byPath).systemInformation().has_value());
    EXPECT_EQ(programs(byPath).systemInformation()->program, "/usr/bin/hardinfo");

    const KeyStore byFolder
        = keysFrom("[HKLM\\SOFTWARE\\Microsoft\\Shared Tools Location]\nMSINFO=/opt/tools\n");
    EXPECT_FALSE(programs(byFolder).systemInformation().has_value()); // the file is missing
    m_files << "/opt/tools/MSINFO32.EXE";
    ASSERT_TRUE(programs(byFolder).systemInformation().has_value());
    EXPECT_EQ(programs(byFolder).systemInformation()->program, "/opt/tools/MSINFO32.EXE");
}
