// The groups screen on a real database: its grid, insert, rename, both
// delete paths with their question (the database takes the group's persons
// along), the names it refuses, and its help key.
#include "app/ProgramFolder.h"
#include "data/Database.h"
#include "data/TDM.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/Modelos.h"
#include "support/TestFolder.h"
#include "ui/common/Navigator.h"
#include "ui/common/Telas.h"
#include "ui/registration/TfrGrupos.h"
#include "util/Win1252.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kPergunta = QStringLiteral("Deseja EXCLUIR o grupo selecionado?\r\n"
                                         "Todos as pessoas deste grupo também serão excluídas!.\r\n"
                                         "Deseja Continuar?");
const QString kNomeEmBranco = QStringLiteral("O campo NOME não pode ficar em branco!!");
const QString kLogin = QStringLiteral("ana");

// The screen, shown, and its controls found by name.
struct Tela {
    TfrGrupos dlg;
    QToolButton *btnNovo, *btnAlterar, *btnGravar, *btnCancelar, *btnExcluir, *btnSair;
    QLineEdit *edtNomeGrupo;
    QTableView *GRID;
    bool exposta = false;

    Tela()
    {
        btnNovo = botao("btnNovo");
        btnAlterar = botao("btnAlterar");
        btnGravar = botao("btnGravar");
        btnCancelar = botao("btnCancelar");
        btnExcluir = botao("btnExcluir");
        btnSair = botao("btnSair");
        edtNomeGrupo = dlg.findChild<QLineEdit *>(QStringLiteral("edtNomeGrupo"));
        GRID = dlg.findChild<QTableView *>(QStringLiteral("GRID"));
        TestarModelos(&dlg);
        dlg.show();
        exposta = QTest::qWaitForWindowExposed(&dlg);
    }
    QToolButton *botao(const char *name) { return dlg.findChild<QToolButton *>(QString::fromLatin1(name)); }

    bool completa() const
    {
        return exposta && btnNovo && btnAlterar && btnGravar && btnCancelar && btnExcluir && btnSair &&
               edtNomeGrupo && GRID;
    }
    bool editando() const
    {
        return btnGravar->isEnabled() && btnCancelar->isEnabled() && !btnNovo->isEnabled() &&
               !btnAlterar->isEnabled() && !btnExcluir->isEnabled() && !edtNomeGrupo->isReadOnly();
    }
    bool navegando() const
    {
        return !btnGravar->isEnabled() && !btnCancelar->isEnabled() && btnNovo->isEnabled() &&
               btnAlterar->isEnabled() && btnExcluir->isEnabled() && edtNomeGrupo->isReadOnly();
    }

    // "ID|Nome" of each grid row.
    QStringList linhas() const
    {
        QStringList out;
        const QAbstractItemModel *m = GRID->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, 0).data().toString() + QLatin1Char('|') + m->index(r, 1).data().toString();
        return out;
    }
    int linhaDe(const QString &nome) const
    {
        const QAbstractItemModel *m = GRID->model();
        for (int r = 0; r < m->rowCount(); ++r)
            if (m->index(r, 1).data().toString() == nome)
                return r;
        return -1;
    }
    void duploClique(const QString &nome)
    {
        const QModelIndex i = GRID->model()->index(linhaDe(nome), 1);
        const QPoint p = GRID->visualRect(i).center();
        // a user's double-click: a click, then the second press
        QTest::mouseClick(GRID->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(GRID->viewport(), Qt::LeftButton, {}, p);
    }
    void digitar(const QString &texto)
    {
        edtNomeGrupo->selectAll();
        QTest::keyClicks(edtNomeGrupo, texto);
    }
};

} // namespace

