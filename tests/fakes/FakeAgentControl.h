#pragma once

#include "fakes/FakeCallLog.h"
#include "fakes/FakeCharacter.h"
#include "speech/AgentControl.h"

#include <map>
#include <memory>

namespace suite::test {

// An agent that records every request, its own and its characters', in one ordered log.
// Loading succeeds unless the test made "LoadCharacter" fail or named the file damaged.
class FakeAgentControl final : public AgentControl {
public:
    Result LoadCharacter(const QString& id, const QString& fileName) override;
    Character* GetCharacter(const QString& id) override;
    Result UnloadCharacter(const QString& id) override;

    FakeCallLog& log() { return m_log; }
    // Loading this file (any case of its name) fails for the reason given.
    void damage(const QString& fileName, const QString& reason)
    {
        m_damaged[fileName.toLower()] = reason;
    }
    // The character loaded under id, for a test to look at; nullptr when none is.
    FakeCharacter* character(const QString& id);

private:
    FakeCallLog m_log;
    std::map<QString, std::unique_ptr<FakeCharacter>> m_characters;
    std::map<QString, QString> m_damaged;
};

} // namespace suite::test
