#pragma once

#include "model/Resultado.h"

#include "data/DbOperation.h"

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// A user account (table USUARIO). One instance is the process-wide current
// user; short-lived ones check passwords and insert or read users.
// `Senha` is always held scrambled: ScrambleText(upper(typed password), 10).
class TUsuario {
public:
    TUsuario();
    explicit TUsuario(Database &db);

    QString Login;
    QString LoginAnterior; // the login the row had when read: the key of Alterar
    QString Senha;
    QString Nome;
    QString Email;
    qint32 Tipo = 0; // 1 may register users, 0 may not, -1 after a failed authentication
    double DataHora = 0;
    QString SomC;
    QString SomR;
    QString SomL;
    qint32 VerC = 0;
    qint32 IncC = 0;

    // Each shows its message either way: Gravado, or Falhou with nothing written.
    Resultado Inserir();
    Resultado Alterar();
    // True (and every column loaded) when login and password match a row,
    // both without regard to letter case.
    [[nodiscard]] bool Autenticar();
    // Loads the row of exactly this login; hands back its scrambled password.
    // Returns whether the row was found.
    [[nodiscard]] bool Carregar(QString &senha);

    // Deletes the row of exactly Login. Nothing is shown: the database
    // refuses while persons or notes are still the user's, and the caller
    // says so.
    DbResult Excluir();

    // Login and name of every user but `login` (any letter case), by login,
    // for the removal list; each bound to `db`. A failed read empties the
    // list and is an error for the caller to show.
    static DbResult Outros(Database &db, const QString &login, QList<TUsuario> &usuarios);
    // Every login, for the login window's list. A failed read is an error
    // for the caller to show, never an empty table.
    static DbResult Logins(Database &db, QStringList &logins);
    // Whether any user exists; a failed read leaves `existe` false and is an
    // error, never "no user yet".
    static DbResult ExisteAlgum(Database &db, bool &existe);

    // The process-wide current user (set after the login), or null.
    static TUsuario *atual();
    static void setAtual(TUsuario *usuario);

    // The three default sound files stored with every new user.
    static QString defaultSound(char kind); // 'C', 'R' or 'L'

private:
    // the process-wide connection unless one was given
    Database &db() const;
    Database *m_db;
};
