// The network edition against a real Firebird server of the test's own: the
// messages for the usual connection faults, two desktops changing the same
// person, a row held by another desktop, the diary of two users on one day,
// and a server that stops and comes back.
#include "data/Database.h"
#include "data/DbOperation.h"
#include "data/DbServices.h"
#include "data/Query.h"
#include "data/RestauracaoSegura.h"
#include "data/ServidorRede.h"
#include "model/TAnotacao.h"
#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ServidorFirebird.h"
#include "support/TestFolder.h"
#include "util/DateTime.h"

#include <QHostInfo>
#include <QtTest>

using namespace DbHelpers;

namespace {
const QString kAna = QStringLiteral("ana");
const QString kBia = QStringLiteral("bia");
} // namespace

class TestServidorRede : public QObject {
    Q_OBJECT

    TestFolder m_folder; // the program folder (settings file) of this desktop
    std::unique_ptr<ServidorFirebird> m_servidor;
    QString m_banco;
    FakeSeams m_seams{};
    // two desktops on the same database
    Database m_a;
    Database m_b;
    int m_grupo = 0;

    void conectar(Database &db)
    {
        db.disconnect();
        m_servidor->servidor(m_banco).Configurar(db);
        db.connect();
    }
    int guardarPessoa(const QString &nome) { return insertPessoaFisica(m_a, nome, m_grupo, kAna, 1); }
    TPessoaFisica carregar(Database &db, int id)
    {
        TPessoaFisica p(db);
        p.Identificador = id;
        if (!p.Carregar())
            qFatal("pessoa %d não carregada", id);
        p.NomeAntigo = p.Nome;
        return p;
    }
    QString fone(int id)
    {
        return scalar(m_a,
                      QStringLiteral("SELECT FONE_RESIDENCIAL FROM PESSOAFISICA WHERE IDENTIFICADOR = :ID"),
                      {{QStringLiteral("ID"), id}})
            .toString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        m_servidor = std::make_unique<ServidorFirebird>();
        QVERIFY2(m_servidor->isValid(), qPrintable(m_servidor->lastError));
        m_banco = m_servidor->pasta() + QStringLiteral("Orvalha.FDB");
        QVERIFY2(m_servidor->criarBanco(m_banco), qPrintable(m_servidor->lastError));
        m_seams = FakeSeams::install();
        conectar(m_a);
        conectar(m_b);
        QVERIFY(m_a.remoto());
        QVERIFY(insertUsuario(m_a, kAna));
        QVERIFY(insertUsuario(m_a, kBia));
        m_grupo = insertGrupo(m_a, QStringLiteral("Clientes"));
        QVERIFY(m_grupo > 0);
    }
    void init() { m_seams.messages->clear(); }
    void cleanupTestCase()
    {
        m_a.disconnect();
        m_b.disconnect();
        m_servidor.reset();
        Seams::reset();
    }

