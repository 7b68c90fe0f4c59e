#pragma once

#include "model/TPessoa.h"

class Database;
class Query;

// A company (table PESSOAJURIDICA). Its contact persons are TContato_PJ rows.
class TPessoaJuridica : public TPessoa {
public:
    TPessoaJuridica();
    explicit TPessoaJuridica(Database &db);

    QString CNPJ;     // CNPJ, without punctuation
    QString IE;       // IE, state registration
    QString Fone;     // FONE
    QString FoneFax;  // FONE_FAX
    QString FoneCel;  // FONE_CEL
    QString Fone0800; // FONE_0800, toll-free
    QString Fone0300; // FONE_0300, shared cost
    QString Email;    // EMAIL
    QString HomePage; // HOME_PAGE

    // Fills the record, Identificador included, from the row of
    // `identificador`. The group name is not read: it is kept while the
    // group code stays the same and emptied otherwise. False, with the record
    // as it was, when there is no such row or on an error (which is shown).
    [[nodiscard]] bool Carregar(qint32 identificador);
    void Ler(const Query &q) override;

    // Identifier, name and e-mail of every company `login` may see (its own,
    // any letter case, and the public ones), by name, from one statement;
    // each record bound to `db`. A failed read empties the list and is an
    // error for the caller to show.
    static DbResult Visiveis(Database &db, const QString &login, QList<TPessoaJuridica> &empresas);

protected:
    // LocalizarIdentificador compares every column but VOIP and the bank accounts.
    const Instrucoes &InstrucoesDeEscrita() const override;
    QString SqlLocalizar() const override;
    QList<CampoTexto> CamposTexto() const override;
    void Vincular(Query &q, Escrita escrita) const override;
    std::unique_ptr<TPessoa> Copia() const override;
    void Assumir(const TPessoa &lida) override;
};
