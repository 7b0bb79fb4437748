#pragma once

#include <QObject>
#include <QString>

#include <functional>

namespace suite {
class CharacterAgent;
class SpeechEngine;
} // namespace suite

namespace suite::reader {

class SpokenWordFeed;

// Feeds the words the engine reports into a SpokenWordFeed, with the text the character's
// word balloon shows: the text of the utterance being heard.
class AgentWordFollower : public QObject {
    Q_OBJECT
public:
    // characterInUse names the character whose balloon is followed.
    AgentWordFollower(SpeechEngine& engine, CharacterAgent& agent,
        std::function<QString()> characterInUse, SpokenWordFeed& feed, QObject* parent = nullptr);

private:
    void wordReached(int position, int length);

    CharacterAgent& m_agent;
    std::function<QString()> m_characterInUse;
    SpokenWordFeed& m_feed;
};

} // namespace suite::reader
