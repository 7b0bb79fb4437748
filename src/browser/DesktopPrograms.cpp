#include "browser/DesktopPrograms.h"

#include "browser/BrowserIni.h"
#include "core/KeyStore.h"
#include "core/Paths.h"

namespace suite::browser {

namespace {

const QString appPaths
    = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\");
const QString explorerMain = QStringLiteral("Software\\Microsoft\\Internet Explorer\\Main");

} // namespace

DesktopPrograms::DesktopPrograms(
    const KeyStore& keys, FindProgram findProgram, FileExists fileExists)
    : m_keys(keys)
    , m_findProgram(std::move(findProgram))
    , m_fileExists(std::move(fileExists))
{
}

std::optional<ProgramCall> DesktopPrograms::fromKeyOrPath(
    const QString& appName, const QList<ProgramCall>& candidates) const
{
    QString path;
    if (m_keys.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE, appPaths + appName, QString(), path)
        && !path.trimmed().isEmpty())
        return ProgramCall { path.trimmed(), {} };
    for (const ProgramCall& candidate : candidates) {
        const QString found = m_findProgram(candidate.program);
        if (!found.isEmpty())
            return ProgramCall { found, candidate.arguments };
    }
    return std::nullopt;
}

std::optional<ProgramCall> DesktopPrograms::mailProgram() const
{
    return fromKeyOrPath(QStringLiteral("msimn.exe"),
        { { QStringLiteral("xdg-email"), { QStringLiteral("mailto:") } },
            { QStringLiteral("thunderbird"), {} }, { QStringLiteral("evolution"), {} },
            { QStringLiteral("kmail"), {} }, { QStringLiteral("claws-mail"), {} },
            { QStringLiteral("sylpheed"), {} } });
}

std::optional<ProgramCall> DesktopPrograms::internetOptions() const
{
    return fromKeyOrPath(QStringLiteral("inetcpl.cpl"),
        { { QStringLiteral("gnome-control-center"), { QStringLiteral("network") } },
            { QStringLiteral("nm-connection-editor"), {} },
            { QStringLiteral("systemsettings"), { QStringLiteral("kcm_networkmanagement") } },
            { QStringLiteral("xfce4-settings-manager"), {} } });
}

std::optional<ProgramCall> DesktopPrograms::systemInformation() const
{
    QString path;
    if (m_keys.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE,
            QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"),
            path)
        && !path.isEmpty())
        return ProgramCall { path, {} };
    QString folder;
    if (m_keys.GetKeyValue(RootKey::HKEY_LOCAL_MACHINE,
            QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"),
            folder)
        && !folder.isEmpty()) {
        const QString file = paths::withTrailingSlash(folder) + QStringLiteral("MSINFO32.EXE");
        if (m_fileExists(file))
            return ProgramCall { file, {} };
    }
    return std::nullopt;
}

QString DesktopPrograms::homePage() const
{
    QString page;
    if (m_keys.GetKeyValue(
            RootKey::HKEY_CURRENT_USER, explorerMain, QStringLiteral("Start Page"), page)
        && !page.trimmed().isEmpty())
        return page.trimmed();
    return BrowserIni::initialStartPage();
}

QString DesktopPrograms::searchPage() const
{
    QString page;
    if (m_keys.GetKeyValue(
            RootKey::HKEY_CURRENT_USER, explorerMain, QStringLiteral("Search Page"), page)
        && !page.trimmed().isEmpty())
        return page.trimmed();
    return BrowserIni::defaultSearchEngine();
}

} // namespace suite::browser
