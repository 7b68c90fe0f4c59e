// The backup screen when the database is on a Firebird server of the
// network: the server's backup arrives in the archive on this desktop, and
// the restore waits for the other desktops and keeps a safety backup here.
#include "data/Database.h"
#include "data/ServidorRede.h"
#include "data/TDM.h"
#include "support/Controles.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ServidorFirebird.h"
#include "support/TestFolder.h"
#include "ui/maintenance/TfrBackUP.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace DbHelpers;

class TestTfrBackUPRede : public QObject {
    Q_OBJECT

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_grupo = 0;
    Database &db() { return m_dm->BancoDados; }
    QStringList nomes()
    {
        const QVariant v = scalar(db(), QStringLiteral("SELECT LIST(NOME, '|') FROM (SELECT NOME FROM "
                                                       "PESSOAFISICA ORDER BY NOME)"));
        return v.isNull() ? QStringList() : v.toString().split(QLatin1Char('|'));
    }

private slots:
    void initTestCase()
    {
        // this folder's database goes to a private server, as an office's would
        qputenv("LUMISTO_TESTE_SERVIDOR", "1");
        m_folder = std::make_unique<TestFolder>();
        QVERIFY2(m_folder->isValid(), qPrintable(m_folder->lastError));
        QVERIFY2(m_folder->createDatabase(), qPrintable(m_folder->lastError));
        QVERIFY(m_folder->servidor());
        m_seams = FakeSeams::install();
        m_dm = m_folder->connect();
        QVERIFY(db().isConnected());
        QVERIFY(m_dm->EmRede());
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        m_grupo = insertGrupo(db(), QStringLiteral("Amigos"));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Ana Antes"), m_grupo, QStringLiteral("ana")) > 0);
    }
    void cleanupTestCase()
    {
        m_dm.reset();
        m_folder.reset();
        qunsetenv("LUMISTO_TESTE_SERVIDOR");
        Seams::reset();
    }

    void backupAndRestoreThroughTheServer()
    {
        TfrBackUP dlg;
        m_seams.messages->answers << true;
        child<QPushButton>(&dlg, "btnCompress")->click();
        QCOMPARE(m_seams.messages->shown, QStringList());
        QVERIFY(QFile::exists(dlg.arquivoBackup()));
        QVERIFY(db().isConnected());
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Bia Depois"), m_grupo, QStringLiteral("ana")) > 0);

        // another desktop at work: refused, naming it, the database untouched
        Database outro;
        m_folder->servidor()->servidor(m_folder->file(QStringLiteral("DB/Orvalha.FDB"))).Configurar(outro);
        outro.connect();
        m_seams.messages->answers << true;
        child<QPushButton>(&dlg, "btnUnCompress")->click();
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY2(m_seams.messages->shown.first().contains(QStringLiteral("Conectados agora:")),
                 qPrintable(m_seams.messages->shown.first()));
        QVERIFY(
            m_seams.messages->shown.first().endsWith(QStringLiteral("A base de dados não foi alterada.")));
        QCOMPARE(nomes().size(), 2);
        outro.disconnect();

        // alone: the backup comes back, the state before it is kept here
        m_seams.messages->clear();
        m_seams.messages->answers << true;
        child<QPushButton>(&dlg, "btnUnCompress")->click();
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(child<QLabel>(&dlg, "lblFilename")->text(), QStringLiteral("Restore realizado!!"));
        QVERIFY(db().isConnected());
        QCOMPARE(nomes(), QStringList{QStringLiteral("Ana Antes")});
        QCOMPARE(QDir(m_folder->file(QStringLiteral("DB/BackUP")))
                     .entryList({QStringLiteral("Orvalha_antes_restore_*.bck")})
                     .size(),
                 1);

        // the copy of the file is the server's business
        child<QPushButton>(&dlg, "btnCopiar")->click();
        QVERIFY(
            m_seams.messages->shown.last().contains(QStringLiteral("só pode ser feita no próprio servidor")));
    }
};

QTEST_MAIN(TestTfrBackUPRede)
#include "TestTfrBackUPRede.moc"
