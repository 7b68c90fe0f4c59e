// "&Alterar" on the individual screen with the program's own screens behind
// the navigator: the real search window finds the person by name, the
// double-click brings every field back to the entry screen, and the save
// rewrites that row and opens the real quick-access window for it.
#include "data/TDM.h"
#include "model/TPessoaFisica.h"
#include "model/TUsuario.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/TestFolder.h"
#include "ui/common/MaskedEdit.h"
#include "ui/common/Navigator.h"
#include "ui/registration/TfrAcessoRapidoPF.h"
#include "ui/registration/TfrPessoaFisica.h"
#include "ui/search/TfrPesquisaPessoaFisica.h"
#include "util/DateTime.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

class TestAlterarPelaPesquisa : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_ana;
    int m_maria = 0;
    Database &db() { return m_dm->BancoDados; }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        m_ana = TUsuario(db());
        m_ana.Login = QStringLiteral("ana");
        TUsuario::setAtual(&m_ana);
        const int amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        insertPessoaFisica(db(), QStringLiteral("Mário Silveira"), amigos, QStringLiteral("ana"));

        TPessoaFisica p(db());
        p.Nome = QStringLiteral("Maria Silva");
        p.Grupo.Codigo = amigos;
        p.Apelido = QStringLiteral("Mari");
        p.FoneResidencial = QStringLiteral("1132451234");
        p.CPF = QStringLiteral("11144477735");
        p.Email = QStringLiteral("maria@exemplo.com.br");
        p.DataNascimento = EncodeDate(1980, 2, 1);
        p.Endereco.Cidade = QStringLiteral("São Paulo");
        p.Endereco.Estado = QStringLiteral("SP");
        p.Login = QStringLiteral("ana");
        p.Publica = 1;
        QCOMPARE(p.Inserir(), Resultado::Gravado);
        m_maria = p.Identificador;
        m_seams.messages->clear();
        InstallScreens();
    }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void changeThroughTheRealSearchWindow()
    {
        TfrPessoaFisica tela;
        tela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tela));

        bool escolheu = false;
        whenModal<TfrPesquisaPessoaFisica>([&escolheu](TfrPesquisaPessoaFisica *dlg) {
            dlg->findChild<QLineEdit *>(QStringLiteral("edtNome"))->setText(QStringLiteral("silva"));
            dlg->findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->click();
            if (!QTest::qWaitForWindowExposed(dlg))
                return;
            dlg->layout()->activate();
            auto *grid = dlg->findChild<QTableView *>(QStringLiteral("Grid"));
            if (grid->model()->rowCount() != 1)
                return; // "Mário Silveira" does not contain "silva"
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                               grid->visualRect(grid->model()->index(0, 1)).center());
            escolheu = true;
        });
        child<QToolButton>(&tela, "btnAlterar")->click();
        QVERIFY(escolheu);
        QCOMPARE(tela.operacao(), int(TfrPessoaFisica::Alterar));
        QCOMPARE(tela.identificador(), m_maria);
        QCOMPARE(child<QComboBox>(&tela, "edtNome")->currentText(), QStringLiteral("Maria Silva"));
        QCOMPARE(child<QLineEdit>(&tela, "edtApelido")->text(), QStringLiteral("Mari"));
        QCOMPARE(child<MaskedEdit>(&tela, "edtFoneR")->displayText(), QStringLiteral("(11)3245-1234"));
        QCOMPARE(child<MaskedEdit>(&tela, "edtCPF")->displayText(), QStringLiteral("111.444.777-35"));
        QCOMPARE(child<MaskedEdit>(&tela, "edtDataNascimento")->value(), QStringLiteral("01/02/1980"));

        // only the telephone changes: no similar-names question
        QVERIFY(child<MaskedEdit>(&tela, "edtFoneR")->setValue(QStringLiteral("1155556666")));
        QString rapido;
        whenModal<TfrAcessoRapidoPF>([&rapido](TfrAcessoRapidoPF *dlg) {
            rapido = dlg->findChild<QLabel *>(QStringLiteral("lblDados"))->text();
            dlg->reject();
        });
        child<QToolButton>(&tela, "btnGravar")->click();
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(scalar(db(),
                        QStringLiteral("SELECT FONE_RESIDENCIAL FROM PESSOAFISICA WHERE IDENTIFICADOR = :ID"),
                        {{QStringLiteral("ID"), m_maria}})
                     .toString(),
                 QStringLiteral("1155556666"));
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA")), 2);
        QTRY_VERIFY(!rapido.isEmpty());
        QVERIFY2(rapido.contains(QStringLiteral("Amigos :: Maria Silva")), qPrintable(rapido));
    }
};

QTEST_MAIN(TestAlterarPelaPesquisa)
#include "TestAlterarPelaPesquisa.moc"
