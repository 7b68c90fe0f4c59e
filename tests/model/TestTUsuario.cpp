// User accounts on a real database: insert, authenticate, load, change,
// the messages the user sees, and the removal list and removal.
#include "app/ProgramFolder.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/ErrorLog.h"
#include "model/TUsuario.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "util/TextUtils.h"
#include "util/Win1252.h"

#include <QFile>
#include <QtTest>

#include <algorithm>

using namespace DbHelpers;

namespace {
QString scrambled(const QString &typed)
{
    return ScrambleText(Win1252::toUpper(typed), 10);
}
} // namespace

class TestTUsuario : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

    bool inserir(const QString &login, const QString &password, int tipo = 1)
    {
        TUsuario u(db());
        u.Login = login;
        u.Senha = scrambled(password);
        u.Nome = QStringLiteral("Nome de ") + login;
        u.Email = login + QStringLiteral("@exemplo.com.br");
        u.Tipo = tipo;
        u.DataHora = 46364.5;
        return u.Inserir() == Resultado::Gravado;
    }
    bool autenticar(const QString &login, const QString &password, TUsuario *out = nullptr)
    {
        TUsuario u(db());
        u.Login = login;
        u.LoginAnterior = login;
        u.Senha = scrambled(password);
        const bool ok = u.Autenticar();
        if (out)
            *out = u;
        return ok;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
    }
    void init() { m_seams.messages->clear(); }
    void cleanupTestCase() { m_dm.reset(); }

    void insertStoresTheRowAndTellsTheUser()
    {
        QVERIFY(inserir(QStringLiteral("Maria"), QStringLiteral("abc")));
        QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Usuário Maria inserido com sucesso!")});
        // the password is held scrambled: ABC -> bytes 200, 199, 198
        TUsuario u(db());
        u.Login = QStringLiteral("Maria");
        QString senha;
        QVERIFY(u.Carregar(senha));
        QCOMPARE(Win1252::encodeLossy(senha), QByteArray("\xC8\xC7\xC6"));
        QCOMPARE(u.Email, QStringLiteral("Maria@exemplo.com.br"));
        QCOMPARE(u.Nome, QStringLiteral("Nome de Maria"));
        QCOMPARE(u.DataHora, 46364.5);
        // the sound files are always the defaults beside the program
        QCOMPARE(u.SomC, ProgramFolder() + QStringLiteral("Sons/default_compromissos.mid"));
        QCOMPARE(u.SomR, ProgramFolder() + QStringLiteral("Sons/default_recados.mid"));
        QCOMPARE(u.SomL, ProgramFolder() + QStringLiteral("Sons/default_lembretes.mid"));
    }

    void authenticationIgnoresLetterCase()
    {
        TUsuario u;
        QVERIFY(autenticar(QStringLiteral("maria"), QStringLiteral("ABC"), &u));
        QCOMPARE(u.Login, QStringLiteral("Maria")); // as stored
        QCOMPARE(u.Tipo, 1);
        QCOMPARE(u.Email, QStringLiteral("Maria@exemplo.com.br"));
        QVERIFY(autenticar(QStringLiteral("MARIA"), QStringLiteral("aBc")));
        TUsuario wrong;
        wrong.Nome = QStringLiteral("antes");
        QVERIFY(!autenticar(QStringLiteral("maria"), QStringLiteral("abd"), &wrong));
        QCOMPARE(wrong.Tipo, -1);
        QVERIFY(wrong.Email.isEmpty());
        QVERIFY(wrong.Senha.isEmpty());
        QCOMPARE(wrong.Login, QStringLiteral("maria"));
        QVERIFY(m_seams.messages->shown.isEmpty()); // no message: the start-up shows its own
    }

    void loadMatchesTheLoginExactly()
    {
        TUsuario u(db());
        u.Login = QStringLiteral("maria");
        u.Email = QStringLiteral("antigo");
        QString senha = QStringLiteral("x");
        QVERIFY(!u.Carregar(senha));
        QVERIFY(u.Email.isEmpty());
        QVERIFY(senha.isEmpty());
    }

    // Every printable ASCII character in a password must log in, including
    // those that scramble to bytes outside Windows-1252's letters (T -> µ,
    // * -> ß, | -> an unassigned byte).
    void everyPrintableCharacterAuthenticates()
    {
        QString all;
        for (char16_t c = 32; c < 127; ++c)
            all += QChar(c);
        for (int i = 0; i < all.size(); i += 9) {
            const QString login = QStringLiteral("u%1").arg(i);
            const QString password = all.mid(i, 9);
            QVERIFY2(inserir(login, password, 0),
                     qPrintable(password + QLatin1Char(' ') +
                                QString::fromLatin1(Win1252::encodeLossy(scrambled(password)).toHex())));
            QVERIFY2(autenticar(login, password.toLower()), qPrintable(password));
            QVERIFY2(!autenticar(login, password + QLatin1Char('x')), qPrintable(password));
        }
        for (const QString &p :
             {QStringLiteral("T"), QStringLiteral("*"), QStringLiteral("|"), QStringLiteral("ˆ")}) {
            const QString login = QStringLiteral("s") + QString::number(p[0].unicode());
            QVERIFY(inserir(login, p));
            QVERIFY2(autenticar(login, p), qPrintable(p));
        }
    }

    void aSecondInsertOfTheSameLoginChangesNothing()
    {
        QVERIFY(inserir(QStringLiteral("joao"), QStringLiteral("um")));
        m_seams.messages->clear();
        QVERIFY(!inserir(QStringLiteral("joao"), QStringLiteral("dois")));
        QVERIFY(!inserir(QStringLiteral("JOAO"), QStringLiteral("tres")));
        QCOMPARE(m_seams.messages->shown,
                 (QStringList{QStringLiteral("Login existente!"), QStringLiteral("Login existente!")}));
        QCOMPARE(count(db(), QStringLiteral("USUARIO"), QStringLiteral("UPPER(LOGIN) = 'JOAO'")), 1);
        QVERIFY(autenticar(QStringLiteral("joao"), QStringLiteral("um")));
        QVERIFY(!autenticar(QStringLiteral("joao"), QStringLiteral("tres")));
    }

    void renamingKeepsTheUsersRowsAndASecondChangeStillReachesIt()
    {
        QVERIFY(inserir(QStringLiteral("carla"), QStringLiteral("senha")));
        const int g = insertGrupo(db(), QStringLiteral("Da Carla"));
        const int pf =
            insertPessoaFisica(db(), QStringLiteral("Amiga da Carla"), g, QStringLiteral("carla"), 0);
        QVERIFY(exec(
            db(),
            QStringLiteral("INSERT INTO ANOTACAO (DATA, LOGIN, TEXTO) VALUES ('2026-12-08', 'carla', 'x')")));
        TUsuario u;
        QVERIFY(autenticar(QStringLiteral("carla"), QStringLiteral("senha"), &u));
        u = TUsuario(db());
        QVERIFY(autenticar(QStringLiteral("carla"), QStringLiteral("senha"), &u));
        m_seams.messages->clear();
        u.Login = QStringLiteral("carla2");
        QCOMPARE(u.Alterar(), Resultado::Gravado);
        QCOMPARE(m_seams.messages->shown.last(),
                 QStringLiteral("Dados do usuário carla2 alterados com sucesso!"));
        QCOMPARE(u.LoginAnterior, QStringLiteral("carla2"));
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA"),
                       QStringLiteral("IDENTIFICADOR = %1 AND LOGIN = 'carla2'").arg(pf)),
                 1);
        QCOMPARE(count(db(), QStringLiteral("ANOTACAO"), QStringLiteral("LOGIN = 'carla2'")), 1);
        u.Nome = QStringLiteral("Carla Segunda");
        QCOMPARE(u.Alterar(), Resultado::Gravado);
        QCOMPARE(scalar(db(), QStringLiteral("SELECT NOME FROM USUARIO WHERE LOGIN = 'carla2'")).toString(),
                 QStringLiteral("Carla Segunda"));
    }

    void anUpdateThatChangesNoRowIsAFailure()
    {
        TUsuario u(db());
        u.Login = QStringLiteral("fantasma");
        u.LoginAnterior = QStringLiteral("fantasma");
        QCOMPARE(u.Alterar(), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(!m_seams.messages->shown.first().contains(QStringLiteral("sucesso")));
        QCOMPARE(count(db(), QStringLiteral("USUARIO"), QStringLiteral("LOGIN = 'fantasma'")), 0);
    }

    void unknownErrorsAreShownAndLogged()
    {
        QFile::remove(ErrorLogPath());
        TUsuario u(db());
        u.Login = QStringLiteral("longo-demais-para-caber");
        u.Senha = scrambled(QStringLiteral("x"));
        QCOMPARE(u.Inserir(), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QString shown = m_seams.messages->shown.first();
        QVERIFY2(shown.startsWith(QStringLiteral("Erro Desconhecido ao Inserindo: \r\n")), qPrintable(shown));
        QCOMPARE(shown, shown.toUpper().replace(QStringLiteral("ERRO DESCONHECIDO AO INSERINDO"),
                                                QStringLiteral("Erro Desconhecido ao Inserindo")));
        QFile log(ErrorLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray line = log.readAll();
        QVERIFY2(line.startsWith("TUsuario  --  "), line.constData());
        QVERIFY(line.endsWith("\r\n"));
        QCOMPARE(line.count('\n'), 1);
    }

    void textOutsideTheCodePageGivesAClearMessage()
    {
        TUsuario u(db());
        u.Login = QStringLiteral("lukasz");
        u.Nome = QStringLiteral("Łukasz");
        u.Senha = scrambled(QStringLiteral("x"));
        QCOMPARE(u.Inserir(), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY2(m_seams.messages->shown.first().contains(QStringLiteral("Ł")),
                 qPrintable(m_seams.messages->shown.first()));
        QCOMPARE(count(db(), QStringLiteral("USUARIO"), QStringLiteral("LOGIN = 'lukasz'")), 0);
    }

    // Every other user, whatever the letter case of the login left out, by
    // login, with their names.
    void theOtherUsersAreListedByLogin_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("deixado");
        QTest::newRow("as stored") << QStringLiteral("Outra") << QStringLiteral("Outra");
        QTest::newRow("another letter case") << QStringLiteral("OUTRA") << QStringLiteral("Outra");
        QTest::newRow("no such login: everyone") << QStringLiteral("ninguem") << QString();
    }
    void theOtherUsersAreListedByLogin()
    {
        QFETCH(QString, login);
        QFETCH(QString, deixado);
        for (const QString &l : {QStringLiteral("Outra"), QStringLiteral("zeca"), QStringLiteral("Beto")})
            if (count(db(), QStringLiteral("USUARIO"), QStringLiteral("LOGIN = '%1'").arg(l)) == 0)
                QVERIFY(inserir(l, QStringLiteral("x")));
        m_seams.messages->clear();
        QStringList esperados;
        QHash<QString, QString> nomes;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT LOGIN, NOME FROM USUARIO"));
            q.open();
            while (q.next()) {
                nomes.insert(q.field(0).asString(), q.field(1).asString());
                if (q.field(0).asString() != deixado)
                    esperados << q.field(0).asString();
            }
        });
        QVERIFY(esperados.size() >= 2);

        QList<TUsuario> usuarios{TUsuario(db())};
        const quint64 antes = Database::statementCount();
        const DbResult r = TUsuario::Outros(db(), login, usuarios);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QStringList lidos;
        for (const TUsuario &u : std::as_const(usuarios)) {
            lidos << u.Login;
            QCOMPARE(u.Nome, nomes.value(u.Login));
        }
        // in the column's order, which is that of the bytes
        std::sort(esperados.begin(), esperados.end(), [](const QString &a, const QString &b) {
            return Win1252::encodeLossy(a) < Win1252::encodeLossy(b);
        });
        QCOMPARE(lidos, esperados);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // The removal deletes exactly that login; the database refuses while the
    // user still owns persons, and nothing is shown either way.
    void removalDeletesExactlyThatLogin()
    {
        QVERIFY(inserir(QStringLiteral("saindo"), QStringLiteral("x")));
        QVERIFY(inserir(QStringLiteral("dono"), QStringLiteral("x")));
        const int g = insertGrupo(db(), QStringLiteral("Do Dono"));
        QVERIFY(insertPessoaFisica(db(), QStringLiteral("Amigo do Dono"), g, QStringLiteral("dono"), 0) > 0);
        m_seams.messages->clear();
        auto existe = [&](const QString &login) {
            return count(db(), QStringLiteral("USUARIO"), QStringLiteral("LOGIN = '%1'").arg(login)) == 1;
        };

        TUsuario u(db());
        u.Login = QStringLiteral("SAINDO"); // the login as stored, letter case included
        QVERIFY(u.Excluir().ok);
        QVERIFY(existe(QStringLiteral("saindo")));
        u.Login = QStringLiteral("saindo");
        QVERIFY(u.Excluir().ok);
        QVERIFY(!existe(QStringLiteral("saindo")));

        u.Login = QStringLiteral("dono");
        const DbResult recusada = u.Excluir();
        QVERIFY(!recusada.ok);
        QVERIFY(!recusada.error.isEmpty());
        QVERIFY(existe(QStringLiteral("dono")));

        Database semConexao;
        TUsuario desligado(semConexao);
        desligado.Login = QStringLiteral("Outra");
        QVERIFY(!desligado.Excluir().ok);
        QList<TUsuario> usuarios{TUsuario(db())};
        QVERIFY(!TUsuario::Outros(semConexao, QStringLiteral("dono"), usuarios).ok);
        QVERIFY(usuarios.isEmpty());
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void montaMensagemErro_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("expected");
        QTest::newRow("duplicate login") << QStringLiteral("violation of PRIMARY or UNIQUE KEY constraint")
                                         << QStringLiteral("TUsuario") << QStringLiteral("Login existente!");
        QTest::newRow("other class")
            << QStringLiteral("violation of PRIMARY or UNIQUE KEY constraint") << QStringLiteral("TGrupo")
            << QStringLiteral(
                   "Erro Desconhecido ao Inserindo: \r\nVIOLATION OF PRIMARY OR UNIQUE KEY CONSTRAINT");
        QTest::newRow("accented") << QStringLiteral("não é possível") << QStringLiteral("TUsuario")
                                  << QStringLiteral("Erro Desconhecido ao Inserindo: \r\nNÃO É POSSÍVEL");
    }
    void montaMensagemErro()
    {
        QFETCH(QString, message);
        QFETCH(QString, className);
        QFETCH(QString, expected);
        QCOMPARE(MontaMensagemErro(message, className, QStringLiteral("Inserindo")), expected);
    }
};

QTEST_GUILESS_MAIN(TestTUsuario)
#include "TestTUsuario.moc"
