#include "clock/SoundEffectChimePlayer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>

using suite::clock::ChimePlayer;
using suite::clock::SoundEffectChimePlayer;

// Runs with a private PulseAudio null sink: the chime goes to a real device.
TEST(ChimeAudio, PlaysOnTheSoundDeviceAndReturnsWhenTheSoundHasEnded)
{
    SoundEffectChimePlayer player;
    ASSERT_EQ(player.output(), SoundEffectChimePlayer::Output::Device);
    QSignalSpy started(&player, &SoundEffectChimePlayer::started);
    QElapsedTimer elapsed;
    elapsed.start();
    player.play(ChimePlayer::AlarmChime);
    EXPECT_EQ(started.count(), 1);
    EXPECT_GE(elapsed.elapsed(), 2000);
    player.play(ChimePlayer::AnnouncementChime);
    EXPECT_EQ(started.count(), 2);
}
