#include "fakes/FakeSpeechEngine.h"

namespace suite::test {

quint64 FakeSpeechEngine::say(const Utterance& utterance)
{
    const quint64 id = m_nextId++;
    m_said.append(utterance);
    m_queue.append(utterance);
    m_ids.append(id);
    return id;
}

void FakeSpeechEngine::stopAll()
{
    ++m_stops;
    if (m_queue.isEmpty())
        return;
    const quint64 current = m_ids.first();
    m_queue.clear();
    m_ids.clear();
    m_headStarted = false;
    emit utteranceFinished(current);
}

bool FakeSpeechEngine::reachWord(int position, int length)
{
    if (m_queue.isEmpty())
        return false;
    ensureStarted();
    emit wordReached(m_ids.first(), position, length);
    return true;
}

bool FakeSpeechEngine::finishCurrent()
{
    if (m_queue.isEmpty())
        return false;
    ensureStarted();
    const quint64 id = m_ids.takeFirst();
    m_queue.removeFirst();
    m_headStarted = false;
    emit utteranceFinished(id);
    return true;
}

// Signals never come from inside say(): the real engine sends them later from the event
// loop, so the head starts when the test first drives it.
void FakeSpeechEngine::ensureStarted()
{
    if (m_headStarted)
        return;
    m_headStarted = true;
    emit utteranceStarted(m_ids.first());
}

} // namespace suite::test
