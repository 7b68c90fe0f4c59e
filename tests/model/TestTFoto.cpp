// Photos of an individual's album on a real database: the stored bytes are
// exactly the ones handed over (a caption change never touches them), the
// album list in identifier order without pictures, and what the user is told
// when a caption cannot be stored or a photo is gone.
#include "data/Database.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/TFoto.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"

#include <QtTest>

using namespace DbHelpers;

namespace {
const QString kAna = QStringLiteral("ana");
const QString kInserida = QStringLiteral("Imagem inserida com sucesso!");
const QString kAtualizada = QStringLiteral("Dados atualizados com sucesso!");
const QString kExcluida = QStringLiteral("Imagem excluída com sucesso!");
const QString kInserir = QStringLiteral(
    "INSERT INTO IMAGEM(ID_PESSOA, FOTO, OBS) VALUES (:ID_PESSOA, :FOTO, :OBS) RETURNING ID_IMAGEM");
const QString kAlterar =
    QStringLiteral("UPDATE IMAGEM SET FOTO = :FOTO , OBS = :OBS WHERE ID_IMAGEM = :ID_IMAGEM");

// Binary bytes of every value, longer than one blob segment.
QByteArray bytesDeTeste(int tamanho, int semente)
{
    QByteArray b(tamanho, Qt::Uninitialized);
    for (int i = 0; i < tamanho; ++i)
        b[i] = char((i * 31 + semente) & 0xFF);
    return b;
}

struct Linha {
    bool existe = false;
    int pessoa = 0;
    QString obs;
    QByteArray foto;
    bool fotoNula = true;
};
} // namespace

