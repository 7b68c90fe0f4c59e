// The finance screen on a real database with the clock in January 2026: the
// month's list in order with its header, totals line and panels; saving a
// single entry; deleting with Ctrl-click on the amount only; the pop-up's
// situation and type changes; the empty list's placeholder row acting on
// nothing; changing an entry from a double-click; instalments from
// "Parcelar?"; the all-persons mode with its visibility and its header; the
// printed page with no entries; and the settings kept between openings.
#include "data/Database.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/TFinancas.h"
#include "model/TPessoaFisica.h"
#include "model/TUsuario.h"
#include "services/Settings.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/Modelos.h"
#include "support/TestFolder.h"
#include "ui/common/MoneyEdit.h"
#include "ui/common/Navigator.h"
#include "ui/finance/TfrEscolhaAsDatas.h"
#include "ui/finance/TfrFinancas.h"
#include "ui/finance/TfrRepetindoContas.h"
#include "util/DateTime.h"
#include "util/Win1252.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kExcluir =
    QStringLiteral("Este procedimento excluirá o lançamento selecionado.  Deseja continuar?");

double jan(int dia)
{
    return EncodeDate(2026, 1, dia);
}

// The screen for one individual, shown.
struct Tela {
    TPessoaFisica pessoa;
    TfrFinancas dlg;
    bool exposta = false;

    explicit Tela(int id)
    {
        pessoa.Identificador = id;
        if (!pessoa.Carregar())
            qFatal("person %d not loaded", id);
        dlg.DefinirPessoa(pessoa);
        TestarModelos(&dlg);
        dlg.show();
        exposta = QTest::qWaitForWindowExposed(&dlg);
    }
    template <typename T>
    T *c(const char *nome)
    {
        return child<T>(&dlg, nome);
    }
    QTableView *grid() { return c<QTableView>("Grid"); }
    // "data|valor|obs|situação" of each row
    QStringList linhas()
    {
        QStringList out;
        const QAbstractItemModel *m = grid()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList cel;
            for (int col = 0; col < m->columnCount(); ++col)
                cel << m->index(r, col).data().toString();
            out << cel.join(QLatin1Char('|'));
        }
        return out;
    }
    void clicar(int linha, int coluna)
    {
        const QRect r = grid()->visualRect(grid()->model()->index(linha, coluna));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, r.center());
    }
    void duploClique(int linha)
    {
        const QPoint p = grid()->visualRect(grid()->model()->index(linha, 0)).center();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, p);
    }
    void menu(int linha, const char *acao)
    {
        grid()->setCurrentIndex(grid()->model()->index(linha, 0));
        c<QAction>(acao)->trigger();
    }
    void entreDatas(QDate de, QDate ate, bool todas)
    {
        whenModal<TfrEscolhaAsDatas>([=](TfrEscolhaAsDatas *d) {
            QVERIFY(d->findChild<QCheckBox *>(QStringLiteral("edtPessoas"))->isVisibleTo(d));
            d->findChild<QDateEdit *>(QStringLiteral("data_in"))->setDate(de);
            d->findChild<QDateEdit *>(QStringLiteral("data_out"))->setDate(ate);
            d->findChild<QCheckBox *>(QStringLiteral("edtPessoas"))->setChecked(todas);
            d->findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->click();
        });
        c<QAction>("EntreDatas1")->trigger();
    }
    void preencher(int pagina, const QString &valor, const QString &obs = {}, int parcelar = 0)
    {
        c<QTabWidget>("PageControl1")->setCurrentIndex(pagina);
        const QByteArray s = pagina == 0 ? "_01" : "_02";
        child<MoneyEdit>(&dlg, QByteArray("edtValor" + s).constData())->setText(valor);
        child<QPlainTextEdit>(&dlg, QByteArray("edtObs" + s).constData())->setPlainText(obs);
        child<QComboBox>(&dlg, QByteArray("edtParcelar" + s).constData())->setCurrentIndex(parcelar);
    }
};

} // namespace

