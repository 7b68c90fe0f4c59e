// The finance search on a real database: headings per person (an individual
// and a company with the same number apart, two persons with the same name
// apart), the monthly summary of the range's first month, the visibility
// rule, the filters against an independent count, two statements whatever
// the number of persons, and the page equal to the one built from a load per
// row and a summary statement per person.
#include "data/Database.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/PesquisaFinancas.h"
#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "util/DateTime.h"

#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kResumoPorPessoa = QStringLiteral(
    "select sum(valor) as Valor, tipo_operacao as TIPO from financas where id_pessoa = :idPessoa and "
    "Tipo_Pessoa = :Tipo_Pessoa and DATA BETWEEN :DATA1 AND :DATA2 group by tipo_operacao");

} // namespace

class TestPesquisaFinancas : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_grupo = 0;
    Database &db() { return m_dm->BancoDados; }

    void pessoa(bool empresa, int id, const QString &nome, const QString &login, int publica,
                const QString &fone = {}, const QString &email = {})
    {
        const QString sql =
            empresa ? QStringLiteral(
                          "INSERT INTO PESSOAJURIDICA (IDENTIFICADOR, COD_GRUPO, NOME, NUMERO, CEP, CP, "
                          "ENVIAR, PUBLICA, LOGIN, FONE, EMAIL) VALUES (:I, :G, :N, 0, 0, 0, 1, :P, :L, "
                          ":F, :E)")
                    : QStringLiteral(
                          "INSERT INTO PESSOAFISICA (IDENTIFICADOR, COD_GRUPO, NOME, NUMERO, CEP, CP, "
                          "ENVIAR, PUBLICA, LOGIN, SEXO, ESTADO_CIVIL, INFORMAR_ANIVERSARIO, "
                          "FONE_RESIDENCIAL, EMAIL) VALUES (:I, :G, :N, 0, 0, 0, 1, :P, :L, 0, 0, 0, :F, "
                          ":E)");
        QVERIFY(exec(db(), sql,
                     {{QStringLiteral("I"), id},
                      {QStringLiteral("G"), m_grupo},
                      {QStringLiteral("N"), nome},
                      {QStringLiteral("P"), publica},
                      {QStringLiteral("L"), login},
                      {QStringLiteral("F"), fone},
                      {QStringLiteral("E"), email}}));
    }
    void lancar(int id, int tipoPessoa, double data, qint64 valor, int tipo, int situacao, const QString &obs)
    {
        TFinancas f(db());
        f.IdPessoa = id;
        f.TipoPessoa = tipoPessoa;
        f.Data = data;
        f.Valor = Money::fromRaw(valor);
        f.TipoOperacao = quint8(tipo);
        f.Situacao = quint8(situacao);
        f.Obs = obs;
        f.Login = QStringLiteral("ana");
        QCOMPARE(f.Inserir(), Resultado::Gravado);
    }
    static PesquisaFinancas::Filtro filtro(double de, double ate)
    {
        PesquisaFinancas::Filtro f;
        f.De = de;
        f.Ate = ate;
        f.Login = QStringLiteral("ana");
        return f;
    }
    QString pagina(const PesquisaFinancas::Filtro &f, QList<PesquisaFinancas::Linha> *linhas = nullptr)
    {
        QList<PesquisaFinancas::Linha> lidas;
        PesquisaFinancas::Resumos resumos;
        if (!PesquisaFinancas::Selecionar(db(), f, lidas) ||
            !PesquisaFinancas::ResumosDoMes(db(), f.De, resumos))
            return QStringLiteral("falhou");
        if (linhas)
            *linhas = lidas;
        return PesquisaFinancas::Pagina(f, lidas, resumos, QStringLiteral("Ana"), EncodeDate(2026, 3, 1));
    }
    static int ocorrencias(const QString &texto, const QString &parte) { return int(texto.count(parte)); }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        QVERIFY(insertUsuario(db(), QStringLiteral("bia")));
        m_grupo = insertGrupo(db(), QStringLiteral("G"));

        pessoa(false, 5, QStringLiteral("Silva"), QStringLiteral("ana"), 0, QStringLiteral("1132451234"),
               QStringLiteral("pf@x.br"));
        pessoa(true, 5, QStringLiteral("Silva"), QStringLiteral("ana"), 0, QStringLiteral("1132451234"),
               QStringLiteral("pf@x.br"));
        pessoa(false, 6, QStringLiteral("Privada da Bia"), QStringLiteral("bia"), 0);
        pessoa(false, 7, QStringLiteral("Pública da Bia <b>"), QStringLiteral("bia"), 1);
        for (int tipo = 0; tipo <= 1; ++tipo) {
            lancar(5, tipo, EncodeDate(2026, 1, 10), 100000 + tipo, 0, 0, QStringLiteral("jan a pagar"));
            lancar(5, tipo, EncodeDate(2026, 1, 20), 300000, 1, 1, QStringLiteral("jan a receber"));
            lancar(5, tipo, EncodeDate(2026, 2, 15), 7770000, 1, 0, QStringLiteral("fev\r\n<i>"));
        }
        lancar(6, 0, EncodeDate(2026, 1, 12), 50000, 1, 1, QStringLiteral("não aparece"));
        lancar(7, 0, EncodeDate(2026, 2, 2), 60000, 1, 1, QStringLiteral("aparece"));
        // outside the range: in no list, but in its month's summary
        lancar(5, 0, EncodeDate(2025, 12, 31), 999, 0, 0, QStringLiteral("dezembro"));
    }

    // An individual and a company with the same number and the same heading
    // text get one heading each, with the summary of January only.
    void headingsPerPersonWithTheFirstMonthsSummary()
    {
        QList<PesquisaFinancas::Linha> linhas;
        const QString html = pagina(filtro(EncodeDate(2026, 1, 1), EncodeDate(2026, 2, 28)), &linhas);
        QStringList ordem;
        for (const auto &l : linhas)
            ordem << QStringLiteral("%1/%2").arg(l.Tipo).arg(l.IdPessoa);
        QCOMPARE(ordem, (QStringList{QStringLiteral("0/5"), QStringLiteral("0/5"), QStringLiteral("0/5"),
                                     QStringLiteral("1/5"), QStringLiteral("1/5"), QStringLiteral("1/5"),
                                     QStringLiteral("0/7")}));
        const QString cabecalho = QStringLiteral("<b>Silva :: (11)3245-1234 :: pf@x.br</b> :: ");
        QCOMPARE(ocorrencias(html, cabecalho), 2);
        QCOMPARE(
            ocorrencias(html, QStringLiteral("(Resumo de <b>Janeiro</b>) <font color=\"#FF0000\">Pagar:R$ "
                                             "10,00</font> <font color=\"#0000FF\">Receber:R$ 30,00")),
            2);
        QCOMPARE(ocorrencias(html, QStringLiteral("Pública da Bia &lt;b&gt;")), 1);
        QCOMPARE(ocorrencias(html, QStringLiteral("Receber:R$ 0,00")),
                 1); // public person: nothing in January
        QVERIFY(!html.contains(QStringLiteral("Privada")));
        QVERIFY(html.contains(QStringLiteral("fev<BR>&lt;i&gt;")));
        QCOMPARE(
            ocorrencias(html, QStringLiteral("<tr bgcolor=\"#ECF4BB\"><td><font face=\"Arial\" size=\"2\" "
                                             "color=\"#FF0000\">10/01/2026</font></td>")),
            1);
        QVERIFY(
            html.contains(QStringLiteral(":: Acompanhamento das Financas entre 01/01/2026 e 28/02/2026 ::")));
        QVERIFY(html.contains(QStringLiteral("Gerado por Ana em :01/03/2026 :: 00:00:00")));
        QVERIFY(html.contains(QStringLiteral("<b>Saldo: </b>R$ 1.600,00")));
    }

    // Each filter against a count of the table made without the program's statement.
    void filtersMatchAnIndependentCount_data()
    {
        QTest::addColumn<int>("situacao");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("obs");
        QTest::addColumn<int>("linhas");
        QTest::newRow("settled receivables") << 1 << 1 << QString() << QString() << 3;
        QTest::newRow("open payables") << 0 << 0 << QString() << QString() << 2;
        QTest::newRow("everything") << 2 << 2 << QString() << QString() << 7;
        QTest::newRow("name in lower case") << 2 << 2 << QStringLiteral("públ") << QString() << 1;
        QTest::newRow("notes") << 2 << 1 << QString() << QStringLiteral("JAN") << 2;
    }
    void filtersMatchAnIndependentCount()
    {
        QFETCH(int, situacao);
        QFETCH(int, tipo);
        QFETCH(QString, nome);
        QFETCH(QString, obs);
        QFETCH(int, linhas);
        PesquisaFinancas::Filtro f = filtro(EncodeDate(2026, 1, 1), EncodeDate(2026, 2, 28));
        f.Situacao = situacao;
        f.TipoOperacao = tipo;
        f.Nome = nome;
        f.Obs = obs;
        QList<PesquisaFinancas::Linha> lidas;
        QVERIFY(PesquisaFinancas::Selecionar(db(), f, lidas));
        QCOMPARE(lidas.size(), linhas);
        if (situacao == 1 && tipo == 1) {
            const int independente =
                count(db(), QStringLiteral("FINANCAS F"),
                      QStringLiteral(
                          "F.SITUACAO = 1 AND F.TIPO_OPERACAO = 1 AND F.DATA BETWEEN '2026-01-01' AND "
                          "'2026-02-28' AND (EXISTS (SELECT 1 FROM PESSOAFISICA P WHERE F.TIPO_PESSOA = 0 "
                          "AND P.IDENTIFICADOR = F.ID_PESSOA AND (P.LOGIN = 'ana' OR P.PUBLICA = 1)) OR "
                          "EXISTS (SELECT 1 FROM PESSOAJURIDICA P WHERE F.TIPO_PESSOA = 1 AND "
                          "P.IDENTIFICADOR = F.ID_PESSOA AND (P.LOGIN = 'ana' OR P.PUBLICA = 1)))"));
            QCOMPARE(lidas.size(), independente);
        }
        for (const auto &l : lidas) {
            QVERIFY(situacao == 2 || l.Situacao == situacao);
            QVERIFY(tipo == 2 || l.TipoOperacao == tipo);
        }
    }

    // The page equals the one built from each person loaded on its own and a
    // summary statement per person.
    void pageEqualsLoadingEachPerson()
    {
        const PesquisaFinancas::Filtro f = filtro(EncodeDate(2026, 1, 1), EncodeDate(2026, 2, 28));
        QList<PesquisaFinancas::Linha> linhas;
        const QString html = pagina(f, &linhas);
        QVERIFY(!linhas.isEmpty());

        PesquisaFinancas::Resumos resumos;
        for (PesquisaFinancas::Linha &l : linhas) {
            if (l.Tipo == 0) {
                TPessoaFisica p(db());
                p.Identificador = l.IdPessoa;
                QVERIFY(p.Carregar());
                l.Nome = p.Nome;
                l.Fone = p.FoneResidencial;
                l.Email = p.Email;
            } else {
                TPessoaJuridica p(db());
                QVERIFY(p.Carregar(l.IdPessoa));
                l.Nome = p.Nome;
                l.Fone = p.Fone;
                l.Email = p.Email;
            }
            PesquisaFinancas::Resumo r;
            dbOperationOuFalha(db(), [&](Transaction &t) {
                Query q(t, kResumoPorPessoa);
                q.setInt(QStringLiteral("idPessoa"), l.IdPessoa);
                q.setInt(QStringLiteral("Tipo_Pessoa"), l.Tipo);
                q.setDate(QStringLiteral("DATA1"), EncodeDate(2026, 1, 1));
                q.setDate(QStringLiteral("DATA2"), EncodeDate(2026, 1, 31));
                q.open();
                while (q.next())
                    (q.field(1).asInt() == 1 ? r.Receber : r.Pagar) = Money::fromRaw(q.field(0).asScaled(4));
            });
            resumos[{l.Tipo, l.IdPessoa}] = r;
        }
        QCOMPARE(PesquisaFinancas::Pagina(f, linhas, resumos, QStringLiteral("Ana"), EncodeDate(2026, 3, 1)),
                 html);
    }

    void nothingFound()
    {
        PesquisaFinancas::Filtro f = filtro(EncodeDate(2026, 1, 1), EncodeDate(2026, 2, 28));
        f.Nome = QStringLiteral("ninguém");
        const QString html = pagina(f);
        QVERIFY(html.startsWith(QStringLiteral(
            "<html> <head> <title>:: Acompanhamento das Financas::</title> </head> <body "
            "bgcolor=\"#FEFAC0\"> <table "
            "border=\"0\" width=\"100%\" bgcolor=\"#ECF49\">   <tr>     <td width=\"100%\"><font "
            "face=\"Arial\" "
            "size=\"3\"><b>Não há dados a exibir!</b></font></td>   </tr> </table></body> </html>")));
        QVERIFY(html.contains(QStringLiteral("<b>Saldo à pagar: </b>R$ 0,00  ")));
        QVERIFY(html.contains(QStringLiteral("<b>Saldo à receber: </b>R$ 0,00  ")));
        QVERIFY(html.contains(
            QStringLiteral("<font face=\"Arial\" size=\"2\" color=\"#FF0000\"><b>Saldo: </b>R$ 0,00")));
    }

    // The same two statements for 50 persons as for 500.
    void statementsDoNotGrowWithPersons()
    {
        auto massa = [this](int primeiro, int quantos) {
            QVERIFY(
                exec(db(),
                     QStringLiteral(
                         "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < %2) DO BEGIN "
                         "INSERT INTO PESSOAFISICA (IDENTIFICADOR, COD_GRUPO, NOME, NUMERO, CEP, CP, ENVIAR, "
                         "PUBLICA, LOGIN, SEXO, ESTADO_CIVIL, INFORMAR_ANIVERSARIO) VALUES (%1 + :I, %3, "
                         "'Massa ' || (%1 + :I), 0, 0, 0, 1, 1, 'bia', 0, 0, 0); "
                         "INSERT INTO FINANCAS (ID_PESSOA, TIPO_PESSOA, VALOR, DATA, TIPO_OPERACAO, "
                         "FORMAP_PAGAMENTO, SITUACAO, OBS, LOGIN) VALUES (%1 + :I, 0, 1, '2030-05-05', 0, "
                         "0, 0, 'm', 'bia'); "
                         "INSERT INTO FINANCAS (ID_PESSOA, TIPO_PESSOA, VALOR, DATA, TIPO_OPERACAO, "
                         "FORMAP_PAGAMENTO, SITUACAO, OBS, LOGIN) VALUES (%1 + :I, 0, 2, '2030-06-06', 1, "
                         "0, 0, 'm', 'bia'); I = I + 1; END END")
                         .arg(primeiro)
                         .arg(quantos)
                         .arg(m_grupo)));
        };
        const PesquisaFinancas::Filtro f = filtro(EncodeDate(2030, 5, 1), EncodeDate(2030, 6, 30));
        massa(1000, 50);
        quint64 antes = Database::statementCount();
        QList<PesquisaFinancas::Linha> linhas;
        QString html = pagina(f, &linhas);
        const quint64 com50 = Database::statementCount() - antes;
        QCOMPARE(linhas.size(), 100);
        QCOMPARE(ocorrencias(html, QStringLiteral("(Resumo de <b>Maio</b>)")), 50);

        massa(2000, 450);
        antes = Database::statementCount();
        html = pagina(f, &linhas);
        QCOMPARE(Database::statementCount() - antes, com50);
        QCOMPARE(com50, quint64(2));
        QCOMPARE(linhas.size(), 1000);
        QCOMPARE(ocorrencias(html, QStringLiteral("(Resumo de <b>Maio</b>)")), 500);
    }
};

QTEST_GUILESS_MAIN(TestPesquisaFinancas)
#include "TestPesquisaFinancas.moc"
