// The sound device module as a program meets it, under a private PulseAudio null sink
// (tests/with-services --audio): only the module links Qt Multimedia, a program finds it next
// to itself and plays through it, and a program without it speaks silently and says so.
#include "speech/SpeechSignalWait.h"
#include "speech/service/SoundMonitor.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using suite::test::SoundMonitor;
using suite::test::waitForSignals;

namespace {

QString dynamicSection(const QString& binary)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), { QStringLiteral("-d"), binary });
    readelf.waitForFinished(30000);
    return QString::fromUtf8(readelf.readAllStandardOutput());
}

struct ProgramRun {
    int exitCode = -1;
    QString err;
};

// Runs sprich on the real audio path while the event loop goes on, so a SoundMonitor listens.
ProgramRun speak(const QString& sprich, const QString& text)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("SPRACHAUSGABE_AUDIO"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(sprich, { text });
    if (!waitForSignals(finished, 1)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardError()) };
}

const QString noDevice = QStringLiteral("kein Audiogerät erreichbar, es wird still gesprochen");

} // namespace

TEST(SoundModule, OnlyTheModuleLinksQtMultimedia)
{
    const QString module = dynamicSection(SOUND_MODULE);
    ASSERT_TRUE(module.contains(QStringLiteral("NEEDED"))) << SOUND_MODULE;
    EXPECT_TRUE(module.contains(QStringLiteral("libQt6Multimedia")));
    for (const char* program : { SPRICH_BINARY, ZIFFERIO_BINARY }) {
        const QString needed = dynamicSection(program);
        ASSERT_TRUE(needed.contains(QStringLiteral("libQt6Core"))) << program;
        EXPECT_FALSE(needed.contains(QStringLiteral("libQt6Multimedia"))) << program;
    }
}

TEST(SoundModule, AProgramPlaysThroughItAndSpeaksSilentlyWithoutIt)
{
    auto monitor = std::make_unique<SoundMonitor>();
    ASSERT_TRUE(monitor->start());
    const ProgramRun played = speak(SPRICH_BINARY, QStringLiteral("Hallo Welt"));
    ASSERT_EQ(played.exitCode, 0) << played.err.toStdString();
    EXPECT_FALSE(played.err.contains(noDevice)) << played.err.toStdString();
    QTest::qWait(300);
    const double playedUntil = monitor->now();
    EXPECT_FALSE(monitor->loud().empty()) << "nothing reached the sink";

    // The same program in a tree of its own, without lib/sprachausgabe beside bin/.
    QTemporaryDir tree;
    ASSERT_TRUE(QDir(tree.path()).mkpath(QStringLiteral("bin")));
    const QString copy = tree.filePath(QStringLiteral("bin/sprich"));
    ASSERT_TRUE(QFile::copy(SPRICH_BINARY, copy));
    const ProgramRun silent = speak(copy, QStringLiteral("Hallo Welt"));
    EXPECT_EQ(silent.exitCode, 0) << silent.err.toStdString();
    EXPECT_EQ(silent.err.count(noDevice), 1) << silent.err.toStdString();
    EXPECT_TRUE(silent.err.contains(QStringLiteral("sprachausgabe-ton")))
        << silent.err.toStdString();
    QTest::qWait(300);
    EXPECT_LT(monitor->lastLoud(), playedUntil) << "the program without its module made sound";

    // The last test of the run: when the recorder ends, the sound server tells its clients,
    // and a process that ends at that moment can meet the notice while Qt Multimedia tears
    // its PulseAudio connection down; libpulse then aborts (seen twice in some forty-five runs on a
    // busy machine).
    monitor.reset();
    QTest::qWait(500);
}
