// The instalment series without a screen or a database: split and repeated
// amounts, monthly steps taken from the date reached, days apart, lists of
// offsets with and without Ctrl, the notes of each instalment, the counts
// refused, and the list line with its day name.
#include "model/Parcelas.h"
#include "util/DateTime.h"
#include "util/TextoDinheiro.h"

#include <QtTest>

#include <limits>

namespace {

double dia(int d, int m, int a)
{
    return EncodeDate(a, m, d);
}

QString datas(const QList<TFinancas> &serie)
{
    QStringList out;
    for (const TFinancas &p : serie)
        out << FormatDateTime(QStringLiteral("dd/mm/yyyy"), p.Data);
    return out.join(QLatin1Char(' '));
}

Parcelas::Pedido pedido(int n, const QString &intervalo, bool mensal, bool ctrl = false)
{
    Parcelas::Pedido p;
    p.Modelo.IdPessoa = 7;
    p.Modelo.TipoPessoa = 1;
    p.Modelo.TipoOperacao = 1;
    p.Modelo.FormaPagamento = 4;
    p.Modelo.Situacao = 1;
    p.Modelo.Login = QStringLiteral("ana");
    p.Valor = Money::fromUnits(100);
    p.Quantidade = n;
    p.PrimeiraData = dia(31, 1, 2026);
    p.Intervalo = intervalo;
    p.Mensal = mensal;
    p.Ctrl = ctrl;
    return p;
}

} // namespace

