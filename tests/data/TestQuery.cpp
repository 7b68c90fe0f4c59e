// The data layer on a real database: parameters, text, money, dates, blobs,
// column names, transactions and the statement counter.
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"

#include <QtTest>

class TestQuery : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    Database &db() { return m_dm->BancoDados; }

    void exec(const QString &sql)
    {
        const DbResult r = dbOperation(db(), [&](Transaction &t) { Query(t, sql).execute(); });
        QVERIFY2(r.ok, qPrintable(r.error));
    }
    int count(const QString &sql)
    {
        int n = -1;
        DbHelpers::dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, sql);
            q.open();
            if (q.next())
                n = q.field(0).asInt();
        });
        return n;
    }

private slots:
    void initTestCase()
    {
        FakeSeams::install();
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        exec(QStringLiteral("INSERT INTO USUARIO (LOGIN, NOME) VALUES ('ana', 'Ana')"));
    }
    void cleanupTestCase() { m_dm.reset(); }

    void namedParameterUsedTwiceBindsBoth()
    {
        QString got;
        int n = 0;
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query ins(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES (:NOME)"));
            ins.setText(QStringLiteral("NOME"), QStringLiteral("Dois Lugares"));
            ins.execute();
            Query q(t, QStringLiteral(
                           "SELECT COUNT(*) AS N, ':NOME' AS LITERAL FROM GRUPO "
                           "WHERE NOME_GRUPO = :NOME AND UPPER(NOME_GRUPO) <> :nome || 'x' -- :NOME\n"));
            QCOMPARE(q.parameterNames(), QStringList{QStringLiteral("NOME")});
            q.setText(QStringLiteral(":Nome"), QStringLiteral("Dois Lugares"));
            q.open();
            QVERIFY(q.next());
            n = q.field(QStringLiteral("N")).asInt();
            got = q.field(QStringLiteral("literal")).asString();
        });
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(n, 1);
        QCOMPARE(got, QStringLiteral(":NOME"));
    }

    void textRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("accents") << QStringLiteral("Ação, Índio, Ômega, ü ÿ Ç");
        QTest::newRow("quotes") << QStringLiteral("D'Ávila \"o Grande\"");
        QTest::newRow("euro and ligatures") << QStringLiteral("€ Œ œ Š ž ‰ – —");
        QTest::newRow("empty") << QString();
        QTest::newRow("hundred characters") << QString(100, QLatin1Char('x'));
    }
    void textRoundTrip()
    {
        QFETCH(QString, text);
        QString back;
        bool isNull = true;
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query ins(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES (:NOME) RETURNING COD_GRUPO"));
            ins.setText(QStringLiteral("NOME"), text);
            ins.execute();
            QVERIFY(ins.next());
            const int cod = ins.field(QStringLiteral("COD_GRUPO")).asInt();
            Query q(t, QStringLiteral("SELECT NOME_GRUPO FROM GRUPO WHERE COD_GRUPO = :C"));
            q.setInt(QStringLiteral("C"), cod);
            q.open();
            QVERIFY(q.next());
            back = q.field(QStringLiteral("NOME_GRUPO")).asString();
            isNull = q.field(QStringLiteral("NOME_GRUPO")).isNull();
        });
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(back, text);
        QVERIFY(!isNull); // an empty text is stored as empty, not NULL
    }

    void textOutsideTheCodePageIsRefusedAndNothingIsWritten()
    {
        const int before = count(QStringLiteral("SELECT COUNT(*) FROM GRUPO"));
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query ins(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES (:NOME)"));
            ins.setText(QStringLiteral("NOME"), QStringLiteral("Łukasz"));
            ins.execute();
        });
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(QStringLiteral("Ł")), qPrintable(r.error));
        QVERIFY(r.error.contains(QStringLiteral("não podem ser gravados")));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM GRUPO")), before);
        QCOMPARE(Transaction::openCount(), 0);
    }

    void tooLongTextFailsWithTheServersText()
    {
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query ins(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES (:NOME)"));
            ins.setText(QStringLiteral("NOME"), QString(101, QLatin1Char('y')));
            ins.execute();
        });
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(QStringLiteral("truncation"), Qt::CaseInsensitive), qPrintable(r.error));
        QCOMPARE(r.sql, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES (:NOME)"));
    }

    void moneyIsExact_data()
    {
        QTest::addColumn<qint64>("tenThousandths");
        QTest::newRow("one cent") << qint64(100);
        QTest::newRow("smallest") << qint64(1);
        QTest::newRow("a third of a hundred") << qint64(333333);
        QTest::newRow("negative") << qint64(-12345678);
        QTest::newRow("zero") << qint64(0);
        QTest::newRow("largest") << qint64(999999999999999999LL);
    }
    void moneyIsExact()
    {
        QFETCH(qint64, tenThousandths);
        qint64 back = -1;
        QString text;
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query ins(t, QStringLiteral("INSERT INTO FINANCAS (VALOR, LOGIN) VALUES (:VALOR, :LOGIN) "
                                        "RETURNING VALOR"));
            ins.setScaled(QStringLiteral("VALOR"), tenThousandths, 4);
            ins.setText(QStringLiteral("LOGIN"), QStringLiteral("ana"));
            ins.execute();
            QVERIFY(ins.next());
            back = ins.field(QStringLiteral("VALOR")).asScaled(4);
            text = ins.field(QStringLiteral("VALOR")).asString();
        });
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(back, tenThousandths);
        QVERIFY(text.contains(QLatin1Char(',')));
    }

    void datesAndTimes_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("asText"); // as the server writes it
        QTest::newRow("day zero") << 0.0 << QStringLiteral("1899-12-30 00:00:00.0000");
        QTest::newRow("8 December 2026 noon") << 46364.5 << QStringLiteral("2026-12-08 12:00:00.0000");
        QTest::newRow("before day zero") << -1.25 << QStringLiteral("1899-12-29 06:00:00.0000");
        QTest::newRow("one second before midnight")
            << 46364.0 + 86399.0 / 86400.0 << QStringLiteral("2026-12-08 23:59:59.0000");
    }
    void datesAndTimes()
    {
        QFETCH(double, value);
        QFETCH(QString, asText);
        double ts = -99, date = -99;
        QString text;
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT CAST(:TS AS TIMESTAMP) AS TS, CAST(:D AS DATE) AS D, "
                                      "CAST(CAST(:TS AS TIMESTAMP) AS VARCHAR(30)) AS T FROM RDB$DATABASE"));
            q.setDateTime(QStringLiteral("TS"), value);
            q.setDate(QStringLiteral("D"), value);
            q.open();
            QVERIFY(q.next());
            ts = q.field(QStringLiteral("TS")).asDateTime();
            date = q.field(QStringLiteral("D")).asDateTime();
            text = q.field(QStringLiteral("T")).asString();
        });
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(text, asText);
        QVERIFY(qAbs(ts - value) < 1e-8);
        QCOMPARE(date, value < 0 ? std::trunc(value) : std::floor(value));
    }

    void nullsReadAsZeroAndEmpty()
    {
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral(
                           "SELECT CAST(NULL AS DATE) AS D, CAST(NULL AS INTEGER) AS I, "
                           "CAST(NULL AS VARCHAR(5)) AS V, CAST(:P AS INTEGER) AS P FROM RDB$DATABASE"));
            q.open(); // :P never set: sent as NULL
            QVERIFY(q.next());
            QVERIFY(q.field(QStringLiteral("D")).isNull());
            QCOMPARE(q.field(QStringLiteral("D")).asDate(), 0.0);
            QCOMPARE(q.field(QStringLiteral("I")).asInt(), 0);
            QCOMPARE(q.field(QStringLiteral("V")).asString(), QString());
            QVERIFY(q.field(QStringLiteral("P")).isNull());
        });
        QVERIFY2(r.ok, qPrintable(r.error));
    }

    void blobsRoundTrip()
    {
        QByteArray picture;
        for (int i = 0; i < 300000; ++i)
            picture.append(char(i * 7 % 256));
        const QString text = QString(40000, QChar(0xE7)) + QStringLiteral("\r\nfim");
        QByteArray backPicture;
        QString backText;
        bool nullPicture = false;
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query ins(t, QStringLiteral("INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA, TEXTO, IMAGEM) "
                                        "VALUES (1, 0, :TEXTO, :IMAGEM) RETURNING IDENTIFICADOR"));
            ins.setTextBlob(QStringLiteral("TEXTO"), text);
            ins.setBlob(QStringLiteral("IMAGEM"), picture);
            ins.execute();
            QVERIFY(ins.next());
            const int id = ins.field(QStringLiteral("IDENTIFICADOR")).asInt();
            Query empty(t, QStringLiteral("INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA, TEXTO, IMAGEM) "
                                          "VALUES (2, 0, :TEXTO, :IMAGEM)"));
            empty.setTextBlob(QStringLiteral("TEXTO"), QString());
            empty.setNull(QStringLiteral("IMAGEM"));
            empty.execute();
            Query q(t, QStringLiteral(
                           "SELECT * FROM HISTORICO WHERE IDEN_PESSOA IN (1, 2) ORDER BY IDEN_PESSOA"));
            q.open();
            QVERIFY(q.next());
            QCOMPARE(q.field(QStringLiteral("IDENTIFICADOR")).asInt(), id);
            backPicture = q.field(QStringLiteral("IMAGEM")).asBytes();
            backText = q.field(QStringLiteral("TEXTO")).asString();
            QVERIFY(q.next());
            nullPicture = q.field(QStringLiteral("IMAGEM")).isNull();
            QVERIFY(!q.next());
        });
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(backPicture, picture);
        QCOMPARE(backText, text);
        QVERIFY(nullPicture);
    }

    void repeatedColumnNamesAreNumbered()
    {
        QStringList names;
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query q(t,
                    QStringLiteral("SELECT 1 AS CODIGO, 2 AS NOME, 3 AS NOME, 4 AS NOME FROM RDB$DATABASE"));
            q.open();
            QVERIFY(q.next());
            for (int i = 0; i < q.fieldCount(); ++i)
                names << q.field(i).name();
            QCOMPARE(q.field(QStringLiteral("NOME1")).asInt(), 3);
            QCOMPARE(q.field(QStringLiteral("NOME2")).asInt(), 4);
        });
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(names, (QStringList{QStringLiteral("CODIGO"), QStringLiteral("NOME"),
                                     QStringLiteral("NOME1"), QStringLiteral("NOME2")}));
    }

    void fixedCharColumnsLoseTheirPadding()
    {
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT CAST('SP' AS CHAR(5)) AS UF, CAST('' AS CHAR(2)) AS VAZIO "
                                      "FROM RDB$DATABASE"));
            q.open();
            QVERIFY(q.next());
            QCOMPARE(q.field(QStringLiteral("UF")).asString(), QStringLiteral("SP"));
            QCOMPARE(q.field(QStringLiteral("VAZIO")).asString(), QString());
        });
        QVERIFY2(r.ok, qPrintable(r.error));
    }

    void aListIsOneStatementReadForwardOnly()
    {
        exec(QStringLiteral("EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < 5000) DO BEGIN "
                            "INSERT INTO GRUPO (NOME_GRUPO) VALUES ('Lote ' || :I); I = I + 1; END END"));
        const quint64 before = Database::statementCount();
        int rows = 0;
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query q(t,
                    QStringLiteral("SELECT COD_GRUPO, NOME_GRUPO FROM GRUPO WHERE NOME_GRUPO LIKE 'Lote %'"));
            q.open();
            while (q.next())
                ++rows;
        });
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(rows, 5000);
        QCOMPARE(Database::statementCount() - before, quint64(1));
    }

    void failedStatementRollsBackTheWholeOperation()
    {
        const int before = count(QStringLiteral("SELECT COUNT(*) FROM GRUPO"));
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query ok(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES ('desfeito')"));
            ok.execute();
            Query bad(t, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES (NULL)"));
            bad.execute();
        });
        QVERIFY(!r.ok);
        QCOMPARE(r.sql, QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES (NULL)"));
        QCOMPARE(Transaction::openCount(), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM GRUPO")), before);
    }

    void consecutiveOperationsSeeEachOther()
    {
        exec(QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES ('visto')"));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM GRUPO WHERE NOME_GRUPO = 'visto'")), 1);
        exec(QStringLiteral("DELETE FROM GRUPO WHERE NOME_GRUPO = 'visto'"));
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM GRUPO WHERE NOME_GRUPO = 'visto'")), 0);
    }

    // Reads run in read-only, read-committed transactions: they see what was
    // committed, even by a write still running beside them, and cannot write.
    void aReadingOperationSeesCommittedRowsAndCannotWrite()
    {
        exec(QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES ('lido')"));
        int lidos = 0;
        DbResult r = dbLeitura(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT COUNT(*) FROM GRUPO WHERE NOME_GRUPO = 'lido'"));
            q.open();
            QVERIFY(q.next());
            lidos = q.field(0).asInt();
            // committed by another transaction meanwhile: read committed sees it
            exec(QStringLiteral("INSERT INTO GRUPO (NOME_GRUPO) VALUES ('lido')"));
            Query again(t, QStringLiteral("SELECT COUNT(*) FROM GRUPO WHERE NOME_GRUPO = 'lido'"));
            again.open();
            QVERIFY(again.next());
            lidos = again.field(0).asInt() * 10 + lidos;
        });
        QVERIFY(r.ok);
        QCOMPARE(lidos, 21);
        QCOMPARE(Transaction::openCount(), 0);

        r = dbLeitura(db(), [&](Transaction &t) {
            Query(t, QStringLiteral("DELETE FROM GRUPO WHERE NOME_GRUPO = 'lido'")).execute();
        });
        QVERIFY(!r.ok);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM GRUPO WHERE NOME_GRUPO = 'lido'")), 2);
        exec(QStringLiteral("DELETE FROM GRUPO WHERE NOME_GRUPO = 'lido'"));
    }

    void rowsAffectedCountsChanges()
    {
        int changed = -1, none = -1;
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral(
                           "UPDATE GRUPO SET NOME_GRUPO = NOME_GRUPO WHERE NOME_GRUPO LIKE 'Lote 1%'"));
            q.execute();
            changed = q.rowsAffected();
            Query z(t, QStringLiteral("DELETE FROM GRUPO WHERE COD_GRUPO = -5"));
            z.execute();
            none = z.rowsAffected();
        });
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(changed, 1111); // Lote 1, 10-19, 100-199, 1000-1999
        QCOMPARE(none, 0);
    }

    void unknownParameterOrColumnIsAnError()
    {
        DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT 1 AS A FROM RDB$DATABASE"));
            q.setInt(QStringLiteral("NADA"), 1);
        });
        QVERIFY(!r.ok);
        r = dbOperation(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT 1 AS A FROM RDB$DATABASE"));
            q.open();
            q.next();
            q.field(QStringLiteral("B")).asInt();
        });
        QVERIFY(!r.ok);
        QCOMPARE(Transaction::openCount(), 0);
    }

    void noConnectionIsAnOutcomeNotACrash()
    {
        Database offline;
        const DbResult r = dbOperation(
            offline, [&](Transaction &t) { Query(t, QStringLiteral("SELECT 1 FROM RDB$DATABASE")); });
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestQuery)
#include "TestQuery.moc"
