#pragma once

#include "model/TPessoa.h"

class Database;
class Query;

// A company (table PESSOAJURIDICA). Its contact persons are TContato_PJ rows.
class TPessoaJuridica : public TPessoa {
public:
    TPessoaJuridica();
    explicit TPessoaJuridica(Database &db);

    qint32 Identificador = 0; // IDENTIFICADOR, 0 for a new company
    QString CNPJ;             // CNPJ, without punctuation
    QString IE;               // IE, state registration
    QString Fone;             // FONE
    QString FoneFax;          // FONE_FAX
    QString FoneCel;          // FONE_CEL
    QString Fone0800;         // FONE_0800, toll-free
    QString Fone0300;         // FONE_0300, shared cost
    QString Email;            // EMAIL
    QString HomePage;         // HOME_PAGE

    // Writes a new row after the duplicate-name warning and takes the
    // identifier the database gave it. Recusado: the user declined the
    // warning. Falhou: a text cannot be stored or the database refused, and
    // the reason has been shown.
    [[nodiscard]] Resultado Inserir();
    // Rewrites the row of Identificador; the warning runs only when Nome
    // differs from NomeAntigo. Falhou (reason shown) also when no row has
    // this identifier any more.
    [[nodiscard]] Resultado Alterar();
    // Deletes the row of Identificador; errors are rolled back without a message.
    Resultado Excluir();
    // Fills the record, Identificador included, from the row of
    // `identificador`. The group name is not read: it is kept while the
    // group code stays the same and emptied otherwise. False, with the record
    // as it was, when there is no such row or on an error (which is shown).
    [[nodiscard]] bool Carregar(qint32 identificador);
    // Finds the first row equal to the record in every column but VOIP and
    // the bank accounts, and takes its identifier and all its columns; false,
    // with the record as it was, when none matches. An error is shown.
    [[nodiscard]] bool LocalizarIdentificador();
    // Fills the record from the current row of a "SELECT * FROM PESSOAJURIDICA".
    void Ler(const Query &q);

    // Identifier, name and e-mail of every company `login` may see (its own,
    // any letter case, and the public ones), by name, from one statement;
    // each record bound to `db`. A failed read empties the list and is an
    // error for the caller to show.
    static DbResult Visiveis(Database &db, const QString &login, QList<TPessoaJuridica> &empresas);

private:
    QList<CampoTexto> CamposTexto() const;
    void Vincular(Query &q) const;
};
