// Groups on a real database: the list every group screen and search shows,
// and one group's name by its code.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TGrupo.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"

#include <QtTest>

using namespace DbHelpers;

class TestTGrupo : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_amigos = 0, m_clientes = 0;
    Database &db() { return m_dm->BancoDados; }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        // inserted out of name order, one with a code of five digits
        m_clientes = insertGrupo(db(), QStringLiteral("Clientes"));
        m_amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        QVERIFY(m_clientes > 0 && m_amigos > 0);
        QVERIFY(exec(db(), QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (10007, "
                                          "'Água & \"Luz\"')")));
    }
    void init() { m_seams.messages->clear(); }
    void cleanupTestCase() { m_dm.reset(); }

    void everyGroupInNameOrder()
    {
        QList<TGrupo> grupos{TGrupo(db())};
        const quint64 antes = Database::statementCount();
        const DbResult r = TGrupo::Todos(db(), grupos);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QStringList rotulos;
        for (const TGrupo &g : std::as_const(grupos))
            rotulos << g.Rotulo();
        QCOMPARE(rotulos,
                 (QStringList{QStringLiteral("%1 :: Amigos").arg(m_amigos, 4, 10, QLatin1Char('0')),
                              QStringLiteral("%1 :: Clientes").arg(m_clientes, 4, 10, QLatin1Char('0')),
                              QStringLiteral("10007 :: Água & \"Luz\"")}));
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void aGroupsNameByItsCode_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("nome");
        QTest::newRow("four digits") << m_clientes << QStringLiteral("Clientes");
        QTest::newRow("five digits") << 10007 << QStringLiteral("Água & \"Luz\"");
        QTest::newRow("no such group") << 99999 << QString();
    }
    void aGroupsNameByItsCode()
    {
        QFETCH(int, codigo);
        QFETCH(QString, nome);
        TGrupo g(db());
        g.Codigo = codigo;
        g.Nome = QStringLiteral("de antes");
        QVERIFY(g.LerNome().ok);
        QCOMPARE(g.Nome, nome);
        QCOMPARE(g.Codigo, codigo);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // A failed read is an error for the caller, never "no groups"; nothing is shown.
    void withoutAConnectionReadsFail()
    {
        Database semConexao;
        QList<TGrupo> grupos{TGrupo(db())};
        const DbResult r = TGrupo::Todos(semConexao, grupos);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(grupos.isEmpty());
        TGrupo g(semConexao);
        g.Codigo = m_amigos;
        g.Nome = QStringLiteral("de antes");
        QVERIFY(!g.LerNome().ok);
        QVERIFY(g.Nome.isEmpty());
        QVERIFY(m_seams.messages->shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTGrupo)
#include "TestTGrupo.moc"
