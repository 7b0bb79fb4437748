#pragma once

namespace suite::browser {

// Whether the machine is connected to a network beyond itself.
class ConnectionCheck {
public:
    virtual ~ConnectionCheck() = default;
    virtual bool IsConnected() = 0;
};

// Qt's network information where a backend reports reachability, else the interfaces: one
// that is up and running, not the loopback, with an address.
class SystemConnectionCheck final : public ConnectionCheck {
public:
    bool IsConnected() override;
};

} // namespace suite::browser
