#pragma once

#include "data/DbOperation.h"
#include "model/Resultado.h"
#include "util/Money.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class Database;

// One bill to pay or amount to receive of an individual or a company (table
// FINANCAS). Lists read entries with their own statements (ListaFinancas);
// the record only writes. Every write carries the login of who made it.
class TFinancas {
public:
    TFinancas();
    explicit TFinancas(Database &db);

    qint32 IdFinanca = -1;     // ID_FINANCA; -1: not stored yet
    qint32 IdPessoa = 0;       // ID_PESSOA
    qint32 TipoPessoa = 0;     // TIPO_PESSOA, 0 individual, 1 company
    Money Valor;               // VALOR, ten-thousandths
    double Data = 0;           // DATA, due date as a day number
    quint8 TipoOperacao = 0;   // TIPO_OPERACAO, 0 payable, 1 receivable
    quint8 FormaPagamento = 0; // FORMAP_PAGAMENTO, index into FormasPagamento()
    QString Obs;               // OBS
    QString Login;             // LOGIN
    quint8 Situacao = 0;       // SITUACAO, 0 "Aberto", 1 "Quitado"

    static constexpr int MaximoObs = 4000; // the column's size

    // "Dinheiro", "Cheque", ... in the order the codes count them.
    static const QStringList &FormasPagamento();

    // Why Obs or Login cannot be stored, or empty when they can.
    QString TextoRecusado() const;

    // Every write shows a refused text or the database's error (statement, a
    // line break, the reason) and then says Falhou; nothing is written then.
    Resultado Inserir();
    // Rewrites every column of IdFinanca. Falhou also when the entry is gone.
    Resultado Alterar();
    // Deleting an entry somebody else deleted already is no error.
    Resultado Excluir();
    // Only the low eight bits of the code count.
    Resultado AlterarSituacao(int situacao, const QString &login);
    Resultado AlterarTipoOperacao(int tipoOperacao, const QString &login);

    // Inserts the whole series in one transaction: every entry or, on the
    // first refusal or error (shown), none.
    static Resultado InserirSerie(Database &db, const QList<TFinancas> &serie);
    static Resultado InserirSerie(const QList<TFinancas> &serie);

    friend bool operator==(const TFinancas &a, const TFinancas &b)
    {
        return a.IdFinanca == b.IdFinanca && a.IdPessoa == b.IdPessoa && a.TipoPessoa == b.TipoPessoa &&
               a.Valor == b.Valor && a.Data == b.Data && a.TipoOperacao == b.TipoOperacao &&
               a.FormaPagamento == b.FormaPagamento && a.Obs == b.Obs && a.Login == b.Login &&
               a.Situacao == b.Situacao;
    }

private:
    Resultado alterarColuna(const QString &sql, const char *coluna, int codigo, const QString &login);
    Database &db() const;
    Database *m_db;
};
