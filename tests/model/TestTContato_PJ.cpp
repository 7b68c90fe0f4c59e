// Contact persons of companies on a real database: insert, change, delete,
// delete all of one company, the birth date of a contact without one, what
// the user is told when an operation fails, and one company's list.
#include "data/Database.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/TContato_PJ.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "util/DateTime.h"

#include <QtTest>

using namespace DbHelpers;

namespace {
const QString kAna = QStringLiteral("ana");
const QString kInserir = QStringLiteral(
    "INSERT INTO CONTATO_PJ (IDENTIFICADOR_PJ, NOME, EMAIL, FUNCAO, OBS, FONE, RAMAL, CELULAR, "
    "DATA) VALUES (:IDENTIFICADOR_PJ, :NOME, :EMAIL, :FUNCAO, :OBS, :FONE, :RAMAL, :CELULAR, "
    ":DATA) RETURNING IDENTIFICADOR");
const QString kAlterar = QStringLiteral(
    "UPDATE CONTATO_PJ SET IDENTIFICADOR_PJ = :IDENTIFICADOR_PJ, NOME = :NOME, EMAIL = :EMAIL, FUNCAO = "
    ":FUNCAO, DATA = :DATA,  OBS = :OBS, FONE = :FONE, RAMAL = :RAMAL, CELULAR = :CELULAR WHERE "
    "IDENTIFICADOR = :IDENTIFICADOR ");
const QString kExcluir = QStringLiteral("DELETE FROM CONTATO_PJ WHERE IDENTIFICADOR = :IDENTIFICADOR ");
const QString kExcluirDaEmpresa =
    QStringLiteral("DELETE FROM CONTATO_PJ WHERE IDENTIFICADOR_PJ = :IDENTIFICADOR_PJ ");

// A contact as stored, every column.
struct Linha {
    int empresa = 0;
    QString nome, email, funcao, fone, celular, obs;
    int ramal = 0;
    double data = 0;
    bool dataNula = true;
    QString dataIso;
};
} // namespace

