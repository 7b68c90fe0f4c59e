// What individuals and companies share, on a real database: the similar-names
// lookup, the duplicate-name warning of inserts and changes, making a login's
// persons public, texts the row cannot hold, and the names a login may see.
#include "data/Database.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/TPessoaFisica.h"
#include "model/TPessoaJuridica.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "util/Win1252.h"

#include <QtTest>

using namespace DbHelpers;

namespace {
const QString kAna = QStringLiteral("ana");
const QString kBia = QStringLiteral("bia");
const QString kPF = QStringLiteral("PESSOAFISICA");
const QString kPJ = QStringLiteral("PESSOAJURIDICA");
const QString kContinuar = QStringLiteral("\r\nDeseja continuar com o cadastro?");
const QString kUmaFisica = QStringLiteral("Já temos uma pessoa física cadastrada com este nome:\r\n");
const QString kVariasFisicas =
    QStringLiteral("Já temos as seguintes pessoas físicas cadastradas com este nome:\r\n");
const QString kUmaJuridica = QStringLiteral("Já temos uma pessoa jurídica cadastrada com este nome:\r\n");
const QString kUmaJuridicaSemAcento =
    QStringLiteral("Já temos uma pessoa juridica cadastrada com este nome:\r\n");
const QString kVariasJuridicas =
    QStringLiteral("Já temos as seguintes pessoas jurídicas cadastradas com este nome:\r\n");
} // namespace

