// The contact persons of one company on a real database: a new contact as
// the row stores it and as the screen shows it again, change of the picked
// contact, the Delete key and "Excluir Todos" (this company only), deleting
// the contact being changed, the checks of "Salvar", the contact sheet
// against its golden file, and opening through the navigator.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TContato_PJ.h"
#include "model/TUsuario.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/Fones.h"
#include "support/ModalDriver.h"
#include "support/Modelos.h"
#include "support/TestFolder.h"
#include "ui/common/MaskedEdit.h"
#include "ui/common/Navigator.h"
#include "ui/common/Telas.h"
#include "ui/registration/TfrContatoPJ.h"

#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kAna = QStringLiteral("ana");
const QString kEmpresa = QStringLiteral("Padaria Pão & Cia");

QByteArray lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The screen for one company, shown, with the controls the tests touch.
struct Tela {
    TfrContatoPJ dlg;
    bool exposta = false;

    Tela(int empresa, const QString &nome)
    {
        dlg.DefinirEmpresa(empresa, nome);
        TestarModelos(&dlg);
        dlg.show();
        exposta = QTest::qWaitForWindowExposed(&dlg);
    }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(&dlg, QString::fromLatin1(name)); }
    MaskedEdit *mascara(const char *name) { return child<MaskedEdit>(&dlg, QString::fromLatin1(name)); }
    QPlainTextEdit *obs() { return child<QPlainTextEdit>(&dlg, QStringLiteral("edtObs")); }
    QPushButton *botao(const char *name) { return child<QPushButton>(&dlg, QString::fromLatin1(name)); }
    QTableView *grid() { return child<QTableView>(&dlg, QStringLiteral("Grid")); }
    bool painelImprimir() { return child<QWidget>(&dlg, QStringLiteral("pnlImprimir"))->isVisible(); }

    QStringList linhas()
    {
        QStringList out;
        QAbstractItemModel *m = grid()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList cels;
            for (int c = 0; c < m->columnCount(); ++c)
                cels << m->index(r, c).data().toString();
            out << cels.join(QLatin1Char('|'));
        }
        return out;
    }
    int linhaDe(const QString &nome)
    {
        for (int r = 0; r < dlg.Contatos().size(); ++r)
            if (dlg.Contatos().at(r).Nome == nome)
                return r;
        qFatal("no contact %s", qPrintable(nome));
    }
    void duploClique(const QString &nome)
    {
        dlg.layout()->activate();
        const QModelIndex i = grid()->model()->index(linhaDe(nome), 0);
        const QPoint p = grid()->visualRect(i).center();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, p);
    }
    void teclarDelete(const QString &nome)
    {
        grid()->setFocus();
        grid()->setCurrentIndex(grid()->model()->index(linhaDe(nome), 0));
        QTest::keyClick(grid(), Qt::Key_Delete);
    }
    void preencher(const QString &nome, const QString &funcao, const QString &fone, const QString &ramal)
    {
        edit("edtNome")->setText(nome);
        edit("edtFuncao")->setText(funcao);
        QVERIFY(mascara("edtFone")->setValue(fone));
        edit("edtRamal")->setText(ramal);
    }
    void salvar() { botao("btnEnviar")->click(); }
};

} // namespace

