#pragma once

#include "data/DbOperation.h"
#include "util/Relatorio.h"

#include <QString>
#include <QStringList>

class Database;

// The rows of the printed list reports of individuals, companies and contact
// persons: one statement each, read whole before the layout.
namespace RelatorioListas {

enum class Lista { PF, PJ, PC };

// The report's statement, as the report defines it.
QString Comando(Lista lista);

// Reads the visible rows, keeping only `colunas` (NOME1, EMAIL1, FONE1 name the
// contact's own columns in the contact report). The individuals' and
// companies' reports compare the login as stored, the contact report in
// upper case.
DbResult Ler(Database &db, Lista lista, const QString &login, const QStringList &colunas,
             Relatorio::Dados *dados);

} // namespace RelatorioListas
