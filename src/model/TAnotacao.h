#pragma once

#include "model/Resultado.h"

#include "data/DbOperation.h"

#include <QList>
#include <QString>

class Database;

// One diary note: at most one per user and day (table ANOTACAO). The owner's
// login is not a field: every operation takes it, exactly as stored.
class TAnotacao {
public:
    TAnotacao();
    explicit TAnotacao(Database &db);

    double Data = 0; // day number from 30/12/1899; only the date part is used
    QString Texto;

    // True when a note exists for Data and the login; a database error answers false.
    [[nodiscard]] bool Existe(const QString &login);
    // Texto := the stored note, or empty when there is none; a database
    // error leaves it unchanged and is the caller's to show or not.
    DbResult Carregar(const QString &login);
    // Stores Texto as the note of Data (UPDATE when it exists, INSERT otherwise):
    // Gravado, or Falhou with the server's text and the statement shown.
    Resultado Salvar(const QString &login);
    // Removes the note of Data: Gravado, or Falhou (rolled back and shown)
    // with the note still there.
    Resultado Excluir(const QString &login);

    // The notes of `login` (any letter case) whose text holds `palavra` (any
    // letter case), by date, from one statement; PesquisarEntre only those
    // dated from `de` to `ate`. Each record has its date and text and is
    // bound to `db`. A failed read empties the list and is an error, never
    // "nothing found".
    static DbResult Pesquisar(Database &db, const QString &login, const QString &palavra,
                              QList<TAnotacao> &notas);
    static DbResult PesquisarEntre(Database &db, const QString &login, const QString &palavra, double de,
                                   double ate, QList<TAnotacao> &notas);

private:
    // the process-wide connection unless one was given
    Database &db() const;
    Database *m_db;
};
