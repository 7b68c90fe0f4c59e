// The engine's backup and restore on a real database file, and the restore
// that keeps the database whatever goes wrong.
#include "data/Database.h"
#include "data/DbServices.h"
#include "data/RestauracaoSegura.h"
#include "data/TDM.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtTest>

using namespace DbHelpers;

namespace {

QByteArray soma(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(&f);
    return h.result();
}

QStringList arquivosDe(const QString &pasta)
{
    return QDir(pasta).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestDbServices : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_grupo = 0;
    Database &db() { return m_dm->BancoDados; }
    QString base() const { return m_folder.file(QStringLiteral("DB/Orvalha.FDB")); }
    QString bck() const { return m_folder.file(QStringLiteral("DB/BackUP/Orvalha.bck")); }
    QStringList nomes()
    {
        const QVariant v = scalar(db(), QStringLiteral("SELECT LIST(NOME, '|') FROM (SELECT NOME FROM "
                                                       "PESSOAFISICA ORDER BY NOME)"));
        return v.isNull() ? QStringList() : v.toString().split(QLatin1Char('|'));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        QVERIFY(QDir().mkpath(m_folder.file(QStringLiteral("DB/BackUP"))));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        m_grupo = insertGrupo(db(), QStringLiteral("Amigos"));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Ana Antes"), m_grupo, QStringLiteral("ana")) > 0);
    }
    void cleanupTestCase() { m_dm.reset(); }

    // Backup, a change, restore: the change is gone, the old file is kept
    // beside the new one, and the program's connection works on the result.
    void restoresWhatTheBackupHeld()
    {
        QVERIFY(QFile::copy(base(), bck())); // a stale file the backup must replace, never pack
        db().disconnect();
        QStringList linhas;
        const DbResult b = DbServices().backup(base(), bck(), [&](const QString &l) { linhas << l; });
        QVERIFY2(b.ok, qPrintable(b.error));
        QVERIFY(!linhas.isEmpty());
        QVERIFY(QFileInfo(bck()).size() > 0);
        QVERIFY(soma(bck()) != soma(base()));

        QVERIFY(m_dm->Reconectar());
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Bia Depois"), m_grupo, QStringLiteral("ana")) > 0);
        QCOMPARE(nomes(), (QStringList{QStringLiteral("Ana Antes"), QStringLiteral("Bia Depois")}));
        db().disconnect();
        const QByteArray antes = soma(base());

        linhas.clear();
        const QDateTime agora(QDate(2026, 12, 8), QTime(10, 30, 5));
        const ResultadoRestauracao r =
            RestaurarBase(DbServices(), bck(), base(), agora, [&](const QString &l) { linhas << l; });
        QVERIFY2(r.ok, qPrintable(r.erro));
        QVERIFY(!linhas.isEmpty());
        QCOMPARE(r.copiaAnterior,
                 m_folder.file(QStringLiteral("DB/Orvalha_antes_restore_2026_12_08_103005.FDB")));
        QCOMPARE(soma(r.copiaAnterior), antes);
        QCOMPARE(arquivosDe(m_folder.file(QStringLiteral("DB"))),
                 (QStringList{QStringLiteral("Orvalha.FDB"),
                              QStringLiteral("Orvalha_antes_restore_2026_12_08_103005.FDB")}));

        QVERIFY(m_dm->Reconectar());
        QCOMPARE(nomes(), QStringList{QStringLiteral("Ana Antes")});
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Caio Novo"), m_grupo, QStringLiteral("ana")) > 0);
    }

    // A backup file the engine cannot read: nothing replaces the database,
    // no half-restored file is left behind.
    void aFailedRestoreLeavesTheDatabase_data()
    {
        QTest::addColumn<QByteArray>("conteudo");
        QTest::newRow("not a backup") << QByteArray("isto não é um backup\n").repeated(200);
        QTest::newRow("empty file") << QByteArray();
    }
    void aFailedRestoreLeavesTheDatabase()
    {
        QFETCH(QByteArray, conteudo);
        const QString falso = m_folder.file(QStringLiteral("DB/BackUP/falso.bck"));
        QFile f(falso);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(conteudo);
        f.close();
        db().disconnect();
        const QStringList antes = arquivosDe(m_folder.file(QStringLiteral("DB")));
        const QByteArray somaAntes = soma(base());

        const ResultadoRestauracao r =
            RestaurarBase(DbServices(), falso, base(), QDateTime(QDate(2026, 12, 9), QTime(8, 0)));
        QVERIFY(!r.ok);
        QVERIFY(!r.erro.isEmpty());
        QCOMPARE(soma(base()), somaAntes);
        QCOMPARE(arquivosDe(m_folder.file(QStringLiteral("DB"))), antes);
        QVERIFY(m_dm->Reconectar());
        QVERIFY(nomes().contains(QStringLiteral("Ana Antes")));
    }

    // A backup that fails deletes the older file first and reports the failure.
    void aFailedBackupLeavesNoFile()
    {
        QFile f(bck());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("backup de ontem");
        f.close();
        const DbResult r = DbServices().backup(m_folder.file(QStringLiteral("DB/nao-existe.FDB")), bck());
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(!QFile::exists(bck()));
    }
};

QTEST_GUILESS_MAIN(TestDbServices)
#include "TestDbServices.moc"