class TestTPessoa : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_grupo = 0;
    Database &db() { return m_dm->BancoDados; }

    // A new record of the kind stored in `tabela`, ready to insert.
    std::unique_ptr<TPessoa> pessoa(const QString &tabela, const QString &nome)
    {
        std::unique_ptr<TPessoa> p;
        if (tabela == kPF)
            p = std::make_unique<TPessoaFisica>(db());
        else
            p = std::make_unique<TPessoaJuridica>(db());
        p->Nome = nome;
        p->Login = kAna;
        p->Publica = 1;
        p->Grupo.Codigo = m_grupo;
        return p;
    }
    static Resultado inserir(TPessoa &p)
    {
        if (auto *f = dynamic_cast<TPessoaFisica *>(&p))
            return f->Inserir();
        return dynamic_cast<TPessoaJuridica &>(p).Inserir();
    }
    static Resultado alterar(TPessoa &p)
    {
        if (auto *f = dynamic_cast<TPessoaFisica *>(&p))
            return f->Alterar();
        return dynamic_cast<TPessoaJuridica &>(p).Alterar();
    }
    // A stored row, written behind the record classes' back.
    int guardar(const QString &tabela, const QString &nome, const QString &login = kAna, int publica = 0)
    {
        return tabela == kPF ? insertPessoaFisica(db(), nome, m_grupo, login, publica)
                             : insertPessoaJuridica(db(), nome, m_grupo, login, publica);
    }
    QStringList nomes(const QString &tabela)
    {
        QStringList out;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t,
                    QStringLiteral("SELECT NOME FROM ") + tabela + QStringLiteral(" ORDER BY IDENTIFICADOR"));
            q.open();
            while (q.next())
                out << q.field(0).asString();
        });
        return out;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY2(db().isConnected(), qPrintable(m_seams.messages->shown.join(QStringLiteral(" / "))));
        QVERIFY(insertUsuario(db(), kAna));
        QVERIFY(insertUsuario(db(), kBia));
        m_grupo = insertGrupo(db(), QStringLiteral("Amigos"));
        QVERIFY(m_grupo > 0);
    }
    void init()
    {
        m_seams.messages->clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA")));
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAJURIDICA")));
    }
    void cleanupTestCase() { m_dm.reset(); }

    // Each kind reads its own table; accents and letter case do not matter.
    void theLookupReadsTheTableOfItsKind()
    {
        guardar(kPF, QStringLiteral("Luiz"));
        guardar(kPF, QStringLiteral("Carlos"));
        guardar(kPJ, QStringLiteral("LUIS"));
        QCOMPARE(pessoa(kPF, QStringLiteral("luís"))->NomesSemelhantes(),
                 QStringList{QStringLiteral("Luiz")});
        QCOMPARE(pessoa(kPJ, QStringLiteral("luís"))->NomesSemelhantes(),
                 QStringList{QStringLiteral("LUIS")});
        QVERIFY(pessoa(kPF, QStringLiteral("Xavier"))->NomesSemelhantes().isEmpty());
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // The name travels as a parameter: quotes reach the sound function as typed.
    void namesWithQuotesAreLookedUpAsTyped_data()
    {
        QTest::addColumn<QString>("guardado");
        QTest::addColumn<QString>("nome");
        QTest::newRow("apostrophe") << QStringLiteral("O'Neil") << QStringLiteral("O'Neil");
        QTest::newRow("apostrophe joins the word") << QStringLiteral("Davila") << QStringLiteral("D'Ávila");
        QTest::newRow("two apostrophes") << QStringLiteral("Sant''Anna") << QStringLiteral("Sant'Ana");
        QTest::newRow("what a pasted literal would break on")
            << QStringLiteral("Ana') OR (1=1") << QStringLiteral("Ana') OR (1=1");
    }
    void namesWithQuotesAreLookedUpAsTyped()
    {
        QFETCH(QString, guardado);
        QFETCH(QString, nome);
        guardar(kPF, QStringLiteral("Ana"));
        guardar(kPF, guardado);
        bool ok = false;
        QCOMPARE(pessoa(kPF, nome)->NomesSemelhantes(&ok), QStringList{guardado});
        QVERIFY(ok);

        // and the insert that asks about it stores the name as typed
        m_seams.messages->answers << true;
        auto p = pessoa(kPF, nome);
        QCOMPARE(inserir(*p), Resultado::Gravado);
        QCOMPARE(m_seams.messages->questions,
                 QStringList{kUmaFisica + guardado + QStringLiteral("\r\n") + kContinuar});
        QCOMPARE(nomes(kPF).last(), nome);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // One box, the right header for kind and operation, the names in name order.
    void oneQuestionListsEverySimilarName_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<bool>("alterando");
        QTest::addColumn<QStringList>("guardados");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("pergunta");
        const QStringList terezas = {QStringLiteral("Thereza"), QStringLiteral("Tereza"),
                                     QStringLiteral("Theresa"), QStringLiteral("Terezza"),
                                     QStringLiteral("Teresa")};
        const QString cinco = QStringLiteral("Teresa\r\nTereza\r\nTerezza\r\nTheresa\r\nThereza\r\n");
        QTest::newRow("individual, insert, one name")
            << kPF << false << QStringList{QStringLiteral("Souza")} << QStringLiteral("Sousa")
            << kUmaFisica + QStringLiteral("Souza\r\n") + kContinuar;
        QTest::newRow("individual, insert, two names")
            << kPF << false << QStringList{QStringLiteral("Luiz"), QStringLiteral("Luis")}
            << QStringLiteral("Luís") << kVariasFisicas + QStringLiteral("Luis\r\nLuiz\r\n") + kContinuar;
        QTest::newRow("individual, insert, five names")
            << kPF << false << terezas << QStringLiteral("TEREZA") << kVariasFisicas + cinco + kContinuar;
        QTest::newRow("individual, change, one name")
            << kPF << true << QStringList{QStringLiteral("Souza")} << QStringLiteral("Sousa")
            << kUmaFisica + QStringLiteral("Souza\r\n") + kContinuar;
        QTest::newRow("individual, change, two names")
            << kPF << true << QStringList{QStringLiteral("Luiz"), QStringLiteral("Luis")}
            << QStringLiteral("Luís") << kVariasFisicas + QStringLiteral("Luis\r\nLuiz\r\n") + kContinuar;
        QTest::newRow("company, insert, one name")
            << kPJ << false << QStringList{QStringLiteral("Souza")} << QStringLiteral("Sousa")
            << kUmaJuridica + QStringLiteral("Souza\r\n") + kContinuar;
        QTest::newRow("company, insert, five names")
            << kPJ << false << terezas << QStringLiteral("Tereza") << kVariasJuridicas + cinco + kContinuar;
        QTest::newRow("company, change, one name: the header without accent")
            << kPJ << true << QStringList{QStringLiteral("Souza")} << QStringLiteral("Sousa")
            << kUmaJuridicaSemAcento + QStringLiteral("Souza\r\n") + kContinuar;
        QTest::newRow("company, change, two names")
            << kPJ << true << QStringList{QStringLiteral("Luiz"), QStringLiteral("Luis")}
            << QStringLiteral("Luís") << kVariasJuridicas + QStringLiteral("Luis\r\nLuiz\r\n") + kContinuar;
    }
    void oneQuestionListsEverySimilarName()
    {
        QFETCH(QString, tabela);
        QFETCH(bool, alterando);
        QFETCH(QStringList, guardados);
        QFETCH(QString, nome);
        QFETCH(QString, pergunta);
        for (const QString &g : guardados)
            guardar(tabela, g);
        auto p = pessoa(tabela, alterando ? QStringLiteral("Carlos") : nome);
        if (alterando) {
            QCOMPARE(inserir(*p), Resultado::Gravado);
            p->Nome = nome;
        }
        QVERIFY(m_seams.messages->questions.isEmpty());

        m_seams.messages->answers << true;
        QCOMPARE(alterando ? alterar(*p) : inserir(*p), Resultado::Gravado);
        QCOMPARE(m_seams.messages->questions, QStringList{pergunta});
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // No writes nothing and says so to the caller; Yes writes.
    void theAnswerDecides_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<bool>("alterando");
        QTest::addColumn<bool>("sim");
        for (const QString &tabela : {kPF, kPJ})
            for (const bool alterando : {false, true})
                for (const bool sim : {false, true})
                    QTest::addRow("%s, %s, %s", tabela == kPF ? "individual" : "company",
                                  alterando ? "change" : "insert", sim ? "Yes" : "No")
                        << tabela << alterando << sim;
    }
    void theAnswerDecides()
    {
        QFETCH(QString, tabela);
        QFETCH(bool, alterando);
        QFETCH(bool, sim);
        guardar(tabela, QStringLiteral("Luiz"));
        guardar(tabela, QStringLiteral("Luis"));
        auto p = pessoa(tabela, alterando ? QStringLiteral("Carlos") : QStringLiteral("Luís"));
        if (alterando) {
            QCOMPARE(inserir(*p), Resultado::Gravado);
            p->Nome = QStringLiteral("Luís");
        }
        const QStringList antes = nomes(tabela);

        m_seams.messages->answers << sim;
        QCOMPARE(alterando ? alterar(*p) : inserir(*p), sim ? Resultado::Gravado : Resultado::Recusado);
        QCOMPARE(m_seams.messages->questions.size(), 1);
        QVERIFY(m_seams.messages->shown.isEmpty());
        QStringList depois = antes;
        if (sim && alterando)
            depois.last() = QStringLiteral("Luís");
        else if (sim)
            depois << QStringLiteral("Luís");
        QCOMPARE(nomes(tabela), depois);
    }

    void aNameNobodyMatchesAsksNothing_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::newRow("individual") << kPF;
        QTest::newRow("company") << kPJ;
    }
    void aNameNobodyMatchesAsksNothing()
    {
        QFETCH(QString, tabela);
        guardar(tabela, QStringLiteral("Tereza"));
        auto p = pessoa(tabela, QStringLiteral("Xavier"));
        QCOMPARE(inserir(*p), Resultado::Gravado);
        QVERIFY(m_seams.messages->questions.isEmpty());
        QCOMPARE(nomes(tabela).size(), 2);
    }

    // The change compares the name with the one the screen showed, exactly:
    // another field alone runs no lookup at all, a change of letter case
    // runs it (and finds the person itself under its stored name).
    void onlyARenamedPersonIsLookedUp_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<QString>("novoNome");
        QTest::addColumn<bool>("consulta");
        for (const QString &tabela : {kPF, kPJ}) {
            const char *tipo = tabela == kPF ? "individual" : "company";
            QTest::addRow("%s, telephone only", tipo) << tabela << QStringLiteral("maria silva") << false;
            QTest::addRow("%s, letter case only", tipo) << tabela << QStringLiteral("Maria Silva") << true;
        }
    }
    void onlyARenamedPersonIsLookedUp()
    {
        QFETCH(QString, tabela);
        QFETCH(QString, novoNome);
        QFETCH(bool, consulta);
        auto p = pessoa(tabela, QStringLiteral("maria silva"));
        QCOMPARE(inserir(*p), Resultado::Gravado);
        p->NomeAntigo = QStringLiteral("maria silva"); // as the entry screen sets it
        p->Nome = novoNome;
        if (auto *f = dynamic_cast<TPessoaFisica *>(p.get()))
            f->FoneResidencial = QStringLiteral("1133334444");
        else
            dynamic_cast<TPessoaJuridica &>(*p).Fone = QStringLiteral("1133334444");

        if (consulta)
            m_seams.messages->answers << true;
        const quint64 antes = Database::statementCount();
        QCOMPARE(alterar(*p), Resultado::Gravado);
        // the UPDATE, and the lookup when the name changed
        QCOMPARE(Database::statementCount() - antes, quint64(consulta ? 2 : 1));
        QVERIFY(m_seams.messages->unexpected.isEmpty());
        if (consulta)
            QCOMPARE(m_seams.messages->questions.value(0),
                     (tabela == kPF ? kUmaFisica : kUmaJuridicaSemAcento) +
                         QStringLiteral("maria silva\r\n") + kContinuar);
        QCOMPARE(nomes(tabela), QStringList{novoNome});

        // the stored name is now the one to compare with: a second change asks nothing
        m_seams.messages->clear();
        QCOMPARE(alterar(*p), Resultado::Gravado);
        QVERIFY(m_seams.messages->questions.isEmpty());
    }

    // A lookup that fails shows the name, the statement and the error, and
    // the write does not go on without its warning.
    void aFailedLookupStopsTheWrite_data()
    {
        QTest::addColumn<bool>("conectado");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("erro");
        QTest::newRow("no connection") << false << QStringLiteral("Luís") << QString();
        QTest::newRow("longer than the sound function takes")
            << true << QString(1001, QLatin1Char('a')) << QStringLiteral("truncation");
    }
    void aFailedLookupStopsTheWrite()
    {
        QFETCH(bool, conectado);
        QFETCH(QString, nome);
        QFETCH(QString, erro);
        Database semConexao;
        TPessoaFisica p(conectado ? db() : semConexao);
        p.Nome = nome;
        bool ok = true;
        QVERIFY(p.NomesSemelhantes(&ok).isEmpty());
        QVERIFY(!ok);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QString prefixo = nome + QStringLiteral("\r\nSELECT * FROM PESSOAFISICA WHERE F_NOME = "
                                                      "SOUNDEX(:NOME) ORDER BY NOME\r\n");
        QVERIFY2(m_seams.messages->shown.first().startsWith(prefixo),
                 qPrintable(m_seams.messages->shown.first()));
        QVERIFY(m_seams.messages->shown.first().size() > prefixo.size());
        QVERIFY(m_seams.messages->shown.first().contains(erro));

        if (conectado)
            return; // the insert refuses this name before any lookup (see TestTPessoaFisica)
        m_seams.messages->clear();
        p.Login = kAna;
        QCOMPARE(p.Inserir(), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1); // the lookup's, not a second one from the insert
        QVERIFY(m_seams.messages->shown.first().startsWith(prefixo));
        QVERIFY(m_seams.messages->questions.isEmpty());
    }

    void makingPublicTouchesExactlyThatLogin()
    {
        const int anaPF = guardar(kPF, QStringLiteral("da Ana"), kAna, 0);
        const int anaPJ = guardar(kPJ, QStringLiteral("da Ana Ltda"), kAna, 0);
        const int biaPF = guardar(kPF, QStringLiteral("da Bia"), kBia, 0);
        const int biaPJ = guardar(kPJ, QStringLiteral("da Bia Ltda"), kBia, 0);
        auto publica = [&](const QString &tabela, int id) {
            return scalar(db(), QStringLiteral("SELECT PUBLICA FROM ") + tabela +
                                    QStringLiteral(" WHERE IDENTIFICADOR = ") + QString::number(id))
                .toInt();
        };
        auto p = pessoa(kPF, QString());
        // the login compares as stored: another letter case is another login
        QCOMPARE(p->TornarPublicas(QStringLiteral("ANA")), Resultado::Gravado);
        QCOMPARE(publica(kPF, anaPF) + publica(kPJ, anaPJ), 0);

        QCOMPARE(p->TornarPublicas(kAna), Resultado::Gravado);
        QCOMPARE(publica(kPF, anaPF), 1);
        QCOMPARE(publica(kPJ, anaPJ), 1);
        QCOMPARE(publica(kPF, biaPF), 0);
        QCOMPARE(publica(kPJ, biaPJ), 0);
        QVERIFY(m_seams.messages->shown.isEmpty());

        // a failure is rolled back without a word, and the caller is told
        Database semConexao;
        QCOMPARE(TPessoaJuridica(semConexao).TornarPublicas(kBia), Resultado::Falhou);
        QVERIFY(m_seams.messages->shown.isEmpty());
        QCOMPARE(publica(kPF, biaPF), 0);
    }

    // The entry screens' name list: each name once, in order, from the
    // table of the record's kind, the login's own rows (any letter case)
    // and the public ones.
    void theNamesALoginMaySee_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<QString>("login");
        QTest::addColumn<QStringList>("vistos");
        const QStringList daAna{QStringLiteral("Bruno"), QStringLiteral("Carla")};
        QTest::newRow("individuals") << kPF << kAna << daAna;
        QTest::newRow("companies, the login in another letter case") << kPJ << QStringLiteral("ANA") << daAna;
        QTest::newRow("another login: the public ones")
            << kPF << kBia << QStringList{QStringLiteral("Bruno"), QStringLiteral("Da Bia")};
        QTest::newRow("no login: the public ones")
            << kPJ << QString() << QStringList{QStringLiteral("Bruno")};
    }
    void theNamesALoginMaySee()
    {
        QFETCH(QString, tabela);
        QFETCH(QString, login);
        QFETCH(QStringList, vistos);
        guardar(tabela, QStringLiteral("Carla"), kAna, 0);
        guardar(tabela, QStringLiteral("Bruno"), kBia, 1);
        guardar(tabela, QStringLiteral("Bruno"), kAna, 1);
        guardar(tabela, QStringLiteral("Da Bia"), kBia, 0);
        guardar(tabela == kPF ? kPJ : kPF, QStringLiteral("Da outra tabela"), kAna, 1);

        QStringList nomes{QStringLiteral("de antes")};
        const quint64 antes = Database::statementCount();
        const DbResult r = pessoa(tabela, QString())->NomesVisiveis(login, nomes);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(nomes, vistos);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void withoutAConnectionTheNamesAreAnError()
    {
        guardar(kPF, QStringLiteral("Carla"), kAna, 1);
        Database semConexao;
        QStringList nomes{QStringLiteral("de antes")};
        const DbResult r = TPessoaFisica(semConexao).NomesVisiveis(kAna, nomes);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(nomes.isEmpty());
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void textsTheRowCannotHold_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("maximo");
        QTest::addColumn<QString>("recusa");
        const QString encurte = QStringLiteral("\r\nEncurte-o e tente novamente.");
        QTest::newRow("fits") << QStringLiteral("Ação \"d'Água\"") << 100 << QString();
        QTest::newRow("at the limit") << QString(100, QChar(u'é')) << 100 << QString();
        QTest::newRow("one over the limit")
            << QString(101, QChar(u'é')) << 100
            << QStringLiteral("Campo \"Apelido\": o texto tem 101 caracteres e cabem no máximo 100.") +
                   encurte;
        QTest::newRow("a text blob has no limit") << QString(100000, QLatin1Char('x')) << 0 << QString();
        QTest::newRow("outside Windows-1252")
            << QStringLiteral("seta → 😀") << 100
            << QStringLiteral("Campo \"Apelido\": ") + Win1252::unencodableMessage(QStringLiteral("→😀"));
    }
    void textsTheRowCannotHold()
    {
        QFETCH(QString, texto);
        QFETCH(int, maximo);
        QFETCH(QString, recusa);
        const QString bom = QStringLiteral("bom");
        QCOMPARE(TPessoa::TextoRecusado({{"Nome", &bom, 3}, {"Apelido", &texto, maximo}}), recusa);
    }

    // Refused before the lookup: no statement runs and nobody is asked about
    // a save that cannot happen.
    void aTextTheRowCannotHoldWritesNothing_data()
    {
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<bool>("alterando");
        for (const QString &tabela : {kPF, kPJ})
            for (const bool alterando : {false, true})
                QTest::addRow("%s, %s", tabela == kPF ? "individual" : "company",
                              alterando ? "change" : "insert")
                    << tabela << alterando;
    }
    void aTextTheRowCannotHoldWritesNothing()
    {
        QFETCH(QString, tabela);
        QFETCH(bool, alterando);
        guardar(tabela, QStringLiteral("Souza"));
        auto p = pessoa(tabela, alterando ? QStringLiteral("Carlos") : QStringLiteral("Sousa"));
        if (alterando) {
            QCOMPARE(inserir(*p), Resultado::Gravado);
            p->Nome = QStringLiteral("Sousa");
        }
        p->Endereco.Cidade = QStringLiteral("São Paulo ™ ✓");
        const QStringList antes = nomes(tabela);
        const quint64 executados = Database::statementCount();
        QCOMPARE(alterando ? alterar(*p) : inserir(*p), Resultado::Falhou);
        QCOMPARE(Database::statementCount(), executados);
        QVERIFY(m_seams.messages->questions.isEmpty());
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY2(m_seams.messages->shown.first().contains(QStringLiteral("Campo \"Cidade\": ") +
                                                          Win1252::unencodableMessage(QStringLiteral("✓"))),
                 qPrintable(m_seams.messages->shown.first()));
        QCOMPARE(nomes(tabela), antes);
    }
};

QTEST_GUILESS_MAIN(TestTPessoa)
#include "TestTPessoa.moc"
