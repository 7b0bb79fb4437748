#pragma once

#include "core/ProgramHelp.h"

#include <QString>
#include <QStringList>

#include <cstdio>

namespace suite {

// What every program does first in main(): answers --help and --version on stdout and tells
// the caller to end without opening a window. Other arguments are passed through untouched.
//
//   suite::CommandLine commandLine(QStringLiteral("zifferio"));
//   if (commandLine.handle(argc, argv))
//       return commandLine.exitCode();
class CommandLine {
public:
    // The program's German texts from the suite's help table (help::programs()).
    explicit CommandLine(const QString& programName);
    explicit CommandLine(help::Program program);
    CommandLine(QString programName, QString description, QString usage = QString());

    // True when the program should end now; the text has then been written to out.
    bool handle(const QStringList& arguments, FILE* out = stdout);
    // argv[0] is the program itself and is not looked at.
    bool handle(int argc, char** argv, FILE* out = stdout);

    QString helpText() const;
    QString versionText() const;

    int exitCode() const { return 0; }
    // The arguments that were not handled here, in their order (argv[0] not included).
    const QStringList& remaining() const { return m_remaining; }

private:
    help::Program m_help;
    QStringList m_remaining;
};

} // namespace suite