class TestTfrFinancas : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_usuario;
    int m_joana = 0;  // ana's, private
    int m_pedro = 0;  // bia's, public
    int m_oculta = 0; // bia's, private
    Database &db() { return m_dm->BancoDados; }

    qint32 lancar(int pessoa, double data, qint64 valor, int tipo, int situacao, const QString &obs,
                  const QString &login = QStringLiteral("ana"))
    {
        TFinancas f(db());
        f.IdPessoa = pessoa;
        f.TipoPessoa = 0;
        f.Data = data;
        f.Valor = Money::fromRaw(valor);
        f.TipoOperacao = quint8(tipo);
        f.Situacao = quint8(situacao);
        f.Obs = obs;
        f.Login = login;
        if (f.Inserir() != Resultado::Gravado)
            return 0;
        return scalar(db(), QStringLiteral("SELECT MAX(ID_FINANCA) FROM FINANCAS")).toInt();
    }
    int contar(const QString &where = {}) { return count(db(), QStringLiteral("FINANCAS"), where); }
    QString coluna(const QString &col, qint32 id)
    {
        return scalar(db(), QStringLiteral("SELECT %1 FROM FINANCAS WHERE ID_FINANCA = %2").arg(col).arg(id))
            .toString();
    }
    // The three January entries of Joana most tests start from.
    void padrao()
    {
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM FINANCAS")));
        QVERIFY(lancar(m_joana, jan(20), 50000, 0, 0, QStringLiteral("luz")));
        QVERIFY(lancar(m_joana, jan(5), 900000, 1, 1, QStringLiteral("salário\r\nde janeiro")));
        QVERIFY(lancar(m_joana, jan(5), 100000, 0, 1, QStringLiteral("água")));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_seams.clock->current = QDateTime(QDate(2026, 1, 15), QTime(9, 8, 7));
        InstallScreens(); // the period and instalment dialogs are the real ones
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        QVERIFY(insertUsuario(db(), QStringLiteral("bia")));
        m_usuario.Login = QStringLiteral("ana");
        m_usuario.Nome = QStringLiteral("Ana Maria");
        TUsuario::setAtual(&m_usuario);
        const int g = insertGrupo(db(), QStringLiteral("G"));
        m_joana = insertPessoaFisica(db(), QStringLiteral("Joana Prado"), g, QStringLiteral("ana"), 0);
        m_pedro = insertPessoaFisica(db(), QStringLiteral("Pedro Reis"), g, QStringLiteral("bia"), 1);
        m_oculta = insertPessoaFisica(db(), QStringLiteral("Oculta"), g, QStringLiteral("bia"), 0);
        QVERIFY(exec(
            db(),
            QStringLiteral("UPDATE PESSOAFISICA SET TRATAMENTO = 'Dra.', APELIDO = 'Jo', LOCAL_TRABALHO = "
                           "'Clínica', EMAIL = 'jo@x.br', FONE_CELULAR = '11987654321' WHERE "
                           "IDENTIFICADOR = :I"),
            {{QStringLiteral("I"), m_joana}}));
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.shell->opened.clear();
        m_seams.keyboard->down.clear();
        padrao();
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void monthListInOrderWithTotals()
    {
        QVERIFY(lancar(m_joana, EncodeDate(2026, 2, 1), 1, 0, 0, QStringLiteral("fevereiro")));
        Tela t(m_joana);
        QVERIFY(t.exposta);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Finanças de: Dra. Joana Prado :: Jo : Clínica"));
        QCOMPARE(t.c<QLabel>("Label1")->text(), QStringLiteral("E-mail: jo@x.br <<:::>> E-mail MSN: "));
        QCOMPARE(t.c<QLabel>("Label4")->text(), QStringLiteral("Fone Cel.: (11)98765-4321"));
        QCOMPARE(t.linhas(), (QStringList{QStringLiteral("05/01/2026|R$ 10,00  P|água|Quitado"),
                                          QStringLiteral("05/01/2026|R$ 90,00  R|salário de janeiro|Quitado"),
                                          QStringLiteral("20/01/2026|R$ 5,00  P|luz|Aberto")}));
        QCOMPARE(t.c<QLabel>("pnlSaldos")->text(),
                 QStringLiteral("A pagar: R$ 15,00   -- A receber: R$ 90,00   ==>> Saldo: R$ 75,00  "));
        QVERIFY(t.c<QLabel>("pnlSaldos")->isVisible());
        QVERIFY(t.c<QLabel>("Panel4")->isVisible());
        QCOMPARE(t.c<QLabel>("lblInfo")->text(), QStringLiteral("Período de: 01/01/2026 a 31/01/2026"));
        const QAbstractItemModel *m = t.grid()->model();
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Observação"));
        QCOMPARE(m->index(0, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        QCOMPARE(m->index(1, 1).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::blue));
        QVERIFY(m->index(0, 0).data(Qt::BackgroundRole) != m->index(1, 0).data(Qt::BackgroundRole));
    }

    void saveSingleEntry()
    {
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM FINANCAS")));
        Tela t(m_joana);
        t.preencher(0, QStringLiteral("12,34567"));
        t.c<QPushButton>("btnSalvar_01")->click();
        QCOMPARE(m_seams.messages->shown,
                 QStringList{QStringLiteral("Valor inválido! Use o formato 1.234,56.")});
        QCOMPARE(contar(), 0);

        t.preencher(0, QStringLiteral("12,3456"), QStringLiteral("conta\nde luz"));
        t.c<QDateEdit>("edtData_01")->setDate(QDate(2026, 1, 9));
        t.c<QComboBox>("edtFormaPagamento_01")->setCurrentIndex(4);
        t.c<QPushButton>("btnSalvar_01")->click();
        QCOMPARE(contar(), 1);
        const qint32 id = scalar(db(), QStringLiteral("SELECT ID_FINANCA FROM FINANCAS")).toInt();
        QCOMPARE(contar(QStringLiteral("VALOR = 12.3456")), 1);
        QCOMPARE(coluna(QStringLiteral("LOGIN"), id), QStringLiteral("ana"));
        QCOMPARE(coluna(QStringLiteral("ID_PESSOA"), id).toInt(), m_joana);
        QCOMPARE(coluna(QStringLiteral("TIPO_PESSOA || TIPO_OPERACAO || FORMAP_PAGAMENTO || SITUACAO"), id),
                 QStringLiteral("0040"));
        QCOMPARE(coluna(QStringLiteral("OBS"), id), QStringLiteral("conta\r\nde luz"));
        QCOMPARE(t.linhas(), QStringList{QStringLiteral("09/01/2026|R$ 12,35  P|conta de luz|Aberto")});

        // the receivable page saves with its own button as type 1
        t.preencher(1, QStringLiteral("1"));
        t.c<QPushButton>("SpeedButton2")->click();
        QCOMPARE(contar(QStringLiteral("TIPO_OPERACAO = 1")), 1);
    }

    // Only Ctrl with a click on the amount deletes, and only after Yes.
    void ctrlClickDeletes_data()
    {
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<int>("coluna");
        QTest::addColumn<int>("resposta"); // -1: no question expected
        QTest::addColumn<int>("restam");
        QTest::newRow("Ctrl on the amount, Yes") << true << 1 << 1 << 2;
        QTest::newRow("Ctrl on the amount, No") << true << 1 << 0 << 3;
        QTest::newRow("plain click on the amount") << false << 1 << -1 << 3;
        QTest::newRow("Ctrl on the date") << true << 0 << -1 << 3;
        QTest::newRow("Ctrl on the notes") << true << 2 << -1 << 3;
    }
    void ctrlClickDeletes()
    {
        QFETCH(bool, ctrl);
        QFETCH(int, coluna);
        QFETCH(int, resposta);
        QFETCH(int, restam);
        Tela t(m_joana);
        if (ctrl)
            m_seams.keyboard->down.insert(KeyboardState::Control);
        if (resposta >= 0)
            m_seams.messages->answers.enqueue(resposta == 1);
        t.clicar(2, coluna); // "luz"
        QCOMPARE(m_seams.messages->questions, resposta >= 0 ? QStringList{kExcluir} : QStringList());
        QCOMPARE(contar(), restam);
        QCOMPARE(contar(QStringLiteral("OBS = 'luz'")), restam - 2);
        QCOMPARE(t.linhas().size(), restam);
    }

    // The pop-up changes only its column and the login; the type entry names
    // the other type.
    void popupChangesOnlyItsColumn()
    {
        QVERIFY(exec(db(), QStringLiteral("UPDATE FINANCAS SET LOGIN = 'bia'")));
        const qint32 luz =
            scalar(db(), QStringLiteral("SELECT ID_FINANCA FROM FINANCAS WHERE OBS = 'luz'")).toInt();
        const QString outras = QStringLiteral("VALOR || DATA || FORMAP_PAGAMENTO || OBS || ID_PESSOA");
        const QString antes = coluna(outras, luz);
        Tela t(m_joana);
        t.clicar(2, 0);
        QCOMPARE(t.c<QAction>("AlterarParaAPagar1")->text(), QStringLiteral("Alterar para \"A Receber\""));
        QVERIFY(t.c<QAction>("Aberto1")->isChecked());
        QVERIFY(!t.c<QAction>("Quitado1")->isChecked());

        t.menu(2, "Quitado1");
        QCOMPARE(coluna(QStringLiteral("SITUACAO || TIPO_OPERACAO || LOGIN"), luz), QStringLiteral("10ana"));
        QCOMPARE(coluna(outras, luz), antes);
        QVERIFY(exec(db(), QStringLiteral("UPDATE FINANCAS SET LOGIN = 'bia'")));
        t.menu(2, "AlterarParaAPagar1");
        QCOMPARE(coluna(QStringLiteral("SITUACAO || TIPO_OPERACAO || LOGIN"), luz), QStringLiteral("11ana"));
        QCOMPARE(coluna(outras, luz), antes);
        QCOMPARE(t.linhas().at(2), QStringLiteral("20/01/2026|R$ 5,00  R|luz|Quitado"));
        t.menu(2, "Aberto1");
        QCOMPARE(coluna(QStringLiteral("SITUACAO"), luz), QStringLiteral("0"));
        QCOMPARE(contar(QStringLiteral("LOGIN = 'bia'")), 2);

        m_seams.messages->answers.enqueue(true);
        t.menu(2, "Exluir1");
        QCOMPARE(m_seams.messages->questions, QStringList{kExcluir});
        QCOMPARE(contar(), 2);
    }

    // With no entries the grid has one empty row that stands for nothing;
    // the printed page says so and still shows a zero balance.
    void emptyPeriodActsOnNothing()
    {
        Tela t(m_joana);
        t.entreDatas(QDate(2025, 3, 1), QDate(2025, 3, 31), false);
        QCOMPARE(t.linhas(), QStringList{QStringLiteral("|||")});
        QVERIFY(!t.c<QLabel>("pnlSaldos")->isVisible());
        QVERIFY(!t.c<QLabel>("Panel4")->isVisible());
        QCOMPARE(t.c<QLabel>("lblInfo")->text(), QStringLiteral("Período de: 01/03/2025 a 31/03/2025"));

        m_seams.keyboard->down.insert(KeyboardState::Control);
        t.clicar(0, 1);
        for (const char *acao : {"Aberto1", "Quitado1", "Exluir1", "AlterarParaAPagar1"})
            t.menu(0, acao);
        t.duploClique(0);
        QVERIFY(m_seams.messages->questions.isEmpty());
        QCOMPARE(contar(), 3);
        QCOMPARE(contar(QStringLiteral("SITUACAO = 1")), 2);
        QCOMPARE(child<QLabel>(&t.dlg, "lblStatus_02")->text(), QStringLiteral("Inserindo"));

        t.c<QPushButton>("btnImprimir")->click();
        const QString arquivo = m_folder.file(QStringLiteral("Financas.html"));
        QCOMPARE(m_seams.shell->opened, QStringList{arquivo});
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = Win1252::decode(f.readAll());
        QVERIFY(html.contains(QStringLiteral("Não há dados a exibir!")));
        QVERIFY(html.contains(QStringLiteral("Saldo à pagar: </b>R$ 0,00  ")));
        QVERIFY(html.contains(QStringLiteral("Saldo: </b>R$ 0,00  ")));
        QVERIFY(html.contains(QStringLiteral("Gerado por Ana Maria em :15/01/2026 :: 09:08:07")));
        QVERIFY(html.contains(QStringLiteral("Dra. Joana Prado :: Jo : Clínica")));
    }

    void doubleClickChangesTheEntry()
    {
        Tela t(m_joana);
        t.duploClique(1); // the receivable "salário"
        QCOMPARE(t.c<QTabWidget>("PageControl1")->currentIndex(), 1);
        QCOMPARE(t.c<MoneyEdit>("edtValor_02")->text(), QStringLiteral("90,00"));
        QCOMPARE(t.c<QPlainTextEdit>("edtObs_02")->toPlainText(), QStringLiteral("salário\nde janeiro"));
        QCOMPARE(t.c<QComboBox>("edtSituacao_02")->currentIndex(), 1);
        QCOMPARE(t.c<QLabel>("lblLogin_02")->text(), QStringLiteral("Cadastrado por: ana"));
        QCOMPARE(t.c<QLabel>("lblStatus")->text(), QStringLiteral("Alterando"));
        QVERIFY(t.grid()->model()->index(1, 0).data(Qt::BackgroundRole) !=
                t.grid()->model()->index(2, 0).data(Qt::BackgroundRole));

        t.c<MoneyEdit>("edtValor_02")->setText(QStringLiteral("95,5"));
        t.c<QPushButton>("SpeedButton2")->click();
        QCOMPARE(contar(), 3);
        QCOMPARE(contar(QStringLiteral("VALOR = 95.5 AND TIPO_OPERACAO = 1")), 1);
        QCOMPARE(t.c<QLabel>("lblStatus")->text(), QStringLiteral("Inserindo"));
    }

    // "03" opens the instalment screen with a third of the amount; its save
    // stores the series.
    void instalmentsFromParcelar()
    {
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM FINANCAS")));
        Tela t(m_joana);
        t.preencher(1, QStringLiteral("100,00"), QString(), 2);
        t.c<QDateEdit>("edtData_02")->setDate(QDate(2026, 1, 31));
        QString titulo, parcela, numero;
        whenModal<TfrRepetindoContas>([&](TfrRepetindoContas *r) {
            titulo = r->windowTitle();
            numero = r->findChild<QLineEdit *>(QStringLiteral("edtNumeroParcelas"))->text();
            parcela = r->findChild<MoneyEdit *>(QStringLiteral("edtValorParcela"))->text();
            r->findChild<QPushButton *>(QStringLiteral("btnSalvar"))->click();
        });
        t.c<QPushButton>("SpeedButton2")->click();
        QCOMPARE(titulo, QStringLiteral("Repetindo Contas \"a receber\" de Joana Prado"));
        QCOMPARE(numero, QStringLiteral("03"));
        QCOMPARE(parcela, QStringLiteral("33,3333"));
        QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Finanças inseridas com sucesso!")});
        QCOMPARE(contar(QStringLiteral("VALOR = 33.3333 AND TIPO_OPERACAO = 1")), 3);
        QCOMPARE(t.linhas().size(), 1); // January only: 31/01
    }

    // Every visible person's entries; the header names the person a save
    // goes to: the double-clicked row's while changing, the opener's after.
    void allPersonsMode()
    {
        QVERIFY(lancar(m_pedro, jan(8), 20000, 1, 0, QStringLiteral("do Pedro"), QStringLiteral("bia")));
        QVERIFY(lancar(m_oculta, jan(9), 30000, 1, 0, QStringLiteral("oculta"), QStringLiteral("bia")));
        Tela t(m_joana);
        t.entreDatas(QDate(2026, 1, 1), QDate(2026, 1, 31), true);
        QVERIFY(t.dlg.TodasAsPessoas());
        QCOMPARE(t.grid()->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Nome"));
        QCOMPARE(t.linhas(), (QStringList{QStringLiteral("05/01/2026|R$ 10,00  P|Joana Prado|Quitado"),
                                          QStringLiteral("05/01/2026|R$ 90,00  R|Joana Prado|Quitado"),
                                          QStringLiteral("08/01/2026|R$ 2,00  R|Pedro Reis|Aberto"),
                                          QStringLiteral("20/01/2026|R$ 5,00  P|Joana Prado|Aberto")}));

        t.duploClique(2);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Finanças de:  Pedro Reis ::  : "));
        t.c<MoneyEdit>("edtValor_02")->setText(QStringLiteral("3"));
        t.c<QPushButton>("SpeedButton2")->click();
        QCOMPARE(contar(QStringLiteral("OBS = 'do Pedro' AND VALOR = 3 AND ID_PESSOA = %1").arg(m_pedro)), 1);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Finanças de: Dra. Joana Prado :: Jo : Clínica"));

        // a new entry goes to the person the header names
        t.duploClique(2);
        t.c<QPushButton>("SpeedButton1")->click(); // Cancelar
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Finanças de: Dra. Joana Prado :: Jo : Clínica"));
        t.preencher(0, QStringLiteral("7"), QStringLiteral("nova"));
        t.c<QPushButton>("btnSalvar_01")->click();
        QCOMPARE(contar(QStringLiteral("OBS = 'nova' AND ID_PESSOA = %1").arg(m_joana)), 1);

        // "Mês Atual" keeps every person
        t.c<QToolButton>("JvArrowButton1")->click();
        QVERIFY(t.dlg.TodasAsPessoas());
        QCOMPARE(t.linhas().size(), 5);
    }

    void settingsKeptBetweenOpenings()
    {
        {
            Tela t(m_joana);
            t.c<QTabWidget>("PageControl1")->setCurrentIndex(1);
            t.c<QComboBox>("edtFormaPagamento_02")->setCurrentIndex(3);
            t.c<QComboBox>("edtSituacao_01")->setCurrentIndex(1);
            t.dlg.close();
        }
        QCOMPARE(ReadSettingInt(QStringLiteral("FINANCAS"), QStringLiteral("OPERACAO")), 1);
        QCOMPARE(ReadSettingInt(QStringLiteral("FINANCAS"), QStringLiteral("FORMA_02")), 3);
        Tela t(m_joana);
        QCOMPARE(t.c<QTabWidget>("PageControl1")->currentIndex(), 1);
        QCOMPARE(t.c<QComboBox>("edtFormaPagamento_02")->currentIndex(), 3);
        QCOMPARE(t.c<QComboBox>("edtSituacao_01")->currentIndex(), 1);
        QCOMPARE(t.c<QComboBox>("edtFormaPagamento_01")->currentIndex(), 0);
    }
};

QTEST_MAIN(TestTfrFinancas)
#include "TestTfrFinancas.moc"