class TestTfrContatoPJ : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_usuario;
    int m_empresa = 0;
    int m_outra = 0;
    int m_grupo = 0;
    Database &db() { return m_dm->BancoDados; }

    int contar(const QString &where = {}) { return count(db(), QStringLiteral("CONTATO_PJ"), where); }
    QString coluna(const QString &col, const QString &nome)
    {
        return scalar(db(), QStringLiteral("SELECT %1 FROM CONTATO_PJ WHERE NOME = :N").arg(col),
                      {{QStringLiteral("N"), nome}})
            .toString();
    }
    int contato(int empresa, const QString &nome, const QString &funcao, const QString &fone, int ramal,
                const QString &email = {})
    {
        TContato_PJ c(db());
        c.IdentificadorPJ = empresa;
        c.Nome = nome;
        c.Funcao = funcao;
        c.Fone = fone;
        c.Ramal = ramal;
        c.Email = email;
        if (c.Inserir() != Resultado::Gravado)
            qFatal("contact not stored");
        return c.Identificador;
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
        m_usuario.Login = kAna;
        TUsuario::setAtual(&m_usuario);
        m_grupo = insertGrupo(db(), QStringLiteral("Fornecedores"));
        m_empresa = insertPessoaJuridica(db(), kEmpresa, m_grupo, kAna);
        m_outra = insertPessoaJuridica(db(), QStringLiteral("Mercado Central"), m_grupo, kAna);
        QVERIFY(m_empresa > 0 && m_outra > 0);
        QVERIFY(exec(db(),
                     QStringLiteral("UPDATE PESSOAJURIDICA SET FONE = '1132451234', FONE_FAX = '1132459999', "
                                    "FONE_0800 = '08001234567', EMAIL = 'contato@padaria.com.br', "
                                    "HOME_PAGE = 'www.padaria.com.br' WHERE IDENTIFICADOR = :ID"),
                     {{QStringLiteral("ID"), m_empresa}}));
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.shell->opened.clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM CONTATO_PJ")));
        // another company's contact, which no operation here may touch
        contato(m_outra, QStringLiteral("Zeca"), QStringLiteral("Dono"), QStringLiteral("1130001111"), 1);
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    // The contact's telephone and mobile take an old 8-digit number, a
    // landline and a mobile as typed, and give them back whole.
    void telephonesKeepEveryDigit_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("coluna");
        QTest::addColumn<QString>("digitos");
        QTest::addColumn<QString>("mostrado");
        const QList<std::pair<const char *, const char *>> campos = {{"edtFone", "FONE"},
                                                                     {"edtCelular", "CELULAR"}};
        for (const auto &[campo, coluna] : campos)
            for (const FoneDeTeste &f : FonesDeTeste())
                QTest::addRow("%s, %s", campo, f.caso)
                    << QString::fromLatin1(campo) << QString::fromLatin1(coluna) << f.digitos << f.mostrado;
    }
    void telephonesKeepEveryDigit()
    {
        QFETCH(QString, campo);
        QFETCH(QString, coluna);
        QFETCH(QString, digitos);
        QFETCH(QString, mostrado);
        const QString nome = QStringLiteral("Karen");
        Tela t(m_empresa, kEmpresa);
        t.edit("edtNome")->setText(nome);
        MaskedEdit *fone = t.mascara(campo.toLatin1().constData());
        DigitarFone(fone, digitos);
        QCOMPARE(fone->digits(), digitos);
        QCOMPARE(fone->displayText(), mostrado);
        t.salvar();
        QCOMPARE(this->coluna(coluna, nome), digitos);

        // another number in the field, then the double-click brings the stored one back whole
        QVERIFY(fone->setValue(QStringLiteral("1130001111")));
        t.duploClique(nome);
        QCOMPARE(fone->displayText(), mostrado);
        t.salvar();
        QCOMPARE(this->coluna(coluna, nome), digitos);
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    void newContactIsStoredShownAgainAndChangedInPlace()
    {
        Tela t(m_empresa, kEmpresa);
        QVERIFY(t.exposta);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo um Contato para Padaria Pão & Cia"));
        QCOMPARE(t.linhas(), QStringList());
        QVERIFY(!t.painelImprimir());

        // quotes go in as typed
        const QString nome = QStringLiteral("Ana D'Ávila \"Aninha\"");
        t.preencher(QStringLiteral("  ") + nome + QStringLiteral(" "), QStringLiteral("Compras"),
                    QStringLiteral("1131112222"), QStringLiteral("7"));
        // the e-mail is kept in lower case as it is typed
        QTest::keyClicks(t.edit("edtEmail"), QStringLiteral("Ana@Padaria.com.BR"));
        QCOMPARE(t.edit("edtEmail")->text(), QStringLiteral("ana@padaria.com.br"));
        t.salvar();
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR_PJ = %1").arg(m_empresa)), 1);
        QCOMPARE(coluna(QStringLiteral("RAMAL"), nome), QStringLiteral("7"));
        QCOMPARE(coluna(QStringLiteral("CAST(DATA AS VARCHAR(10))"), nome), QStringLiteral("1899-12-30"));
        QCOMPARE(coluna(QStringLiteral("FONE"), nome), QStringLiteral("1131112222"));
        QCOMPARE(coluna(QStringLiteral("CELULAR"), nome), QString());
        QCOMPARE(t.linhas(), QStringList{nome + QStringLiteral("|Compras|(11)3111-2222")});
        QVERIFY(t.painelImprimir());
        QVERIFY(!t.dlg.Alterando());

        // the fields are emptied by hand; the double-click brings the row back
        t.preencher(QString(), QString(), QString(), QString());
        t.duploClique(nome);
        QVERIFY(t.dlg.Alterando());
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Alterando um Contato de Padaria Pão & Cia :: ") + nome);
        QCOMPARE(t.edit("edtNome")->text(), nome);
        QCOMPARE(t.edit("edtRamal")->text(), QStringLiteral("007"));
        QCOMPARE(t.mascara("edtDataNascimento")->value(), QStringLiteral("  /  /    "));
        QCOMPARE(t.mascara("edtFone")->value(), QStringLiteral("1131112222"));
        QCOMPARE(t.edit("edtEmail")->text(), QStringLiteral("ana@padaria.com.br"));

        const QString id = coluna(QStringLiteral("IDENTIFICADOR"), nome);
        t.edit("edtFuncao")->setText(QStringLiteral("Gerente"));
        t.salvar();
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR_PJ = %1").arg(m_empresa)), 1);
        QCOMPARE(coluna(QStringLiteral("IDENTIFICADOR"), nome), id);
        QCOMPARE(coluna(QStringLiteral("FUNCAO"), nome), QStringLiteral("Gerente"));
        QVERIFY(!t.dlg.Alterando());
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo um Contato para Padaria Pão & Cia"));

        // back to entering: the same fields saved again are a second contact
        t.salvar();
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR_PJ = %1").arg(m_empresa)), 2);
    }

    void birthDateIsStoredAndShownAgain()
    {
        Tela t(m_empresa, kEmpresa);
        t.preencher(QStringLiteral("Bruno"), QString(), QString(), QString());
        QVERIFY(t.mascara("edtDataNascimento")->setValue(QStringLiteral("30/08/1975")));
        t.salvar();
        QCOMPARE(coluna(QStringLiteral("CAST(DATA AS VARCHAR(10))"), QStringLiteral("Bruno")),
                 QStringLiteral("1975-08-30"));
        QCOMPARE(coluna(QStringLiteral("RAMAL"), QStringLiteral("Bruno")), QStringLiteral("0"));
        t.duploClique(QStringLiteral("Bruno"));
        QCOMPARE(t.mascara("edtDataNascimento")->value(), QStringLiteral("30/08/1975"));
        QCOMPARE(t.edit("edtRamal")->text(), QStringLiteral("000"));
    }

    void cancelReturnsToEntering()
    {
        contato(m_empresa, QStringLiteral("Carla"), QStringLiteral("Caixa"), QString(), 0);
        Tela t(m_empresa, kEmpresa);
        t.duploClique(QStringLiteral("Carla"));
        QVERIFY(t.dlg.Alterando());
        t.botao("SpeedButton1")->click();
        QVERIFY(!t.dlg.Alterando());
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo um Contato para Padaria Pão & Cia"));
        QCOMPARE(t.edit("edtNome")->text(), QStringLiteral("Carla")); // the fields keep what they show
    }

    void deleteKeyRemovesTheCurrentContactOnYes_data()
    {
        QTest::addColumn<bool>("resposta");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void deleteKeyRemovesTheCurrentContactOnYes()
    {
        QFETCH(bool, resposta);
        contato(m_empresa, QStringLiteral("Ana"), QString(), QString(), 0);
        contato(m_empresa, QStringLiteral("Bruno"), QString(), QString(), 0);
        Tela t(m_empresa, kEmpresa);
        m_seams.messages->answers << resposta;
        t.teclarDelete(QStringLiteral("Bruno"));
        QCOMPARE(m_seams.messages->questions,
                 QStringList{
                     QStringLiteral("Esta operação excluirá o contato selecionado.\r\n Deseja Continuar?")});
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(contar(QStringLiteral("NOME = 'Bruno'")), resposta ? 0 : 1);
        QCOMPARE(contar(QStringLiteral("NOME = 'Ana'")), 1);
        QCOMPARE(contar(QStringLiteral("NOME = 'Zeca'")), 1);
        QCOMPARE(t.linhas().size(), resposta ? 1 : 2);
    }

    void withNoContactsTheDeleteKeyAsksNothing()
    {
        Tela t(m_empresa, kEmpresa);
        QVERIFY(!t.painelImprimir());
        t.grid()->setFocus();
        QTest::keyClick(t.grid(), Qt::Key_Delete);
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(contar(), 1);
    }

    void deletingTheContactBeingChangedKeepsTheTypingForANewOne()
    {
        contato(m_empresa, QStringLiteral("Ana"), QStringLiteral("Compras"), QString(), 0);
        Tela t(m_empresa, kEmpresa);
        t.duploClique(QStringLiteral("Ana"));
        QVERIFY(t.dlg.Alterando());
        t.edit("edtFuncao")->setText(QStringLiteral("Diretora"));
        m_seams.messages->answers << true;
        t.teclarDelete(QStringLiteral("Ana"));
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR_PJ = %1").arg(m_empresa)), 0);
        QVERIFY(!t.dlg.Alterando());
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo um Contato para Padaria Pão & Cia"));

        t.salvar();
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR_PJ = %1").arg(m_empresa)), 1);
        QCOMPARE(coluna(QStringLiteral("FUNCAO"), QStringLiteral("Ana")), QStringLiteral("Diretora"));
    }

    void aChangeThatFailsKeepsTheScreenChanging()
    {
        contato(m_empresa, QStringLiteral("Ana"), QStringLiteral("Compras"), QString(), 0);
        Tela t(m_empresa, kEmpresa);
        t.duploClique(QStringLiteral("Ana"));
        // another window deletes the row meanwhile
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM CONTATO_PJ WHERE NOME = 'Ana'")));
        t.edit("edtFuncao")->setText(QStringLiteral("Diretora"));
        t.salvar();
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.at(0).endsWith(
            QStringLiteral("Registro não encontrado! Os dados não foram alterados.")));
        QVERIFY(t.dlg.Alterando());
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Alterando um Contato de Padaria Pão & Cia :: Ana"));
        QCOMPARE(t.edit("edtFuncao")->text(), QStringLiteral("Diretora"));
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR_PJ = %1").arg(m_empresa)), 0);
    }

    void aFailingLoadShowsTheErrorAndAnEmptyGrid()
    {
        contato(m_empresa, QStringLiteral("Ana"), QString(), QString(), 0);
        db().disconnect();
        {
            Tela t(m_empresa, kEmpresa);
            QCOMPARE(m_seams.messages->shown.size(), 1);
            QVERIFY(!m_seams.messages->shown.at(0).isEmpty());
            QCOMPARE(t.linhas(), QStringList());
            QVERIFY(!t.painelImprimir());
        }
        QVERIFY(m_dm->Reconectar());
    }

    void deleteAllRemovesOnlyThisCompanysContacts_data()
    {
        QTest::addColumn<bool>("resposta");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void deleteAllRemovesOnlyThisCompanysContacts()
    {
        QFETCH(bool, resposta);
        contato(m_empresa, QStringLiteral("Ana"), QString(), QString(), 0);
        contato(m_empresa, QStringLiteral("Bruno"), QString(), QString(), 0);
        Tela t(m_empresa, kEmpresa);
        t.duploClique(QStringLiteral("Ana"));
        m_seams.messages->answers << resposta;
        t.botao("SpeedButton2")->click();
        QCOMPARE(
            m_seams.messages->questions,
            QStringList{QStringLiteral(
                "Esta operação excluirá TODOS os contatos de Padaria Pão & Cia.\r\n Deseja Continuar?")});
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR_PJ = %1").arg(m_empresa)), resposta ? 0 : 2);
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR_PJ = %1").arg(m_outra)), 1);
        QCOMPARE(t.linhas().size(), resposta ? 0 : 2);
        QCOMPARE(t.painelImprimir(), !resposta);
        QCOMPARE(t.dlg.Alterando(), !resposta);
    }

    void badInputGivesAMessageAndStoresNothing_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensagem");
        const QString nome = QStringLiteral("Ana");
        QTest::newRow("no name") << QStringLiteral("edtNome") << QString()
                                 << QStringLiteral("O campo NOME não pode ficar em branco!");
        QTest::newRow("blanks for a name") << QStringLiteral("edtNome") << QStringLiteral("   ")
                                           << QStringLiteral("O campo NOME não pode ficar em branco!");
        QTest::newRow("a letter outside the code page")
            << QStringLiteral("edtNome") << QStringLiteral("Łucja") << QStringLiteral("Campo \"Nome\": ");
        QTest::newRow("an emoji in the job title") << QStringLiteral("edtFuncao") << QStringLiteral("Chef 🍞")
                                                   << QStringLiteral("Campo \"Função\": ");
        QTest::newRow("notes too long") << QStringLiteral("edtObs") << QString(201, QLatin1Char('x'))
                                        << QStringLiteral("Campo \"Observação\": o texto tem 201 caracteres "
                                                          "e cabem no máximo 200.");
    }
    void badInputGivesAMessageAndStoresNothing()
    {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, mensagem);
        Tela t(m_empresa, kEmpresa);
        t.preencher(QStringLiteral("Ana"), QStringLiteral("Compras"), QString(), QStringLiteral("12"));
        if (campo == QStringLiteral("edtObs"))
            t.obs()->setPlainText(texto);
        else
            t.edit(qPrintable(campo))->setText(texto);
        t.salvar();
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY2(m_seams.messages->shown.at(0).startsWith(mensagem),
                 qPrintable(m_seams.messages->shown.at(0)));
        QCOMPARE(contar(), 1); // only the other company's contact
        QCOMPARE(t.dlg.focusWidget(), t.dlg.findChild<QWidget *>(campo));
        // nothing typed is lost
        if (campo == QStringLiteral("edtObs"))
            QCOMPARE(t.obs()->toPlainText(), texto);
        else
            QCOMPARE(t.edit(qPrintable(campo))->text(), texto);
    }

    void contactSheetMatchesItsGoldenFile()
    {
        // a name that would be markup, and one that is just an ampersand
        contato(m_empresa, QStringLiteral("Ana <b>Souza</b>"), QStringLiteral("Compras & Vendas"),
                QStringLiteral("1131112222"), 7, QStringLiteral("ana@padaria.com.br"));
        contato(m_empresa, QStringLiteral("Bruno"), QStringLiteral("Padeiro"), QString(), 215);
        contato(m_empresa, QStringLiteral("Carla"), QString(), QStringLiteral("32451234"), 0,
                QStringLiteral("carla@padaria.com.br"));
        Tela t(m_empresa, kEmpresa);
        QVERIFY(t.painelImprimir());
        t.duploClique(QStringLiteral("Bruno"));
        t.botao("btnImprimir")->click();
        QCOMPARE(m_seams.messages->shown, QStringList());
        const QString caminho = m_folder.file(QStringLiteral("Contato_PJ.html"));
        QCOMPARE(m_seams.shell->opened, QStringList{caminho});
        const QByteArray pagina = lerArquivo(caminho);
        const QByteArray esperada = lerArquivo(
            QStringLiteral(LUMISTO_SOURCE_DIR "/tests/data/contato_pj_padaria_tres_contatos.html"));
        QVERIFY(!esperada.isEmpty());
        QCOMPARE(pagina, esperada);
    }

    void contactSheetLinksTheWebPageWithOneScheme_data()
    {
        QTest::addColumn<QString>("homePage");
        QTest::addColumn<QString>("link");
        QTest::newRow("no scheme") << QStringLiteral("www.padaria.com.br")
                                   << QStringLiteral(
                                          "<a href=\"http://www.padaria.com.br\">www.padaria.com.br</a>");
        QTest::newRow("http") << QStringLiteral("http://padaria.com.br")
                              << QStringLiteral(
                                     "<a href=\"http://padaria.com.br\">http://padaria.com.br</a>");
        QTest::newRow("https, upper case")
            << QStringLiteral("HTTPS://padaria.com.br")
            << QStringLiteral("<a href=\"HTTPS://padaria.com.br\">HTTPS://padaria.com.br</a>");
        QTest::newRow("a quote cannot leave the attribute")
            << QStringLiteral("x.com\" onclick=\"y")
            << QStringLiteral(
                   "<a href=\"http://x.com&quot; onclick=&quot;y\">x.com&quot; onclick=&quot;y</a>");
        QTest::newRow("none") << QString() << QStringLiteral("<b>Home Page: </b></font>");
    }
    void contactSheetLinksTheWebPageWithOneScheme()
    {
        QFETCH(QString, homePage);
        QFETCH(QString, link);
        const int empresa = insertPessoaJuridica(db(), QStringLiteral("Web"), m_grupo, kAna);
        QVERIFY(empresa > 0);
        QVERIFY(exec(db(),
                     QStringLiteral("UPDATE PESSOAJURIDICA SET HOME_PAGE = :H WHERE IDENTIFICADOR = :ID"),
                     {{QStringLiteral("H"), homePage}, {QStringLiteral("ID"), empresa}}));
        contato(empresa, QStringLiteral("Ana"), QString(), QString(), 0);
        {
            Tela t(empresa, QStringLiteral("Web"));
            t.botao("btnImprimir")->click();
        }
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAJURIDICA WHERE IDENTIFICADOR = :ID"),
                     {{QStringLiteral("ID"), empresa}}));
        const QByteArray pagina = lerArquivo(m_folder.file(QStringLiteral("Contato_PJ.html")));
        QVERIFY2(pagina.contains(link.toLatin1()), pagina.constData());
        QVERIFY(!pagina.contains("http://http"));
    }

    void openedForChangeOfOneContact()
    {
        contato(m_empresa, QStringLiteral("Ana"), QStringLiteral("Compras"), QString(), 0);
        const int id = contato(m_empresa, QStringLiteral("Bruno"), QStringLiteral("Padeiro"), QString(), 3);
        TfrContatoPJ dlg;
        dlg.DefinirEmpresa(m_empresa, kEmpresa);
        QVERIFY(dlg.AbrirParaAlterar(id));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        // showing changes nothing
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Alterando um Contato de Padaria Pão & Cia :: Bruno"));
        QVERIFY(dlg.Alterando());
        child<QLineEdit>(&dlg, QStringLiteral("edtFuncao"))->setText(QStringLiteral("Mestre padeiro"));
        child<QPushButton>(&dlg, QStringLiteral("btnEnviar"))->click();
        QCOMPARE(coluna(QStringLiteral("FUNCAO"), QStringLiteral("Bruno")), QStringLiteral("Mestre padeiro"));
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR_PJ = %1").arg(m_empresa)), 2);
    }

    void navigatorOpensTheCompanyGiven()
    {
        contato(m_empresa, QStringLiteral("Ana"), QStringLiteral("Compras"), QString(), 0);
        InstallScreens();
        QVERIFY(Navigator::instance().has(QStringLiteral("TfrContatoPJ")));
        QVERIFY(Navigator::instance().has(QStringLiteral("TfrCadastroContatoPJ")));
        // no company: nothing opens
        QCOMPARE(Telas::ContatoPJ(nullptr, 0, QString(), QString()), 0);
        QString titulo;
        QStringList linhas;
        whenModal<TfrContatoPJ>([&](TfrContatoPJ *dlg) {
            titulo = dlg->windowTitle();
            for (const TContato_PJ &c : dlg->Contatos())
                linhas << c.Nome;
            dlg->accept();
        });
        Telas::ContatoPJ(nullptr, m_empresa, kEmpresa, QStringLiteral("Contato PJ"));
        QCOMPARE(titulo, QStringLiteral("Inserindo um Contato para Padaria Pão & Cia"));
        QCOMPARE(linhas, QStringList{QStringLiteral("Ana")});
    }
};

QTEST_MAIN(TestTfrContatoPJ)
#include "TestTfrContatoPJ.moc"
