// Companies on a real database: every column written and read back, the
// identifier of a new row, the load by identifier and the search for an
// equal row, deletes, what the user is told when an operation fails, and
// the list of the companies a login may see.
#include "data/Database.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/TPessoaJuridica.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"

#include <QtTest>

#include <tuple>

using namespace DbHelpers;

namespace {
const QString kAna = QStringLiteral("ana");
const QString kLogin10 = QStringLiteral("abcdefghij");

// Each column of PESSOAJURIDICA and the field that holds it.
using Texto = QString *(*)(TPessoaJuridica &);
using Inteiro = qint64 (*)(const TPessoaJuridica &);

const QMap<QString, Texto> kTextos = {
    {QStringLiteral("NOME"), [](TPessoaJuridica &p) { return &p.Nome; }},
    {QStringLiteral("OBS"), [](TPessoaJuridica &p) { return &p.Obs; }},
    {QStringLiteral("LOGIN"), [](TPessoaJuridica &p) { return &p.Login; }},
    {QStringLiteral("NOME_BANCO"), [](TPessoaJuridica &p) { return &p.NomeBanco; }},
    {QStringLiteral("AGENCIA"), [](TPessoaJuridica &p) { return &p.Agencia; }},
    {QStringLiteral("NRO_CONTA"), [](TPessoaJuridica &p) { return &p.NroConta; }},
    {QStringLiteral("TITULAR_CONTA"), [](TPessoaJuridica &p) { return &p.TitularConta; }},
    {QStringLiteral("NOME_BANCO02"), [](TPessoaJuridica &p) { return &p.NomeBanco02; }},
    {QStringLiteral("AGENCIA02"), [](TPessoaJuridica &p) { return &p.Agencia02; }},
    {QStringLiteral("NRO_CONTA02"), [](TPessoaJuridica &p) { return &p.NroConta02; }},
    {QStringLiteral("TITULAR_CONTA02"), [](TPessoaJuridica &p) { return &p.TitularConta02; }},
    {QStringLiteral("NOME_BANCO03"), [](TPessoaJuridica &p) { return &p.NomeBanco03; }},
    {QStringLiteral("AGENCIA03"), [](TPessoaJuridica &p) { return &p.Agencia03; }},
    {QStringLiteral("NRO_CONTA03"), [](TPessoaJuridica &p) { return &p.NroConta03; }},
    {QStringLiteral("TITULAR_CONTA03"), [](TPessoaJuridica &p) { return &p.TitularConta03; }},
    {QStringLiteral("RUA"), [](TPessoaJuridica &p) { return &p.Endereco.Rua; }},
    {QStringLiteral("BAIRRO"), [](TPessoaJuridica &p) { return &p.Endereco.Bairro; }},
    {QStringLiteral("CIDADE"), [](TPessoaJuridica &p) { return &p.Endereco.Cidade; }},
    {QStringLiteral("ESTADO"), [](TPessoaJuridica &p) { return &p.Endereco.Estado; }},
    {QStringLiteral("COMPLEMENTO"), [](TPessoaJuridica &p) { return &p.Endereco.Complemento; }},
    {QStringLiteral("VOIP"), [](TPessoaJuridica &p) { return &p.Voip; }},
    {QStringLiteral("CNPJ"), [](TPessoaJuridica &p) { return &p.CNPJ; }},
    {QStringLiteral("IE"), [](TPessoaJuridica &p) { return &p.IE; }},
    {QStringLiteral("FONE"), [](TPessoaJuridica &p) { return &p.Fone; }},
    {QStringLiteral("FONE_FAX"), [](TPessoaJuridica &p) { return &p.FoneFax; }},
    {QStringLiteral("FONE_CEL"), [](TPessoaJuridica &p) { return &p.FoneCel; }},
    {QStringLiteral("FONE_0800"), [](TPessoaJuridica &p) { return &p.Fone0800; }},
    {QStringLiteral("FONE_0300"), [](TPessoaJuridica &p) { return &p.Fone0300; }},
    {QStringLiteral("EMAIL"), [](TPessoaJuridica &p) { return &p.Email; }},
    {QStringLiteral("HOME_PAGE"), [](TPessoaJuridica &p) { return &p.HomePage; }},
};
const QMap<QString, Inteiro> kInteiros = {
    {QStringLiteral("IDENTIFICADOR"), [](const TPessoaJuridica &p) { return qint64(p.Identificador); }},
    {QStringLiteral("COD_GRUPO"), [](const TPessoaJuridica &p) { return qint64(p.Grupo.Codigo); }},
    {QStringLiteral("PUBLICA"), [](const TPessoaJuridica &p) { return qint64(p.Publica); }},
    {QStringLiteral("NUMERO"), [](const TPessoaJuridica &p) { return qint64(p.Endereco.Numero); }},
    {QStringLiteral("CEP"), [](const TPessoaJuridica &p) { return qint64(p.Endereco.CEP); }},
    {QStringLiteral("CP"), [](const TPessoaJuridica &p) { return qint64(p.Endereco.CP); }},
    {QStringLiteral("ENVIAR"), [](const TPessoaJuridica &p) { return qint64(p.Endereco.Enviar); }},
    {QStringLiteral("GUIA"), [](const TPessoaJuridica &p) { return qint64(p.Guia); }},
};
// Left out of the search for an equal row.
const QStringList kForaDaBusca = {
    QStringLiteral("VOIP"),           QStringLiteral("NOME_BANCO"),    QStringLiteral("AGENCIA"),
    QStringLiteral("NRO_CONTA"),      QStringLiteral("TITULAR_CONTA"), QStringLiteral("NOME_BANCO02"),
    QStringLiteral("AGENCIA02"),      QStringLiteral("NRO_CONTA02"),   QStringLiteral("TITULAR_CONTA02"),
    QStringLiteral("NOME_BANCO03"),   QStringLiteral("AGENCIA03"),     QStringLiteral("NRO_CONTA03"),
    QStringLiteral("TITULAR_CONTA03")};
} // namespace

