#include "browser/AddressText.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace suite::browser {

QString AddressText::forFile(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString();
}

QString AddressText::fromCommandLine(const QStringList& arguments, const QString& workingFolder)
{
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument.isEmpty() || (!optionsEnded && argument.startsWith(u'-')))
            continue;
        // "https://…", "file:///…", "about:blank": an address, never a file of that name.
        static const QRegularExpression scheme(
            QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(//|[^0-9])"));
        if (scheme.match(argument).hasMatch())
            return argument;
        const QFileInfo file(QDir(workingFolder), argument);
        if (file.exists())
            return forFile(file.absoluteFilePath());
        return argument;
    }
    return {};
}

} // namespace suite::browser
