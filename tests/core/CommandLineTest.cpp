#include "core/CommandLine.h"

#include <gtest/gtest.h>

#include <cstdio>

using suite::CommandLine;

namespace {

// Runs the command line against a scratch stream and returns what it printed.
QString printed(CommandLine& commandLine, const QStringList& arguments, bool* exitNow)
{
    FILE* out = std::tmpfile();
    *exitNow = commandLine.handle(arguments, out);
    std::rewind(out);
    QByteArray text;
    char buffer[512];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, out)) > 0)
        text.append(buffer, static_cast<qsizetype>(n));
    std::fclose(out);
    return QString::fromLocal8Bit(text);
}

} // namespace

TEST(CommandLine, HelpAndVersionArePrintedAndEndTheProgram)
{
    CommandLine commandLine("zifferio", "Ein sprechender Taschenrechner.");
    bool exitNow = false;
    const QString help = printed(commandLine, { "--help" }, &exitNow);
    EXPECT_TRUE(exitNow);
    EXPECT_TRUE(help.startsWith("zifferio – Ein sprechender Taschenrechner.\n"))
        << qPrintable(help);
    EXPECT_TRUE(help.contains("Aufruf: zifferio")) << qPrintable(help);
    EXPECT_TRUE(help.contains("--version"));
    // Every program names the choice of speech engine.
    EXPECT_TRUE(help.contains("SPRACHAUSGABE_ENGINE=speechd")) << qPrintable(help);
    EXPECT_EQ(commandLine.exitCode(), 0);

    EXPECT_EQ(printed(commandLine, { "-platform", "xcb", "--version" }, &exitNow),
        "zifferio " SUITE_VERSION "\n");
    EXPECT_TRUE(exitNow);
}

TEST(CommandLine, OtherArgumentsPassThroughAndEndOfOptionsProtectsFileNames)
{
    CommandLine commandLine("lautbote", "Liest Text vor.", "[DATEI]");
    bool exitNow = true;
    EXPECT_EQ(printed(commandLine, { "brief.txt", "-style", "fusion" }, &exitNow), "");
    EXPECT_FALSE(exitNow);
    EXPECT_EQ(commandLine.remaining(), QStringList({ "brief.txt", "-style", "fusion" }));

    EXPECT_EQ(printed(commandLine, { "--", "--help" }, &exitNow), "");
    EXPECT_FALSE(exitNow);
    EXPECT_EQ(commandLine.remaining(), QStringList({ "--", "--help" }));
    EXPECT_TRUE(commandLine.helpText().contains("Aufruf: lautbote [DATEI]"));
}

TEST(CommandLine, EachCommandsHelpComesFromTheTableInBothLanguages)
{
    ASSERT_EQ(suite::help::programs().size(), 7);
    for (const suite::help::Program& program : suite::help::programs()) {
        SCOPED_TRACE(program.name.toStdString());
        for (const suite::help::Text* text : { &program.summary, &program.details, &program.usage })
            EXPECT_FALSE(text->de.isEmpty() || text->en.isEmpty());
        EXPECT_FALSE(suite::help::shortSummary(program.summary.en).isEmpty());
        const QString help = CommandLine(program.name).helpText();
        EXPECT_TRUE(help.startsWith(program.name + " – " + program.summary.de + "\n"));
        EXPECT_TRUE(help.contains("Aufruf: " + program.name + " " + program.usage.de));
        for (const suite::help::Option& option : program.options) {
            EXPECT_FALSE(option.description.en.isEmpty());
            EXPECT_TRUE(help.contains("--" + option.names.last())) << qPrintable(help);
        }
    }
}
