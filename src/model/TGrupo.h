#pragma once

#include "data/DbOperation.h"
#include "model/Resultado.h"

#include <QList>
#include <QString>

class Database;

// A group into which individuals and companies are sorted (table GRUPO).
// Deleting a group deletes its persons with it (the database does that).
class TGrupo {
public:
    TGrupo();
    explicit TGrupo(Database &db);

    qint32 Codigo = 0; // COD_GRUPO, 0 until set
    QString Nome;      // NOME_GRUPO

    // Gravado, or Falhou with the reason shown: Inserir shows "Erro",
    // Alterar and Excluir the database's reason.
    // Inserir sets Codigo to the code the database gave the new group.
    Resultado Inserir();
    Resultado Alterar();
    Resultado Excluir();

    // "0007 :: Amigos": the code as four digits (more when it has more), " :: " and the name.
    QString Rotulo() const;

    // Nome := the name of the group Codigo, empty when there is no such
    // group. A failed read also empties it, and is an error for the caller.
    DbResult LerNome();

    // Every group in name order, from one statement, each bound to `db`. A
    // failed read is an error for the caller to show, never an empty list.
    static DbResult Todos(Database &db, QList<TGrupo> &grupos);

private:
    Database &db() const;
    Database *m_db;
};
