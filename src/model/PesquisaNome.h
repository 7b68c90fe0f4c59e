#pragma once

#include "data/DbOperation.h"
#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"

#include <QList>
#include <QString>

class Database;

// The searches of the name-search panels: the individuals or the companies
// a login may see (its own rows, any letter case, and the public ones) by
// part of the name, by the sound of the name, by part of the nickname
// (individuals only) or by group. Each is one statement that joins GRUPO, so
// a person whose group row is missing is not found, ordered by name and
// identifier. The records come back complete, group name included, each
// bound to the connection searched.
class PesquisaNome {
public:
    enum class Por { Fonetica, Nome, Apelido, Grupo };

    Por Criterio = Por::Nome;
    QString Texto;    // Fonetica, Nome, Apelido: the part looked for, any letter case
    qint32 Grupo = 0; // Grupo: the group's code
    QString Login;    // whose private rows are found too

    // The statement a search runs; empty for one the kind does not have.
    static QString ComandoFisicas(Por criterio);
    static QString ComandoJuridicas(Por criterio);

    // The list gets the rows only when the whole statement went through; a
    // failed search empties it and is an error for the caller to show, never
    // "nobody found". A search the kind does not have is refused.
    DbResult Fisicas(Database &db, QList<TPessoaFisica> &pessoas) const;
    DbResult Juridicas(Database &db, QList<TPessoaJuridica> &empresas) const;
};
