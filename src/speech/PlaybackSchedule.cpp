#include "speech/PlaybackSchedule.h"

#include <algorithm>

namespace suite {

namespace {

// Speech at a quarter of full scale RMS already is loud; that is shown as full level.
constexpr qreal fullLevelRms = 0.25;

} // namespace

void PlaybackSchedule::add(const Cue& cue)
{
    m_cues.push_back(cue);
}

void PlaybackSchedule::addLevels(qint64 sample, const std::vector<float>& levels, int blockSamples)
{
    for (float rms : levels) {
        m_levels.push_back({ sample, blockSamples, rms });
        sample += blockSamples;
    }
}

std::vector<PlaybackSchedule::Cue> PlaybackSchedule::advance(qint64 heardSample)
{
    std::vector<Cue> due;
    while (!m_cues.empty() && m_cues.front().sample <= heardSample) {
        const Cue cue = m_cues.front();
        m_cues.pop_front();
        if (cue.kind == Cue::Kind::Started)
            m_current = cue.id;
        else if (cue.kind == Cue::Kind::Finished && m_current == cue.id)
            m_current.reset();
        due.push_back(cue);
    }
    return due;
}

qreal PlaybackSchedule::levelAt(qint64 heardSample)
{
    while (!m_levels.empty() && m_levels.front().sample + m_levels.front().length <= heardSample)
        m_levels.pop_front();
    if (m_levels.empty() || m_levels.front().sample > heardSample)
        return 0;
    return std::min<qreal>(1.0, m_levels.front().rms / fullLevelRms);
}

void PlaybackSchedule::clear()
{
    m_cues.clear();
    m_levels.clear();
    m_current.reset();
}

} // namespace suite
