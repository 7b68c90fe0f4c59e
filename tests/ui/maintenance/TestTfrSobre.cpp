// The about box: what it shows, its link, and the hidden Shift+Enter that
// makes the current user's persons public, on a real database.
#include "app/Version.h"
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TUsuario.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "ui/maintenance/TfrSobre.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kPergunta =
    QStringLiteral("Este prcedimento deixará todas as pessoas da base de dados marcadas como "
                   "acessíveis a todos!\r\nDeseja Continuar?");

} // namespace

class TestTfrSobre : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_usuario;
    int m_grupo = 0;
    Database &db() { return m_dm->BancoDados; }

    // "login:name" of every private person, companies first, in name order
    QStringList privadas()
    {
        const QVariant v = scalar(
            db(),
            QStringLiteral("SELECT LIST(X, '|') FROM (SELECT LOGIN || ':' || NOME AS X FROM PESSOAJURIDICA "
                           "WHERE PUBLICA = 0 UNION ALL SELECT LOGIN || ':' || NOME FROM PESSOAFISICA WHERE "
                           "PUBLICA = 0 ORDER BY 1)"));
        return v.isNull() ? QStringList() : v.toString().split(QLatin1Char('|'));
    }
    // Shift+Enter as the user types it: to the focused button, released with Shift held
    void shiftEnter(TfrSobre &dlg)
    {
        QWidget *foco = dlg.focusWidget() ? dlg.focusWidget() : &dlg;
        QTest::keyClick(foco, Qt::Key_Return, Qt::ShiftModifier);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        for (const char *login : {"ana", "anabela", "bia"})
            QVERIFY(insertUsuario(db(), QString::fromLatin1(login)));
        m_grupo = insertGrupo(db(), QStringLiteral("Amigos"));
        m_usuario.Login = QStringLiteral("ana");
        TUsuario::setAtual(&m_usuario);
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.shell->opened.clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA")));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAJURIDICA")));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Ana 1"), m_grupo, QStringLiteral("ana"), 0) > 0);
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Ana 2"), m_grupo, QStringLiteral("ana"), 0) > 0);
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Ana 3"), m_grupo, QStringLiteral("ana"), 1) > 0);
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Ana Ltda"), m_grupo, QStringLiteral("ana"), 0) >
                0);
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Anabela"), m_grupo, QStringLiteral("anabela"), 0) >
                0);
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Bia SA"), m_grupo, QStringLiteral("bia"), 0) > 0);
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void showsTheProgramAndOpensTheSite()
    {
        TfrSobre dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Sobre o Sistema"));
        QCOMPARE(child<QLabel>(&dlg, "Label1")->text(), QStringLiteral("Quabelo"));
        QCOMPARE(child<QLabel>(&dlg, "Label2")->text(), QStringLiteral("Versão ") + ProgramVersion());
        QCOMPARE(child<QLabel>(&dlg, "lblHint")->text(),
                 QStringLiteral("Versão DeskTop :: ") + m_folder.file(QStringLiteral("DB/")));
        emit child<QLabel>(&dlg, "lblHP")->linkActivated(QStringLiteral("#"));
        QCOMPARE(m_seams.shell->opened, QStringList{QStringLiteral("http://") + PublisherWebAddress()});
    }

    // Only the rows whose LOGIN is the current login exactly; the box says
    // how many rows the login has.
    void shiftEnterMakesOnlyTheUsersPersonsPublic()
    {
        TfrSobre dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        m_seams.messages->answers << true;
        shiftEnter(dlg);
        QCOMPARE(m_seams.messages->questions, QStringList{kPergunta});
        QCOMPARE(m_seams.messages->shown,
                 QStringList{QStringLiteral("4 pessoa(s) do login ana agora estão acessíveis a todos.")});
        QCOMPARE(privadas(), (QStringList{QStringLiteral("anabela:Anabela"), QStringLiteral("bia:Bia SA")}));
        QVERIFY(dlg.isVisible());
    }

    // No changes nothing; Enter alone is no command and closes nothing.
    void otherKeysAndNoLeaveEverything()
    {
        TfrSobre dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QStringList antes = privadas();
        QWidget *foco = dlg.focusWidget() ? dlg.focusWidget() : &dlg;
        QTest::keyClick(foco, Qt::Key_Return);
        QTest::keyClick(foco, Qt::Key_Enter, Qt::ControlModifier);
        QCOMPARE(m_seams.messages->questions, QStringList());
        QVERIFY(dlg.isVisible());
        m_seams.messages->answers << false;
        shiftEnter(dlg);
        QCOMPARE(m_seams.messages->questions, QStringList{kPergunta});
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(privadas(), antes);
    }

    void aDatabaseErrorIsShown()
    {
        TfrSobre dlg;
        const QStringList antes = privadas();
        db().disconnect();
        m_seams.messages->answers << true;
        shiftEnter(dlg);
        QVERIFY(m_dm->Reconectar());
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().startsWith(
            QStringLiteral("Não foi possível tornar as pessoas acessíveis a todos.\r\n")));
        QCOMPARE(privadas(), antes);
    }
};

QTEST_MAIN(TestTfrSobre)
#include "TestTfrSobre.moc"
