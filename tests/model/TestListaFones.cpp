// The telephone-list pages: what each list holds and in which order, the
// group counts, the history and contact persons read with one statement each
// whatever the number of persons, and a failing statement that leaves the
// older page alone.
#include "data/Query.h"
#include "data/TDM.h"
#include "model/ListaFones.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "util/DateTime.h"
#include "util/Win1252.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QtTest>

using namespace DbHelpers;
using ListaFones::Lista;
using ListaFones::Pedido;

Q_DECLARE_METATYPE(ListaFones::Lista)

namespace {

QString lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return Win1252::decode(f.readAll());
}

QString golden(const QString &nome)
{

    return lerArquivo(QStringLiteral(LUMISTO_SOURCE_DIR "/tests/data/") + nome);
}

TDateTime dia(int ano, int mes, int d)
{
    return EncodeDate(ano, mes, d);
}

} // namespace

class TestListaFones : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

    int atualizar(const QString &tabela, int id, const QVariantMap &campos)
    {
        QVariantMap p = campos;
        p.insert(QStringLiteral("ID"), id);
        QStringList sets;
        for (auto it = campos.begin(); it != campos.end(); ++it)
            sets << it.key() + QStringLiteral(" = :") + it.key();
        if (!exec(db(),
                  QStringLiteral("UPDATE ") + tabela + QStringLiteral(" SET ") +
                      sets.join(QStringLiteral(", ")) + QStringLiteral(" WHERE IDENTIFICADOR = :ID"),
                  p))
            qFatal("cannot set up %s %d", qPrintable(tabela), id);
        return id;
    }
    int pf(const QString &nome, int grupo, const QString &login, int publica, const QVariantMap &campos)
    {
        return atualizar(QStringLiteral("PESSOAFISICA"),
                         insertPessoaFisica(db(), nome, grupo, login, publica), campos);
    }
    int pj(const QString &nome, int grupo, const QString &login, int publica, const QVariantMap &campos)
    {
        return atualizar(QStringLiteral("PESSOAJURIDICA"),
                         insertPessoaJuridica(db(), nome, grupo, login, publica), campos);
    }
    void historico(int pessoa, int tipo, TDateTime data, const QString &texto)
    {
        QVERIFY(
            exec(db(),
                 QStringLiteral("INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA, DATA, TEXTO) VALUES (:P, "
                                ":T, :D, :X)"),
                 {{QStringLiteral("P"), pessoa},
                  {QStringLiteral("T"), tipo},
                  {QStringLiteral("D"), data},
                  {QStringLiteral("X"), texto}}));
    }
    void contato(int empresa, const QString &nome, const QString &funcao, const QVariantMap &campos = {})
    {
        QVariantMap p = campos;
        p.insert(QStringLiteral("PJ"), empresa);
        p.insert(QStringLiteral("NOME"), nome);
        p.insert(QStringLiteral("FUNCAO"), funcao);
        QString colunas = QStringLiteral("IDENTIFICADOR_PJ, NOME, FUNCAO");
        QString valores = QStringLiteral(":PJ, :NOME, :FUNCAO");
        for (auto it = campos.begin(); it != campos.end(); ++it) {
            colunas += QStringLiteral(", ") + it.key();
            valores += QStringLiteral(", :") + it.key();
        }
        QVERIFY(exec(db(),
                     QStringLiteral("INSERT INTO CONTATO_PJ (") + colunas + QStringLiteral(") VALUES (") +
                         valores + QLatin1Char(')'),
                     p));
    }

    Pedido pedido(Lista lista, int tipo)
    {
        Pedido p;
        p.lista = lista;
        p.tipo = tipo;
        p.login = QStringLiteral("ana");
        p.inicio = dia(2026, 11, 8);
        p.fim = dia(2026, 12, 8);
        p.larguraTela = 1280;
        p.agora = QDateTimeToDateTime(m_seams.clock->now());
        return p;
    }

    // The page as Escrever hands it over, checked to be one page.
    QString pagina(const Pedido &p)
    {
        QStringList linhas;
        const DbResult r = ListaFones::Escrever(p, [&linhas](const QString &l) { linhas << l; });
        if (!r)
            qWarning("%s", qPrintable(r.error));
        return r ? linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n") : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        for (const char *login : {"ana", "bia", "carla"})
            QVERIFY(insertUsuario(db(), QString::fromLatin1(login)));
        const int amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        const int clientes = insertGrupo(db(), QStringLiteral("Clientes"));
        QVERIFY(insertGrupo(db(), QStringLiteral("Vazio")) > 0);

        // individuals and companies share identifiers: Carlos and Acme are
        // both 1, Amanda and the bakery both 2
        const int carlos = pf(QStringLiteral("Carlos Souza"), amigos, QStringLiteral("ana"), 0,
                              {{QStringLiteral("TRATAMENTO"), QStringLiteral("Sr.")},
                               {QStringLiteral("PROFISSAO"), QStringLiteral("Engenheiro")},
                               {QStringLiteral("RUA"), QStringLiteral("Rua das Flores")},
                               {QStringLiteral("NUMERO"), 7},
                               {QStringLiteral("BAIRRO"), QStringLiteral("Centro")},
                               {QStringLiteral("CIDADE"), QStringLiteral("São Paulo")},
                               {QStringLiteral("ESTADO"), QStringLiteral("SP")},
                               {QStringLiteral("CEP"), 1234567},
                               {QStringLiteral("EMAIL"), QStringLiteral("carlos@exemplo.com.br")},
                               {QStringLiteral("MSN"), QStringLiteral("carlos@msn.com")},
                               {QStringLiteral("FONE_RESIDENCIAL"), QStringLiteral("1132451234")},
                               {QStringLiteral("FONE_COMERCIAL"), QStringLiteral("32451234")},
                               {QStringLiteral("FONE_CELULAR"), QStringLiteral("11987654321")},
                               {QStringLiteral("DATA_NASCIMENTO"), dia(1980, 12, 15)}});
        const int amanda = pf(QStringLiteral("Amanda <Alves> & Cia"), amigos, QStringLiteral("bia"), 1,
                              {{QStringLiteral("TRATAMENTO"), QStringLiteral("Sra.")},
                               {QStringLiteral("PROFISSAO"), QStringLiteral("Médica")},
                               {QStringLiteral("RUA"), QStringLiteral("Rua \"Sete\"")},
                               {QStringLiteral("BAIRRO"), QStringLiteral("Vila Nova")},
                               {QStringLiteral("CIDADE"), QStringLiteral("Campinas")},
                               {QStringLiteral("ESTADO"), QStringLiteral("SP")},
                               {QStringLiteral("CEP"), 13010000},
                               {QStringLiteral("DATA_NASCIMENTO"), dia(1982, 3, 5)}});
        pf(QStringLiteral("Paula Reservada"), amigos, QStringLiteral("bia"), 0,
           {{QStringLiteral("BAIRRO"), QStringLiteral("Centro")}});
        const int beatriz = pf(QStringLiteral("Beatriz Lima"), clientes, QStringLiteral("bia"), 1,
                               {{QStringLiteral("TRATAMENTO"), QStringLiteral("Dra.")},
                                {QStringLiteral("BAIRRO"), QStringLiteral("Centro")},
                                {QStringLiteral("NUMERO"), 1234},
                                {QStringLiteral("DATA_NASCIMENTO"), dia(1990, 12, 8)}});
        const int acme = pj(QStringLiteral("Acme Limitada"), clientes, QStringLiteral("ana"), 1,
                            {{QStringLiteral("CNPJ"), QStringLiteral("11222333000181")},
                             {QStringLiteral("FONE"), QStringLiteral("1133334444")},
                             {QStringLiteral("FONE_FAX"), QStringLiteral("1133335555")},
                             {QStringLiteral("FONE_0800"), QStringLiteral("08001234567")},
                             {QStringLiteral("EMAIL"), QStringLiteral("contato@acme.com.br")},
                             {QStringLiteral("HOME_PAGE"), QStringLiteral("www.acme.com.br")},
                             {QStringLiteral("RUA"), QStringLiteral("Av. Brasil")},
                             {QStringLiteral("NUMERO"), 1500},
                             {QStringLiteral("BAIRRO"), QStringLiteral("Jardim Centro")},
                             {QStringLiteral("CIDADE"), QStringLiteral("Campinas")},
                             {QStringLiteral("ESTADO"), QStringLiteral("SP")},
                             {QStringLiteral("CEP"), 13010100}});
        const int padaria = pj(QStringLiteral("Padaria Pão Quente"), amigos, QStringLiteral("bia"), 1,
                               {{QStringLiteral("HOME_PAGE"), QStringLiteral("https://padaria.com.br")},
                                {QStringLiteral("NUMERO"), 45},
                                {QStringLiteral("BAIRRO"), QStringLiteral("Bela Vista")}});
        QCOMPARE(carlos, acme);
        QCOMPARE(amanda, padaria);

        contato(acme, QStringLiteral("Joana Prado"), QStringLiteral("Compras"),
                {{QStringLiteral("EMAIL"), QStringLiteral("joana@acme.com.br")},
                 {QStringLiteral("FONE"), QStringLiteral("1133336666")},
                 {QStringLiteral("CELULAR"), QStringLiteral("11999998888")},
                 {QStringLiteral("RAMAL"), 12}});
        contato(acme, QStringLiteral("Bruno Dias"), QStringLiteral("Vendas"));

        historico(carlos, 0, dia(2026, 12, 1), QStringLiteral("Visita & almoço"));
        historico(carlos, 0, dia(2026, 11, 20), QStringLiteral("Ligou.\r\nRetornar <amanhã>"));
        historico(carlos, 0, dia(2026, 10, 1), QStringLiteral("Antes do período"));
        historico(acme, 1, dia(2026, 11, 25), QStringLiteral("Pedido 1"));
        historico(padaria, 1, dia(2026, 12, 8), QStringLiteral("Fornada"));
        historico(beatriz, 0, dia(2025, 5, 1), QStringLiteral("Fora do período"));
    }

    void init() { m_seams.messages->clear(); }

    // Both kinds by group: sections in group order with their counts, the
    // private person of another login left out, numbers, postal codes,
    // telephones and links formatted, every text escaped.
    void allGroupsPage()
    {
        Pedido p = pedido(Lista::TodosOsGrupos, ListaFones::FisicaEJuridica);
        p.larguraTela = 1024;
        QCOMPARE(ListaFones::GravarEAbrir(p), Resultado::Gravado);
        const QString arquivo = m_folder.file(QStringLiteral("Fones_PF_PJ.html"));
        QCOMPARE(m_seams.shell->opened.last(), arquivo);
        const QString escrita = lerArquivo(arquivo);
        for (const char *texto :
             {"AMIGOS</font><font face=\"Arial\" size=\"3\"> :: 00003 :: ",
              "CLIENTES</font><font face=\"Arial\" size=\"3\"> :: 00002 :: ", ", s/n - Vila Nova",
              "Rua das Flores, 007 - Centro", "01234-567", "0800 12 34 567",
              "<a href=\"mailto:carlos@exemplo.com.br\">", "Amanda &lt;Alves&gt; &amp; Cia"})
            QVERIFY2(escrita.contains(QString::fromUtf8(texto)), texto);
        QVERIFY(!escrita.contains(QStringLiteral("Paula")));
        const QString esperado = golden(QStringLiteral("fones_todos_grupos_pf_pj.html"));
        QVERIFY(!esperado.isEmpty());
        QCOMPARE(escrita, esperado);
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    // Only persons with entries between the dates, each with its own
    // entries by date (an individual and a company with the same identifier
    // keep theirs apart); without the filter everybody is listed.
    void historyPage()
    {
        Pedido p = pedido(Lista::Historico, ListaFones::FisicaEJuridica);
        const QString apenas = pagina(p);
        const QString esperado = golden(QStringLiteral("fones_historico_pf_pj.html"));
        QVERIFY(!esperado.isEmpty());
        QCOMPARE(apenas, esperado);
        QVERIFY(apenas.contains(QStringLiteral("Ligou.<BR>Retornar &lt;amanhã&gt;")));
        for (const char *ausente : {"Amanda", "Beatriz", "Antes do período", "Fora do período"})
            QVERIFY2(!apenas.contains(QString::fromUtf8(ausente)), ausente);

        p.apenasComHistorico = false;
        const QString todos = pagina(p);
        for (const char *presente : {"Amanda", "Beatriz", "Fornada"})
            QVERIFY2(todos.contains(QString::fromUtf8(presente)), presente);
        QCOMPARE(todos.count(QStringLiteral("Lista de Históricos")), 3);
        QVERIFY(!todos.contains(QStringLiteral("Fora do período")));
    }

    // Each list kind: its title, who is in it (in order) and who is not.
    void lists_data()
    {
        QTest::addColumn<Lista>("lista");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("texto"); // district or name, by list
        QTest::addColumn<QStringList>("presentes");
        QTest::addColumn<QStringList>("ausentes");
        const QString semTexto;
        QTest::newRow("district, empty, lists all grouped")
            << Lista::Bairro << 2 << semTexto
            << QStringList{QStringLiteral(":: Telefones de Pessoas Físicas e Jurídicas :: (Bairo: )"),
                           QStringLiteral("Grupo: </b>AMIGOS</font><BR>"),
                           QStringLiteral("Padaria"),
                           QStringLiteral("Carlos"),
                           QStringLiteral("Amanda"),
                           QStringLiteral("Beatriz"),
                           QStringLiteral("Acme")}
            << QStringList{QStringLiteral(" :: 0000"), QStringLiteral("Paula")};
        QTest::newRow("district of individuals")
            << Lista::Bairro << 0 << QStringLiteral("cen")
            << QStringList{QStringLiteral(":: Telefones de Pessoas Físicas :: (Bairo: cen)"),
                           QStringLiteral("Carlos"), QStringLiteral("Beatriz")}
            << QStringList{QStringLiteral("Amanda"), QStringLiteral("Acme")};
        QTest::newRow("district of companies")
            << Lista::Bairro << 1 << QStringLiteral("<centro>")
            << QStringList{QStringLiteral(":: Telefones de Pessoas Jurídicas :: (Bairro: &lt;centro&gt;)"),
                           QStringLiteral("há dados a ser visualizado!")}
            << QStringList{QStringLiteral("Acme")};
        QTest::newRow("by name, complete")
            << Lista::Completa << 2 << QStringLiteral("li")
            << QStringList{QStringLiteral(
                               ":: Telefones de Pessoas Físicas e Jurídicas Em Ondem Alfabética ::"),
                           QStringLiteral("Acme Limitada"), QStringLiteral("Lista de Contatos"),
                           QStringLiteral("Beatriz Lima")}
            << QStringList{QStringLiteral("Grupo: "), QStringLiteral("Carlos"),
                           QStringLiteral("Lista de Históricos")};
        QTest::newRow("by name, summary")
            << Lista::Resumida << 2 << semTexto
            << QStringList{QStringLiteral(" Em Ondem Alfabética - Simplificado ::"),
                           QStringLiteral("bgcolor=\"#ECF4B0\"><tr><td width=\"40%\"><font face=\"Arial\" "
                                          "size=\"2\">Acme Limitada</font></td><td width=\"20%\"><font "
                                          "face=\"Arial\" size=\"2\"><b>Fone: </b>(11)3333-4444"),
                           QStringLiteral("<b>0800: </b>0800 12 34 567"),
                           QStringLiteral("bgcolor=\"#ECF480\"><tr><td width=\"40%\"><font face=\"Arial\" "
                                          "size=\"2\">Sra. Amanda"),
                           QStringLiteral("<b>Cel.: </b>(11)98765-4321")}
            << QStringList{QStringLiteral("Lista de Contatos"), QStringLiteral("Paula")};
        QTest::newRow("individuals' title lacks a blank")
            << Lista::Completa << 0 << semTexto
            << QStringList{QStringLiteral(":: Telefones de Pessoas Físicas Em Ondem Alfabética::")}
            << QStringList{QStringLiteral("Acme")};
        QTest::newRow("companies without contacts' heading when they have none")
            << Lista::TodosOsGrupos << 1 << semTexto
            << QStringList{QStringLiteral(":: Telefones de Pessoas Jurídicas ::"),
                           QStringLiteral("AMIGOS</font><font face=\"Arial\" size=\"3\"> :: 00001 :: "),
                           QStringLiteral("<b>Home Page: </b><a href=\"https://padaria.com.br\">"),
                           QStringLiteral("<a href=\"http://www.acme.com.br\">www.acme.com.br</a>")}
            << QStringList{QStringLiteral("Carlos"), QStringLiteral("Profissão")};
    }
    void lists()
    {
        QFETCH(Lista, lista);
        QFETCH(int, tipo);
        QFETCH(QString, texto);
        QFETCH(QStringList, presentes);
        QFETCH(QStringList, ausentes);
        Pedido p = pedido(lista, tipo);
        p.bairro = texto;
        p.nome = texto;
        const QString html = pagina(p);
        QVERIFY(!html.isEmpty());
        qsizetype anterior = -1;
        for (const QString &s : presentes) {
            const qsizetype onde = html.indexOf(s);
            QVERIFY2(onde >= 0, qPrintable(s));
            QVERIFY2(onde > anterior, qPrintable(QStringLiteral("out of order: ") + s));
            anterior = onde;
        }
        for (const QString &s : ausentes)
            QVERIFY2(!html.contains(s), qPrintable(s));
    }

    // The month's individuals, grouped without counts, with the birth date
    // when asked for; companies have no birthday list.
    void birthdays()
    {
        Pedido p = pedido(Lista::Aniversario, ListaFones::Fisica);
        p.mes = 12;
        p.comNascimento = true;
        const QString comData = pagina(p);
        QVERIFY(comData.contains(
            QStringLiteral(":: Telefones de Pessoas Físicas :: por Mês de Aniversário (Dezembro)")));
        QVERIFY(comData.contains(QStringLiteral("Sr. Carlos Souza (15/12/1980)")));
        QVERIFY(comData.contains(QStringLiteral("Dra. Beatriz Lima (08/12/1990)")));
        QVERIFY(comData.indexOf(QStringLiteral("AMIGOS")) < comData.indexOf(QStringLiteral("CLIENTES")));
        QVERIFY(!comData.contains(QStringLiteral("Amanda")));
        QVERIFY(!comData.contains(QStringLiteral(" :: 0000")));

        p.comNascimento = false;
        QVERIFY(pagina(p).contains(QStringLiteral("Sr. Carlos Souza</font>")));

        p.tipo = ListaFones::Juridica;
        const quint64 antes = Database::statementCount();
        const QString empresas = pagina(p);
        QCOMPARE(Database::statementCount(), antes);
        QVERIFY(empresas.contains(QStringLiteral("<b> Não </b>há dados a ser visualizado!")));
    }

    // A group nobody is in gets its own empty text, in the kind's file.
    void emptyGroup_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("arquivo");
        QTest::newRow("individuals") << 0 << QStringLiteral("Fones_PF.html");
        QTest::newRow("companies") << 1 << QStringLiteral("Fones_PJ.html");
        QTest::newRow("both") << 2 << QStringLiteral("Fones_PF_PJ.html");
    }
    void emptyGroup()
    {
        QFETCH(int, tipo);
        QFETCH(QString, arquivo);
        Pedido p = pedido(Lista::Grupo, tipo);
        p.grupo = QStringLiteral("Vazio");
        QCOMPARE(ListaFones::GravarEAbrir(p), Resultado::Gravado);
        const QString html = lerArquivo(m_folder.file(arquivo));
        QVERIFY(html.contains(QStringLiteral("<b> Não </b>há dados do grupo \"Vazio\" a ser visualizado!")));
        QVERIFY(!html.contains(QStringLiteral("Grupo: ")));
    }

    // One group: individuals or companies alone match its name as listed,
    // both kinds in any letter case; the count is always by the name in
    // upper case.
    void oneGroup_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<QString>("grupo");
        QTest::addColumn<QString>("contagem");
        QTest::newRow("individuals") << 0 << QStringLiteral("Amigos") << QStringLiteral(" :: 00002 :: ");
        QTest::newRow("individuals, other case") << 0 << QStringLiteral("AMIGOS") << QString();
        QTest::newRow("both, other case") << 2 << QStringLiteral("amigos") << QStringLiteral(" :: 00003 :: ");
    }
    void oneGroup()
    {
        QFETCH(int, tipo);
        QFETCH(QString, grupo);
        QFETCH(QString, contagem);
        Pedido p = pedido(Lista::Grupo, tipo);
        p.grupo = grupo;
        const QString html = pagina(p);
        QCOMPARE(html.contains(QStringLiteral("Carlos Souza")), !contagem.isEmpty());
        if (!contagem.isEmpty())
            QVERIFY(
                html.contains(QStringLiteral("AMIGOS</font><font face=\"Arial\" size=\"3\">") + contagem));
        QVERIFY(!html.contains(QStringLiteral("Beatriz")));
    }

    // Arial 3 on a screen exactly 1024 wide, 2 on any other; the headings
    // stay 3.
    void fontSize_data()
    {
        QTest::addColumn<int>("largura");
        QTest::addColumn<QString>("tamanho");
        QTest::newRow("1024") << 1024 << QStringLiteral("3");
        QTest::newRow("800") << 800 << QStringLiteral("2");
        QTest::newRow("1280") << 1280 << QStringLiteral("2");
    }
    void fontSize()
    {
        QFETCH(int, largura);
        QFETCH(QString, tamanho);
        Pedido p = pedido(Lista::Completa, ListaFones::Juridica);
        p.larguraTela = largura;
        const QString html = pagina(p);
        QVERIFY(html.contains(QStringLiteral("<font face=\"Arial\" size=\"") + tamanho +
                              QStringLiteral("\"><b>Nome: </b>Acme Limitada")));
        QVERIFY(html.contains(QStringLiteral("size=\"3\" color=\"#F55590\"><b>Lista de Contatos")));
    }

    // The statements of a list do not grow with the persons in it: 50 and
    // 500 persons with history and contacts take as many.
    void statementsDoNotGrowWithPersons()
    {
        const int massa = insertGrupo(db(), QStringLiteral("Massa"));
        auto inserir = [&](int de, int ate) {
            dbOperationOuFalha(db(), [&](Transaction &t) {
                Query f(t, QStringLiteral(
                               "INSERT INTO PESSOAFISICA (COD_GRUPO, NOME, NUMERO, CEP, CP, ENVIAR, "
                               "PUBLICA, LOGIN, SEXO, ESTADO_CIVIL, INFORMAR_ANIVERSARIO, "
                               "DATA_NASCIMENTO, BAIRRO) VALUES (:G, :NOME, 1, 1, 0, 1, 0, 'carla', 0, "
                               "0, 0, '2000-12-01', 'Centro') RETURNING IDENTIFICADOR"));
                Query j(
                    t, QStringLiteral("INSERT INTO PESSOAJURIDICA (COD_GRUPO, NOME, NUMERO, CEP, CP, ENVIAR, "
                                      "PUBLICA, LOGIN, BAIRRO) VALUES (:G, :NOME, 1, 1, 0, 1, 0, 'carla', "
                                      "'Centro') RETURNING IDENTIFICADOR"));
                Query c(t, QStringLiteral(
                               "INSERT INTO CONTATO_PJ (IDENTIFICADOR_PJ, NOME) VALUES (:PJ, 'Contato')"));
                Query h(t,
                        QStringLiteral("INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA, DATA, TEXTO) VALUES "
                                       "(:P, :T, '2026-12-01', 'Entrada')"));
                for (int i = de; i < ate; ++i) {
                    Query &q = i % 2 ? j : f;
                    q.setInt(QStringLiteral("G"), massa);
                    q.setText(QStringLiteral("NOME"),
                              QStringLiteral("Pessoa %1").arg(i, 4, 10, QLatin1Char('0')));
                    q.execute();
                    q.next();
                    const int id = q.field(0).asInt();
                    q.close();
                    h.setInt(QStringLiteral("P"), id);
                    h.setInt(QStringLiteral("T"), i % 2);
                    h.execute();
                    if (i % 2) {
                        c.setInt(QStringLiteral("PJ"), id);
                        c.execute();
                    }
                }
            });
        };
        const QList<Lista> listas = {Lista::TodosOsGrupos, Lista::Grupo,    Lista::Bairro,
                                     Lista::Aniversario,   Lista::Completa, Lista::Resumida,
                                     Lista::Historico};
        auto contar = [&]() {
            QList<quint64> n;
            for (Lista lista : listas) {
                Pedido p = pedido(lista, ListaFones::FisicaEJuridica);
                p.login = QStringLiteral("carla");
                p.grupo = QStringLiteral("Massa");
                p.mes = 12;
                const quint64 antes = Database::statementCount();
                QStringList linhas;
                const DbResult r = ListaFones::Escrever(p, [&linhas](const QString &l) { linhas << l; });
                if (!r)
                    qFatal("%s", qPrintable(r.error));
                n << Database::statementCount() - antes;
                if (lista == Lista::Historico && linhas.join(QString()).count(QStringLiteral("Entrada")) < 50)
                    qFatal("history missing");
            }
            return n;
        };
        inserir(0, 50);
        const QList<quint64> com50 = contar();
        inserir(50, 500);
        QCOMPARE(contar(), com50);
        // the history list reads the history, the contacts and the persons
        QCOMPARE(com50.last(), quint64(3));
    }

    // A page that cannot be written is said so and nothing is opened.
    void unwritablePage()
    {
        const QString arquivo = m_folder.file(QStringLiteral("Fones_PJ.html"));
        QFile::remove(arquivo);
        QVERIFY(QDir().mkdir(arquivo));
        const auto remover = qScopeGuard([&arquivo] { QDir().rmdir(arquivo); });
        const int abertas = m_seams.shell->opened.size();
        QCOMPARE(ListaFones::GravarEAbrir(pedido(Lista::TodosOsGrupos, ListaFones::Juridica)),
                 Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown,
                 QStringList{QStringLiteral("Não foi possível gravar o arquivo ") + arquivo});
        QCOMPARE(m_seams.shell->opened.size(), abertas);
    }

    // CONTATO_PJ renamed away in a scratch database: the error is shown, no
    // page is written and the older one stays as it was.
    void failingStatementKeepsOlderPage()
    {
        const auto voltar = qScopeGuard([this] {
            qputenv("LUMISTO_PROGRAM_DIR", m_folder.path().toLocal8Bit());
            m_dm = m_folder.connect();
        });
        TestFolder rascunho;
        QVERIFY2(rascunho.createDatabase(), qPrintable(rascunho.lastError));
        std::unique_ptr<TDM> dm = rascunho.connect();
        Database &banco = dm->BancoDados;
        QVERIFY(insertUsuario(banco, QStringLiteral("ana")));
        const int grupo = insertGrupo(banco, QStringLiteral("Amigos"));
        QVERIFY(insertPessoaJuridica(banco, QStringLiteral("Acme"), grupo, QStringLiteral("ana")) > 0);
        QVERIFY(exec(
            banco, QStringLiteral("CREATE TABLE CONTATOS_PJ (IDENTIFICADOR_PJ INTEGER, NOME VARCHAR(100))")));
        QVERIFY(exec(banco, QStringLiteral("DROP TABLE CONTATO_PJ")));

        const QString arquivo = rascunho.file(QStringLiteral("Fones_PF_PJ.html"));
        {
            QFile antiga(arquivo);
            QVERIFY(antiga.open(QIODevice::WriteOnly));
            antiga.write("<html>antiga</html>");
        }
        const int abertas = m_seams.shell->opened.size();
        QCOMPARE(ListaFones::GravarEAbrir(pedido(Lista::TodosOsGrupos, ListaFones::FisicaEJuridica)),
                 Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown[0].contains(QStringLiteral("CONTATO_PJ")));
        QCOMPARE(m_seams.shell->opened.size(), abertas);
        QCOMPARE(lerArquivo(arquivo), QStringLiteral("<html>antiga</html>"));

        // without the contact persons the list needs no such table
        Pedido semContatos = pedido(Lista::TodosOsGrupos, ListaFones::FisicaEJuridica);
        semContatos.contatos = false;
        QCOMPARE(ListaFones::GravarEAbrir(semContatos), Resultado::Gravado);
        QVERIFY(lerArquivo(arquivo).contains(QStringLiteral("<b>Nome: </b>Acme")));
        dm.reset();
    }
};

QTEST_MAIN(TestListaFones)
#include "TestListaFones.moc"
