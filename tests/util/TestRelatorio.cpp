// The banded layout: where pages break, a group header that never ends a
// page alone, and a band taller than the page.
#include "util/Relatorio.h"

#include <QtTest>

using namespace Relatorio;

namespace {

// a 100 mm page without margins: header 10, group header 10, detail `detalhe`
Definicao definicao(double detalhe)
{
    Definicao d;
    d.titulo = QStringLiteral("T");
    d.pagina = QSizeF(100, 100);
    d.margens = QMarginsF();
    Banda cab;
    cab.tipo = TipoBanda::CabecalhoPagina;
    cab.altura = 10;
    Item t;
    t.tipo = TipoItem::Sistema;
    t.texto = QStringLiteral("cab ");
    cab.itens << t;
    Banda g;
    g.tipo = TipoBanda::CabecalhoGrupo;
    g.altura = 10;
    g.quebra = [](const Registro &r) { return r.valor(QStringLiteral("NOME")).left(1); };
    Item letra;
    letra.tipo = TipoItem::Expressao;
    letra.expressao = g.quebra;
    letra.aoImprimir = [](const QString &s) { return QStringLiteral("grupo ") + s; };
    g.itens << letra;
    Banda det;
    det.altura = detalhe;
    Item nome;
    nome.tipo = TipoItem::Campo;
    nome.texto = QStringLiteral("NOME");
    det.itens << nome;
    d.bandas << cab << g << det;
    return d;
}

Dados dados(const QStringList &nomes)
{
    Dados d;
    d.colunas << QStringLiteral("NOME");
    for (const QString &n : nomes)
        d.linhas << QStringList{n};
    return d;
}

QStringList pagina(const Documento &d, int i)
{
    QStringList t;
    for (const Texto &x : d.paginas.at(i).textos)
        t << x.texto;
    return t;
}

} // namespace

class TestRelatorio : public QObject {
    Q_OBJECT

private slots:
    void quebras_data()
    {
        QTest::addColumn<double>("detalhe");
        QTest::addColumn<QStringList>("nomes");
        QTest::addColumn<QList<QStringList>>("paginas");
        // 10 + 10 + 3 x 20 = 80: B's header would fit, its detail not
        QTest::newRow("cabecalho de grupo vai com o detalhe")
            << 20.0
            << QStringList{QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("A3"),
                           QStringLiteral("B1")}
            << QList<QStringList>{{QStringLiteral("cab T"), QStringLiteral("grupo A"), QStringLiteral("A1"),
                                   QStringLiteral("A2"), QStringLiteral("A3")},
                                  {QStringLiteral("cab T"), QStringLiteral("grupo B"), QStringLiteral("B1")}};
        // exactly full: 10 + 10 + 4 x 20 = 100
        QTest::newRow("pagina cheia")
            << 20.0
            << QStringList{QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("A3"),
                           QStringLiteral("A4"), QStringLiteral("A5")}
            << QList<QStringList>{{QStringLiteral("cab T"), QStringLiteral("grupo A"), QStringLiteral("A1"),
                                   QStringLiteral("A2"), QStringLiteral("A3"), QStringLiteral("A4")},
                                  {QStringLiteral("cab T"), QStringLiteral("A5")}};
        // a band taller than the page gets a page of its own, no endless loop
        QTest::newRow("banda maior que a pagina")
            << 150.0 << QStringList{QStringLiteral("A1"), QStringLiteral("A2")}
            << QList<QStringList>{{QStringLiteral("cab T"), QStringLiteral("grupo A"), QStringLiteral("A1")},
                                  {QStringLiteral("cab T"), QStringLiteral("A2")}};
        QTest::newRow("sem linhas") << 20.0 << QStringList{} << QList<QStringList>{{QStringLiteral("cab T")}};
    }
    void quebras()
    {
        QFETCH(double, detalhe);
        QFETCH(QStringList, nomes);
        QFETCH(QList<QStringList>, paginas);
        int prontas = 0;
        const Documento d = Preparar(definicao(detalhe), dados(nomes), [&](const Documento &) {
            ++prontas;
            return true;
        });
        QCOMPARE(d.paginas.size(), paginas.size());
        QCOMPARE(prontas, paginas.size());
        for (int i = 0; i < paginas.size(); ++i)
            QCOMPARE(pagina(d, i), paginas.at(i));
    }

    // the progress hook can stop the layout after the first page
    void paraNaPrimeiraPagina()
    {
        QStringList nomes;
        for (int i = 0; i < 50; ++i)
            nomes << QStringLiteral("A%1").arg(i);
        const Documento d = Preparar(definicao(20), dados(nomes), [](const Documento &) { return false; });
        QCOMPARE(d.paginas.size(), 2); // the page being laid out when it stopped
    }
};

QTEST_GUILESS_MAIN(TestRelatorio)
#include "TestRelatorio.moc"
