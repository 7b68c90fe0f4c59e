// Finance entries on a real database: every column written and read back
// exactly (amounts to the ten-thousandth), the change of every column, the
// two single-column changes with their login, deletion (twice), texts the
// columns cannot hold, and the series written all or nothing.
#include "data/Database.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/Mensagens.h"
#include "model/TFinancas.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "util/DateTime.h"

#include <QtTest>

using namespace DbHelpers;

namespace {

// Every column of one stored entry, as the database holds it.
TFinancas lerLinha(Database &db, qint32 id)
{
    TFinancas f;
    f.IdFinanca = 0;
    dbOperationOuFalha(db, [&](Transaction &t) {
        Query q(
            t, QStringLiteral("SELECT ID_FINANCA, ID_PESSOA, TIPO_PESSOA, VALOR, DATA, TIPO_OPERACAO, "
                              "FORMAP_PAGAMENTO, OBS, LOGIN, SITUACAO FROM FINANCAS WHERE ID_FINANCA = :ID"));
        q.setInt(QStringLiteral("ID"), id);
        q.open();
        if (!q.next())
            return;
        f.IdFinanca = q.field(0).asInt();
        f.IdPessoa = q.field(1).asInt();
        f.TipoPessoa = q.field(2).asInt();
        f.Valor = Money::fromRaw(q.field(3).asScaled(4));
        f.Data = q.field(4).asDate();
        f.TipoOperacao = quint8(q.field(5).asInt());
        f.FormaPagamento = quint8(q.field(6).asInt());
        f.Obs = q.field(7).asString();
        f.Login = q.field(8).asString();
        f.Situacao = quint8(q.field(9).asInt());
    });
    return f;
}

} // namespace

