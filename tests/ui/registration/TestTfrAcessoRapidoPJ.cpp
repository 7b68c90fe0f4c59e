// The companies' quick-access window on a real database: the company shown
// after a save, the locate path, the buttons that open the contacts, the
// history and (once it exists) the finances of the company, and that nothing
// ever opens for a company that is not stored.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "services/Settings.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/common/Telas.h"
#include "ui/registration/TfrAcessoRapidoPJ.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kLogin = QStringLiteral("ana");
const QString kContatos = QStringLiteral("TfrContatoPJ");
const QString kFinancas = QStringLiteral("TfrFinancas");
const QString kHistorico = QStringLiteral("TfrHistorico");
const QString kPesquisa = QStringLiteral("TfrPesquisaPessoaJuridica");

struct Tela {
    TfrAcessoRapidoPJ dlg;

    template <typename T>
    T *achar(const char *nome) const
    {
        return dlg.findChild<T *>(QString::fromLatin1(nome));
    }
    QString texto(const char *label) const { return achar<QLabel>(label)->text(); }
    QTabWidget *paginas() const { return achar<QTabWidget>("PageControl1"); }
    QToolButton *grande(const QString &nome) const { return dlg.findChild<QToolButton *>(nome); }
    bool mostrar()
    {
        dlg.show();
        return QTest::qWaitForWindowExposed(&dlg);
    }
};

} // namespace

