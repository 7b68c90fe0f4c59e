// The grouped list of individuals, companies and contact persons on a seeded
// database: the four searches from their controls, the grid's columns, the
// double-click by kind through the navigator (and the contacts screen it
// opens for one contact), a failed search, and the tab kept between openings.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/PesquisaRelPTotal.h"
#include "model/TUsuario.h"
#include "services/Settings.h"
#include "support/Controles.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/Modelos.h"
#include "support/PessoasSemeadas.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/common/Telas.h"
#include "ui/registration/TfrContatoPJ.h"
#include "ui/reports/TfrRelPTotal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

namespace {

QStringList coluna(QTableView *g, int c)
{
    QStringList l;
    for (int r = 0; r < g->model()->rowCount(); ++r)
        l << g->model()->index(r, c).data().toString();
    return l;
}

void duploClique(QTableView *g, int linha)
{
    const QPoint p = g->visualRect(g->model()->index(linha, 0)).center();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, p);
}

} // namespace

class TestTfrRelPTotal : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_atual;
    PessoasSemeadas m_s;
    RecordingNavigator *m_nav = nullptr;
    Database &db() { return m_dm->BancoDados; }

    std::unique_ptr<TfrRelPTotal> abrir()
    {
        auto dlg = std::make_unique<TfrRelPTotal>();
        dlg->show();
        if (!QTest::qWaitForWindowExposed(dlg.get()))
            qWarning("the list was never shown");
        TestarModelos(dlg.get());
        return dlg;
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
        m_nav =
            RecordingNavigator::install({Telas::kPessoaFisica, Telas::kPessoaJuridica, Telas::kContatoPJ});
        WriteSettingInt(QStringLiteral("RelTotal"), QStringLiteral("PageControl"), 0);
    }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void opensWithGroupNamesAndNothingSearched()
    {
        const quint64 antes = Database::statementCount();
        auto dlg = abrir();
        QCOMPARE(Database::statementCount() - antes, quint64(1)); // the groups
        QCOMPARE(dlg->windowTitle(), QStringLiteral("Pesquisa Pessoa Jurídica, Fisica e Contato"));
        QCOMPARE(dlg->grade()->model()->rowCount(), 1);
        auto *grupos = child<QComboBox>(dlg.get(), "txtGrupo");
        QStringList nomes;
        for (int i = 0; i < grupos->count(); ++i)
            nomes << grupos->itemText(i);
        QCOMPARE(nomes, (QStringList{QStringLiteral("Amigos"), QStringLiteral("Clientes"),
                                     QStringLiteral("Vizinhos")}));
        QCOMPARE(grupos->currentIndex(), 0);
        QCOMPARE(child<QComboBox>(dlg.get(), "txtMes")->currentText(), QStringLiteral("Janeiro"));
    }

    void nameSearchMixesTheKinds()
    {
        auto dlg = abrir();
        child<QLineEdit>(dlg.get(), "edtNome")->setText(QStringLiteral("alfa"));
        QTest::keyClick(child<QLineEdit>(dlg.get(), "edtNome"), Qt::Key_Return);
        QAbstractItemModel *m = dlg->grade()->model();
        QStringList cabecalhos;
        for (int c = 0; c < m->columnCount(); ++c)
            cabecalhos << m->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(cabecalhos,
                 (QStringList{QStringLiteral("Nome"), QStringLiteral("Fone 1"), QStringLiteral("Fone 2"),
                              QStringLiteral("Fone 3"), QStringLiteral("E-mail")}));
        QCOMPARE(m->rowCount(), 2);
        QStringList alfa, carlos;
        for (int c = 0; c < 5; ++c) {
            alfa << m->index(0, c).data().toString();
            carlos << m->index(1, c).data().toString();
        }
        QCOMPARE(alfa, (QStringList{QStringLiteral("Alfa Comércio"), QStringLiteral("(11)3000-1000"),
                                    QStringLiteral("(11)3000-1001"), QStringLiteral("(11)99111-2222"),
                                    QStringLiteral("contato@alfa.com")}));
        // a contact: telephone, mobile, telephone again
        QCOMPARE(carlos, (QStringList{QStringLiteral("Carlos Alfa"), QStringLiteral("(11)3000-1010"),
                                      QStringLiteral("(11)99000-1010"), QStringLiteral("(11)3000-1010"),
                                      QStringLiteral("carlos@contato.com")}));
        QCOMPARE(m->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(192, 220, 192));
    }

    void searchesFromTheirControls_data()
    {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("botao"); // empty: choosing the item searches
        QTest::addColumn<QStringList>("nomes");
        QTest::newRow("first letter chosen")
            << QStringLiteral("txtLetraIni") << QStringLiteral("B") << QString()
            << QStringList{QStringLiteral("Beta Serviços"), QStringLiteral("Bia Contato"),
                           QStringLiteral("Bruno Lima")};
        QTest::newRow("December") << QStringLiteral("txtMes") << QStringLiteral("Dezembro")
                                  << QStringLiteral("btnMes")
                                  << QStringList{QStringLiteral("Bruno Lima"), QStringLiteral("Carlos Alfa"),
                                                 QStringLiteral("Élida Mota")};
        QTest::newRow("group chosen")
            << QStringLiteral("txtGrupo") << QStringLiteral("Clientes") << QString()
            << QStringList{QStringLiteral("Alfa Comércio"), QStringLiteral("Bruno Lima"),
                           QStringLiteral("Carlos Alfa"), QStringLiteral("Zeca Semdata"),
                           QStringLiteral("Élida Mota")};
        QTest::newRow("group over 10000")
            << QStringLiteral("txtGrupo") << QStringLiteral("Vizinhos") << QStringLiteral("SpeedButton1")
            << QStringList{QStringLiteral("Beta Serviços"), QStringLiteral("Bia Contato"),
                           QStringLiteral("Daniel Souza")};
    }
    void searchesFromTheirControls()
    {
        QFETCH(QString, lista);
        QFETCH(QString, item);
        QFETCH(QString, botao);
        QFETCH(QStringList, nomes);
        auto dlg = abrir();
        auto *c = child<QComboBox>(dlg.get(), lista);
        const int i = c->findText(item);
        QVERIFY(i >= 0);
        c->setCurrentIndex(i);
        const quint64 antes = Database::statementCount();
        if (botao.isEmpty())
            emit c->activated(i);
        else
            child<QPushButton>(dlg.get(), botao)->click();
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(coluna(dlg->grade(), 0), nomes);
    }

    // "Exportar Contatos" offers the export the individuals and companies
    // listed; contact persons are no persons of their own and stay out.
    void exportOffersThePersonsListed_data()
    {
        QTest::addColumn<QString>("lista");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QList<int PessoasSemeadas::*>>("fisicas");
        QTest::addColumn<QList<int PessoasSemeadas::*>>("juridicas");
        using P = PessoasSemeadas;
        QTest::newRow("letter B: a company's contact among them")
            << QStringLiteral("txtLetraIni") << QStringLiteral("B") << QList{&P::bruno} << QList{&P::beta};
        QTest::newRow("group: two contacts among them")
            << QStringLiteral("txtGrupo") << QStringLiteral("Clientes") << QList{&P::bruno, &P::elida}
            << QList{&P::alfa};
    }
    void exportOffersThePersonsListed()
    {
        QFETCH(QString, lista);
        QFETCH(QString, item);
        QFETCH(QList<int PessoasSemeadas::*>, fisicas);
        QFETCH(QList<int PessoasSemeadas::*>, juridicas);
        auto dlg = abrir();
        QVERIFY(!child<QWidget>(dlg.get(), "Panel22")->isVisible());
        auto *c = child<QComboBox>(dlg.get(), lista);
        const int i = c->findText(item);
        QVERIFY(i >= 0);
        c->setCurrentIndex(i);
        emit c->activated(i);
        QVERIFY(child<QWidget>(dlg.get(), "Panel22")->isVisible());
        child<QPushButton>(dlg.get(), "btnExportar")->click();
        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened.at(0).first, Telas::kExportarContatos);
        auto ids = [this](const QList<int PessoasSemeadas::*> &campos) {
            QList<qint32> l;
            for (int PessoasSemeadas::*c : campos)
                l << m_s.*c;
            std::sort(l.begin(), l.end());
            return l;
        };
        QList<qint32> abertas = m_nav->opened.at(0).second.fisicas;
        std::sort(abertas.begin(), abertas.end());
        QCOMPARE(abertas, ids(fisicas));
        abertas = m_nav->opened.at(0).second.juridicas;
        std::sort(abertas.begin(), abertas.end());
        QCOMPARE(abertas, ids(juridicas));
    }

    // A list of contact persons only has nobody to export; an empty list
    // hides the button.
    void exportWithoutPersons()
    {
        auto dlg = abrir();
        auto *edt = child<QLineEdit>(dlg.get(), "edtNome");
        edt->setText(QStringLiteral("carlos"));
        QTest::keyClick(edt, Qt::Key_Return);
        QCOMPARE(coluna(dlg->grade(), 0), QStringList{QStringLiteral("Carlos Alfa")});
        child<QPushButton>(dlg.get(), "btnExportar")->click();
        QVERIFY(m_nav->opened.isEmpty());
        QCOMPARE(m_seams.messages->shown,
                 QStringList{QStringLiteral("A lista só tem contatos de empresas, que não são exportados.")});
        edt->setText(QStringLiteral("ninguém assim"));
        QTest::keyClick(edt, Qt::Key_Return);
        QVERIFY(!child<QWidget>(dlg.get(), "Panel22")->isVisible());
    }

    void doubleClickOpensTheRowsKind()
    {
        auto dlg = abrir();
        child<QLineEdit>(dlg.get(), "edtNome")->setText(QStringLiteral("ta"));
        child<QPushButton>(dlg.get(), "btnProcuraNome")->click();
        QCOMPARE(coluna(dlg->grade(), 0),
                 (QStringList{QStringLiteral("Beta Serviços"), QStringLiteral("Bia Contato"),
                              QStringLiteral("Delta Ltda"), QStringLiteral("Dora Delta"),
                              QStringLiteral("Zeca Semdata"), QStringLiteral("Élida Mota")}));
        QColor durante;
        m_nav->onOpen = [&](const QString &, QWidget *, const Abertura &) {
            durante = dlg->grade()->model()->index(5, 0).data(Qt::BackgroundRole).value<QColor>();
            return Retorno{};
        };
        const quint64 antes = Database::statementCount();
        duploClique(dlg->grade(), 5);
        QCOMPARE(durante, QColor(190, 200, 255));
        m_nav->onOpen = nullptr;
        duploClique(dlg->grade(), 2);
        duploClique(dlg->grade(), 3);
        QCOMPARE(m_nav->opened.size(), 3);
        QCOMPARE(m_nav->opened.at(0).first, Telas::kPessoaFisica);
        QCOMPARE(m_nav->opened.at(0).second.identificador, m_s.elida);
        QCOMPARE(m_nav->opened.at(1).first, Telas::kPessoaJuridica);
        QCOMPARE(m_nav->opened.at(1).second.identificador, m_s.delta);
        QCOMPARE(m_nav->opened.at(2).first, Telas::kContatoPJ);
        QCOMPARE(m_nav->opened.at(2).second, (Abertura{.identificador = m_s.delta, .contato = m_s.dora}));
        // the list is not read again, and the row has its colour back
        QCOMPARE(Database::statementCount(), antes);
        QCOMPARE(dlg->grade()->model()->index(5, 0).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(192, 220, 192));
    }

    void theContactScreenOpensOnTheContact()
    {
        InstallScreens();
        QString titulo, nome;
        whenModal<TfrContatoPJ>([&](TfrContatoPJ *c) {
            titulo = c->windowTitle();
            nome = child<QLineEdit>(c, "edtNome")->text();
            c->reject();
        });
        Telas::AlterarContatoPJ(nullptr, m_s.alfa, m_s.carlos);
        QCOMPARE(titulo, QStringLiteral("Alterando um Contato de Alfa Comércio :: Carlos Alfa"));
        QCOMPARE(nome, QStringLiteral("Carlos Alfa"));
    }

    void aFailedSearchShowsStatementAndReason()
    {
        auto dlg = abrir();
        child<QLineEdit>(dlg.get(), "edtNome")->setText(QStringLiteral("a"));
        child<QPushButton>(dlg.get(), "btnProcuraNome")->click();
        QVERIFY(dlg->PessoasEncontradas().size() > 1);
        child<QLineEdit>(dlg.get(), "edtNome")->setText(QString(300, QLatin1Char('a')));
        child<QPushButton>(dlg.get(), "btnProcuraNome")->click();
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().startsWith(
            PesquisaRelPTotal::Comando(PesquisaRelPTotal::Nome) + QStringLiteral("\r\n")));
        QVERIFY(dlg->PessoasEncontradas().isEmpty());
        QCOMPARE(coluna(dlg->grade(), 0), QStringList{QString()});
        duploClique(dlg->grade(), 0);
        QVERIFY(m_nav->opened.isEmpty());
    }

    void theTabSurvivesClosingAndReopening()
    {
        {
            auto dlg = abrir();
            QCOMPARE(child<QTabWidget>(dlg.get(), "PageControl")->currentIndex(), 0);
            child<QTabWidget>(dlg.get(), "PageControl")->setCurrentIndex(2);
            dlg->reject();
        }
        QCOMPARE(ReadSettingInt(QStringLiteral("RelTotal"), QStringLiteral("PageControl")), 2);
        auto dlg = abrir();
        QCOMPARE(child<QTabWidget>(dlg.get(), "PageControl")->currentIndex(), 2);
    }
};

QTEST_MAIN(TestTfrRelPTotal)
#include "TestTfrRelPTotal.moc"
