// lautbote and lautzwerg as processes, the way a user starts them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

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

namespace {

const QByteArray kFirstStartSettings
    = "[Speed]\r\nV=150\r\n[Begruessung]\r\nB=1\r\n[Verabschiedung]\r\nV=1\r\n"
      "[Sprache]\r\nL=ger\r\n[Charakter]\r\nC=Genie\r\n";

// A private X server for one test, so that it can be taken away under a running program.
class PrivateDisplay {
public:
    PrivateDisplay()
    {
        // Xvfb writes its display number to the descriptor it is given.
        m_server.start("sh",
            { "-c", "exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>\"$0\"",
                m_scratch.filePath("display") });
        QTest::qWaitFor(
            [this] { return readAll(m_scratch.filePath("display")).trimmed().size() > 0; }, 20000);
        const QByteArray number = readAll(m_scratch.filePath("display")).trimmed();
        if (!number.isEmpty())
            m_display = ":" + QString::fromLatin1(number);
    }
    ~PrivateDisplay() { close(); }

    const QString& name() const { return m_display; }
    void close()
    {
        m_server.kill();
        m_server.waitForFinished(10000);
    }

private:
    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_scratch;
    QProcess m_server;
    QString m_display;
};

} // namespace

TEST_F(readerProcess, SigtermAndSighupSaveTheSettingsWithoutAFarewell)
{
    for (const int signal : { SIGTERM, SIGHUP }) {
        QFile::remove(QDir(programDir.path()).filePath("Agent.ini"));
        const QString log = logs.filePath(QString("signal%1.jsonl").arg(signal));
        QProcess reader;
        reader.setProcessEnvironment(environment(log));
        reader.start(LAUTBOTE_BINARY, {});
        ASSERT_TRUE(reader.waitForStarted(30000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return readAll(log).contains("\"Speak\""); }, 30000));
        ::kill(pid_t(reader.processId()), signal);
        ASSERT_TRUE(reader.waitForFinished(30000)) << "signal " << signal;
        EXPECT_EQ(reader.exitStatus(), QProcess::NormalExit) << "signal " << signal;
        EXPECT_EQ(reader.exitCode(), 0);
        EXPECT_EQ(readAll(QDir(programDir.path()).filePath("Agent.ini")), kFirstStartSettings)
            << "signal " << signal;
        EXPECT_FALSE(readAll(log).contains("Tschüss"));
    }
}

TEST_F(readerProcess, TheSettingsAreSavedWhenTheDisplayGoesAway)
{
    PrivateDisplay display;
    ASSERT_FALSE(display.name().isEmpty()) << "Xvfb did not start";
    const QString log = logs.filePath("display.jsonl");
    QProcessEnvironment env = environment(log);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DISPLAY", display.name());
    QProcess reader;
    reader.setProcessEnvironment(env);
    reader.start(LAUTBOTE_BINARY, {});
    ASSERT_TRUE(reader.waitForStarted(30000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return readAll(log).contains("\"Speak\""); }, 30000));
    display.close();
    ASSERT_TRUE(reader.waitForFinished(30000));
    EXPECT_EQ(readAll(QDir(programDir.path()).filePath("Agent.ini")), kFirstStartSettings);
}
