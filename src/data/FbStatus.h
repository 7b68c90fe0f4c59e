#pragma once

// Internal to the data layer: the client library's status handling.

#include "data/DbError.h"

#include <firebird/Interface.h>

#include <functional>

namespace FbStatus {

// Turns a failed status into the server's text, lines joined by "\n".
QString text(const Firebird::IStatus *status);
long firstCode(const Firebird::IStatus *status);

// The server's text as the user reads it: a lost connection or a row another
// user holds get a Portuguese explanation before the server's own words.
QString paraOUsuario(long code, const QString &texto);

// Runs `call` with a throwing status wrapper; a client error becomes DbError.
void run(const std::function<void(Firebird::ThrowStatusWrapper &)> &call, const QString &sql = {});

} // namespace FbStatus
