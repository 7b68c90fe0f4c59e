#pragma once

#include <QString>

// The desktop's "open": a file, page or address opened with its associated
// program. Returns at once; failures are ignored.
class ShellService {
public:
    virtual ~ShellService() = default;
    virtual void open(const QString &target) = 0;
};
