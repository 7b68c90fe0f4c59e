// The login window and the start-up's login steps on a real database.
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "services/Settings.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/TestFolder.h"
#include "ui/common/Navigator.h"
#include "ui/session/Startup.h"
#include "ui/session/TfrLogin.h"
#include "ui/session/TfrNovoUsuario.h"
#include "ui/session/TfrRemoverUsuarios.h"
#include "util/TextUtils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

void fillNovoUsuario(TfrNovoUsuario *dlg, const QString &login, const QString &senha, const QString &nome)
{
    child<QLineEdit>(dlg, "edtLogin")->setText(login);
    child<QLineEdit>(dlg, "edtSenha")->setText(senha);
    child<QLineEdit>(dlg, "edtConfirmaSenha")->setText(senha);
    child<QLineEdit>(dlg, "edtEmail")->setText(login + QStringLiteral("@exemplo.com.br"));
    child<QLineEdit>(dlg, "edtNome")->setText(nome);
}

// Fills the login window once it shows and presses a button.
void answerLogin(const QString &login, const QString &senha, const char *button = "btnOK")
{
    whenModal<TfrLogin>([=](TfrLogin *dlg) {
        auto *combo = child<QComboBox>(dlg, "edtLogin");
        combo->setCurrentIndex(combo->findText(login));
        child<QLineEdit>(dlg, "edtSenha")->setText(senha);
        child<QPushButton>(dlg, button)->click();
    });
}

} // namespace

