#pragma once

#include "model/TFinancas.h"
#include "util/Money.h"

#include <QList>
#include <QString>

// The series of instalments a new bill turns into: the amount split among
// them or repeated in each, due monthly or some days apart. Pure: nothing is
// read or written here.
namespace Parcelas {

inline constexpr int Maximo = 999;

struct Pedido {
    TFinancas Modelo;        // person, kind, type, means, situation, login and notes of every instalment
    Money Valor;             // the total (split) or each instalment's amount (repeat)
    int Quantidade = 1;      // how many instalments
    double PrimeiraData = 0; // the first due date, day number
    QString Intervalo;       // days between due dates ("30"), or offsets from the first ("30/60/90")
    bool Dividir = true;     // split the amount (true) or repeat it
    bool Mensal = true;      // one calendar month apart (true) or by Intervalo
    bool Ctrl = false;       // offsets: the first instalment takes the first offset too
};

// The count field as a number: 1 when it is not one.
int LerQuantidade(const QString &texto);

// Why the count cannot be generated (splitting into 0 or fewer, more than
// Maximo), or empty. Repeating 0 or fewer is no error: nothing is generated.
QString QuantidadeRecusada(int quantidade, bool dividir);

// The instalments in order. Monthly steps go one after the other from the
// date reached (31/01, 28/02, 28/03); a count of 0 or less gives none.
// Splitting gives every instalment the total divided by the count, rounded
// to the ten-thousandth (halves to even); nobody takes the remainder.
QList<TFinancas> Gerar(const Pedido &pedido);

// "dd/mm/yyyy :: R$ 33,33    :: Sábado"
QString Linha(const TFinancas &parcela);
Money Soma(const QList<TFinancas> &serie);
// "Total das parcelas: R$ 100,00"
QString TextoSoma(const QList<TFinancas> &serie);

} // namespace Parcelas
