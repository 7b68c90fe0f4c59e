// The data module's start: the engine's configuration line, the connection,
// the one retry and the one message.
#include "data/DbOperation.h"
#include "data/EmbeddedServer.h"
#include "data/IndicesNovos.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QtTest>

#include <unistd.h>

namespace {

QList<QByteArray> lines(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QList<QByteArray> l = f.readAll().split('\n');
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

void writeLines(const QString &path, int count)
{
    QFile::remove(path); // the prepared folder's copy may be read-only
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    for (int i = 1; i <= count; ++i)
        f.write("# linha " + QByteArray::number(i) + "\n");
}

} // namespace

class TestTDM : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { FakeSeams::install(); }

    void configurationRewritesLine63Only()
    {
        TestFolder folder;
        const QString conf = folder.file(QStringLiteral("firebird.conf"));
        writeLines(conf, 70);
        QVERIFY(ConfigureEmbeddedServer());
        const QList<QByteArray> after = lines(conf);
        QCOMPARE(after.size(), 70);
        QCOMPARE(QString::fromLocal8Bit(after[62]),
                 QStringLiteral("RootDirectory = ") + folder.path() + QStringLiteral("fb"));
        QCOMPARE(after[61], QByteArray("# linha 62"));
        QCOMPARE(after[63], QByteArray("# linha 64"));
        QCOMPARE(EmbeddedServerRoot(), folder.path() + QStringLiteral("fb"));

        writeLines(conf, 63);
        QVERIFY(ConfigureEmbeddedServer());
        QCOMPARE(lines(conf).size(), 63);
        QVERIFY(lines(conf).last().startsWith("RootDirectory = "));

        writeLines(conf, 62);
        QVERIFY_THROWS_EXCEPTION(DbError, ConfigureEmbeddedServer());
        QCOMPARE(lines(conf).size(), 62);
        QCOMPARE(lines(conf).last(), QByteArray("# linha 62"));

        QFile::remove(conf);
        QVERIFY_THROWS_EXCEPTION(DbError, ConfigureEmbeddedServer());
    }

    void connectsToTheDatabaseBesideTheProgram()
    {
        TestFolder folder;
        QVERIFY2(folder.createDatabase(), qPrintable(folder.lastError));
        auto seams = FakeSeams::install();
        int waits = 0;
        TDM dm([&](int) { ++waits; });
        QVERIFY(dm.BancoDados.isConnected());
        QCOMPARE(waits, 0);
        QVERIFY(seams.messages->shown.isEmpty());
        QCOMPARE(dm.BancoDados.databaseName(), folder.path() + QStringLiteral("DB/Orvalha.FDB"));
        QCOMPARE(TDM::instance(), &dm);
        QVERIFY(lines(folder.file(QStringLiteral("firebird.conf")))[62].startsWith("RootDirectory = "));
        // reconnecting after a backup works on the same name
        QVERIFY(dm.Reconectar());
        QVERIFY(dm.BancoDados.isConnected());
    }

    // A database made by an older schema script lacks the indexes added
    // since: connecting creates them (as the schema script writes them),
    // and a connection that finds them all only looks.
    void anOlderDatabaseGetsTheNewIndexesWhenItConnects()
    {
        QFile schema(QStringLiteral(LUMISTO_SOURCE_DIR "/db/schema.sql"));
        QVERIFY(schema.open(QIODevice::ReadOnly));
        const QString script = QString::fromLatin1(schema.readAll()).simplified();
        for (const IndicesNovos::Indice &i : IndicesNovos::Lista())
            QVERIFY2(script.contains(i.criacao + QLatin1Char(';')), qPrintable(i.criacao));

        TestFolder folder;
        QVERIFY2(folder.createDatabase(), qPrintable(folder.lastError));
        auto seams = FakeSeams::install();
        TDM dm([](int) {});
        QVERIFY(dm.BancoDados.isConnected());
        const auto indices = [&] {
            QStringList nomes;
            const DbResult r = dbLeitura(dm.BancoDados, [&](Transaction &t) {
                Query q(t, QStringLiteral(
                               "SELECT TRIM(RDB$INDEX_NAME), RDB$EXPRESSION_SOURCE FROM RDB$INDICES "
                               "WHERE RDB$INDEX_NAME IN ('IX_PESSOAFISICA_CEP', 'IX_PESSOAFISICA_GUIA', "
                               "'IX_PESSOAFISICA_MES', 'IX_PESSOAJURIDICA_CEP', 'IX_PESSOAJURIDICA_GUIA') "
                               "ORDER BY 1"));
                q.open();
                while (q.next())
                    nomes << q.field(0).asString() + QLatin1Char(' ') + q.field(1).asString();
            });
            if (!r)
                qFatal("%s", qPrintable(r.error));
            return nomes;
        };
        const QStringList completos = indices();
        QCOMPARE(completos.size(), 5);
        QVERIFY2(completos.at(2).contains(QStringLiteral("EXTRACT(MONTH FROM DATA_NASCIMENTO)")),
                 qPrintable(completos.at(2)));

        QVERIFY(dbOperation(dm.BancoDados, [](Transaction &t) {
            for (const char *nome : {"IX_PESSOAFISICA_CEP", "IX_PESSOAFISICA_MES", "IX_PESSOAJURIDICA_GUIA"})
                Query(t, QStringLiteral("DROP INDEX ") + QLatin1String(nome)).execute();
        }));
        QCOMPARE(indices().size(), 2);
        QVERIFY(dm.Reconectar());
        QCOMPARE(indices(), completos);
        QVERIFY(seams.messages->shown.isEmpty());

        const quint64 antes = Database::statementCount();
        QCOMPARE(IndicesNovos::Completar(dm.BancoDados), QStringList());
        QCOMPARE(Database::statementCount() - antes, quint64(1));
    }

