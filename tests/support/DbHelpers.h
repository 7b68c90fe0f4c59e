#pragma once

#include "data/DbOperation.h"

#include <QString>
#include <QVariant>
#include <QtGlobal>

class Database;

// Small helpers for tests that set up rows the program writes through screens
// not built here, and read rows back. Failures fail the calling test.
namespace DbHelpers {

// Runs one statement; values bind by name from `params` (QString, int, qint64, double as date).
bool exec(Database &db, const QString &sql, const QVariantMap &params = {}, QString *error = nullptr);
// The first column of the first row (as text), or a null QVariant when no row.
QVariant scalar(Database &db, const QString &sql, const QVariantMap &params = {});
int count(Database &db, const QString &table, const QString &where = {});

// A minimal individual or company; returns its identifier (0 on failure).
int insertPessoaFisica(Database &db, const QString &nome, int grupo, const QString &login, int publica = 1);
int insertPessoaJuridica(Database &db, const QString &nome, int grupo, const QString &login, int publica = 1);
int insertGrupo(Database &db, const QString &nome);
bool insertUsuario(Database &db, const QString &login);

// dbOperation for a test's own reads and set-up: a failure ends the test
// run with the database's error instead of passing unnoticed.
template <typename Body>
void dbOperationOuFalha(Database &db, Body &&body)
{
    const DbResult r = dbOperation(db, std::forward<Body>(body));
    if (!r)
        qFatal("%s\n%s", qPrintable(r.error), qPrintable(r.sql));
}

} // namespace DbHelpers
