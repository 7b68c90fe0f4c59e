// The contact registration of the main window on a real database: the
// company list holds only the companies the current user may see, the
// contacts follow the company chosen, a save needs a company, a new company
// registered from here is listed at once, and F1 opens the help page.
#include "app/ProgramFolder.h"
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TContato_PJ.h"
#include "model/TUsuario.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/Modelos.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/registration/TfrCadastroContatoPJ.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kAna = QStringLiteral("ana");
const QString kBia = QStringLiteral("bia");
const QString kMensagemEmpresa =
    QStringLiteral("Você deverá escolher uma pessoa jurídica na lista de Pessoas Jurídicas.\r\n"
                   "Para cadastrar uma NOVA pessoa jurídica clique no ícone do sinal de adição ao lado "
                   "direito da lista.");

struct Tela {
    TfrCadastroContatoPJ dlg;
    bool exposta = false;

    Tela()
    {
        TestarModelos(&dlg);
        dlg.show();
        exposta = QTest::qWaitForWindowExposed(&dlg);
    }
    QComboBox *empresas() { return child<QComboBox>(&dlg, QStringLiteral("edtPJ")); }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(&dlg, QString::fromLatin1(name)); }
    QPushButton *botao(const char *name) { return child<QPushButton>(&dlg, QString::fromLatin1(name)); }
    QStringList itens()
    {
        QStringList out;
        for (int i = 0; i < empresas()->count(); ++i)
            out << empresas()->itemText(i);
        return out;
    }
    QStringList contatos()
    {
        QStringList out;
        for (const TContato_PJ &c : dlg.Contatos())
            out << c.Nome;
        return out;
    }
    // the user picks a company and the list closes up
    void escolher(int linha)
    {
        empresas()->setCurrentIndex(linha);
        emit empresas()->activated(linha);
    }
};

} // namespace

