// The companies' search list on a seeded database: its tabs and telephone
// hints, filters run from their controls, the grid, the contacts, history
// and finance columns (and F3) through the navigator, deleting with
// Ctrl+Shift on the name, a failed search, the page and the help.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/Modelos.h"
#include "support/PessoasSemeadas.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/common/Telas.h"
#include "ui/reports/TfrRelPJ.h"

#include <QComboBox>
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

class TestTfrRelPJ : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_atual;
    PessoasSemeadas m_s;
    RecordingNavigator *m_nav = nullptr;
    Database &db() { return m_dm->BancoDados; }

    std::unique_ptr<TfrRelPJ> abrir()
    {
        auto dlg = std::make_unique<TfrRelPJ>();
        dlg->show();
        if (!QTest::qWaitForWindowExposed(dlg.get()))
            qWarning("the list was never shown");
        TestarModelos(dlg.get());
        return dlg;
    }

    static void procurarNome(TfrRelPJ *dlg, const QString &nome)
    {
        child<QLineEdit>(dlg, "edtNome")->setText(nome);
        QTest::keyClick(child<QLineEdit>(dlg, "edtNome"), Qt::Key_Return);
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
            {Telas::kHistorico, Telas::kFinancas, Telas::kContatoPJ, Telas::kPessoaJuridica});
    }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void opensWithItsTabsAndHints()
    {
        auto dlg = abrir();
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Pesquisa Pessoa Jurídica"));
        auto *abas = child<QTabWidget>(dlg.get(), "PageControl");
        QStringList titulos;
        for (int i = 0; i < abas->count(); ++i)
            titulos << abas->tabText(i);
        QCOMPARE(titulos, (QStringList{QStringLiteral("Nome"), QStringLiteral("Endereço"),
                                       QStringLiteral("Grupo"), QStringLiteral("Telefone")}));
        QCOMPARE(dlg->grade()->model()->rowCount(), 1);
        const QString resto = QStringLiteral("\r\nInforme apenas números!\r\nVocê poderá informar um número "
                                             "completo ou parte de um número\r\nPor "
                                             "exemplo: \r\n   Para consultar pelo DDD insira o número do "
                                             "DDD\r\n   Para consultar por parte do "
                                             "número do fone insira esta parte, por exemplo, prefixo 285");
        QCOMPARE(child<QLineEdit>(dlg.get(), "edtFoneFax")->toolTip(), QStringLiteral("Apenas FAX!") + resto);
        QCOMPARE(child<QLineEdit>(dlg.get(), "edtFoneTodos")->toolTip(),
                 QStringLiteral("TODOS do telefones cadastrados!") + resto);
        QStringList cabecalhos;
        for (int c = 0; c < dlg->grade()->model()->columnCount(); ++c)
            cabecalhos << dlg->grade()->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(cabecalhos,
                 (QStringList{QStringLiteral("Histórico"), QStringLiteral("Nome"), QStringLiteral("Fone"),
                              QStringLiteral("Fone Fax"), QStringLiteral("Email"), QStringLiteral("Contato"),
                              QStringLiteral("Finanças")}));
    }

    void filtersRunFromTheirControls_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QStringList>("nomes");
        auto linha = [](const char *caso, const char *campo, const char *valor, const char *botao,
                        QStringList nomes) {
            QTest::newRow(caso) << QString::fromLatin1(campo) << QString::fromUtf8(valor)
                                << QString::fromLatin1(botao) << nomes;
        };
        const QString alfa = QStringLiteral("Alfa Comércio"), beta = QStringLiteral("Beta Serviços"),
                      delta = QStringLiteral("Delta Ltda");
        linha("name", "edtNome", "a", "btnProcuraNome", {alfa, beta, delta});
        linha("phonetic", "edtNomeF", "alfa", "SpeedButton10", {alfa});
        linha("city", "edtCidade", "paulo", "btnCidade", {alfa, delta});
        linha("state chosen", "edtEstado", "RJ", "", {delta});
        linha("group over 10000", "txtGrupo", "10001 :: Vizinhos", "SpeedButton3", {beta});
        linha("telephone", "edtFoneComercial", "1930", "SpeedButton4", {beta});
        linha("fax by Enter", "edtFoneFax", "001", "", {alfa, delta});
        linha("any telephone", "edtFoneTodos", "9222", "SpeedButton1", {delta});
    }
    void filtersRunFromTheirControls()
    {
        QFETCH(QString, campo);
        QFETCH(QString, valor);
        QFETCH(QString, botao);
        QFETCH(QStringList, nomes);
        auto dlg = abrir();
        QWidget *w = child<QWidget>(dlg.get(), campo);
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
        QCOMPARE(coluna(dlg->grade(), 1), nomes);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void columnsAndF3OpenTheirScreens()
    {
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("alfa"));
        QCOMPARE(coluna(dlg->grade(), 2), QStringList{QStringLiteral("(11)3000-1000")});
        QCOMPARE(coluna(dlg->grade(), 4), QStringList{QStringLiteral("contato@alfa.com")});
        const Abertura contatos{.identificador = m_s.alfa,
                                .nome = QStringLiteral("Alfa Comércio"),
                                .titulo = QStringLiteral("Contatos de Alfa Comércio  contato@alfa.com")};
        clicar(dlg->grade(), 0, 0);
        clicar(dlg->grade(), 0, 5);
        m_seams.keyboard->down = {KeyboardState::Control, KeyboardState::Shift};
        clicar(dlg->grade(), 0, 6);
        m_seams.keyboard->down.clear();
        QTest::keyClick(dlg->grade(), Qt::Key_F3);
        QCOMPARE(m_nav->opened.size(), 4);
        QCOMPARE(m_nav->opened.at(0).first, Telas::kHistorico);
        QCOMPARE(m_nav->opened.at(0).second, (Abertura{.identificador = m_s.alfa, .tipoPessoa = 1}));
        QCOMPARE(m_nav->opened.at(1).first, Telas::kContatoPJ);
        QCOMPARE(m_nav->opened.at(1).second, contatos);
        QCOMPARE(m_nav->opened.at(2).first, Telas::kFinancas);
        QCOMPARE(m_nav->opened.at(2).second, (Abertura{.identificador = m_s.alfa, .tipoPessoa = 1}));
        QCOMPARE(m_nav->opened.at(3).first, Telas::kContatoPJ);
        QCOMPARE(m_nav->opened.at(3).second, contatos);
    }

    void doubleClickOpensTheEntryScreen()
    {
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("delta"));
        const QPoint p = dlg->grade()->visualRect(dlg->grade()->model()->index(0, 1)).center();
        QTest::mouseClick(dlg->grade()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(dlg->grade()->viewport(), Qt::LeftButton, {}, p);
        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened.first().first, Telas::kPessoaJuridica);
        QCOMPARE(m_nav->opened.first().second.identificador, m_s.delta);
    }

    void ctrlShiftOnTheNameDeletesTheCompany()
    {
        const int id =
            insertPessoaJuridica(db(), QStringLiteral("Zeta Apagar"), m_s.amigos, QStringLiteral("ana"));
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("zeta"));
        m_seams.keyboard->down = {KeyboardState::Control, KeyboardState::Shift};
        m_seams.messages->answers.enqueue(true);
        clicar(dlg->grade(), 0, 1);
        QCOMPARE(m_seams.messages->questions,
                 QStringList{QStringLiteral("Deseja excluir \"Zeta Apagar\" agora?")});
        QCOMPARE(count(db(), QStringLiteral("PESSOAJURIDICA"), QStringLiteral("IDENTIFICADOR = %1").arg(id)),
                 0);
        QCOMPARE(coluna(dlg->grade(), 1), QStringList{QString()});
    }

    void aFailedSearchShowsTheReasonAlone()
    {
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("a"));
        procurarNome(dlg.get(), QString(300, QLatin1Char('a')));
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(!m_seams.messages->shown.first().contains(QStringLiteral("SELECT")));
        QVERIFY(dlg->PessoasEncontradas().isEmpty());
        QCOMPARE(coluna(dlg->grade(), 1), QStringList{QString()});
    }

    // "Exportar Contatos" offers the export exactly the companies listed.
    void exportOffersTheCompaniesListed()
    {
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("a"));
        child<QPushButton>(dlg.get(), "btnExportar")->click();
        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened.at(0).first, Telas::kExportarContatos);
        QVERIFY(m_nav->opened.at(0).second.fisicas.isEmpty());
        QCOMPARE(m_nav->opened.at(0).second.juridicas, (QList<qint32>{m_s.alfa, m_s.beta, m_s.delta}));
    }

    void printAndHelp()
    {
        auto dlg = abrir();
        procurarNome(dlg.get(), QStringLiteral("a"));
        child<QPushButton>(dlg.get(), "btnImprimir")->click();
        QTest::keyClick(dlg->grade(), Qt::Key_F1);
        const QString arquivo = m_folder.file(QStringLiteral("Acomp.html"));
        QCOMPARE(m_seams.shell->opened,
                 (QStringList{arquivo, m_folder.file(QStringLiteral("Ajuda/pesq_pj.htm"))}));
        QFile f(arquivo);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> linhas = f.readAll().split('\n');
        QCOMPARE(linhas.size(), 7); // title, header, three companies, end
        QVERIFY(linhas.at(1).contains("<b>Pessoa Jur\xED"
                                      "dica</p></b>"));
        QVERIFY(linhas.at(2).contains("Alfa Com\xE9"
                                      "rcio"));
    }
};

QTEST_MAIN(TestTfrRelPJ)
#include "TestTfrRelPJ.moc"
