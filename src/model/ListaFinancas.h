#pragma once

#include "data/DbOperation.h"
#include "model/PessoaFinancas.h"
#include "model/TFinancas.h"
#include "util/Money.h"

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// An entry of the finance screen's list with the person it belongs to, read
// from the same row.
struct LancamentoFinanca {
    TFinancas Financa;
    PessoaFinancas Pessoa;
};

// The sums of a list of entries: settled entries count like open ones in the
// totals and are also kept apart.
struct TotaisFinancas {
    Money Pagar, PagarAberto, PagarQuitado;
    Money Receber, ReceberAberto, ReceberQuitado;

    void Somar(quint8 tipoOperacao, quint8 situacao, Money valor);
    Money Saldo() const { return Receber - Pagar; }
};

// The finance screen's list: the entries of one person, or of every person
// of a kind the user may see, due in a period, from one statement.
namespace ListaFinancas {

struct Filtro {
    qint32 IdPessoa = 0;
    qint32 TipoPessoa = 0;
    bool TodasAsPessoas = false;
    double De = 0;
    double Ate = 0;
    QString Login; // the current user's: whose private persons may be listed
};

// By date, amount, name, type and situation. A failed read empties the list
// and is an error for the caller to show.
DbResult Carregar(Database &db, const Filtro &filtro, QList<LancamentoFinanca> &lista);

// The statement Carregar runs for the filter (a benchmark runs it bare).
QString Comando(const Filtro &filtro);

TotaisFinancas Totais(const QList<LancamentoFinanca> &lista);

// The totals line: "A pagar: R$ 1,00   -- A receber: ...  ==>> Saldo: ...  ".
QString TextoSaldos(const TotaisFinancas &totais);

// The lines of "Financas.html" for the list as shown.
struct Pagina {
    bool TodasAsPessoas = false;
    PessoaFinancas Pessoa; // single-person mode
    double De = 0;
    double Ate = 0;
    QString NomeUsuario;
    double Agora = 0;
};
QStringList LinhasPagina(const Pagina &pagina, const QList<LancamentoFinanca> &lista);

} // namespace ListaFinancas
