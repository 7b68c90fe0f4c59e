// The apartment generator on a real database: the complements it generates,
// its checks and its cap, and the save that inserts one copy of the
// individual per apartment in one go, asking the similar-names question once.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/TPessoaFisica.h"
#include "model/TUsuario.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/maintenance/TfrPredios.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kLogin = QStringLiteral("ana");
const QString kNome = QStringLiteral("Condomínio Solar");

// The example building: 101-104, three floors 100 apart, blocks A and B.
// "1,4,3" -> {"1", "4", "3"}
QStringList valores(const char *texto)
{
    return QString::fromLatin1(texto).split(QLatin1Char(','));
}

QStringList predioExemplo()
{
    QStringList out;
    for (const QChar bloco : {QLatin1Char('A'), QLatin1Char('B')})
        for (int andar = 100; andar <= 300; andar += 100)
            for (int n = 1; n <= 4; ++n)
                out << QStringLiteral("Apto: %1 Bloco: %2").arg(andar + n).arg(bloco);
    return out;
}

struct Tela {
    TfrPredios dlg;
    bool exposta = false;

    explicit Tela(TPessoaFisica &p) : dlg(p)
    {
        dlg.show();
        exposta = QTest::qWaitForWindowExposed(&dlg);
    }
    QLineEdit *campo(const char *nome) { return dlg.findChild<QLineEdit *>(QString::fromLatin1(nome)); }
    QPushButton *botao(const char *nome) { return dlg.findChild<QPushButton *>(QString::fromLatin1(nome)); }
    void preencher(const QString &inicial, const QString &final, const QString &andares,
                   const QString &incremento, const QString &blocos, const QString &bloco)
    {
        campo("edtNroAptoInicial")->setText(inicial);
        campo("edtNroAptoFinal")->setText(final);
        campo("edtNumerodeAndares")->setText(andares);
        campo("edtIncrementoPorAndar")->setText(incremento);
        campo("edtNroDeBlocos")->setText(blocos);
        campo("edtBlocoInicial")->setText(bloco);
    }
    QStringList memo() const
    {
        const QString t = dlg.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->toPlainText();
        return t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
    }
    bool gravarVisivel() { return botao("btnGravaNoBancoDados")->isVisible(); }
};

} // namespace

