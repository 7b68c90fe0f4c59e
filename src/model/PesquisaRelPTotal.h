#pragma once

#include "data/DbOperation.h"
#include "model/TPessoa_.h"

#include <QList>
#include <QString>

class Database;

// The grouped list: individuals, companies and the contact persons of the
// companies, together in one statement (a UNION ALL of the three tables)
// sorted by name. Persons are those the login may see; a contact person is
// listed when its company is. The group condition applies to contact
// persons only in the group search; the other searches find the contacts
// of every visible company.
class PesquisaRelPTotal {
public:
    enum Tipo : int { Nome = 2, LetraInicial = 3, MesNascimento = 4, Grupo = 5 };

    int Busca = Nome;
    QString Texto;          // Nome: part of the name, any case; LetraInicial: the letter
    int Mes = 1;            // MesNascimento: 1...12
    qint32 CodigoGrupo = 0; // Grupo: the group's code
    QString Login;

    static QString Comando(int busca);

    // The list gets the rows only when the whole statement went through; a
    // failure empties it and is an error for the caller to show.
    DbResult Executar(Database &db, QList<TPessoa_> &linhas) const;
};
