#include "fakes/FakeCharacter.h"

namespace suite::test {

Result FakeCharacter::Show()
{
    return m_log.record(m_id, QStringLiteral("Show"));
}

Result FakeCharacter::Hide()
{
    return m_log.record(m_id, QStringLiteral("Hide"));
}

Result FakeCharacter::MoveTo(int x, int y)
{
    return m_log.record(m_id, QStringLiteral("MoveTo"), { x, y });
}

Result FakeCharacter::Play(const QString& animation)
{
    return m_log.record(m_id, QStringLiteral("Play"), { animation });
}

Result FakeCharacter::Speak(const QString& text)
{
    return m_log.record(m_id, QStringLiteral("Speak"), { text });
}

Result FakeCharacter::StopAll()
{
    return m_log.record(m_id, QStringLiteral("StopAll"));
}

Result FakeCharacter::SetLanguage(int langId)
{
    return m_log.record(m_id, QStringLiteral("SetLanguage"), { langId });
}

} // namespace suite::test
