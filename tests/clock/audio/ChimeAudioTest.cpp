#include "clock/SoundEffectChimePlayer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

using suite::clock::ChimePlayer;
using suite::clock::SoundEffectChimePlayer;

namespace {

// Milliseconds of a mono 8-bit recording at 11025 Hz in which the sound is clearly above
// silence (a sample 12 or more away from the middle of 128).
qint64 audibleMs(const QByteArray& pcm)
{
    qint64 loud = 0;
    for (const char byte : pcm)
        loud += std::abs(static_cast<int>(static_cast<unsigned char>(byte)) - 128) >= 12;
    return loud * 1000 / 11025;
}

} // namespace

// Runs with a private PulseAudio null sink: each chime goes to a real device, and what the
// device received is recorded from its monitor. A chime that does not load, or loads but
// is silent, fails here.
TEST(ChimeAudio, EachChimeIsHeardOnTheSoundDeviceAndPlayReturnsWhenItHasEnded)
{
    SoundEffectChimePlayer player;
    ASSERT_EQ(player.output(), SoundEffectChimePlayer::Output::Device);
    for (const int id : { ChimePlayer::AlarmChime, ChimePlayer::AnnouncementChime }) {
        const auto format
            = SoundEffectChimePlayer::readWaveFormat(SoundEffectChimePlayer::soundBytes(id));
        ASSERT_TRUE(format.has_value()) << id;
        QProcess recorder;
        recorder.start(QStringLiteral("parec"),
            { QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                QStringLiteral("--format=u8"), QStringLiteral("--rate=11025"),
                QStringLiteral("--channels=1") });
        ASSERT_TRUE(recorder.waitForStarted()) << "parec (pulseaudio-utils) is missing";
        QTest::qWait(300); // the recording stream is connected

        QSignalSpy started(&player, &SoundEffectChimePlayer::started);
        QElapsedTimer elapsed;
        elapsed.start();
        player.play(id);
        EXPECT_EQ(started.count(), 1) << id;
        EXPECT_GE(elapsed.elapsed(), format->durationMs() - 20) << id;

        QTest::qWait(1500); // what the device still held when play() returned
        recorder.terminate();
        ASSERT_TRUE(recorder.waitForFinished(5000));
        const qint64 heard = audibleMs(recorder.readAllStandardOutput());
        EXPECT_GT(heard, format->durationMs() / 4)
            << id << ": " << heard << " ms audible of " << format->durationMs() << " ms";
    }
}
