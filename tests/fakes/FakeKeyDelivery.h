#pragma once

#include "browser/capture/KeyDelivery.h"

#include <QList>

namespace suite::test {

// Keeps every batch of key records instead of sending it; answers with the result the test
// set (success unless set).
class FakeKeyDelivery final : public browser::KeyDelivery {
public:
    Result deliver(const std::vector<browser::KeyRecord>& records) override
    {
        m_batches.append(records);
        return m_result;
    }

    void setNextResult(Result result) { m_result = std::move(result); }
    const QList<std::vector<browser::KeyRecord>>& batches() const { return m_batches; }

private:
    QList<std::vector<browser::KeyRecord>> m_batches;
    Result m_result;
};

} // namespace suite::test
