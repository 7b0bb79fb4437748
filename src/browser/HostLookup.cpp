#include "browser/HostLookup.h"

#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace suite::browser {

bool SystemHostLookup::hostName(QString& name, int& error)
{
    char buffer[256] = {};
    if (gethostname(buffer, sizeof(buffer) - 1) != 0) {
        error = errno;
        return false;
    }
    name = QString::fromLocal8Bit(buffer, static_cast<qsizetype>(strnlen(buffer, sizeof(buffer))));
    return true;
}

QList<QByteArray> SystemHostLookup::addressesOf(const QString& name)
{
    QList<QByteArray> addresses;
    addrinfo hints {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.toLocal8Bit().constData(), nullptr, &hints, &found) != 0)
        return addresses;
    for (addrinfo* entry = found; entry; entry = entry->ai_next) {
        if (entry->ai_family != AF_INET || !entry->ai_addr)
            continue;
        const auto* in = reinterpret_cast<const sockaddr_in*>(entry->ai_addr);
        const QByteArray bytes(reinterpret_cast<const char*>(&in->sin_addr.s_addr), 4);
        if (!addresses.contains(bytes))
            addresses << bytes;
    }
    freeaddrinfo(found);
    return addresses;
}

} // namespace suite::browser
