// The individuals' search window: its captions, what it returns to its
// opener after a double-click (the complete record, read at the pick),
// after a second search, when closed otherwise and when the picked person
// was deleted since the search, and the same through the navigator.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/TestFolder.h"
#include "ui/common/GroupList.h"
#include "ui/common/Navigator.h"
#include "ui/common/Telas.h"
#include "ui/search/TfrPesquisaPessoaFisica.h"
#include "ui/search/TfrPesquisaPessoaJuridica.h"
#include "ui/search/TframePesquisaNome.h"

#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace DbHelpers;

namespace {

void pesquisar(QDialog *dlg, const QString &nome)
{
    dlg->findChild<QLineEdit *>(QStringLiteral("edtNome"))->setText(nome);
    dlg->findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->click();
}

void duploClique(QDialog *dlg, int linha)
{
    // on a loaded machine the driver may act before the window is laid out
    if (!QTest::qWaitForWindowExposed(dlg))
        qWarning("the search window was never shown");
    if (dlg->layout())
        dlg->layout()->activate();
    auto *grid = dlg->findChild<QTableView *>(QStringLiteral("Grid"));
    const QPoint onde = grid->visualRect(grid->model()->index(linha, 1)).center();
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, onde);
}

} // namespace

class TestTfrPesquisaPessoaFisica : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_atual;
    int m_grupo = 0, m_paulo = 0;
    Database &db() { return m_dm->BancoDados; }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        m_atual.Login = QStringLiteral("ana");
        TUsuario::setAtual(&m_atual);
        m_grupo = insertGrupo(db(), QStringLiteral("Amigos"));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Ana Maria"), m_grupo, QStringLiteral("ana")));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Mariana"), m_grupo, QStringLiteral("ana")));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Paula Lima"), m_grupo, QStringLiteral("ana")));
        m_paulo = insertPessoaFisica(db(), QStringLiteral("Paulo Reis"), m_grupo, QStringLiteral("ana"));
        QVERIFY(m_paulo > 0);
        QVERIFY(exec(db(),
                     QStringLiteral("UPDATE PESSOAFISICA SET CPF = '11144477735', CIDADE = 'Santos' WHERE "
                                    "IDENTIFICADOR = :I"),
                     {{QStringLiteral("I"), m_paulo}}));
        InstallScreens();
    }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void opensWithHeaderBlankRowAndGroups()
    {
        TfrPesquisaPessoaFisica dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Pesquisa Pessoa Física"));
        QCOMPARE(dlg.frame()->objectName(), QStringLiteral("framePesquisaNome1"));
        QCOMPARE(dlg.frame()->grade()->model()->rowCount(), 1);
        dlg.show();
        QCOMPARE(dlg.windowTitle(),
                 QStringLiteral(
                     "Pesquisa Pessoa Física :: Após a pesquisa dê um duplo clique sobre o nome da pessoa"));
        auto *txtGrupo = dlg.findChild<GroupList *>(QStringLiteral("txtGrupo"));
        QCOMPARE(txtGrupo->count(), 1);
        QCOMPARE(txtGrupo->currentIndex(), -1);
        QCOMPARE(dlg.minimumSize(), dlg.maximumSize());

        TfrPesquisaPessoaJuridica pj;
        pj.show();
        QCOMPARE(
            pj.windowTitle(),
            QStringLiteral(
                "Pesquisa Pessoa Jurídica :: Após a pesquisa dê um duplo clique sobre o nome da pessoa"));
        QVERIFY(pj.findChild<QWidget *>(QStringLiteral("Frame_Pesquisa_Juridica1")));
    }

    void closedAtOnceReturnsNobody()
    {
        whenModal<TfrPesquisaPessoaFisica>([](TfrPesquisaPessoaFisica *dlg) { dlg->reject(); });
        QVERIFY(!TfrPesquisaPessoaFisica::escolher(nullptr));
    }

    void aSearchThenCloseReturnsNobody()
    {
        whenModal<TfrPesquisaPessoaFisica>([](TfrPesquisaPessoaFisica *dlg) {
            pesquisar(dlg, QStringLiteral("ana"));
            dlg->reject();
        });
        QVERIFY(!TfrPesquisaPessoaFisica::escolher(nullptr));
    }

    void doubleClickBeforeAnySearchClosesWithNobody()
    {
        bool fechou = false;
        whenModal<TfrPesquisaPessoaFisica>([&fechou](TfrPesquisaPessoaFisica *dlg) {
            duploClique(dlg, 0);
            fechou = !dlg->isVisible();
            if (!fechou)
                dlg->reject();
        });
        QVERIFY(!TfrPesquisaPessoaFisica::escolher(nullptr));
        QVERIFY(fechou);
    }

    // The complete record, read once: from the double-click to the opener
    // getting it, one statement.
    void theSecondSearchsRowIsReturned()
    {
        quint64 antes = 0;
        whenModal<TfrPesquisaPessoaFisica>([&antes](TfrPesquisaPessoaFisica *dlg) {
            pesquisar(dlg, QStringLiteral("ana"));
            pesquisar(dlg, QStringLiteral("paul"));
            antes = Database::statementCount();
            duploClique(dlg, 1);
        });
        const auto escolhida = TfrPesquisaPessoaFisica::escolher(nullptr);
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QVERIFY(escolhida);
        QCOMPARE(escolhida->Nome, QStringLiteral("Paulo Reis"));
        QCOMPARE(escolhida->NomeAntigo, escolhida->Nome);
        QCOMPARE(escolhida->Identificador, m_paulo);
        QCOMPARE(escolhida->CPF, QStringLiteral("11144477735"));
        QCOMPARE(escolhida->Endereco.Cidade, QStringLiteral("Santos"));
        QCOMPARE(escolhida->Grupo.Codigo, m_grupo);
        QCOMPARE(escolhida->Grupo.Nome, QStringLiteral("Amigos"));
    }

    // Deleted by someone else between the search and the pick: nobody is
    // picked, quietly, and the window still closes.
    void aPersonDeletedSinceTheSearchIsNobody_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::newRow("individual") << QStringLiteral("PESSOAFISICA");
        QTest::newRow("company") << QStringLiteral("PESSOAJURIDICA");
    }
    void aPersonDeletedSinceTheSearchIsNobody()
    {
        QFETCH(QString, tabela);
        const bool fisica = tabela == QStringLiteral("PESSOAFISICA");
        const QString nome = QStringLiteral("Apagada Depois"), ana = QStringLiteral("ana");
        const int id = fisica ? insertPessoaFisica(db(), nome, m_grupo, ana)
                              : insertPessoaJuridica(db(), nome, m_grupo, ana);
        QVERIFY(id > 0);
        m_seams.messages->clear();
        bool achou = false, apagou = false, fechou = false;
        auto escolherApagada = [&](QDialog *dlg) {
            pesquisar(dlg, QStringLiteral("apagada"));
            auto *grid = dlg->findChild<QTableView *>(QStringLiteral("Grid"));
            achou = grid->model()->index(0, 1).data().toString().endsWith(nome);
            apagou = exec(db(), QStringLiteral("DELETE FROM %1 WHERE IDENTIFICADOR = :I").arg(tabela),
                          {{QStringLiteral("I"), id}});
            duploClique(dlg, 0);
            fechou = !dlg->isVisible();
            if (!fechou)
                dlg->reject();
        };
        if (fisica) {
            whenModal<TfrPesquisaPessoaFisica>(escolherApagada);
            QCOMPARE(Telas::EscolherPessoaFisica(nullptr), 0);
            QCOMPARE(TfrPesquisaPessoaFisica::UltimoEscolhido, 0);
        } else {
            whenModal<TfrPesquisaPessoaJuridica>(escolherApagada);
            QVERIFY(!TfrPesquisaPessoaJuridica::escolher(nullptr));
        }
        QVERIFY(achou);
        QVERIFY(apagou);
        QVERIFY(fechou);
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    void theNavigatorLeavesThePickedIdentifier()
    {
        whenModal<TfrPesquisaPessoaFisica>([](TfrPesquisaPessoaFisica *dlg) {
            pesquisar(dlg, QStringLiteral("paulo"));
            duploClique(dlg, 0);
        });
        QCOMPARE(Telas::EscolherPessoaFisica(nullptr), m_paulo);
        QCOMPARE(TfrPesquisaPessoaFisica::UltimoEscolhido, m_paulo);

        whenModal<TfrPesquisaPessoaFisica>([](TfrPesquisaPessoaFisica *dlg) { dlg->reject(); });
        QCOMPARE(Telas::EscolherPessoaFisica(nullptr), 0);
        QCOMPARE(TfrPesquisaPessoaFisica::UltimoEscolhido, 0);
        QVERIFY(Navigator::instance().has(QStringLiteral("TfrPesquisaPessoaJuridica")));
    }
};

QTEST_MAIN(TestTfrPesquisaPessoaFisica)
#include "TestTfrPesquisaPessoaFisica.moc"
