#pragma once

#include "browser/HostLookup.h"

#include <QStringList>

#include <optional>

namespace suite::test {

// A host name and its addresses as the test sets them; records the names looked up.
class FakeHostLookup final : public browser::HostLookup {
public:
    bool hostName(QString& name, int& error) override
    {
        if (m_nameError) {
            error = *m_nameError;
            return false;
        }
        name = m_name;
        return true;
    }
    QList<QByteArray> addressesOf(const QString& name) override
    {
        m_lookedUp << name;
        return m_addresses;
    }

    void setName(const QString& name)
    {
        m_name = name;
        m_nameError.reset();
    }
    void failName(int error) { m_nameError = error; }
    void setAddresses(const QList<QByteArray>& addresses) { m_addresses = addresses; }
    const QStringList& lookedUp() const { return m_lookedUp; }

private:
    QString m_name = QStringLiteral("testhost");
    std::optional<int> m_nameError;
    QList<QByteArray> m_addresses = { QByteArray("\x7f\x00\x00\x01", 4) };
    QStringList m_lookedUp;
};

} // namespace suite::test
