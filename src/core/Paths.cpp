#include "core/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace suite::paths {

namespace {

QString withoutTrailingSlash(QString dir)
{
    while (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    return dir;
}

} // namespace

QString binaryDir()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    // Before the application object exists (command-line handling in main()).
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
}

QString systemDir()
{
    const QString fromEnvironment = qEnvironmentVariable("SPRACHAUSGABE_SYSTEM_DIR");
    if (!fromEnvironment.isEmpty())
        return withoutTrailingSlash(QDir::cleanPath(fromEnvironment));
    return QDir::cleanPath(binaryDir() + QStringLiteral("/../share/sprachausgabe"));
}

QString WinDir()
{
    return withoutTrailingSlash(systemDir());
}

QString characterDir()
{
    return WinDir() + QStringLiteral("/msagent/chars");
}

QString userConfigDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/sprachausgabe");
}

QString programDirFor(const QString& binaryFolder)
{
    const QString fromEnvironment = qEnvironmentVariable("SPRACHAUSGABE_PROGRAM_DIR");
    if (!fromEnvironment.isEmpty())
        return withTrailingSlash(fromEnvironment);
    const QFileInfo binary(binaryFolder);
    // A usr folder belongs to the package manager: an installed program keeps nothing next to
    // itself, not even when root, who may write there, starts it (nor in an unpacked package).
    const bool installed = QDir::cleanPath(binaryFolder).split(u'/').contains(QLatin1String("usr"));
    if (!binaryFolder.isEmpty() && !installed && binary.isDir() && binary.isWritable())
        return withTrailingSlash(binaryFolder);
    const QString config = userConfigDir();
    // A folder that cannot be made shows up later as a clear write error, not here.
    QDir().mkpath(config);
    return withTrailingSlash(config);
}

QString programDir()
{
    return programDirFor(binaryDir());
}

QString withTrailingSlash(QString dir)
{
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

QString findFileNoCase(const QString& dir, const QString& name)
{
    if (dir.isEmpty() || name.isEmpty() || name.contains(u'/'))
        return {};
    const QDir folder(dir);
    const QString exact = folder.filePath(name);
    if (QFileInfo(exact).isFile())
        return exact;
    const QStringList files
        = folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& file : files) {
        if (file.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(file);
    }
    return {};
}

} // namespace suite::paths
