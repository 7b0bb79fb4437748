#pragma once

#include "speech/AgentControl.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>

namespace suite {

class AgentCharacter;
class SpeechEngine;

// The character agent of a program: loads characters from the character folder and speaks
// through the program's one speech engine. Every request goes to the spoken transcript.
class CharacterAgent : public QObject, public AgentControl {
    Q_OBJECT
public:
    CharacterAgent(const QString& characterDir, SpeechEngine& engine, QObject* parent = nullptr);
    ~CharacterAgent() override;

    Result LoadCharacter(const QString& id, const QString& fileName) override;
    Character* GetCharacter(const QString& id) override;
    Result UnloadCharacter(const QString& id) override;

    // The loaded character with this id, for the tool and tests that watch its window;
    // nullptr when none is loaded.
    AgentCharacter* loaded(const QString& id) const;

signals:
    // The character has carried out every request queued so far.
    void characterIdle(const QString& id);

private:
    QString m_dir;
    SpeechEngine& m_engine;
    // Characters stay until the agent goes, so a pointer a program still holds after
    // UnloadCharacter fails cleanly instead of dangling.
    std::map<QString, std::unique_ptr<AgentCharacter>> m_characters;
};

} // namespace suite
