// The finance screen's list on a real database: one person's entries of a
// period in their order with the person's header columns, the entries of
// every person of a kind that the user may see, an individual and a company
// with the same number kept apart, one statement per list, a failed read,
// the totals line and the printed page's escaping.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/ListaFinancas.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "util/DateTime.h"

#include <QtTest>

using namespace DbHelpers;

namespace {

double jan(int dia)
{
    return EncodeDate(2026, 1, dia);
}

// "dd/mm valor tipo situacao obs" of each entry, in list order.
QStringList resumo(const QList<LancamentoFinanca> &lista)
{
    QStringList out;
    for (const LancamentoFinanca &l : lista)
        out << FormatDateTime(QStringLiteral("dd/mm"), l.Financa.Data) + QLatin1Char(' ') +
                   l.Financa.Valor.toDecimalString(4) + QLatin1Char(' ') +
                   QString::number(l.Financa.TipoOperacao) + QString::number(l.Financa.Situacao) +
                   QLatin1Char(' ') + l.Financa.Obs;
    return out;
}

} // namespace

class TestListaFinancas : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_ana = 0;     // private individual of ana
    int m_bruno = 0;   // private individual of bia
    int m_carla = 0;   // public individual of bia
    int m_empresa = 0; // company with ana's individual's number
    Database &db() { return m_dm->BancoDados; }

    void lancar(int pessoa, int tipoPessoa, double data, qint64 valor, int tipo, int situacao,
                const QString &obs)
    {
        TFinancas f(db());
        f.IdPessoa = pessoa;
        f.TipoPessoa = tipoPessoa;
        f.Data = data;
        f.Valor = Money::fromRaw(valor);
        f.TipoOperacao = quint8(tipo);
        f.Situacao = quint8(situacao);
        f.Obs = obs;
        f.Login = QStringLiteral("ana");
        QCOMPARE(f.Inserir(), Resultado::Gravado);
    }
    ListaFinancas::Filtro filtro(int pessoa, int tipo, bool todas,
                                 const QString &login = QStringLiteral("ana"))
    {
        ListaFinancas::Filtro f;
        f.IdPessoa = pessoa;
        f.TipoPessoa = tipo;
        f.TodasAsPessoas = todas;
        f.De = jan(1);
        f.Ate = jan(31);
        f.Login = login;
        return f;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        QVERIFY(insertUsuario(db(), QStringLiteral("bia")));
        const int g = insertGrupo(db(), QStringLiteral("G"));
        m_ana = insertPessoaFisica(db(), QStringLiteral("Ana Souza"), g, QStringLiteral("ana"), 0);
        m_bruno = insertPessoaFisica(db(), QStringLiteral("Bruno Lima"), g, QStringLiteral("bia"), 0);
        m_carla = insertPessoaFisica(db(), QStringLiteral("Carla Dias"), g, QStringLiteral("bia"), 1);
        m_empresa = insertPessoaJuridica(db(), QStringLiteral("Padaria Sol"), g, QStringLiteral("ana"), 0);
        QCOMPARE(m_empresa, m_ana);
        QVERIFY(exec(
            db(),
            QStringLiteral("UPDATE PESSOAFISICA SET TRATAMENTO = 'Sra.', APELIDO = 'Aninha', LOCAL_TRABALHO "
                           "= 'Banco', EMAIL = 'ana@x.br', MSN = 'ana@msn', FONE_RESIDENCIAL = '1132451234', "
                           "FONE_COMERCIAL = '1133334444', FONE_CELULAR = '11987654321' WHERE "
                           "IDENTIFICADOR = :I"),
            {{QStringLiteral("I"), m_ana}}));

        // ana in January, typed out of order; one in February, one the company's
        lancar(m_ana, 0, jan(20), 50000, 0, 0, QStringLiteral("luz"));
        lancar(m_ana, 0, jan(5), 900000, 1, 1, QStringLiteral("salário"));
        lancar(m_ana, 0, jan(5), 100000, 0, 1, QStringLiteral("água"));
        lancar(m_ana, 0, jan(31), 10, 1, 0, QStringLiteral("último dia"));
        lancar(m_ana, 0, EncodeDate(2026, 2, 1), 777, 0, 0, QStringLiteral("fevereiro"));
        lancar(m_empresa, 1, jan(10), 4444, 1, 0, QStringLiteral("da empresa"));
        lancar(m_bruno, 0, jan(7), 30000, 0, 0, QStringLiteral("do Bruno"));
        lancar(m_carla, 0, jan(8), 20000, 1, 0, QStringLiteral("da Carla"));
    }

    void onePersonsMonthInOrder()
    {
        QList<LancamentoFinanca> lista;
        const quint64 antes = Database::statementCount();
        QVERIFY(ListaFinancas::Carregar(db(), filtro(m_ana, 0, false), lista));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(resumo(lista), (QStringList{QStringLiteral("05/01 10,0000 01 água"),
                                             QStringLiteral("05/01 90,0000 11 salário"),
                                             QStringLiteral("20/01 5,0000 00 luz"),
                                             QStringLiteral("31/01 0,0010 10 último dia")}));
        const PessoaFinancas &p = lista.first().Pessoa;
        QCOMPARE(p.Titulo(), QStringLiteral("Finanças de: Sra. Ana Souza :: Aninha : Banco"));
        QCOMPARE(p.Linhas(), (QStringList{QStringLiteral("E-mail: ana@x.br <<:::>> E-mail MSN: ana@msn"),
                                          QStringLiteral("Fone Res.: (11)3245-1234"),
                                          QStringLiteral("Fone Com.: (11)3333-4444"),
                                          QStringLiteral("Fone Cel.: (11)98765-4321")}));

        // the company with the same number has only its own entry
        QVERIFY(ListaFinancas::Carregar(db(), filtro(m_empresa, 1, false), lista));
        QCOMPARE(resumo(lista), QStringList{QStringLiteral("10/01 0,4444 10 da empresa")});
        QCOMPARE(lista.first().Pessoa.Titulo(), QStringLiteral("Finanças de: Padaria Sol ::  : "));
    }

    // Every person of the kind the user may see: own and public ones, never
    // another user's private ones.
    void allPersonsFollowVisibility_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QStringList>("nomes");
        QTest::newRow("ana") << QStringLiteral("ana")
                             << QStringList{QStringLiteral("Ana Souza"), QStringLiteral("Ana Souza"),
                                            QStringLiteral("Carla Dias"), QStringLiteral("Ana Souza"),
                                            QStringLiteral("Ana Souza")};
        QTest::newRow("bia, in another letter case")
            << QStringLiteral("BIA")
            << QStringList{QStringLiteral("Bruno Lima"), QStringLiteral("Carla Dias")};
    }
    void allPersonsFollowVisibility()
    {
        QFETCH(QString, login);
        QFETCH(QStringList, nomes);
        QList<LancamentoFinanca> lista;
        const quint64 antes = Database::statementCount();
        QVERIFY(ListaFinancas::Carregar(db(), filtro(m_ana, 0, true, login), lista));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QStringList lidos;
        for (const LancamentoFinanca &l : lista)
            lidos << l.Pessoa.Nome;
        QCOMPARE(lidos, nomes);
    }

    void failedReadEmptiesTheList()
    {
        QList<LancamentoFinanca> lista;
        QVERIFY(ListaFinancas::Carregar(db(), filtro(m_ana, 0, false), lista));
        QVERIFY(!lista.isEmpty());
        Database semConexao;
        const DbResult r = ListaFinancas::Carregar(semConexao, filtro(m_ana, 0, false), lista);
        QVERIFY(!r);
        QVERIFY(lista.isEmpty());
    }

    // Settled entries count like open ones; the line keeps its blanks.
    void totalsLine()
    {
        QList<LancamentoFinanca> lista;
        QVERIFY(ListaFinancas::Carregar(db(), filtro(m_ana, 0, false), lista));
        const TotaisFinancas t = ListaFinancas::Totais(lista);
        QCOMPARE(t.PagarQuitado, Money::fromUnits(10));
        QCOMPARE(t.ReceberAberto, Money::fromRaw(10));
        QCOMPARE(ListaFinancas::TextoSaldos(t),
                 QStringLiteral("A pagar: R$ 15,00   -- A receber: R$ 90,00   ==>> Saldo: R$ 75,00  "));
        TotaisFinancas negativo;
        negativo.Somar(0, 0, Money::fromCents(123456));
        QCOMPARE(ListaFinancas::TextoSaldos(negativo),
                 QStringLiteral("A pagar: R$ 1.234,56   -- A receber: R$ 0,00   ==>> Saldo: -R$ 1.234,56  "));
    }

    // Database texts are escaped before their line breaks become <BR>.
    void pageEscapesDatabaseTexts()
    {
        LancamentoFinanca l;
        l.Financa.Data = jan(2);
        l.Financa.Valor = Money::fromUnits(1);
        l.Financa.Obs = QStringLiteral("<b>conta</b> & \"taxa\"\r\nsegunda");
        l.Financa.Login = QStringLiteral("a<b");
        l.Pessoa.Nome = QStringLiteral("Zé <i>");
        ListaFinancas::Pagina pagina;
        pagina.Pessoa = l.Pessoa;
        pagina.NomeUsuario = QStringLiteral("<script>");
        const QString html = ListaFinancas::LinhasPagina(pagina, {l}).join(QLatin1Char('\n'));
        QVERIFY(html.contains(QStringLiteral("&lt;b&gt;conta&lt;/b&gt; &amp; &quot;taxa&quot;<BR>segunda")));
        QVERIFY(html.contains(QStringLiteral("a&lt;b")));
        QVERIFY(html.contains(QStringLiteral("Zé &lt;i&gt;")));
        QVERIFY(html.contains(QStringLiteral("Gerado por &lt;script&gt; em :")));
        QVERIFY(!html.contains(QStringLiteral("<i>")));
        pagina.TodasAsPessoas = true;
        QVERIFY(ListaFinancas::LinhasPagina(pagina, {l})
                    .join(QLatin1Char('\n'))
                    .contains(QStringLiteral("Zé &lt;i&gt;")));
    }
};

QTEST_GUILESS_MAIN(TestListaFinancas)
#include "TestListaFinancas.moc"
