#include "model/Parcelas.h"

#include "util/DateTime.h"
#include "util/TextoDinheiro.h"

#include <QDate>
#include <QStringList>

namespace Parcelas {

namespace {

QString doisDigitos(int n)
{
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

int numeroOuZero(const QString &texto)
{
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    return ok ? n : 0;
}

} // namespace

int LerQuantidade(const QString &texto)
{
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    return ok ? n : 1;
}

QString QuantidadeRecusada(int quantidade, bool dividir)
{
    if (quantidade > Maximo)
        return QStringLiteral("O número de parcelas não pode passar de %1.").arg(Maximo);
    if (dividir && quantidade <= 0)
        return QStringLiteral("Informe um número de parcelas maior que zero.");
    return {};
}

QList<TFinancas> Gerar(const Pedido &pedido)
{
    QList<TFinancas> serie;
    const int n = qMin(pedido.Quantidade, Maximo);
    if (n <= 0)
        return serie;
    const Money valor = pedido.Dividir ? pedido.Valor / n : pedido.Valor;
    const bool lista = pedido.Intervalo.contains(QLatin1Char('/'));
    const QStringList deslocamentos = pedido.Intervalo.split(QLatin1Char('/'));
    const int passo = numeroOuZero(pedido.Intervalo);

    QDate data = DateTimeToQDate(pedido.PrimeiraData);
    const double primeira = DateOf(pedido.PrimeiraData);
    double dias = primeira;
    serie.reserve(n);
    for (int k = 1; k <= n; ++k) {
        TFinancas p = pedido.Modelo;
        p.Valor = valor;
        const QString conta = doisDigitos(k) + QStringLiteral(" de ") + doisDigitos(n);
        p.Obs = pedido.Modelo.Obs.isEmpty()
                    ? QStringLiteral("Lançamento ") + conta
                    : pedido.Modelo.Obs + QStringLiteral("\r\n") + QStringLiteral("Prestação ") + conta;
        if (pedido.Mensal) {
            p.Data = QDateToDateTime(data);
            data = data.addMonths(1); // keeps the day, or the month's last day
        } else if (!lista) {
            p.Data = dias;
            dias += passo;
        } else {
            // offsets count from the first date; the last one repeats once the list runs out
            const int indice = pedido.Ctrl ? k - 1 : k - 2;
            if (indice < 0) {
                p.Data = primeira;
            } else {
                const int i = qMin<int>(indice, int(deslocamentos.size()) - 1);
                p.Data = primeira + numeroOuZero(deslocamentos.at(i));
            }
        }
        serie << p;
    }
    return serie;
}

QString Linha(const TFinancas &parcela)
{
    return FormatDateTime(QStringLiteral("dd/mm/yyyy"), parcela.Data) + QStringLiteral(" :: ") +
           TextoDinheiro(parcela.Valor) + QStringLiteral("   ") + QStringLiteral(" :: ") +
           FormatDateTime(QStringLiteral("dddd"), parcela.Data);
}

Money Soma(const QList<TFinancas> &serie)
{
    Money soma;
    for (const TFinancas &p : serie)
        soma += p.Valor;
    return soma;
}

QString TextoSoma(const QList<TFinancas> &serie)
{
    return QStringLiteral("Total das parcelas: ") + TextoDinheiro(Soma(serie));
}

} // namespace Parcelas
