// The main window's three list tabs: this month's birthdays and their page,
// the emergency telephones and the telephone search by name, each over the
// persons the user may see, and what a double-click or the pop-up opens.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TPessoaFisica.h"
#include "model/TUsuario.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/Modelos.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/session/ListaAniversariantes.h"
#include "ui/session/ListaPessoasResumo.h"
#include "ui/session/TfrPrincipalAC.h"
#include "util/DateTime.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using namespace DbHelpers;

namespace {

QStringList linhas(const QAbstractItemView *lista)
{
    QStringList out;
    for (int i = 0; i < lista->model()->rowCount(); ++i)
        out << lista->model()->index(i, 0).data().toString();
    return out;
}

QString lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return Win1252::decode(f.readAll());
}

} // namespace

class TestListasPrincipal : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    RecordingNavigator *m_nav = nullptr;
    TUsuario m_ana;
    int m_amigos = 0;
    QHash<QString, int> m_id;
    Database &db() { return m_dm->BancoDados; }

    // An individual with a birthday, the reminder flag and telephones.
    int pf(const QString &nome, const QString &login, int publica, QDate nascimento, int lembrar,
           const QVariantMap &extra = {})
    {
        const int id = insertPessoaFisica(db(), nome, m_amigos, login, publica);
        QVariantMap p = extra;
        p.insert(QStringLiteral("ID"), id);
        p.insert(QStringLiteral("NASC"), QDateToDateTime(nascimento));
        p.insert(QStringLiteral("LEMBRAR"), lembrar);
        QString sets = QStringLiteral("DATA_NASCIMENTO = :NASC, INFORMAR_ANIVERSARIO = :LEMBRAR");
        for (auto it = extra.begin(); it != extra.end(); ++it)
            sets += QStringLiteral(", ") + it.key() + QStringLiteral(" = :") + it.key();
        if (!exec(db(),
                  QStringLiteral("UPDATE PESSOAFISICA SET ") + sets +
                      QStringLiteral(" WHERE IDENTIFICADOR = :ID"),
                  p))
            qFatal("cannot set up %s", qPrintable(nome));
        m_id.insert(nome, id);
        return id;
    }
    int pj(const QString &nome, const QString &login, int publica, const QVariantMap &extra)
    {
        const int id = insertPessoaJuridica(db(), nome, m_amigos, login, publica);
        QVariantMap p = extra;
        p.insert(QStringLiteral("ID"), id);
        QStringList sets;
        for (auto it = extra.begin(); it != extra.end(); ++it)
            sets << it.key() + QStringLiteral(" = :") + it.key();
        if (!exec(db(),
                  QStringLiteral("UPDATE PESSOAJURIDICA SET ") + sets.join(QStringLiteral(", ")) +
                      QStringLiteral(" WHERE IDENTIFICADOR = :ID"),
                  p))
            qFatal("cannot set up %s", qPrintable(nome));
        m_id.insert(nome, id);
        return id;
    }

    std::unique_ptr<TfrPrincipalAC> janela()
    {
        auto w = std::make_unique<TfrPrincipalAC>(m_ana);
        TestarModelos(w.get());
        w->show();
        // the lists fill once the window has shown
        if (!QTest::qWaitFor([&] { return w->ListasCarregadas(); }))
            qFatal("the main window's lists never filled");
        return w;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("bia")));
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        m_ana = TUsuario(db());
        m_ana.Login = QStringLiteral("ana");
        m_ana.Nome = QStringLiteral("Ana");
        m_ana.Tipo = 1;
        m_amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        QVERIFY(m_amigos > 0);

        // today is 08/12/2026
        pf(QStringLiteral("Carlos Souza"), QStringLiteral("ana"), 0, QDate(1980, 12, 15), 1,
           {{QStringLiteral("APELIDO"), QStringLiteral("Carlão")},
            {QStringLiteral("EMAIL"), QStringLiteral("carlos@exemplo.com.br")},
            {QStringLiteral("FONE_CELULAR"), QStringLiteral("11987654321")},
            {QStringLiteral("FONE_COMERCIAL"), QStringLiteral("1132451234")},
            {QStringLiteral("TRATAMENTO"), QStringLiteral("Sr.")},
            {QStringLiteral("GUIA"), 1},
            {QStringLiteral("CIDADE"), QStringLiteral("São Paulo")}});
        pf(QStringLiteral("Amanda <Alves> & Cia"), QStringLiteral("bia"), 1, QDate(1982, 12, 15), 1,
           {{QStringLiteral("APELIDO"), QStringLiteral("Mandy")}});
        pf(QStringLiteral("Beatriz Lima"), QStringLiteral("bia"), 1, QDate(1990, 12, 8), 1,
           {{QStringLiteral("FONE_RESIDENCIAL"), QStringLiteral("32451234")}});
        pf(QStringLiteral("Paula Reservada"), QStringLiteral("bia"), 0, QDate(1985, 12, 8), 1,
           {{QStringLiteral("GUIA"), 1}});
        pf(QStringLiteral("Daniel Novembro"), QStringLiteral("ana"), 1, QDate(1970, 11, 8), 1);
        pf(QStringLiteral("Eva Sem Lembrete"), QStringLiteral("ana"), 1, QDate(1999, 12, 1), 0);
        pj(QStringLiteral("Acme Limitada"), QStringLiteral("ana"), 1,
           {{QStringLiteral("CNPJ"), QStringLiteral("11222333000181")},
            {QStringLiteral("FONE"), QStringLiteral("1133334444")},
            {QStringLiteral("FONE_0800"), QStringLiteral("08001234567")},
            {QStringLiteral("EMAIL"), QStringLiteral("contato@acme.com.br")},
            {QStringLiteral("CIDADE"), QStringLiteral("Campinas")},
            {QStringLiteral("GUIA"), 1}});
        pf(QStringLiteral("Fabio Sem Grupo"), QStringLiteral("ana"), 1, QDate(1975, 12, 8), 1);
        QVERIFY(exec(db(),
                     QStringLiteral("UPDATE PESSOAFISICA SET COD_GRUPO = NULL WHERE IDENTIFICADOR = :ID"),
                     {{QStringLiteral("ID"), m_id.value(QStringLiteral("Fabio Sem Grupo"))}}));
        pj(QStringLiteral("Padaria Sem Grupo"), QStringLiteral("ana"), 1, {{QStringLiteral("GUIA"), 1}});
        QVERIFY(exec(db(),
                     QStringLiteral("UPDATE PESSOAJURIDICA SET COD_GRUPO = NULL WHERE IDENTIFICADOR = :ID"),
                     {{QStringLiteral("ID"), m_id.value(QStringLiteral("Padaria Sem Grupo"))}}));
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.shell->opened.clear();
        m_nav = RecordingNavigator::install(
            {QStringLiteral("TfrPessoaFisica"), QStringLiteral("TfrPessoaJuridica"),
             QStringLiteral("TfrHistorico"), QStringLiteral("TfrContatoPJ"),
             QStringLiteral("TfrAcessoRapidoPF"), QStringLiteral("TfrAcessoRapidoPJ")});
    }
    void cleanupTestCase() { m_dm.reset(); }

    // The window shows before its lists are read; they fill right after.
    void theWindowShowsBeforeItsListsFill()
    {
        auto w = std::make_unique<TfrPrincipalAC>(m_ana);
        const quint64 antes = Database::statementCount();
        w->show();
        QVERIFY(!w->ListasCarregadas());
        auto *lista = child<ListaAniversariantes>(w.get(), QStringLiteral("Lista"));
        QCOMPARE(lista->quantidade(), 0);
        QTRY_VERIFY(w->ListasCarregadas());
        QCOMPARE(lista->quantidade(), 3);
        QVERIFY(Database::statementCount() > antes);
    }

    void birthdaysOfTheMonth()
    {
        auto w = janela();
        QCOMPARE(child<QLabel>(w.get(), QStringLiteral("Panel2"))->text(),
                 QStringLiteral("  Aniversariantes do mês de: Dezembro"));
        auto *lista = child<ListaAniversariantes>(w.get(), QStringLiteral("Lista"));
        // visible, flagged, this month, with a group; by day, then name
        QCOMPARE(linhas(lista),
                 QStringList({
                     QStringLiteral("08/12 -- Beatriz Lima ::  :  : - : -"),
                     QStringLiteral("15/12 -- Amanda <Alves> & Cia :: Mandy :  : - : -"),
                     QStringLiteral("15/12 -- Carlos Souza :: Carlão : carlos@exemplo.com.br : "
                                    "(11)98765-4321 : (11)3245-1234"),
                 }));
        // the birthday is today by day and month, whatever the year of birth
        QVERIFY(lista->fazAniversarioHoje(0));
        QVERIFY(!lista->fazAniversarioHoje(1));
        QVERIFY(m_seams.messages->shown.isEmpty());

        // a double-click opens the individual for change and reloads the list
        emit lista->doubleClicked(lista->model()->index(2, 0));
        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened[0].first, QStringLiteral("TfrPessoaFisica"));
        QCOMPARE(m_nav->opened[0].second.identificador, m_id.value(QStringLiteral("Carlos Souza")));
        QCOMPARE(lista->quantidade(), 3);
    }

    // A person saved in a screen opened from the main window shows in its
    // lists as soon as that screen closes; a screen that saved nothing
    // leaves them unread.
    void aPersonSavedElsewhereShowsInTheListsAtOnce()
    {
        auto w = janela();
        auto *aniversarios = child<ListaAniversariantes>(w.get(), QStringLiteral("Lista"));
        auto *emergencia = child<ListaPessoasResumo>(w.get(), QStringLiteral("ListaFones"));
        const int antes = aniversarios->quantidade();
        const int emergenciaAntes = emergencia->quantidade();

        const quint64 lidos = Database::statementCount();
        child<QAction>(w.get(), QStringLiteral("PessoaFsica1"))->trigger();
        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(Database::statementCount(), lidos);

        int novo = 0;
        m_nav->onOpen = [&](const QString &, QWidget *, const Abertura &) {
            TPessoaFisica p(db());
            p.Nome = QStringLiteral("Zélia Nova");
            p.Login = QStringLiteral("ana");
            p.Publica = 1;
            p.Guia = 1;
            p.InformarAniversario = 1;
            p.Grupo.Codigo = m_amigos;
            p.DataNascimento = QDateToDateTime(QDate(1975, 12, 20));
            if (p.Inserir() == Resultado::Gravado)
                novo = p.Identificador;
            return Retorno{.resultado = 1};
        };
        child<QAction>(w.get(), QStringLiteral("PessoaFsica1"))->trigger();
        QVERIFY(novo > 0);
        QCOMPARE(aniversarios->quantidade(), antes + 1);
        QVERIFY(linhas(aniversarios).last().startsWith(QStringLiteral("20/12 -- Zélia Nova ::")));
        QCOMPARE(emergencia->quantidade(), emergenciaAntes + 1);
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA WHERE IDENTIFICADOR = %1").arg(novo)));
    }

    void birthdayPages_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QString>("golden");
        QTest::newRow("this month") << QStringLiteral("btnImprimirListaAtual")
                                    << QStringLiteral("aniversario_mes.html");
        QTest::newRow("every month") << QStringLiteral("btnImprimirTodos")
                                     << QStringLiteral("aniversario_todos.html");
    }
    void birthdayPages()
    {
        QFETCH(QString, botao);
        QFETCH(QString, golden);
        auto w = janela();
        child<QPushButton>(w.get(), botao)->click();
        const QString pagina = m_folder.file(QStringLiteral("Aniversario.html"));
        QCOMPARE(m_seams.shell->opened, QStringList{pagina});
        const QString esperado = lerArquivo(QStringLiteral(LUMISTO_SOURCE_DIR "/tests/data/") + golden);
        QVERIFY(!esperado.isEmpty());
        QCOMPARE(lerArquivo(pagina), esperado);
    }

    void emergencyTelephones()
    {
        auto w = janela();
        auto *lista = child<ListaPessoasResumo>(w.get(), QStringLiteral("ListaFones"));
        // by name; the private person of another user and the company without a group are absent
        QCOMPARE(linhas(lista),
                 QStringList({
                     QStringLiteral("11222333000181 Acme Limitada :: (11)3333-4444 : - : 0800 12 34 567 : "
                                    "contato@acme.com.br : Campinas"),
                     QStringLiteral("Sr. Carlos Souza :: - : (11)3245-1234 : (11)98765-4321 : "
                                    "carlos@exemplo.com.br : São Paulo"),
                 }));
        QCOMPARE(lista->entrada(1)->Numero, QStringLiteral("s/n"));
        QCOMPARE(lista->entrada(1)->Cep, QStringLiteral("00000-000"));

        // a company opens its own screen; the list is read again afterwards
        QVERIFY(exec(db(), QStringLiteral("UPDATE PESSOAFISICA SET GUIA = 0 WHERE NOME = 'Carlos Souza'")));
        emit lista->doubleClicked(lista->model()->index(0, 0));
        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened[0].first, QStringLiteral("TfrPessoaJuridica"));
        QCOMPARE(m_nav->opened[0].second.identificador, m_id.value(QStringLiteral("Acme Limitada")));
        QCOMPARE(lista->quantidade(), 1);
        QVERIFY(exec(db(), QStringLiteral("UPDATE PESSOAFISICA SET GUIA = 1 WHERE NOME = 'Carlos Souza'")));
    }

    void searchByName_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("esperadas");
        QTest::addColumn<QString>("painel");
        QTest::newRow("individual and company")
            << QStringLiteral("li")
            << QStringList({QStringLiteral("Acme Limitada"), QStringLiteral("Beatriz Lima")})
            << QStringLiteral(":: Listagem de PF e/ou PJ :: 02 pessoa(s)");
        QTest::newRow("nobody") << QStringLiteral("xyz") << QStringList()
                                << QStringLiteral(":: Listagem de PF e/ou PJ ::");
        QTest::newRow("empty text lists every visible person")
            << QString()
            << QStringList({QStringLiteral("Acme Limitada"), QStringLiteral("Amanda <Alves> & Cia"),
                            QStringLiteral("Beatriz Lima"), QStringLiteral("Carlos Souza"),
                            QStringLiteral("Daniel Novembro"), QStringLiteral("Eva Sem Lembrete")})
            << QStringLiteral(":: Listagem de PF e/ou PJ :: 06 pessoa(s)");
    }
    void searchByName()
    {
        QFETCH(QString, texto);
        QFETCH(QStringList, esperadas);
        QFETCH(QString, painel);
        auto w = janela();
        child<QLineEdit>(w.get(), QStringLiteral("edtNome"))->setText(texto);
        child<QPushButton>(w.get(), QStringLiteral("btnProcuraPessoas"))->click();
        auto *lista = child<ListaPessoasResumo>(w.get(), QStringLiteral("ListBox8"));
        QStringList nomes;
        for (int i = 0; i < lista->quantidade(); ++i)
            nomes << lista->entrada(i)->Nome;
        QCOMPARE(nomes, esperadas);
        QCOMPARE(child<QLabel>(w.get(), QStringLiteral("Panel22"))->text(), painel);
    }

    void searchLinesAndPopup()
    {
        auto w = janela();
        auto *edt = child<QLineEdit>(w.get(), QStringLiteral("edtNome"));
        edt->setText(QStringLiteral("c"));
        QTest::keyClick(edt, Qt::Key_Return);
        auto *lista = child<ListaPessoasResumo>(w.get(), QStringLiteral("ListBox8"));
        QCOMPARE(linhas(lista), QStringList({
                                    QStringLiteral("Acme Limitada : (11)3333-4444 : - : 0800 12 34 567 : "
                                                   "contato@acme.com.br"),
                                    QStringLiteral("Amanda <Alves> & Cia : - : - : - : "),
                                    QStringLiteral("Sr. Carlos Souza : - : (11)3245-1234 : (11)98765-4321 : "
                                                   "carlos@exemplo.com.br"),
                                }));
        auto *nomeTipo = child<QAction>(w.get(), QStringLiteral("NomeTipo1"));
        auto *contatos = child<QAction>(w.get(), QStringLiteral("Contatos1"));
        QVERIFY(!contatos->isVisible());

        // an individual: no contacts
        lista->setCurrentIndex(lista->model()->index(2, 0));
        emit lista->clicked(lista->model()->index(2, 0));
        QCOMPARE(nomeTipo->text(), QStringLiteral("Pessoa Fisica :: Sr. Carlos Souza"));
        QCOMPARE(lista->toolTip(), linhas(lista).at(2));
        QVERIFY(!contatos->isVisible());
        child<QAction>(w.get(), QStringLiteral("Histrico1"))->trigger();

        // a company: contacts shown; history with kind 1
        lista->setCurrentIndex(lista->model()->index(0, 0));
        emit lista->clicked(lista->model()->index(0, 0));
        QCOMPARE(nomeTipo->text(), QStringLiteral("Pessoa Juridica :: Acme Limitada"));
        QVERIFY(contatos->isVisible());
        QVERIFY(child<QAction>(w.get(), QStringLiteral("MenuItem4"))->isVisible());
        child<QAction>(w.get(), QStringLiteral("Histrico1"))->trigger();
        contatos->trigger();
        // the finance search is not in this test's navigator: its entry stays off
        QVERIFY(!child<QAction>(w.get(), QStringLiteral("MenuItem3"))->isEnabled());

        const int carlos = m_id.value(QStringLiteral("Carlos Souza"));
        const int acme = m_id.value(QStringLiteral("Acme Limitada"));
        QCOMPARE(m_nav->opened.size(), 3);
        QCOMPARE(m_nav->opened[0].first, QStringLiteral("TfrHistorico"));
        QCOMPARE(m_nav->opened[0].second.identificador, carlos);
        QCOMPARE(m_nav->opened[0].second.tipoPessoa, 0);
        QCOMPARE(m_nav->opened[1].second.identificador, acme);
        QCOMPARE(m_nav->opened[1].second.tipoPessoa, 1);
        QCOMPARE(m_nav->opened[2].first, QStringLiteral("TfrContatoPJ"));
        QCOMPARE(m_nav->opened[2].second.titulo,
                 QStringLiteral("Contatos de Acme Limitada  contato@acme.com.br"));

        // visiting the emergency tab leaves the search list alone
        child<QTabWidget>(w.get(), QStringLiteral("PageControl1"))->setCurrentIndex(2);
        emit lista->doubleClicked(lista->model()->index(2, 0));
        QCOMPARE(m_nav->opened.last().first, QStringLiteral("TfrPessoaFisica"));
        QCOMPARE(m_nav->opened.last().second.identificador, carlos);
    }

    void exibirMenuShowsEachTab()
    {
        auto w = janela();
        auto *abas = child<QTabWidget>(w.get(), QStringLiteral("PageControl1"));
        QCOMPARE(abas->count(), 4);
        QCOMPARE(abas->tabText(1), QStringLiteral("Aniversariantes"));
        QCOMPARE(abas->tabText(2), QStringLiteral("Telefones de Emergência"));
        QCOMPARE(abas->tabText(3), QStringLiteral("Pesquisa Telefones (Nome)"));
        child<QAction>(w.get(), QStringLiteral("MostrarGuiadeAniversariantes1"))->trigger();
        QCOMPARE(abas->currentIndex(), 1);
        child<QAction>(w.get(), QStringLiteral("elefonesdeEmergncia1"))->trigger();
        QCOMPARE(abas->currentIndex(), 2);
    }

    // the quick-access windows open on their locating page, with nobody shown yet
    void quickAccessEntriesOpenTheLocatingPage()
    {
        auto w = janela();
        child<QAction>(w.get(), QStringLiteral("FotosHistricoseFinanasdePessoaFsica1"))->trigger();
        child<QAction>(w.get(), QStringLiteral("ContatosHistricoseFinanasdePessoaJurdica1"))->trigger();
        QCOMPARE(m_nav->opened.size(), 2);
        QCOMPARE(m_nav->opened[0].first, QStringLiteral("TfrAcessoRapidoPF"));
        QCOMPARE(m_nav->opened[1].first, QStringLiteral("TfrAcessoRapidoPJ"));
        for (const auto &aberta : m_nav->opened)
            QVERIFY(aberta.second.oculto);
    }
};

QTEST_MAIN(TestListasPrincipal)
#include "TestListasPrincipal.moc"
