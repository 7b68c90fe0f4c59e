// The individuals' entry screen on a real database: a new individual as the
// row stores it, the checks of "Confirmar", change and delete with the
// duplicate-name question, opening for change, the quick-access window only
// for a saved person, and the state and page kept in the settings file.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TPessoaFisica.h"
#include "model/TUsuario.h"
#include "services/Settings.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/Fones.h"
#include "support/Modelos.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/common/GroupList.h"
#include "ui/common/MaskedEdit.h"
#include "ui/registration/CampoNome.h"
#include "ui/registration/TfrPessoaFisica.h"
#include "util/DateTime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kLogin = QStringLiteral("ana");
const QString kNulo = QStringLiteral("<NULL>");

// The screen, shown, with the controls the tests touch.
struct Tela {
    TfrPessoaFisica dlg;
    bool exposta = false;

    explicit Tela(const TPessoaFisica *alterar = nullptr)
    {
        if (alterar)
            dlg.AbrirParaAlterar(*alterar);
        TestarModelos(&dlg);
        dlg.show();
        exposta = QTest::qWaitForWindowExposed(&dlg);
    }
    QToolButton *botao(const char *name) { return child<QToolButton>(&dlg, QString::fromLatin1(name)); }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(&dlg, QString::fromLatin1(name)); }
    MaskedEdit *mascara(const char *name) { return child<MaskedEdit>(&dlg, QString::fromLatin1(name)); }
    QComboBox *combo(const char *name) { return child<QComboBox>(&dlg, QString::fromLatin1(name)); }
    GroupList *grupo() { return child<GroupList>(&dlg, QStringLiteral("txtGrupo")); }
    CampoNome *nome() { return child<CampoNome>(&dlg, QStringLiteral("edtNome")); }
    // The name list as the arrow keys would find it (read now if it was not).
    QStringList nomes()
    {
        nome()->CarregarLista();
        QStringList out;
        for (int i = 0; i < nome()->count(); ++i)
            out << nome()->itemText(i);
        return out;
    }

    bool editando() { return botao("btnGravar")->isEnabled() && !botao("btnNovo")->isEnabled(); }

    // "&Novo" and the fields of Maria Silva of group 7.
    void novaMaria()
    {
        botao("btnNovo")->click();
        combo("edtNome")->setEditText(QStringLiteral("Maria Silva"));
        QVERIFY(grupo()->selecionarCodigo(7));
        QVERIFY(mascara("edtFoneR")->setValue(QStringLiteral("(11)3245-1234")));
        QVERIFY(mascara("edtCPF")->setValue(QStringLiteral("111.444.777-35")));
        edit("edtEmail")->setText(QStringLiteral("maria@exemplo.com.br"));
    }
};

} // namespace

