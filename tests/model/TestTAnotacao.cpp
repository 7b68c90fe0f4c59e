// Diary notes on a real database: one row per user and day, each user sees
// only their own, what the user is told when a save fails, and the search
// by a word of the text (any date or between two dates).
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TAnotacao.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "util/DateTime.h"
#include "util/Win1252.h"

#include <QtTest>

#include <tuple>

using namespace DbHelpers;

namespace {
const QString kAna = QStringLiteral("ana");
const QString kBia = QStringLiteral("Bia");
const QString kInsert =
    QStringLiteral("INSERT INTO ANOTACAO(DATA, TEXTO, LOGIN) VALUES(:DATA, :TEXTO, :LOGIN)");
const QString kUpdate =
    QStringLiteral("UPDATE ANOTACAO SET TEXTO = :TEXTO WHERE DATA = :DATA AND LOGIN = :LOGIN");
} // namespace

class TestTAnotacao : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }
    TDateTime m_dia = EncodeDate(2026, 12, 8);

    TAnotacao nota(TDateTime data, const QString &texto = {})
    {
        TAnotacao n(db());
        n.Data = data;
        n.Texto = texto;
        return n;
    }
    int linhas(const QString &login)
    {
        return count(db(), QStringLiteral("ANOTACAO"),
                     QStringLiteral("LOGIN = '") + login + QLatin1Char('\''));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), kAna));
        QVERIFY(insertUsuario(db(), kBia));
    }
    void init()
    {
        m_seams.messages->clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM ANOTACAO")));
    }
    void cleanupTestCase() { m_dm.reset(); }

    void aNewNoteIsEmpty()
    {
        TAnotacao n(db());
        QCOMPARE(n.Data, 0.0);
        QVERIFY(n.Texto.isEmpty());
    }

    void savingTwiceKeepsOneRowWithTheSecondText()
    {
        TAnotacao n = nota(m_dia, QStringLiteral("primeiro"));
        QVERIFY(!n.Existe(kAna));
        QCOMPARE(n.Salvar(kAna), Resultado::Gravado);
        QVERIFY(n.Existe(kAna));
        n.Texto = QStringLiteral("segundo");
        QCOMPARE(n.Salvar(kAna), Resultado::Gravado);
        QCOMPARE(linhas(kAna), 1);

        TAnotacao lida = nota(m_dia);
        QVERIFY(lida.Carregar(kAna));
        QCOMPARE(lida.Texto, QStringLiteral("segundo"));
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // DATA is a date: a time of day neither splits a day in two nor misses it.
    void onlyTheDayCounts()
    {
        QCOMPARE(nota(m_dia + 0.75, QStringLiteral("noite")).Salvar(kAna), Resultado::Gravado);
        QCOMPARE(nota(m_dia + 0.25, QStringLiteral("manhã")).Salvar(kAna), Resultado::Gravado);
        QCOMPARE(linhas(kAna), 1);
        TAnotacao lida = nota(m_dia + 0.5);
        QVERIFY(lida.Carregar(kAna));
        QCOMPARE(lida.Texto, QStringLiteral("manhã"));
        QCOMPARE(count(db(), QStringLiteral("ANOTACAO"), QStringLiteral("DATA = DATE '2026-12-08'")), 1);
    }

    void twoUsersOnTheSameDaySeeTheirOwn()
    {
        QCOMPARE(nota(m_dia, QStringLiteral("da Ana")).Salvar(kAna), Resultado::Gravado);
        QCOMPARE(nota(m_dia, QStringLiteral("da Bia")).Salvar(kBia), Resultado::Gravado);
        TAnotacao a = nota(m_dia), b = nota(m_dia);
        QVERIFY(a.Carregar(kAna));
        QVERIFY(b.Carregar(kBia));
        QCOMPARE(a.Texto, QStringLiteral("da Ana"));
        QCOMPARE(b.Texto, QStringLiteral("da Bia"));
        // the login is compared as stored
        TAnotacao outra = nota(m_dia, QStringLiteral("antes"));
        QVERIFY(!outra.Existe(QStringLiteral("ANA")));
        QVERIFY(outra.Carregar(QStringLiteral("ANA")));
        QVERIFY(outra.Texto.isEmpty());

        QCOMPARE(nota(m_dia).Excluir(kAna), Resultado::Gravado);
        QCOMPARE(linhas(kAna), 0);
        QCOMPARE(linhas(kBia), 1);
    }

    void loadingADayWithoutANoteEmptiesTheText()
    {
        QCOMPARE(nota(m_dia, QStringLiteral("terça")).Salvar(kAna), Resultado::Gravado);
        TAnotacao n = nota(m_dia);
        QVERIFY(n.Carregar(kAna));
        QCOMPARE(n.Texto, QStringLiteral("terça"));
        n.Data = m_dia + 1;
        QVERIFY(n.Carregar(kAna));
        QVERIFY(n.Texto.isEmpty());

        // a row without text reads as empty too
        QVERIFY(exec(db(), QStringLiteral("INSERT INTO ANOTACAO (DATA, LOGIN) VALUES (:D, :L)"),
                     {{QStringLiteral("D"), m_dia + 2}, {QStringLiteral("L"), kAna}}));
        n.Data = m_dia + 2;
        n.Texto = QStringLiteral("antes");
        QVERIFY(n.Carregar(kAna));
        QVERIFY(n.Texto.isEmpty());
    }

    void deletingADayWithoutANoteDoesNothing()
    {
        QCOMPARE(nota(m_dia, QStringLiteral("fica")).Salvar(kAna), Resultado::Gravado);
        QCOMPARE(nota(m_dia + 1).Excluir(kAna), Resultado::Gravado);
        QCOMPARE(linhas(kAna), 1);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void anEmptyTextIsStoredNotDeleted()
    {
        QCOMPARE(nota(m_dia, QStringLiteral("algo")).Salvar(kAna), Resultado::Gravado);
        QCOMPARE(nota(m_dia, QString()).Salvar(kAna), Resultado::Gravado);
        QCOMPARE(linhas(kAna), 1);
        TAnotacao n = nota(m_dia, QStringLiteral("antes"));
        QVERIFY(n.Carregar(kAna));
        QVERIFY(n.Texto.isEmpty());
    }

    void textsComeBackAsWritten_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("accents and quotes")
            << QStringLiteral("Ação, coração e pão: \"aspas\", 'apóstrofos' -- ÀÉÎÕÜ ç ñ € ™ …");
        QTest::newRow("line breaks kept") << QStringLiteral("linha 1\r\nlinha 2\n\nlinha 4\r\n");
        QString longo;
        for (int i = 0; longo.size() < 10000; ++i)
            longo += QString::number(i % 10);
        QTest::newRow("10,000 characters") << longo;
        QTest::newRow("60,000 characters, beyond one blob segment") << QString(60000, QChar(u'é'));
    }
    void textsComeBackAsWritten()
    {
        QFETCH(QString, texto);
        QCOMPARE(nota(m_dia, texto).Salvar(kAna), Resultado::Gravado);
        TAnotacao n = nota(m_dia);
        QVERIFY(n.Carregar(kAna));
        QCOMPARE(n.Texto.size(), texto.size());
        QCOMPARE(n.Texto, texto);
    }

    // The message is the server's text, a line break and the statement that
    // failed, ending with its own line break; a text the program refuses
    // itself shows its reason alone.
    void aFailingSaveShowsTheErrorAndTheStatement_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("erro");
        QTest::addColumn<QString>("sql");
        QTest::newRow("insert for a login that has no user")
            << QStringLiteral("ninguem") << false << QStringLiteral("x")
            << QStringLiteral("FK_ANOTACAO_USUARIO") << kInsert;
        QTest::newRow("insert of a character outside Windows-1252")
            << kAna << false << QStringLiteral("seta → aqui")
            << Win1252::unencodableMessage(QStringLiteral("→")) << QString();
        QTest::newRow("update of a character outside Windows-1252")
            << kAna << true << QStringLiteral("sorriso 😀") << Win1252::unencodableMessage(QStringLiteral("😀"))
            << QString();
    }
    void aFailingSaveShowsTheErrorAndTheStatement()
    {
        QFETCH(QString, login);
        QFETCH(bool, existe);
        QFETCH(QString, texto);
        QFETCH(QString, erro);
        QFETCH(QString, sql);
        if (existe)
            QCOMPARE(nota(m_dia, QStringLiteral("guardada")).Salvar(login), Resultado::Gravado);

        QCOMPARE(nota(m_dia, texto).Salvar(login), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QString shown = m_seams.messages->shown.first();
        if (sql.isEmpty()) {
            QCOMPARE(shown, erro);
        } else {
            const QString tail = QStringLiteral("\r\n") + sql + QStringLiteral("\r\n");
            QVERIFY2(shown.endsWith(tail), qPrintable(shown));
            const QString server = shown.chopped(tail.size());
            QVERIFY2(server.contains(erro), qPrintable(server));
        }

        // nothing was stored, and a note already there is untouched
        TAnotacao n = nota(m_dia);
        QVERIFY(n.Carregar(login));
        QCOMPARE(n.Texto, existe ? QStringLiteral("guardada") : QString());
        QCOMPARE(linhas(login), existe ? 1 : 0);
    }

    // Without a connection Salvar and Excluir speak; Carregar reports the
    // failure to its caller and keeps what it had.
    void withoutAConnectionSaveAndDeleteSpeak()
    {
        Database semConexao;
        TAnotacao n(semConexao);
        n.Data = m_dia;
        n.Texto = QStringLiteral("mantido");
        QVERIFY(!n.Existe(kAna));
        QVERIFY(!n.Carregar(kAna));
        QCOMPARE(n.Texto, QStringLiteral("mantido"));
        QVERIFY(m_seams.messages->shown.isEmpty());
        // a delete that did not happen says so: the screen keeps the text
        QCOMPARE(n.Excluir(kAna), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QCOMPARE(n.Salvar(kAna), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 2);
    }

    // Only the login's own notes (its letter case does not matter) whose text
    // holds the word in any letter case, by date; between two dates both
    // ends count.
    void searchFindsTheLoginsNotesHoldingTheWord_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("palavra");
        QTest::addColumn<bool>("entreDatas");
        QTest::addColumn<QStringList>("textos");
        QTest::newRow("any date, any letter case")
            << QStringLiteral("ANA") << QStringLiteral("reunião") << false
            << QStringList{QStringLiteral("1: Reunião com o síndico"), QStringLiteral("5: nova REUNIÃO"),
                           QStringLiteral("9: ata da reunião")};
        QTest::newRow("between dates, both ends included")
            << kAna << QStringLiteral("REUNIÃO") << true
            << QStringList{QStringLiteral("5: nova REUNIÃO"), QStringLiteral("9: ata da reunião")};
        QTest::newRow("the other user's notes")
            << kBia << QStringLiteral("reunião") << false << QStringList{QStringLiteral("3: reunião da Bia")};
        QTest::newRow("an empty word finds every note of the login")
            << kBia << QString() << false
            << QStringList{QStringLiteral("3: reunião da Bia"), QStringLiteral("4: compras")};
        QTest::newRow("nothing") << kAna << QStringLiteral("férias") << false << QStringList{};
    }
    void searchFindsTheLoginsNotesHoldingTheWord()
    {
        QFETCH(QString, login);
        QFETCH(QString, palavra);
        QFETCH(bool, entreDatas);
        QFETCH(QStringList, textos);
        const std::tuple<int, QString, QString> notas[] = {
            {9, kAna, QStringLiteral("9: ata da reunião")},
            {1, kAna, QStringLiteral("1: Reunião com o síndico")},
            {5, kAna, QStringLiteral("5: nova REUNIÃO")},
            {6, kAna, QStringLiteral("6: dentista")},
            {3, kBia, QStringLiteral("3: reunião da Bia")},
            {4, kBia, QStringLiteral("4: compras")},
        };
        for (const auto &[dia, dono, texto] : notas)
            QCOMPARE(nota(EncodeDate(2026, 3, dia), texto).Salvar(dono), Resultado::Gravado);
        m_seams.messages->clear();

        QList<TAnotacao> achadas{nota(m_dia, QStringLiteral("de antes"))};
        const quint64 antes = Database::statementCount();
        const DbResult r = entreDatas
                               ? TAnotacao::PesquisarEntre(db(), login, palavra, EncodeDate(2026, 3, 5),
                                                           EncodeDate(2026, 3, 9), achadas)
                               : TAnotacao::Pesquisar(db(), login, palavra, achadas);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QStringList lidos;
        for (const TAnotacao &n : std::as_const(achadas)) {
            lidos << n.Texto;
            // the day is the text's first number
            QCOMPARE(n.Data, EncodeDate(2026, 3, n.Texto.section(QLatin1Char(':'), 0, 0).toInt()));
        }
        QCOMPARE(lidos, textos);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // A failed search is an error, never "no notes", and says nothing itself.
    void withoutAConnectionTheSearchFails()
    {
        QCOMPARE(nota(m_dia, QStringLiteral("reunião")).Salvar(kAna), Resultado::Gravado);
        m_seams.messages->clear();
        Database semConexao;
        QList<TAnotacao> achadas{nota(m_dia, QStringLiteral("de antes"))};
        const DbResult r = TAnotacao::Pesquisar(semConexao, kAna, QStringLiteral("reunião"), achadas);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(achadas.isEmpty());
        achadas = {nota(m_dia, QStringLiteral("de antes"))};
        QVERIFY(!TAnotacao::PesquisarEntre(semConexao, kAna, QStringLiteral("reunião"), m_dia, m_dia, achadas)
                     .ok);
        QVERIFY(achadas.isEmpty());
        QVERIFY(m_seams.messages->shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTAnotacao)
#include "TestTAnotacao.moc"