class TestTFoto : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    int m_ana = 0;
    int m_bia = 0;
    Database &db() { return m_dm->BancoDados; }

    TFoto foto(int pessoa, const QString &obs)
    {
        TFoto f(db());
        f.IdPessoa = pessoa;
        f.Obs = obs;
        return f;
    }
    Linha ler(int id)
    {
        Linha l;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT * FROM IMAGEM WHERE ID_IMAGEM = :ID"));
            q.setInt(QStringLiteral("ID"), id);
            q.open();
            if (!q.next())
                return;
            l.existe = true;
            l.pessoa = q.field(QStringLiteral("ID_PESSOA")).asInt();
            l.obs = q.field(QStringLiteral("OBS")).asString();
            l.foto = q.field(QStringLiteral("FOTO")).asBytes();
            l.fotoNula = q.field(QStringLiteral("FOTO")).isNull();
        });
        return l;
    }
    int contar() { return count(db(), QStringLiteral("IMAGEM")); }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), kAna));
        const int grupo = insertGrupo(db(), QStringLiteral("Amigos"));
        m_ana = insertPessoaFisica(db(), QStringLiteral("Ana Souza"), grupo, kAna);
        m_bia = insertPessoaFisica(db(), QStringLiteral("Bia Lima"), grupo, kAna);
        QVERIFY(m_ana > 0 && m_bia > 0);
    }
    void init()
    {
        m_seams.messages->clear();
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM IMAGEM")));
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase() { m_dm.reset(); }

    void insertStoresExactlyTheBytes()
    {
        const QByteArray bytes = bytesDeTeste(70000, 7);
        TFoto f = foto(m_ana, QStringLiteral("Praia de Iracema, verão de 2025"));
        QCOMPARE(f.Inserir(bytes), Resultado::Gravado);
        QVERIFY(f.IdImagem > 0);
        QCOMPARE(m_seams.messages->shown, QStringList{kInserida});
        const Linha l = ler(f.IdImagem);
        QVERIFY(l.existe);
        QCOMPARE(l.pessoa, m_ana);
        QCOMPARE(l.obs, f.Obs);
        QCOMPARE(l.foto, bytes);

        // the same picture twice is two photos
        TFoto outra = foto(m_ana, QString());
        QCOMPARE(outra.Inserir(bytes), Resultado::Gravado);
        QVERIFY(outra.IdImagem != f.IdImagem);
        QCOMPARE(contar(), 2);
    }

    void insertWithoutPictureStoresNothing()
    {
        TFoto f = foto(m_ana, QStringLiteral("sem foto"));
        QCOMPARE(f.Inserir(QByteArray()), Resultado::Falhou);
        QCOMPARE(contar(), 0);
        QCOMPARE(m_seams.messages->shown.size(), 1);
        // the program's own refusal: its reason alone, no statement
        QCOMPARE(m_seams.messages->shown.first(),
                 QStringLiteral("Nenhuma imagem foi escolhida. Os dados não foram gravados."));
        QVERIFY(!m_seams.messages->shown.contains(kInserida));
    }

    // Saving a caption with the bytes it was loaded with leaves the picture
    // byte for byte; new bytes replace it; empty bytes store no picture.
    void changeRewritesCaptionAndPicture()
    {
        const QByteArray antes = bytesDeTeste(20000, 1);
        TFoto f = foto(m_ana, QStringLiteral("antes"));
        QCOMPARE(f.Inserir(antes), Resultado::Gravado);
        m_seams.messages->clear();

        TFoto lida(db());
        lida.IdImagem = f.IdImagem;
        QByteArray carregados;
        QVERIFY(lida.Carregar(carregados));
        QCOMPARE(lida.IdPessoa, m_ana);
        QCOMPARE(lida.Obs, QStringLiteral("antes"));
        QCOMPARE(carregados, antes);

        lida.Obs = QStringLiteral("Aniversário da vó — 80 anos");
        QCOMPARE(lida.Alterar(carregados), Resultado::Gravado);
        QCOMPARE(m_seams.messages->shown, QStringList{kAtualizada});
        QCOMPARE(ler(f.IdImagem).foto, antes);
        QCOMPARE(ler(f.IdImagem).obs, lida.Obs);
        QCOMPARE(ler(f.IdImagem).pessoa, m_ana);

        const QByteArray depois = bytesDeTeste(5000, 99);
        QCOMPARE(lida.Alterar(depois), Resultado::Gravado);
        QCOMPARE(ler(f.IdImagem).foto, depois);

        QCOMPARE(lida.Alterar(QByteArray()), Resultado::Gravado);
        QVERIFY(ler(f.IdImagem).fotoNula);
        QCOMPARE(contar(), 1);
    }

    void changeOfAMissingPhotoIsReported()
    {
        TFoto f = foto(m_ana, QStringLiteral("sumiu"));
        f.IdImagem = 987654;
        QCOMPARE(f.Alterar(bytesDeTeste(10, 0)), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown,
                 QStringList{kAlterar + QStringLiteral("\r\nRegistro não encontrado! Os dados não foram "
                                                       "alterados.")});
        QCOMPARE(contar(), 0);

        QByteArray bytes("sobra");
        QVERIFY(!f.Carregar(bytes));
        QVERIFY(bytes.isEmpty());
        QCOMPARE(f.Obs, QStringLiteral("sumiu"));
    }

    void badCaptionsStoreNothing_data()
    {
        QTest::addColumn<QString>("obs");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("too long") << QString(201, QLatin1Char('a'))
                                  << QStringLiteral(
                                         "Campo \"Observação\": o texto tem 201 caracteres e cabem no "
                                         "máximo 200.\r\nEncurte-o e tente novamente.");
        QTest::newRow("not in Windows-1252")
            << QStringLiteral("Festa ☺ na praia")
            << QStringLiteral("Campo \"Observação\": O texto contém caracteres que não podem ser gravados: "
                              "☺\r\nSubstitua-os e tente novamente.");
    }
    void badCaptionsStoreNothing()
    {
        QFETCH(QString, obs);
        QFETCH(QString, motivo);
        const QByteArray original = bytesDeTeste(3000, 3);
        TFoto guardada = foto(m_ana, QStringLiteral("original"));
        QCOMPARE(guardada.Inserir(original), Resultado::Gravado);
        m_seams.messages->clear();

        TFoto nova = foto(m_ana, obs);
        QCOMPARE(nova.Inserir(bytesDeTeste(100, 4)), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown, QStringList{motivo});
        QCOMPARE(contar(), 1);

        m_seams.messages->clear();
        guardada.Obs = obs;
        QCOMPARE(guardada.Alterar(bytesDeTeste(100, 4)), Resultado::Falhou);
        QCOMPARE(m_seams.messages->shown, QStringList{motivo});
        QCOMPARE(ler(guardada.IdImagem).obs, QStringLiteral("original"));
        QCOMPARE(ler(guardada.IdImagem).foto, original);
    }

    // The caption's column takes exactly 200 Windows-1252 characters.
    void captionAtItsLimitIsStored()
    {
        const QString obs = QString(199, QLatin1Char('x')) + QStringLiteral("€");
        TFoto f = foto(m_ana, obs);
        QCOMPARE(f.Inserir(bytesDeTeste(10, 0)), Resultado::Gravado);
        QCOMPARE(ler(f.IdImagem).obs, obs);
    }

    void deleteRemovesOnlyThatPhoto()
    {
        TFoto a = foto(m_ana, QStringLiteral("a"));
        TFoto b = foto(m_ana, QStringLiteral("b"));
        QCOMPARE(a.Inserir(bytesDeTeste(10, 1)), Resultado::Gravado);
        QCOMPARE(b.Inserir(bytesDeTeste(10, 2)), Resultado::Gravado);
        m_seams.messages->clear();
        QCOMPARE(a.Excluir(), Resultado::Gravado);
        QCOMPARE(m_seams.messages->shown, QStringList{kExcluida});
        QVERIFY(!ler(a.IdImagem).existe);
        QVERIFY(ler(b.IdImagem).existe);
    }

    // One statement lists a person's photos in the order they were added,
    // however the rows lie in the table; the pictures are not read.
    void albumListsOnePersonInIdentifierOrder()
    {
        QList<int> ids;
        for (int i = 0; i < 4; ++i) {
            TFoto f = foto(i == 2 ? m_bia : m_ana, QStringLiteral("foto %1").arg(i));
            QCOMPARE(f.Inserir(bytesDeTeste(100 + i, i)), Resultado::Gravado);
            ids << f.IdImagem;
        }
        // a change rewrites the first row: a plain SELECT may then return it last
        TFoto primeira = foto(m_ana, QStringLiteral("foto 0 alterada"));
        primeira.IdImagem = ids[0];
        QCOMPARE(primeira.Alterar(bytesDeTeste(40000, 5)), Resultado::Gravado);

        bool ok = false;
        const QList<TFoto> album = TFoto::Album(db(), m_ana, &ok);
        QVERIFY(ok);
        QCOMPARE(album.size(), 3);
        QCOMPARE(album[0].IdImagem, ids[0]);
        QCOMPARE(album[1].IdImagem, ids[1]);
        QCOMPARE(album[2].IdImagem, ids[3]);
        QCOMPARE(album[0].Obs, QStringLiteral("foto 0 alterada"));
        QCOMPARE(album[2].Obs, QStringLiteral("foto 3"));
        for (const TFoto &f : album)
            QCOMPARE(f.IdPessoa, m_ana);

        QCOMPARE(TFoto::Album(db(), m_bia).size(), 1);
        QVERIFY(TFoto::Album(db(), 424242, &ok).isEmpty());
        QVERIFY(ok);
    }
};

QTEST_MAIN(TestTFoto)
#include "TestTFoto.moc"
