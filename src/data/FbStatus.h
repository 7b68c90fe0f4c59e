#pragma once

// Internal to the data layer: the client library's status handling.

#include "data/DbError.h"

#include <firebird/Interface.h>

#include <functional>

namespace FbStatus {

// Turns a failed status into the server's text, lines joined by "\n".
QString text(const Firebird::IStatus *status);
long firstCode(const Firebird::IStatus *status);

// Runs `call` with a throwing status wrapper; a client error becomes DbError.
void run(const std::function<void(Firebird::ThrowStatusWrapper &)> &call, const QString &sql = {});

} // namespace FbStatus
