// The individuals' search list on a seeded database: what it shows when it
// opens, filters run from their controls, the grid's cells and colours, the
// link columns and the double-click through the navigator, deleting with
// Ctrl+Shift on the name, a failed search, the page and the help.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/PesquisaRelPF.h"
#include "model/TUsuario.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/Modelos.h"
#include "support/PessoasSemeadas.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/common/GroupList.h"
#include "ui/common/Telas.h"
#include "ui/reports/GradeRelModel.h"
#include "ui/reports/TfrRelPF.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace DbHelpers;

namespace {

QStringList coluna(QTableView *g, int c)
{
    QStringList l;
    for (int r = 0; r < g->model()->rowCount(); ++r)
        l << g->model()->index(r, c).data().toString();
    return l;
}

void clicar(QTableView *g, int linha, int col)
{
    const QPoint p = g->visualRect(g->model()->index(linha, col)).center();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, p);
}

} // namespace

class TestTfrRelPF : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_atual;
    PessoasSemeadas m_s;
    RecordingNavigator *m_nav = nullptr;
    Database &db() { return m_dm->BancoDados; }

    // the screen shown and laid out, its models under test
    std::unique_ptr<TfrRelPF> abrir()
    {
        auto dlg = std::make_unique<TfrRelPF>();
        dlg->show();
        if (!QTest::qWaitForWindowExposed(dlg.get()))
            qWarning("the list was never shown");
        TestarModelos(dlg.get());
        return dlg;
    }

    static void procurarNome(TfrRelPF *dlg, const QString &nome)
    {
        child<QLineEdit>(dlg, "edtNome")->setText(nome);
        child<QPushButton>(dlg, "btnProcuraNome")->click();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(m_s.semear(db()));
        m_atual.Login = QStringLiteral("ana");
        TUsuario::setAtual(&m_atual);
    }
    void init()
    {
        m_seams = FakeSeams::install();
        m_nav = RecordingNavigator::install(
            {Telas::kHistorico, Telas::kFinancas, Telas::kAlbum, Telas::kPessoaFisica});
    }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void opensWithNothingSearched()
    {
        const quint64 antes = Database::statementCount();
        auto dlg = abrir();
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Pesquisa Pessoa Física"));
        // the groups are the one statement
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        auto *abas = child<QTabWidget>(dlg.get(), "PageControl");
        QStringList titulos;
        for (int i = 0; i < abas->count(); ++i)
            titulos << abas->tabText(i);
        QCOMPARE(titulos,
                 (QStringList{QStringLiteral("Nome"), QStringLiteral("Email"), QStringLiteral("Data"),
                              QStringLiteral("Endereço"), QStringLiteral("Grupo"), QStringLiteral("Telefone"),
                              QStringLiteral("Tele Marketing"), QStringLiteral("Eleitor"),
                              QStringLiteral("Dados Profissionais")}));
        QCOMPARE(abas->currentIndex(), 0);
        QCOMPARE(dlg->grade()->model()->rowCount(), 1);
        QVERIFY(!child<QWidget>(dlg.get(), "Panel22")->isVisible());

        auto *anos = child<QComboBox>(dlg.get(), "txtAno");
        QCOMPARE(anos->count(), 121);
        QCOMPARE(anos->itemText(0), QStringLiteral("2026"));
        QCOMPARE(anos->itemText(120), QStringLiteral("1906"));
        auto *letras = child<QComboBox>(dlg.get(), "txtLetraIni");
        QCOMPARE(letras->count(), 25);
        QCOMPARE(letras->currentText(), QStringLiteral("A"));
        QCOMPARE(letras->findText(QStringLiteral("X")), -1);
        QCOMPARE(child<QComboBox>(dlg.get(), "edtEstado")->count(), 27);
        QCOMPARE(child<GroupList>(dlg.get(), "txtGrupo")->count(), 3);
        QCOMPARE(child<QComboBox>(dlg.get(), "edtTipoCliente01")->currentText(), QStringLiteral("Cliente"));
        QCOMPARE(child<QDateEdit>(dlg.get(), "data_in")->date(), QDate(2026, 12, 1));
        QCOMPARE(child<QDateEdit>(dlg.get(), "data_out")->date(), QDate(2026, 12, 31));
        QCOMPARE(child<QDateEdit>(dlg.get(), "Data")->date(), QDate(2026, 12, 8));
        QVERIFY(child<QLineEdit>(dlg.get(), "edtFoneRes")
                    ->toolTip()
                    .startsWith(QStringLiteral("Apenas RESIDÊNCIAL!\r\nInforme apenas números!\r\n")));
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void filtersRunFromTheirControls_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("valor"); // text, or the item chosen in a list
        QTest::addColumn<QString>("botao"); // empty: Enter in the field, or choosing the item
        QTest::addColumn<QStringList>("nomes");
        auto linha = [](const char *caso, const char *campo, const char *valor, const char *botao,
                        QStringList nomes) {
            QTest::newRow(caso) << QString::fromLatin1(campo) << QString::fromUtf8(valor)
                                << QString::fromLatin1(botao) << nomes;
        };
        const QString ana = QStringLiteral("Dra. Ana Souza"), bruno = QStringLiteral("Sr. Bruno Lima"),
                      daniel = QStringLiteral("Sr. Daniel Souza"),
                      elida = QStringLiteral("Profa. Élida Mota");
        linha("name by Enter", "edtNome", "souza", "", {ana, daniel});
        linha("phonetic", "edtNomeF", "sousa", "SpeedButton10", {ana, daniel});
        linha("nickname", "edtApelido", "lida", "btnProcuraApelido", {elida});
        linha("e-mail", "edtEmail", "casa", "btnProcuraEmail", {ana, daniel});
        linha("first letter chosen", "txtLetraIni", "B", "", {bruno});
        linha("day", "txtDia", "15", "btnDia", {ana, bruno});
        linha("month chosen", "txtMes", "Dezembro", "", {bruno, elida});
        linha("year", "txtAno", "1975", "SpeedButton1", {elida});
        linha("day and month", "txtDiaM", "15", "btnMesDia", {bruno}); // txtMesD is set to December below
        linha("district, second button", "edtBairro", "centro", "SpeedButton2", {ana, elida});
        linha("state chosen", "edtEstado", "RJ", "", {bruno});
        linha("group over 10000", "txtGrupo", "10001 :: Vizinhos", "SpeedButton3", {daniel});
        linha("any telephone", "edtFoneTodos", "3245", "SpeedButton9", {ana, daniel});
        linha("home telephone by Enter", "edtFoneRes", "2133", "", {bruno});
        linha("interest", "edtTipoCliente", "Futuramente", "SpeedButton7", {QString()});
        linha("interest in this month", "edtTipoCliente01", "Cliente", "SpeedButton8", {ana});
        linha("voter zone", "edtZona", "11", "SpeedButton12", {elida});
        linha("profession", "edtNomeProfissao", "engenheiro", "SpeedButton14", {QString()});
    }
    void filtersRunFromTheirControls()
    {
        QFETCH(QString, campo);
        QFETCH(QString, valor);
        QFETCH(QString, botao);
        QFETCH(QStringList, nomes);
        auto dlg = abrir();
        child<QComboBox>(dlg.get(), "txtMesD")->setCurrentIndex(11);
        QWidget *w = child<QWidget>(dlg.get(), campo);
        const quint64 antes = Database::statementCount();
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            e->setText(valor);
            if (botao.isEmpty())
                QTest::keyClick(e, Qt::Key_Return);
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            const int i = c->findText(valor);
            QVERIFY(i >= 0);
            c->setCurrentIndex(i);
            if (botao.isEmpty())
                emit c->activated(i);
        }
        if (!botao.isEmpty())
            child<QPushButton>(dlg.get(), botao)->click();
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(coluna(dlg->grade(), 1), nomes);
        QCOMPARE(child<QWidget>(dlg.get(), "Panel22")->isVisible(), !nomes.first().isEmpty());
        QVERIFY2(m_seams.messages->shown.isEmpty(), qPrintable(m_seams.messages->shown.join(u'\n')));
    }

    void telephoneButtonsWaitForDigits()
    {
        auto dlg = abrir();
        const quint64 antes = Database::statementCount();
        for (const char *b : {"SpeedButton9", "SpeedButton4", "SpeedButton5", "SpeedButton6"})
            child<QPushButton>(dlg.get(), b)->click();
        QCOMPARE(Database::statementCount(), antes);
        QCOMPARE(dlg->UltimoFiltro(), -1);
        // Enter in the empty field still searches: every number stored
        QTest::keyClick(child<QLineEdit>(dlg.get(), "edtFoneCelular"), Qt::Key_Return);
        QCOMPARE(coluna(dlg->grade(), 1),
                 (QStringList{QStringLiteral("Dra. Ana Souza"), QStringLiteral("Sr. Bruno Lima")}));
    }

    void gridCellsAndColours()
    {
        auto dlg = abrir();
        procurarNome(dlg.get(), QString());
        QAbstractItemModel *m = dlg->grade()->model();
        QCOMPARE(m->rowCount(), 4);
        QStringList cabecalhos, ana;
        for (int c = 0; c < m->columnCount(); ++c) {
            cabecalhos << m->headerData(c, Qt::Horizontal).toString();
            ana << m->index(0, c).data().toString();
        }
        QCOMPARE(cabecalhos,
                 (QStringList{QStringLiteral("Histórico"), QStringLiteral("Nome"), QStringLiteral("Fone Res"),
                              QStringLiteral("Fone Com"), QStringLiteral("Fone Cel"),
                              QStringLiteral("Finanças"), QStringLiteral("Álbum")}));
        QCOMPARE(ana, (QStringList{QStringLiteral("Inserir"), QStringLiteral("Dra. Ana Souza"),
                                   QStringLiteral("(11)3245-1234"), QStringLiteral("(11)4000-1111"),
                                   QStringLiteral("(11)98765-4321"), QStringLiteral("Pagar/Receber"),
                                   QStringLiteral("Ver Fotos")}));
        auto fundo = [m](int r) { return m->index(r, 1).data(Qt::BackgroundRole).value<QColor>(); };
        QCOMPARE(fundo(0), QColor(Qt::white));
        QCOMPARE(fundo(1), QColor(192, 220, 192));
        QCOMPARE(fundo(2), QColor(Qt::white));
        QCOMPARE(fundo(3), QColor(255, 196, 196)); // Élida is in the emergency guide
        for (int c : {0, 5, 6}) {
            QCOMPARE(m->index(0, c).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::blue));
            QVERIFY(m->index(0, c).data(Qt::FontRole).value<QFont>().underline());
        }
        QCOMPARE(m->index(0, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    }

    void linkColumnsOpenTheirScreens_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<bool>("ctrlShift");
        QTest::addColumn<QString>("tela");
        QTest::addColumn<Abertura>("abertura");
        const int ana = m_s.ana;
        QTest::newRow("history") << 0 << false << Telas::kHistorico
                                 << Abertura{.identificador = ana, .tipoPessoa = 0};
        QTest::newRow("finances") << 5 << false << Telas::kFinancas
                                  << Abertura{.identificador = ana, .tipoPessoa = 0};
        QTest::newRow("album") << 6 << false << Telas::kAlbum << Abertura{.identificador = ana};
        QTest::newRow("finances, Ctrl+Shift held")
            << 5 << true << Telas::kFinancas << Abertura{.identificador = ana, .tipoPessoa = 0};
        QTest::newRow("history, Ctrl+Shift held")
            << 0 << true << Telas::kHistorico << Abertura{.identificador = ana, .tipoPessoa = 0};
    }
    void linkColumnsOpenTheirScreens()
    {
        QFETCH(int, col);
        QFETCH(bool, ctrlShift);
        QFETCH(QString, tela);
        QFETCH(Abertura, abertura);
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("ana souza"));
        if (ctrlShift)
            m_seams.keyboard->down = {KeyboardState::Control, KeyboardState::Shift};
        clicar(dlg->grade(), 0, col);
        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened.first().first, tela);
        QCOMPARE(m_nav->opened.first().second, abertura);
        QVERIFY(m_seams.messages->questions.isEmpty());
    }

    void clicksOutsideThePersonsActOnNobody()
    {
        auto dlg = abrir();
        clicar(dlg->grade(), 0, 0); // the blank row before any search
        procurarNome(dlg.get(), QStringLiteral("nobody at all"));
        clicar(dlg->grade(), 0, 5);
        procurarNome(dlg.get(), QStringLiteral("ana souza"));
        const QRect ultima = dlg->grade()->visualRect(dlg->grade()->model()->index(0, 6));
        QTest::mouseClick(dlg->grade()->viewport(), Qt::LeftButton, {}, ultima.center() + QPoint(0, 60));
        QTest::mouseDClick(dlg->grade()->viewport(), Qt::LeftButton, {}, ultima.center() + QPoint(0, 60));
        QVERIFY(m_nav->opened.isEmpty());
    }

    void doubleClickOpensTheEntryScreenAndSearchesAgain()
    {
        const int id =
            insertPessoaFisica(db(), QStringLiteral("Xavier Antigo"), m_s.amigos, QStringLiteral("ana"));
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("xavier"));
        QColor durante;
        m_nav->onOpen = [&](const QString &, QWidget *, const Abertura &) {
            durante = dlg->grade()->model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>();
            exec(db(),
                 QStringLiteral("UPDATE PESSOAFISICA SET NOME = 'Xavier Novo' WHERE IDENTIFICADOR = :ID"),
                 {{QStringLiteral("ID"), id}});
            return Retorno{};
        };
        const QPoint p = dlg->grade()->visualRect(dlg->grade()->model()->index(0, 1)).center();
        QTest::mouseClick(dlg->grade()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(dlg->grade()->viewport(), Qt::LeftButton, {}, p);
        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened.first().first, Telas::kPessoaFisica);
        QCOMPARE(m_nav->opened.first().second.identificador, id);
        QCOMPARE(durante, QColor(190, 200, 255));
        QCOMPARE(coluna(dlg->grade(), 1), QStringList{QStringLiteral(" Xavier Novo")});
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA WHERE IDENTIFICADOR = :ID"),
                     {{QStringLiteral("ID"), id}}));
    }

    void ctrlShiftOnTheNameDeletesAfterYes()
    {
        const int id =
            insertPessoaFisica(db(), QStringLiteral("Zilda Apagar"), m_s.amigos, QStringLiteral("ana"));
        const int fica =
            insertPessoaFisica(db(), QStringLiteral("Zuleide Apagar"), m_s.amigos, QStringLiteral("ana"));
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("apagar"));
        m_seams.keyboard->down = {KeyboardState::Control, KeyboardState::Shift};

        m_seams.messages->answers.enqueue(false);
        clicar(dlg->grade(), 0, 1);
        QCOMPARE(m_seams.messages->questions,
                 QStringList{QStringLiteral("Deseja excluir \"Zilda Apagar\" agora?")});
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA"), QStringLiteral("IDENTIFICADOR = %1").arg(id)),
                 1);

        m_seams.messages->answers.enqueue(true);
        clicar(dlg->grade(), 0, 1);
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA"), QStringLiteral("IDENTIFICADOR = %1").arg(id)),
                 0);
        QCOMPARE(coluna(dlg->grade(), 1), QStringList{QStringLiteral(" Zuleide Apagar")});
        QVERIFY(m_nav->opened.isEmpty());

        // Ctrl alone is a plain click: nobody is asked about
        m_seams.keyboard->down = {KeyboardState::Control};
        clicar(dlg->grade(), 0, 1);
        QCOMPARE(m_seams.messages->questions.size(), 2);
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA WHERE IDENTIFICADOR = :ID"),
                     {{QStringLiteral("ID"), fica}}));
    }

    void aFailedSearchShowsItsErrorAndEmptiesTheGrid_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("comComando");
        // the server refuses it: the reason, then the statement
        QTest::newRow("longer than the column") << QString(300, QLatin1Char('a')) << true;
        // refused before it is sent: the reason alone
        QTest::newRow("not in Windows-1252") << QStringLiteral("Łukasz") << false;
    }
    void aFailedSearchShowsItsErrorAndEmptiesTheGrid()
    {
        QFETCH(QString, nome);
        QFETCH(bool, comComando);
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("souza"));
        QCOMPARE(dlg->PessoasEncontradas().size(), 2);
        procurarNome(dlg.get(), nome);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QString comando = QStringLiteral("\r\n") + PesquisaRelPF::Comando(PesquisaRelPF::Nome);
        QCOMPARE(m_seams.messages->shown.first().endsWith(comando), comComando);
        QVERIFY(m_seams.messages->shown.first().size() > comando.size() * int(comComando));
        QVERIFY(dlg->PessoasEncontradas().isEmpty());
        QCOMPARE(coluna(dlg->grade(), 1), QStringList{QString()});
        QVERIFY(!child<QWidget>(dlg.get(), "Panel22")->isVisible());
        // and the blank row opens nothing
        clicar(dlg->grade(), 0, 0);
        QVERIFY(m_nav->opened.isEmpty());
    }

    void printWritesThePageAndOpensIt()
    {
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("souza"));
        child<QPushButton>(dlg.get(), "btnImprimir")->click();
        const QString arquivo = m_folder.file(QStringLiteral("Acomp.html"));
        QCOMPARE(m_seams.shell->opened, QStringList{arquivo});
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> linhas = f.readAll().split('\n');
        // title, header, two persons, end (each line ends with CR LF)
        QCOMPARE(linhas.size(), 6);
        QVERIFY(linhas.at(2).contains("Dra. Ana Souza"));
        QVERIFY(linhas.at(3).contains("Sr. Daniel Souza"));
        QCOMPARE(linhas.at(4), QByteArray("</body> </html>\r"));
    }

    // "Exportar Contatos" offers the export exactly the individuals listed.
    void exportOffersThePersonsListed()
    {
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("souza"));
        child<QPushButton>(dlg.get(), "btnExportar")->click();
        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened.at(0).first, Telas::kExportarContatos);
        QCOMPARE(m_nav->opened.at(0).second.fisicas, (QList<qint32>{m_s.ana, m_s.daniel}));
        QVERIFY(m_nav->opened.at(0).second.juridicas.isEmpty());
    }

    void f1OpensTheHelpPage()
    {
        auto dlg = abrir();
        QTest::keyClick(child<QLineEdit>(dlg.get(), "edtNome"), Qt::Key_F1);
        QCOMPARE(m_seams.shell->opened, QStringList{m_folder.file(QStringLiteral("Ajuda/pesq_pf.htm"))});
    }
};

QTEST_MAIN(TestTfrRelPF)
#include "TestTfrRelPF.moc"