class TestTfrAcessoRapidoPJ : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_usuario;
    int m_acme = 0;
    int m_zeta = 0;
    Database &db() { return m_dm->BancoDados; }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), kLogin));
        m_usuario.Login = kLogin;
        TUsuario::setAtual(&m_usuario);
        const int bancos = insertGrupo(db(), QStringLiteral("Bancos"));
        const int clientes = insertGrupo(db(), QStringLiteral("Clientes"));
        m_acme = insertPessoaJuridica(db(), QStringLiteral("Acme Ltda"), bancos, kLogin);
        m_zeta = insertPessoaJuridica(db(), QStringLiteral("Zeta Comércio"), clientes, kLogin);
        QVERIFY(m_acme > 0 && m_zeta > 0);
        QVERIFY(exec(db(),
                     QStringLiteral(
                         "UPDATE PESSOAJURIDICA SET EMAIL = 'contato@acme.com.br' WHERE IDENTIFICADOR = :I"),
                     {{QStringLiteral("I"), m_acme}}));
    }
    void init() { m_seams.messages->clear(); }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void showsTheSavedCompany()
    {
        RecordingNavigator::install({});
        Tela t;
        QVERIFY(t.dlg.MostrarPessoa(m_acme));
        QVERIFY(t.mostrar());
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Acesso Rápido -->> Pessoa Juridica"));
        QCOMPARE(t.dlg.identificador(), m_acme);
        QCOMPARE(t.texto("lblDados"), QStringLiteral(" Bancos :: Acme Ltda :: contato@acme.com.br"));
        QCOMPARE(t.paginas()->tabText(0), QStringLiteral(":: Dados da Pessoa ::"));
        QCOMPARE(t.paginas()->tabText(1), QStringLiteral(":: Localizando a Pessoa Jurídica ::"));
        QVERIFY(t.paginas()->isTabVisible(0));
        QVERIFY(!t.paginas()->isTabVisible(1));
        QCOMPARE(t.achar<QPushButton>("btnFechar")->text(), QStringLiteral("Fechar"));
        QCOMPARE(t.achar<QPushButton>("SpeedButton3")->text(), QStringLiteral("Fechar"));
        QCOMPARE(t.grande(QStringLiteral("btnPessoasContato"))->text(),
                 QStringLiteral("Cadastro de Contatos"));
        QCOMPARE(t.grande(QStringLiteral("SpeedButton1"))->text(), QStringLiteral("Cadastro de Finanças"));
        QCOMPARE(t.grande(QStringLiteral("SpeedButton2"))->text(), QStringLiteral("Cadastro de Histórico"));
        QCOMPARE(t.achar<QCheckBox>("edtAcessoRapido")->text(),
                 QStringLiteral("NÃO exibir essa janela ao inserir e/ou alterar os dados de uma pessoa?"));
        t.achar<QPushButton>("btnFechar")->click();
        QVERIFY(!t.dlg.isVisible());
    }

    void theLocatePageWhenOpenedFromTheMenu()
    {
        RecordingNavigator::install({});
        Tela t;
        t.dlg.OcultarDados();
        QVERIFY(t.mostrar());
        QVERIFY(!t.paginas()->isTabVisible(0));
        QVERIFY(t.paginas()->isTabVisible(1));
        QCOMPARE(t.texto("lblDados_02"), QStringLiteral("Clique no botão ao lado para localizar a pessoa"));
        QCOMPARE(t.achar<QPushButton>("btnLocalizar")->text(), QStringLiteral("Localizar ..."));
        QCOMPARE(t.dlg.identificador(), -1);
    }

    // Each button waits for its own screen: the finances are not part of
    // the program yet while the contacts and the history are.
    void buttonsWaitForTheirScreens()
    {
        RecordingNavigator::install({kContatos, kHistorico, kPesquisa});
        Tela t;
        QVERIFY(t.grande(QStringLiteral("btnPessoasContato"))->isEnabled());
        QVERIFY(t.grande(QStringLiteral("SpeedButton2"))->isEnabled());
        QVERIFY(!t.grande(QStringLiteral("SpeedButton1"))->isEnabled());
        QVERIFY(t.achar<QPushButton>("btnLocalizar")->isEnabled());
        RecordingNavigator::install({kFinancas});
        Tela outra;
        QVERIFY(outra.grande(QStringLiteral("SpeedButton1"))->isEnabled());
        QVERIFY(!outra.grande(QStringLiteral("btnPessoasContato"))->isEnabled());
        QVERIFY(!outra.achar<QPushButton>("btnLocalizar")->isEnabled());
    }

    void noStoredCompanyIsNeverShown_data()
    {
        QTest::addColumn<int>("identificador");
        QTest::newRow("0, a declined or failed save") << 0;
        QTest::newRow("-1") << -1;
        QTest::newRow("a deleted company") << 999999;
    }
    void noStoredCompanyIsNeverShown()
    {
        QFETCH(int, identificador);
        RecordingNavigator::install({});
        Tela t;
        QVERIFY(!t.dlg.MostrarPessoa(identificador));
        QCOMPARE(t.dlg.identificador(), -1);
    }

    void bigButtonsNeedALocatedCompany_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::newRow("contacts") << QStringLiteral("btnPessoasContato");
        QTest::newRow("finances") << QStringLiteral("SpeedButton1");
        QTest::newRow("history") << QStringLiteral("SpeedButton2");
    }
    void bigButtonsNeedALocatedCompany()
    {
        QFETCH(QString, botao);
        RecordingNavigator *nav = RecordingNavigator::install({kContatos, kFinancas, kHistorico, kPesquisa});
        Tela t;
        t.dlg.OcultarDados();
        QVERIFY(t.mostrar());
        t.grande(botao)->click();
        QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Você precisa localizar a pessoa")});
        QVERIFY(nav->opened.isEmpty());
    }

    void locatesACompanyAndOpensItsScreens_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QString>("tela");
        QTest::addColumn<int>("tipoPessoa");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("titulo");
        QTest::newRow("contacts") << QStringLiteral("btnPessoasContato") << kContatos << 0
                                  << QStringLiteral("Zeta Comércio")
                                  << QStringLiteral("Inserindo um Contato para Zeta Comércio");
        QTest::newRow("finances") << QStringLiteral("SpeedButton1") << kFinancas << 1 << QString()
                                  << QString();
        QTest::newRow("history") << QStringLiteral("SpeedButton2") << kHistorico << 1 << QString()
                                 << QString();
    }
    void locatesACompanyAndOpensItsScreens()
    {
        QFETCH(QString, botao);
        QFETCH(QString, tela);
        QFETCH(int, tipoPessoa);
        QFETCH(QString, nome);
        QFETCH(QString, titulo);
        RecordingNavigator *nav = RecordingNavigator::install({kContatos, kFinancas, kHistorico, kPesquisa});
        const int zeta = m_zeta;
        nav->onOpen = [zeta](const QString &screen, QWidget *, const Abertura &) {
            return Retorno{.resultado = 1, .escolhido = screen == kPesquisa ? zeta : 0};
        };
        Tela t;
        t.dlg.OcultarDados();
        QVERIFY(t.mostrar());
        t.achar<QPushButton>("btnLocalizar")->click();
        QCOMPARE(t.texto("lblDados_02"), QStringLiteral("Clientes :: Zeta Comércio :: "));
        QCOMPARE(t.dlg.identificador(), m_zeta);

        t.grande(botao)->click();
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(nav->opened.size(), 2);
        QCOMPARE(nav->opened.at(1).first, tela);
        const Abertura &abertura = nav->opened.at(1).second;
        QCOMPARE(abertura.identificador, m_zeta);
        QCOMPARE(abertura.tipoPessoa, tipoPessoa);
        QCOMPARE(abertura.nome, nome);
        QCOMPARE(abertura.titulo, titulo);
    }

    void closingTheSearchWithoutAChoiceKeepsThePage()
    {
        RecordingNavigator *nav = RecordingNavigator::install({kPesquisa});
        Tela t;
        t.dlg.OcultarDados();
        QVERIFY(t.mostrar());
        t.achar<QPushButton>("btnLocalizar")->click();
        QCOMPARE(nav->opened.size(), 1);
        QCOMPARE(t.texto("lblDados_02"), QStringLiteral("Clique no botão ao lado para localizar a pessoa"));
        QCOMPARE(t.dlg.identificador(), -1);
    }

    // The check box says "do NOT show", the companies' ini key says "show".
    void theCheckBoxIsTheOppositeOfTheIniKey()
    {
        RecordingNavigator::install({});
        QVERIFY(SetQuickAccessEnabled(0, true));
        QVERIFY(SetQuickAccessEnabled(1, true));
        {
            Tela t;
            QVERIFY(t.dlg.MostrarPessoa(m_acme));
            QVERIFY(t.mostrar());
            QCheckBox *c = t.achar<QCheckBox>("edtAcessoRapido");
            QVERIFY(!c->isChecked());
            c->click();
            QVERIFY(!QuickAccessEnabled(1));
            QVERIFY(QuickAccessEnabled(0)); // the individuals' key is another
        }
        Tela t;
        QVERIFY(t.dlg.MostrarPessoa(m_acme));
        QVERIFY(t.mostrar());
        QCheckBox *c = t.achar<QCheckBox>("edtAcessoRapido");
        QVERIFY(c->isChecked());
        c->click();
        QVERIFY(QuickAccessEnabled(1));
    }

    // The program's own navigator opens nothing for an identifier that is
    // not a stored company, and the window for one that is.
    void theNavigatorOpensOnlyAStoredCompany_data()
    {
        QTest::addColumn<int>("identificador");
        QTest::addColumn<bool>("abre");
        // the stored company first: a window that must not open leaves its
        // watcher running a little longer
        QTest::newRow("stored") << -2 << true; // replaced by Acme's identifier
        QTest::newRow("0") << 0 << false;
        QTest::newRow("not stored") << 999999 << false;
    }
    void theNavigatorOpensOnlyAStoredCompany()
    {
        QFETCH(int, identificador);
        QFETCH(bool, abre);
        if (identificador == -2)
            identificador = m_acme;
        InstallScreens();
        int mostrada = 0;
        whenModal<TfrAcessoRapidoPJ>(
            [&mostrada](TfrAcessoRapidoPJ *dlg) {
                mostrada = dlg->identificador();
                dlg->reject();
            },
            abre ? 10000 : 500);
        Telas::AcessoRapidoPJ(nullptr, identificador, QString());
        QCOMPARE(mostrada, abre ? m_acme : 0);
        QCOMPARE(m_seams.messages->shown, QStringList());
        RecordingNavigator::install({});
    }
};

QTEST_MAIN(TestTfrAcessoRapidoPJ)
#include "TestTfrAcessoRapidoPJ.moc"
