#pragma once

#include <QtGlobal>

#include <deque>
#include <optional>
#include <vector>

namespace suite {

// What is to be announced when: the start and end of each utterance and its words, at the
// sample of the output at which they are heard, and the loudness of each stretch of audio.
// The engine advances it with the output's heard position.
class PlaybackSchedule {
public:
    struct Cue {
        enum class Kind { Started, Word, Finished };
        Kind kind;
        quint64 id;
        qint64 sample;
        int position = 0;
        int length = 0;
    };

    void add(const Cue& cue); // cues come in the order of their samples
    void addLevels(qint64 sample, const std::vector<float>& levels, int blockSamples);

    // Removes and returns every cue heard by now, in order.
    std::vector<Cue> advance(qint64 heardSample);
    // The loudness 0..1 of what is heard at heardSample; forgets what lies before it.
    qreal levelAt(qint64 heardSample);

    // The utterance whose start has been announced and whose end has not.
    std::optional<quint64> current() const { return m_current; }
    void clear();

private:
    std::deque<Cue> m_cues;
    struct Level {
        qint64 sample;
        int length;
        float rms;
    };
    std::deque<Level> m_levels;
    std::optional<quint64> m_current;
};

} // namespace suite