class TestTfrLogin : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        TfrLogin::Pause = [](int) {};
        InstallScreens(); // the account dialogs it opens are the real ones
        qputenv("XDG_CONFIG_HOME", m_folder.file(QStringLiteral("config")).toLocal8Bit());
    }
    void init() { m_seams.messages->clear(); }
    void cleanupTestCase() { m_dm.reset(); }

    // must run first: the table is empty
    void theFirstStartRegistersTheFirstUser()
    {
        QCOMPARE(count(db(), QStringLiteral("USUARIO")), 0);
        bool firstMode = false;
        QString caption;
        whenModal<TfrNovoUsuario>([&](TfrNovoUsuario *dlg) {
            firstMode = !child<QCheckBox>(dlg, "edtTipoUsuario")->isEnabled() &&
                        child<QCheckBox>(dlg, "edtTipoUsuario")->isChecked();
            caption = dlg->windowTitle();
            fillNovoUsuario(dlg, QStringLiteral("ana"), QStringLiteral("abc"), QStringLiteral("Ana"));
            child<QPushButton>(dlg, "btnOk")->click();
        });
        TfrLogin login;
        QString selected;
        whenModal<TfrLogin>([&](TfrLogin *dlg) {
            selected = dlg->login();
            child<QPushButton>(dlg, "btnSair")->click();
        });
        login.exec();
        QVERIFY(firstMode);
        QCOMPARE(caption, QStringLiteral("Cadastro do Primeiro Usuário"));
        QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Usuário ana inserido com sucesso!")});
        QCOMPARE(selected, QStringLiteral("ana"));
        QCOMPARE(scalar(db(), QStringLiteral("SELECT TIPO FROM USUARIO WHERE LOGIN = 'ana'")).toInt(), 1);
        QVERIFY(TfrLogin::TerminateOnClose);
    }

    void aLowerCasePasswordLogsIn()
    {
        answerLogin(QStringLiteral("ana"), QStringLiteral("ABC"));
        std::unique_ptr<TUsuario> u = FazerLogin(m_dm.get());
        QVERIFY(u);
        QCOMPARE(u->Login, QStringLiteral("ana"));
        QCOMPARE(u->Tipo, 1);
        QVERIFY(m_seams.messages->shown.isEmpty());
        QCOMPARE(ReadSettingText(QStringLiteral("USUARIO"), QStringLiteral("LOGIN")), QStringLiteral("ana"));
    }

    void aWrongPasswordEndsWithOneMessageAndClearsTheAutomaticLogin()
    {
        WriteSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA"), true);
        WriteSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("LOGIN"), QStringLiteral("outro"));
        answerLogin(QStringLiteral("ana"), QStringLiteral("errada"));
        QVERIFY(!FazerLogin(m_dm.get()));
        QCOMPARE(m_seams.messages->shown,
                 QStringList{QStringLiteral(
                     "Login e/ou senha inválidos!\r\nVerifique se a tecla Caps Lock não está ligada.")});
        QVERIFY(!ReadSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA")));
        QVERIFY(ReadSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("LOGIN")).isEmpty());
        QVERIFY(!db().isConnected());
        m_dm = m_folder.connect();
    }

    void sairEndsWithoutAMessageAndClearsTheKeys()
    {
        WriteSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA"), true);
        answerLogin(QStringLiteral("ana"), QString(), "btnSair");
        QVERIFY(!FazerLogin(m_dm.get()));
        QVERIFY(m_seams.messages->shown.isEmpty());
        QVERIFY(!ReadSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA")));
        m_dm = m_folder.connect();
    }

    void emptyFieldsAreRefusedInOrder()
    {
        TfrLogin dlg;
        whenModal<TfrLogin>([&](TfrLogin *d) {
            child<QLineEdit>(d, "edtSenha")->clear();
            child<QPushButton>(d, "btnOK")->click();
            child<QComboBox>(d, "edtLogin")->setCurrentIndex(-1);
            child<QPushButton>(d, "btnOK")->click();
            child<QPushButton>(d, "btnSair")->click();
        });
        dlg.exec();
        QCOMPARE(m_seams.messages->shown, (QStringList{QStringLiteral("Você precisa informar a senha!"),
                                                       QStringLiteral("Você precisa escolher o login!")}));
    }

    void theAutomaticLoginNeedsNoInput()
    {
        WriteSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA"), true);
        WriteSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("LOGIN"), QStringLiteral("ana"));
        WriteSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("SENHA"),
                         ScrambleText(QStringLiteral("ABC"), 10));
        TfrLogin dlg;
        dlg.show();
        QTRY_VERIFY(!dlg.isVisible());
        QCOMPARE(dlg.windowTitle(),
                 QStringLiteral("Iniciando a Quabelo - www.lumisto.com.br :: Entrada Automática"));
        QVERIFY(!TfrLogin::LoginFailed);
        QVERIFY(!TfrLogin::TerminateOnClose);
        QCOMPARE(dlg.login(), QStringLiteral("ana"));
        // the keys stay for the next start
        QVERIFY(ReadSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA")));
        ClearAutomaticLogin();
    }

    void tickingTheBoxKeepsTheAutomaticLogin()
    {
        whenModal<TfrLogin>([](TfrLogin *d) {
            child<QCheckBox>(d, "edtPedeSenha")->setChecked(true);
            child<QLineEdit>(d, "edtSenha")->setText(QStringLiteral("abc"));
            child<QPushButton>(d, "btnOK")->click();
        });
        QVERIFY(FazerLogin(m_dm.get()));
        QVERIFY(ReadSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA")));
        QCOMPARE(ReadSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("LOGIN")),
                 QStringLiteral("ana"));
        QCOMPARE(ReadSettingText(QStringLiteral("AUTENTICA"), QStringLiteral("SENHA")),
                 ScrambleText(QStringLiteral("ABC"), 10));
        ClearAutomaticLogin();
    }

    void aUserOfTypeZeroCannotAdministerUsers()
    {
        TUsuario u(db());
        u.Login = QStringLiteral("bia");
        u.Senha = ScrambleText(QStringLiteral("X"), 10);
        u.Nome = QStringLiteral("Bia");
        u.Tipo = 0;
        QCOMPARE(u.Inserir(), Resultado::Gravado);
        m_seams.messages->clear();
        TfrLogin dlg;
        whenModal<TfrLogin>([&](TfrLogin *d) {
            auto *combo = child<QComboBox>(d, "edtLogin");
            combo->setCurrentIndex(combo->findText(QStringLiteral("bia")));
            child<QLineEdit>(d, "edtSenha")->setText(QStringLiteral("x"));
            child<QPushButton>(d, "SpeedButton1")->click();
            child<QPushButton>(d, "SpeedButton2")->click();
            child<QPushButton>(d, "btnSair")->click();
        });
        dlg.exec();
        QCOMPARE(m_seams.messages->shown,
                 (QStringList{QStringLiteral("Operacão não permitida para o usuário bia"),
                              QStringLiteral("Operacão não permitida para o usuário bia")}));
    }

    void theRemovalListLeavesOutTheAdministratorAndKeepsOwners()
    {
        QVERIFY(insertUsuario(db(), QStringLiteral("dono")));
        QVERIFY(insertUsuario(db(), QStringLiteral("com branco"))); // blanks inside a login
        const int g = insertGrupo(db(), QStringLiteral("G"));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Pessoa"), g, QStringLiteral("dono")));
        QStringList listed;
        whenModal<TfrRemoverUsuarios>([&](TfrRemoverUsuarios *d) {
            auto *list = child<QListWidget>(d, "edtUsuarios");
            for (int i = 0; i < list->count(); ++i) {
                listed << list->item(i)->text();
                const QString login = list->item(i)->data(TfrRemoverUsuarios::LoginRole).toString();
                if (login == QLatin1String("dono") || login == QLatin1String("com branco"))
                    list->item(i)->setCheckState(Qt::Checked);
            }
            child<QPushButton>(d, "btnOK")->click();
            d->reject();
        });
        TfrLogin dlg;
        whenModal<TfrLogin>([&](TfrLogin *d) {
            auto *combo = child<QComboBox>(d, "edtLogin");
            combo->setCurrentIndex(combo->findText(QStringLiteral("ana")));
            child<QLineEdit>(d, "edtSenha")->setText(QStringLiteral("abc"));
            child<QPushButton>(d, "SpeedButton2")->click();
            child<QPushButton>(d, "btnSair")->click();
        });
        dlg.exec();
        QVERIFY(!listed.isEmpty());
        for (const QString &entry : std::as_const(listed))
            QVERIFY2(!entry.startsWith(QStringLiteral("ana ")), qPrintable(entry));
        QVERIFY(listed.contains(QStringLiteral("bia        - Bia")));
        QCOMPARE(m_seams.messages->shown,
                 QStringList{QStringLiteral(
                     "Exitem pessoas fisicas, jurídicas ou de contato cadastradas por essa pessoa. "
                     "Para excluir o login \"dono\" você deverá excluir essas informações primeiro.")});
        QCOMPARE(count(db(), QStringLiteral("USUARIO"), QStringLiteral("LOGIN = 'dono'")), 1);
        QCOMPARE(count(db(), QStringLiteral("USUARIO"), QStringLiteral("LOGIN = 'com branco'")), 0);
    }

    void forgottenPasswordIsMailedOnlyOnANetwork()
    {
        auto mailFor = [&](bool online) {
            m_seams.network->online = online;
            TfrLogin dlg;
            whenModal<TfrLogin>([](TfrLogin *d) {
                auto *combo = child<QComboBox>(d, "edtLogin");
                combo->setCurrentIndex(combo->findText(QStringLiteral("ana")));
                child<QPushButton>(d, "btnEsqueciMinhaSenha")->click();
                child<QPushButton>(d, "btnSair")->click();
            });
            dlg.exec();
        };
        mailFor(false);
        QVERIFY(m_seams.mail->sent.isEmpty());
        mailFor(true);
        QCOMPARE(m_seams.mail->sent.size(), 1);
        QCOMPARE(m_seams.mail->sent.first().to, QStringList{QStringLiteral("ana@exemplo.com.br")});
        QVERIFY(m_seams.mail->sent.first().htmlBody.contains(
            QStringLiteral("seu login é: ana e sua senha é ABC")));
        QCOMPARE(
            m_seams.messages->shown.last(),
            QStringLiteral("Login e senha do usuário Ana enviados para o e-mail: \"ana@exemplo.com.br\"!"));
    }

    void startAtLoginFollowsTheBox()
    {
        TfrLogin dlg;
        whenModal<TfrLogin>([](TfrLogin *d) {
            child<QCheckBox>(d, "CheckBox1")->click();
            child<QPushButton>(d, "btnSair")->click();
        });
        dlg.exec();
        QVERIFY(QFile::exists(m_folder.file(QStringLiteral("config/autostart/lumisto.desktop"))));
        TfrLogin again;
        QVERIFY(child<QCheckBox>(&again, "CheckBox1")->isChecked());
    }

    void f1OpensTheHelpPage()
    {
        TfrLogin dlg;
        whenModal<TfrLogin>([](TfrLogin *d) {
            QTest::keyClick(d, Qt::Key_F1);
            child<QPushButton>(d, "btnSair")->click();
        });
        dlg.exec();
        QVERIFY(m_seams.shell->opened.last().endsWith(QStringLiteral("/Ajuda/login.htm")));
    }

    // Must run last: the database file is replaced by one that is no
    // database. A read that fails is an error, never an empty user table:
    // the error is shown, the start ends, and no first administrator is offered.
    void aDatabaseThatCannotBeReadEndsWithItsErrorAndNoFirstUser()
    {
        m_dm.reset();
        {
            QFile f(m_folder.file(QStringLiteral("DB/Orvalha.FDB")));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray(8192, 'x'));
        }
        m_dm = m_folder.connect(); // shows why it could not connect
        QVERIFY(!db().isConnected());
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QString falhaAoConectar = m_seams.messages->shown.first();
        m_seams.messages->clear();

        auto primeiroUsuario = std::make_shared<bool>(false);
        whenModal<TfrNovoUsuario>([primeiroUsuario](TfrNovoUsuario *dlg) {
            *primeiroUsuario = true;
            dlg->reject();
        });
        // the login window ends by itself; this only keeps a broken one from hanging the test
        whenModal<TfrLogin>([](TfrLogin *d) { d->reject(); }, 30000);
        QVERIFY(!FazerLogin(m_dm.get()));
        QVERIFY(!*primeiroUsuario);
        QVERIFY(TfrLogin::TerminateOnClose);
        // the read's error once, and no "Login e/ou senha inválidos!" after it
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(!m_seams.messages->shown.first().contains(QStringLiteral("Login e/ou senha")));
        QVERIFY(!m_seams.messages->shown.first().isEmpty());
        QVERIFY(m_seams.messages->questions.isEmpty());
        QVERIFY(!falhaAoConectar.isEmpty());
    }
};

QTEST_MAIN(TestTfrLogin)
#include "TestTfrLogin.moc"
