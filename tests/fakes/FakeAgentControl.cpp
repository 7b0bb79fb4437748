#include "fakes/FakeAgentControl.h"

namespace suite::test {

Result FakeAgentControl::LoadCharacter(const QString& id, const QString& fileName)
{
    Result result = m_log.record(id, QStringLiteral("LoadCharacter"), { id, fileName });
    if (const auto damaged = m_damaged.find(fileName.toLower());
        result && damaged != m_damaged.end())
        result = Result::failure(damaged->second);
    if (result && m_characters.count(id) == 0)
        m_characters[id] = std::make_unique<FakeCharacter>(id, m_log);
    return result;
}

Character* FakeAgentControl::GetCharacter(const QString& id)
{
    m_log.record(id, QStringLiteral("GetCharacter"), { id });
    return character(id);
}

Result FakeAgentControl::UnloadCharacter(const QString& id)
{
    Result result = m_log.record(id, QStringLiteral("UnloadCharacter"), { id });
    if (result)
        m_characters.erase(id);
    return result;
}

FakeCharacter* FakeAgentControl::character(const QString& id)
{
    const auto it = m_characters.find(id);
    return it == m_characters.end() ? nullptr : it->second.get();
}

} // namespace suite::test