    // Another station in the middle of a write on a table: that table's
    // index is left for a later connection, the others are made now.
    void anIndexBlockedByAnotherStationWaitsForALaterConnection()
    {
        TestFolder folder;
        QVERIFY2(folder.createDatabase(), qPrintable(folder.lastError));
        auto seams = FakeSeams::install();
        TDM dm([](int) {});
        QVERIFY(DbHelpers::insertUsuario(dm.BancoDados, QStringLiteral("ana")));
        QVERIFY(DbHelpers::insertPessoaFisica(dm.BancoDados, QStringLiteral("Ana"),
                                              DbHelpers::insertGrupo(dm.BancoDados, QStringLiteral("Amigos")),
                                              QStringLiteral("ana")) > 0);
        QVERIFY(dbOperation(dm.BancoDados, [](Transaction &t) {
            Query(t, QStringLiteral("DROP INDEX IX_PESSOAFISICA_CEP")).execute();
            Query(t, QStringLiteral("DROP INDEX IX_PESSOAJURIDICA_CEP")).execute();
        }));
        {
            Database outra;
            outra.setParams(QStringLiteral("sysdba"), QStringLiteral("x"), QStringLiteral("WIN1252"));
            outra.setDatabaseName(dm.BancoDados.databaseName());
            outra.connect();
            Transaction escrevendo(outra);
            Query(escrevendo, QStringLiteral("UPDATE PESSOAFISICA SET NOME = 'Ana Maria'")).execute();
            QCOMPARE(IndicesNovos::Completar(dm.BancoDados),
                     QStringList{QStringLiteral("IX_PESSOAJURIDICA_CEP")});
            QCOMPARE(Transaction::openCount(), 1); // the other station's, still open
        }
        QCOMPARE(IndicesNovos::Completar(dm.BancoDados), QStringList{QStringLiteral("IX_PESSOAFISICA_CEP")});
        QVERIFY(seams.messages->shown.isEmpty());
    }

    void aMissingDatabaseWaitsOnceAndShowsTheFirstErrorOnce()
    {
        TestFolder folder; // no database file
        auto seams = FakeSeams::install();
        QList<int> waits;
        TDM dm([&](int ms) { waits << ms; });
        QCOMPARE(waits, QList<int>{10000});
        QVERIFY(!dm.BancoDados.isConnected());
        QCOMPARE(seams.messages->shown.size(), 1);
        QVERIFY2(seams.messages->shown.first().contains(QStringLiteral("Orvalha.FDB")),
                 qPrintable(seams.messages->shown.first()));
        // later operations fail cleanly instead of crashing
        const DbResult r = dbOperation(
            dm.BancoDados, [](Transaction &t) { Query(t, QStringLiteral("SELECT 1 FROM RDB$DATABASE")); });
        QVERIFY(!r.ok);
        QCOMPARE(Transaction::openCount(), 0);
    }

    void anIncompleteConfigurationCountsAsAFailedAttempt()
    {
        TestFolder folder;
        QVERIFY(folder.createDatabase());
        writeLines(folder.file(QStringLiteral("firebird.conf")), 62);
        auto seams = FakeSeams::install();
        QList<int> waits;
        TDM dm([&](int ms) { waits << ms; });
        QCOMPARE(waits, QList<int>{10000});
        QVERIFY(!dm.BancoDados.isConnected());
        QCOMPARE(seams.messages->shown.size(), 1);
        QVERIFY(seams.messages->shown.first().contains(QStringLiteral("firebird.conf")));
        QCOMPARE(lines(folder.file(QStringLiteral("firebird.conf"))).size(), 62);
        QCOMPARE(dm.BancoDados.databaseName(), TDM::storedDatabaseName());
    }

    void aReadOnlyDatabaseFileIsReportedNotCrashed()
    {
        if (::geteuid() == 0)
            QSKIP("root opens read-only files for writing all the same");
        TestFolder folder;
        QVERIFY(folder.createDatabase());
        QFile::setPermissions(folder.file(QStringLiteral("DB/Orvalha.FDB")), QFile::ReadOwner);
        auto seams = FakeSeams::install();
        TDM dm([](int) {});
        // the engine may open it for reading only; a write must then fail with its text
        if (dm.BancoDados.isConnected()) {
            const DbResult r = dbOperation(dm.BancoDados, [](Transaction &t) {
                Query(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES ('x')")).execute();
            });
            QVERIFY(!r.ok);
            QVERIFY(!r.error.isEmpty());
        } else {
            QCOMPARE(seams.messages->shown.size(), 1);
        }
        QCOMPARE(Transaction::openCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTDM)
#include "TestTDM.moc"
