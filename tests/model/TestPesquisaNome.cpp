// The name searches of individuals and companies on a real database with
// two users' private and public rows: what each search finds and in which
// order, the rows holding what the grids show, one statement per search,
// and failures that are errors instead of empty lists.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/PesquisaNome.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"

#include <QtTest>

using namespace DbHelpers;

namespace {
const QString kAna = QStringLiteral("ana");
const QString kBia = QStringLiteral("bia");
const QString kPF = QStringLiteral("PESSOAFISICA");
const QString kPJ = QStringLiteral("PESSOAJURIDICA");
} // namespace

class TestPesquisaNome : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_amigos = 0;
    int m_clube = 10007;            // five digits: the code travels as a number
    QMultiHash<QString, int> m_ids; // "PESSOAFISICA:Ana Maria" -> identifier
    Database &db() { return m_dm->BancoDados; }

    int guardar(const QString &tabela, const QString &nome, int grupo, const QString &login, int publica,
                const QVariantMap &colunas = {})
    {
        const int id = tabela == kPF ? insertPessoaFisica(db(), nome, grupo, login, publica)
                                     : insertPessoaJuridica(db(), nome, grupo, login, publica);
        for (auto it = colunas.begin(); it != colunas.end(); ++it)
            if (!exec(db(),
                      QStringLiteral("UPDATE %1 SET %2 = :V WHERE IDENTIFICADOR = :I").arg(tabela, it.key()),
                      {{QStringLiteral("V"), it.value()}, {QStringLiteral("I"), id}}))
                return 0;
        m_ids.insert(tabela + QLatin1Char(':') + nome, id);
        return id;
    }
    static PesquisaNome pesquisa(PesquisaNome::Por por, const QString &texto, const QString &login,
                                 int grupo = 0)
    {
        PesquisaNome p;
        p.Criterio = por;
        p.Texto = texto;
        p.Grupo = grupo;
        p.Login = login;
        return p;
    }
    // The names found, in the statement's order; each record's identifier
    // must be its row's, and the same name twice comes by identifier.
    QStringList nomes(const QString &tabela, const QList<PessoaEncontrada> &achadas)
    {
        QStringList out;
        for (qsizetype i = 0; i < achadas.size(); ++i) {
            const PessoaEncontrada &p = achadas.at(i);
            out << p.Nome;
            if (!m_ids.values(tabela + QLatin1Char(':') + p.Nome).contains(p.Identificador))
                out << QStringLiteral("(identificador errado)");
            if (i > 0 && achadas.at(i - 1).Nome == p.Nome &&
                achadas.at(i - 1).Identificador > p.Identificador)
                out << QStringLiteral("(fora de ordem)");
        }
        return out;
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
        m_amigos = insertGrupo(db(), QStringLiteral("Amigos"));
        QVERIFY(m_amigos > 0);
        QVERIFY(
            exec(db(), QStringLiteral("INSERT INTO GRUPO (COD_GRUPO, NOME_GRUPO) VALUES (10007, 'Clube')")));

        for (const QString &t : {kPF, kPJ}) {
            const QVariantMap aninha{{QStringLiteral("APELIDO"), QStringLiteral("Aninha")}};
            const bool pf = t == kPF;
            QVERIFY(guardar(t, QStringLiteral("Ana Maria"), m_amigos, kAna, 0, pf ? aninha : QVariantMap()));
            QVERIFY(guardar(t, QStringLiteral("Mariana"), m_amigos, kBia, 1,
                            pf ? QVariantMap{{QStringLiteral("APELIDO"), QStringLiteral("Mari")}}
                               : QVariantMap()));
            QVERIFY(guardar(t, QStringLiteral("Juliana Escondida"), m_amigos, kBia, 0,
                            pf ? aninha : QVariantMap()));
            QVERIFY(guardar(t, QStringLiteral("Kátia Souza"), m_clube, kAna, 0));
            QVERIFY(guardar(t, QStringLiteral("Katia Lima"), m_amigos, kBia, 1));
            QVERIFY(guardar(t, QStringLiteral("Catia Reis"), m_clube, kBia, 1));
            QVERIFY(guardar(t, QStringLiteral("Cátia Oculta"), m_clube, kBia, 0));
            // the same name twice: the identifier orders them
            QVERIFY(guardar(t, QStringLiteral("Marta Dias"), m_amigos, kBia, 1));
            QVERIFY(guardar(t, QStringLiteral("Marta Dias"), m_clube, kAna, 0));
        }
    }
    void init() { m_seams.messages->clear(); }
    void cleanupTestCase() { m_dm.reset(); }

    // "Juliana Escondida" and "Cátia Oculta" are bia's and private;
    // "Ana Maria", "Kátia Souza" and one "Marta Dias" are ana's and private.
    void findsWhatTheLoginMaySee_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<int>("por");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QStringList>("achados");
        const int nome = int(PesquisaNome::Por::Nome), fonetica = int(PesquisaNome::Por::Fonetica),
                  apelido = int(PesquisaNome::Por::Apelido), grupo = int(PesquisaNome::Por::Grupo);
        const QStringList anaNaAna{QStringLiteral("Ana Maria"), QStringLiteral("Mariana")};
        const QStringList katias{QStringLiteral("Catia Reis"), QStringLiteral("Katia Lima"),
                                 QStringLiteral("Kátia Souza")};
        const QStringList clubeDaAna{QStringLiteral("Catia Reis"), QStringLiteral("Kátia Souza"),
                                     QStringLiteral("Marta Dias")};
        for (const QString &t : {kPF, kPJ}) {
            const char *k = t == kPF ? "individuals" : "companies";
            QTest::addRow("%s: part of the name, any case", k) << t << nome << "ana" << kAna << anaNaAna;
            QTest::addRow("%s: the login in another case", k)
                << t << nome << "ANA" << QStringLiteral("ANA") << anaNaAna;
            QTest::addRow("%s: another login", k)
                << t << nome << "ana" << kBia
                << QStringList{QStringLiteral("Juliana Escondida"), QStringLiteral("Mariana")};
            QTest::addRow("%s: the same name twice, by identifier", k)
                << t << nome << "marta" << kAna
                << QStringList{QStringLiteral("Marta Dias"), QStringLiteral("Marta Dias")};
            QTest::addRow("%s: another login's private namesake left out", k)
                << t << nome << "marta" << kBia << QStringList{QStringLiteral("Marta Dias")};
            QTest::addRow("%s: an empty name finds all visible", k)
                << t << nome << "" << kAna
                << QStringList{QStringLiteral("Ana Maria"),  QStringLiteral("Catia Reis"),
                               QStringLiteral("Katia Lima"), QStringLiteral("Kátia Souza"),
                               QStringLiteral("Mariana"),    QStringLiteral("Marta Dias"),
                               QStringLiteral("Marta Dias")};
            QTest::addRow("%s: by sound", k) << t << fonetica << "Kátia" << kAna << katias;
            QTest::addRow("%s: by sound, a quote", k) << t << fonetica << "D'Ávila" << kAna << QStringList{};
            QTest::addRow("%s: by group", k) << t << grupo << "" << kAna << clubeDaAna;
            QTest::addRow("%s: nothing", k) << t << nome << "zzz" << kAna << QStringList{};
        }
        QTest::newRow("individuals: part of the nickname")
            << kPF << apelido << "nin" << kAna << QStringList{QStringLiteral("Ana Maria")};
        QTest::newRow("individuals: the nickname, another login")
            << kPF << apelido << "NIN" << kBia << QStringList{QStringLiteral("Juliana Escondida")};
    }
    void findsWhatTheLoginMaySee()
    {
        QFETCH(QString, tabela);
        QFETCH(int, por);
        QFETCH(QString, texto);
        QFETCH(QString, login);
        QFETCH(QStringList, achados);
        const auto criterio = PesquisaNome::Por(por);
        const PesquisaNome p = pesquisa(criterio, texto, login, m_clube);
        QList<PessoaEncontrada> lidas{PessoaEncontrada{}}; // the last search's rows go
        const quint64 antes = Database::statementCount();
        const DbResult r = tabela == kPF ? p.Fisicas(db(), lidas) : p.Juridicas(db(), lidas);
        const QStringList lidos = nomes(tabela, lidas);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(lidos, achados);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // Each row holds what its grid shows; a text many rows repeat (the
    // owner's login, the form of address) is one buffer they all share.
    void rowsHoldWhatTheGridsShow()
    {
        QVERIFY(exec(db(), QStringLiteral("UPDATE PESSOAFISICA SET TRATAMENTO = 'Sra.', APELIDO = 'Katita', "
                                          "FONE_RESIDENCIAL = '1132451234', GUIA = 1, CPF = '11144477735' "
                                          "WHERE NOME = 'Kátia Souza'")));
        QVERIFY(
            exec(db(), QStringLiteral("UPDATE PESSOAFISICA SET TRATAMENTO = 'Sra.' WHERE NOME = 'Mariana'")));
        QVERIFY(exec(db(), QStringLiteral("UPDATE PESSOAJURIDICA SET FONE = '1132451234', FONE_FAX = "
                                          "'1132455678', GUIA = 1 WHERE NOME = 'Kátia Souza'")));
        const PesquisaNome todas = pesquisa(PesquisaNome::Por::Nome, QString(), kAna);
        QList<PessoaEncontrada> pessoas, empresas;
        QVERIFY(todas.Fisicas(db(), pessoas).ok);
        QVERIFY(todas.Juridicas(db(), empresas).ok);
        auto achada = [](const QList<PessoaEncontrada> &l, const QString &nome) {
            return *std::find_if(l.cbegin(), l.cend(),
                                 [&](const PessoaEncontrada &e) { return e.Nome == nome; });
        };

        const PessoaEncontrada f = achada(pessoas, QStringLiteral("Kátia Souza"));
        QCOMPARE(f.Identificador, m_ids.value(kPF + QStringLiteral(":Kátia Souza")));
        QCOMPARE(f.Tratamento, QStringLiteral("Sra."));
        QCOMPARE(f.Apelido, QStringLiteral("Katita"));
        QCOMPARE(f.Fone, QStringLiteral("1132451234"));
        QCOMPARE(f.Login, kAna);
        QCOMPARE(f.Guia, 1);
        QCOMPARE(achada(pessoas, QStringLiteral("Katia Lima")).Guia, 0);

        const PessoaEncontrada j = achada(empresas, QStringLiteral("Kátia Souza"));
        QCOMPARE(j.Identificador, m_ids.value(kPJ + QStringLiteral(":Kátia Souza")));
        QCOMPARE(j.Fone, QStringLiteral("1132451234"));
        QCOMPARE(j.FoneFax, QStringLiteral("1132455678"));
        QCOMPARE(j.Login, kAna);
        QCOMPARE(j.Guia, 1);
        QVERIFY(j.Tratamento.isEmpty() && j.Apelido.isEmpty());

        for (const QList<PessoaEncontrada> *l : {&pessoas, &empresas}) {
            QHash<QString, const QChar *> buffers;
            for (const PessoaEncontrada &e : *l) {
                for (const QString *s : {&e.Login, &e.Tratamento}) {
                    if (s->isEmpty())
                        continue;
                    const QChar *&buffer = buffers[*s];
                    if (!buffer)
                        buffer = s->constData();
                    QVERIFY2(buffer == s->constData(), qPrintable(*s));
                }
            }
            QVERIFY(buffers.contains(kAna) && buffers.contains(kBia));
        }
        QVERIFY(achada(pessoas, QStringLiteral("Mariana")).Tratamento.constData() ==
                f.Tratamento.constData());
    }

    // A failed search is an error and leaves no list behind: not the rows
    // read before it, not the last search's.
    void failuresAreErrorsNotEmptyLists_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<int>("por");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("conectado");
        QTest::addColumn<bool>("recusada");
        QTest::addColumn<quint64>("comandos");
        const int nome = int(PesquisaNome::Por::Nome), apelido = int(PesquisaNome::Por::Apelido);
        QTest::newRow("individuals without a connection")
            << kPF << nome << "ana" << false << false << quint64(0);
        QTest::newRow("companies without a connection")
            << kPJ << nome << "ana" << false << false << quint64(0);
        QTest::newRow("a name Windows-1252 cannot hold")
            << kPF << nome << QStringLiteral("ana \u4e2d") << true << true << quint64(0);
        QTest::newRow("companies have no nickname") << kPJ << apelido << "ana" << true << true << quint64(0);
    }
    void failuresAreErrorsNotEmptyLists()
    {
        QFETCH(QString, tabela);
        QFETCH(int, por);
        QFETCH(QString, texto);
        QFETCH(bool, conectado);
        QFETCH(bool, recusada);
        QFETCH(quint64, comandos);
        Database semConexao;
        Database &banco = conectado ? db() : semConexao;
        const PesquisaNome p = pesquisa(PesquisaNome::Por(por), texto, kAna);
        const quint64 antes = Database::statementCount();
        QList<PessoaEncontrada> lidas{PessoaEncontrada{}};
        const DbResult r = tabela == kPF ? p.Fisicas(banco, lidas) : p.Juridicas(banco, lidas);
        const qsizetype restantes = lidas.size();
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(r.recusado, recusada);
        QCOMPARE(restantes, qsizetype(0));
        QCOMPARE(Database::statementCount() - antes, comandos);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // Each kind's statements read only the grids' columns; companies have no
    // nickname search.
    void theStatements()
    {
        using Por = PesquisaNome::Por;
        for (const Por por : {Por::Fonetica, Por::Nome, Por::Apelido, Por::Grupo}) {
            const QString pf = PesquisaNome::ComandoFisicas(por);
            const QString pj = PesquisaNome::ComandoJuridicas(por);
            QVERIFY(pf.startsWith(QStringLiteral("SELECT P.IDENTIFICADOR, P.TRATAMENTO, P.NOME, P.APELIDO, "
                                                 "P.FONE_RESIDENCIAL, P.LOGIN, P.GUIA FROM PESSOAFISICA P, "
                                                 "GRUPO G WHERE ")));
            QVERIFY(pf.endsWith(QStringLiteral("ORDER BY NOME, IDENTIFICADOR ")));
            if (por == Por::Apelido) {
                QVERIFY(pj.isEmpty());
                continue;
            }
            QVERIFY(
                pj.startsWith(QStringLiteral("SELECT P.IDENTIFICADOR, P.NOME, P.FONE, P.FONE_FAX, P.LOGIN, "
                                             "P.GUIA FROM PESSOAJURIDICA P, GRUPO G WHERE ")));
            QVERIFY(pj.endsWith(QStringLiteral("ORDER BY NOME, IDENTIFICADOR ")));
        }
    }
};

QTEST_GUILESS_MAIN(TestPesquisaNome)
#include "TestPesquisaNome.moc"
