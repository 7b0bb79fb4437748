#include "core/CommandLine.h"

#include <algorithm>

namespace suite {

namespace {

help::Program fromTable(const QString& programName)
{
    if (const help::Program* known = help::program(programName))
        return *known;
    help::Program unknown;
    unknown.name = programName;
    return unknown;
}

} // namespace

CommandLine::CommandLine(const QString& programName)
    : m_help(fromTable(programName))
{
}

CommandLine::CommandLine(help::Program program)
    : m_help(std::move(program))
{
}

CommandLine::CommandLine(QString programName, QString description, QString usage)
{
    m_help.name = std::move(programName);
    m_help.summary.de = std::move(description);
    m_help.usage.de = std::move(usage);
}

QString CommandLine::helpText() const
{
    const QString usage
        = m_help.usage.de.isEmpty() ? QStringLiteral("[Optionen]") : m_help.usage.de;
    QString text = QStringLiteral("%1 – %2\n\n").arg(m_help.name, m_help.summary.de);
    if (!m_help.details.de.isEmpty())
        text += m_help.details.de + QStringLiteral("\n\n");
    text += QStringLiteral("Aufruf: %1 %2\n\nOptionen:\n").arg(m_help.name, usage);
    const QList<help::Option> options = m_help.options + help::standardOptions();
    QStringList terms;
    qsizetype width = 0;
    for (const help::Option& option : options) {
        QStringList names;
        for (const QString& name : option.names)
            names.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        QString term = names.join(QStringLiteral(", "));
        if (!option.valueName.de.isEmpty())
            term += u' ' + option.valueName.de;
        width = std::max(width, term.size());
        terms.append(term);
    }
    // The descriptions start in one column.
    for (qsizetype i = 0; i < options.size(); ++i)
        text += QStringLiteral("  ") + terms.at(i).leftJustified(width + 2)
            + options.at(i).description.de + u'\n';
    if (m_help.speaks)
        text += QStringLiteral("\nUmgebung:\n  SPRACHAUSGABE_ENGINE=speechd  %1\n")
                    .arg(help::engineChoice().de);
    return text;
}

QString CommandLine::versionText() const
{
    return QStringLiteral("%1 %2\n").arg(m_help.name, QStringLiteral(SUITE_VERSION));
}

bool CommandLine::handle(const QStringList& arguments, FILE* out)
{
    m_remaining.clear();
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        // After "--" everything is a file name or an address, even "--help".
        if (!optionsEnded && argument == QLatin1String("--"))
            optionsEnded = true;
        else if (!optionsEnded
            && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            std::fputs(helpText().toLocal8Bit().constData(), out);
            std::fflush(out);
            return true;
        } else if (!optionsEnded && argument == QLatin1String("--version")) {
            std::fputs(versionText().toLocal8Bit().constData(), out);
            std::fflush(out);
            return true;
        }
        m_remaining.append(argument);
    }
    return false;
}

bool CommandLine::handle(int argc, char** argv, FILE* out)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return handle(arguments, out);
}

} // namespace suite