class TestTPessoaJuridica : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_grupo = 0;
    int m_outroGrupo = 0;
    Database &db() { return m_dm->BancoDados; }

    // Every column a value of its own (flags included, so that two columns
    // swapped in a statement show), quotes and accents in the texts.
    TPessoaJuridica completa()
    {
        TPessoaJuridica p(db());
        p.Nome = QStringLiteral("Padaria d'Água \"Pão Quente\" Ltda");
        p.Obs = QStringLiteral("entrega às 6h\r\n'aspas' e \"aspas\" € ™");
        p.Login = kAna;
        p.Publica = 1;
        p.NomeBanco = QStringLiteral("Banco Um");
        p.Agencia = QStringLiteral("0001-9");
        p.NroConta = QStringLiteral("11111-1");
        p.TitularConta = QStringLiteral("Titular Um");
        p.NomeBanco02 = QStringLiteral("Banco Dois");
        p.Agencia02 = QStringLiteral("0002-8");
        p.NroConta02 = QStringLiteral("22222-2");
        p.TitularConta02 = QStringLiteral("Titular Dois");
        p.NomeBanco03 = QStringLiteral("Banco Três");
        p.Agencia03 = QStringLiteral("0003-7");
        p.NroConta03 = QStringLiteral("33333-3");
        p.TitularConta03 = QStringLiteral("Titular Três");
        p.Endereco.Rua = QStringLiteral("Avenida Paulista");
        p.Endereco.Numero = 1578;
        p.Endereco.Bairro = QStringLiteral("Bela Vista");
        p.Endereco.Cidade = QStringLiteral("São Paulo");
        p.Endereco.Estado = QStringLiteral("SP");
        p.Endereco.CEP = 1310200;
        p.Endereco.CP = 9876;
        p.Endereco.Complemento = QStringLiteral("loja 3");
        p.Endereco.Enviar = 2;
        p.Grupo.Codigo = m_grupo;
        p.Guia = 3;
        p.Voip = QStringLiteral("voip-padaria");
        p.CNPJ = QStringLiteral("12ABC34501DE35");
        p.IE = QStringLiteral("110042490114");
        p.Fone = QStringLiteral("1131112222");
        p.FoneFax = QStringLiteral("1131113333");
        p.FoneCel = QStringLiteral("11991114444");
        p.Fone0800 = QStringLiteral("08007770000");
        p.Fone0300 = QStringLiteral("03003330000");
        p.Email = QStringLiteral("contato@padaria.com.br");
        p.HomePage = QStringLiteral("https://padaria.com.br");
        return p;
    }
    static void mesmasColunas(TPessoaJuridica a, TPessoaJuridica b, const QStringList &exceto = {})
    {
        for (auto it = kTextos.cbegin(); it != kTextos.cend(); ++it)
            if (!exceto.contains(it.key()))
                QVERIFY2(*it.value()(a) == *it.value()(b),
                         qPrintable(it.key() + QStringLiteral(": ") + *it.value()(a) +
                                    QStringLiteral(" <> ") + *it.value()(b)));
        for (auto it = kInteiros.cbegin(); it != kInteiros.cend(); ++it)
            if (!exceto.contains(it.key()))
                QVERIFY2(it.value()(a) == it.value()(b), qPrintable(it.key()));
    }
    int contar(const QString &where = {}) { return count(db(), QStringLiteral("PESSOAJURIDICA"), where); }
    QVariant coluna(const QString &nome, int id)
    {
        return scalar(db(), QStringLiteral("SELECT ") + nome +
                                QStringLiteral(" FROM PESSOAJURIDICA WHERE IDENTIFICADOR = ") +
                                QString::number(id));
    }
    QMap<QString, int> tamanhos()
    {
        QMap<QString, int> out;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT TRIM(R.RDB$FIELD_NAME), F.RDB$CHARACTER_LENGTH FROM "
                                      "RDB$RELATION_FIELDS R JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = "
                                      "R.RDB$FIELD_SOURCE WHERE R.RDB$RELATION_NAME = 'PESSOAJURIDICA' "
                                      "AND F.RDB$FIELD_TYPE IN (14, 37)"));
            q.open();
            while (q.next())
                out.insert(q.field(0).asString(), q.field(1).asInt());
        });
        out.remove(QStringLiteral("F_NOME")); // kept by the database
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
        QVERIFY(insertUsuario(db(), kLogin10));
        m_grupo = insertGrupo(db(), QStringLiteral("Fornecedores"));
        m_outroGrupo = insertGrupo(db(), QStringLiteral("Clientes"));
        QVERIFY(m_grupo > 0 && m_outroGrupo > 0);
    }
    void init()
    {
        m_seams.messages->clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAJURIDICA")));
    }
    void cleanupTestCase() { m_dm.reset(); }

    // The maps above are what the round trips check: none may miss a column.
    void everyColumnOfTheTableIsChecked()
    {
        QStringList colunas;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS WHERE "
                                      "RDB$RELATION_NAME = 'PESSOAJURIDICA'"));
            q.open();
            while (q.next())
                colunas << q.field(0).asString();
        });
        colunas.removeAll(QStringLiteral("F_NOME"));
        QStringList mapeadas = kTextos.keys() + kInteiros.keys();
        colunas.sort();
        mapeadas.sort();
        QCOMPARE(mapeadas, colunas);
    }

    void everyColumnRoundTrips()
    {
        TPessoaJuridica p = completa();
        QCOMPARE(p.Inserir(), Resultado::Gravado);
        QVERIFY(m_seams.messages->shown.isEmpty());
        QVERIFY(p.Identificador > 0);

        TPessoaJuridica esperado = p;
        for (auto it = kTextos.cbegin(); it != kTextos.cend(); ++it)
            QVERIFY2(coluna(it.key(), p.Identificador).toString() == *it.value()(esperado),
                     qPrintable(it.key()));
        for (auto it = kInteiros.cbegin(); it != kInteiros.cend(); ++it)
            QVERIFY2(coluna(it.key(), p.Identificador).toLongLong() == it.value()(esperado),
                     qPrintable(it.key()));

        // the load takes the identifier it is given, and no group name
        TPessoaJuridica lida(db());
        QVERIFY(lida.Carregar(p.Identificador));
        mesmasColunas(lida, p);
        QVERIFY(lida.Grupo.Nome.isEmpty());
        QVERIFY(m_seams.messages->shown.isEmpty());

        // empty texts are stored empty, never NULL
        TPessoaJuridica vazia(db());
        vazia.Login = kAna;
        vazia.Grupo.Codigo = m_grupo;
        QCOMPARE(vazia.Inserir(), Resultado::Gravado);
        for (auto it = kTextos.cbegin(); it != kTextos.cend(); ++it)
            QVERIFY2(!coluna(it.key(), vazia.Identificador).isNull(), qPrintable(it.key()));
    }

    // The group name is not read: kept while the code stays, emptied when it changes.
    void theLoadKeepsAGroupNameOnlyForTheSameGroup()
    {
        TPessoaJuridica p = completa();
        QCOMPARE(p.Inserir(), Resultado::Gravado);
        TPessoaJuridica mesmo(db());
        mesmo.Grupo.Codigo = m_grupo;
        mesmo.Grupo.Nome = QStringLiteral("Fornecedores");
        QVERIFY(mesmo.Carregar(p.Identificador));
        QCOMPARE(mesmo.Grupo.Nome, QStringLiteral("Fornecedores"));
        TPessoaJuridica outro(db());
        outro.Grupo.Codigo = m_outroGrupo;
        outro.Grupo.Nome = QStringLiteral("Clientes");
        QVERIFY(outro.Carregar(p.Identificador));
        QCOMPARE(outro.Grupo.Codigo, m_grupo);
        QVERIFY(outro.Grupo.Nome.isEmpty());
    }

    // A text as long as its column is kept whole; one character more is
    // refused with a message before anything runs.
    void textsUpToTheColumnsLength_data()
    {
        QTest::addColumn<QString>("coluna");
        QTest::addColumn<int>("tamanho");
        QTest::newRow("every text at its length") << QString() << 0;
        const QMap<QString, int> t = tamanhos();
        for (auto it = t.cbegin(); it != t.cend(); ++it)
            QTest::addRow("%s one over", qPrintable(it.key())) << it.key() << it.value();
    }
    void textsUpToTheColumnsLength()
    {
        QFETCH(QString, coluna);
        QFETCH(int, tamanho);
        TPessoaJuridica p = completa();
        const QMap<QString, int> t = tamanhos();
        for (auto it = t.cbegin(); it != t.cend(); ++it) {
            QVERIFY2(kTextos.contains(it.key()), qPrintable(it.key()));
            if (it.key() != QLatin1String("LOGIN"))
                *kTextos[it.key()](p) = QString(it.value(), QChar(u'ú'));
        }
        p.Login = kLogin10;
        if (coluna.isEmpty()) {
            QCOMPARE(p.Inserir(), Resultado::Gravado);
            TPessoaJuridica lida(db());
            QVERIFY(lida.Carregar(p.Identificador));
            mesmasColunas(lida, p);
            return;
        }
        *kTextos[coluna](p) = QString(tamanho + 1, QLatin1Char('x'));
        const quint64 antes = Database::statementCount();
        QCOMPARE(p.Inserir(), Resultado::Falhou);
        QCOMPARE(Database::statementCount(), antes);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        // a company's failures show the reason alone
        QVERIFY2(QRegularExpression(QStringLiteral("^Campo \"[^\"]+\": o texto tem %1 caracteres e cabem no "
                                                   "máximo %2\\.\r\nEncurte-o e tente novamente\\.$")
                                        .arg(tamanho + 1)
                                        .arg(tamanho))
                     .match(m_seams.messages->shown.first())
                     .hasMatch(),
                 qPrintable(m_seams.messages->shown.first()));
        QCOMPARE(contar(), 0);
    }

    // The insert hands back its own row; the search matches every column but
    // VOIP and the bank accounts, and then takes those from the row it found.
    void theSearchIgnoresVoipAndBankAccounts()
    {
        TPessoaJuridica a = completa();
        QCOMPARE(a.Inserir(), Resultado::Gravado);
        TPessoaJuridica b = completa();
        b.Voip = QStringLiteral("outro voip");
        b.NomeBanco = QStringLiteral("Outro banco");
        m_seams.messages->answers << true; // b sounds like a
        QCOMPARE(b.Inserir(), Resultado::Gravado);
        QVERIFY(a.Identificador != b.Identificador);
        QCOMPARE(coluna(QStringLiteral("VOIP"), b.Identificador).toString(), QStringLiteral("outro voip"));

        TPessoaJuridica busca = completa();
        busca.Voip = QStringLiteral("nenhum dos dois");
        busca.TitularConta03 = QStringLiteral("ninguém");
        QVERIFY(busca.LocalizarIdentificador());
        const TPessoaJuridica &achada = busca.Identificador == a.Identificador ? a : b;
        QCOMPARE(busca.Identificador, achada.Identificador);
        mesmasColunas(busca, achada);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void theSearchComparesTheOtherColumns_data()
    {
        QTest::addColumn<QString>("coluna");
        for (auto it = kTextos.cbegin(); it != kTextos.cend(); ++it)
            if (!kForaDaBusca.contains(it.key()) && it.key() != QLatin1String("LOGIN"))
                QTest::newRow(qPrintable(it.key())) << it.key();
    }
    void theSearchComparesTheOtherColumns()
    {
        QFETCH(QString, coluna);
        TPessoaJuridica p = completa();
        QCOMPARE(p.Inserir(), Resultado::Gravado);
        TPessoaJuridica busca = completa();
        QString &texto = *kTextos[coluna](busca);
        texto.replace(texto.size() - 1, 1, QLatin1Char('!'));
        const TPessoaJuridica antes = busca;
        QVERIFY(!busca.LocalizarIdentificador());
        mesmasColunas(busca, antes);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void aLoadThatFindsNothingLeavesTheRecord()
    {
        TPessoaJuridica guardada = completa();
        QCOMPARE(guardada.Inserir(), Resultado::Gravado);
        TPessoaJuridica p = completa();
        p.Nome = QStringLiteral("Outra");
        p.Identificador = 5;
        const TPessoaJuridica antes = p;
        QVERIFY(!p.Carregar(guardada.Identificador + 1000));
        mesmasColunas(p, antes);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void deletingRemovesOnlyThatRow()
    {
        TPessoaJuridica a = completa(), b = completa();
        b.Nome = QStringLiteral("Xavier Comércio");
        QCOMPARE(a.Inserir(), Resultado::Gravado);
        QCOMPARE(b.Inserir(), Resultado::Gravado);
        QCOMPARE(a.Excluir(), Resultado::Gravado);
        QCOMPARE(contar(), 1);
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR = ") + QString::number(b.Identificador)), 1);
        QCOMPARE(a.Excluir(), Resultado::Gravado); // gone already: nothing to do
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // A company's insert, change, load and search show the error's text
    // alone; the delete says nothing.
    void failuresShowTheErrorAlone_data()
    {
        QTest::addColumn<QString>("operacao");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("insert for a login without a user")
            << QStringLiteral("Inserir") << QStringLiteral("FK_PESSOAJURIDICA_USUARIO");
        QTest::newRow("change for a login without a user")
            << QStringLiteral("Alterar") << QStringLiteral("FK_PESSOAJURIDICA_USUARIO");
        QTest::newRow("change of a row deleted meanwhile")
            << QStringLiteral("AlterarApagada")
            << QStringLiteral("Registro não encontrado! Os dados não foram alterados.");
        QTest::newRow("load without a connection") << QStringLiteral("Carregar") << QString();
        QTest::newRow("search without a connection") << QStringLiteral("Localizar") << QString();
        QTest::newRow("delete without a connection") << QStringLiteral("Excluir") << QString();
    }
    void failuresShowTheErrorAlone()
    {
        QFETCH(QString, operacao);
        QFETCH(QString, motivo);
        Database semConexao;
        TPessoaJuridica guardada = completa();
        QCOMPARE(guardada.Inserir(), Resultado::Gravado);
        TPessoaJuridica p = guardada;
        if (operacao == QLatin1String("Inserir")) {
            p.Login = QStringLiteral("ninguem");
            p.Nome = QStringLiteral("Xavier");
            QCOMPARE(p.Inserir(), Resultado::Falhou);
            QCOMPARE(contar(), 1);
        } else if (operacao.startsWith(QLatin1String("Alterar"))) {
            if (operacao == QLatin1String("AlterarApagada"))
                QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAJURIDICA")));
            else
                p.Login = QStringLiteral("ninguem");
            p.Fone = QStringLiteral("1100000000");
            QCOMPARE(p.Alterar(), Resultado::Falhou);
        } else {
            TPessoaJuridica desligada(semConexao);
            desligada.Nome = QStringLiteral("Antes");
            if (operacao == QLatin1String("Carregar"))
                QVERIFY(!desligada.Carregar(guardada.Identificador));
            else if (operacao == QLatin1String("Localizar"))
                QVERIFY(!desligada.LocalizarIdentificador());
            else
                QCOMPARE(desligada.Excluir(), Resultado::Falhou);
            QCOMPARE(desligada.Nome, QStringLiteral("Antes"));
        }
        if (operacao == QLatin1String("Excluir")) {
            QVERIFY(m_seams.messages->shown.isEmpty());
            return;
        }
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QString &m = m_seams.messages->shown.first();
        QVERIFY2(!m.isEmpty() && m.contains(motivo), qPrintable(m));
        QVERIFY2(!m.contains(QStringLiteral("PESSOAJURIDICA (")) &&
                     !m.contains(QStringLiteral(":IDENTIFICADOR")),
                 qPrintable(m));
    }

    // The contact screen's list: the login's own companies (any letter case)
    // and the public ones, by name, with identifier, name and e-mail.
    void theCompaniesALoginMaySee_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QStringList>("vistas");
        QTest::newRow("own and public")
            << kAna
            << QStringList{QStringLiteral("Açougue"), QStringLiteral("Mercado"), QStringLiteral("Padaria")};
        QTest::newRow("the login in another letter case")
            << QStringLiteral("ANA")
            << QStringList{QStringLiteral("Açougue"), QStringLiteral("Mercado"), QStringLiteral("Padaria")};
        QTest::newRow("another login: its own and the public ones")
            << kLogin10
            << QStringList{QStringLiteral("Açougue"), QStringLiteral("Mercado"), QStringLiteral("Oficina")};
    }
    void theCompaniesALoginMaySee()
    {
        QFETCH(QString, login);
        QFETCH(QStringList, vistas);
        const std::tuple<const char *, QString, int> empresas[] = {
            {"Padaria", kAna, 0}, {"Mercado", kLogin10, 1}, {"Oficina", kLogin10, 0}, {"Açougue", kAna, 1}};
        QHash<QString, int> ids;
        for (const auto &[nome, dono, publica] : empresas) {
            const QString n = QString::fromUtf8(nome);
            ids.insert(n, insertPessoaJuridica(db(), n, m_grupo, dono, publica));
            QVERIFY(exec(db(),
                         QStringLiteral("UPDATE PESSOAJURIDICA SET EMAIL = :E WHERE IDENTIFICADOR = :I"),
                         {{QStringLiteral("E"), n.toLower() + QStringLiteral("@exemplo.com.br")},
                          {QStringLiteral("I"), ids.value(n)}}));
        }

        QList<TPessoaJuridica> lidas{completa()};
        const quint64 antes = Database::statementCount();
        const DbResult r = TPessoaJuridica::Visiveis(db(), login, lidas);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QStringList nomes;
        for (const TPessoaJuridica &e : std::as_const(lidas)) {
            nomes << e.Nome;
            QCOMPARE(e.Identificador, ids.value(e.Nome));
            QCOMPARE(e.Email, e.Nome.toLower() + QStringLiteral("@exemplo.com.br"));
        }
        QCOMPARE(nomes, vistas);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void withoutAConnectionTheListIsAnError()
    {
        QVERIFY(insertPessoaJuridica(db(), QStringLiteral("Padaria"), m_grupo, kAna, 1) > 0);
        Database semConexao;
        QList<TPessoaJuridica> lidas{completa()};
        const DbResult r = TPessoaJuridica::Visiveis(semConexao, kAna, lidas);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(lidas.isEmpty());
        QVERIFY(m_seams.messages->shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTPessoaJuridica)
#include "TestTPessoaJuridica.moc"