class TestParcelas : public QObject {
    Q_OBJECT

private slots:
    void dueDates_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("intervalo");
        QTest::addColumn<bool>("mensal");
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("monthly from the 31st goes on from the shortened day")
            << 4 << QStringLiteral("30") << true << false
            << QStringLiteral("31/01/2026 28/02/2026 28/03/2026 28/04/2026");
        QTest::newRow("monthly ignores the interval text")
            << 2 << QStringLiteral("30/60") << true << false << QStringLiteral("31/01/2026 28/02/2026");
        QTest::newRow("30 days apart") << 3 << QStringLiteral("30") << false << false
                                       << QStringLiteral("31/01/2026 02/03/2026 01/04/2026");
        QTest::newRow("an interval that is no number stays on the first date")
            << 2 << QString() << false << false << QStringLiteral("31/01/2026 31/01/2026");
        QTest::newRow("offsets: the first on the first date, the last offset repeats")
            << 5 << QStringLiteral("30/60/90") << false << false
            << QStringLiteral("31/01/2026 02/03/2026 01/04/2026 01/05/2026 01/05/2026");
        QTest::newRow("offsets with Ctrl: the first takes the first offset")
            << 5 << QStringLiteral("30/60/90") << false << true
            << QStringLiteral("02/03/2026 01/04/2026 01/05/2026 01/05/2026 01/05/2026");
        QTest::newRow("an offset that is no number counts as zero")
            << 3 << QStringLiteral("/10") << false << false
            << QStringLiteral("31/01/2026 31/01/2026 10/02/2026");
    }
    void dueDates()
    {
        QFETCH(int, n);
        QFETCH(QString, intervalo);
        QFETCH(bool, mensal);
        QFETCH(bool, ctrl);
        QFETCH(QString, esperado);
        QCOMPARE(datas(Parcelas::Gerar(pedido(n, intervalo, mensal, ctrl))), esperado);
    }

    // Every instalment copies the template and gets the same amount; the
    // rounding remainder goes nowhere.
    void amountsAndCopiedFields_data()
    {
        QTest::addColumn<bool>("dividir");
        QTest::addColumn<qint64>("cada");
        QTest::addColumn<QString>("soma");
        QTest::newRow("split") << true << qint64(333333) << QStringLiteral("Total das parcelas: R$ 100,00");
        QTest::newRow("repeat") << false << qint64(1000000)
                                << QStringLiteral("Total das parcelas: R$ 300,00");
    }
    void amountsAndCopiedFields()
    {
        QFETCH(bool, dividir);
        QFETCH(qint64, cada);
        QFETCH(QString, soma);
        Parcelas::Pedido p = pedido(3, QStringLiteral("30"), true);
        p.Dividir = dividir;
        const QList<TFinancas> serie = Parcelas::Gerar(p);
        QCOMPARE(serie.size(), 3);
        for (const TFinancas &f : serie) {
            QCOMPARE(f.Valor.tenThousandths(), cada);
            QCOMPARE(f.IdFinanca, -1);
            QCOMPARE(f.IdPessoa, 7);
            QCOMPARE(f.TipoPessoa, 1);
            QCOMPARE(f.TipoOperacao, quint8(1));
            QCOMPARE(f.FormaPagamento, quint8(4));
            QCOMPARE(f.Situacao, quint8(1));
            QCOMPARE(f.Login, QStringLiteral("ana"));
        }
        QCOMPARE(Parcelas::TextoSoma(serie), soma);
        QCOMPARE(Parcelas::Linha(serie.at(1)), QStringLiteral("28/02/2026 :: ") +
                                                   TextoDinheiro(Money::fromRaw(cada)) +
                                                   QStringLiteral("    :: Sábado"));
    }

    void notes_data()
    {
        QTest::addColumn<QString>("obs");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("segunda");
        QTest::newRow("empty notes") << QString() << 12 << QStringLiteral("Lançamento 02 de 12");
        QTest::newRow("template notes")
            << QStringLiteral("Aluguel") << 12 << QStringLiteral("Aluguel\r\nPrestação 02 de 12");
        QTest::newRow("three digits") << QString() << 120 << QStringLiteral("Lançamento 02 de 120");
    }
    void notes()
    {
        QFETCH(QString, obs);
        QFETCH(int, n);
        QFETCH(QString, segunda);
        Parcelas::Pedido p = pedido(n, QStringLiteral("30"), true);
        p.Modelo.Obs = obs;
        const QList<TFinancas> serie = Parcelas::Gerar(p);
        QCOMPARE(serie.size(), n);
        QCOMPARE(serie.at(1).Obs, segunda);
    }

    void counts_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<bool>("dividir");
        QTest::addColumn<int>("quantidade");
        QTest::addColumn<bool>("recusada");
        QTest::addColumn<int>("geradas");
        QTest::newRow("two digits") << QStringLiteral("03") << true << 3 << false << 3;
        QTest::newRow("no number counts one") << QStringLiteral("3/4") << true << 1 << false << 1;
        QTest::newRow("empty counts one") << QString() << true << 1 << false << 1;
        QTest::newRow("split into zero") << QStringLiteral("0") << true << 0 << true << 0;
        QTest::newRow("repeat zero times: nothing, no message")
            << QStringLiteral("00") << false << 0 << false << 0;
        QTest::newRow("the most") << QStringLiteral("999") << false << 999 << false << 999;
        QTest::newRow("over the most") << QStringLiteral("1000") << false << 1000 << true << 999;
    }
    void counts()
    {
        QFETCH(QString, campo);
        QFETCH(bool, dividir);
        QFETCH(int, quantidade);
        QFETCH(bool, recusada);
        QFETCH(int, geradas);
        const int n = Parcelas::LerQuantidade(campo);
        QCOMPARE(n, quantidade);
        QCOMPARE(!Parcelas::QuantidadeRecusada(n, dividir).isEmpty(), recusada);
        Parcelas::Pedido p = pedido(n, QStringLiteral("30"), true);
        p.Dividir = dividir;
        QCOMPARE(Parcelas::Gerar(p).size(), geradas);
    }

    // The money text the finance screens share: point and comma fixed, the
    // sign before R$, two decimals rounded half away from zero.
    void moneyText_data()
    {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<QString>("texto");
        QTest::newRow("thousands") << qint64(12345600) << QStringLiteral("R$ 1.234,56");
        QTest::newRow("negative") << qint64(-12345600) << QStringLiteral("-R$ 1.234,56");
        QTest::newRow("half up") << qint64(50) << QStringLiteral("R$ 0,01");
        QTest::newRow("half away from zero") << qint64(-50) << QStringLiteral("-R$ 0,01");
        QTest::newRow("below half") << qint64(49) << QStringLiteral("R$ 0,00");
        QTest::newRow("negative that rounds to zero has no sign") << qint64(-49) << QStringLiteral("R$ 0,00");
        QTest::newRow("millions") << qint64(12345678900000) << QStringLiteral("R$ 1.234.567.890,00");
    }
    void moneyText()
    {
        QFETCH(qint64, raw);
        QFETCH(QString, texto);
        QCOMPARE(TextoDinheiro(Money::fromRaw(raw)), texto);
    }
    // The same digits as the project's pattern formatter, over every rounding
    // case near a few magnitudes and at the ends of the range.
    void moneyTextAgreesWithThePatternFormatter()
    {
        QList<qint64> valores = {std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min() + 1};
        for (qint64 base : {qint64(0), qint64(9999949), qint64(99999999950), qint64(123456789012345678)})
            for (qint64 d = 0; d < 200; ++d)
                valores << base + d << -(base + d);
        for (qint64 v : valores) {
            const Money m = Money::fromRaw(v);
            const QString positivo = (v < 0 ? -m : m).toString();
            const QString esperado =
                v < 0 && positivo != QStringLiteral("R$ 0,00") ? QStringLiteral("-") + positivo : positivo;
            QCOMPARE(TextoDinheiro(m), esperado);
        }
    }
};

QTEST_GUILESS_MAIN(TestParcelas)
#include "TestParcelas.moc"
