// The user-settings window: its checks in order, the change itself and the
// preferences it keeps in the settings file.
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "services/Settings.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "ui/session/TfrAlteraSenha.h"
#include "util/TextUtils.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

QLineEdit *campo(QWidget *w, const char *name)
{
    return w->findChild<QLineEdit *>(QString::fromLatin1(name));
}

} // namespace

class TestTfrAlteraSenha : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

    TUsuario usuario()
    {
        TUsuario u(db());
        u.Login = QStringLiteral("ana");
        u.LoginAnterior = u.Login;
        u.Senha = ScrambleText(QStringLiteral("ABC"), 10);
        if (!u.Autenticar())
            qFatal("ana must log in");
        return u;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        TUsuario u(db());
        u.Login = QStringLiteral("ana");
        u.Senha = ScrambleText(QStringLiteral("ABC"), 10);
        u.Nome = QStringLiteral("Ana");
        u.Email = QStringLiteral("ana@exemplo.com.br");
        u.Tipo = 0;
        QCOMPARE(u.Inserir(), Resultado::Gravado);
    }
    void init() { m_seams.messages->clear(); }
    void cleanupTestCase() { m_dm.reset(); }

    void opensWithTheUserAndThePreferences()
    {
        WriteSettingInt(QStringLiteral("COMPROMISSO"), QStringLiteral("ANTERIOR"), 3);
        TUsuario u = usuario();
        TfrAlteraSenha dlg(u);
        QCOMPARE(dlg.windowTitle(),
                 QStringLiteral("Configurações do Usuário Ana de e-mail ana@exemplo.com.br"));
        QCOMPARE(campo(&dlg, "edtLogin")->text(), QStringLiteral("ana"));
        QCOMPARE(campo(&dlg, "edtDiaAnterior")->text(), QStringLiteral("03"));
        QCOMPARE(campo(&dlg, "edtDiaPosterior")->text(), QStringLiteral("07"));
        QCOMPARE(campo(&dlg, "edtHorasAntes")->text(), QStringLiteral("00:00"));
        QVERIFY(!dlg.findChild<QCheckBox *>(QStringLiteral("txtTipo"))->isEnabled());
        QVERIFY(!dlg.findChild<QCheckBox *>(QStringLiteral("txtTipo"))->isChecked());
        QVERIFY(
            campo(&dlg, "edtCompromisso")->text().endsWith(QStringLiteral("Sons/default_compromissos.mid")));
    }

    void theChecksComeInOrder_data()
    {
        QTest::addColumn<QStringList>("fields"); // atual, nova, confirma, login, nome, email
        QTest::addColumn<QString>("message");
        QTest::newRow("current password")
            << QStringList{QStringLiteral(" "),   QStringLiteral("x"),   QStringLiteral("x"),
                           QStringLiteral("ana"), QStringLiteral("Ana"), QStringLiteral("a@b.c")}
            << QStringLiteral("O campo SENHA ATUAL não pode ficar em branco!!");
        QTest::newRow("new password") << QStringList{QStringLiteral("abc"), QString(),
                                                     QStringLiteral("x"),   QStringLiteral("ana"),
                                                     QStringLiteral("Ana"), QStringLiteral("a@b.c")}
                                      << QStringLiteral("O campo SENHA NOVA não pode ficar em branco!!");
        QTest::newRow("confirmation")
            << QStringList{QStringLiteral("abc"), QStringLiteral("x"),   QString(),
                           QStringLiteral("ana"), QStringLiteral("Ana"), QStringLiteral("a@b.c")}
            << QStringLiteral("O campo CONFIRMA NOVA SENHA não pode ficar em branco!!");
        QTest::newRow("different") << QStringList{QStringLiteral("abc"), QStringLiteral("x"),
                                                  QStringLiteral("y"),   QStringLiteral("ana"),
                                                  QStringLiteral("Ana"), QStringLiteral("a@b.c")}
                                   << QStringLiteral("Confirmação de SENHA inválida");
        QTest::newRow("login") << QStringList{QStringLiteral("abc"), QStringLiteral("x"),
                                              QStringLiteral("x"),   QString(),
                                              QStringLiteral("Ana"), QStringLiteral("a@b.c")}
                               << QStringLiteral("O campo LOGIN não pode ficar em branco!");
        QTest::newRow("name")
            << QStringList{QStringLiteral("abc"), QStringLiteral("x"), QStringLiteral("x"),
                           QStringLiteral("ana"), QString(),           QStringLiteral("a@b.c")}
            << QStringLiteral("O campo NOME não pode ficar em branco!");
        QTest::newRow("e-mail") << QStringList{QStringLiteral("abc"), QStringLiteral("x"),
                                               QStringLiteral("x"),   QStringLiteral("ana"),
                                               QStringLiteral("Ana"), QStringLiteral("ab@c")}
                                << QStringLiteral("Email Inválido!");
        QTest::newRow("wrong current password")
            << QStringList{QStringLiteral("abd"), QStringLiteral("x"),   QStringLiteral("x"),
                           QStringLiteral("ana"), QStringLiteral("Ana"), QStringLiteral("a@b.c")}
            << QStringLiteral("Senha Atual Inválida!");
    }
    void theChecksComeInOrder()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        TUsuario u = usuario();
        const QString senhaAntes = u.Senha;
        TfrAlteraSenha dlg(u);
        const char *names[] = {"edtSenhaAtual", "edtNovaSenha", "edtConfirmaNovaSenha",
                               "edtLogin",      "edtNome",      "edtEmail"};
        for (int i = 0; i < 6; ++i)
            campo(&dlg, names[i])->setText(fields[i]);
        dlg.findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
        QCOMPARE(m_seams.messages->shown, QStringList{message});
        QCOMPARE(u.Senha, senhaAntes);
        QVERIFY(usuario().Tipo != -1); // the stored password still works
    }

    void twoRenamesInOneSessionBothReachTheDatabase()
    {
        TUsuario u = usuario();
        for (const QString &novo : {QStringLiteral("ana2"), QStringLiteral("ana3")}) {
            TfrAlteraSenha dlg(u);
            campo(&dlg, "edtSenhaAtual")->setText(QStringLiteral("abc"));
            campo(&dlg, "edtNovaSenha")->setText(QStringLiteral("abc"));
            campo(&dlg, "edtConfirmaNovaSenha")->setText(QStringLiteral("abc"));
            campo(&dlg, "edtLogin")->setText(novo);
            campo(&dlg, "edtDiaPosterior")->setText(QStringLiteral("x"));
            dlg.findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
            QCOMPARE(dlg.result(), int(QDialog::Accepted));
        }
        QCOMPARE(count(db(), QStringLiteral("USUARIO"), QStringLiteral("LOGIN = 'ana3'")), 1);
        QCOMPARE(count(db(), QStringLiteral("USUARIO"), QStringLiteral("LOGIN IN ('ana', 'ana2')")), 0);
        QCOMPARE(m_seams.messages->shown.last(),
                 QStringLiteral("Dados do usuário ana3 alterados com sucesso!"));
        QCOMPARE(ReadSettingInt(QStringLiteral("COMPROMISSO"), QStringLiteral("POSTERIOR")), 0);
        QVERIFY(!ReadSettingBool(QStringLiteral("AUTENTICA"), QStringLiteral("INICIA")));
        // back to the name the other tests use
        QVERIFY(exec(db(), QStringLiteral("UPDATE USUARIO SET LOGIN = 'ana' WHERE LOGIN = 'ana3'")));
    }

    void soundFieldsPlayAndClear()
    {
        TUsuario u = usuario();
        TfrAlteraSenha dlg(u);
        QLineEdit *som = campo(&dlg, "edtRecado");
        QFile f(m_folder.file(QStringLiteral("toque.wav")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        som->setText(f.fileName());
        QTest::keyClick(som, Qt::Key_F10);
        QCOMPARE(m_seams.sound->played, QStringList{f.fileName()});
        QTest::keyClick(som, Qt::Key_Delete);
        QVERIFY(som->text().isEmpty());
        m_seams.input->files << QStringLiteral("/tmp/outro.mid");
        dlg.findChild<QPushButton *>(QStringLiteral("btnLembrarL"))->click();
        QCOMPARE(campo(&dlg, "edtLembrete")->text(), QStringLiteral("/tmp/outro.mid"));
        QCOMPARE(m_seams.input->asked.last(), QStringLiteral("Som Usado para Lembrar Lembrete!!"));
    }
};

QTEST_MAIN(TestTfrAlteraSenha)
#include "TestTfrAlteraSenha.moc"
