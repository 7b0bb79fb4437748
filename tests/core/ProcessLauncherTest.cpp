#include "core/ProcessLauncher.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

using suite::ArgumentMode;
using suite::ProcessLauncher;

namespace {

QString writeScript(
    const QTemporaryDir& dir, const QString& name, const QByteArray& body, bool executable)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(body);
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    file.setPermissions(permissions);
    return path;
}

// Waits (generously: machines are shared) for a detached child to leave its output.
QByteArray awaitFile(const QString& path)
{
    QDeadlineTimer deadline(30000);
    while (!QFile::exists(path) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(ProcessLauncher, ArgumentsReachTheProgramLiterallyWithoutAShell)
{
    QTemporaryDir dir;
    // Writes one argument per line; the rename makes the output appear all at once.
    const QString script = writeScript(dir, "zeige",
        "#!/bin/sh\nout=$SUITE_TEST_OUT\n"
        "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$out.tmp\"\n"
        "mv \"$out.tmp\" \"$out\"\n",
        true);
    const QString out = dir.filePath("args");
    const QString trap = dir.filePath("gehackt");
    qputenv("SUITE_TEST_OUT", out.toUtf8()); // inherited by the started program
    ProcessLauncher launcher;
    const suite::Result result = launcher.start(script,
        { "a b", "x; touch " + trap, "$(touch " + trap + ")", "-n" }, ArgumentMode::Operands);
    ASSERT_TRUE(result.ok) << qPrintable(result.error);
    EXPECT_EQ(awaitFile(out),
        "--\na b\nx; touch " + trap.toUtf8() + "\n$(touch " + trap.toUtf8() + ")\n-n\n");
    EXPECT_FALSE(QFile::exists(trap));
}

TEST(ProcessLauncher, AMissingOrNonExecutableProgramIsAReportedFailure)
{
    QTemporaryDir dir;
    ProcessLauncher launcher;
    const QString missing = dir.filePath("gibtsnicht");
    suite::Result result = launcher.start(missing, {});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(missing)) << qPrintable(result.error);

    result = launcher.start("sprachausgabe-kein-solches-programm", {});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("sprachausgabe-kein-solches-programm"));

    const QString plain = writeScript(dir, "text", "#!/bin/sh\n", false);
    result = launcher.start(plain, {});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(plain));

    EXPECT_FALSE(launcher.start(dir.path(), {}).ok) << "a folder is no program";
    EXPECT_FALSE(launcher.start("", {}).ok);
}

TEST(ProcessLauncher, EndOfOptionsIsAddedOnlyWhenAskedAndNeeded)
{
    const QStringList dashed = { "-datei.bmp" };
    EXPECT_EQ(ProcessLauncher::argumentsFor(dashed, ArgumentMode::AsGiven), dashed);
    EXPECT_EQ(ProcessLauncher::argumentsFor(dashed, ArgumentMode::Operands),
        QStringList({ "--", "-datei.bmp" }));
    EXPECT_EQ(ProcessLauncher::argumentsFor({ "bild.bmp" }, ArgumentMode::Operands),
        QStringList({ "bild.bmp" }));
}
