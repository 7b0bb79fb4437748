#include "browser/capture/MSendInput.h"

#include "browser/capture/KeySequenceParser.h"

namespace suite::browser {

Result MSendInput::SendKeysInput(const QString& sequence, bool wait)
{
    Q_UNUSED(wait);
    m_layout.refresh();
    const ParsedKeys parsed = KeySequenceParser(m_layout).parse(sequence);
    if (!parsed.result)
        return parsed.result;
    if (parsed.records.empty())
        return Result::success();
    return m_delivery.deliver(parsed.records);
}

} // namespace suite::browser
