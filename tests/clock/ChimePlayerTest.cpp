#include "clock/SoundEffectChimePlayer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QtEndian>

using suite::clock::ChimePlayer;
using suite::clock::SoundEffectChimePlayer;
using suite::clock::WaveFormat;

namespace {

QByteArray le32(quint32 value)
{
    QByteArray out(4, '\0');
    qToLittleEndian(value, out.data());
    return out;
}

QByteArray le16(quint16 value)
{
    QByteArray out(2, '\0');
    qToLittleEndian(value, out.data());
    return out;
}

QByteArray fmtChunk(quint16 tag = 1, quint16 channels = 1, quint32 rate = 11025, quint16 bits = 8)
{
    return "fmt " + le32(16) + le16(tag) + le16(channels) + le32(rate)
        + le32(rate * channels * bits / 8) + le16(channels * bits / 8) + le16(bits);
}

QByteArray wave(const QByteArray& chunks)
{
    return "RIFF" + le32(static_cast<quint32>(4 + chunks.size())) + "WAVE" + chunks;
}

} // namespace

TEST(Chimes, BothSoundsAreBuiltInAsMono8BitAt11025HzOfTheirLengths)
{
    const QList<std::pair<int, qint64>> sounds
        = { { ChimePlayer::AlarmChime, 2050 }, { ChimePlayer::AnnouncementChime, 3600 } };
    for (const auto& [id, lengthMs] : sounds) {
        const QByteArray bytes = SoundEffectChimePlayer::soundBytes(id);
        ASSERT_FALSE(bytes.isEmpty()) << id;
        const auto format = SoundEffectChimePlayer::readWaveFormat(bytes);
        ASSERT_TRUE(format.has_value()) << id;
        EXPECT_EQ(format->sampleRate, 11025);
        EXPECT_EQ(format->channels, 1);
        EXPECT_EQ(format->bitsPerSample, 8);
        EXPECT_NEAR(format->durationMs(), lengthMs, 30) << id;
    }
    EXPECT_TRUE(SoundEffectChimePlayer::soundBytes(401).isEmpty());
}

TEST(Chimes, WaveHeadersThatDoNotHoldTogetherAreRefused)
{
    const QByteArray data = "data" + le32(4) + QByteArray(4, '\x80');
    ASSERT_TRUE(SoundEffectChimePlayer::readWaveFormat(wave(fmtChunk() + data)).has_value());
    for (const QByteArray& bad : { QByteArray(), QByteArray("RIFF"), wave(QByteArray()),
             wave(data + fmtChunk()), wave(fmtChunk(3) + data), wave(fmtChunk().left(12) + data),
             wave(fmtChunk(1, 0) + data), wave(fmtChunk(1, 1, 11025, 12) + data),
             QByteArray("RIFX") + wave(fmtChunk() + data).mid(4) })
        EXPECT_FALSE(SoundEffectChimePlayer::readWaveFormat(bad).has_value())
            << bad.toHex().toStdString();
    // A chunk before the data with an odd size is padded; a data size beyond the end counts
    // only what is there.
    const QByteArray odd = "LIST" + le32(3) + "abc" + QByteArray(1, '\0');
    const auto padded = SoundEffectChimePlayer::readWaveFormat(
        wave(fmtChunk() + odd + "data" + le32(0xFFFFFFF0u) + QByteArray(11025, '\x80')));
    ASSERT_TRUE(padded.has_value());
    EXPECT_EQ(padded->dataBytes, 11025);
    EXPECT_EQ(padded->durationMs(), 1000);
    // A chunk claiming more than the file holds ends the search instead of reading past it.
    EXPECT_FALSE(
        SoundEffectChimePlayer::readWaveFormat(wave(fmtChunk() + "junk" + le32(0x7FFFFFFF)))
            .has_value());
}

TEST(Chimes, WithoutSoundThePlayerStillTakesTheChimesTimeWhileTimersRun)
{
    SoundEffectChimePlayer player(SoundEffectChimePlayer::Output::Silent, nullptr);
    QSignalSpy started(&player, &SoundEffectChimePlayer::started);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(100);
    QElapsedTimer elapsed;
    elapsed.start();
    player.play(ChimePlayer::AlarmChime);
    // A timer may round its interval down by a millisecond or so.
    EXPECT_GE(elapsed.elapsed(), 2000 - 20) << "returns only when the sound would have ended";
    EXPECT_GT(ticks, 0) << "timers are not held up by the wait";
    EXPECT_EQ(started.count(), 0);
    player.play(12345); // no such sound: nothing to wait for
}
