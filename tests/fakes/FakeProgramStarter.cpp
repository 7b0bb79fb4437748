#include "fakes/FakeProgramStarter.h"

namespace suite::test {

Result FakeProgramStarter::start(
    const QString& program, const QStringList& arguments, ArgumentMode mode)
{
    m_starts.append({ program, arguments, mode });
    return m_result;
}

} // namespace suite::test
