// The individual's quick-access window on a real database: the person shown
// after a save, the locate path, the buttons that wait for their screens,
// and that nothing ever opens for a person who is not stored.
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
#include "ui/registration/TfrAcessoRapidoPF.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kLogin = QStringLiteral("ana");
const QString kAlbum = QStringLiteral("TfrAlbum");
const QString kFinancas = QStringLiteral("TfrFinancas");
const QString kHistorico = QStringLiteral("TfrHistorico");
const QString kPesquisa = QStringLiteral("TfrPesquisaPessoaFisica");
const QString kLocalize = QStringLiteral("Você precisa localizar a pessoa");

struct Tela {
    TfrAcessoRapidoPF dlg;

    template <typename T>
    T *achar(const char *nome) const
    {
        return dlg.findChild<T *>(QString::fromLatin1(nome));
    }
    QString texto(const char *label) const { return achar<QLabel>(label)->text(); }
    QTabWidget *paginas() const { return achar<QTabWidget>("PageControl1"); }
    QToolButton *grande(const char *nome) const { return achar<QToolButton>(nome); }
    bool mostrar()
    {
        dlg.show();
        return QTest::qWaitForWindowExposed(&dlg);
    }
};

} // namespace

class TestTfrAcessoRapidoPF : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_usuario;
    int m_ana = 0;
    int m_bia = 0;
    Database &db() { return m_dm->BancoDados; }

    RecordingNavigator *navegador(bool telasExistem)
    {
        if (!telasExistem)
            return RecordingNavigator::install({});
        return RecordingNavigator::install({kAlbum, kFinancas, kHistorico, kPesquisa});
    }

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
        const int amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        const int clientes = insertGrupo(db(), QStringLiteral("Clientes"));
        m_ana = insertPessoaFisica(db(), QStringLiteral("Ana Souza"), amigos, kLogin);
        m_bia = insertPessoaFisica(db(), QStringLiteral("Bia Lima"), clientes, kLogin);
        QVERIFY(m_ana > 0 && m_bia > 0);
        QVERIFY(exec(
            db(),
            QStringLiteral("UPDATE PESSOAFISICA SET EMAIL = 'ana@souza.com.br' WHERE IDENTIFICADOR = :I"),
            {{QStringLiteral("I"), m_ana}}));
    }
    void init() { m_seams.messages->clear(); }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void showsTheSavedPerson()
    {
        navegador(false);
        Tela t;
        QVERIFY(t.dlg.MostrarPessoa(m_ana));
        QVERIFY(t.mostrar());
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Acesso Rápido -->> Pessoa Fisica"));
        QCOMPARE(t.dlg.identificador(), m_ana);
        QCOMPARE(t.texto("lblDados"), QStringLiteral(" Amigos :: Ana Souza :: ana@souza.com.br"));
        QCOMPARE(t.paginas()->tabText(0), QStringLiteral(":: Dados da Pessoa ::"));
        QCOMPARE(t.paginas()->tabText(1), QStringLiteral(":: Localizando a Pessoa Física ::"));
        QVERIFY(t.paginas()->isTabVisible(0));
        QVERIFY(!t.paginas()->isTabVisible(1));
        QCOMPARE(t.achar<QPushButton>("SpeedButton3")->text(), QStringLiteral("Fechar"));
        QCOMPARE(t.grande("btnPessoasContato")->text(), QStringLiteral("Album de Fotos"));
        QCOMPARE(t.grande("SpeedButton1")->text(), QStringLiteral("Cadastro de Finanças"));
        QCOMPARE(t.grande("SpeedButton2")->text(), QStringLiteral("Cadastro de Histórico"));
        QCOMPARE(t.achar<QCheckBox>("edtAcessoRapido")->text(),
                 QStringLiteral("NÃO exibir essa janela ao inserir e/ou alterar os dados de uma pessoa?"));
        t.achar<QPushButton>("SpeedButton3")->click();
        QVERIFY(!t.dlg.isVisible());
    }

    void theLocatePageWhenOpenedFromTheMenu()
    {
        navegador(false);
        Tela t;
        t.dlg.OcultarDados();
        QVERIFY(t.mostrar());
        QVERIFY(!t.paginas()->isTabVisible(0));
        QVERIFY(t.paginas()->isTabVisible(1));
        QCOMPARE(t.texto("lblDados_02"), QStringLiteral("Clique no botão ao lado para localizar a pessoa"));
        QCOMPARE(t.achar<QPushButton>("btnLocalizar")->text(), QStringLiteral("Localizar ..."));
        QCOMPARE(t.dlg.identificador(), -1);
    }

    // Until the album, finances, history and search screens are part of the
    // program their buttons cannot be pressed.
    void buttonsWaitForTheirScreens_data()
    {
        QTest::addColumn<bool>("existem");
        QTest::newRow("screens missing") << false;
        QTest::newRow("screens present") << true;
    }
    void buttonsWaitForTheirScreens()
    {
        QFETCH(bool, existem);
        navegador(existem);
        Tela t;
        t.dlg.OcultarDados();
        for (const char *nome : {"btnPessoasContato", "SpeedButton1", "SpeedButton2"})
            QCOMPARE(t.grande(nome)->isEnabled(), existem);
        QCOMPARE(t.achar<QPushButton>("btnLocalizar")->isEnabled(), existem);
    }

    void noStoredPersonIsNeverShown_data()
    {
        QTest::addColumn<int>("identificador");
        QTest::newRow("0, a declined or failed save") << 0;
        QTest::newRow("-1") << -1;
        QTest::newRow("a deleted person") << 999999;
    }
    void noStoredPersonIsNeverShown()
    {
        QFETCH(int, identificador);
        navegador(true);
        Tela t;
        QVERIFY(!t.dlg.MostrarPessoa(identificador));
        QCOMPARE(t.dlg.identificador(), -1);
    }

    // With no person located each big button only tells the user to locate one.
    void bigButtonsNeedALocatedPerson_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::newRow("album") << QStringLiteral("btnPessoasContato");
        QTest::newRow("finances") << QStringLiteral("SpeedButton1");
        QTest::newRow("history") << QStringLiteral("SpeedButton2");
    }
    void bigButtonsNeedALocatedPerson()
    {
        QFETCH(QString, botao);
        RecordingNavigator *nav = navegador(true);
        Tela t;
        t.dlg.OcultarDados();
        QVERIFY(t.mostrar());
        t.grande(qPrintable(botao))->click();
        QCOMPARE(m_seams.messages->shown, QStringList{kLocalize});
        QVERIFY(nav->opened.isEmpty());
    }

    void locatesAPersonAndOpensItsScreens_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QString>("tela");
        QTest::newRow("album") << QStringLiteral("btnPessoasContato") << kAlbum;
        QTest::newRow("finances") << QStringLiteral("SpeedButton1") << kFinancas;
        QTest::newRow("history") << QStringLiteral("SpeedButton2") << kHistorico;
    }
    void locatesAPersonAndOpensItsScreens()
    {
        QFETCH(QString, botao);
        QFETCH(QString, tela);
        RecordingNavigator *nav = navegador(true);
        const int bia = m_bia;
        nav->onOpen = [bia](const QString &screen, QWidget *, const Abertura &) {
            return Retorno{.resultado = 1, .escolhido = screen == kPesquisa ? bia : 0};
        };
        Tela t;
        t.dlg.OcultarDados();
        QVERIFY(t.mostrar());
        t.achar<QPushButton>("btnLocalizar")->click();
        QCOMPARE(t.texto("lblDados_02"), QStringLiteral("Clientes :: Bia Lima :: "));
        QCOMPARE(t.dlg.identificador(), m_bia);

        t.grande(qPrintable(botao))->click();
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(nav->opened.size(), 2);
        QCOMPARE(nav->opened.at(1).first, tela);
        QCOMPARE(nav->opened.at(1).second.identificador, m_bia);
        QCOMPARE(nav->opened.at(1).second.tipoPessoa, 0);
    }

    void closingTheSearchWithoutAChoiceKeepsThePage()
    {
        RecordingNavigator *nav = navegador(true);
        Tela t;
        t.dlg.OcultarDados();
        QVERIFY(t.mostrar());
        t.achar<QPushButton>("btnLocalizar")->click();
        QCOMPARE(nav->opened.size(), 1);
        QCOMPARE(t.texto("lblDados_02"), QStringLiteral("Clique no botão ao lado para localizar a pessoa"));
        QCOMPARE(t.dlg.identificador(), -1);
    }

    // The check box says "do NOT show", the ini key says "show".
    void theCheckBoxIsTheOppositeOfTheIniKey()
    {
        navegador(false);
        QVERIFY(SetQuickAccessEnabled(0, true));
        {
            Tela t;
            QVERIFY(t.dlg.MostrarPessoa(m_ana));
            QVERIFY(t.mostrar());
            QCheckBox *c = t.achar<QCheckBox>("edtAcessoRapido");
            QVERIFY(!c->isChecked());
            c->click();
            QVERIFY(!QuickAccessEnabled(0));
            QVERIFY(QuickAccessEnabled(1)); // the companies' key is another
        }
        Tela t;
        QVERIFY(t.dlg.MostrarPessoa(m_ana));
        QVERIFY(t.mostrar());
        QCheckBox *c = t.achar<QCheckBox>("edtAcessoRapido");
        QVERIFY(c->isChecked());
        c->click();
        QVERIFY(QuickAccessEnabled(0));
    }

    // The program's own navigator opens nothing for an identifier that is
    // not a stored person.
    void theNavigatorOpensNothingForPersonZero()
    {
        InstallScreens();
        bool abriu = false;
        whenModal<TfrAcessoRapidoPF>(
            [&abriu](TfrAcessoRapidoPF *dlg) {
                abriu = true;
                dlg->reject();
            },
            500);
        QCOMPARE(Telas::AcessoRapidoPF(nullptr, 0, QString()), 0);
        QVERIFY(!abriu);
        QCOMPARE(m_seams.messages->shown, QStringList());
        navegador(false);
    }
};

QTEST_MAIN(TestTfrAcessoRapidoPF)
#include "TestTfrAcessoRapidoPF.moc"
