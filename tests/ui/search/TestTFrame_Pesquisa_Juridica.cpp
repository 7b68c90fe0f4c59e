// The companies' search panel on a real database: name, sound and group
// searches under the visibility rule, one statement each, and the grid's
// columns.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "ui/common/GroupList.h"
#include "ui/common/GroupListModel.h"
#include "ui/search/TFrame_Pesquisa_Juridica.h"
#include "ui/search/TfrPesquisaPessoaJuridica.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace DbHelpers;

class TestTFrame_Pesquisa_Juridica : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_atual;
    int m_grupo = 0, m_outro = 0;
    Database &db() { return m_dm->BancoDados; }

    static QStringList nomes(const TFrame_Pesquisa_Juridica &f)
    {
        QStringList out;
        for (const PessoaEncontrada &p : f.PessoasEncontradas())
            out << p.Nome;
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        QVERIFY(insertUsuario(db(), QStringLiteral("bia")));
        m_atual.Login = QStringLiteral("ana");
        TUsuario::setAtual(&m_atual);
        m_grupo = insertGrupo(db(), QStringLiteral("Fornecedores"));
        QVERIFY(
            exec(db(), QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (12000, 'Bancos')")));
        m_outro = 12000;

        const int souza =
            insertPessoaJuridica(db(), QStringLiteral("Padaria Souza"), m_grupo, QStringLiteral("ana"), 0);
        QVERIFY(souza > 0);
        QVERIFY(exec(db(),
                     QStringLiteral("UPDATE PESSOAJURIDICA SET FONE = '1132451234', FONE_FAX = '1132455678', "
                                    "CNPJ = '11222333000181' WHERE IDENTIFICADOR = :I"),
                     {{QStringLiteral("I"), souza}}));
        QVERIFY(
            insertPessoaJuridica(db(), QStringLiteral("Mercado Sousa"), m_outro, QStringLiteral("bia"), 1));
        QVERIFY(
            insertPessoaJuridica(db(), QStringLiteral("Souza Segredos"), m_grupo, QStringLiteral("bia"), 0));
        QVERIFY(
            insertPessoaJuridica(db(), QStringLiteral("Banco Central"), m_outro, QStringLiteral("ana"), 0));
    }
    void init() { m_seams.messages->clear(); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void searchesFindTheVisibleCompanies_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("achados");
        QTest::newRow("name") << "SpeedButton1"
                              << "souza" << QStringList{QStringLiteral("Padaria Souza")};
        QTest::newRow("sound") << "SpeedButton4"
                               << "Souza"
                               << QStringList{QStringLiteral("Mercado Sousa"),
                                              QStringLiteral("Padaria Souza")};
        QTest::newRow("group") << "SpeedButton3"
                               << ""
                               << QStringList{QStringLiteral("Banco Central"),
                                              QStringLiteral("Mercado Sousa")};
    }
    void searchesFindTheVisibleCompanies()
    {
        QFETCH(QString, botao);
        QFETCH(QString, texto);
        QFETCH(QStringList, achados);
        TFrame_Pesquisa_Juridica f;
        QVERIFY(!f.findChild<QLineEdit *>(QStringLiteral("edtApelido")));
        f.CarregarGrupos();
        auto *txtGrupo = f.findChild<GroupList *>(QStringLiteral("txtGrupo"));
        txtGrupo->setCurrentIndex(txtGrupo->grupos()->linhaDoCodigo(m_outro));
        f.findChild<QLineEdit *>(botao == QStringLiteral("SpeedButton1") ? QStringLiteral("edtNome")
                                                                         : QStringLiteral("edtNomeF"))
            ->setText(texto);
        const quint64 antes = Database::statementCount();
        f.findChild<QPushButton *>(botao)->click();
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(nomes(f), achados);
    }

    void gridShowsTheCompanysColumns()
    {
        TFrame_Pesquisa_Juridica f;
        f.findChild<QLineEdit *>(QStringLiteral("edtNome"))->setText(QStringLiteral("padaria"));
        QTest::keyClick(f.findChild<QLineEdit *>(QStringLiteral("edtNome")), Qt::Key_Return);
        QCOMPARE(f.PessoasEncontradas().size(), 1);
        const QAbstractItemModel *m = f.findChild<QTableView *>(QStringLiteral("Grid"))->model();
        const QStringList cabecalhos{QStringLiteral("ID"), QStringLiteral("Nome"), QStringLiteral("Fone"),
                                     QStringLiteral("Fone Fax"), QStringLiteral("Inserido Por")};
        const QStringList celulas{QStringLiteral("0001"), QStringLiteral("Padaria Souza"),
                                  QStringLiteral("(11)3245-1234"), QStringLiteral("(11)3245-5678"),
                                  QStringLiteral("ana")};
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(m->headerData(c, Qt::Horizontal).toString(), cabecalhos.at(c));
            QCOMPARE(m->index(0, c).data().toString(), celulas.at(c));
        }
    }

    // The grid's rows hold only what it shows; picking a row reads the
    // complete record with one statement.
    void pickingARowLoadsTheCompleteRecord()
    {
        TfrPesquisaPessoaJuridica dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.findChild<QLineEdit *>(QStringLiteral("edtNome"))->setText(QStringLiteral("padaria"));
        dlg.findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->click();
        QCOMPARE(dlg.frame()->PessoasEncontradas().size(), 1);

        auto *grid = dlg.findChild<QTableView *>(QStringLiteral("Grid"));
        const quint64 antes = Database::statementCount();
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                           grid->visualRect(grid->model()->index(0, 1)).center());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        const std::optional<TPessoaJuridica> p = dlg.escolhido();
        QCOMPARE(Database::statementCount() - antes, quint64(1)); // the pick read the row once
        QVERIFY(p);
        QCOMPARE(p->Identificador, dlg.frame()->PessoasEncontradas().first().Identificador);
        QCOMPARE(p->Nome, QStringLiteral("Padaria Souza"));
        QCOMPARE(p->NomeAntigo, p->Nome);
        QCOMPARE(p->CNPJ, QStringLiteral("11222333000181"));
        QCOMPARE(p->FoneFax, QStringLiteral("1132455678"));
        QCOMPARE(p->Grupo.Codigo, m_grupo);
        QCOMPARE(m_seams.messages->shown, QStringList());
    }
};

QTEST_MAIN(TestTFrame_Pesquisa_Juridica)
#include "TestTFrame_Pesquisa_Juridica.moc"
