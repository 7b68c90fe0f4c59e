#pragma once

#include <QDateTime>

// The current date and time, replaceable by tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};
