// History entries on a real database: the picture stored byte for byte (or
// NULL), a change of text that leaves the picture alone, deletion of one
// entry and of one person's entries, texts the column cannot hold, the
// person's list (all or between dates) and reading or clearing a picture.
#include "data/Database.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/THistorico.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "util/DateTime.h"

#include <QtTest>

using namespace DbHelpers;

namespace {

// A picture bigger than one blob segment, with every byte value in it.
QByteArray figura(char semente)
{
    QByteArray b;
    b.reserve(40000);
    b += "\xFF\xD8\xFF";
    for (int i = 0; b.size() < 40000; ++i)
        b += char((i * 7 + semente) & 0xFF);
    return b;
}

struct Linha {
    bool existe = false;
    int pessoa = 0;
    int tipo = 0;
    double data = 0;
    QString texto;
    bool imagemNula = true;
    QByteArray imagem;
};

const QString kInserir = QStringLiteral(
    "INSERT INTO HISTORICO (IDEN_PESSOA, TIPO_PESSOA, DATA, TEXTO, IMAGEM) VALUES (:IDEN_PESSOA, "
    ":TIPO_PESSOA, :DATA, :TEXTO, :IMAGEM) RETURNING IDENTIFICADOR");

} // namespace

class TestTHistorico : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    Database &db() { return m_dm->BancoDados; }

    THistorico entrada(int pessoa, int tipo, const QString &texto, double data = EncodeDate(2005, 6, 15))
    {
        THistorico h(db());
        h.IdenPessoa = pessoa;
        h.TipoPessoa = tipo;
        h.Data = data;
        h.Texto = texto;
        return h;
    }
    Linha ler(int id)
    {
        Linha l;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT * FROM HISTORICO WHERE IDENTIFICADOR = :ID"));
            q.setInt(QStringLiteral("ID"), id);
            q.open();
            if (!q.next())
                return;
            l.existe = true;
            l.pessoa = q.field(QStringLiteral("IDEN_PESSOA")).asInt();
            l.tipo = q.field(QStringLiteral("TIPO_PESSOA")).asInt();
            l.data = q.field(QStringLiteral("DATA")).asDate();
            l.texto = q.field(QStringLiteral("TEXTO")).asString();
            l.imagemNula = q.field(QStringLiteral("IMAGEM")).isNull();
            l.imagem = q.field(QStringLiteral("IMAGEM")).asBytes();
        });
        return l;
    }
    int contar(const QString &where = {}) { return count(db(), QStringLiteral("HISTORICO"), where); }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        // a way to make the database refuse a write: person kind 99
        QVERIFY(exec(db(), QStringLiteral("CREATE EXCEPTION E_TESTE 'tipo de pessoa recusado'")));
        QVERIFY(exec(db(), QStringLiteral("CREATE TRIGGER T_TESTE FOR HISTORICO BEFORE INSERT OR UPDATE AS "
                                          "BEGIN IF (NEW.TIPO_PESSOA = 99) THEN EXCEPTION E_TESTE; END")));
    }
    void init()
    {
        m_seams.messages->clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM HISTORICO")));
    }
    void cleanupTestCase() { m_dm.reset(); }

    void insertStoresThePictureByteForByteOrNull_data()
    {
        QTest::addColumn<QByteArray>("imagem");
        QTest::newRow("picture") << figura(3);
        QTest::newRow("no picture") << QByteArray();
    }
    void insertStoresThePictureByteForByteOrNull()
    {
        QFETCH(QByteArray, imagem);
        THistorico h = entrada(7, 1, QStringLiteral("Visita técnica\r\nTroca do \"compressor\" e do filtro"));
        QCOMPARE(h.Inserir(imagem), Resultado::Gravado);
        QVERIFY(h.Identificador > 0);
        const Linha l = ler(h.Identificador);
        QVERIFY(l.existe);
        QCOMPARE(l.pessoa, 7);
        QCOMPARE(l.tipo, 1);
        QCOMPARE(l.data, EncodeDate(2005, 6, 15));
        QCOMPARE(l.texto, h.Texto);
        QCOMPARE(l.imagemNula, imagem.isEmpty());
        QCOMPARE(l.imagem, imagem);
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    // Keeping the picture touches nothing of it; otherwise the given bytes
    // replace it, and an empty array clears it.
    void changeKeepsOrReplacesThePicture_data()
    {
        QTest::addColumn<bool>("manter");
        QTest::addColumn<QByteArray>("nova");
        QTest::addColumn<QByteArray>("esperada");
        QTest::newRow("keep") << true << figura(9) << figura(1);
        QTest::newRow("replace") << false << figura(9) << figura(9);
        QTest::newRow("clear") << false << QByteArray() << QByteArray();
    }
    void changeKeepsOrReplacesThePicture()
    {
        QFETCH(bool, manter);
        QFETCH(QByteArray, nova);
        QFETCH(QByteArray, esperada);
        THistorico h = entrada(7, 0, QStringLiteral("primeiro texto"));
        QCOMPARE(h.Inserir(figura(1)), Resultado::Gravado);
        h.Texto = QStringLiteral("texto corrigido");
        h.Data = EncodeDate(2006, 1, 2);
        QCOMPARE(h.Alterar(nova, manter), Resultado::Gravado);
        const Linha l = ler(h.Identificador);
        QCOMPARE(l.texto, QStringLiteral("texto corrigido"));
        QCOMPARE(l.data, EncodeDate(2006, 1, 2));
        QCOMPARE(l.imagemNula, esperada.isEmpty());
        QCOMPARE(l.imagem, esperada);
    }

    void changeOfAnEntryNoLongerStoredFails()
    {
        THistorico h = entrada(7, 0, QStringLiteral("texto"));
        QCOMPARE(h.Inserir({}), Resultado::Gravado);
        QCOMPARE(h.Excluir(), Resultado::Gravado);
        QCOMPARE(h.Alterar({}, true), Resultado::Falhou);
        QCOMPARE(contar(), 0);
    }

    void deleteRemovesOnlyThatEntry()
    {
        THistorico a = entrada(7, 0, QStringLiteral("a"));
        THistorico b = entrada(7, 0, QStringLiteral("b"));
        QCOMPARE(a.Inserir({}), Resultado::Gravado);
        QCOMPARE(b.Inserir({}), Resultado::Gravado);
        QCOMPARE(a.Excluir(), Resultado::Gravado);
        QVERIFY(!ler(a.Identificador).existe);
        QVERIFY(ler(b.Identificador).existe);
    }

    // An individual and a company may have the same number.
    void deletingAPersonsHistoryLeavesTheOtherKind()
    {
        for (int tipo : {0, 0, 1, 1, 1})
            QCOMPARE(entrada(7, tipo, QStringLiteral("x")).Inserir({}), Resultado::Gravado);
        QCOMPARE(entrada(8, 0, QStringLiteral("y")).Inserir({}), Resultado::Gravado);
        THistorico h = entrada(7, 0, {});
        QCOMPARE(h.ExcluirDaPessoa(), Resultado::Gravado);
        QCOMPARE(contar(QStringLiteral("IDEN_PESSOA = 7 AND TIPO_PESSOA = 0")), 0);
        QCOMPARE(contar(QStringLiteral("IDEN_PESSOA = 7 AND TIPO_PESSOA = 1")), 3);
        QCOMPARE(contar(QStringLiteral("IDEN_PESSOA = 8")), 1);
    }

    void textsThatCannotBeStoredAreRefusedWithAMessage_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("too long") << QString(2001, QLatin1Char('a'))
                                  << QStringLiteral("Campo \"Texto\": o texto tem 2001 caracteres e cabem no "
                                                    "máximo 2000.\r\nEncurte-o e tente novamente.");
        QTest::newRow("not Windows-1252") << QStringLiteral("reunião ✓ ok") << QString();
    }
    void textsThatCannotBeStoredAreRefusedWithAMessage()
    {
        QFETCH(QString, texto);
        QFETCH(QString, mensagem);
        THistorico h = entrada(7, 0, texto);
        QCOMPARE(h.Inserir(figura(1)), Resultado::Falhou);
        QCOMPARE(contar(), 0);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        const QString mostrada = m_seams.messages->shown.first();
        QVERIFY2(mostrada.startsWith(QStringLiteral("Campo \"Texto\": ")), qPrintable(mostrada));
        if (!mensagem.isEmpty())
            QCOMPARE(mostrada, mensagem);
        else
            QVERIFY(mostrada.contains(QStringLiteral("✓")));

        // a change is refused the same way and leaves the stored entry as it was
        THistorico guardada = entrada(7, 0, QStringLiteral("original"));
        QCOMPARE(guardada.Inserir(figura(1)), Resultado::Gravado);
        guardada.Texto = texto;
        QCOMPARE(guardada.Alterar({}, false), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown.size(), 2);
        QCOMPARE(ler(guardada.Identificador).texto, QStringLiteral("original"));
        QCOMPARE(ler(guardada.Identificador).imagem, figura(1));
    }

    void theLongestTextIsStored()
    {
        THistorico h = entrada(7, 0, QString(2000, QChar(u'ç')));
        QCOMPARE(h.Inserir({}), Resultado::Gravado);
        QCOMPARE(ler(h.Identificador).texto, h.Texto);
    }

    // The insert shows the statement and the server's reason; the other
    // operations only report the failure to their caller.
    void databaseErrors()
    {
        THistorico h = entrada(7, 99, QStringLiteral("recusada"));
        QCOMPARE(h.Inserir(figura(1)), Resultado::Falhou);
        QCOMPARE(h.Identificador, -1);
        QCOMPARE(contar(), 0);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().startsWith(kInserir + QStringLiteral("\r\n")));
        QVERIFY(m_seams.messages->shown.first().contains(QStringLiteral("tipo de pessoa recusado")));

        THistorico g = entrada(7, 0, QStringLiteral("guardada"));
        QCOMPARE(g.Inserir(figura(1)), Resultado::Gravado);
        m_seams.messages->clear();
        g.TipoPessoa = 99;
        QCOMPARE(g.Alterar({}, false), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown, QStringList());
        const Linha l = ler(g.Identificador);
        QCOMPARE(l.tipo, 0);
        QCOMPARE(l.imagem, figura(1));
    }

    // One person's entries by date, without the other kind's nor another
    // person's; between two dates both ends count.
    void listsOnePersonsEntriesByDate_data()
    {
        QTest::addColumn<bool>("entreDatas");
        QTest::addColumn<QStringList>("textos");
        QTest::newRow("all") << false
                             << QStringList{QStringLiteral("janeiro"), QStringLiteral("março"),
                                            QStringLiteral("maio"), QStringLiteral("julho")};
        QTest::newRow("between dates, both ends included")
            << true << QStringList{QStringLiteral("março"), QStringLiteral("maio")};
    }
    void listsOnePersonsEntriesByDate()
    {
        QFETCH(bool, entreDatas);
        QFETCH(QStringList, textos);
        // inserted out of order: the list orders them
        const std::pair<int, const char *> meses[] = {
            {5, "maio"}, {1, "janeiro"}, {7, "julho"}, {3, "março"}};
        for (const auto &[mes, texto] : meses) {
            THistorico h = entrada(7, 1, QString::fromUtf8(texto), EncodeDate(2005, mes, 10));
            QCOMPARE(h.Inserir(mes == 3 ? figura(2) : QByteArray()), Resultado::Gravado);
        }
        QCOMPARE(entrada(7, 0, QStringLiteral("a pessoa física 7")).Inserir({}), Resultado::Gravado);
        QCOMPARE(entrada(8, 1, QStringLiteral("a empresa 8")).Inserir({}), Resultado::Gravado);

        const THistorico h = entrada(7, 1, {});
        QList<ItemHistorico> itens{ItemHistorico{}};
        const quint64 antes = Database::statementCount();
        const DbResult r = entreDatas ? h.ListarEntre(EncodeDate(2005, 3, 10), EncodeDate(2005, 5, 10), itens)
                                      : h.Listar(itens);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(Database::statementCount() - antes, quint64(1));
        QStringList lidos;
        for (const ItemHistorico &i : std::as_const(itens)) {
            lidos << i.Texto;
            QCOMPARE(i.IdenPessoa, 7);
            QCOMPARE(i.TipoPessoa, 1);
            QCOMPARE(ler(i.Identificador).texto, i.Texto);
            QCOMPARE(i.Data, ler(i.Identificador).data);
            // whether there is a picture, without reading it
            QCOMPARE(i.TemImagem, i.Texto == QStringLiteral("março"));
        }
        QCOMPARE(lidos, textos);
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    void readsAndClearsOneEntrysPicture()
    {
        THistorico com = entrada(7, 0, QStringLiteral("com figura"));
        THistorico sem = entrada(7, 0, QStringLiteral("sem figura"));
        QCOMPARE(com.Inserir(figura(5)), Resultado::Gravado);
        QCOMPARE(sem.Inserir({}), Resultado::Gravado);

        QByteArray bytes;
        QVERIFY(com.LerImagem(bytes).ok);
        QCOMPARE(bytes, figura(5));
        QVERIFY(sem.LerImagem(bytes).ok);
        QVERIFY(bytes.isEmpty());
        THistorico apagada = entrada(7, 0, {});
        apagada.Identificador = com.Identificador + sem.Identificador;
        bytes = figura(1);
        QVERIFY(apagada.LerImagem(bytes).ok);
        QVERIFY(bytes.isEmpty());

        QVERIFY(com.LimparImagem().ok);
        const Linha l = ler(com.Identificador);
        QVERIFY(l.imagemNula);
        QCOMPARE(l.texto, QStringLiteral("com figura"));
        QVERIFY(ler(sem.Identificador).existe);
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    // Without the database every read is an error, never an empty history
    // or no picture, and nothing is shown: the screen decides what to say.
    void withoutTheDatabaseReadsFail()
    {
        THistorico guardada = entrada(7, 0, QStringLiteral("guardada"));
        QCOMPARE(guardada.Inserir(figura(4)), Resultado::Gravado);
        Database semConexao;
        THistorico h(semConexao);
        h.IdenPessoa = 7;
        h.Identificador = guardada.Identificador;

        QList<ItemHistorico> itens{ItemHistorico{}};
        DbResult r = h.Listar(itens);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(itens.isEmpty());
        itens = {ItemHistorico{}};
        QVERIFY(!h.ListarEntre(EncodeDate(2005, 1, 1), EncodeDate(2005, 12, 31), itens).ok);
        QVERIFY(itens.isEmpty());
        QByteArray bytes = figura(1);
        QVERIFY(!h.LerImagem(bytes).ok);
        QVERIFY(bytes.isEmpty());
        QVERIFY(!h.LimparImagem().ok);
        QCOMPARE(ler(guardada.Identificador).imagem, figura(4));
        QCOMPARE(m_seams.messages->shown, QStringList());
    }
};

QTEST_MAIN(TestTHistorico)
#include "TestTHistorico.moc"
