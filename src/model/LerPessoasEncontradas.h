#pragma once

#include "data/Query.h"

#include <QList>

class Database;

// Reads every row of an open "SELECT * FROM <persons>, GRUPO" into records of
// their own, bound to `db`: the filler of the kind plus the group's name.
// A record read here is the row as stored, so its name is the one a later
// change is compared with.
template <typename Pessoa>
void LerPessoasEncontradas(Database &db, Query &q, QList<Pessoa> &lidas)
{
    while (q.next()) {
        Pessoa &pessoa = lidas.emplace_back(db);
        pessoa.Ler(q);
        pessoa.Grupo.Nome = q.field(QStringLiteral("NOME_GRUPO")).asString();
        pessoa.NomeAntigo = pessoa.Nome;
    }
}