class TestTfrPredios : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_usuario;
    int m_grupo = 0;
    Database &db() { return m_dm->BancoDados; }

    TPessoaFisica pessoa()
    {
        TPessoaFisica p;
        p.Nome = kNome;
        p.Grupo.Codigo = m_grupo;
        p.Publica = 1;
        p.Email = QStringLiteral("sindico@solar.com.br");
        p.FoneResidencial = QStringLiteral("1132451234");
        p.CPF = QStringLiteral("00000000000");
        p.Titulo = QStringLiteral("0000000000000");
        p.CartaoVisa = QStringLiteral("0000000000000000");
        p.CartaoMaster = QStringLiteral("0000000000000000");
        p.Endereco.Rua = QStringLiteral("Rua das Flores");
        p.Endereco.Numero = 250;
        p.Endereco.Cidade = QStringLiteral("São Paulo");
        p.Endereco.Estado = QStringLiteral("SP");
        p.Endereco.Enviar = 1;
        return p;
    }
    QStringList complementosGravados()
    {
        const QVariant v =
            scalar(db(), QStringLiteral("SELECT LIST(COMPLEMENTO, '|') FROM (SELECT COMPLEMENTO FROM "
                                        "PESSOAFISICA ORDER BY IDENTIFICADOR)"));
        return v.isNull() ? QStringList() : v.toString().split(QLatin1Char('|'));
    }
    // Columns other than the key and the complement, with the distinct
    // combinations they take: 1 when the rows are copies of each other.
    int versoesDistintas()
    {
        return scalar(db(), QStringLiteral(
                                "SELECT COUNT(*) FROM (SELECT DISTINCT COD_GRUPO, NOME, EMAIL,"
                                " FONE_RESIDENCIAL, RUA, NUMERO, CIDADE, ESTADO, ENVIAR, CPF, TITULO,"
                                " CARTAO_VISA, CARTAO_MASTER, PUBLICA, LOGIN, F_NOME FROM PESSOAFISICA)"))
            .toInt();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        RecordingNavigator::install({});
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), kLogin));
        m_usuario.Login = kLogin;
        TUsuario::setAtual(&m_usuario);
        m_grupo = insertGrupo(db(), QStringLiteral("Amigos"));
        QVERIFY(m_grupo > 0);
    }
    void init()
    {
        m_seams.messages->clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA")));
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    void generatesTheExampleBuilding()
    {
        TPessoaFisica p = pessoa();
        Tela t(p);
        QVERIFY(t.exposta);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Inserindo contatos para : ") + kNome);
        QCOMPARE(t.campo("edtNroDeBlocos")->text(), QStringLiteral("1"));
        QCOMPARE(t.campo("edtBlocoInicial")->text(), QStringLiteral("A"));
        QVERIFY(!t.gravarVisivel());
        t.preencher(QStringLiteral("101"), QStringLiteral("104"), QStringLiteral("3"), QStringLiteral("100"),
                    QStringLiteral("2"), QStringLiteral("A"));
        t.botao("btnGerar")->click();
        QCOMPARE(t.memo(), predioExemplo());
        QVERIFY(t.gravarVisivel());
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    void generates_data()
    {
        QTest::addColumn<int>("inicial");
        QTest::addColumn<int>("final");
        QTest::addColumn<int>("andares");
        QTest::addColumn<int>("blocos");
        QTest::addColumn<QChar>("bloco");
        QTest::addColumn<QStringList>("linhas");
        // one block: no block text, a trailing blank, and the letter ignored
        QTest::newRow("one block") << 1 << 2 << 2 << 1 << QChar(QLatin1Char('C'))
                                   << QStringList{QStringLiteral("Apto: 01 "), QStringLiteral("Apto: 02 "),
                                                  QStringLiteral("Apto: 11 "), QStringLiteral("Apto: 12 ")};
        QTest::newRow("final equal to initial: one per floor and block")
            << 5 << 5 << 2 << 2 << QChar(QLatin1Char('X'))
            << QStringList{QStringLiteral("Apto: 05 Bloco: X"), QStringLiteral("Apto: 15 Bloco: X"),
                           QStringLiteral("Apto: 05 Bloco: Y"), QStringLiteral("Apto: 15 Bloco: Y")};
        QTest::newRow("past Z") << 1 << 1 << 1 << 2 << QChar(QLatin1Char('Z'))
                                << QStringList{QStringLiteral("Apto: 01 Bloco: Z"),
                                               QStringLiteral("Apto: 01 Bloco: [")};
    }
    void generates()
    {
        QFETCH(int, inicial);
        QFETCH(int, final);
        QFETCH(int, andares);
        QFETCH(int, blocos);
        QFETCH(QChar, bloco);
        QFETCH(QStringList, linhas);
        QCOMPARE(TfrPredios::GerarComplementos(inicial, final, andares, 10, blocos, bloco), linhas);
    }

    void refuses_data()
    {
        QTest::addColumn<QStringList>("campos"); // inicial, final, andares, incremento, blocos, bloco
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("foco");
        QTest::newRow("initial 0") << valores("0,4,3,100,1,A")
                                   << QStringLiteral(
                                          "O número do Apartamento inicial deve ser maior que zero!")
                                   << QStringLiteral("edtNroAptoInicial");
        QTest::newRow("final 0") << valores("1,0,3,100,1,A")
                                 << QStringLiteral("O número do Apartamento final deve ser maior que zero!")
                                 << QStringLiteral("edtNroAptoFinal");
        QTest::newRow("final below initial")
            << valores("5,4,3,100,1,A")
            << QStringLiteral("O número do Apartamento final não pode ser menor que o inicial!")
            << QStringLiteral("edtNroAptoInicial");
        QTest::newRow("floors 0") << valores("1,4,0,100,1,A")
                                  << QStringLiteral("O número de andares deve ser maior que zero!")
                                  << QStringLiteral("edtNumerodeAndares");
        QTest::newRow("increment 0") << valores("1,4,3,0,1,A")
                                     << QStringLiteral("O incremento por andar deve ser maior que zero!")
                                     << QStringLiteral("edtIncrementoPorAndar");
        QTest::newRow("blocks 0") << valores("1,4,3,100,0,A")
                                  << QStringLiteral("O número de blocos deve ser maior que zero!")
                                  << QStringLiteral("edtNroDeBlocos");
        QTest::newRow("two blocks without a letter")
            << valores("1,4,3,100,2,")
            << QStringLiteral("Você precisa definir uma letra para o bloco inicial!")
            << QStringLiteral("edtBlocoInicial");
        // 100 numbers x 26 floors x 2 blocks = 5,200 rows
        QTest::newRow("over the cap")
            << valores("1,100,26,100,2,A")
            << QStringLiteral("Estes dados gerariam 5200 apartamentos; o máximo é 5000 de "
                              "cada vez.\r\nGere o prédio em partes menores.")
            << QStringLiteral("edtNumerodeAndares");
    }
    void refuses()
    {
        QFETCH(QStringList, campos);
        QFETCH(QString, mensagem);
        QFETCH(QString, foco);
        TPessoaFisica p = pessoa();
        Tela t(p);
        t.preencher(QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                    QStringLiteral("1"), QStringLiteral("A"));
        t.botao("btnGerar")->click();
        QCOMPARE(t.memo().size(), 1);
        t.preencher(campos[0], campos[1], campos[2], campos[3], campos[4], campos[5]);
        t.botao("btnGerar")->click();
        QCOMPARE(m_seams.messages->shown, QStringList{mensagem});
        QCOMPARE(t.dlg.focusWidget(), t.campo(qPrintable(foco)));
        QCOMPARE(t.memo().size(), 1); // the earlier list stays
    }

    void theCapItselfIsAllowed()
    {
        TPessoaFisica p = pessoa();
        Tela t(p);
        t.preencher(QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("25"), QStringLiteral("100"),
                    QStringLiteral("2"), QStringLiteral("A"));
        t.botao("btnGerar")->click();
        QCOMPARE(m_seams.messages->shown, QStringList());
        QCOMPARE(t.memo().size(), TfrPredios::kMaximoLinhas);
    }

    // With a sound-alike already stored the question comes once, not once
    // per apartment; Yes writes the whole building, No writes nothing.
    void savesTheBuildingAskingOnce_data()
    {
        QTest::addColumn<bool>("semelhante");
        QTest::addColumn<bool>("resposta");
        QTest::newRow("no sound-alike: no question") << false << true;
        QTest::newRow("sound-alike, Yes") << true << true;
        QTest::newRow("sound-alike, No") << true << false;
    }
    void savesTheBuildingAskingOnce()
    {
        QFETCH(bool, semelhante);
        QFETCH(bool, resposta);
        int existente = 0;
        if (semelhante) {
            existente = insertPessoaFisica(db(), kNome, m_grupo, kLogin);
            QVERIFY(existente > 0);
            m_seams.messages->answers.enqueue(resposta);
        }
        const int antes = count(db(), QStringLiteral("PESSOAFISICA"));
        TPessoaFisica p = pessoa();
        Tela t(p);
        t.preencher(QStringLiteral("101"), QStringLiteral("104"), QStringLiteral("3"), QStringLiteral("100"),
                    QStringLiteral("2"), QStringLiteral("A"));
        t.botao("btnGerar")->click();
        t.botao("btnGravaNoBancoDados")->click();

        QCOMPARE(m_seams.messages->questions.size(), semelhante ? 1 : 0);
        QCOMPARE(m_seams.messages->shown, QStringList());
        if (semelhante && !resposta) {
            QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA")), antes);
            QVERIFY(t.gravarVisivel()); // the user may try again
            return;
        }
        QVERIFY(!t.gravarVisivel());
        QCOMPARE(t.dlg.findChild<QProgressBar *>(QStringLiteral("ProgressBar1"))->value(), 0);
        if (semelhante)
            QVERIFY(exec(db(), QStringLiteral("DELETE FROM PESSOAFISICA WHERE IDENTIFICADOR = :ID"),
                         {{QStringLiteral("ID"), existente}}));
        QCOMPARE(complementosGravados(), predioExemplo());
        QCOMPARE(versoesDistintas(), 1);
        QCOMPARE(scalar(db(), QStringLiteral("SELECT MIN(LOGIN) FROM PESSOAFISICA")).toString(), kLogin);
    }

    // A row the database refuses in the middle of the building: nothing of
    // the building stays, and the user learns where it stopped.
    void aFailureMidwayLeavesNothing()
    {
        QVERIFY(exec(db(), QStringLiteral("CREATE EXCEPTION E_APTO_RECUSADO 'apartamento recusado'")));
        QVERIFY(exec(db(), QStringLiteral("CREATE TRIGGER T_APTO_RECUSADO FOR PESSOAFISICA BEFORE INSERT AS "
                                          "BEGIN IF (NEW.COMPLEMENTO = 'Apto: 302 Bloco: A') THEN "
                                          "EXCEPTION E_APTO_RECUSADO; END")));
        TPessoaFisica p = pessoa();
        Tela t(p);
        t.preencher(QStringLiteral("101"), QStringLiteral("104"), QStringLiteral("3"), QStringLiteral("100"),
                    QStringLiteral("2"), QStringLiteral("A"));
        t.botao("btnGerar")->click();
        t.botao("btnGravaNoBancoDados")->click();
        QVERIFY(exec(db(), QStringLiteral("DROP TRIGGER T_APTO_RECUSADO")));
        QVERIFY(exec(db(), QStringLiteral("DROP EXCEPTION E_APTO_RECUSADO")));

        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA")), 0);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QString msg = m_seams.messages->shown.first();
        QVERIFY2(msg.startsWith(QStringLiteral(
                     "Não foi possível gravar o apartamento \"Apto: 302 Bloco: A\" (10 de 24):\r\n")),
                 qPrintable(msg));
        QVERIFY2(msg.contains(QStringLiteral("apartamento recusado")), qPrintable(msg));
        QVERIFY2(msg.endsWith(
                     QStringLiteral("Nenhum apartamento foi gravado: os 9 já inseridos foram desfeitos.")),
                 qPrintable(msg));
        QVERIFY(t.gravarVisivel());
    }

    void closingWithoutSavingInsertsNothing()
    {
        TPessoaFisica p = pessoa();
        Tela t(p);
        t.preencher(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("1"),
                    QStringLiteral("1"), QStringLiteral("A"));
        t.botao("btnGerar")->click();
        t.botao("Button1")->click();
        QVERIFY(!t.dlg.isVisible());
        QCOMPARE(count(db(), QStringLiteral("PESSOAFISICA")), 0);
    }
};

QTEST_MAIN(TestTfrPredios)
#include "TestTfrPredios.moc"
