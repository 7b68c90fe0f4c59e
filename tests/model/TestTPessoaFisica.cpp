// Individuals on a real database: every column written and read back, dates
// of 0, the identifier of a new row, loads that find nothing, deletes, what
// the user is told when an operation fails, and a building's copies.
#include "data/Database.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/TPessoaFisica.h"
#include "model/TUsuario.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "util/DateTime.h"

#include <QtTest>

using namespace DbHelpers;

namespace {
const QString kAna = QStringLiteral("ana");
const QString kBia = QStringLiteral("bia");
const QString kLogin10 = QStringLiteral("abcdefghij");

// Each column of PESSOAFISICA and the field that holds it.
using Texto = QString *(*)(TPessoaFisica &);
using Inteiro = qint64 (*)(const TPessoaFisica &);
using Data = double *(*)(TPessoaFisica &);

const QMap<QString, Texto> kTextos = {
    {QStringLiteral("NOME"), [](TPessoaFisica &p) { return &p.Nome; }},
    {QStringLiteral("OBS"), [](TPessoaFisica &p) { return &p.Obs; }},
    {QStringLiteral("LOGIN"), [](TPessoaFisica &p) { return &p.Login; }},
    {QStringLiteral("NOME_BANCO"), [](TPessoaFisica &p) { return &p.NomeBanco; }},
    {QStringLiteral("AGENCIA"), [](TPessoaFisica &p) { return &p.Agencia; }},
    {QStringLiteral("NRO_CONTA"), [](TPessoaFisica &p) { return &p.NroConta; }},
    {QStringLiteral("TITULAR_CONTA"), [](TPessoaFisica &p) { return &p.TitularConta; }},
    {QStringLiteral("NOME_BANCO02"), [](TPessoaFisica &p) { return &p.NomeBanco02; }},
    {QStringLiteral("AGENCIA02"), [](TPessoaFisica &p) { return &p.Agencia02; }},
    {QStringLiteral("NRO_CONTA02"), [](TPessoaFisica &p) { return &p.NroConta02; }},
    {QStringLiteral("TITULAR_CONTA02"), [](TPessoaFisica &p) { return &p.TitularConta02; }},
    {QStringLiteral("NOME_BANCO03"), [](TPessoaFisica &p) { return &p.NomeBanco03; }},
    {QStringLiteral("AGENCIA03"), [](TPessoaFisica &p) { return &p.Agencia03; }},
    {QStringLiteral("NRO_CONTA03"), [](TPessoaFisica &p) { return &p.NroConta03; }},
    {QStringLiteral("TITULAR_CONTA03"), [](TPessoaFisica &p) { return &p.TitularConta03; }},
    {QStringLiteral("RUA"), [](TPessoaFisica &p) { return &p.Endereco.Rua; }},
    {QStringLiteral("BAIRRO"), [](TPessoaFisica &p) { return &p.Endereco.Bairro; }},
    {QStringLiteral("CIDADE"), [](TPessoaFisica &p) { return &p.Endereco.Cidade; }},
    {QStringLiteral("ESTADO"), [](TPessoaFisica &p) { return &p.Endereco.Estado; }},
    {QStringLiteral("COMPLEMENTO"), [](TPessoaFisica &p) { return &p.Endereco.Complemento; }},
    {QStringLiteral("VOIP"), [](TPessoaFisica &p) { return &p.Voip; }},
    {QStringLiteral("TRATAMENTO"), [](TPessoaFisica &p) { return &p.Tratamento; }},
    {QStringLiteral("APELIDO"), [](TPessoaFisica &p) { return &p.Apelido; }},
    {QStringLiteral("EMAIL"), [](TPessoaFisica &p) { return &p.Email; }},
    {QStringLiteral("FONE_RESIDENCIAL"), [](TPessoaFisica &p) { return &p.FoneResidencial; }},
    {QStringLiteral("FONE_COMERCIAL"), [](TPessoaFisica &p) { return &p.FoneComercial; }},
    {QStringLiteral("FONE_CELULAR"), [](TPessoaFisica &p) { return &p.FoneCelular; }},
    {QStringLiteral("PROFISSAO"), [](TPessoaFisica &p) { return &p.Profissao; }},
    {QStringLiteral("LOCAL_TRABALHO"), [](TPessoaFisica &p) { return &p.LocalTrabalho; }},
    {QStringLiteral("CPF"), [](TPessoaFisica &p) { return &p.CPF; }},
    {QStringLiteral("MSN"), [](TPessoaFisica &p) { return &p.MSN; }},
    {QStringLiteral("TITULO"), [](TPessoaFisica &p) { return &p.Titulo; }},
    {QStringLiteral("CARTAO_VISA"), [](TPessoaFisica &p) { return &p.CartaoVisa; }},
    {QStringLiteral("CARTAO_MASTER"), [](TPessoaFisica &p) { return &p.CartaoMaster; }},
    {QStringLiteral("RG"), [](TPessoaFisica &p) { return &p.RG; }},
    {QStringLiteral("VENDEDORA"), [](TPessoaFisica &p) { return &p.Vendedora; }},
    {QStringLiteral("P_MATRICULA"), [](TPessoaFisica &p) { return &p.Matricula; }},
};
const QMap<QString, Inteiro> kInteiros = {
    {QStringLiteral("IDENTIFICADOR"), [](const TPessoaFisica &p) { return qint64(p.Identificador); }},
    {QStringLiteral("COD_GRUPO"), [](const TPessoaFisica &p) { return qint64(p.Grupo.Codigo); }},
    {QStringLiteral("PUBLICA"), [](const TPessoaFisica &p) { return qint64(p.Publica); }},
    {QStringLiteral("NUMERO"), [](const TPessoaFisica &p) { return qint64(p.Endereco.Numero); }},
    {QStringLiteral("CEP"), [](const TPessoaFisica &p) { return qint64(p.Endereco.CEP); }},
    {QStringLiteral("CP"), [](const TPessoaFisica &p) { return qint64(p.Endereco.CP); }},
    {QStringLiteral("ENVIAR"), [](const TPessoaFisica &p) { return qint64(p.Endereco.Enviar); }},
    {QStringLiteral("GUIA"), [](const TPessoaFisica &p) { return qint64(p.Guia); }},
    {QStringLiteral("SEXO"), [](const TPessoaFisica &p) { return qint64(p.Sexo); }},
    {QStringLiteral("ESTADO_CIVIL"), [](const TPessoaFisica &p) { return qint64(p.EstadoCivil); }},
    {QStringLiteral("INFORMAR_ANIVERSARIO"),
     [](const TPessoaFisica &p) { return qint64(p.InformarAniversario); }},
    {QStringLiteral("ZONA"), [](const TPessoaFisica &p) { return qint64(p.Zona); }},
    {QStringLiteral("SECCAO"), [](const TPessoaFisica &p) { return qint64(p.Seccao); }},
    {QStringLiteral("COD_VISA"), [](const TPessoaFisica &p) { return qint64(p.CodVisa); }},
    {QStringLiteral("COD_MASTER"), [](const TPessoaFisica &p) { return qint64(p.CodMaster); }},
    {QStringLiteral("TIPO_CLIENTE"), [](const TPessoaFisica &p) { return qint64(p.TipoCliente); }},
};
const QMap<QString, Data> kDatas = {
    {QStringLiteral("DATA_NASCIMENTO"), [](TPessoaFisica &p) { return &p.DataNascimento; }},
    {QStringLiteral("CLIENTE_DESDE"), [](TPessoaFisica &p) { return &p.ClienteDesde; }},
    {QStringLiteral("P_DATA_ENTRADA"), [](TPessoaFisica &p) { return &p.DataEntrada; }},
    {QStringLiteral("P_DATA_DISPENSA"), [](TPessoaFisica &p) { return &p.DataDispensa; }},
};

QString isoDate(double dia)
{
    return DateTimeToQDate(dia).toString(Qt::ISODate);
}
} // namespace