    // "Testar Conexão": each usual fault gets its own message, and the
    // password appears in none of them.
    void eachConnectionFaultHasItsMessage_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("all well") << "bom" << QString();
        QTest::newRow("nobody on the port")
            << "porta"
            << "não respondeu.\r\nVerifique se o computador servidor está ligado";
        QTest::newRow("wrong password") << "senha"
                                        << "recusou o usuário \"SYSDBA\" ou a senha";
        QTest::newRow("no such database") << "banco"
                                          << "não foi encontrado no servidor";
        QTest::newRow("another program's database") << "outro"
                                                    << "não é um banco de dados deste programa";
        QTest::newRow("no host") << "host"
                                 << "Informe o nome ou o endereço do servidor.";
    }
    void eachConnectionFaultHasItsMessage()
    {
        QFETCH(QString, caso);
        QFETCH(QString, esperado);
        ServidorRede s = m_servidor->servidor(m_banco);
        if (caso == QLatin1String("porta"))
            s.porta = m_servidor->porta() == 65000 ? 65001 : 65000;
        else if (caso == QLatin1String("senha"))
            s.senha = QStringLiteral("errada-123");
        else if (caso == QLatin1String("banco"))
            s.banco = m_servidor->pasta() + QStringLiteral("NaoExiste.FDB");
        else if (caso == QLatin1String("host"))
            s.host.clear();
        else if (caso == QLatin1String("outro")) {
            s.banco = m_servidor->pasta() + QStringLiteral("Outro.FDB");
            if (!QFile::exists(s.banco))
                QVERIFY2(m_servidor->criarBancoVazio(s.banco), qPrintable(m_servidor->lastError));
        }
        const QString mensagem = s.Testar();
        if (esperado.isEmpty())
            QCOMPARE(mensagem, QString());
        else
            QVERIFY2(mensagem.contains(esperado), qPrintable(mensagem));
        QVERIFY(!mensagem.contains(s.senha) || s.senha.isEmpty());
    }

    // Two desktops change the same person: the second save is told, keeps
    // what was typed, and either shows the stored row or replaces it on
    // purpose with a second save.
    void aConcurrentChangeIsNeverOverwrittenSilently_data()
    {
        QTest::addColumn<bool>("recarregar");
        QTest::newRow("the user sees the stored row") << true;
        QTest::newRow("the user keeps the typed row and saves again") << false;
    }
    void aConcurrentChangeIsNeverOverwrittenSilently()
    {
        QFETCH(bool, recarregar);
        const int id = guardarPessoa(QStringLiteral("Carla Dias"));
        TPessoaFisica naA = carregar(m_a, id);
        TPessoaFisica naB = carregar(m_b, id);

        naA.FoneResidencial = QStringLiteral("1130001111");
        QCOMPARE(naA.Alterar(), Resultado::Gravado);

        naB.FoneResidencial = QStringLiteral("1130002222");
        m_seams.messages->answers << recarregar;
        QCOMPARE(naB.Alterar(), Resultado::Falhou);
        QCOMPARE(m_seams.messages->questions.size(), 1);
        QVERIFY(m_seams.messages->questions.first().startsWith(
            QStringLiteral("Outro usuário alterou este registro depois que você o abriu.")));
        QCOMPARE(naB.UltimoConflito, TPessoa::Conflito::Alterada);
        QCOMPARE(fone(id), QStringLiteral("1130001111")); // the first change stands
        QCOMPARE(naB.Recarregada, recarregar);
        QCOMPARE(naB.FoneResidencial,
                 recarregar ? QStringLiteral("1130001111") : QStringLiteral("1130002222"));

        // either way the next save from desktop B goes through, now knowingly
        m_seams.messages->clear();
        naB.Obs = QStringLiteral("visto");
        QCOMPARE(naB.Alterar(), Resultado::Gravado);
        QVERIFY(m_seams.messages->questions.isEmpty());
        QCOMPARE(fone(id), naB.FoneResidencial);

        // and desktop A, which read before that, is told in its turn
        naA.Obs = QStringLiteral("de A");
        m_seams.messages->answers << false;
        QCOMPARE(naA.Alterar(), Resultado::Falhou);
        QCOMPARE(naA.UltimoConflito, TPessoa::Conflito::Alterada);
    }

    // Without anyone else writing, consecutive saves from one screen ask nothing.
    void ownSavesDoNotConflict()
    {
        const int id = guardarPessoa(QStringLiteral("Dora Lima"));
        TPessoaFisica p = carregar(m_a, id);
        for (const char *numero : {"1140001111", "1140002222", "1140003333"}) {
            p.FoneResidencial = QLatin1String(numero);
            QCOMPARE(p.Alterar(), Resultado::Gravado);
        }
        QVERIFY(m_seams.messages->questions.isEmpty());
        QCOMPARE(fone(id), QStringLiteral("1140003333"));
    }

    // A person deleted on one desktop while the other edits it.
    void aChangeOfADeletedPersonIsRefusedKeepingTheText()
    {
        const int id = guardarPessoa(QStringLiteral("Elza Prado"));
        TPessoaFisica naB = carregar(m_b, id);
        TPessoaFisica naA = carregar(m_a, id);
        QCOMPARE(naA.Excluir(), Resultado::Gravado);

        naB.FoneResidencial = QStringLiteral("1150005555");
        QCOMPARE(naB.Alterar(), Resultado::Falhou);
        QCOMPARE(naB.UltimoConflito, TPessoa::Conflito::Excluida);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().contains(QStringLiteral("excluído por outro usuário")));
        QCOMPARE(naB.FoneResidencial, QStringLiteral("1150005555"));
        QCOMPARE(count(m_a, QStringLiteral("PESSOAFISICA"), QStringLiteral("IDENTIFICADOR = %1").arg(id)), 0);
    }

    // A row that another desktop is writing right now: the save waits a few
    // seconds at most, then says so; nothing is written.
    void aRowHeldByAnotherDesktopGivesAMessageNotAFrozenScreen()
    {
        const int id = guardarPessoa(QStringLiteral("Fabi Reis"));
        TPessoaFisica naB = carregar(m_b, id);
        Transaction segura(m_a);
        {
            Query q(segura,
                    QStringLiteral("UPDATE PESSOAFISICA SET OBS = 'em uso' WHERE IDENTIFICADOR = :ID"));
            q.setInt(QStringLiteral("ID"), id);
            q.execute();
        }
        naB.FoneResidencial = QStringLiteral("1160006666");
        QCOMPARE(naB.Alterar(), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY2(m_seams.messages->shown.first().contains(
                     QStringLiteral("Outro usuário está alterando estes dados neste momento.")),
                 qPrintable(m_seams.messages->shown.first()));
        segura.rollback();
        QCOMPARE(fone(id), QString());
    }

    // Two users write their diary on the same day from two desktops.
    void theDiaryOfTwoUsersOnOneDay()
    {
        const double dia = EncodeDate(2026, 12, 10);
        TAnotacao daAna(m_a);
        daAna.Data = dia;
        daAna.Texto = QStringLiteral("Reunião às 9h");
        TAnotacao daBia(m_b);
        daBia.Data = dia;
        daBia.Texto = QStringLiteral("Ligar para o contador");
        QCOMPARE(daAna.Salvar(kAna), Resultado::Gravado);
        QCOMPARE(daBia.Salvar(kBia), Resultado::Gravado);

        TAnotacao lida(m_b);
        lida.Data = dia;
        QVERIFY(lida.Carregar(kAna).ok);
        QCOMPARE(lida.Texto, QStringLiteral("Reunião às 9h"));
        QVERIFY(lida.Carregar(kBia).ok);
        QCOMPARE(lida.Texto, QStringLiteral("Ligar para o contador"));
    }

    // The backup comes from the server's own services, streamed into a file
    // of this desktop, and restores into a second database of the server.
    void aBackupStreamedToTheDesktopRestoresOnTheServer()
    {
        guardarPessoa(QStringLiteral("Helena Souza"));
        const int pessoas = count(m_a, QStringLiteral("PESSOAFISICA"));
        const QString local = m_folder.file(QStringLiteral("DB/BackUP/Orvalha.bck"));
        QDir().mkpath(QFileInfo(local).absolutePath());
        const DbServices servicos = DbServices::NoServidor(m_servidor->servidor(m_banco));
        qint64 recebidos = 0;
        const DbResult copia = servicos.backupParaArquivo(m_banco, local, [&](qint64 n) { recebidos = n; });
        QVERIFY2(copia.ok, qPrintable(copia.error));
        QVERIFY(QFileInfo(local).size() > 0);
        QCOMPARE(recebidos, QFileInfo(local).size());

        const QString segunda = m_servidor->pasta() + QStringLiteral("Segunda.FDB");
        const DbResult r = servicos.restoreDeArquivo(local, segunda, false);
        QVERIFY2(r.ok, qPrintable(r.error));
        Database db;
        m_servidor->servidor(segunda).Configurar(db);
        db.connect();
        QCOMPARE(count(db, QStringLiteral("PESSOAFISICA")), pessoas);
        db.disconnect();

        // a backup of a database the server does not have leaves no file
        const QString nenhum = m_folder.file(QStringLiteral("DB/BackUP/Nenhum.bck"));
        QVERIFY(!servicos.backupParaArquivo(m_servidor->pasta() + QStringLiteral("Nao.FDB"), nenhum).ok);
        QVERIFY(!QFile::exists(nenhum));
    }

    // A restore while another desktop works is refused naming it; alone, the
    // database as it was is kept on this desktop first, then replaced.
    void aRestoreWaitsForTheOtherDesktopsAndKeepsASafetyBackup()
    {
        const ServidorRede servidor = m_servidor->servidor(m_banco);
        const QString local = m_folder.file(QStringLiteral("DB/BackUP/Restaurar.bck"));
        QDir().mkpath(QFileInfo(local).absolutePath());
        QVERIFY(DbServices::NoServidor(servidor).backupParaArquivo(m_banco, local).ok);
        const int antes = count(m_a, QStringLiteral("PESSOAFISICA"));
        guardarPessoa(QStringLiteral("Depois do BackUP"));
        const QString seguranca = m_folder.file(QStringLiteral("DB/BackUP/"));
        const QDateTime agora(QDate(2026, 12, 10), QTime(15, 30, 0));

        const ResultadoRestauracao recusado = RestaurarNoServidor(servidor, local, seguranca, agora);
        QVERIFY(!recusado.ok);
        QVERIFY2(recusado.erro.contains(QStringLiteral("Conectados agora:\r\n")), qPrintable(recusado.erro));
        // one line per other desktop: both of this test's connections, by computer name
        const QStringList linhas = recusado.erro.split(QStringLiteral("\r\n"));
        QCOMPARE(linhas.size(), 3);
        QVERIFY2(linhas.at(1).startsWith(QHostInfo::localHostName()), qPrintable(recusado.erro));
        QVERIFY(!QFile::exists(seguranca + QStringLiteral("Orvalha_antes_restore_2026_12_10_153000.bck")));

        m_a.disconnect();
        m_b.disconnect();
        const ResultadoRestauracao r = RestaurarNoServidor(servidor, local, seguranca, agora);
        QVERIFY2(r.ok, qPrintable(r.erro));
        QCOMPARE(r.copiaAnterior, seguranca + QStringLiteral("Orvalha_antes_restore_2026_12_10_153000.bck"));
        QVERIFY(QFileInfo(r.copiaAnterior).size() > 0);
        // the trial beside it is gone
        QCOMPARE(QDir(m_servidor->pasta()).entryList({QStringLiteral("Orvalha_restaurando_*")}),
                 QStringList());
        conectar(m_a);
        conectar(m_b);
        QCOMPARE(count(m_a, QStringLiteral("PESSOAFISICA")), antes);
    }

    // The server stops in the middle of a session: the next operation says
    // so and writes nothing; once the server is back, work goes on without
    // restarting the program.
    void aServerThatStopsAndReturns()
    {
        const int id = guardarPessoa(QStringLiteral("Gabi Nunes"));
        TPessoaFisica p = carregar(m_a, id);
        QVERIFY(m_servidor->parar());

        p.FoneResidencial = QStringLiteral("1170007777");
        QCOMPARE(p.Alterar(), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY2(m_seams.messages->shown.first().contains(
                     QStringLiteral("A conexão com o servidor de banco de dados foi perdida.")),
                 qPrintable(m_seams.messages->shown.first()));

        QVERIFY2(m_servidor->iniciar(), qPrintable(m_servidor->lastError));
        m_seams.messages->clear();
        QCOMPARE(p.Alterar(), Resultado::Gravado);
        QVERIFY(m_seams.messages->shown.isEmpty());
        QCOMPARE(fone(id), QStringLiteral("1170007777"));
        // the other desktop comes back on its next operation too
        QCOMPARE(count(m_b, QStringLiteral("PESSOAFISICA"), QStringLiteral("IDENTIFICADOR = %1").arg(id)), 1);
    }
};

QTEST_GUILESS_MAIN(TestServidorRede)
#include "TestServidorRede.moc"
