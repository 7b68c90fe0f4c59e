#pragma once

#include "data/DbOperation.h"
#include "model/Resultado.h"

#include <QList>
#include <QString>

class Database;
class Query;

// One contact person of a company (table CONTATO_PJ). Every write that
// fails shows its statement, a line break and the reason.
class TContato_PJ {
public:
    TContato_PJ();
    explicit TContato_PJ(Database &db);

    qint32 Identificador = 0;   // IDENTIFICADOR
    qint32 IdentificadorPJ = 0; // IDENTIFICADOR_PJ, the company
    QString Nome;               // NOME
    QString Email;              // EMAIL
    QString Funcao;             // FUNCAO, job title
    QString Fone;               // FONE
    qint32 Ramal = 0;           // RAMAL, extension
    QString Celular;            // CELULAR
    QString Obs;                // OBS
    double Data = 0;            // DATA, birth date; 0 is stored as 30/12/1899

    // Writes a new row and takes the identifier the database gave it.
    Resultado Inserir();
    // Rewrites the row of Identificador; Falhou also when there is none.
    Resultado Alterar();
    Resultado Excluir();
    // Deletes every contact of the company `identificadorPJ` (not of IdentificadorPJ).
    Resultado ExcluirDaEmpresa(qint32 identificadorPJ);

    // The contacts of the company `identificadorPJ` by name and job title,
    // every column, from one statement; each record bound to `db`. A failed
    // read empties the list and is an error for the caller to show.
    static DbResult DaEmpresa(Database &db, qint32 identificadorPJ, QList<TContato_PJ> &contatos);

private:
    QString TextoRecusado() const;
    void Vincular(Query &q) const;
    // the process-wide connection unless one was given
    Database &db() const;
    Database *m_db;
};
