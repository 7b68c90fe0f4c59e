#pragma once

#include "data/DbOperation.h"

#include <QString>

#include <functional>

// The engine's own backup and restore, through the services manager of the
// client library (embedded: no server process). The database must not be
// attached by the caller while they run.
class DbServices {
public:
    // Each line the service prints, as it comes (verbose output).
    using Saida = std::function<void(const QString &linha)>;

    DbServices(QString user = QStringLiteral("sysdba"), QString password = QStringLiteral("zolbrinax"));

    // Backs `database` up into `backupFile`, ignoring limbo transactions, in
    // the non-transportable format. An older `backupFile` is deleted first,
    // so a failure can never leave a stale backup behind to be packed; the
    // result is ok only when the service reported no error and the file is
    // there.
    DbResult backup(const QString &database, const QString &backupFile, const Saida &saida = {}) const;

    // Restores `backupFile` into `database`, replacing it and using all
    // space, page size 4096 and 3000 buffers.
    DbResult restore(const QString &backupFile, const QString &database, const Saida &saida = {}) const;

private:
    QString m_user;
    QString m_password;
};