class TestTFinancas : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

    // A record with a distinct value in every column.
    TFinancas completa()
    {
        TFinancas f(db());
        f.IdPessoa = 41;
        f.TipoPessoa = 1;
        f.Valor = Money::fromRaw(123456); // 12,3456
        f.Data = EncodeDate(2026, 1, 31);
        f.TipoOperacao = 1;
        f.FormaPagamento = 4;
        f.Obs = QStringLiteral("Aluguel d'Ávila \"<b>\"\r\nsegunda linha");
        f.Login = QStringLiteral("ana");
        f.Situacao = 1;
        return f;
    }
    qint32 ultimoId() { return scalar(db(), QStringLiteral("SELECT MAX(ID_FINANCA) FROM FINANCAS")).toInt(); }
    int contar() { return count(db(), QStringLiteral("FINANCAS")); }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), QStringLiteral("ana")));
        QVERIFY(insertUsuario(db(), QStringLiteral("bia")));
    }
    void init()
    {
        m_seams.messages->clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM FINANCAS")));
    }

    void insertWritesEveryColumnExactly_data()
    {
        QTest::addColumn<qint64>("valor");
        QTest::newRow("four decimals") << qint64(123456);
        QTest::newRow("one cent") << qint64(100);
        QTest::newRow("a third of 100") << qint64(333333);
        QTest::newRow("negative") << qint64(-99999999);
    }
    void insertWritesEveryColumnExactly()
    {
        QFETCH(qint64, valor);
        TFinancas f = completa();
        f.Valor = Money::fromRaw(valor);
        QCOMPARE(f.Inserir(), Resultado::Gravado);
        QCOMPARE(contar(), 1);
        TFinancas esperado = f;
        esperado.IdFinanca = ultimoId();
        QCOMPARE(lerLinha(db(), esperado.IdFinanca), esperado);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void changeRewritesEveryColumn()
    {
        TFinancas f = completa();
        QCOMPARE(f.Inserir(), Resultado::Gravado);
        TFinancas outra(db());
        outra.IdFinanca = ultimoId();
        outra.IdPessoa = 42;
        outra.TipoPessoa = 0;
        outra.Valor = Money::fromRaw(1);
        outra.Data = EncodeDate(2027, 2, 28);
        outra.TipoOperacao = 0;
        outra.FormaPagamento = 5;
        outra.Obs = QString();
        outra.Login = QStringLiteral("bia");
        outra.Situacao = 0;
        QCOMPARE(outra.Alterar(), Resultado::Gravado);
        QCOMPARE(lerLinha(db(), outra.IdFinanca), outra);

        // an entry deleted meanwhile is said so, and nothing else changes
        outra.IdFinanca += 100;
        QCOMPARE(outra.Alterar(), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown, QStringList{RegistroNaoEncontrado()});
        QCOMPARE(contar(), 1);
    }

    // Only the one column and the login change; only the code's low eight bits count.
    void singleColumnChanges_data()
    {
        QTest::addColumn<bool>("situacao");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<quint8>("gravado");
        QTest::newRow("settle") << true << 0 << quint8(0);
        QTest::newRow("situation's low byte") << true << 0x101 << quint8(1);
        QTest::newRow("to payable") << false << 0 << quint8(0);
        QTest::newRow("type's low byte") << false << 0x201 << quint8(1);
    }
    void singleColumnChanges()
    {
        QFETCH(bool, situacao);
        QFETCH(int, codigo);
        QFETCH(quint8, gravado);
        TFinancas f = completa();
        QCOMPARE(f.Inserir(), Resultado::Gravado);
        f.IdFinanca = ultimoId();
        TFinancas esperado = f;
        esperado.Login = QStringLiteral("bia");
        if (situacao) {
            esperado.Situacao = gravado;
            QCOMPARE(f.AlterarSituacao(codigo, QStringLiteral("bia")), Resultado::Gravado);
        } else {
            esperado.TipoOperacao = gravado;
            QCOMPARE(f.AlterarTipoOperacao(codigo, QStringLiteral("bia")), Resultado::Gravado);
        }
        QCOMPARE(lerLinha(db(), f.IdFinanca), esperado);
    }

    void deleteTwiceIsNoError()
    {
        TFinancas f = completa();
        QCOMPARE(f.Inserir(), Resultado::Gravado);
        QCOMPARE(f.Inserir(), Resultado::Gravado);
        f.IdFinanca = ultimoId();
        QCOMPARE(f.Excluir(), Resultado::Gravado);
        QCOMPARE(contar(), 1);
        QCOMPARE(f.Excluir(), Resultado::Gravado);
        QCOMPARE(contar(), 1);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void refusedTexts_data()
    {
        QTest::addColumn<QString>("obs");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("character outside Windows-1252")
            << QStringLiteral("Łódź") << QStringLiteral("ana") << QStringLiteral("Campo \"Obs\"");
        QTest::newRow("notes too long")
            << QString(4001, QLatin1Char('x')) << QStringLiteral("ana") << QStringLiteral("4001 caracteres");
        QTest::newRow("login too long")
            << QString() << QStringLiteral("login_comprido") << QStringLiteral("Campo \"Login\"");
    }
    void refusedTexts()
    {
        QFETCH(QString, obs);
        QFETCH(QString, login);
        QFETCH(QString, mensagem);
        TFinancas f = completa();
        f.Obs = obs;
        f.Login = login;
        QCOMPARE(f.Inserir(), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY2(m_seams.messages->shown.first().contains(mensagem),
                 qPrintable(m_seams.messages->shown.first()));
        QCOMPARE(contar(), 0);
    }

    // The whole series or nothing: a failure at the third entry leaves no
    // row and shows the statement and the database's reason once.
    void seriesIsAllOrNothing()
    {
        QList<TFinancas> serie;
        for (int k = 1; k <= 4; ++k) {
            TFinancas f = completa();
            f.Obs = QStringLiteral("parcela %1").arg(k);
            serie << f;
        }
        QVERIFY(exec(db(), QStringLiteral("CREATE EXCEPTION E_PARCELA_RECUSADA 'parcela recusada'")));
        QVERIFY(
            exec(db(), QStringLiteral("CREATE TRIGGER T_PARCELA_RECUSADA FOR FINANCAS BEFORE INSERT AS "
                                      "BEGIN IF (NEW.OBS = 'parcela 3') THEN EXCEPTION E_PARCELA_RECUSADA; "
                                      "END")));
        const Resultado r = TFinancas::InserirSerie(db(), serie);
        QVERIFY(exec(db(), QStringLiteral("DROP TRIGGER T_PARCELA_RECUSADA")));
        QVERIFY(exec(db(), QStringLiteral("DROP EXCEPTION E_PARCELA_RECUSADA")));
        QCOMPARE(r, Resultado::Falhou);
        QCOMPARE(contar(), 0);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().startsWith(QStringLiteral("INSERT INTO FINANCAS")));
        QVERIFY(m_seams.messages->shown.first().contains(QStringLiteral("parcela recusada")));

        // a refused text anywhere in the series stops it before anything runs
        serie[3].Obs = QStringLiteral("€ ok, Ł não");
        const quint64 antes = Database::statementCount();
        QCOMPARE(TFinancas::InserirSerie(db(), serie), Resultado::Falhou);
        QCOMPARE(Database::statementCount(), antes);

        serie[3].Obs = QStringLiteral("parcela 4");
        m_seams.messages->clear();
        QCOMPARE(TFinancas::InserirSerie(db(), serie), Resultado::Gravado);
        QCOMPARE(contar(), 4);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTFinancas)
#include "TestTFinancas.moc"
