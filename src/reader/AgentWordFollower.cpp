#include "reader/AgentWordFollower.h"

#include "reader/SpokenWordFeed.h"
#include "speech/SpeechEngine.h"
#include "widgets/agent/AgentCharacter.h"
#include "widgets/agent/CharacterAgent.h"
#include "widgets/agent/WordBalloon.h"

namespace suite::reader {

AgentWordFollower::AgentWordFollower(SpeechEngine& engine, CharacterAgent& agent,
    std::function<QString()> characterInUse, SpokenWordFeed& feed, QObject* parent)
    : QObject(parent)
    , m_agent(agent)
    , m_characterInUse(std::move(characterInUse))
    , m_feed(feed)
{
    connect(&engine, &SpeechEngine::wordReached, this,
        [this](quint64, int position, int length) { wordReached(position, length); });
    connect(&engine, &SpeechEngine::utteranceFinished, this, [this] { m_feed.reportEnd(); });
}

void AgentWordFollower::wordReached(int position, int length)
{
    const AgentCharacter* character = m_agent.loaded(m_characterInUse());
    // Only a character that is speaking shows the utterance's text in its balloon.
    if (!character || !character->isBusy() || !character->balloon())
        return;
    m_feed.reportWord(character->balloon()->text(), position, length);
}

} // namespace suite::reader
