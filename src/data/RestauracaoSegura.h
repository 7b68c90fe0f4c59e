#pragma once

#include "data/DbServices.h"

#include <QDateTime>
#include <QString>

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
ResultadoRestauracao RestaurarBase(const DbServices &servicos, const QString &backupFile,
                                   const QString &database, const QDateTime &agora,
                                   const DbServices::Saida &saida = {});
