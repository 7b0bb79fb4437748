#include "fakes/FakeSynthesizer.h"

namespace suite::test {

Result FakeSynthesizer::Speak(const QString& text)
{
    Result result = m_log.record({}, QStringLiteral("Speak"), { text });
    if (result)
        m_spoken << text;
    return result;
}

void FakeSynthesizer::Stop()
{
    m_log.record({}, QStringLiteral("Stop"));
    m_spoken.clear();
}

void FakeSynthesizer::SetVisible(bool visible)
{
    m_log.record({}, QStringLiteral("SetVisible"), { visible });
    m_visible = visible;
}

} // namespace suite::test
