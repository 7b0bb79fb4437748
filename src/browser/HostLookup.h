#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace suite::browser {

// The machine's own host name and the IPv4 addresses it resolves to.
class HostLookup {
public:
    virtual ~HostLookup() = default;
    // false with the system's error number when the name cannot be had.
    virtual bool hostName(QString& name, int& error) = 0;
    // The addresses in lookup order, each as its four bytes in network order; empty when the
    // name does not resolve.
    virtual QList<QByteArray> addressesOf(const QString& name) = 0;
};

// gethostname and getaddrinfo of this machine.
class SystemHostLookup final : public HostLookup {
public:
    bool hostName(QString& name, int& error) override;
    QList<QByteArray> addressesOf(const QString& name) override;
};

} // namespace suite::browser