class TestTfrGrupos : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

    QStringList nomes()
    {
        QStringList out;
        const QVariant n = scalar(db(), QStringLiteral("SELECT LIST(NOME_GRUPO, '|') FROM "
                                                       "(SELECT NOME_GRUPO FROM GRUPO ORDER BY NOME_GRUPO)"));
        return n.isNull() ? out : n.toString().split(QLatin1Char('|'));
    }
    int pessoasDoGrupo(int grupo)
    {
        const QString where = QStringLiteral("COD_GRUPO = %1").arg(grupo);
        return count(db(), QStringLiteral("PESSOAFISICA"), where) +
               count(db(), QStringLiteral("PESSOAJURIDICA"), where);
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
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.shell->opened.clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM GRUPO")));
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase() { m_dm.reset(); }

    void opensBrowsingTheGroupsInNameOrder()
    {
        QVERIFY(exec(db(), QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (7, 'Amigos')")));
        QVERIFY(exec(db(),
                     QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (10000, 'Clientes')")));
        QVERIFY(
            exec(db(), QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (12, 'Bairro')")));
        const quint64 antes = Database::statementCount();
        Tela t;
        QVERIFY(t.completa());
        QCOMPARE(Database::statementCount() - antes, quint64(1)); // one statement for the whole list
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Grupo de Contatos"));
        QCOMPARE(t.btnGravar->text(), QStringLiteral("Confirmar"));
        QCOMPARE(t.edtNomeGrupo->maxLength(), 100);
        QVERIFY(t.navegando());
        QCOMPARE(t.GRID->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("ID"));
        QCOMPARE(t.GRID->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Nome"));
        QCOMPARE(t.linhas(), (QStringList{QStringLiteral("007|Amigos"), QStringLiteral("012|Bairro"),
                                          QStringLiteral("10000|Clientes")}));
        const QAbstractItemModel *m = t.GRID->model();
        QCOMPARE(m->index(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(185, 208, 236));
        QCOMPARE(m->index(1, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(190, 200, 240));
        QCOMPARE(m->index(2, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(185, 208, 236));
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    void withoutGroupsTheGridKeepsOneBlankRow()
    {
        Tela t;
        QCOMPARE(t.linhas(), QStringList{QStringLiteral("|")});
        t.GRID->setCurrentIndex(t.GRID->model()->index(0, 0));
        QTest::keyClick(t.GRID, Qt::Key_Delete);
        QCOMPARE(m_seams.messages->questions, QStringList());
        t.duploClique(QString());
        QCOMPARE(t.edtNomeGrupo->text(), QString());
    }

    void insertsTheNameAsTyped()
    {
        Tela t;
        t.btnNovo->click();
        QVERIFY(t.editando());
        t.digitar(QStringLiteral("  Amigos do Clube  "));
        t.btnGravar->click();
        QVERIFY(t.navegando());
        QCOMPARE(nomes(), QStringList{QStringLiteral("  Amigos do Clube  ")});
        const int codigo = scalar(db(), QStringLiteral("SELECT COD_GRUPO FROM GRUPO")).toInt();
        QVERIFY(codigo > 0);
        QCOMPARE(t.linhas(),
                 QStringList{QStringLiteral("%1|  Amigos do Clube  ").arg(codigo, 3, 10, QLatin1Char('0'))});
        QCOMPARE(m_seams.messages->shown, QStringList());

        // "Novo" starts from an empty name
        t.btnNovo->click();
        QCOMPARE(t.edtNomeGrupo->text(), QString());
    }

    void aBlankNameIsRefused_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks only") << QStringLiteral("    ");
    }
    void aBlankNameIsRefused()
    {
        QFETCH(QString, nome);
        Tela t;
        t.btnNovo->click();
        t.digitar(nome);
        t.btnGravar->click();
        QCOMPARE(m_seams.messages->shown, QStringList{kNomeEmBranco});
        QCOMPARE(count(db(), QStringLiteral("GRUPO")), 0);
        QVERIFY(t.editando());
        QTRY_COMPARE(QApplication::focusWidget(), t.edtNomeGrupo);
    }

    void aNameTheDatabaseCannotHoldIsRefused_data()
    {
        QTest::addColumn<bool>("renomear");
        QTest::newRow("new group") << false;
        QTest::newRow("rename") << true;
    }
    void aNameTheDatabaseCannotHoldIsRefused()
    {
        QFETCH(bool, renomear);
        QVERIFY(insertGrupo(db(), QStringLiteral("Amigos")) > 0);
        Tela t;
        QVERIFY(t.completa());
        if (renomear) {
            t.duploClique(QStringLiteral("Amigos"));
            t.btnAlterar->click();
        } else {
            t.btnNovo->click();
        }
        t.edtNomeGrupo->setText(QStringLiteral("Łódź"));
        t.btnGravar->click();
        QCOMPARE(m_seams.messages->shown, QStringList{Win1252::unencodableMessage(QStringLiteral("Łź"))});
        QCOMPARE(nomes(), QStringList{QStringLiteral("Amigos")});
        QVERIFY(t.editando()); // the name stays for a correction
        QCOMPARE(t.edtNomeGrupo->text(), QStringLiteral("Łódź"));
    }

    void aNameKeepsAtMostOneHundredCharacters()
    {
        Tela t;
        t.btnNovo->click();
        t.digitar(QString(120, QLatin1Char('x')));
        QCOMPARE(t.edtNomeGrupo->text().size(), 100);
        t.btnGravar->click();
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(nomes(), QStringList{QString(100, QLatin1Char('x'))});
    }

    void renamesThePickedGroup_data()
    {
        QTest::addColumn<bool>("escolherDepois");
        QTest::newRow("picked before Alterar") << false;
        QTest::newRow("picked after Alterar") << true;
    }
    void renamesThePickedGroup()
    {
        QFETCH(bool, escolherDepois);
        const int amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        QVERIFY(insertGrupo(db(), QStringLiteral("Bairro")) > 0);
        Tela t;
        QVERIFY(t.completa());
        if (!escolherDepois)
            t.duploClique(QStringLiteral("Amigos"));
        t.btnAlterar->click();
        if (escolherDepois)
            t.duploClique(QStringLiteral("Amigos"));
        QCOMPARE(t.edtNomeGrupo->text(), QStringLiteral("Amigos"));
        t.digitar(QStringLiteral("Vizinhos"));
        t.btnGravar->click();
        QVERIFY(t.navegando());
        QCOMPARE(nomes(), (QStringList{QStringLiteral("Bairro"), QStringLiteral("Vizinhos")}));
        QCOMPARE(scalar(db(), QStringLiteral("SELECT NOME_GRUPO FROM GRUPO WHERE COD_GRUPO = :C"),
                        {{QStringLiteral("C"), amigos}})
                     .toString(),
                 QStringLiteral("Vizinhos"));
        QCOMPARE(t.linhas().last(), QStringLiteral("%1|Vizinhos").arg(amigos, 3, 10, QLatin1Char('0')));
    }

    void renamingWithoutAPickChangesNothing()
    {
        QVERIFY(insertGrupo(db(), QStringLiteral("Amigos")) > 0);
        Tela t;
        t.btnAlterar->click();
        t.digitar(QStringLiteral("Vizinhos"));
        t.btnGravar->click();
        QVERIFY(t.navegando());
        QCOMPARE(nomes(), QStringList{QStringLiteral("Amigos")});
    }

    void cancelEmptiesTheNameAndForgetsThePick()
    {
        QVERIFY(insertGrupo(db(), QStringLiteral("Amigos")) > 0);
        Tela t;
        t.duploClique(QStringLiteral("Amigos"));
        t.btnAlterar->click();
        t.digitar(QStringLiteral("Vizinhos"));
        t.btnCancelar->click();
        QVERIFY(t.navegando());
        QCOMPARE(t.edtNomeGrupo->text(), QString());
        // a later rename without a new pick acts on nothing
        t.btnAlterar->click();
        t.digitar(QStringLiteral("Outro"));
        t.btnGravar->click();
        QCOMPARE(nomes(), QStringList{QStringLiteral("Amigos")});
    }

    // Both delete paths ask first; Yes deletes the group with its persons and
    // nothing of the other group, No deletes nothing.
    void deletingAsksFirst_data()
    {
        QTest::addColumn<bool>("teclaDelete");
        QTest::addColumn<bool>("resposta");
        QTest::newRow("Excluir, answered Yes") << false << true;
        QTest::newRow("Excluir, answered No") << false << false;
        QTest::newRow("Delete key, answered Yes") << true << true;
        QTest::newRow("Delete key, answered No") << true << false;
    }
    void deletingAsksFirst()
    {
        QFETCH(bool, teclaDelete);
        QFETCH(bool, resposta);
        const int amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        const int bairro = insertGrupo(db(), QStringLiteral("Bairro"));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Ana Souza"), amigos, kLogin) > 0);
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Bruno Lima"), amigos, kLogin) > 0);
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Padaria Central"), amigos, kLogin) > 0);
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Carla Dias"), bairro, kLogin) > 0);
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Mercado Bom"), bairro, kLogin) > 0);

        Tela t;
        m_seams.messages->answers.enqueue(resposta);
        if (teclaDelete) {
            t.GRID->setFocus();
            t.GRID->setCurrentIndex(t.GRID->model()->index(t.linhaDe(QStringLiteral("Amigos")), 0));
            QTest::keyClick(t.GRID, Qt::Key_Delete);
        } else {
            t.duploClique(QStringLiteral("Amigos"));
            t.btnExcluir->click();
            t.btnGravar->click();
            QVERIFY(t.navegando());
        }
        QCOMPARE(m_seams.messages->questions, QStringList{kPergunta});
        QCOMPARE(m_seams.messages->shown, QStringList());
        if (resposta) {
            QCOMPARE(nomes(), QStringList{QStringLiteral("Bairro")});
            QCOMPARE(pessoasDoGrupo(amigos), 0);
            QCOMPARE(t.linhas(),
                     QStringList{QStringLiteral("%1|Bairro").arg(bairro, 3, 10, QLatin1Char('0'))});
        } else {
            QCOMPARE(nomes(), (QStringList{QStringLiteral("Amigos"), QStringLiteral("Bairro")}));
            QCOMPARE(pessoasDoGrupo(amigos), 3);
            QCOMPARE(t.linhas().size(), 2);
        }
        QCOMPARE(pessoasDoGrupo(bairro), 2);
    }

    // After a confirmed operation nothing is picked: "Excluir" then acts on
    // nothing and has nothing to ask about.
    void excluirWithoutAPickAsksNothing()
    {
        Tela t;
        t.btnNovo->click();
        t.digitar(QStringLiteral("Amigos"));
        t.btnGravar->click();
        QCOMPARE(t.edtNomeGrupo->text(), QStringLiteral("Amigos"));
        t.btnExcluir->click();
        t.btnGravar->click();
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(nomes(), QStringList{QStringLiteral("Amigos")});
        QVERIFY(t.navegando());
    }

    void f1OpensTheHelpPage_data()
    {
        QTest::addColumn<QString>("foco");
        QTest::newRow("grid") << QStringLiteral("GRID");
        QTest::newRow("name") << QStringLiteral("edtNomeGrupo");
        QTest::newRow("tool bar") << QStringLiteral("btnNovo");
    }
    void f1OpensTheHelpPage()
    {
        QFETCH(QString, foco);
        Tela t;
        QTest::keyClick(t.dlg.findChild<QWidget *>(foco), Qt::Key_F1);
        QCOMPARE(m_seams.shell->opened, QStringList{ProgramPath(QStringLiteral("Ajuda/cad_grupos.htm"))});
    }

    void aFailingLoadSaysErro()
    {
        db().disconnect();
        {
            Tela t;
            QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Erro!!")});
            QCOMPARE(t.linhas(), QStringList{QStringLiteral("|")});
        }
        QVERIFY(m_dm->Reconectar());
    }

    void theNavigatorOpensItAndSairClosesIt()
    {
        InstallScreens();
        QVERIFY(Navigator::instance().has(QStringLiteral("TfrGrupos")));
        bool visto = false;
        whenModal<TfrGrupos>([&visto](TfrGrupos *dlg) {
            visto = dlg->windowTitle() == QStringLiteral("Grupo de Contatos");
            dlg->findChild<QToolButton *>(QStringLiteral("btnSair"))->click();
        });
        Telas::Grupos(nullptr);
        QVERIFY(visto);
    }
};

QTEST_MAIN(TestTfrGrupos)
#include "TestTfrGrupos.moc"
