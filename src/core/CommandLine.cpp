#include "core/CommandLine.h"

namespace suite {

CommandLine::CommandLine(QString programName, QString description, QString usage)
    : m_program(std::move(programName))
    , m_description(std::move(description))
    , m_usage(std::move(usage))
{
}

QString CommandLine::helpText() const
{
    const QString usage = m_usage.isEmpty() ? QStringLiteral("[Optionen]") : m_usage;
    return QStringLiteral("%1 – %2\n"
                          "\n"
                          "Aufruf: %1 %3\n"
                          "\n"
                          "Optionen:\n"
                          "  -h, --help  diese Hilfe zeigen und beenden\n"
                          "  --version   die Version zeigen und beenden\n"
                          "\n"
                          "Umgebung:\n"
                          "  SPRACHAUSGABE_ENGINE=speechd  mit den Stimmen von speech-dispatcher "
                          "sprechen\n"
                          "                                (Vorgabe: espeak-ng)\n")
        .arg(m_program, m_description, usage);
}

QString CommandLine::versionText() const
{
    return QStringLiteral("%1 %2\n").arg(m_program, QStringLiteral(SUITE_VERSION));
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
