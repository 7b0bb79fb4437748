#include "browser/ConnectionCheck.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

namespace suite::browser {

namespace {

bool anyInterfaceConnected()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& interface : interfaces) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp)
            || !flags.testFlag(QNetworkInterface::IsRunning)
            || flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        if (!interface.addressEntries().isEmpty())
            return true;
    }
    return false;
}

} // namespace

bool SystemConnectionCheck::IsConnected()
{
    if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        if (QNetworkInformation* information = QNetworkInformation::instance()) {
            const auto reachability = information->reachability();
            if (reachability != QNetworkInformation::Reachability::Unknown)
                return reachability == QNetworkInformation::Reachability::Online;
        }
    }
    return anyInterfaceConnected();
}

} // namespace suite::browser
