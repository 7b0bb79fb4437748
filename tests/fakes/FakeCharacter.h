#pragma once

#include "fakes/FakeCallLog.h"
#include "speech/Character.h"

#include <functional>

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
    bool isBusy() const override { return m_busy && m_busy(); }

    const QString& id() const { return m_id; }
    // How long the character takes: busy as long as this says so (never, by default).
    void setBusy(std::function<bool()> busy) { m_busy = std::move(busy); }

private:
    QString m_id;
    FakeCallLog& m_log;
    std::function<bool()> m_busy;
};

} // namespace suite::test