class TestTfrCadastroContatoPJ : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    RecordingNavigator *m_nav = nullptr;
    TUsuario m_usuario;
    int m_grupo = 0;
    int m_alfa = 0, m_beta = 0, m_gama = 0;
    Database &db() { return m_dm->BancoDados; }

    int contar(const QString &where = {}) { return count(db(), QStringLiteral("CONTATO_PJ"), where); }
    void contato(int empresa, const QString &nome)
    {
        TContato_PJ c(db());
        c.IdentificadorPJ = empresa;
        c.Nome = nome;
        QVERIFY(c.Inserir() == Resultado::Gravado);
    }
    int empresa(const QString &nome, const QString &login, int publica, const QString &email)
    {
        const int id = insertPessoaJuridica(db(), nome, m_grupo, login, publica);
        if (id <= 0 ||
            !exec(db(), QStringLiteral("UPDATE PESSOAJURIDICA SET EMAIL = :E WHERE IDENTIFICADOR = :ID"),
                  {{QStringLiteral("E"), email}, {QStringLiteral("ID"), id}}))
            qFatal("company not stored");
        return id;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), kAna));
        QVERIFY(insertUsuario(db(), kBia));
        m_usuario.Login = QStringLiteral("Ana"); // the login as typed at the login window
        TUsuario::setAtual(&m_usuario);
        m_grupo = insertGrupo(db(), QStringLiteral("Fornecedores"));
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.shell->opened.clear();
        m_nav = RecordingNavigator::install({QStringLiteral("TfrPessoaJuridica")});
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM CONTATO_PJ")));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAJURIDICA")));
        // ana's private company, bia's private one and bia's public one
        m_gama = empresa(QStringLiteral("Gama Tintas"), kBia, 1, QStringLiteral("gama@tintas.com"));
        m_beta = empresa(QStringLiteral("Beta Segredos"), kBia, 0, QStringLiteral("beta@segredos.com"));
        m_alfa = empresa(QStringLiteral("Alfa Pães"), kAna, 0, QStringLiteral("alfa@paes.com"));
        contato(m_alfa, QStringLiteral("Ana"));
        contato(m_beta, QStringLiteral("Bruno"));
        contato(m_gama, QStringLiteral("Gil"));
        contato(m_gama, QStringLiteral("Gui"));
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void listsOnlyTheCompaniesTheUserMaySee()
    {
        Tela t;
        QVERIFY(t.exposta);
        QCOMPARE(t.itens(), (QStringList{QStringLiteral("Alfa Pães :: alfa@paes.com"),
                                         QStringLiteral("Gama Tintas :: gama@tintas.com")}));
        QCOMPARE(t.empresas()->currentIndex(), 0);
        QCOMPARE(t.dlg.IdentificadorPJ(), m_alfa);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo um Contato para Alfa Pães"));
        QCOMPARE(t.contatos(), QStringList{QStringLiteral("Ana")});
    }

    void contactsFollowTheCompanyChosen()
    {
        Tela t;
        t.escolher(1);
        QCOMPARE(t.dlg.IdentificadorPJ(), m_gama);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo um Contato para Gama Tintas"));
        QCOMPARE(t.contatos(), (QStringList{QStringLiteral("Gil"), QStringLiteral("Gui")}));

        t.edit("edtNome")->setText(QStringLiteral("Gabi"));
        t.botao("btnEnviar")->click();
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(contar(QStringLiteral("NOME = 'Gabi' AND IDENTIFICADOR_PJ = %1").arg(m_gama)), 1);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo um Contato para Gama Tintas"));

        // delete all names the company chosen and leaves the others alone
        m_seams.messages->answers << true;
        t.botao("SpeedButton2")->click();
        QCOMPARE(m_seams.messages->questions,
                 QStringList{QStringLiteral(
                     "Esta operação excluirá TODOS os contatos de Gama Tintas.\r\n Deseja Continuar?")});
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR_PJ = %1").arg(m_gama)), 0);
        QCOMPARE(contar(), 2);
    }

    void withNoCompanySavingAsksForOne()
    {
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAJURIDICA")));
        Tela t;
        QCOMPARE(t.itens(), QStringList());
        QCOMPARE(t.contatos(), QStringList());
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Contato PJ"));
        t.edit("edtNome")->setText(QStringLiteral("Ana"));
        t.botao("btnEnviar")->click();
        QCOMPARE(m_seams.messages->shown, QStringList{kMensagemEmpresa});
        QCOMPARE(t.dlg.focusWidget(), t.empresas());
        QCOMPARE(contar(), 0);
        QCOMPARE(t.edit("edtNome")->text(), QStringLiteral("Ana"));
        // with no company there is nothing to delete, and nothing is asked
        t.botao("SpeedButton2")->click();
        QCOMPARE(m_seams.messages->questions, QStringList());
    }

    void aNewCompanyIsListedAtOnce()
    {
        m_nav->onOpen = [this](const QString &, QWidget *, const Abertura &) {
            empresa(QStringLiteral("Aaa Nova"), kAna, 0, QStringLiteral("nova@aaa.com"));
            return Retorno{.resultado = 1};
        };
        Tela t;
        t.escolher(1);
        child<QToolButton>(&t.dlg, QStringLiteral("btnNovoPJ"))->click();
        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened.at(0).first, QStringLiteral("TfrPessoaJuridica"));
        QVERIFY(m_nav->opened.at(0).second == Abertura{});
        QCOMPARE(t.itens().size(), 3);
        QCOMPARE(t.empresas()->currentIndex(), 0);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo um Contato para Aaa Nova"));
        QCOMPARE(t.contatos(), QStringList());
    }

    void f1OpensTheHelpPage_data()
    {
        QTest::addColumn<QString>("foco");
        QTest::newRow("company list") << QStringLiteral("edtPJ");
        QTest::newRow("name") << QStringLiteral("edtNome");
        QTest::newRow("grid") << QStringLiteral("Grid");
    }
    void f1OpensTheHelpPage()
    {
        QFETCH(QString, foco);
        Tela t;
        QTest::keyClick(t.dlg.findChild<QWidget *>(foco), Qt::Key_F1);
        QCOMPARE(m_seams.shell->opened, QStringList{ProgramPath(QStringLiteral("Ajuda/cad_pc.htm"))});
    }
};

QTEST_MAIN(TestTfrCadastroContatoPJ)
#include "TestTfrCadastroContatoPJ.moc"
