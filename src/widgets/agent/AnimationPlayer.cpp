#include "widgets/agent/AnimationPlayer.h"

namespace suite {

AnimationPlayer::AnimationPlayer(QObject* parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AnimationPlayer::advance);
}

void AnimationPlayer::play(const QList<AnimationStep>& steps, bool loop)
{
    m_timer.stop();
    m_steps = steps;
    m_loop = loop;
    m_index = 0;
    if (m_steps.isEmpty()) {
        emit finished();
        return;
    }
    emit frameChanged(m_steps.first().frame);
    m_timer.start(m_steps.first().durationMs);
}

void AnimationPlayer::stop()
{
    m_timer.stop();
    m_steps.clear();
}

void AnimationPlayer::advance()
{
    ++m_index;
    if (m_index >= m_steps.size()) {
        if (!m_loop) {
            m_steps.clear();
            emit finished();
            return;
        }
        m_index = 0;
    }
    const AnimationStep& step = m_steps.at(m_index);
    emit frameChanged(step.frame);
    m_timer.start(step.durationMs);
}

} // namespace suite
