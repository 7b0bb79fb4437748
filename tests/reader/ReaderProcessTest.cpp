// lautbote and lautzwerg as processes, the way a user starts them.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

class readerProcess : public ::testing::Test {
protected:
    QProcessEnvironment environment(const QString& log) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SPRACHAUSGABE_AUDIO", "null");
        env.insert("SPRACHAUSGABE_PROGRAM_DIR", programDir.path());
        env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
        env.insert("SPRACHAUSGABE_SPEECH_LOG", log);
        return env;
    }

    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir programDir;
    QTemporaryDir runtimeDir;
    QTemporaryDir logs;
};

} // namespace

TEST_F(readerProcess, HelpAnswersWithoutAWindow)
{
    QProcess process;
    process.setProcessEnvironment(environment(logs.filePath("help.jsonl")));
    process.start(LAUTBOTE_BINARY, { "--help" });
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("lautbote"));
    EXPECT_FALSE(QFile::exists(logs.filePath("help.jsonl")));
}

TEST_F(readerProcess, ASecondCopyEndsAtOnceWithoutWindowOrSpeech)
{
    const QString firstLog = logs.filePath("first.jsonl");
    QProcess first;
    first.setProcessEnvironment(environment(firstLog));
    first.start(LAUTBOTE_BINARY, {});
    ASSERT_TRUE(first.waitForStarted(30000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return readAll(firstLog).contains("\"Speak\""); }, 30000))
        << "the first copy greets";

    const QString secondLog = logs.filePath("second.jsonl");
    QProcess second;
    second.setProcessEnvironment(environment(secondLog));
    second.start(LAUTBOTE_BINARY, {});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(secondLog));

    first.terminate();
    if (!first.waitForFinished(10000)) {
        first.kill();
        first.waitForFinished();
    }
}

TEST_F(readerProcess, LautzwergGreetsAsTheGenieInItsOwnNameAndASecondCopyEnds)
{
    const QString log = logs.filePath("genie.jsonl");
    QProcess first;
    first.setProcessEnvironment(environment(log));
    first.start(LAUTZWERG_BINARY, {});
    ASSERT_TRUE(first.waitForStarted(30000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return readAll(log).contains("\"Speak\""); }, 30000));
    const QByteArray transcript = readAll(log);
    EXPECT_TRUE(transcript.contains("\"program\":\"lautzwerg\""));
    EXPECT_TRUE(transcript.contains("\"LoadCharacter\",\"args\":[\"genie.acs\",\"genie.acs\"]"))
        << transcript.constData();
    EXPECT_TRUE(transcript.contains("Ich bin der Flaschengeist"));

    QProcess second;
    second.setProcessEnvironment(environment(logs.filePath("second.jsonl")));
    second.start(LAUTZWERG_BINARY, {});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(logs.filePath("second.jsonl")));

    first.terminate();
    if (!first.waitForFinished(10000)) {
        first.kill();
        first.waitForFinished();
    }
}
