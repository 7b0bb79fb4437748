#pragma once

#include "fakes/FakeCallLog.h"
#include "speech/Character.h"

namespace suite::test {

// A character that only records its requests (into a log it may share with its agent).
class FakeCharacter final : public Character {
public:
    FakeCharacter(QString id, FakeCallLog& log)
        : m_id(std::move(id))
        , m_log(log)
    {
    }

    Result Show() override;
    Result Hide() override;
    Result MoveTo(int x, int y) override;
    Result Play(const QString& animation) override;
    Result Speak(const QString& text) override;
    Result StopAll() override;
    Result SetLanguage(int langId) override;

    const QString& id() const { return m_id; }

private:
    QString m_id;
    FakeCallLog& m_log;
};

} // namespace suite::test
