#pragma once

#include "browser/ConnectionCheck.h"

namespace suite::test {

// Answers the connection check as the test set it and counts the questions.
class FakeConnectionCheck final : public browser::ConnectionCheck {
public:
    bool IsConnected() override
    {
        ++m_asked;
        return m_connected;
    }
    void setConnected(bool connected) { m_connected = connected; }
    int asked() const { return m_asked; }

private:
    bool m_connected = true;
    int m_asked = 0;
};

} // namespace suite::test
