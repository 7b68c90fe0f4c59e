// The main window: captions and status panels, the clock, the diary of the
// day, hiding beside the clock and the exit commands.
#include "app/TerminationSignals.h"
#include "data/TDM.h"
#include "model/TAnotacao.h"
#include "model/TUsuario.h"
#include "services/Settings.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/session/TfrPrincipalAC.h"
#include "util/DateTime.h"
#include "util/TextUtils.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <csignal>
#include <unistd.h>

using namespace DbHelpers;

namespace {

QString nota(Database &db, const QString &login, const QDate &d)
{
    TAnotacao a(db);
    a.Data = QDateToDateTime(d);
    if (!a.Carregar(login))
        return QStringLiteral("<erro de leitura>");
    return a.Texto;
}

} // namespace

class TestTfrPrincipalAC : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    RecordingNavigator *m_nav = nullptr;
    TUsuario m_ana;
    int m_terminated = 0;
    Database &db() { return m_dm->BancoDados; }

    std::unique_ptr<TfrPrincipalAC> janela()
    {
        auto w = std::make_unique<TfrPrincipalAC>(m_ana);
        w->show();
        return w;
    }
    void digitar(TfrPrincipalAC *w, const QString &texto)
    {
        auto *memo = child<QPlainTextEdit>(w, QStringLiteral("edtTexto"));
        memo->setFocus();
        for (QChar c : texto) {
            if (c.unicode() < 128)
                QTest::keyClick(memo, c.toLatin1());
            else
                memo->insertPlainText(c); // the test keyboard knows ASCII only
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("bia")));
        m_ana = TUsuario(db());
        m_ana.Login = QStringLiteral("ana");
        m_ana.Senha = ScrambleText(QStringLiteral("ABC"), 10);
        m_ana.Nome = QStringLiteral("Ana");
        m_ana.Tipo = 1;
        QCOMPARE(m_ana.Inserir(), Resultado::Gravado);
        QVERIFY(m_ana.Autenticar());
        TfrPrincipalAC::Terminar = [this] { ++m_terminated; };
    }
    void init()
    {
        m_seams.messages->clear();
        m_nav =
            RecordingNavigator::install({QStringLiteral("TfrPesquisaAnotacao"), QStringLiteral("TfrBackUP"),
                                         QStringLiteral("TfrAlteraSenha"), QStringLiteral("TfrNovoUsuario")});
        m_terminated = 0;
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM ANOTACAO")));
    }
    void cleanupTestCase() { m_dm.reset(); }

    void captionsAndStatusPanels()
    {
        QFile::remove(m_folder.file(QStringLiteral("Orvalha.ini")));
        auto w = janela();
        QCOMPARE(w->windowTitle(), QStringLiteral("Lumisto -- Usuário(a) : Ana <<::>> Login: ana"));
        QCOMPARE(child<QLabel>(w.get(), QStringLiteral("StatusPanel0"))->text(),
                 QStringLiteral("Versão DeskTop"));
        QCOMPARE(child<QLabel>(w.get(), QStringLiteral("StatusPanel1"))->text(),
                 QStringLiteral("  Login: ana"));
        QCOMPARE(child<QLabel>(w.get(), QStringLiteral("StatusPanel2"))->text(),
                 QStringLiteral("  BackUP ainda não realizado!!"));
        QCOMPARE(child<QLabel>(w.get(), QStringLiteral("StatusPanel3"))->text(),
                 QStringLiteral("  Terça-Feira, 08 de Dezembro de 2026 :: 10:30:00"));
        QCOMPARE(child<QTabWidget>(w.get(), QStringLiteral("PageControl1"))->tabText(0),
                 QStringLiteral("Anotações diárias de ana"));
        QCOMPARE(child<QLabel>(w.get(), QStringLiteral("lblDataExtenso"))->text(),
                 QStringLiteral("Terça-Feira, 08 de Dezembro de 2026."));
        QCOMPARE(child<QAction>(w.get(), QStringLiteral("Alterardadosde1"))->text(),
                 QStringLiteral("Alterar os Dados de: Ana"));
        QVERIFY(child<QAction>(w.get(), QStringLiteral("Entrarcomumnovousurio1"))->isEnabled());
        QVERIFY(
            !child<QAction>(w.get(), QStringLiteral("PessoaFsica1"))->isEnabled()); // its screen comes later
        QCOMPARE(child<QAction>(w.get(), QStringLiteral("Sair1"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+X")));
    }

    void theClockTicks()
    {
        auto w = janela();
        m_seams.clock->current = m_seams.clock->current.addSecs(1);
        // the tick itself, not the wait for the real timer: a busy machine may
        // take longer than any fixed wait
        QVERIFY(QMetaObject::invokeMethod(w.get(), "Timer1Timer"));
        QCOMPARE(child<QLabel>(w.get(), QStringLiteral("StatusPanel3"))->text(),
                 QStringLiteral("  Terça-Feira, 08 de Dezembro de 2026 :: 10:30:01"));
        m_seams.clock->current = m_seams.clock->current.addSecs(-1);
    }

    void aUserOfTypeZeroCannotRegisterUsers()
    {
        TUsuario bia = m_ana;
        bia.Tipo = 0;
        TfrPrincipalAC w(bia);
        w.show();
        QVERIFY(!child<QAction>(&w, QStringLiteral("Entrarcomumnovousurio1"))->isEnabled());
    }

    void theDiaryIsSavedLoadedAndDeletedByDayAndUser()
    {
        auto w = janela();
        auto *salvar = child<QPushButton>(w.get(), QStringLiteral("btnSalvar"));
        QVERIFY(!salvar->isEnabled());
        digitar(w.get(), QStringLiteral("Reunião às 15h"));
        QVERIFY(salvar->isEnabled());
        salvar->click();
        QVERIFY(!salvar->isEnabled());
        QCOMPARE(nota(db(), QStringLiteral("ana"), QDate(2026, 12, 8)), QStringLiteral("Reunião às 15h"));
        QCOMPARE(nota(db(), QStringLiteral("bia"), QDate(2026, 12, 8)), QString());
        digitar(w.get(), QStringLiteral("!"));
        salvar->click();
        QCOMPARE(count(db(), QStringLiteral("ANOTACAO"), QStringLiteral("LOGIN = 'ana'")), 1);
        QCOMPARE(nota(db(), QStringLiteral("ana"), QDate(2026, 12, 8)), QStringLiteral("Reunião às 15h!"));

        // another day starts empty; coming back shows the note again
        auto *data = child<QDateEdit>(w.get(), QStringLiteral("Data_Diario"));
        data->setDate(QDate(2026, 12, 9));
        QCOMPARE(child<QPlainTextEdit>(w.get(), QStringLiteral("edtTexto"))->toPlainText(), QString());
        QCOMPARE(child<QLabel>(w.get(), QStringLiteral("lblDataExtenso"))->text(),
                 QStringLiteral("Quarta-Feira, 09 de Dezembro de 2026."));
        data->setDate(QDate(2026, 12, 8));
        QCOMPARE(child<QPlainTextEdit>(w.get(), QStringLiteral("edtTexto"))->toPlainText(),
                 QStringLiteral("Reunião às 15h!"));
        QVERIFY(m_seams.messages->questions.isEmpty());

        m_seams.messages->answers << true;
        child<QPushButton>(w.get(), QStringLiteral("btnLimpar"))->click();
        QCOMPARE(m_seams.messages->questions.last(),
                 QStringLiteral("Deseja excluir todas as anotações do dia 08/12/2026"));
        QCOMPARE(count(db(), QStringLiteral("ANOTACAO"), QStringLiteral("LOGIN = 'ana'")), 0);
        QVERIFY(child<QPlainTextEdit>(w.get(), QStringLiteral("edtTexto"))->toPlainText().isEmpty());
    }

    void changingTheDayWithUnsavedTextSavesItToItsOwnDay()
    {
        auto w = janela();
        digitar(w.get(), QStringLiteral("do dia 8"));
        m_seams.messages->answers << true;
        child<QDateEdit>(w.get(), QStringLiteral("Data_Diario"))->setDate(QDate(2026, 12, 10));
        QCOMPARE(
            m_seams.messages->questions,
            QStringList{QStringLiteral(
                "O campo diário contém informações que ainda não foram salvas.  Deseja salvá-las agora?")});
        QCOMPARE(nota(db(), QStringLiteral("ana"), QDate(2026, 12, 8)), QStringLiteral("do dia 8"));
        QCOMPARE(nota(db(), QStringLiteral("ana"), QDate(2026, 12, 10)), QString());
        QVERIFY(!child<QPushButton>(w.get(), QStringLiteral("btnSalvar"))->isEnabled());

        // No: the typing is dropped, nothing is written anywhere
        digitar(w.get(), QStringLiteral("descartado"));
        m_seams.messages->answers << false;
        child<QDateEdit>(w.get(), QStringLiteral("Data_Diario"))->setDate(QDate(2026, 12, 8));
        QCOMPARE(nota(db(), QStringLiteral("ana"), QDate(2026, 12, 10)), QString());
        QCOMPARE(child<QPlainTextEdit>(w.get(), QStringLiteral("edtTexto"))->toPlainText(),
                 QStringLiteral("do dia 8"));
        TAnotacao a(db());
        a.Data = QDateToDateTime(QDate(2026, 12, 8));
        QCOMPARE(a.Excluir(QStringLiteral("ana")), Resultado::Gravado);
    }

    void closingHidesAndAsksOnlyWhenThereIsUnsavedText()
    {
        auto w = janela();
        w->close();
        QVERIFY(!w->isVisible() || w->isMinimized());
        QVERIFY(m_seams.messages->questions.isEmpty());
        QCOMPARE(m_terminated, 0);
        child<QAction>(w.get(), QStringLiteral("ExibirLumisto1"))->trigger();
        QVERIFY(w->isVisible());
        QVERIFY(!w->isMinimized());

        digitar(w.get(), QStringLiteral("fechando"));
        m_seams.messages->answers << true;
        w->close();
        QCOMPARE(m_seams.messages->questions.size(), 1);
        QCOMPARE(nota(db(), QStringLiteral("ana"), QDate(2026, 12, 8)), QStringLiteral("fechando"));
        QCOMPARE(m_terminated, 0);
    }

    void exitCommands()
    {
        auto w = janela();
        // Sair: at once, but unsaved text is offered first
        digitar(w.get(), QStringLiteral("ao sair"));
        m_seams.messages->answers << true;
        child<QAction>(w.get(), QStringLiteral("Sair1"))->trigger();
        QCOMPARE(m_terminated, 1);
        QCOMPARE(nota(db(), QStringLiteral("ana"), QDate(2026, 12, 8)), QStringLiteral("ao sair"));

        // the tray's Sair asks first; No keeps the program
        m_seams.messages->clear();
        m_seams.messages->answers << false;
        child<QAction>(w.get(), QStringLiteral("Sair2"))->trigger();
        QCOMPARE(m_seams.messages->questions,
                 QStringList{QStringLiteral("Caro(a) Ana, desejas encerar a Quabelo agora?")});
        QCOMPARE(m_terminated, 1);

        // log off clears the automatic login
        WriteSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA"), true);
        m_seams.messages->answers << true;
        child<QAction>(w.get(), QStringLiteral("SairefazerLogOff1"))->trigger();
        QCOMPARE(m_terminated, 2);
        QVERIFY(!ReadSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA")));
    }

    // kill, Ctrl+C and the end of the session: nobody can answer a question
    // then, so the diary's unsaved text is saved to its day and the program ends.
    void aSignalSavesTheDiaryWithoutAskingAndEnds_data()
    {
        QTest::addColumn<int>("sinal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void aSignalSavesTheDiaryWithoutAskingAndEnds()
    {
        QFETCH(int, sinal);
        auto w = janela();
        TerminationSignals sinais;
        QVERIFY(sinais.install());
        connect(&sinais, &TerminationSignals::terminationRequested, w.get(),
                &TfrPrincipalAC::EncerrarPorSinal);
        digitar(w.get(), QStringLiteral("antes do fim"));
        QVERIFY(w->diarioPendente());

        QCOMPARE(::kill(::getpid(), sinal), 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_terminated, 1, 60000);
        QVERIFY(TerminationSignals::requested());
        TerminationSignals::resetRequested();
        QVERIFY(m_seams.messages->questions.isEmpty());
        QCOMPARE(nota(db(), QStringLiteral("ana"), QDate(2026, 12, 8)), QStringLiteral("antes do fim"));
        QVERIFY(!w->diarioPendente());
    }

    // "Sim" to the diary question and a save that fails: the window and the
    // text stay, whether it was closing or ending.
    void aFailedDiarySaveKeepsTheWindowAndTheText()
    {
        auto w = janela();
        digitar(w.get(), QStringLiteral("sem banco"));
        db().disconnect();
        m_seams.messages->answers << true << true;
        w->close();
        child<QAction>(w.get(), QStringLiteral("Sair1"))->trigger();
        QVERIFY(m_dm->Reconectar());
        QCOMPARE(m_seams.messages->questions.size(), 2);
        QCOMPARE(m_seams.messages->shown.size(), 2); // the failure, each time
        QVERIFY(w->isVisible());
        QVERIFY(!w->isMinimized());
        QCOMPARE(m_terminated, 0);
        QCOMPARE(child<QPlainTextEdit>(w.get(), QStringLiteral("edtTexto"))->toPlainText(),
                 QStringLiteral("sem banco"));
        QVERIFY(w->diarioPendente());
        QCOMPARE(nota(db(), QStringLiteral("ana"), QDate(2026, 12, 8)), QString());
    }

    void ctrlXAndCtrlCInTheDiaryEditText()
    {
        auto w = janela();
        digitar(w.get(), QStringLiteral("recortar"));
        auto *memo = child<QPlainTextEdit>(w.get(), QStringLiteral("edtTexto"));
        memo->selectAll();
        QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(m_terminated, 0);
        QVERIFY(m_nav->opened.isEmpty());
        QCOMPARE(memo->toPlainText(), QString());
    }

    // the report and label entries are on and open their screens
    void printEntriesOpenTheirScreens()
    {
        const QList<std::pair<QString, QString>> entradas = {
            {QStringLiteral("PessoaFsica3"), QStringLiteral("TqrpListaPF")},
            {QStringLiteral("PessoaJurdica3"), QStringLiteral("TqrpListaPJ")},
            {QStringLiteral("PessoadeContato2"), QStringLiteral("TqrpListaPC")},
            {QStringLiteral("ImpressodeEtiquetasparaPFeouPJ1"), QStringLiteral("TfrImprimeEtiquetas")}};
        QSet<QString> telas;
        for (const auto &e : entradas)
            telas << e.second;
        m_nav = RecordingNavigator::install(telas);
        auto w = janela();
        for (const auto &[acao, tela] : entradas) {
            QAction *a = child<QAction>(w.get(), acao);
            QVERIFY2(a->isEnabled(), qPrintable(acao));
            a->trigger();
            QCOMPARE(m_nav->opened.last().first, tela);
        }
    }

    void screensOpenThroughTheNavigator()
    {
        auto w = janela();
        child<QPushButton>(w.get(), QStringLiteral("btnPesquisa"))->click();
        QCOMPARE(m_nav->opened.last().first, QStringLiteral("TfrPesquisaAnotacao"));
        QCOMPARE(m_nav->opened.last().second.login, QStringLiteral("ana"));

        WriteSettingDate(QStringLiteral("BACKUP"), QStringLiteral("DATA"),
                         QDateToDateTime(QDate(2026, 12, 1)));
        bool disconnected = false;
        m_nav->onOpen = [&](const QString &, QWidget *, const Abertura &) {
            disconnected = !db().isConnected();
            return Retorno{};
        };
        child<QAction>(w.get(), QStringLiteral("BackupRestore1"))->trigger();
        QCOMPARE(m_nav->opened.last().first, QStringLiteral("TfrBackUP"));
        QVERIFY(disconnected);
        QVERIFY(db().isConnected());
        QCOMPARE(child<QLabel>(w.get(), QStringLiteral("StatusPanel2"))->text(),
                 QStringLiteral("Último BackUP realizado em: 01/12/2026"));

        m_nav->onOpen = [&](const QString &, QWidget *, const Abertura &) {
            m_ana.Nome = QStringLiteral("Ana Maria");
            return Retorno{.resultado = 1};
        };
        child<QAction>(w.get(), QStringLiteral("Alterardadosde1"))->trigger();
        QCOMPARE(w->windowTitle(), QStringLiteral("Lumisto -- Usuário(a) : Ana Maria <<::>> Login: ana"));
        QCOMPARE(child<QLabel>(w.get(), QStringLiteral("StatusPanel1"))->text(),
                 QStringLiteral("Login: ana"));
        m_ana.Nome = QStringLiteral("Ana");

        child<QAction>(w.get(), QStringLiteral("QueroaversoemREDE1"))->trigger();
        QVERIFY(m_seams.messages->shown.last().startsWith(
            QStringLiteral("A versão em REDE já vem com o programa")));
    }
};

QTEST_MAIN(TestTfrPrincipalAC)
#include "TestTfrPrincipalAC.moc"