class TestTPessoaFisica : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_grupo = 0;
    Database &db() { return m_dm->BancoDados; }

    // Every column a value of its own (flags included, so that two columns
    // swapped in a statement show), quotes and accents in the texts.
    TPessoaFisica completa()
    {
        TPessoaFisica p(db());
        p.Nome = QStringLiteral("Ana d'Ávila \"Nica\" Conceição");
        p.Obs = QStringLiteral("linha 1\r\nlinha 2 -- 'aspas' e \"aspas\" € ™");
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
        p.Endereco.Rua = QStringLiteral("Rua das Flores");
        p.Endereco.Numero = 123;
        p.Endereco.Bairro = QStringLiteral("Centro");
        p.Endereco.Cidade = QStringLiteral("São Paulo");
        p.Endereco.Estado = QStringLiteral("SP");
        p.Endereco.CEP = 1001000;
        p.Endereco.CP = 4567;
        p.Endereco.Complemento = QStringLiteral("apto 42");
        p.Endereco.Enviar = 2;
        p.Grupo.Codigo = m_grupo;
        p.Guia = 3;
        p.Voip = QStringLiteral("voip-ana");
        p.Tratamento = QStringLiteral("Sra.");
        p.Apelido = QStringLiteral("Nica");
        p.Email = QStringLiteral("ana@exemplo.com.br");
        p.FoneResidencial = QStringLiteral("1133334444");
        p.FoneComercial = QStringLiteral("1155556666");
        p.FoneCelular = QStringLiteral("11987654321");
        p.Profissao = QStringLiteral("Engenheira");
        p.LocalTrabalho = QStringLiteral("Obra Central");
        p.DataNascimento = EncodeDate(1980, 5, 17);
        p.Sexo = 4;
        p.EstadoCivil = 5;
        p.InformarAniversario = 6;
        p.CPF = QStringLiteral("11144477735");
        p.MSN = QStringLiteral("ana@msn.com");
        p.Titulo = QStringLiteral("123456789012");
        p.Zona = 45;
        p.Seccao = 678;
        p.CartaoVisa = QStringLiteral("4111111111111111");
        p.CartaoMaster = QStringLiteral("5555555555554444");
        p.CodVisa = 321;
        p.CodMaster = 654;
        p.TipoCliente = 7;
        p.RG = QStringLiteral("123456789");
        p.ClienteDesde = EncodeDate(2001, 2, 3);
        p.Vendedora = QStringLiteral("Carla");
        p.Matricula = QStringLiteral("M-0042");
        p.DataEntrada = EncodeDate(2010, 4, 5);
        p.DataDispensa = EncodeDate(2020, 6, 7);
        return p;
    }
    TPessoaFisica vazia(const QString &nome)
    {
        TPessoaFisica p(db());
        p.Nome = nome;
        p.Login = kAna;
        p.Grupo.Codigo = m_grupo;
        return p;
    }
    // Every field with a column, compared through the column map.
    static void mesmasColunas(TPessoaFisica a, TPessoaFisica b)
    {
        for (auto it = kTextos.cbegin(); it != kTextos.cend(); ++it)
            QVERIFY2(*it.value()(a) == *it.value()(b),
                     qPrintable(it.key() + QStringLiteral(": ") + *it.value()(a) + QStringLiteral(" <> ") +
                                *it.value()(b)));
        for (auto it = kInteiros.cbegin(); it != kInteiros.cend(); ++it)
            QVERIFY2(it.value()(a) == it.value()(b), qPrintable(it.key()));
        for (auto it = kDatas.cbegin(); it != kDatas.cend(); ++it)
            QVERIFY2(*it.value()(a) == *it.value()(b), qPrintable(it.key()));
    }
    int contar(const QString &where = {}) { return count(db(), QStringLiteral("PESSOAFISICA"), where); }
    QVariant coluna(const QString &sql, int id)
    {
        return scalar(db(), QStringLiteral("SELECT ") + sql +
                                QStringLiteral(" FROM PESSOAFISICA WHERE IDENTIFICADOR = ") +
                                QString::number(id));
    }
    // The text columns with their declared lengths, from the database itself.
    QMap<QString, int> tamanhos()
    {
        QMap<QString, int> out;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT TRIM(R.RDB$FIELD_NAME), F.RDB$CHARACTER_LENGTH FROM "
                                      "RDB$RELATION_FIELDS R JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = "
                                      "R.RDB$FIELD_SOURCE WHERE R.RDB$RELATION_NAME = 'PESSOAFISICA' "
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
        QVERIFY(insertUsuario(db(), kBia));
        QVERIFY(insertUsuario(db(), kLogin10));
        m_grupo = insertGrupo(db(), QStringLiteral("Amigos"));
        QVERIFY(m_grupo > 0);
    }
    void init()
    {
        m_seams.messages->clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA")));
    }
    void cleanupTestCase() { m_dm.reset(); }

    // The maps above are what the round trips check: none may miss a column.
    void everyColumnOfTheTableIsChecked()
    {
        QStringList colunas;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS WHERE "
                                      "RDB$RELATION_NAME = 'PESSOAFISICA'"));
            q.open();
            while (q.next())
                colunas << q.field(0).asString();
        });
        colunas.removeAll(QStringLiteral("F_NOME"));
        QStringList mapeadas = kTextos.keys() + kInteiros.keys() + kDatas.keys();
        colunas.sort();
        mapeadas.sort();
        QCOMPARE(mapeadas, colunas);
    }

    void everyColumnRoundTrips()
    {
        TPessoaFisica p = completa();
        QCOMPARE(p.Inserir(), Resultado::Gravado);
        QVERIFY(m_seams.messages->shown.isEmpty());
        QVERIFY(m_seams.messages->questions.isEmpty());
        QVERIFY(p.Identificador > 0);
        QCOMPARE(coluna(QStringLiteral("NOME"), p.Identificador).toString(), p.Nome);

        // each column holds its own field
        TPessoaFisica esperado = p;
        for (auto it = kTextos.cbegin(); it != kTextos.cend(); ++it)
            QVERIFY2(coluna(it.key(), p.Identificador).toString() == *it.value()(esperado),
                     qPrintable(it.key()));
        for (auto it = kInteiros.cbegin(); it != kInteiros.cend(); ++it)
            QVERIFY2(coluna(it.key(), p.Identificador).toLongLong() == it.value()(esperado),
                     qPrintable(it.key()));
        for (auto it = kDatas.cbegin(); it != kDatas.cend(); ++it)
            QVERIFY2(coluna(QStringLiteral("CAST(") + it.key() + QStringLiteral(" AS VARCHAR(10))"),
                            p.Identificador)
                             .toString() == isoDate(*it.value()(esperado)),
                     qPrintable(it.key()));

        // and comes back into it, with the group's name
        TPessoaFisica lida(db());
        lida.Identificador = p.Identificador;
        QVERIFY(lida.Carregar());
        mesmasColunas(lida, p);
        QCOMPARE(lida.Grupo.Nome, QStringLiteral("Amigos"));
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void emptyTextsAreStoredEmpty()
    {
        TPessoaFisica p = vazia(QString());
        QCOMPARE(p.Inserir(), Resultado::Gravado);
        for (auto it = kTextos.cbegin(); it != kTextos.cend(); ++it) {
            if (it.key() == QLatin1String("LOGIN"))
                continue;
            QVERIFY2(contar(it.key() + QStringLiteral(" IS NULL")) == 0, qPrintable(it.key()));
        }
        TPessoaFisica lida(db());
        lida.Identificador = p.Identificador;
        QVERIFY(lida.Carregar());
        mesmasColunas(lida, p);
    }

    // A date of 0 is no date: NULL in the row, 0 again when read.
    void datesOfZero_data()
    {
        QTest::addColumn<bool>("alterando");
        QTest::addColumn<double>("nascimento");
        QTest::addColumn<int>("semData");
        QTest::addColumn<QString>("gravado");
        const double dia = EncodeDate(1980, 5, 17);
        for (const bool alterando : {false, true}) {
            const char *op = alterando ? "change" : "insert";
            QTest::addRow("%s, a birth date", op) << alterando << dia << 0 << QStringLiteral("1980-05-17");
            QTest::addRow("%s, birth date 0", op) << alterando << 0.0 << 0 << QString();
            QTest::addRow("%s, birth date 0, flag set", op) << alterando << 0.0 << 1 << QString();
        }
        // the flag is the insert's; the change writes the date it is given
        QTest::newRow("insert, a date with the flag set") << false << dia << 1 << QString();
        QTest::newRow("change, a date with the flag set") << true << dia << 1 << QStringLiteral("1980-05-17");
    }
    void datesOfZero()
    {
        QFETCH(bool, alterando);
        QFETCH(double, nascimento);
        QFETCH(int, semData);
        QFETCH(QString, gravado);
        TPessoaFisica p = completa();
        if (alterando)
            QCOMPARE(p.Inserir(), Resultado::Gravado);
        p.DataNascimento = nascimento;
        p.SemDataNascimento = quint8(semData);
        p.ClienteDesde = p.DataEntrada = p.DataDispensa = 0;
        QCOMPARE(alterando ? p.Alterar() : p.Inserir(), Resultado::Gravado);

        const QVariant v = coluna(QStringLiteral("CAST(DATA_NASCIMENTO AS VARCHAR(10))"), p.Identificador);
        QCOMPARE(v.isNull(), gravado.isEmpty());
        QCOMPARE(v.toString(), gravado);
        for (const char *c : {"CLIENTE_DESDE", "P_DATA_ENTRADA", "P_DATA_DISPENSA"})
            QVERIFY2(coluna(QString::fromLatin1(c), p.Identificador).isNull(), c);

        TPessoaFisica lida = completa();
        lida.Identificador = p.Identificador;
        QVERIFY(lida.Carregar());
        QCOMPARE(lida.DataNascimento, gravado.isEmpty() ? 0.0 : nascimento);
        QCOMPARE(lida.ClienteDesde, 0.0);
        QCOMPARE(lida.DataEntrada, 0.0);
        QCOMPARE(lida.DataDispensa, 0.0);
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
        TPessoaFisica p = completa();
        const QMap<QString, int> t = tamanhos();
        for (auto it = t.cbegin(); it != t.cend(); ++it) {
            QVERIFY2(kTextos.contains(it.key()), qPrintable(it.key()));
            if (it.key() != QLatin1String("LOGIN"))
                *kTextos[it.key()](p) = QString(it.value(), QChar(u'é'));
        }
        p.Login = kLogin10;
        if (coluna.isEmpty()) {
            QCOMPARE(p.Inserir(), Resultado::Gravado);
            TPessoaFisica lida(db());
            lida.Identificador = p.Identificador;
            QVERIFY(lida.Carregar());
            mesmasColunas(lida, p);
            return;
        }
        *kTextos[coluna](p) = QString(tamanho + 1, QLatin1Char('x'));
        const quint64 antes = Database::statementCount();
        QCOMPARE(p.Inserir(), Resultado::Falhou);
        QCOMPARE(Database::statementCount(), antes);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QString &m = m_seams.messages->shown.first();
        // the program's own refusal: the field and the reason, no statement
        QVERIFY2(m.startsWith(QStringLiteral("Campo \"")), qPrintable(m));
        QVERIFY2(!m.contains(QStringLiteral("INSERT")), qPrintable(m));
        QVERIFY2(
            m.endsWith(QStringLiteral("\": o texto tem %1 caracteres e cabem no máximo %2.\r\nEncurte-o e "
                                      "tente novamente.")
                           .arg(tamanho + 1)
                           .arg(tamanho)),
            qPrintable(m));
        QCOMPARE(contar(), 0);
    }

    // The insert hands back its own row, even beside an identical one.
    void insertTakesTheIdentifierOfItsOwnRow()
    {
        TPessoaFisica a = completa(), b = completa();
        m_seams.messages->answers << true; // b sounds like a
        QCOMPARE(a.Inserir(), Resultado::Gravado);
        QCOMPARE(b.Inserir(), Resultado::Gravado);
        QVERIFY(a.Identificador > 0);
        QVERIFY(b.Identificador > 0);
        QVERIFY(a.Identificador != b.Identificador);
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR = ") + QString::number(b.Identificador)), 1);

        // the search still finds an equal row, whichever the database gives first
        TPessoaFisica c = completa();
        QVERIFY(c.LocalizarIdentificador());
        QVERIFY(c.Identificador == a.Identificador || c.Identificador == b.Identificador);
        mesmasColunas(c, c.Identificador == a.Identificador ? a : b);
    }

    void theSearchComparesTheDatesThatAreSet_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<bool>("zeroNoRegistro");
        QTest::addColumn<bool>("achou");
        for (auto it = kDatas.cbegin(); it != kDatas.cend(); ++it) {
            QTest::addRow("%s equal", qPrintable(it.key())) << it.key() << false << true;
            QTest::addRow("%s different", qPrintable(it.key())) << it.key() << false << false;
            QTest::addRow("%s 0 and NULL", qPrintable(it.key())) << it.key() << true << true;
        }
    }
    void theSearchComparesTheDatesThatAreSet()
    {
        QFETCH(QString, data);
        QFETCH(bool, zeroNoRegistro);
        QFETCH(bool, achou);
        TPessoaFisica p = completa();
        if (zeroNoRegistro)
            *kDatas[data](p) = 0;
        QCOMPARE(p.Inserir(), Resultado::Gravado);

        TPessoaFisica busca = completa();
        if (zeroNoRegistro)
            *kDatas[data](busca) = 0;
        else if (!achou)
            *kDatas[data](busca) += 1;
        const TPessoaFisica antes = busca;
        QCOMPARE(busca.LocalizarIdentificador(), achou);
        QCOMPARE(busca.Identificador, achou ? p.Identificador : 0);
        if (!achou)
            mesmasColunas(busca, antes);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // A load that finds nothing changes nothing, and a load never touches
    // the fields without a column.
    void aLoadThatFindsNothingLeavesTheRecord()
    {
        TPessoaFisica guardada = completa();
        QCOMPARE(guardada.Inserir(), Resultado::Gravado);

        TPessoaFisica p = completa();
        p.Nome = QStringLiteral("Outra");
        p.Identificador = guardada.Identificador + 1000;
        p.Grupo.Nome = QStringLiteral("nome do grupo");
        const TPessoaFisica antes = p;
        QVERIFY(!p.Carregar());
        mesmasColunas(p, antes);
        QCOMPARE(p.Grupo.Nome, antes.Grupo.Nome);
        QVERIFY(!p.LocalizarIdentificador());
        mesmasColunas(p, antes);

        p.Identificador = guardada.Identificador;
        p.NomeAntigo = QStringLiteral("como a tela mostrou");
        p.SemDataNascimento = 1;
        QVERIFY(p.Carregar());
        QCOMPARE(p.Nome, guardada.Nome);
        QCOMPARE(p.NomeAntigo, QStringLiteral("como a tela mostrou"));
        QCOMPARE(p.SemDataNascimento, quint8(1));
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void deletingRemovesOnlyThatRow()
    {
        TPessoaFisica a = vazia(QStringLiteral("Ana")), b = vazia(QStringLiteral("Beatriz"));
        QCOMPARE(a.Inserir(), Resultado::Gravado);
        QCOMPARE(b.Inserir(), Resultado::Gravado);
        QVERIFY(exec(db(), QStringLiteral("INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA) VALUES (:I, 0)"),
                     {{QStringLiteral("I"), b.Identificador}}));
        QCOMPARE(a.Excluir(), Resultado::Gravado);
        QCOMPARE(contar(), 1);
        TPessoaFisica lida(db());
        lida.Identificador = b.Identificador;
        QVERIFY(lida.Carregar());
        QCOMPARE(count(db(), QStringLiteral("HISTORICO")), 1);
        // deleting a row that is gone already is no failure
        QCOMPARE(a.Excluir(), Resultado::Gravado);
        QVERIFY(m_seams.messages->shown.isEmpty());
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM HISTORICO")));
    }

    // An insert that fails shows the name, the statement and the error.
    void aFailingInsertShowsNameStatementAndError_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<int>("grupo");
        QTest::addColumn<QString>("erro");
        QTest::newRow("a login without a user")
            << QStringLiteral("ninguem") << 0 << QStringLiteral("FK_PESSOAFISICA_USUARIO");
        QTest::newRow("a group that does not exist")
            << kAna << 99999 << QStringLiteral("FK_PESSOAFISICA_GRUPO");
    }
    void aFailingInsertShowsNameStatementAndError()
    {
        QFETCH(QString, login);
        QFETCH(int, grupo);
        QFETCH(QString, erro);
        TPessoaFisica p = completa();
        p.Login = login;
        if (grupo)
            p.Grupo.Codigo = grupo;
        QCOMPARE(p.Inserir(), Resultado::Falhou);
        QCOMPARE(p.Identificador, 0);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QStringList partes = m_seams.messages->shown.first().split(QStringLiteral("\r\n"));
        QCOMPARE(partes.value(0), p.Nome);
        QVERIFY(partes.value(1).startsWith(QStringLiteral("INSERT INTO PESSOAFISICA (COD_GRUPO, NOME, ")));
        QVERIFY(partes.value(1).endsWith(QStringLiteral(":TITULAR_CONTA03) RETURNING IDENTIFICADOR")));
        QVERIFY2(partes.mid(2).join(QLatin1Char('\n')).contains(erro),
                 qPrintable(m_seams.messages->shown.first()));
        QCOMPARE(contar(), 0);
    }

    // A change that fails shows the reason and the statement.
    void aFailingChangeShowsReasonAndStatement_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<bool>("apagada");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("a login without a user")
            << QStringLiteral("ninguem") << false << QStringLiteral("FK_PESSOAFISICA_USUARIO");
        QTest::newRow("a row deleted meanwhile")
            << kAna << true << QStringLiteral("Registro não encontrado! Os dados não foram alterados.");
    }
    void aFailingChangeShowsReasonAndStatement()
    {
        QFETCH(QString, login);
        QFETCH(bool, apagada);
        QFETCH(QString, motivo);
        TPessoaFisica p = completa();
        QCOMPARE(p.Inserir(), Resultado::Gravado);
        if (apagada)
            QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA")));
        p.Login = login;
        p.Apelido = QStringLiteral("mudou");
        QCOMPARE(p.Alterar(), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QString &m = m_seams.messages->shown.first();
        const int update = m.indexOf(QStringLiteral("\r\nUPDATE PESSOAFISICA SET COD_GRUPO = :COD_GRUPO, "));
        QVERIFY2(update > 0, qPrintable(m));
        QVERIFY2(m.left(update).contains(motivo), qPrintable(m));
        QVERIFY(m.endsWith(QStringLiteral(" WHERE IDENTIFICADOR = :IDENTIFICADOR ")));
        if (!apagada)
            QCOMPARE(coluna(QStringLiteral("APELIDO"), p.Identificador).toString(), QStringLiteral("Nica"));
    }

    // Without a connection: the delete and the load keep quiet, the search speaks.
    void withoutAConnection()
    {
        Database semConexao;
        TPessoaFisica p(semConexao);
        p.Identificador = 7;
        p.Nome = QStringLiteral("Ana");
        QCOMPARE(p.Excluir(), Resultado::Falhou);
        QVERIFY(!p.Carregar());
        QCOMPARE(p.Nome, QStringLiteral("Ana"));
        QVERIFY(m_seams.messages->shown.isEmpty());
        QVERIFY(!p.LocalizarIdentificador());
        QCOMPARE(p.Identificador, 7);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(!m_seams.messages->shown.first().isEmpty());
        QVERIFY(!m_seams.messages->shown.first().contains(QStringLiteral("SELECT")));
    }

    // A building's apartments: copies of the stored row that differ in the
    // complement alone, every other column included.
    void copiesDifferOnlyInTheComplement()
    {
        TPessoaFisica modelo = completa();
        QCOMPARE(modelo.Inserir(), Resultado::Gravado);
        const QStringList complementos{QStringLiteral("Apto: 102"), QStringLiteral("Apto: 103"),
                                       QStringLiteral("Apto: 201 Bloco: B")};
        int copiadas = 0;
        const quint64 antes = Database::statementCount();
        const DbResult r = modelo.CopiarComComplementos(complementos, [&] { ++copiadas; });
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(copiadas, 3);
        // the column list, then one insert per copy
        QCOMPARE(Database::statementCount() - antes, quint64(1 + 3));
        QCOMPARE(contar(), 4);

        QList<int> ids;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT IDENTIFICADOR FROM PESSOAFISICA WHERE IDENTIFICADOR <> :M "
                                      "ORDER BY IDENTIFICADOR"));
            q.setInt(QStringLiteral("M"), modelo.Identificador);
            q.open();
            while (q.next())
                ids << q.field(0).asInt();
        });
        QCOMPARE(ids.size(), 3);
        for (int i = 0; i < ids.size(); ++i) {
            TPessoaFisica copia(db());
            copia.Identificador = ids.at(i);
            QVERIFY(copia.Carregar());
            QCOMPARE(copia.Endereco.Complemento, complementos.at(i));
            copia.Identificador = modelo.Identificador;
            copia.Endereco.Complemento = modelo.Endereco.Complemento;
            mesmasColunas(copia, modelo);
        }
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // A copy the database refuses takes the others with it; nothing is shown.
    void aFailedCopyLeavesOnlyTheStoredRow_data()
    {
        QTest::addColumn<bool>("conectado");
        QTest::addColumn<int>("copiadas");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("refused midway") << true << 1 << QStringLiteral("apartamento recusado");
        QTest::newRow("no connection") << false << 0 << QString();
    }
    void aFailedCopyLeavesOnlyTheStoredRow()
    {
        QFETCH(bool, conectado);
        QFETCH(int, copiadas);
        QFETCH(QString, motivo);
        TPessoaFisica modelo = completa();
        QCOMPARE(modelo.Inserir(), Resultado::Gravado);
        QVERIFY(exec(db(), QStringLiteral("CREATE EXCEPTION E_COPIA_RECUSADA 'apartamento recusado'")));
        QVERIFY(exec(db(), QStringLiteral("CREATE TRIGGER T_COPIA_RECUSADA FOR PESSOAFISICA BEFORE INSERT AS "
                                          "BEGIN IF (NEW.COMPLEMENTO = 'Apto: 103') THEN "
                                          "EXCEPTION E_COPIA_RECUSADA; END")));
        Database semConexao;
        TPessoaFisica p = conectado ? modelo : TPessoaFisica(semConexao);
        p.Identificador = modelo.Identificador;
        int feitas = 0;
        const DbResult r = p.CopiarComComplementos(
            {QStringLiteral("Apto: 102"), QStringLiteral("Apto: 103"), QStringLiteral("Apto: 104")},
            [&] { ++feitas; });
        QVERIFY(exec(db(), QStringLiteral("DROP TRIGGER T_COPIA_RECUSADA")));
        QVERIFY(exec(db(), QStringLiteral("DROP EXCEPTION E_COPIA_RECUSADA")));

        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(motivo), qPrintable(r.error));
        QCOMPARE(feitas, copiadas);
        QCOMPARE(contar(), 1);
        QCOMPARE(contar(QStringLiteral("IDENTIFICADOR = %1").arg(modelo.Identificador)), 1);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    // A record whose owner was left empty is stamped with the current user's login.
    void anEmptyLoginIsTheCurrentUsers()
    {
        TUsuario atual;
        atual.Login = kBia;
        TUsuario::setAtual(&atual);
        TPessoaFisica semDono = vazia(QStringLiteral("Sem dono"));
        semDono.Login.clear();
        TPessoaFisica daAna = vazia(QStringLiteral("Da Ana"));
        const Resultado r1 = semDono.Inserir();
        const Resultado r2 = daAna.Inserir();
        TUsuario::setAtual(nullptr);
        QCOMPARE(r1, Resultado::Gravado);
        QCOMPARE(r2, Resultado::Gravado);
        QCOMPARE(semDono.Login, kBia);
        QCOMPARE(coluna(QStringLiteral("LOGIN"), semDono.Identificador).toString(), kBia);
        QCOMPARE(coluna(QStringLiteral("LOGIN"), daAna.Identificador).toString(), kAna);
    }
};

QTEST_GUILESS_MAIN(TestTPessoaFisica)
#include "TestTPessoaFisica.moc"
