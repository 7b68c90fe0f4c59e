#pragma once

#include "data/DbOperation.h"

#include <QString>

#include <functional>

struct ServidorRede;

// The engine's own backup and restore, through the services manager of the
// client library (embedded: no server process). The database must not be
// attached by the caller while they run.
class DbServices {
public:
    // Each line the service prints, as it comes (verbose output).
    using Saida = std::function<void(const QString &linha)>;

    DbServices(QString user = QStringLiteral("sysdba"), QString password = QStringLiteral("zolbrinax"));
    // The services of a Firebird server of the network (the account of
    // [SERVIDOR]); database names are the server's, files are this desktop's.
    static DbServices NoServidor(const ServidorRede &servidor);

    // Bytes moved so far by a streamed backup or restore.
    using Progresso = std::function<void(qint64 bytes)>;

    // The server backs `database` (its own path or alias) up and streams it
    // into `localFile` on this desktop. A failure leaves no file behind.
    DbResult backupParaArquivo(const QString &database, const QString &localFile,
                               const Progresso &progresso = {}) const;
    // Streams `localFile` from this desktop to the server, which restores it
    // into `database`: a new database, or (substituir) in place of the one
    // there, which no one may be attached to.
    DbResult restoreDeArquivo(const QString &localFile, const QString &database, bool substituir,
                              const Saida &saida = {}, const Progresso &progresso = {}) const;

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
    QString m_gerenciador = QStringLiteral("service_mgr");
    bool m_remoto = false;
};
