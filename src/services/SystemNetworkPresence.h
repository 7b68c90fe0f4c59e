#pragma once

#include "services/NetworkPresence.h"

#include <QHostAddress>
#include <QList>

// Resolves this machine's host name and looks at its first address. Every
// loopback address counts as "no network": Debian maps the host name to
// 127.0.1.1, which is not a network either.
class SystemNetworkPresence : public NetworkPresence {
public:
    bool isOnNetwork() const override;
    // The decision on a resolved address list (the first one counts).
    static bool decide(const QList<QHostAddress> &addresses);
};
