// What the database itself guarantees: keys, cascades, refusals, the sound
// code and its three uses in the program's SQL.
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"

#include <QtTest>

using namespace DbHelpers;

class TestSchema : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    Database &db() { return m_dm->BancoDados; }

    // Names found by a statement's NOME column, in order.
    QStringList names(const QString &sql)
    {
        QStringList out;
        const DbResult r = dbOperation(db(), [&](Transaction &t) {
            Query q(t, sql);
            q.open();
            while (q.next())
                out << q.field(QStringLiteral("NOME")).asString();
        });
        if (!r.ok)
            out << QStringLiteral("ERRO: ") + r.error;
        return out;
    }
    static QString quoted(const QString &s)
    {
        QString q = s;
        return QLatin1Char('\'') + q.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    }

private slots:
    void initTestCase()
    {
        FakeSeams::install();
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        QVERIFY(insertUsuario(db(), QStringLiteral("bia")));
    }
    void cleanupTestCase() { m_dm.reset(); }

    void deletingAGroupRemovesItsPersonsOnly()
    {
        const int amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        const int clientes = insertGrupo(db(), QStringLiteral("Clientes"));
        const int pf1 =
            insertPessoaFisica(db(), QStringLiteral("Some Com Grupo"), amigos, QStringLiteral("ana"));
        const int pj1 =
            insertPessoaJuridica(db(), QStringLiteral("Empresa Que Some"), amigos, QStringLiteral("ana"));
        const int pf2 = insertPessoaFisica(db(), QStringLiteral("Fica"), clientes, QStringLiteral("ana"));
        const int pj2 =
            insertPessoaJuridica(db(), QStringLiteral("Empresa Fica"), clientes, QStringLiteral("ana"));
        QVERIFY(pf1 && pj1 && pf2 && pj2);
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM GRUPO WHERE COD_GRUPO = :C"),
                     {{QStringLiteral("C"), amigos}}));
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA"), QStringLiteral("IDENTIFICADOR = %1").arg(pf1)),
                 0);
        QCOMPARE(count(db(), QStringLiteral("PESSOAJURIDICA"), QStringLiteral("IDENTIFICADOR = %1").arg(pj1)),
                 0);
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA"), QStringLiteral("IDENTIFICADOR = %1").arg(pf2)),
                 1);
        QCOMPARE(count(db(), QStringLiteral("PESSOAJURIDICA"), QStringLiteral("IDENTIFICADOR = %1").arg(pj2)),
                 1);
        QCOMPARE(count(db(), QStringLiteral("GRUPO"), QStringLiteral("COD_GRUPO = %1").arg(clientes)), 1);
    }

    void aUserWhoOwnsPersonsCannotBeDeleted()
    {
        QVERIFY(insertUsuario(db(), QStringLiteral("dono")));
        const int g = insertGrupo(db(), QStringLiteral("Do Dono"));
        const int pf = insertPessoaFisica(db(), QStringLiteral("Pessoa do Dono"), g, QStringLiteral("dono"));
        QVERIFY(pf);
        QString error;
        QVERIFY(!exec(db(), QStringLiteral("DELETE FROM USUARIO WHERE LOGIN = :LOGIN "),
                      {{QStringLiteral("LOGIN"), QStringLiteral("dono")}}, &error));
        QVERIFY2(error.contains(QStringLiteral("FOREIGN KEY")), qPrintable(error));
        QCOMPARE(count(db(), QStringLiteral("USUARIO"), QStringLiteral("LOGIN = 'dono'")), 1);
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA"), QStringLiteral("IDENTIFICADOR = %1").arg(pf)),
                 1);

        // without persons the user goes, and a private diary goes along
        QVERIFY(insertUsuario(db(), QStringLiteral("sozinho")));
        QVERIFY(exec(db(),
                     QStringLiteral(
                         "INSERT INTO ANOTACAO (DATA, LOGIN, TEXTO) VALUES (CURRENT_DATE, 'sozinho', 'x')")));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM USUARIO WHERE LOGIN = 'sozinho'")));
        QCOMPARE(count(db(), QStringLiteral("ANOTACAO"), QStringLiteral("LOGIN = 'sozinho'")), 0);
    }

    void loginsAreUniqueWithoutRegardToCase()
    {
        QString error;
        QVERIFY(!exec(db(), QStringLiteral("INSERT INTO USUARIO (LOGIN) VALUES ('ANA')"), {}, &error));
        QVERIFY2(error.toUpper().contains(QStringLiteral("PRIMARY OR UNIQUE KEY")), qPrintable(error));
        QVERIFY(!exec(db(), QStringLiteral("INSERT INTO USUARIO (LOGIN) VALUES ('ana')"), {}, &error));
        QVERIFY2(error.toUpper().contains(QStringLiteral("PRIMARY OR UNIQUE KEY")), qPrintable(error));
        // renaming onto another user's login in another case is refused too
        QVERIFY(
            !exec(db(), QStringLiteral("UPDATE USUARIO SET LOGIN = 'BIA' WHERE LOGIN = 'ana'"), {}, &error));
        // a user may change the case of their own login
        QVERIFY(exec(db(), QStringLiteral("UPDATE USUARIO SET LOGIN = 'Bia' WHERE LOGIN = 'bia'")));
        QVERIFY(exec(db(), QStringLiteral("UPDATE USUARIO SET LOGIN = 'bia' WHERE LOGIN = 'Bia'")));
        QCOMPARE(count(db(), QStringLiteral("USUARIO"), QStringLiteral("UPPER(LOGIN) IN ('ANA', 'BIA')")), 2);
    }

    void renamingALoginCarriesItsRows()
    {
        QVERIFY(insertUsuario(db(), QStringLiteral("velho")));
        const int g = insertGrupo(db(), QStringLiteral("Do Velho"));
        const int pf = insertPessoaFisica(db(), QStringLiteral("Pf do Velho"), g, QStringLiteral("velho"), 0);
        const int pj =
            insertPessoaJuridica(db(), QStringLiteral("Pj do Velho"), g, QStringLiteral("velho"), 0);
        QVERIFY(exec(
            db(), QStringLiteral(
                      "INSERT INTO ANOTACAO (DATA, LOGIN, TEXTO) VALUES ('2026-12-08', 'velho', 'nota')")));
        QVERIFY(exec(
            db(),
            QStringLiteral(
                "INSERT INTO FINANCAS (ID_PESSOA, TIPO_PESSOA, VALOR, LOGIN) VALUES (:P, 0, 10, 'velho')"),
            {{QStringLiteral("P"), pf}}));
        QVERIFY(
            exec(db(), QStringLiteral("INSERT INTO MALA_DIRETA (LOGIN, TEXTO) VALUES ('velho', 'carta')")));
        QVERIFY(exec(db(), QStringLiteral("UPDATE USUARIO SET LOGIN = 'novo' WHERE LOGIN = 'velho'")));
        for (const QString &table :
             {QStringLiteral("PESSOAFISICA"), QStringLiteral("PESSOAJURIDICA"), QStringLiteral("ANOTACAO"),
              QStringLiteral("FINANCAS"), QStringLiteral("MALA_DIRETA")}) {
            QCOMPARE(count(db(), table, QStringLiteral("LOGIN = 'velho'")), 0);
            QCOMPARE(count(db(), table, QStringLiteral("LOGIN = 'novo'")), 1);
        }
        QVERIFY(pj);
    }

    void identifiersAreNeverReused()
    {
        const int g = insertGrupo(db(), QStringLiteral("Ids"));
        const int a = insertPessoaFisica(db(), QStringLiteral("Primeiro"), g, QStringLiteral("ana"));
        const int b = insertPessoaFisica(db(), QStringLiteral("Segundo"), g, QStringLiteral("ana"));
        QVERIFY(exec(db(),
                     QStringLiteral(
                         "INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA, TEXTO) VALUES (:P, 0, 'antigo')"),
                     {{QStringLiteral("P"), b}}));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA WHERE IDENTIFICADOR = :I"),
                     {{QStringLiteral("I"), b}}));
        const int c = insertPessoaFisica(db(), QStringLiteral("Terceiro"), g, QStringLiteral("ana"));
        QVERIFY(a < b && b < c);
        // nothing of the deleted person is handed to anyone
        QCOMPARE(count(db(), QStringLiteral("HISTORICO"),
                       QStringLiteral("IDEN_PESSOA = %1 AND TIPO_PESSOA = 0").arg(b)),
                 0);
        const int g2 = insertGrupo(db(), QStringLiteral("Ids 2"));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM GRUPO WHERE COD_GRUPO = :C"),
                     {{QStringLiteral("C"), g2}}));
        QVERIFY(insertGrupo(db(), QStringLiteral("Ids 3")) > g2);
    }

    void aCompanyWithContactsCanBeDeleted()
    {
        const int g = insertGrupo(db(), QStringLiteral("Empresas"));
        const int pj = insertPessoaJuridica(db(), QStringLiteral("Com Contatos"), g, QStringLiteral("ana"));
        QVERIFY(exec(
            db(),
            QStringLiteral(
                "INSERT INTO CONTATO_PJ (IDENTIFICADOR_PJ, NOME, DATA) VALUES (:P, 'Contato', '1899-12-30')"),
            {{QStringLiteral("P"), pj}}));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAJURIDICA WHERE IDENTIFICADOR = :I"),
                     {{QStringLiteral("I"), pj}}));
        QCOMPARE(count(db(), QStringLiteral("CONTATO_PJ"), QStringLiteral("IDENTIFICADOR_PJ = %1").arg(pj)),
                 0);
    }

    void soundCodeIsKeptByTheDatabase()
    {
        const int g = insertGrupo(db(), QStringLiteral("Sons"));
        const int pf = insertPessoaFisica(db(), QStringLiteral("Kátia Souza"), g, QStringLiteral("ana"));
        const QString onInsert =
            scalar(db(), QStringLiteral("SELECT F_NOME FROM PESSOAFISICA WHERE IDENTIFICADOR = %1").arg(pf))
                .toString();
        QCOMPARE(onInsert,
                 scalar(db(), QStringLiteral("SELECT SOUNDEX(UPPER('Kátia Souza')) FROM RDB$DATABASE"))
                     .toString());
        QVERIFY(exec(
            db(),
            QStringLiteral("UPDATE PESSOAFISICA SET NOME = 'Paulo Lima' WHERE IDENTIFICADOR = %1").arg(pf)));
        QCOMPARE(
            scalar(db(), QStringLiteral("SELECT F_NOME FROM PESSOAFISICA WHERE IDENTIFICADOR = %1").arg(pf))
                .toString(),
            scalar(db(), QStringLiteral("SELECT SOUNDEX('PAULO LIMA') FROM RDB$DATABASE")).toString());
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA WHERE IDENTIFICADOR = %1").arg(pf)));
    }

    // The three ways the program's SQL uses the code, verbatim.
    void soundSearches_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("found"); // by the phonetic search, in name order
        QTest::newRow("Kátia") << QStringLiteral("Kátia")
                               << QStringList{QStringLiteral("Catia Lopes"), QStringLiteral("Katia"),
                                              QStringLiteral("Kátia Ramos"), QStringLiteral("Marta")}
                               << QStringList{QStringLiteral("Catia Lopes"), QStringLiteral("Katia"),
                                              QStringLiteral("Kátia Ramos")};
        QTest::newRow("a surname finds the full name")
            << QStringLiteral("Sousa")
            << QStringList{QStringLiteral("João de Souza"), QStringLiteral("Maria Sousa Lima"),
                           QStringLiteral("Susana")}
            << QStringList{QStringLiteral("João de Souza"), QStringLiteral("Maria Sousa Lima")};
        QTest::newRow("Luis") << QStringLiteral("Luis")
                              << QStringList{QStringLiteral("Luiz Alves"), QStringLiteral("Luisa")}
                              << QStringList{QStringLiteral("Luiz Alves")};
        QTest::newRow("Felipe") << QStringLiteral("Felipe")
                                << QStringList{QStringLiteral("Philipe"), QStringLiteral("Filipe")}
                                << QStringList{QStringLiteral("Filipe"), QStringLiteral("Philipe")};
        QTest::newRow("Marta is not Maria")
            << QStringLiteral("Marta") << QStringList{QStringLiteral("Maria"), QStringLiteral("Marta")}
            << QStringList{QStringLiteral("Marta")};
        QTest::newRow("Paulo is not Paula")
            << QStringLiteral("Paulo") << QStringList{QStringLiteral("Paula"), QStringLiteral("Paulo")}
            << QStringList{QStringLiteral("Paulo")};
        QTest::newRow("apostrophe") << QStringLiteral("D'Ávila")
                                    << QStringList{QStringLiteral("Ana D'Ávila"),
                                                   QStringLiteral("Ana Dávila")}
                                    << QStringList{QStringLiteral("Ana D'Ávila"),
                                                   QStringLiteral("Ana Dávila")};
    }
    void soundSearches()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, found);
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM GRUPO WHERE NOME_GRUPO = 'Fonetica'")));
        const int g = insertGrupo(db(), QStringLiteral("Fonetica"));
        for (const QString &n : stored)
            QVERIFY(insertPessoaFisica(db(), n, g, QStringLiteral("ana")));
        const QString upper = text.toUpper();
        const QString where = QStringLiteral(" AND COD_GRUPO = %1").arg(g);
        // 2. the phonetic search
        QCOMPARE(names(QStringLiteral("SELECT NOME FROM PESSOAFISICA WHERE F_NOME LIKE SOUNDEX(") +
                       quoted(QLatin1Char('%') + upper + QLatin1Char('%')) + QStringLiteral(" )") + where +
                       QStringLiteral(" ORDER BY NOME")),
                 found);
        // 1. the duplicate-name check finds the same-sounding whole names
        const QStringList same = names(QStringLiteral("SELECT * FROM PESSOAFISICA WHERE F_NOME = SOUNDEX(") +
                                       quoted(upper) + QStringLiteral(") ORDER BY NOME"));
        for (const QString &n : same)
            QVERIFY2(found.contains(n), qPrintable(n));
        // 3. the street exclusion of the labels keeps exactly the others
        QStringList others = stored;
        for (const QString &n : found)
            others.removeAll(n);
        std::sort(others.begin(), others.end());
        QCOMPARE(names(QStringLiteral("SELECT NOME FROM PESSOAFISICA WHERE 1 = 1") + where +
                       QStringLiteral(" AND SOUNDEX(UPPER(NOME)) NOT LIKE SOUNDEX(") +
                       quoted(QLatin1Char('%') + upper + QLatin1Char('%')) +
                       QStringLiteral(") ORDER BY NOME")),
                 others);
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "TestSchema.moc"
