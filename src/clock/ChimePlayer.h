#pragma once

namespace suite::clock {

// The chimes before the timed announcements: 400 before the alarm, 500 before the hour and
// interval announcements.
class ChimePlayer {
public:
    static constexpr int AlarmChime = 400;
    static constexpr int AnnouncementChime = 500;

    virtual ~ChimePlayer() = default;
    // Returns when the sound has ended. A sound that cannot be heard (no device, an unknown
    // id) still takes its time, silently, so what follows comes at the same moment.
    virtual void play(int soundId) = 0;
};

} // namespace suite::clock
