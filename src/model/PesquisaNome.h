#pragma once

#include "data/DbOperation.h"

#include <QList>
#include <QString>

class Database;

// One row of a name-search panel's grid: only what the grid shows, plus the
// identifier that loads the complete record when the row is picked.
struct PessoaEncontrada {
    qint32 Identificador = 0;
    QString Tratamento; // individuals only
    QString Nome;
    QString Apelido; // individuals only
    QString Fone;    // individual: FONE_RESIDENCIAL; company: FONE
    QString FoneFax; // companies only
    QString Login;
    qint32 Guia = 0; // 1: listed in the emergency tab
};

// The searches of the name-search panels: the individuals or the companies
// a login may see (its own rows, any letter case, and the public ones) by
// part of the name, by the sound of the name, by part of the nickname
// (individuals only) or by group. Each is one statement that joins GRUPO, so
// a person whose group row is missing is not found, ordered by name and
// identifier. A search reads only the grids' columns, so that every person
// a login may see (tens of thousands of rows) stays cheap to list.
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
    DbResult Fisicas(Database &db, QList<PessoaEncontrada> &pessoas) const;
    DbResult Juridicas(Database &db, QList<PessoaEncontrada> &empresas) const;
};
