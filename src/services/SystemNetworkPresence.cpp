#include "services/SystemNetworkPresence.h"

#include <QHostInfo>

bool SystemNetworkPresence::isOnNetwork() const
{
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    if (info.error() != QHostInfo::NoError)
        return false;
    return decide(info.addresses());
}

bool SystemNetworkPresence::decide(const QList<QHostAddress> &addresses)
{
    if (addresses.isEmpty())
        return false;
    const QHostAddress &first = addresses.first();
    return !first.isNull() && !first.isLoopback();
}
