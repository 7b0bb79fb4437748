#include "core/ProcessLauncher.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace suite {

QStringList ProcessLauncher::argumentsFor(const QStringList& arguments, ArgumentMode mode)
{
    if (mode != ArgumentMode::Operands)
        return arguments;
    for (const QString& argument : arguments) {
        if (argument.startsWith(u'-'))
            return QStringList { QStringLiteral("--") } + arguments;
    }
    return arguments;
}

Result ProcessLauncher::start(
    const QString& program, const QStringList& arguments, ArgumentMode mode)
{
    if (program.trimmed().isEmpty())
        return Result::failure(QStringLiteral("Es wurde kein Programm zum Starten angegeben."));
    QString path = program;
    if (!program.contains(u'/')) {
        path = QStandardPaths::findExecutable(program);
        if (path.isEmpty())
            return Result::failure(
                QStringLiteral("Das Programm „%1“ wurde nicht gefunden.").arg(program));
    }
    const QFileInfo info(path);
    if (!info.exists())
        return Result::failure(QStringLiteral("Das Programm „%1“ wurde nicht gefunden.").arg(path));
    if (!info.isFile() || !info.isExecutable())
        return Result::failure(QStringLiteral("„%1“ ist kein ausführbares Programm.").arg(path));
    if (!QProcess::startDetached(path, argumentsFor(arguments, mode)))
        return Result::failure(
            QStringLiteral("Das Programm „%1“ konnte nicht gestartet werden.").arg(path));
    return Result::success();
}

} // namespace suite
