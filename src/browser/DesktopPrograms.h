#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace suite {
class KeyStore;
}

namespace suite::browser {

// A program to start and what it is given.
struct ProgramCall {
    QString program;
    QStringList arguments;
};

// The desktop's programs and pages the browser hands over to. The key store is asked first
// (its registry.ini files may name others), then the usual programs on PATH.
//   mail:             HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App
//   Paths\msimn.exe Internet options:
//   HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App Paths\inetcpl.cpl home and
//   search:  HKEY_CURRENT_USER\Software\Microsoft\Internet Explorer\Main,
//                     values "Start Page" and "Search Page"
//   system info:      the MSINFO keys
class DesktopPrograms {
public:
    using FindProgram = std::function<QString(const QString& program)>;
    using FileExists = std::function<bool(const QString& path)>;

    DesktopPrograms(const KeyStore& keys, FindProgram findProgram, FileExists fileExists);

    std::optional<ProgramCall> mailProgram() const;
    std::optional<ProgramCall> internetOptions() const;
    // The "PATH" value of ...\Shared Tools\MSINFO, else "MSINFO32.EXE" in the folder of
    // ...\Shared Tools Location's "MSINFO" when that file exists.
    std::optional<ProgramCall> systemInformation() const;
    // The browser control's own home and search pages.
    QString homePage() const;
    QString searchPage() const;

private:
    std::optional<ProgramCall> fromKeyOrPath(
        const QString& appName, const QList<ProgramCall>& candidates) const;

    const KeyStore& m_keys;
    FindProgram m_findProgram;
    FileExists m_fileExists;
};

} // namespace suite::browser
