// The companies' entry screen on a real database: a new company as the row
// stores it (CNPJ and IE digits, the IE shown in its state's format only when
// the format fits), the CNPJ and IE questions, the missing IE library, the
// local postal-code lookup, change and delete, opening for change, "&Novo"
// after another company, the web page and e-mail, and the settings kept.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TPessoaJuridica.h"
#include "model/TUsuario.h"
#include "services/Settings.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/Fones.h"
#include "support/ModalDriver.h"
#include "support/Modelos.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/common/GroupList.h"
#include "ui/common/MaskedEdit.h"
#include "ui/common/Telas.h"
#include "ui/registration/CampoNome.h"
#include "ui/registration/TfrPessoaJuridica.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kLogin = QStringLiteral("ana");
const QString kNulo = QStringLiteral("<NULL>");
const QString kAcesso = QStringLiteral("TfrAcessoRapidoPJ");
const QString kPesquisa = QStringLiteral("TfrPesquisaPessoaJuridica");
const QString kContatos = QStringLiteral("TfrContatoPJ");
const QString kPerguntaCNPJ = QStringLiteral("CNPJ Inválido!!\r\nDeseja deixar CNPJ em branco?");
const QString kPerguntaIE = QStringLiteral("Inscrição Estadual inválida!!\r\nDeseja deixar IE em branco?");

// The screen, shown, with the controls the tests touch.
struct Tela {
    TfrPessoaJuridica dlg;
    bool exposta = false;

    explicit Tela(const TPessoaJuridica *alterar = nullptr)
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
    QCheckBox *marca(const char *name) { return child<QCheckBox>(&dlg, QString::fromLatin1(name)); }
    GroupList *grupo() { return child<GroupList>(&dlg, QStringLiteral("txtGrupo")); }

    bool editando() { return botao("btnGravar")->isEnabled() && !botao("btnNovo")->isEnabled(); }

    // "&Novo" and the fields of Acme Ltda of group 7 in SP.
    void novaAcme()
    {
        botao("btnNovo")->click();
        combo("edtNome")->setEditText(QStringLiteral("Acme Ltda"));
        QVERIFY(grupo()->selecionarCodigo(7));
        QVERIFY(mascara("edtCNPJ")->setValue(QStringLiteral("11.222.333/0001-81")));
        combo("edtEstado")->setCurrentText(QStringLiteral("SP"));
        mascara("edtIE")->setText(QStringLiteral("110042490114"));
        QVERIFY(mascara("edtFone")->setValue(QStringLiteral("(11)3245-1234")));
        QVERIFY(mascara("edtFone0800")->setValue(QStringLiteral("08001234567")));
        edit("edtEmail")->setText(QStringLiteral("contato@acme.com.br"));
    }
};

} // namespace

