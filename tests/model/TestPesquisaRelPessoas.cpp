// The person search lists' queries on one seeded database: every filter of
// the individuals' and the companies' lists and the four searches of the
// grouped list, seen by the user "ana" (her rows and the public ones).
#include "data/Database.h"
#include "data/TDM.h"
#include "model/PesquisaRelPF.h"
#include "model/PesquisaRelPJ.h"
#include "model/PesquisaRelPTotal.h"
#include "support/PessoasSemeadas.h"
#include "support/TestFolder.h"
#include "util/DateTime.h"

#include <QtTest>

namespace {

QStringList nomes(const QList<TPessoaFisica> &l)
{
    QStringList n;
    for (const auto &p : l)
        n << p.Nome;
    return n;
}

QStringList nomes(const QList<TPessoaJuridica> &l)
{
    QStringList n;
    for (const auto &p : l)
        n << p.Nome;
    return n;
}

QStringList lista(const char *texto)
{
    return texto[0] ? QString::fromUtf8(texto).split(QLatin1Char('|')) : QStringList();
}

} // namespace

class TestPesquisaRelPessoas : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    PessoasSemeadas m_s;
    Database &db() { return m_dm->BancoDados; }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(m_s.semear(db()));
    }
    void cleanupTestCase() { m_dm.reset(); }

    void individuals_data()
    {
        QTest::addColumn<int>("filtro");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("numero");           // month, interest, or group (-1: the group Vizinhos)
        QTest::addColumn<QStringList>("esperado"); // in list order
        auto linha = [](const char *nome, int filtro, const char *texto, int numero, const char *esperado) {
            QTest::newRow(nome) << filtro << QString::fromUtf8(texto) << numero << lista(esperado);
        };
        using F = PesquisaRelPF;
        linha("phonetic", F::NomeFonetico, "souza", 0, "Ana Souza|Daniel Souza");
        linha("phonetic, apostrophe", F::NomeFonetico, "d'ávila", 0, "");
        linha("nickname", F::Apelido, "nin", 0, "Ana Souza|Bruno Lima");
        linha("nickname empty: every non-null one", F::Apelido, "", 0, "Ana Souza|Bruno Lima|Élida Mota");
        linha("e-mail, any case", F::Email, "bruno@", 0, "Bruno Lima");
        linha("e-mail", F::Email, "casa", 0, "Ana Souza|Daniel Souza");
        linha("day", F::DiaNascimento, "15", 0, "Ana Souza|Bruno Lima");
        linha("day with zero", F::DiaNascimento, "03", 0, "Élida Mota");
        linha("month", F::MesNascimento, "", 12, "Bruno Lima|Élida Mota");
        linha("year", F::AnoNascimento, "1975", 0, "Élida Mota");
        linha("street", F::Rua, "flores", 0, "Ana Souza");
        linha("district", F::Bairro, "centro", 0, "Ana Souza|Élida Mota");
        linha("city with accent", F::Cidade, "são paulo", 0, "Ana Souza|Élida Mota");
        linha("state", F::Estado, "sp", 0, "Ana Souza|Daniel Souza|Élida Mota");
        linha("day and month", F::DiaEMes, "15", 12, "Bruno Lima");
        linha("first letter", F::LetraInicial, "d", 0, "Daniel Souza");
        linha("first letter is not contained", F::LetraInicial, "s", 0, "");
        linha("group", F::Grupo, "", 0, "Bruno Lima|Élida Mota");
        linha("group code over 10000", F::Grupo, "", -1, "Daniel Souza");
        linha("home telephone", F::FoneResidencial, "3245", 0, "Ana Souza");
        linha("mobile", F::FoneCelular, "9876", 0, "Ana Souza");
        linha("business telephone", F::FoneComercial, "3245", 0, "Daniel Souza");
        linha("any telephone", F::FoneTodos, "3245", 0, "Ana Souza|Daniel Souza");
        linha("interest", F::Interesse, "", 1, "Ana Souza|Bruno Lima");
        linha("name", F::Nome, "souza", 0, "Ana Souza|Daniel Souza");
        linha("name empty: everybody visible", F::Nome, "", 0,
              "Ana Souza|Bruno Lima|Daniel Souza|Élida Mota");
        linha("voter title", F::Titulo, "123456789012", 0, "Ana Souza");
        linha("voter title, upper case", F::Titulo, "abc123", 0, "Élida Mota");
        linha("empty voter title", F::Titulo, "", 0, "Daniel Souza");
        // sorted by address: Santos before São Paulo
        linha("zone", F::Zona, "10", 0, "Daniel Souza|Ana Souza");
        linha("zone not a number is zone 0", F::Zona, "x", 0, "");
        linha("section", F::Seccao, "100", 0, "Ana Souza|Élida Mota");
        linha("profession with accent", F::Profissao, "médic", 0, "Daniel Souza|Ana Souza");
        linha("work place", F::LocalTrabalho, "central", 0, "Ana Souza");
        // Bruno works there but takes no mail
        linha("work place, mail only", F::LocalTrabalho, "construtora", 0, "");
    }
    void individuals()
    {
        QFETCH(int, filtro);
        QFETCH(QString, texto);
        QFETCH(int, numero);
        QFETCH(QStringList, esperado);
        PesquisaRelPF p;
        p.Numero = filtro;
        p.Texto = texto;
        p.Mes = numero;
        p.TipoCliente = numero;
        p.CodigoGrupo = numero == -1 ? m_s.vizinhos : m_s.clientes;
        p.Login = QStringLiteral("ana");
        QList<TPessoaFisica> achadas{TPessoaFisica(db())};
        const quint64 antes = Database::statementCount();
        const DbResult r = p.Executar(db(), achadas);
        QVERIFY2(r, qPrintable(r.error + QStringLiteral("\n") + r.sql));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(nomes(achadas), esperado);
    }

    void individualsByDates()
    {
        PesquisaRelPF p;
        p.Login = QStringLiteral("ana");
        QList<TPessoaFisica> achadas;
        p.Numero = PesquisaRelPF::DataNascimento;
        p.Data = EncodeDate(1980, 3, 15);
        QVERIFY(p.Executar(db(), achadas));
        QCOMPARE(nomes(achadas), QStringList{QStringLiteral("Ana Souza")});

        // interest 1 in December: Bruno became a client in November
        p.Numero = PesquisaRelPF::InteressePeriodo;
        p.TipoCliente = 1;
        p.Data = EncodeDate(2026, 12, 1);
        p.DataFinal = EncodeDate(2026, 12, 31);
        QVERIFY(p.Executar(db(), achadas));
        QCOMPARE(nomes(achadas), QStringList{QStringLiteral("Ana Souza")});
        p.Data = EncodeDate(2026, 11, 1);
        QVERIFY(p.Executar(db(), achadas));
        QCOMPARE(nomes(achadas), (QStringList{QStringLiteral("Bruno Lima"), QStringLiteral("Ana Souza")}));
    }

    void recordsComeBackComplete()
    {
        PesquisaRelPF p;
        p.Login = QStringLiteral("ANA"); // the login is compared in upper case
        p.Numero = PesquisaRelPF::Rua;
        p.Texto = QStringLiteral("flores");
        QList<TPessoaFisica> achadas;
        QVERIFY(p.Executar(db(), achadas));
        QCOMPARE(achadas.size(), 1);
        const TPessoaFisica &a = achadas.first();
        QCOMPARE(a.Identificador, m_s.ana);
        QCOMPARE(a.Tratamento, QStringLiteral("Dra."));
        QCOMPARE(a.MSN, QStringLiteral("ana@msn.com"));
        QCOMPARE(a.Grupo.Codigo, m_s.amigos);
        QCOMPARE(a.Grupo.Nome, QStringLiteral("Amigos"));
        QCOMPARE(a.Endereco.Cidade, QStringLiteral("São Paulo"));
        QCOMPARE(a.NomeAntigo, a.Nome);

        PesquisaRelPJ j;
        j.Login = QStringLiteral("ana");
        j.Numero = PesquisaRelPJ::Rua;
        j.Texto = QStringLiteral("augusta");
        QList<TPessoaJuridica> empresas;
        QVERIFY(j.Executar(db(), empresas));
        QCOMPARE(empresas.size(), 1);
        QCOMPARE(empresas.first().Identificador, m_s.alfa);
        QCOMPARE(empresas.first().Fone0800, QStringLiteral("08007770000"));
        QCOMPARE(empresas.first().Grupo.Nome, QStringLiteral("Clientes"));
    }

    void badNumbersAreErrorsAndEmptyTheList_data()
    {
        QTest::addColumn<int>("filtro");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("day") << int(PesquisaRelPF::DiaNascimento) << QStringLiteral("x1")
                             << QStringLiteral("\"x1\" não é um número válido para o dia.");
        QTest::newRow("day of day and month") << int(PesquisaRelPF::DiaEMes) << QString()
                                              << QStringLiteral("\"\" não é um número válido para o dia.");
        QTest::newRow("year") << int(PesquisaRelPF::AnoNascimento) << QStringLiteral("dois mil")
                              << QStringLiteral("\"dois mil\" não é um número válido para o ano.");
        QTest::newRow("no such filter") << 26 << QString() << QStringLiteral("A pesquisa 26 não existe.");
    }
    void badNumbersAreErrorsAndEmptyTheList()
    {
        QFETCH(int, filtro);
        QFETCH(QString, texto);
        QFETCH(QString, mensagem);
        PesquisaRelPF p;
        p.Login = QStringLiteral("ana");
        p.Numero = filtro;
        p.Texto = texto;
        QList<TPessoaFisica> achadas{TPessoaFisica(db())};
        const DbResult r = p.Executar(db(), achadas);
        QVERIFY(!r);
        QCOMPARE(r.texto(r.sql), mensagem);
        QVERIFY(achadas.isEmpty());
    }

    void aDatabaseErrorEmptiesTheList()
    {
        PesquisaRelPF p;
        p.Login = QStringLiteral("ana");
        p.Numero = PesquisaRelPF::Nome;
        p.Texto = QStringLiteral("Ł"); // not in Windows-1252: refused when bound
        QList<TPessoaFisica> achadas{TPessoaFisica(db())};
        QVERIFY(!p.Executar(db(), achadas));
        QVERIFY(achadas.isEmpty());
    }

    void companies_data()
    {
        QTest::addColumn<int>("filtro");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("vizinhos");
        QTest::addColumn<QStringList>("esperado");
        auto linha = [](const char *nome, int filtro, const char *texto, bool vizinhos,
                        const char *esperado) {
            QTest::newRow(nome) << filtro << QString::fromUtf8(texto) << vizinhos << lista(esperado);
        };
        using J = PesquisaRelPJ;
        linha("phonetic", J::NomeFonetico, "alfa", false, "Alfa Comércio");
        linha("phonetic, apostrophe", J::NomeFonetico, "o'neil", false, "");
        linha("street", J::Rua, "augusta", false, "Alfa Comércio");
        linha("district with accent", J::Bairro, "consola", false, "Alfa Comércio");
        linha("city", J::Cidade, "são paulo", false, "Alfa Comércio|Delta Ltda");
        linha("state", J::Estado, "rj", false, "Delta Ltda");
        linha("first letter", J::LetraInicial, "b", false, "Beta Serviços");
        linha("group", J::Grupo, "", false, "Alfa Comércio");
        linha("group code over 10000", J::Grupo, "", true, "Beta Serviços");
        linha("telephone", J::FoneComercial, "30001", false, "Alfa Comércio");
        linha("fax", J::Fax, "001", false, "Alfa Comércio|Delta Ltda");
        linha("mobile", J::Celular, "9222", false, "Delta Ltda");
        linha("name", J::Nome, "LTDA", false, "Delta Ltda");
        linha("name empty: every visible", J::Nome, "", false, "Alfa Comércio|Beta Serviços|Delta Ltda");
        linha("any telephone", J::FoneTodos, "001", false, "Alfa Comércio|Delta Ltda");
        linha("any telephone, mobile", J::FoneTodos, "9111", false, "Alfa Comércio");
    }
    void companies()
    {
        QFETCH(int, filtro);
        QFETCH(QString, texto);
        QFETCH(bool, vizinhos);
        QFETCH(QStringList, esperado);
        PesquisaRelPJ p;
        p.Numero = filtro;
        p.Texto = texto;
        p.CodigoGrupo = vizinhos ? m_s.vizinhos : m_s.clientes;
        p.Login = QStringLiteral("ana");
        QList<TPessoaJuridica> achadas;
        const quint64 antes = Database::statementCount();
        const DbResult r = p.Executar(db(), achadas);
        QVERIFY2(r, qPrintable(r.error + QStringLiteral("\n") + r.sql));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(nomes(achadas), esperado);
    }

    void grouped_data()
    {
        QTest::addColumn<int>("busca");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("mes");
        QTest::addColumn<QStringList>("esperado"); // name:kind, in list order
        auto linha = [](const char *nome, int busca, const char *texto, int mes, const char *esperado) {
            QTest::newRow(nome) << busca << QString::fromUtf8(texto) << mes << lista(esperado);
        };
        using T = PesquisaRelPTotal;
        // É sorts after Z in the database's order
        linha("name mixes the kinds", T::Nome, "ta", 0,
              "Beta Serviços:1|Bia Contato:2|Delta Ltda:1|Dora Delta:2|Zeca Semdata:2|Élida Mota:0");
        linha("name finds contacts of any group", T::Nome, "alfa", 0, "Alfa Comércio:1|Carlos Alfa:2");
        linha("first letter", T::LetraInicial, "b", 0, "Beta Serviços:1|Bia Contato:2|Bruno Lima:0");
        linha("December: no company, no contact without a date", T::MesNascimento, "", 12,
              "Bruno Lima:0|Carlos Alfa:2|Élida Mota:0");
        linha("May", T::MesNascimento, "", 5, "Bia Contato:2");
        linha("group", T::Grupo, "", 0,
              "Alfa Comércio:1|Bruno Lima:0|Carlos Alfa:2|Zeca Semdata:2|Élida Mota:0");
    }
    void grouped()
    {
        QFETCH(int, busca);
        QFETCH(QString, texto);
        QFETCH(int, mes);
        QFETCH(QStringList, esperado);
        PesquisaRelPTotal p;
        p.Busca = busca;
        p.Texto = texto;
        p.Mes = mes;
        p.CodigoGrupo = m_s.clientes;
        p.Login = QStringLiteral("ana");
        QList<TPessoa_> linhas;
        const quint64 antes = Database::statementCount();
        const DbResult r = p.Executar(db(), linhas);
        QVERIFY2(r, qPrintable(r.error + QStringLiteral("\n") + r.sql));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QStringList achados;
        for (const TPessoa_ &l : linhas)
            achados << l.Nome + QLatin1Char(':') + QString::number(l.Tipo);
        QCOMPARE(achados, esperado);
    }

    void groupedRowsCarryTheirKeysAndTelephones()
    {
        PesquisaRelPTotal p;
        p.Busca = PesquisaRelPTotal::Nome;
        p.Texto = QStringLiteral("a");
        p.Login = QStringLiteral("ana");
        QList<TPessoa_> linhas;
        QVERIFY(p.Executar(db(), linhas));
        QHash<QString, TPessoa_> porNome;
        for (const TPessoa_ &l : linhas)
            porNome.insert(l.Nome, l);
        QVERIFY(!porNome.contains(QStringLiteral("Carla Dias")));
        QVERIFY(!porNome.contains(QStringLiteral("Gama Oculta")));
        QVERIFY(!porNome.contains(QStringLiteral("Oculto Contato")));

        const TPessoa_ ana = porNome.value(QStringLiteral("Ana Souza"));
        QCOMPARE(ana.Identificador, m_s.ana);
        QCOMPARE(ana.IdentificadorPJ, 0);
        QCOMPARE(QStringList({ana.Fone1, ana.Fone2, ana.Fone3, ana.Fone4}),
                 QStringList({QStringLiteral("1132451234"), QStringLiteral("11987654321"),
                              QStringLiteral("1140001111"), QStringLiteral("ana@casa.com")}));
        const TPessoa_ alfa = porNome.value(QStringLiteral("Alfa Comércio"));
        QCOMPARE(alfa.Identificador, m_s.alfa);
        QCOMPARE(QStringList({alfa.Fone1, alfa.Fone2, alfa.Fone3, alfa.Fone4}),
                 QStringList({QStringLiteral("1130001000"), QStringLiteral("1130001001"),
                              QStringLiteral("11991112222"), QStringLiteral("contato@alfa.com")}));
        // a contact shows its telephone first and third, its mobile second
        const TPessoa_ carlos = porNome.value(QStringLiteral("Carlos Alfa"));
        QCOMPARE(carlos.Tipo, TPessoa_::Contato);
        QCOMPARE(carlos.Identificador, m_s.carlos);
        QCOMPARE(carlos.IdentificadorPJ, m_s.alfa);
        QCOMPARE(QStringList({carlos.Fone1, carlos.Fone2, carlos.Fone3, carlos.Fone4}),
                 QStringList({QStringLiteral("1130001010"), QStringLiteral("11990001010"),
                              QStringLiteral("1130001010"), QStringLiteral("carlos@contato.com")}));
    }

    void groupedFailureEmptiesTheList()
    {
        PesquisaRelPTotal p;
        p.Busca = PesquisaRelPTotal::Nome;
        p.Texto = QStringLiteral("Ł");
        p.Login = QStringLiteral("ana");
        QList<TPessoa_> linhas{TPessoa_{}};
        QVERIFY(!p.Executar(db(), linhas));
        QVERIFY(linhas.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPesquisaRelPessoas)
#include "TestPesquisaRelPessoas.moc"