class TestTfrPessoaFisica : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    RecordingNavigator *m_nav = nullptr;
    TUsuario m_usuario;
    Database &db() { return m_dm->BancoDados; }

    QString coluna(const QString &col, int id)
    {
        const QVariant v = scalar(
            db(), QStringLiteral("SELECT %1 FROM PESSOAFISICA WHERE IDENTIFICADOR = %2").arg(col).arg(id));
        return v.isNull() ? kNulo : v.toString().trimmed();
    }
    int idDe(const QString &nome)
    {
        return scalar(db(), QStringLiteral("SELECT IDENTIFICADOR FROM PESSOAFISICA WHERE NOME = :N"),
                      {{QStringLiteral("N"), nome}})
            .toInt();
    }
    QStringList abertas(const QString &tela) const
    {
        QStringList out;
        for (const auto &o : m_nav->opened)
            if (o.first == tela)
                out << QString::number(o.second.identificador);
        return out;
    }
    TPessoaFisica carregada(int id)
    {
        TPessoaFisica p(db());
        p.Identificador = id;
        if (!p.Carregar())
            qFatal("no person %d", id);
        return p;
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
        QVERIFY(insertUsuario(db(), QStringLiteral("bia")));
        m_usuario.Login = kLogin;
        m_usuario.Tipo = 1;
        TUsuario::setAtual(&m_usuario);
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.shell->opened.clear();
        m_seams.keyboard->down.clear();
        m_usuario.Tipo = 1;
        m_nav =
            RecordingNavigator::install({QStringLiteral("TfrAcessoRapidoPF"), QStringLiteral("TfrPredios"),
                                         QStringLiteral("TfrPesquisaPessoaFisica")});
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA")));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM GRUPO")));
        QVERIFY(exec(db(), QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (7, 'Amigos')")));
        QVERIFY(exec(db(),
                     QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (12000, 'Clientes')")));
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void newIndividualStoresDigitsAndOpensQuickAccessWithItsIdentifier()
    {
        Tela t;
        QVERIFY(t.exposta);
        QVERIFY(!t.editando());
        t.novaMaria();
        QVERIFY(t.editando());
        t.botao("btnGravar")->click();

        QCOMPARE(m_seams.messages->shown, QStringList());
        const int id = idDe(QStringLiteral("Maria Silva"));
        QVERIFY(id > 0);
        QCOMPARE(coluna(QStringLiteral("FONE_RESIDENCIAL"), id), QStringLiteral("1132451234"));
        QCOMPARE(coluna(QStringLiteral("CPF"), id), QStringLiteral("11144477735"));
        QCOMPARE(coluna(QStringLiteral("EMAIL"), id), QStringLiteral("maria@exemplo.com.br"));
        QCOMPARE(coluna(QStringLiteral("CARTAO_VISA"), id), QStringLiteral("0000000000000000"));
        QCOMPARE(coluna(QStringLiteral("CARTAO_MASTER"), id), QStringLiteral("0000000000000000"));
        QCOMPARE(coluna(QStringLiteral("LOGIN"), id), kLogin);
        QCOMPARE(coluna(QStringLiteral("PUBLICA"), id), QStringLiteral("1"));
        QCOMPARE(coluna(QStringLiteral("COD_GRUPO"), id), QStringLiteral("7"));
        QCOMPARE(coluna(QStringLiteral("DATA_NASCIMENTO"), id), kNulo);

        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened.at(0).first, QStringLiteral("TfrAcessoRapidoPF"));
        QCOMPARE(m_nav->opened.at(0).second.identificador, id);
        QCOMPARE(m_nav->opened.at(0).second.dados,
                 QStringLiteral(" Amigos :: Maria Silva :: maria@exemplo.com.br"));
        // back to browsing, and the name is in the list now
        QVERIFY(!t.editando());
        QVERIFY(t.nomes().contains(QStringLiteral("Maria Silva")));
    }

    // Landlines have ten digits and mobiles eleven; older numbers without
    // the area code eight. Every telephone field takes each of them as typed,
    // stores the digits and shows a stored number whole, and saving again
    // changes nothing.
    void telephonesKeepEveryDigit_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("coluna");
        QTest::addColumn<QString>("digitos");
        QTest::addColumn<QString>("mostrado");
        const QList<std::pair<QString, QString>> campos = {{u"edtFoneR"_s, u"FONE_RESIDENCIAL"_s},
                                                           {u"edtFoneCe"_s, u"FONE_CELULAR"_s},
                                                           {u"edtFoneCo"_s, u"FONE_COMERCIAL"_s}};
        for (const auto &[campo, coluna] : campos)
            for (const FoneDeTeste &f : FonesDeTeste())
                QTest::addRow("%s, %s", qPrintable(campo), f.caso)
                    << campo << coluna << f.digitos << f.mostrado;
    }
    void telephonesKeepEveryDigit()
    {
        QFETCH(QString, campo);
        QFETCH(QString, coluna);
        QFETCH(QString, digitos);
        QFETCH(QString, mostrado);
        int id = 0;
        {
            Tela t;
            t.novaMaria();
            MaskedEdit *fone = t.mascara(campo.toLatin1().constData());
            DigitarFone(fone, digitos);
            QCOMPARE(fone->digits(), digitos);
            QCOMPARE(fone->displayText(), mostrado);
            t.botao("btnGravar")->click();
            id = idDe(QStringLiteral("Maria Silva"));
            QVERIFY(id > 0);
            QCOMPARE(this->coluna(coluna, id), digitos);
        }
        // shown whole when the person is opened again, and saved back unchanged
        const TPessoaFisica guardada = carregada(id);
        Tela t(&guardada);
        QCOMPARE(t.mascara(campo.toLatin1().constData())->displayText(), mostrado);
        t.botao("btnGravar")->click();
        QCOMPARE(this->coluna(coluna, id), digitos);
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    void groupCodesAbove9999Work()
    {
        Tela t;
        t.novaMaria();
        QVERIFY(t.grupo()->selecionarCodigo(12000));
        t.botao("btnGravar")->click();
        const int id = idDe(QStringLiteral("Maria Silva"));
        QCOMPARE(coluna(QStringLiteral("COD_GRUPO"), id), QStringLiteral("12000"));
        QCOMPARE(m_nav->opened.at(0).second.dados,
                 QStringLiteral(" Clientes :: Maria Silva :: maria@exemplo.com.br"));
    }

    void quickAccessTurnedOffOpensNothing()
    {
        QVERIFY(SetQuickAccessEnabled(0, false));
        {
            Tela t;
            t.novaMaria();
            t.botao("btnGravar")->click();
        }
        QVERIFY(SetQuickAccessEnabled(0, true));
        QVERIFY(idDe(QStringLiteral("Maria Silva")) > 0);
        QCOMPARE(m_nav->opened.size(), 0);
    }

    void confirmChecks_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<bool>("gravado");
        QTest::addColumn<QString>("colunaGravada");
        QTest::addColumn<QString>("esperado");

        QTest::newRow("bad Visa number") << "edtCartaoVisa"
                                         << "4111111111111112"
                                         << "Cartão VISA Inválido" << false << QString() << QString();
        QTest::newRow("bad MasterCard number") << "edtCartaoMaster"
                                               << "5555555555554445"
                                               << "Cartão MASTER Inválido" << false << QString() << QString();
        QTest::newRow("valid Visa number") << "edtCartaoVisa"
                                           << "4111111111111111" << QString() << true << "CARTAO_VISA"
                                           << "4111111111111111";
        QTest::newRow("10-digit CPF stored as zeros")
            << "edtCPF"
            << "1114447773"
            << "CPF inválido!\r\nSerá cadastrado como: \"000.000.000-00\"" << true << "CPF"
            << "00000000000";
        QTest::newRow("empty CPF stored as zeros without a message") << "edtCPF"
                                                                     << "" << QString() << true << "CPF"
                                                                     << "00000000000";
        QTest::newRow("31/02/2000 stored as NULL")
            << "edtDataNascimento"
            << "31/02/2000" << QString() << true << "DATA_NASCIMENTO" << kNulo;
        QTest::newRow("bad voter title")
            << "edtTitulo"
            << "123456789012"
            << "Titulo inválido!\r\nSerá cadastrado como: \"0000000000000\"" << true << "TITULO"
            << "0000000000000";
        QTest::newRow("bad second e-mail") << "edtMSN"
                                           << "maria.exemplo.com"
                                           << "Email do MSN inválido!" << false << QString() << QString();
        QTest::newRow("no group chosen") << "txtGrupo"
                                         << ""
                                         << "Você deve escolher um grupo!" << false << QString() << QString();
    }
    void confirmChecks()
    {
        QFETCH(QString, campo);
        QFETCH(QString, valor);
        QFETCH(QString, mensagem);
        QFETCH(bool, gravado);
        QFETCH(QString, colunaGravada);
        QFETCH(QString, esperado);

        Tela t;
        t.novaMaria();
        QWidget *w = child<QWidget>(&t.dlg, campo);
        if (auto *g = qobject_cast<GroupList *>(w))
            g->setCurrentIndex(-1);
        else if (auto *m = qobject_cast<MaskedEdit *>(w))
            QVERIFY(m->setValue(valor));
        else
            qobject_cast<QLineEdit *>(w)->setText(valor);
        t.botao("btnGravar")->click();

        QCOMPARE(m_seams.messages->shown, mensagem.isEmpty() ? QStringList() : QStringList{mensagem});
        const int id = idDe(QStringLiteral("Maria Silva"));
        if (!gravado) {
            QCOMPARE(id, 0);
            QVERIFY(t.editando());
            QCOMPARE(m_nav->opened.size(), 0);
            return;
        }
        QVERIFY(id > 0);
        QCOMPARE(coluna(colunaGravada, id), esperado);
        QVERIFY(!t.editando());
    }

    void ctrlHeldOpensTheApartmentGeneratorInsteadOfInserting()
    {
        QString nome;
        QString cpf;
        m_nav->onOpen = [&](const QString &tela, QWidget *, const Abertura &abertura) {
            if (tela == QStringLiteral("TfrPredios") && abertura.pessoa) {
                nome = abertura.pessoa->Nome;
                cpf = abertura.pessoa->CPF;
            }
            return Retorno{};
        };
        Tela t;
        t.novaMaria();
        m_seams.keyboard->down.insert(KeyboardState::Control);
        t.botao("btnGravar")->click();

        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened.at(0).first, QStringLiteral("TfrPredios"));
        QCOMPARE(m_nav->opened.at(0).second.titulo, QStringLiteral("Inserindo contatos para : Maria Silva"));
        QCOMPARE(cpf, QStringLiteral("11144477735"));
        QCOMPARE(nome, QStringLiteral("Maria Silva"));
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA")), 0);
    }

    void declinedDuplicateNameSavesNothingAndOpensNothing()
    {
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Maria Silva"), 7, kLogin) > 0);
        Tela t;
        t.novaMaria();
        m_seams.messages->answers.enqueue(false);
        t.botao("btnGravar")->click();
        QCOMPARE(m_seams.messages->questions.size(), 1);
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA")), 1);
        QCOMPARE(m_nav->opened.size(), 0);
        // what was typed is still there to correct
        QVERIFY(t.editando());
        QCOMPARE(t.combo("edtNome")->currentText(), QStringLiteral("Maria Silva"));
    }

    void changeOfTheTelephoneOnlyAsksNothing()
    {
        const int id = insertPessoaFisica(db(), QStringLiteral("Maria Silva"), 7, kLogin);
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Mariah Silva"), 7, kLogin) > 0);
        const TPessoaFisica p = carregada(id);
        Tela t(&p);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Pessoa Física -- Alterando"));
        QVERIFY(t.editando());
        QVERIFY(t.mascara("edtFoneR")->setValue(QStringLiteral("1199998888")));
        t.botao("btnGravar")->click();

        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(coluna(QStringLiteral("FONE_RESIDENCIAL"), id), QStringLiteral("1199998888"));
        QCOMPARE(abertas(QStringLiteral("TfrAcessoRapidoPF")), QStringList{QString::number(id)});
        QVERIFY(!t.editando());
    }

    // Someone else (another desktop) changed the person after the screen
    // showed it: "Sim" shows the stored row and stays in the change, "Não"
    // keeps what was typed and the next "Confirmar" replaces it.
    void aChangeMadeElsewhereMeanwhileIsShownOrKnowinglyReplaced_data()
    {
        QTest::addColumn<bool>("ver");
        QTest::newRow("see the stored row") << true;
        QTest::newRow("keep the typed row") << false;
    }
    void aChangeMadeElsewhereMeanwhileIsShownOrKnowinglyReplaced()
    {
        QFETCH(bool, ver);
        const int id = insertPessoaFisica(db(), QStringLiteral("Maria Silva"), 7, kLogin);
        const TPessoaFisica p = carregada(id);
        Tela t(&p);
        QVERIFY(exec(db(),
                     QStringLiteral("UPDATE PESSOAFISICA SET FONE_RESIDENCIAL = '1130001111' WHERE "
                                    "IDENTIFICADOR = :ID"),
                     {{QStringLiteral("ID"), id}}));
        QVERIFY(t.mascara("edtFoneR")->setValue(QStringLiteral("1199998888")));
        m_seams.messages->answers << ver;
        t.botao("btnGravar")->click();

        QCOMPARE(m_seams.messages->questions.size(), 1);
        QVERIFY(m_seams.messages->questions.first().startsWith(
            QStringLiteral("Outro usuário alterou este registro depois que você o abriu.")));
        QCOMPARE(coluna(QStringLiteral("FONE_RESIDENCIAL"), id), QStringLiteral("1130001111"));
        QVERIFY(t.editando());
        QCOMPARE(abertas(QStringLiteral("TfrAcessoRapidoPF")), QStringList());
        QCOMPARE(t.mascara("edtFoneR")->value(),
                 ver ? QStringLiteral("1130001111") : QStringLiteral("1199998888"));

        m_seams.messages->clear();
        t.botao("btnGravar")->click();
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(coluna(QStringLiteral("FONE_RESIDENCIAL"), id),
                 ver ? QStringLiteral("1130001111") : QStringLiteral("1199998888"));
        QVERIFY(!t.editando());
    }

    void renameToASoundAlikeAsksAndNoChangesNothing()
    {
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Maria Silva"), 7, kLogin) > 0);
        const int id = insertPessoaFisica(db(), QStringLiteral("Joana Souza"), 7, kLogin);
        const QString apelido = coluna(QStringLiteral("APELIDO"), id);
        const TPessoaFisica p = carregada(id);
        Tela t(&p);
        t.combo("edtNome")->setEditText(QStringLiteral("Maria Silva"));
        t.edit("edtApelido")->setText(QStringLiteral("Mari"));
        m_seams.messages->answers.enqueue(false);
        t.botao("btnGravar")->click();

        QCOMPARE(m_seams.messages->questions.size(), 1);
        QVERIFY(m_seams.messages->questions.at(0).contains(QStringLiteral("Maria Silva")));
        QCOMPARE(coluna(QStringLiteral("NOME"), id), QStringLiteral("Joana Souza"));
        QCOMPARE(coluna(QStringLiteral("APELIDO"), id), apelido);
        QCOMPARE(m_nav->opened.size(), 0);
    }

    void deleteRemovesTheRowAndOpensNoQuickAccess()
    {
        const int id = insertPessoaFisica(db(), QStringLiteral("Maria Silva"), 7, kLogin);
        m_nav->onOpen = [id](const QString &tela, QWidget *, const Abertura &) {
            return Retorno{.resultado = 1,
                           .escolhido = tela == QStringLiteral("TfrPesquisaPessoaFisica") ? id : 0};
        };
        Tela t;
        t.botao("btnExcluir")->click();
        QCOMPARE(t.combo("edtNome")->currentText(), QStringLiteral("Maria Silva"));
        QCOMPARE(t.dlg.operacao(), int(TfrPessoaFisica::Excluir));
        t.botao("btnGravar")->click();

        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA")), 0);
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(abertas(QStringLiteral("TfrAcessoRapidoPF")), QStringList());
        QVERIFY(!t.editando());
    }

    void changeWithNobodyPickedWritesNothingForPersonZero_data()
    {
        QTest::addColumn<QString>("botao");
        QTest::newRow("change") << "btnAlterar";
        QTest::newRow("delete") << "btnExcluir";
    }
    void changeWithNobodyPickedWritesNothingForPersonZero()
    {
        QFETCH(QString, botao);
        const int id = insertPessoaFisica(db(), QStringLiteral("Maria Silva"), 7, kLogin);
        Tela t;
        child<QToolButton>(&t.dlg, botao)->click();
        QVERIFY(t.editando());
        QCOMPARE(t.dlg.identificador(), 0);
        t.botao("btnGravar")->click();

        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(coluna(QStringLiteral("NOME"), id), QStringLiteral("Maria Silva"));
        QCOMPARE(abertas(QStringLiteral("TfrAcessoRapidoPF")), QStringList());
        QVERIFY(!t.editando());
    }

    void openingForChangeShowsEveryField()
    {
        TPessoaFisica p(db());
        p.Nome = QStringLiteral("Maria Silva");
        p.Tratamento = QStringLiteral("Drª.");
        p.Apelido = QStringLiteral("Mari");
        p.FoneResidencial = QStringLiteral("1132451234");
        p.CPF = QStringLiteral("11144477735");
        p.Email = QStringLiteral("maria@exemplo.com.br");
        p.Zona = 5;
        p.Seccao = 42;
        p.CodVisa = 7;
        p.CartaoVisa = QStringLiteral("4111111111111111");
        p.CartaoMaster = QStringLiteral("0000000000000000");
        p.TipoCliente = 2;
        p.DataNascimento = EncodeDate(1980, 2, 1);
        p.SemDataNascimento = 0;
        p.DataEntrada = EncodeDate(2020, 3, 15);
        p.Sexo = 1;
        p.EstadoCivil = 1;
        p.InformarAniversario = 1;
        p.Publica = 0;
        p.Guia = 1;
        p.Grupo.Codigo = 12000;
        p.NomeBanco02 = QStringLiteral("Banco Dois");
        p.Endereco.Rua = QStringLiteral("Rua Augusta");
        p.Endereco.Numero = 7;
        p.Endereco.Bairro = QStringLiteral("Consolação");
        p.Endereco.Cidade = QStringLiteral("São Paulo");
        p.Endereco.Estado = QStringLiteral("SP");
        p.Endereco.CEP = 1310100;
        p.Endereco.CP = 12;
        p.Endereco.Enviar = 0;
        p.Login = QStringLiteral("bia");
        p.Vendedora = QStringLiteral("bia");
        QCOMPARE(p.Inserir(), Resultado::Gravado);
        const TPessoaFisica lida = carregada(p.Identificador);

        Tela t(&lida);
        QCOMPARE(t.dlg.operacao(), int(TfrPessoaFisica::Alterar));
        QCOMPARE(t.dlg.identificador(), p.Identificador);
        QCOMPARE(t.combo("edtTratamento")->currentText(), QStringLiteral("Drª."));
        QCOMPARE(t.combo("edtNome")->currentText(), QStringLiteral("Maria Silva"));
        QCOMPARE(t.edit("edtApelido")->text(), QStringLiteral("Mari"));
        QCOMPARE(t.mascara("edtFoneR")->displayText(), QStringLiteral("(11)3245-1234"));
        QCOMPARE(t.mascara("edtCPF")->displayText(), QStringLiteral("111.444.777-35"));
        QCOMPARE(t.edit("edtZona")->text(), QStringLiteral("005"));
        QCOMPARE(t.edit("edtSeccao")->text(), QStringLiteral("042"));
        QCOMPARE(t.edit("edtCodSegVisa")->text(), QStringLiteral("007"));
        QCOMPARE(t.edit("edtCodSegMaster")->text(), QStringLiteral("000"));
        QCOMPARE(t.mascara("edtCartaoVisa")->value(), QStringLiteral("4111111111111111"));
        QCOMPARE(t.combo("edtTipoCliente")->currentIndex(), 2);
        QCOMPARE(t.mascara("edtDataNascimento")->value(), QStringLiteral("01/02/1980"));
        QCOMPARE(t.mascara("edtDataEntrada")->value(), QStringLiteral("15/03/2020"));
        QCOMPARE(t.mascara("edtDataDispensa")->value(), QStringLiteral("  /  /    "));
        QCOMPARE(t.mascara("edtClienteDesde")->value(), QStringLiteral("  /  /    "));
        QCOMPARE(t.combo("edtSexo")->currentIndex(), 1);
        QCOMPARE(t.combo("edtEstadoCivil")->currentIndex(), 1);
        QVERIFY(child<QCheckBox>(&t.dlg, QStringLiteral("edtLembrarAniversario"))->isChecked());
        QVERIFY(!child<QCheckBox>(&t.dlg, QStringLiteral("edtPublica"))->isChecked());
        QVERIFY(child<QCheckBox>(&t.dlg, QStringLiteral("edtGuiaEmergencia"))->isChecked());
        QVERIFY(!child<QCheckBox>(&t.dlg, QStringLiteral("edtEnviar"))->isChecked());
        QCOMPARE(t.grupo()->codigoSelecionado(), 12000);
        QCOMPARE(child<QLabel>(&t.dlg, QStringLiteral("Label22"))->text(), QStringLiteral("Grupo: Clientes"));
        QCOMPARE(t.edit("edtNomeBanco02")->text(), QStringLiteral("Banco Dois"));
        QCOMPARE(t.edit("edtRua")->text(), QStringLiteral("Rua Augusta"));
        QCOMPARE(t.edit("edtNumero")->text(), QStringLiteral("07"));
        QCOMPARE(t.edit("edtBairro")->text(), QStringLiteral("Consolação"));
        QCOMPARE(t.combo("edtCidade")->currentText(), QStringLiteral("São Paulo"));
        // opened for change, the state shown is the person's, not the default one
        QCOMPARE(t.combo("edtEstado")->currentText(), QStringLiteral("SP"));
        QCOMPARE(t.mascara("edtCEP")->displayText(), QStringLiteral("01310-100"));
        QCOMPARE(t.edit("edtCP")->text(), QStringLiteral("012"));
        auto *lblLogin = child<QLabel>(&t.dlg, QStringLiteral("lblLogin"));
        QCOMPARE(lblLogin->text(), QStringLiteral("Cadastrado pelo login: bia"));
        QCOMPARE(lblLogin->toolTip(), QStringLiteral("Cadastado por: \nLogin: bia"));
    }

    void clientTermsLockedForAUserWhoMayNotRegisterUsers()
    {
        m_usuario.Tipo = 0;
        const int id = insertPessoaFisica(db(), QStringLiteral("Maria Silva"), 7, QStringLiteral("bia"));
        QVERIFY(exec(db(), QStringLiteral("UPDATE PESSOAFISICA SET TIPO_CLIENTE = 1, VENDEDORA = 'bia'")));
        const TPessoaFisica p = carregada(id);
        Tela t(&p);
        QVERIFY(!t.combo("edtTipoCliente")->isEnabled());
        QVERIFY(!t.mascara("edtClienteDesde")->isEnabled());
        t.botao("btnGravar")->click();
        // the seller stays; the person passes to the user who saved it
        QCOMPARE(coluna(QStringLiteral("VENDEDORA"), id), QStringLiteral("bia"));
        QCOMPARE(coluna(QStringLiteral("LOGIN"), id), kLogin);

        // "&Novo" forgets the seller of the person shown before
        t.novaMaria();
        t.combo("edtNome")->setEditText(QStringLiteral("Joana Souza"));
        t.botao("btnGravar")->click();
        const int nova = idDe(QStringLiteral("Joana Souza"));
        QVERIFY(nova > 0);
        QVERIFY(coluna(QStringLiteral("VENDEDORA"), nova) != QStringLiteral("bia"));
    }

    // The list is read when the arrow keys first step into it, not when the
    // screen opens; it holds only the names this user may see, and what was
    // typed survives the reading.
    void theNameListIsReadWhenFirstSteppedThrough()
    {
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Ana Própria"), 7, kLogin, 0) > 0);
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Bia Pública"), 7, QStringLiteral("bia"), 1) > 0);
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Bia Privada"), 7, QStringLiteral("bia"), 0) > 0);
        Tela t;
        CampoNome *nome = t.nome();
        QVERIFY(!nome->ListaCarregada());
        QCOMPARE(nome->count(), 0);

        t.botao("btnNovo")->click();
        nome->setEditText(QStringLiteral("Bi"));
        const quint64 antes = Database::statementCount();
        nome->CarregarLista();
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(nome->currentText(), QStringLiteral("Bi"));
        QCOMPARE(nome->currentIndex(), -1);
        nome->CarregarLista(); // read once
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(t.nomes(), (QStringList{QStringLiteral("Ana Própria"), QStringLiteral("Bia Pública")}));

        Tela outra;
        outra.botao("btnNovo")->click();
        outra.nome()->setFocus();
        QTest::keyClick(outra.nome(), Qt::Key_Down);
        QVERIFY(outra.nome()->ListaCarregada());
        QCOMPARE(outra.nome()->currentText(), QStringLiteral("Ana Própria"));
        QTest::keyClick(outra.nome(), Qt::Key_Down);
        QCOMPARE(outra.nome()->currentText(), QStringLiteral("Bia Pública"));
    }

    // A save changes the list by the one name written, never by reading every
    // name again; after each save it holds what a fresh reading gives, in the
    // database's order (accents after the plain letters, a name two persons
    // share listed once and kept while one of them has it).
    void theNameListFollowsEachSaveAsAFreshReadingWould()
    {
        for (const char *nome : {"Ávila Souto", "Bruno Dias", "Maria Silva", "Maria Silva", "Zélia Prado"})
            QVERIFY(insertPessoaFisica(db(), QString::fromUtf8(nome), 7, kLogin, 0) > 0);
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Bia Privada"), 7, QStringLiteral("bia"), 0) > 0);
        const auto itens = [](QComboBox *c) {
            QStringList out;
            for (int i = 0; i < c->count(); ++i)
                out << c->itemText(i);
            return out;
        };
        const auto lida = [this] {
            QStringList nomes;
            if (!TPessoaFisica(db()).NomesVisiveis(kLogin, nomes))
                qFatal("the names could not be read");
            return nomes;
        };
        const auto salvar = [&](Tela &t) {
            const quint64 antes = Database::statementCount();
            t.botao("btnGravar")->click();
            return Database::statementCount() - antes;
        };

        // a save before the list was ever read reads no names; the list read
        // afterwards has the new one
        {
            Tela antes;
            antes.botao("btnNovo")->click();
            antes.combo("edtNome")->setEditText(QStringLiteral("Bruna Alves"));
            QCOMPARE(salvar(antes), quint64(2));
            QVERIFY(!antes.nome()->ListaCarregada());
            QCOMPARE(antes.nomes(), lida());
            QVERIFY(antes.nomes().contains(QStringLiteral("Bruna Alves")));
        }

        Tela nova;
        QCOMPARE(nova.nomes(), lida());
        nova.botao("btnNovo")->click();
        nova.combo("edtNome")->setEditText(QStringLiteral("Carla Nunes"));
        QVERIFY(nova.mascara("edtCPF")->setValue(QStringLiteral("111.444.777-35")));
        const quint64 insercao = salvar(nova);
        QCOMPARE(itens(nova.combo("edtNome")), lida());
        QVERIFY(itens(nova.combo("edtNome")).contains(QStringLiteral("Carla Nunes")));

        // one of the two Marias renamed: the name stays for the other one
        const TPessoaFisica maria = carregada(idDe(QStringLiteral("Maria Silva")));
        Tela troca(&maria);
        QCOMPARE(troca.nomes(), lida());
        troca.combo("edtNome")->setEditText(QStringLiteral("Otávio Lima"));
        salvar(troca);
        QCOMPARE(itens(troca.combo("edtNome")), lida());
        QVERIFY(itens(troca.combo("edtNome")).contains(QStringLiteral("Maria Silva")));

        // the last Maria deleted: the name leaves the list
        const int ultima = idDe(QStringLiteral("Maria Silva"));
        m_nav->onOpen = [ultima](const QString &tela, QWidget *, const Abertura &) {
            return Retorno{.resultado = 1,
                           .escolhido = tela == QStringLiteral("TfrPesquisaPessoaFisica") ? ultima : 0};
        };
        troca.botao("btnExcluir")->click();
        salvar(troca);
        QCOMPARE(itens(troca.combo("edtNome")), lida());
        QVERIFY(!itens(troca.combo("edtNome")).contains(QStringLiteral("Maria Silva")));

        // the insert read no list: its statements are the duplicate check and the insert
        QCOMPARE(insercao, quint64(2));
    }

    void closingKeepsStateAndPageForTheNextOpening()
    {
        {
            Tela t;
            t.botao("btnNovo")->click();
            t.combo("edtEstado")->setCurrentText(QStringLiteral("SP"));
            child<QTabWidget>(&t.dlg, QStringLiteral("PageControl1"))->setCurrentIndex(2);
            t.botao("btnSair")->click();
            QVERIFY(!t.dlg.isVisible());
        }
        QCOMPARE(DefaultState(), QStringLiteral("SP"));
        QCOMPARE(ReadSettingInt(QStringLiteral("CADASTRO_PF"), QStringLiteral("TIPO_PESSOA")), 2);
        Tela t;
        QCOMPARE(t.combo("edtEstado")->currentText(), QStringLiteral("SP"));
        QCOMPARE(child<QTabWidget>(&t.dlg, QStringLiteral("PageControl1"))->currentIndex(), 2);
    }

    void enterInTheCepFieldFillsTheAddressFromTheDatabase()
    {
        const int id = insertPessoaFisica(db(), QStringLiteral("Joana Souza"), 7, kLogin);
        QVERIFY(exec(db(), QStringLiteral("UPDATE PESSOAFISICA SET CEP = 1310100, RUA = 'Rua Augusta', "
                                          "BAIRRO = 'Consolação', CIDADE = 'São Paulo', ESTADO = 'SP' "
                                          "WHERE IDENTIFICADOR = %1")
                               .arg(id)));
        Tela t;
        t.botao("btnNovo")->click();
        QVERIFY(t.mascara("edtCEP")->setValue(QStringLiteral("01310100")));
        QTest::keyClick(t.mascara("edtCEP"), Qt::Key_Return);
        QCOMPARE(t.edit("edtRua")->text(), QStringLiteral("Rua Augusta"));
        QCOMPARE(t.edit("edtBairro")->text(), QStringLiteral("Consolação"));
        QCOMPARE(t.combo("edtCidade")->currentText(), QStringLiteral("São Paulo"));
        QCOMPARE(t.combo("edtEstado")->currentText(), QStringLiteral("SP"));
        QCOMPARE(child<QLabel>(&t.dlg, QStringLiteral("Label12"))->text(), QStringLiteral("CEP"));
        QVERIFY(t.editando());
    }

    void doubleClickOnAnEmailWritesToIt()
    {
        Tela t;
        t.botao("btnNovo")->click();
        QTest::mouseDClick(t.edit("edtMSN"), Qt::LeftButton);
        QCOMPARE(m_seams.shell->opened, QStringList());
        t.edit("edtEmail")->setText(QStringLiteral("maria@exemplo.com.br"));
        QTest::mouseDClick(t.edit("edtEmail"), Qt::LeftButton);
        QCOMPARE(m_seams.shell->opened, QStringList{QStringLiteral("mailto:maria@exemplo.com.br")});
    }

    void groupListAndBirthDateStayUsableWhileBrowsing()
    {
        Tela t;
        QVERIFY(!t.editando());
        QVERIFY(t.grupo()->isEnabled());
        QVERIFY(t.mascara("edtDataNascimento")->isEnabled());
        QVERIFY(!t.combo("edtNome")->isEnabled());
        QVERIFY(!t.edit("edtRua")->isEnabled());
    }

    void f1OpensTheHelpPage()
    {
        Tela t;
        // the group list stays enabled while browsing
        QTest::keyClick(t.grupo(), Qt::Key_F1);
        QCOMPARE(m_seams.shell->opened.size(), 1);
        QVERIFY(m_seams.shell->opened.at(0).endsWith(QStringLiteral("Ajuda/cad_pf.htm")));
    }
};

QTEST_MAIN(TestTfrPessoaFisica)
#include "TestTfrPessoaFisica.moc"
