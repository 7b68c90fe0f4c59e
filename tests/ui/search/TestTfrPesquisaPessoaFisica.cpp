// The individuals' search window: its captions, what it returns to its
// opener after a double-click, after a second search and when closed
// otherwise, and the same through the navigator.
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

    void theSecondSearchsRowIsReturned()
    {
        whenModal<TfrPesquisaPessoaFisica>([](TfrPesquisaPessoaFisica *dlg) {
            pesquisar(dlg, QStringLiteral("ana"));
            pesquisar(dlg, QStringLiteral("paul"));
            duploClique(dlg, 1);
        });
        const auto escolhida = TfrPesquisaPessoaFisica::escolher(nullptr);
        QVERIFY(escolhida);
        QCOMPARE(escolhida->Nome, QStringLiteral("Paulo Reis"));
        QCOMPARE(escolhida->Identificador, m_paulo);
        QCOMPARE(escolhida->Grupo.Nome, QStringLiteral("Amigos"));
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
