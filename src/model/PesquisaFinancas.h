#pragma once

#include "data/DbOperation.h"
#include "model/ListaFinancas.h"
#include "util/Money.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class Database;

// The finance search: the entries of every individual and company the user
// may see, due in a range and filtered by name, notes, situation and type,
// read in one statement that already carries each person's name, telephone
// and e-mail; the monthly summaries of all persons come from one grouped
// statement. The page groups the entries by person.
namespace PesquisaFinancas {

struct Filtro {
    double De = 0;
    double Ate = 0;
    int Situacao = 2;     // 0 open, 1 settled, 2 all
    int TipoOperacao = 2; // 0 payable, 1 receivable, 2 all
    QString Nome;         // part of the person's name
    QString Obs;          // part of the notes
    QString Login;        // the current user's
};

struct Linha {
    qint32 IdPessoa = 0;
    qint32 Tipo = 0; // 0 individual, 1 company
    QString Nome;
    QString Grupo;
    QString Fone; // individual: home; company: telephone
    QString Email;
    QString Obs;
    Money Valor;
    double Data = 0;
    quint8 TipoOperacao = 0;
    quint8 FormaPagamento = 0;
    quint8 Situacao = 0;
};

// A person's payable and receivable sums in the month of the range's start.
struct Resumo {
    Money Pagar;
    Money Receber;
};
using ChavePessoa = QPair<qint32, qint32>; // (kind, identifier)
using Resumos = QHash<ChavePessoa, Resumo>;

// By person kind and identifier, then due date and amount. A failed read
// empties the list.
DbResult Selecionar(Database &db, const Filtro &filtro, QList<Linha> &linhas);

// The sums of every person in the calendar month of `dia`, from one statement.
DbResult ResumosDoMes(Database &db, double dia, Resumos &resumos);

// The two statements, as a benchmark runs them bare.
QString ComandoSelecao(const Filtro &filtro);
QString ComandoResumos();

// name :: formatted telephone :: e-mail
QString Cabecalho(const Linha &linha);
// "(Resumo de <b>Janeiro</b>) Pagar: ... Receber: ..." in small print.
QString TextoResumo(double dia, const Resumo &resumo);

TotaisFinancas Totais(const QList<Linha> &linhas);

// The whole page, balance table included. A new heading starts whenever the
// person (kind and identifier) changes, never on the heading's text alone.
QString Pagina(const Filtro &filtro, const QList<Linha> &linhas, const Resumos &resumos,
               const QString &nomeUsuario, double agora);

} // namespace PesquisaFinancas