class TestTfrPessoaJuridica : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    RecordingNavigator *m_nav = nullptr;
    TUsuario m_usuario;
    QString m_biblioteca; // the IE library in this test's program folder
    Database &db() { return m_dm->BancoDados; }

    QString coluna(const QString &col, int id)
    {
        const QVariant v = scalar(
            db(), QStringLiteral("SELECT %1 FROM PESSOAJURIDICA WHERE IDENTIFICADOR = %2").arg(col).arg(id));
        return v.isNull() ? kNulo : v.toString().trimmed();
    }
    int idDe(const QString &nome)
    {
        return scalar(db(), QStringLiteral("SELECT IDENTIFICADOR FROM PESSOAJURIDICA WHERE NOME = :N"),
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
    TPessoaJuridica carregada(int id)
    {
        TPessoaJuridica p(db());
        if (!p.Carregar(id))
            qFatal("no company %d", id);
        return p;
    }
    // The search dialog picks this company.
    void escolherNaPesquisa(int id)
    {
        m_nav->onOpen = [id](const QString &tela, QWidget *, const Abertura &) {
            return Retorno{.resultado = 1, .escolhido = tela == kPesquisa ? id : 0};
        };
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        // the IE check needs its library beside the program
        m_biblioteca = m_folder.file(QStringLiteral("DllInscE32.so"));
        const QString construida =
            QFileInfo(QString::fromLocal8Bit(LUMISTO_EXE)).absolutePath() + QStringLiteral("/DllInscE32.so");
        QVERIFY2(QFile::copy(construida, m_biblioteca), qPrintable(construida));
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
        m_seams.network->online = false;
        m_nav = RecordingNavigator::install({kAcesso, kPesquisa, kContatos});
        QVERIFY(SetQuickAccessEnabled(1, true));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAJURIDICA")));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA")));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM GRUPO")));
        QVERIFY(exec(db(), QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (7, 'Bancos')")));
        QVERIFY(exec(db(),
                     QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (12000, 'Clientes')")));
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    // Each of the company's telephones takes an old 8-digit number, a
    // landline and a mobile as typed, stores the digits, shows them whole
    // when the company is opened again and saves them back unchanged.
    void telephonesKeepEveryDigit_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("coluna");
        QTest::addColumn<QString>("digitos");
        QTest::addColumn<QString>("mostrado");
        const QList<std::pair<const char *, const char *>> campos = {
            {"edtFone", "FONE"}, {"edtFoneFax", "FONE_FAX"}, {"edtFoneCel", "FONE_CEL"}};
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
        int id = 0;
        {
            Tela t;
            t.novaAcme();
            MaskedEdit *fone = t.mascara(campo.toLatin1().constData());
            DigitarFone(fone, digitos);
            QCOMPARE(fone->digits(), digitos);
            QCOMPARE(fone->displayText(), mostrado);
            t.botao("btnGravar")->click();
            id = idDe(QStringLiteral("Acme Ltda"));
            QVERIFY(id > 0);
            QCOMPARE(this->coluna(coluna, id), digitos);
        }
        const TPessoaJuridica guardada = carregada(id);
        Tela t(&guardada);
        QCOMPARE(t.mascara(campo.toLatin1().constData())->displayText(), mostrado);
        t.botao("btnGravar")->click();
        QCOMPARE(this->coluna(coluna, id), digitos);
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    void newCompanyStoresDigitsAndOpensQuickAccessWithItsIdentifier()
    {
        Tela t;
        QVERIFY(t.exposta);
        QVERIFY(!t.editando());
        t.novaAcme();
        QVERIFY(t.editando());
        t.botao("btnGravar")->click();

        QCOMPARE(m_seams.messages->shown, QStringList());
        const int id = idDe(QStringLiteral("Acme Ltda"));
        QVERIFY(id > 0);
        QCOMPARE(coluna(QStringLiteral("CNPJ"), id), QStringLiteral("11222333000181"));
        QCOMPARE(coluna(QStringLiteral("IE"), id), QStringLiteral("110042490114"));
        QCOMPARE(coluna(QStringLiteral("FONE"), id), QStringLiteral("1132451234"));
        QCOMPARE(coluna(QStringLiteral("FONE_0800"), id), QStringLiteral("08001234567"));
        QCOMPARE(coluna(QStringLiteral("ESTADO"), id), QStringLiteral("SP"));
        QCOMPARE(coluna(QStringLiteral("LOGIN"), id), kLogin);
        QCOMPARE(coluna(QStringLiteral("PUBLICA"), id), QStringLiteral("1"));
        QCOMPARE(coluna(QStringLiteral("ENVIAR"), id), QStringLiteral("1"));
        QCOMPARE(coluna(QStringLiteral("COD_GRUPO"), id), QStringLiteral("7"));
        // the field shows the state's format of the number it checked
        QCOMPARE(t.mascara("edtIE")->displayText(), QStringLiteral("110.042.490.114"));
        QCOMPARE(t.mascara("edtIE")->value(), QStringLiteral("110042490114"));

        QCOMPARE(m_nav->opened.size(), 1);
        QCOMPARE(m_nav->opened.at(0).first, kAcesso);
        QCOMPARE(m_nav->opened.at(0).second.identificador, id);
        QCOMPARE(m_nav->opened.at(0).second.dados,
                 QStringLiteral(" Bancos :: Acme Ltda :: contato@acme.com.br"));
        QVERIFY(!t.editando());
        auto *nome = child<CampoNome>(&t.dlg, QStringLiteral("edtNome"));
        nome->CarregarLista();
        QVERIFY(nome->findText(QStringLiteral("Acme Ltda")) >= 0);

        // the next entry starts without the format
        t.botao("btnNovo")->click();
        QVERIFY(t.mascara("edtIE")->editMask().isEmpty());
        QCOMPARE(t.mascara("edtIE")->displayText(), QString());
    }

    void alphanumericCnpjIsAccepted()
    {
        Tela t;
        t.novaAcme();
        QVERIFY(t.mascara("edtCNPJ")->setValue(QStringLiteral("12.abc.345/01de-35")));
        QCOMPARE(t.mascara("edtCNPJ")->displayText(), QStringLiteral("12.ABC.345/01DE-35"));
        t.botao("btnGravar")->click();
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(coluna(QStringLiteral("CNPJ"), idDe(QStringLiteral("Acme Ltda"))),
                 QStringLiteral("12ABC34501DE35"));
    }

    // A state's format is put on the field only when it has as many places
    // as the number has digits; what is stored is always the digits checked.
    void ieFormatOnlyWhenItFits_data()
    {
        QTest::addColumn<QString>("uf");
        QTest::addColumn<QString>("ie");
        QTest::addColumn<QString>("mostrado");
        QTest::newRow("SP, twelve digits") << "SP"
                                           << "110042490114"
                                           << "110.042.490.114";
        QTest::newRow("BA, eight digits") << "BA"
                                          << "12345663"
                                          << "123456-63";
        QTest::newRow("BA, nine digits: longer than the format") << "BA"
                                                                 << "100000306"
                                                                 << "100000306";
        QTest::newRow("RO, fourteen digits: longer than the format") << "RO"
                                                                     << "00000000625213"
                                                                     << "00000000625213";
    }
    void ieFormatOnlyWhenItFits()
    {
        QFETCH(QString, uf);
        QFETCH(QString, ie);
        QFETCH(QString, mostrado);
        Tela t;
        t.novaAcme();
        t.combo("edtEstado")->setCurrentText(uf);
        t.mascara("edtIE")->setText(ie);
        t.botao("btnGravar")->click();
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(t.mascara("edtIE")->displayText(), mostrado);
        QCOMPARE(coluna(QStringLiteral("IE"), idDe(QStringLiteral("Acme Ltda"))), ie);
    }

    void invalidDocumentsAsk_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("pergunta");
        QTest::addColumn<bool>("resposta");
        QTest::addColumn<QString>("colunaVazia");
        QTest::newRow("CNPJ, Yes: saved without it") << "edtCNPJ"
                                                     << "11222333000182" << kPerguntaCNPJ << true << "CNPJ";
        QTest::newRow("CNPJ, No: nothing saved") << "edtCNPJ"
                                                 << "11222333000182" << kPerguntaCNPJ << false << "CNPJ";
        QTest::newRow("short CNPJ, No") << "edtCNPJ"
                                        << "1122233" << kPerguntaCNPJ << false << "CNPJ";
        QTest::newRow("IE, Yes: saved without it") << "edtIE"
                                                   << "110042490115" << kPerguntaIE << true << "IE";
        QTest::newRow("IE, No: nothing saved") << "edtIE"
                                               << "110042490115" << kPerguntaIE << false << "IE";
    }
    void invalidDocumentsAsk()
    {
        QFETCH(QString, campo);
        QFETCH(QString, valor);
        QFETCH(QString, pergunta);
        QFETCH(bool, resposta);
        QFETCH(QString, colunaVazia);
        Tela t;
        t.novaAcme();
        auto *field = child<MaskedEdit>(&t.dlg, campo);
        if (field->editMask().isEmpty())
            field->setText(valor);
        else
            QVERIFY(field->setValue(valor));
        m_seams.messages->answers.enqueue(resposta);
        t.botao("btnGravar")->click();

        QCOMPARE(m_seams.messages->questions, QStringList{pergunta});
        const int id = idDe(QStringLiteral("Acme Ltda"));
        if (resposta) {
            QVERIFY(id > 0);
            QCOMPARE(coluna(colunaVazia, id), QString());
            QCOMPARE(field->value(), QString());
            QVERIFY(!t.editando());
        } else {
            QCOMPARE(count(db(), QStringLiteral("PESSOAJURIDICA")), 0);
            QVERIFY(t.editando());
            QCOMPARE(t.dlg.focusWidget(), field);
            QCOMPARE(field->value(), valor);
            QCOMPARE(m_nav->opened.size(), 0);
        }
    }

    void missingIeLibraryStopsTheSave()
    {
        const QString fora = m_biblioteca + QStringLiteral(".fora");
        QVERIFY(QFile::rename(m_biblioteca, fora));
        Tela t;
        t.novaAcme();
        t.botao("btnGravar")->click();
        QVERIFY(QFile::rename(fora, m_biblioteca));

        QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Dll não carregada")});
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(count(db(), QStringLiteral("PESSOAJURIDICA")), 0);
        QCOMPARE(m_nav->opened.size(), 0);
        QVERIFY(t.editando());
        QCOMPARE(t.mascara("edtIE")->text(), QStringLiteral("110042490114"));
    }

    void noGroupStopsTheSave()
    {
        Tela t;
        t.novaAcme();
        t.grupo()->setCurrentIndex(-1);
        t.botao("btnGravar")->click();
        QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Você deve escolher um grupo!")});
        QCOMPARE(count(db(), QStringLiteral("PESSOAJURIDICA")), 0);
        QVERIFY(t.editando());
    }

    void declinedDuplicateNameSavesNothingAndOpensNothing()
    {
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Acme Ltda"), 7, kLogin) > 0);
        Tela t;
        t.novaAcme();
        m_seams.messages->answers.enqueue(false);
        t.botao("btnGravar")->click();
        QCOMPARE(m_seams.messages->questions.size(), 1);
        QVERIFY(m_seams.messages->questions.at(0).startsWith(
            QStringLiteral("Já temos uma pessoa jurídica cadastrada com este nome:")));
        QCOMPARE(count(db(), QStringLiteral("PESSOAJURIDICA")), 1);
        QCOMPARE(m_nav->opened.size(), 0);
        QVERIFY(t.editando());
        QCOMPARE(t.combo("edtNome")->currentText(), QStringLiteral("Acme Ltda"));
    }

    // A text the row cannot hold is refused by the record with a message that
    // names the field; the screen keeps what was typed.
    void textTheRowCannotHoldKeepsTheScreenEditing()
    {
        Tela t;
        t.novaAcme();
        t.edit("edtComplemento")->setText(QStringLiteral("Sala 中"));
        t.botao("btnGravar")->click();
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.at(0).startsWith(QStringLiteral("Campo \"Complemento\"")));
        QCOMPARE(count(db(), QStringLiteral("PESSOAJURIDICA")), 0);
        QCOMPARE(m_nav->opened.size(), 0);
        QVERIFY(t.editando());
        QCOMPARE(t.edit("edtComplemento")->text(), QStringLiteral("Sala 中"));
    }

    void quickAccessTurnedOffOpensNothing()
    {
        QVERIFY(SetQuickAccessEnabled(1, false));
        Tela t;
        t.novaAcme();
        t.botao("btnGravar")->click();
        QVERIFY(idDe(QStringLiteral("Acme Ltda")) > 0);
        QCOMPARE(m_nav->opened.size(), 0);
    }

    // Enter in the CEP, IE, number or box field: the companies first, then
    // the individuals, all from the database while there is no network.
    void enterFillsTheAddressFromTheDatabase_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<bool>("empresa");
        QTest::addColumn<QString>("rua");
        QTest::addColumn<bool>("rede");
        QTest::newRow("CEP, a company has it") << "edtCEP" << true << "Rua da Empresa" << false;
        // these fields never ask the web, on a network or not
        QTest::newRow("number, a company has it") << "edtNumero" << true << "Rua da Empresa" << true;
        QTest::newRow("IE, a company has it") << "edtIE" << true << "Rua da Empresa" << true;
        QTest::newRow("box, only an individual has it") << "edtCP" << false << "Rua da Pessoa" << true;
    }
    void enterFillsTheAddressFromTheDatabase()
    {
        QFETCH(QString, campo);
        QFETCH(bool, empresa);
        QFETCH(QString, rua);
        QFETCH(bool, rede);
        const int pf = insertPessoaFisica(db(), QStringLiteral("Joana Souza"), 7, kLogin);
        QVERIFY(exec(db(), QStringLiteral("UPDATE PESSOAFISICA SET CEP = 1310100, RUA = 'Rua da Pessoa', "
                                          "BAIRRO = 'Centro', CIDADE = 'Santos', ESTADO = 'sp' "
                                          "WHERE IDENTIFICADOR = %1")
                               .arg(pf)));
        if (empresa) {
            const int pj = insertPessoaJuridica(db(), QStringLiteral("Outra SA"), 7, kLogin);
            QVERIFY(
                exec(db(), QStringLiteral("UPDATE PESSOAJURIDICA SET CEP = 1310100, RUA = 'Rua da Empresa', "
                                          "BAIRRO = 'Consolação', CIDADE = 'São Paulo', ESTADO = 'SP' "
                                          "WHERE IDENTIFICADOR = %1")
                               .arg(pj)));
        }
        Tela t;
        t.botao("btnNovo")->click();
        child<QTabWidget>(&t.dlg, QStringLiteral("PageControl1"))->setCurrentIndex(1);
        QVERIFY(t.mascara("edtCEP")->setValue(QStringLiteral("01310100")));
        t.combo("edtEstado")->setCurrentIndex(-1);
        auto *alvo = child<QLineEdit>(&t.dlg, campo);
        const QString antes = alvo->text();
        m_seams.network->online = rede;
        QTest::keyClick(alvo, Qt::Key_Return);

        QCOMPARE(t.edit("edtRua")->text(), rua);
        QCOMPARE(t.edit("edtBairro")->text(),
                 empresa ? QStringLiteral("Consolação") : QStringLiteral("Centro"));
        QCOMPARE(t.combo("edtCidade")->currentText(),
                 empresa ? QStringLiteral("São Paulo") : QStringLiteral("Santos"));
        QCOMPARE(t.combo("edtEstado")->currentText(), QStringLiteral("SP"));
        QCOMPARE(child<QLabel>(&t.dlg, QStringLiteral("Label12"))->text(), QStringLiteral("CEP"));
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(alvo->text(), antes); // the Enter key itself goes nowhere
        QVERIFY(t.editando());
    }

    void changeThroughTheScreen()
    {
        const int id = insertPessoaJuridica(db(), QStringLiteral("Acme Ltda"), 7, kLogin);
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Acmi Ltda"), 7, kLogin) > 0);
        escolherNaPesquisa(id);
        Tela t;
        t.botao("btnAlterar")->click();
        QCOMPARE(t.combo("edtNome")->currentText(), QStringLiteral("Acme Ltda"));
        QCOMPARE(t.dlg.operacao(), int(TfrPessoaJuridica::Alterar));
        QVERIFY(t.mascara("edtFoneFax")->setValue(QStringLiteral("1199998888")));
        t.botao("btnGravar")->click();

        // the name stayed: no duplicate-name question
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(coluna(QStringLiteral("FONE_FAX"), id), QStringLiteral("1199998888"));
        QCOMPARE(abertas(kAcesso), QStringList{QString::number(id)});
        QVERIFY(!t.editando());
        QCOMPARE(t.dlg.identificador(), 0);
    }

    void deleteThroughTheScreen()
    {
        const int id = insertPessoaJuridica(db(), QStringLiteral("Acme Ltda"), 7, kLogin);
        escolherNaPesquisa(id);
        Tela t;
        t.botao("btnExcluir")->click();
        QCOMPARE(t.dlg.identificador(), id);
        t.botao("btnGravar")->click();
        QCOMPARE(count(db(), QStringLiteral("PESSOAJURIDICA")), 0);
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(abertas(kAcesso), QStringList());
        QVERIFY(!t.editando());
    }

    void changeWithNobodyPickedWritesNothing()
    {
        const int id = insertPessoaJuridica(db(), QStringLiteral("Acme Ltda"), 7, kLogin);
        Tela t;
        t.botao("btnAlterar")->click();
        QCOMPARE(t.dlg.identificador(), 0);
        t.botao("btnGravar")->click();
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(coluna(QStringLiteral("NOME"), id), QStringLiteral("Acme Ltda"));
        QCOMPARE(abertas(kAcesso), QStringList());
        QVERIFY(!t.editando());
    }

    void openingForChangeShowsEveryField()
    {
        TPessoaJuridica p(db());
        p.Nome = QStringLiteral("Acme Ltda");
        p.CNPJ = QStringLiteral("11222333000181");
        p.IE = QStringLiteral("110042490114");
        p.Fone = QStringLiteral("1132451234");
        p.FoneFax = QStringLiteral("1132451235");
        p.FoneCel = QStringLiteral("11987654321");
        p.Fone0800 = QStringLiteral("08001234567");
        p.Fone0300 = QStringLiteral("03001234567");
        p.Email = QStringLiteral("contato@acme.com.br");
        p.HomePage = QStringLiteral("www.acme.com.br");
        p.Voip = QStringLiteral("acme.voip");
        p.Obs = QStringLiteral("Fornecedor antigo\nde peças");
        p.Guia = 1;
        p.Publica = 0;
        p.Grupo.Codigo = 12000;
        p.NomeBanco02 = QStringLiteral("Banco Dois");
        p.Agencia03 = QStringLiteral("1234");
        p.Endereco.Rua = QStringLiteral("Rua Augusta");
        p.Endereco.Numero = 7;
        p.Endereco.Bairro = QStringLiteral("Consolação");
        p.Endereco.Cidade = QStringLiteral("São Paulo");
        p.Endereco.Estado = QStringLiteral("SP");
        p.Endereco.CEP = 1310100;
        p.Endereco.CP = 12;
        p.Endereco.Enviar = 0;
        p.Login = QStringLiteral("bia");
        QCOMPARE(p.Inserir(), Resultado::Gravado);
        const TPessoaJuridica lida = carregada(p.Identificador);
        QVERIFY(SetDefaultState(QStringLiteral("MG")));

        Tela t(&lida);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Pessoa Jurídica -- Alterando"));
        QVERIFY(t.editando());
        QCOMPARE(t.dlg.operacao(), int(TfrPessoaJuridica::Alterar));
        QCOMPARE(t.dlg.identificador(), p.Identificador);
        QCOMPARE(t.combo("edtNome")->currentText(), QStringLiteral("Acme Ltda"));
        QCOMPARE(t.mascara("edtCNPJ")->displayText(), QStringLiteral("11.222.333/0001-81"));
        QCOMPARE(t.mascara("edtIE")->displayText(), QStringLiteral("110042490114"));
        QCOMPARE(t.mascara("edtFone")->displayText(), QStringLiteral("(11)3245-1234"));
        QCOMPARE(t.mascara("edtFoneFax")->value(), QStringLiteral("1132451235"));
        // an eleven-digit mobile shows whole in the mobile's mask
        QCOMPARE(t.mascara("edtFoneCel")->displayText(), QStringLiteral("(11)98765-4321"));
        QCOMPARE(t.mascara("edtFoneCel")->digits(), QStringLiteral("11987654321"));
        QCOMPARE(t.mascara("edtFone0800")->value(), QStringLiteral("08001234567"));
        QCOMPARE(t.mascara("edtFone0300")->value(), QStringLiteral("03001234567"));
        QCOMPARE(t.edit("edtEmail")->text(), QStringLiteral("contato@acme.com.br"));
        QCOMPARE(t.edit("edtHomePage")->text(), QStringLiteral("www.acme.com.br"));
        QCOMPARE(t.edit("edtVoIP")->text(), QStringLiteral("acme.voip"));
        QCOMPARE(child<QPlainTextEdit>(&t.dlg, QStringLiteral("edtObs"))->toPlainText(),
                 QStringLiteral("Fornecedor antigo\nde peças"));
        QVERIFY(t.marca("edtGuiaEmergencia")->isChecked());
        QVERIFY(!t.marca("edtPublica")->isChecked());
        QVERIFY(!t.marca("edtEnviar")->isChecked());
        QCOMPARE(t.grupo()->codigoSelecionado(), 12000);
        QCOMPARE(child<QLabel>(&t.dlg, QStringLiteral("Label22"))->text(), QStringLiteral("Grupo: Clientes"));
        QCOMPARE(t.edit("edtNomeBanco02")->text(), QStringLiteral("Banco Dois"));
        QCOMPARE(t.edit("edtAgencia03")->text(), QStringLiteral("1234"));
        QCOMPARE(t.edit("edtRua")->text(), QStringLiteral("Rua Augusta"));
        QCOMPARE(t.edit("edtNumero")->text(), QStringLiteral("07"));
        QCOMPARE(t.edit("edtBairro")->text(), QStringLiteral("Consolação"));
        QCOMPARE(t.combo("edtCidade")->currentText(), QStringLiteral("São Paulo"));
        // opened for change, the state shown is the company's, not the default one
        QCOMPARE(t.combo("edtEstado")->currentText(), QStringLiteral("SP"));
        QCOMPARE(t.mascara("edtCEP")->displayText(), QStringLiteral("01310-100"));
        QCOMPARE(t.edit("edtCP")->text(), QStringLiteral("012"));
        auto *lblLogin = child<QLabel>(&t.dlg, QStringLiteral("lblLogin"));
        QCOMPARE(lblLogin->text(), QStringLiteral("Cadastrado pelo login: bia"));
        QCOMPARE(lblLogin->toolTip(), QStringLiteral("Cadastado por: \nLogin: bia"));

        // saved unchanged, the row stays as it was but for the login of who saved it
        t.botao("btnGravar")->click();
        QCOMPARE(m_seams.messages->questions, QStringList());
        QCOMPARE(coluna(QStringLiteral("IE"), p.Identificador), QStringLiteral("110042490114"));
        QCOMPARE(coluna(QStringLiteral("CEP"), p.Identificador), QStringLiteral("1310100"));
        QCOMPARE(coluna(QStringLiteral("FONE_CEL"), p.Identificador), QStringLiteral("11987654321"));
        QCOMPARE(coluna(QStringLiteral("OBS"), p.Identificador),
                 QStringLiteral("Fornecedor antigo\nde peças"));
        QCOMPARE(coluna(QStringLiteral("LOGIN"), p.Identificador), kLogin);
        // the next entry starts again in the landline's mask
        t.botao("btnNovo")->click();
        QCOMPARE(t.mascara("edtFoneCel")->displayText(), QStringLiteral("(__)____-____"));
    }

    void theNavigatorOpensACompanyForChange()
    {
        const int id = insertPessoaJuridica(db(), QStringLiteral("Acme Ltda"), 7, kLogin);
        InstallScreens();
        QString titulo;
        int operacao = -1;
        int mostrada = -1;
        bool gravarLigado = false;
        whenModal<TfrPessoaJuridica>([&](TfrPessoaJuridica *dlg) {
            titulo = dlg->windowTitle();
            operacao = dlg->operacao();
            mostrada = dlg->identificador();
            gravarLigado = dlg->findChild<QToolButton *>(QStringLiteral("btnGravar"))->isEnabled();
            dlg->reject();
        });
        Telas::PessoaJuridica(nullptr, id);
        QCOMPARE(titulo, QStringLiteral("Pessoa Jurídica -- Alterando"));
        QCOMPARE(operacao, int(TfrPessoaJuridica::Alterar));
        QCOMPARE(mostrada, id);
        QVERIFY(gravarLigado);
    }

    // "&Novo" after a company was shown starts from nothing of it.
    void newAfterAnotherCompanyCarriesNothingOver()
    {
        Tela t;
        t.novaAcme();
        t.edit("edtHomePage")->setText(QStringLiteral("www.acme.com.br"));
        t.combo("edtCidade")->setEditText(QStringLiteral("Campinas"));
        t.marca("edtGuiaEmergencia")->setChecked(true);
        t.botao("btnGravar")->click();
        const int acme = idDe(QStringLiteral("Acme Ltda"));
        QVERIFY(acme > 0);

        escolherNaPesquisa(acme);
        t.botao("btnAlterar")->click();
        QCOMPARE(t.mascara("edtIE")->text(), QStringLiteral("110042490114"));
        t.botao("btnCancelar")->click();
        t.botao("btnNovo")->click();
        QCOMPARE(t.dlg.identificador(), 0);
        QCOMPARE(t.combo("edtNome")->currentText(), QString());
        QCOMPARE(t.mascara("edtCNPJ")->value(), QString());
        QCOMPARE(t.mascara("edtIE")->text(), QString());
        QCOMPARE(t.combo("edtCidade")->currentText(), QString());
        QVERIFY(!t.marca("edtGuiaEmergencia")->isChecked());
        QCOMPARE(child<QLabel>(&t.dlg, QStringLiteral("lblLogin"))->text(), QString());

        t.combo("edtNome")->setEditText(QStringLiteral("Zeta Comércio"));
        t.botao("btnGravar")->click();
        const int zeta = idDe(QStringLiteral("Zeta Comércio"));
        QVERIFY(zeta > 0 && zeta != acme);
        for (const char *col : {"CNPJ", "IE", "FONE", "FONE_0800", "EMAIL", "HOME_PAGE", "CIDADE"})
            QCOMPARE(coluna(QString::fromLatin1(col), zeta), QString());
        QCOMPARE(coluna(QStringLiteral("GUIA"), zeta), QStringLiteral("0"));
        QCOMPARE(coluna(QStringLiteral("NOME"), acme), QStringLiteral("Acme Ltda"));
    }

    void webPageAndEmailOpenThroughTheShell_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("aberto");
        QTest::newRow("page without a scheme") << "edtHomePage"
                                               << "www.acme.com.br"
                                               << "http://www.acme.com.br";
        QTest::newRow("page with http") << "edtHomePage"
                                        << "http://acme.com.br"
                                        << "http://acme.com.br";
        QTest::newRow("page with https") << "edtHomePage"
                                         << "https://acme.com.br/loja"
                                         << "https://acme.com.br/loja";
        QTest::newRow("empty page") << "edtHomePage" << QString() << QString();
        QTest::newRow("e-mail") << "edtEmail"
                                << "contato@acme.com.br"
                                << "mailto:contato@acme.com.br";
        QTest::newRow("empty e-mail") << "edtEmail" << QString() << QString();
    }
    void webPageAndEmailOpenThroughTheShell()
    {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, aberto);
        Tela t;
        t.botao("btnNovo")->click();
        child<QTabWidget>(&t.dlg, QStringLiteral("PageControl1"))
            ->setCurrentIndex(campo == QLatin1String("edtEmail") ? 0 : 1);
        auto *e = child<QLineEdit>(&t.dlg, campo);
        e->setText(texto);
        QTest::mouseDClick(e, Qt::LeftButton);
        QCOMPARE(m_seams.shell->opened, aberto.isEmpty() ? QStringList() : QStringList{aberto});
    }

    void showContactsOnlyForAShownCompany()
    {
        const int id = insertPessoaJuridica(db(), QStringLiteral("Acme Ltda"), 7, kLogin);
        Tela t;
        auto *contatos = child<QPushButton>(&t.dlg, QStringLiteral("btnExibirContatos"));
        QVERIFY(contatos->isEnabled());
        contatos->click();
        QCOMPARE(m_nav->opened.size(), 0);

        escolherNaPesquisa(id);
        t.botao("btnAlterar")->click();
        contatos->click();
        QCOMPARE(m_nav->opened.size(), 2);
        QCOMPARE(m_nav->opened.at(1).first, kContatos);
        const Abertura &abertura = m_nav->opened.at(1).second;
        QCOMPARE(abertura.identificador, id);
        QCOMPARE(abertura.nome, QStringLiteral("Acme Ltda"));
        QCOMPARE(abertura.titulo, QStringLiteral("Inserindo um Contato para Acme Ltda"));
    }

    void closingKeepsStateAndPageForTheNextOpening()
    {
        {
            Tela t;
            t.botao("btnNovo")->click();
            t.combo("edtEstado")->setCurrentText(QStringLiteral("MG"));
            child<QTabWidget>(&t.dlg, QStringLiteral("PageControl1"))->setCurrentIndex(2);
            t.botao("btnSair")->click();
            QVERIFY(!t.dlg.isVisible());
        }
        QCOMPARE(DefaultState(), QStringLiteral("MG"));
        QCOMPARE(ReadSettingInt(QStringLiteral("CADASTRO_PJ"), QStringLiteral("TIPO_PESSOA")), 2);
        Tela t;
        QCOMPARE(t.combo("edtEstado")->currentText(), QStringLiteral("MG"));
        QCOMPARE(child<QTabWidget>(&t.dlg, QStringLiteral("PageControl1"))->currentIndex(), 2);
    }

    void browsingLeavesGroupPublicAndContactsUsable()
    {
        Tela t;
        QVERIFY(!t.editando());
        QVERIFY(t.grupo()->isEnabled());
        QVERIFY(t.marca("edtPublica")->isEnabled());
        QVERIFY(child<QPushButton>(&t.dlg, QStringLiteral("btnExibirContatos"))->isEnabled());
        for (const char *nome : {"edtCNPJ", "edtIE"})
            QVERIFY(!t.mascara(nome)->isEnabled());
        QVERIFY(!t.combo("edtNome")->isEnabled());
        QVERIFY(!t.marca("edtGuiaEmergencia")->isEnabled());
        QVERIFY(!t.edit("edtRua")->isEnabled());
    }

    void f1OpensTheHelpPage()
    {
        Tela t;
        QTest::keyClick(t.grupo(), Qt::Key_F1);
        QCOMPARE(m_seams.shell->opened.size(), 1);
        QVERIFY(m_seams.shell->opened.at(0).endsWith(QStringLiteral("Ajuda/cad_pj.htm")));
    }
};

QTEST_MAIN(TestTfrPessoaJuridica)
#include "TestTfrPessoaJuridica.moc"
