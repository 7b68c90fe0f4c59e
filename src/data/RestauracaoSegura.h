#pragma once

#include "data/DbServices.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

struct [[nodiscard]] ResultadoRestauracao {
    bool ok = true;
    QString erro;
    QString copiaAnterior; // where the database before the restore was kept
    explicit operator bool() const { return ok; }
};

// Restores `backupFile` over `database` without ever risking it: the engine
// restores into a new file beside it, and only once that succeeded is the
// old file kept as "<name>_antes_restore_yyyy_mm_dd_hhnnss.<ext>" and the new
// one moved into its place. On any failure the database file is as it was.
// Nobody may be attached to `database` meanwhile.
struct ServidorRede;

// Who else is attached to the server's database, one line each ("host
// (user of the computer)"), from the server's monitoring tables; this
// check's own connection is left out. *erro on failure.
QStringList OutrosConectados(const ServidorRede &servidor, QString *erro = nullptr);

// The same guarantee for a database on a server of the network: refused
// while another desktop is attached (naming it); first the database as it is
// is backed up into `pastaSeguranca` on this desktop (copiaAnterior); the
// backup is restored into a new database beside it on the server, and only
// once that succeeded (the trial is dropped) is it restored in place of the
// live one. Needs the database's path on the server, not an alias.
ResultadoRestauracao RestaurarNoServidor(const ServidorRede &servidor, const QString &backupFile,
                                         const QString &pastaSeguranca, const QDateTime &agora,
                                         const DbServices::Saida &saida = {});

ResultadoRestauracao RestaurarBase(const DbServices &servicos, const QString &backupFile,
                                   const QString &database, const QDateTime &agora,
                                   const DbServices::Saida &saida = {});
