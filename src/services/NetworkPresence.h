#pragma once

// Whether this machine is on a network (anything that needs the Internet is
// skipped silently when it is not).
class NetworkPresence {
public:
    virtual ~NetworkPresence() = default;
    virtual bool isOnNetwork() const = 0;
};