class TestTContato_PJ : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_empresa = 0;
    int m_outra = 0;
    Database &db() { return m_dm->BancoDados; }

    TContato_PJ contato(const QString &nome, int empresa)
    {
        TContato_PJ c(db());
        c.IdentificadorPJ = empresa;
        c.Nome = nome;
        c.Email = nome.toLower() + QStringLiteral("@empresa.com.br");
        c.Funcao = QStringLiteral("Gerente de compras");
        c.Fone = QStringLiteral("1131112222");
        c.Ramal = 215;
        c.Celular = QStringLiteral("11991114444");
        c.Obs = QStringLiteral("prefere 'e-mail' a \"telefone\"");
        c.Data = EncodeDate(1975, 8, 30);
        return c;
    }
    Linha ler(int id)
    {
        Linha l;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT C.*, CAST(DATA AS VARCHAR(10)) AS DATA_ISO FROM CONTATO_PJ C "
                                      "WHERE IDENTIFICADOR = :ID"));
            q.setInt(QStringLiteral("ID"), id);
            q.open();
            if (!q.next())
                return;
            l.empresa = q.field(QStringLiteral("IDENTIFICADOR_PJ")).asInt();
            l.nome = q.field(QStringLiteral("NOME")).asString();
            l.email = q.field(QStringLiteral("EMAIL")).asString();
            l.funcao = q.field(QStringLiteral("FUNCAO")).asString();
            l.fone = q.field(QStringLiteral("FONE")).asString();
            l.celular = q.field(QStringLiteral("CELULAR")).asString();
            l.obs = q.field(QStringLiteral("OBS")).asString();
            l.ramal = q.field(QStringLiteral("RAMAL")).asInt();
            l.data = q.field(QStringLiteral("DATA")).asDate();
            l.dataNula = q.field(QStringLiteral("DATA")).isNull();
            l.dataIso = q.field(QStringLiteral("DATA_ISO")).asString();
        });
        return l;
    }
    static void mesmaLinha(const Linha &l, const TContato_PJ &c)
    {
        QCOMPARE(l.empresa, c.IdentificadorPJ);
        QCOMPARE(l.nome, c.Nome);
        QCOMPARE(l.email, c.Email);
        QCOMPARE(l.funcao, c.Funcao);
        QCOMPARE(l.fone, c.Fone);
        QCOMPARE(l.celular, c.Celular);
        QCOMPARE(l.obs, c.Obs);
        QCOMPARE(l.ramal, c.Ramal);
        QCOMPARE(l.data, c.Data);
    }
    int contar(const QString &where = {}) { return count(db(), QStringLiteral("CONTATO_PJ"), where); }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), kAna));
        const int grupo = insertGrupo(db(), QStringLiteral("Fornecedores"));
        m_empresa = insertPessoaJuridica(db(), QStringLiteral("Padaria"), grupo, kAna);
        m_outra = insertPessoaJuridica(db(), QStringLiteral("Mercado"), grupo, kAna);
        QVERIFY(m_empresa > 0 && m_outra > 0);
    }
    void init()
    {
        m_seams.messages->clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM CONTATO_PJ")));
    }
    void cleanupTestCase() { m_dm.reset(); }

    void insertWritesEveryColumnAndTakesItsIdentifier()
    {
        TContato_PJ a = contato(QStringLiteral("Ângela d'Ávila"), m_empresa);
        TContato_PJ b = contato(QStringLiteral("Ângela d'Ávila"), m_empresa); // no duplicate check
        QCOMPARE(a.Inserir(), Resultado::Gravado);
        QCOMPARE(b.Inserir(), Resultado::Gravado);
        QVERIFY(a.Identificador > 0);
        QVERIFY(b.Identificador != a.Identificador);
        mesmaLinha(ler(a.Identificador), a);
        QCOMPARE(ler(a.Identificador).dataIso, QStringLiteral("1975-08-30"));
        QCOMPARE(contar(), 2);
        QVERIFY(m_seams.messages->shown.isEmpty());
        QVERIFY(m_seams.messages->questions.isEmpty());
    }

    // No birth date is day 0: 30 December 1899 in the row, 0 when read, and
    // a December birthday to a birthday query.
    void aContactWithoutBirthDate_data()
    {
        QTest::addColumn<bool>("alterando");
        QTest::newRow("insert") << false;
        QTest::newRow("change") << true;
    }
    void aContactWithoutBirthDate()
    {
        QFETCH(bool, alterando);
        TContato_PJ c = contato(QStringLiteral("Bruno"), m_empresa);
        if (!alterando)
            c.Data = 0;
        QCOMPARE(c.Inserir(), Resultado::Gravado);
        if (alterando) {
            c.Data = 0;
            QCOMPARE(c.Alterar(), Resultado::Gravado);
        }
        const Linha l = ler(c.Identificador);
        QVERIFY(!l.dataNula);
        QCOMPARE(l.dataIso, QStringLiteral("1899-12-30"));
        QCOMPARE(l.data, 0.0);
        QCOMPARE(contar(QStringLiteral("EXTRACT(MONTH FROM DATA) = 12")), 1);
    }

    void changeRewritesTheRow()
    {
        TContato_PJ c = contato(QStringLiteral("Carla"), m_empresa);
        TContato_PJ outro = contato(QStringLiteral("Davi"), m_empresa);
        QCOMPARE(c.Inserir(), Resultado::Gravado);
        QCOMPARE(outro.Inserir(), Resultado::Gravado);
        c.IdentificadorPJ = m_outra;
        c.Nome = QStringLiteral("Carla Souza");
        c.Email = QStringLiteral("carla@mercado.com.br");
        c.Funcao = QStringLiteral("Diretora");
        c.Fone = QStringLiteral("1140004000");
        c.Ramal = 7;
        c.Celular = QStringLiteral("11988887777");
        c.Obs = QString();
        c.Data = EncodeDate(1990, 1, 2);
        QCOMPARE(c.Alterar(), Resultado::Gravado);
        mesmaLinha(ler(c.Identificador), c);
        QVERIFY(!ler(c.Identificador).obs.isNull()); // an empty text is stored empty
        QCOMPARE(contar(QStringLiteral("OBS IS NULL")), 0);
        mesmaLinha(ler(outro.Identificador), outro);
    }

    void deleteRemovesThatContact()
    {
        TContato_PJ a = contato(QStringLiteral("Eva"), m_empresa),
                    b = contato(QStringLiteral("Fábio"), m_empresa);
        QCOMPARE(a.Inserir(), Resultado::Gravado);
        QCOMPARE(b.Inserir(), Resultado::Gravado);
        QCOMPARE(a.Excluir(), Resultado::Gravado);
        QCOMPARE(contar(), 1);
        QCOMPARE(ler(b.Identificador).nome, QStringLiteral("Fábio"));
    }

    // Every contact of the company given, none of another, whatever the
    // record's own company field says.
    void deleteAllOfOneCompany()
    {
        for (const QString &nome : {QStringLiteral("Gil"), QStringLiteral("Hugo"), QStringLiteral("Íris")})
            QCOMPARE(contato(nome, m_empresa).Inserir(), Resultado::Gravado);
        TContato_PJ daOutra = contato(QStringLiteral("Júlia"), m_outra);
        QCOMPARE(daOutra.Inserir(), Resultado::Gravado);

        QCOMPARE(daOutra.ExcluirDaEmpresa(m_empresa), Resultado::Gravado);
        QCOMPARE(contar(), 1);
        QCOMPARE(ler(daOutra.Identificador).nome, QStringLiteral("Júlia"));
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // Every contact operation that fails shows the statement, a line break
    // and the reason, and writes nothing.
    void failuresShowStatementAndReason_data()
    {
        QTest::addColumn<QString>("operacao");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("insert for a company that does not exist")
            << QStringLiteral("Inserir") << kInserir << QStringLiteral("FK_CONTATO_PJ_EMPRESA");
        QTest::newRow("change to a company that does not exist")
            << QStringLiteral("Alterar") << kAlterar << QStringLiteral("FK_CONTATO_PJ_EMPRESA");
        QTest::newRow("change of a contact deleted meanwhile")
            << QStringLiteral("AlterarApagado") << kAlterar
            << QStringLiteral("Registro não encontrado! Os dados não foram alterados.");
        QTest::newRow("notes longer than the column")
            << QStringLiteral("ObsLonga") << kInserir
            << QStringLiteral("Campo \"Observações\": o texto tem 201 caracteres e cabem no máximo 200.\r\n"
                              "Encurte-o e tente novamente.");
        QTest::newRow("a name outside Windows-1252")
            << QStringLiteral("NomeRuim") << kAlterar
            << QStringLiteral("Campo \"Nome\": O texto contém caracteres que não podem ser gravados: ✓");
        QTest::newRow("delete without a connection") << QStringLiteral("Excluir") << kExcluir << QString();
        QTest::newRow("delete all without a connection")
            << QStringLiteral("ExcluirDaEmpresa") << kExcluirDaEmpresa << QString();
    }
    void failuresShowStatementAndReason()
    {
        QFETCH(QString, operacao);
        QFETCH(QString, sql);
        QFETCH(QString, motivo);
        TContato_PJ c = contato(QStringLiteral("Karen"), m_empresa);
        QCOMPARE(c.Inserir(), Resultado::Gravado);
        Database semConexao;
        TContato_PJ desligado(semConexao);
        desligado.Identificador = c.Identificador;
        const quint64 executados = Database::statementCount();
        Resultado r = Resultado::Gravado;
        if (operacao == QLatin1String("Inserir")) {
            c.IdentificadorPJ = 99999;
            r = c.Inserir();
        } else if (operacao == QLatin1String("Alterar")) {
            c.IdentificadorPJ = 99999;
            r = c.Alterar();
        } else if (operacao == QLatin1String("AlterarApagado")) {
            QVERIFY(exec(db(), QStringLiteral("DELETE FROM CONTATO_PJ")));
            r = c.Alterar();
        } else if (operacao == QLatin1String("ObsLonga")) {
            c.Obs = QString(201, QChar(u'ç'));
            r = c.Inserir();
            QCOMPARE(Database::statementCount(), executados);
        } else if (operacao == QLatin1String("NomeRuim")) {
            c.Nome = QStringLiteral("Karen ✓");
            r = c.Alterar();
            QCOMPARE(Database::statementCount(), executados);
        } else if (operacao == QLatin1String("Excluir")) {
            r = desligado.Excluir();
        } else {
            r = desligado.ExcluirDaEmpresa(m_empresa);
        }
        QCOMPARE(r, Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QString &m = m_seams.messages->shown.first();
        if (operacao == QLatin1String("ObsLonga") || operacao == QLatin1String("NomeRuim")) {
            // refused by the program itself: the reason alone, no statement
            QVERIFY2(m.startsWith(motivo), qPrintable(m));
            QVERIFY2(!m.contains(QStringLiteral("CONTATO_PJ")), qPrintable(m));
        } else {
            QVERIFY2(m.startsWith(sql + QStringLiteral("\r\n")), qPrintable(m));
            QVERIFY2(m.size() > sql.size() + 2 && m.mid(sql.size() + 2).contains(motivo), qPrintable(m));
        }
        if (operacao != QLatin1String("AlterarApagado")) {
            QCOMPARE(contar(), 1);
            mesmaLinha(ler(c.Identificador), contato(QStringLiteral("Karen"), m_empresa));
        }
    }

    // Only that company's contacts, by name and then job title, every column.
    void listsOneCompanysContactsByNameAndJobTitle()
    {
        TContato_PJ gerente = contato(QStringLiteral("Bruno"), m_empresa);
        TContato_PJ caixa = contato(QStringLiteral("Bruno"), m_empresa);
        caixa.Funcao = QStringLiteral("Caixa");
        caixa.Data = 0;
        TContato_PJ ana = contato(QStringLiteral("Ana"), m_empresa);
        ana.Ramal = 0;
        TContato_PJ outra = contato(QStringLiteral("Aline"), m_outra);
        for (TContato_PJ *c : {&gerente, &caixa, &ana, &outra})
            QCOMPARE(c->Inserir(), Resultado::Gravado);

        QList<TContato_PJ> lidos{contato(QStringLiteral("de antes"), m_outra)};
        const quint64 antes = Database::statementCount();
        const DbResult r = TContato_PJ::DaEmpresa(db(), m_empresa, lidos);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QCOMPARE(lidos.size(), 3);
        const TContato_PJ *esperados[] = {&ana, &caixa, &gerente};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(lidos.at(i).Identificador, esperados[i]->Identificador);
            mesmaLinha(ler(lidos.at(i).Identificador), lidos.at(i));
            QCOMPARE(lidos.at(i).Funcao, esperados[i]->Funcao);
            QCOMPARE(lidos.at(i).Ramal, esperados[i]->Ramal);
        }
        QVERIFY(m_seams.messages->shown.isEmpty());

        QVERIFY(TContato_PJ::DaEmpresa(db(), m_outra + m_empresa, lidos).ok);
        QVERIFY(lidos.isEmpty());
    }

    // A failed read is an error for the screen, never a company without contacts.
    void withoutAConnectionTheListFails()
    {
        QCOMPARE(contato(QStringLiteral("Bruno"), m_empresa).Inserir(), Resultado::Gravado);
        Database semConexao;
        QList<TContato_PJ> lidos{contato(QStringLiteral("de antes"), m_empresa)};
        const DbResult r = TContato_PJ::DaEmpresa(semConexao, m_empresa, lidos);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(lidos.isEmpty());
        QVERIFY(m_seams.messages->shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTContato_PJ)
#include "TestTContato_PJ.moc"
