// An individual's photo album and the screen that adds photos, on a real
// database: browsing in a fixed order, deleting, changing the comment or the
// picture (a JPEG file's bytes are stored and saved back exactly), adding
// photos from JPEG, other pictures and files that are no picture, comments
// the database cannot hold, and the screens opened by name.
#include "data/Database.h"
#include "data/DbOperation.h"
#include "data/Query.h"
#include "data/TDM.h"
#include "model/TFoto.h"
#include "model/TPessoaFisica.h"
#include "model/TUsuario.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/ModalDriver.h"
#include "support/RecordingNavigator.h"
#include "support/TestFolder.h"
#include "ui/common/ImagemJpeg.h"
#include "ui/common/Telas.h"
#include "ui/registration/TfrAlbum.h"
#include "ui/registration/TfrInserirImagem.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace DbHelpers;

namespace {

const QString kLogin = QStringLiteral("ana");
const QString kInserida = QStringLiteral("Imagem inserida com sucesso!");
const QString kAtualizada = QStringLiteral("Dados atualizados com sucesso!");
const QString kExcluida = QStringLiteral("Imagem excluída com sucesso!");
const QString kConfirmar = QStringLiteral("Para confirmar a alteração clique no botão \"Salvar Alteração\"");
const QString kPergunta = QStringLiteral("Este procedimento excluirá a imagem atual.  Deseja continuar?");
const QString kNaoELegivel =
    QStringLiteral("O arquivo \"texto.jpg\" não contém uma imagem que possa ser lida.");

// A picture with detail, in one colour: a low JPEG quality makes sure that
// decoding and encoding it again would give other bytes.
QImage desenho(const QColor &cor, QSize tamanho = QSize(160, 120))
{
    QImage img(tamanho, QImage::Format_RGB32);
    img.fill(cor);
    QPainter p(&img);
    p.setPen(cor.darker(250));
    for (int x = 0; x < tamanho.width(); x += 9)
        p.drawLine(x, 0, tamanho.width() - x, tamanho.height());
    return img;
}

QByteArray codificar(const QImage &img, const char *formato, int qualidade = -1)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, formato, qualidade);
    return out;
}

QByteArray ler(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

template <typename Dlg>
struct Tela {
    Dlg &dlg;

    template <typename T>
    T *achar(const char *nome) const
    {
        T *w = dlg.template findChild<T *>(QString::fromLatin1(nome));
        if (!w)
            qWarning("no widget %s", nome);
        return w;
    }
    QString texto(const char *label) const { return achar<QLabel>(label)->text(); }
    void clicar(const char *botao) const { achar<QAbstractButton>(botao)->click(); }
    bool mostrar()
    {
        dlg.show();
        if (!QTest::qWaitForWindowExposed(&dlg))
            return false;
        dlg.layout()->activate();
        return true;
    }
    void duploClique(const char *imagem) const
    {
        QLabel *l = achar<QLabel>(imagem);
        QTest::mouseDClick(l, Qt::LeftButton, {}, l->rect().center());
    }
    // the mean colour of the picture shown
    QColor cor(const char *imagem) const
    {
        const QImage img = achar<QLabel>(imagem)->pixmap().toImage();
        return img.isNull()
                   ? QColor()
                   : img.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
    }
};

bool parecida(const QColor &a, const QColor &b)
{
    return a.isValid() && qAbs(a.red() - b.red()) < 60 && qAbs(a.green() - b.green()) < 60 &&
           qAbs(a.blue() - b.blue()) < 60;
}

struct Foto {
    bool existe = false;
    QString obs;
    QByteArray bytes;
};

} // namespace

class TestTfrAlbum : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    QTemporaryDir m_dir;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    TUsuario m_usuario;
    TPessoaFisica m_pessoa;
    Database &db() { return m_dm->BancoDados; }

    QString arquivo(const QString &nome, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(nome));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        f.write(bytes);
        return f.fileName();
    }
    QString jpeg(const QString &nome, const QColor &cor)
    {
        return arquivo(nome, codificar(desenho(cor), "JPG", 30));
    }

    // Photos stored as the program stores them; returns their identifiers.
    QList<int> guardar(const QList<std::pair<QColor, QString>> &fotos)
    {
        QList<int> ids;
        for (const auto &[cor, obs] : fotos) {
            TFoto f(db());
            f.IdPessoa = m_pessoa.Identificador;
            f.Obs = obs;
            if (f.Inserir(codificar(desenho(cor), "JPG", 30)) == Resultado::Gravado)
                ids << f.IdImagem;
        }
        m_seams.messages->clear();
        return ids;
    }
    Foto lerFoto(int id)
    {
        Foto f;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT * FROM IMAGEM WHERE ID_IMAGEM = :ID"));
            q.setInt(QStringLiteral("ID"), id);
            q.open();
            if (q.next()) {
                f.existe = true;
                f.obs = q.field(QStringLiteral("OBS")).asString();
                f.bytes = q.field(QStringLiteral("FOTO")).asBytes();
            }
        });
        return f;
    }
    QList<QByteArray> todasAsFotos()
    {
        QList<QByteArray> fotos;
        dbOperationOuFalha(db(), [&](Transaction &t) {
            Query q(t, QStringLiteral("SELECT FOTO FROM IMAGEM ORDER BY ID_IMAGEM"));
            q.open();
            while (q.next())
                fotos << q.field(QStringLiteral("FOTO")).asBytes();
        });
        return fotos;
    }
    int contar() { return count(db(), QStringLiteral("IMAGEM")); }

    // Where the album stands: the summary, the comment, and whether first and
    // previous, next and last can be pressed.
    static void conferir(const Tela<TfrAlbum> &t, const QString &resumo, const QString &obs, bool voltar,
                         bool avancar)
    {
        QCOMPARE(t.texto("lblResumo"), resumo);
        QCOMPARE(t.achar<QPlainTextEdit>("Memo1")->toPlainText(), obs);
        QCOMPARE(t.achar<QToolButton>("btnPrimeiro")->isEnabled(), voltar);
        QCOMPARE(t.achar<QToolButton>("btnAnterior")->isEnabled(), voltar);
        QCOMPARE(t.achar<QToolButton>("btnProximo")->isEnabled(), avancar);
        QCOMPARE(t.achar<QToolButton>("btnUltimo")->isEnabled(), avancar);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        QVERIFY(m_dir.isValid());
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(insertUsuario(db(), kLogin));
        m_usuario.Login = kLogin;
        TUsuario::setAtual(&m_usuario);
        const int grupo = insertGrupo(db(), QStringLiteral("Família"));
        const int id = insertPessoaFisica(db(), QStringLiteral("Ana Souza"), grupo, kLogin);
        QVERIFY(id > 0);
        QVERIFY(exec(db(),
                     QStringLiteral("UPDATE PESSOAFISICA SET APELIDO = 'Aninha' WHERE IDENTIFICADOR = :I"),
                     {{QStringLiteral("I"), id}}));
        m_pessoa.Identificador = id;
        QVERIFY(m_pessoa.Carregar());
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.input->files.clear();
        m_seams.input->asked.clear();
        RecordingNavigator::install({});
        QVERIFY(exec(db(), QStringLiteral("DELETE FROM IMAGEM")));
    }
    void cleanup() { QCOMPARE(m_seams.messages->unexpected, QStringList()); }
    void cleanupTestCase()
    {
        TUsuario::setAtual(nullptr);
        m_dm.reset();
    }

    // Photos come in the order they were added, even after the first one was
    // rewritten (which may move its row to the end of the table).
    void browsesThePhotosInAFixedOrder()
    {
        const QList<int> ids = guardar({{Qt::red, QStringLiteral("um")},
                                        {Qt::green, QStringLiteral("dois")},
                                        {Qt::blue, QStringLiteral("três")}});
        QCOMPARE(ids.size(), 3);
        TFoto primeira(db());
        primeira.IdImagem = ids[0];
        primeira.Obs = QStringLiteral("um");
        QCOMPARE(primeira.Alterar(codificar(desenho(Qt::red, QSize(400, 300)), "JPG", 30)),
                 Resultado::Gravado);
        m_seams.messages->clear();

        TfrAlbum dlg(m_pessoa);
        Tela<TfrAlbum> t{dlg};
        QVERIFY(t.mostrar());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Álbum de Ana Souza :: Aninha"));
        conferir(t, QStringLiteral("Visualizando imagem 01 de 03"), QStringLiteral("um"), false, true);
        QTRY_VERIFY(parecida(t.cor("Imagem"), Qt::red));
        QCOMPARE(t.achar<QLabel>("Imagem")->toolTip(),
                 QStringLiteral("Duplo Clique Sobre a Imagem para Alterá-la."));

        t.clicar("btnProximo");
        conferir(t, QStringLiteral("Visualizando imagem 02 de 03"), QStringLiteral("dois"), true, true);
        QVERIFY(parecida(t.cor("Imagem"), Qt::green));
        t.clicar("btnProximo");
        conferir(t, QStringLiteral("Visualizando imagem 03 de 03"), QStringLiteral("três"), true, false);
        QVERIFY(parecida(t.cor("Imagem"), Qt::blue));
        t.clicar("btnAnterior");
        conferir(t, QStringLiteral("Visualizando imagem 02 de 03"), QStringLiteral("dois"), true, true);
        t.clicar("btnAnterior");
        conferir(t, QStringLiteral("Visualizando imagem 01 de 03"), QStringLiteral("um"), false, true);
        t.clicar("btnUltimo");
        conferir(t, QStringLiteral("Visualizando imagem 03 de 03"), QStringLiteral("três"), true, false);
        t.clicar("btnPrimeiro");
        conferir(t, QStringLiteral("Visualizando imagem 01 de 03"), QStringLiteral("um"), false, true);
        QVERIFY(m_seams.messages->shown.isEmpty());
    }

    void aSinglePhoto()
    {
        guardar({{Qt::yellow, QStringLiteral("só uma")}});
        TfrAlbum dlg(m_pessoa);
        Tela<TfrAlbum> t{dlg};
        QVERIFY(t.mostrar());
        conferir(t, QStringLiteral("Visualizando imagem 01 de 01"), QStringLiteral("só uma"), false, true);
        t.clicar("btnProximo");
        conferir(t, QStringLiteral("Visualizando imagem 01 de 01"), QStringLiteral("só uma"), true, false);
    }

    void anEmptyAlbum()
    {
        TfrAlbum dlg(m_pessoa);
        Tela<TfrAlbum> t{dlg};
        QVERIFY(t.mostrar());
        conferir(t, QString(), QString(), false, false);
        QCOMPARE(t.texto("lblPainel"),
                 QStringLiteral("Para Inserir Uma Imagem Clique no Botão \"Nova Imagem\" mais abaixo."));
        QVERIFY(t.achar<QLabel>("Imagem")->toolTip().isEmpty());
        t.clicar("btnExcluir");   // asks nothing
        t.clicar("btnAtualizar"); // stores nothing
        t.duploClique("Imagem");  // chooses nothing
        QVERIFY(m_seams.messages->questions.isEmpty());
        QVERIFY(m_seams.messages->shown.isEmpty());
        QVERIFY(m_seams.input->asked.isEmpty());
        QCOMPARE(contar(), 0);
    }

    void deletingAPhoto_data()
    {
        QTest::addColumn<bool>("sim");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void deletingAPhoto()
    {
        QFETCH(bool, sim);
        const QList<int> ids = guardar({{Qt::red, QStringLiteral("um")},
                                        {Qt::green, QStringLiteral("dois")},
                                        {Qt::blue, QStringLiteral("três")}});
        TfrAlbum dlg(m_pessoa);
        Tela<TfrAlbum> t{dlg};
        QVERIFY(t.mostrar());
        t.clicar("btnProximo");
        m_seams.messages->answers << sim;
        t.clicar("btnExcluir");
        QCOMPARE(m_seams.messages->questions, QStringList{kPergunta});
        // either way the album is read again and shows the first photo
        if (sim) {
            QCOMPARE(m_seams.messages->shown, QStringList{kExcluida});
            QVERIFY(!lerFoto(ids[1]).existe);
            conferir(t, QStringLiteral("Visualizando imagem 01 de 02"), QStringLiteral("um"), false, true);
            t.clicar("btnProximo");
            conferir(t, QStringLiteral("Visualizando imagem 02 de 02"), QStringLiteral("três"), true, false);
        } else {
            QVERIFY(m_seams.messages->shown.isEmpty());
            QCOMPARE(contar(), 3);
            conferir(t, QStringLiteral("Visualizando imagem 01 de 03"), QStringLiteral("um"), false, true);
        }
    }

    // A new comment is stored with the picture's bytes as they were, and
    // "Salvar Como" writes those bytes, not a new encoding.
    void aNewCommentKeepsThePictureByteForByte()
    {
        const QString origem = jpeg(QStringLiteral("praia.jpg"), Qt::cyan);
        const QByteArray original = ler(origem);
        TFoto f(db());
        f.IdPessoa = m_pessoa.Identificador;
        f.Obs = QStringLiteral("antes");
        QCOMPARE(f.Inserir(original), Resultado::Gravado);
        m_seams.messages->clear();

        TfrAlbum dlg(m_pessoa);
        Tela<TfrAlbum> t{dlg};
        QVERIFY(t.mostrar());
        t.achar<QPlainTextEdit>("Memo1")->setPlainText(QStringLiteral("Praia do Futuro, 2025 — pôr do sol"));
        t.clicar("btnAtualizar");
        QCOMPARE(m_seams.messages->shown, QStringList{kAtualizada});
        QCOMPARE(lerFoto(f.IdImagem).obs, QStringLiteral("Praia do Futuro, 2025 — pôr do sol"));
        QCOMPARE(lerFoto(f.IdImagem).bytes, original);
        t.clicar("btnAtualizar");
        QCOMPARE(lerFoto(f.IdImagem).bytes, original);

        // "Salvar Como" adds the extension when the name has none
        m_seams.input->files << m_dir.filePath(QStringLiteral("copia"));
        t.clicar("SpeedButton1");
        QCOMPARE(m_seams.input->asked.last(), QStringLiteral("Salvar Como..."));
        QCOMPARE(ler(m_dir.filePath(QStringLiteral("copia.jpg"))), original);
    }

    // A double-click swaps the picture shown; only "Salvar Alteração" stores
    // it. A JPEG goes in as its own bytes, a PNG as JPEG, and a file that is
    // no picture is refused with the shown photo left as it was.
    void changingThePicture()
    {
        const QList<int> ids = guardar({{Qt::red, QStringLiteral("um")}});
        const QByteArray antes = lerFoto(ids[0]).bytes;
        const QString texto = arquivo(QStringLiteral("texto.jpg"), QByteArray("isto não é uma imagem"));
        const QString png =
            arquivo(QStringLiteral("verde.png"), codificar(desenho(Qt::green, QSize(64, 48)), "PNG"));
        const QString azul = jpeg(QStringLiteral("azul.jpg"), Qt::blue);

        TfrAlbum dlg(m_pessoa);
        Tela<TfrAlbum> t{dlg};
        QVERIFY(t.mostrar());
        m_seams.input->files << texto;
        t.duploClique("Imagem");
        QCOMPARE(m_seams.input->asked,
                 QStringList{QStringLiteral("Alterando Uma Imagem do Álbum de Ana Souza")});
        QCOMPARE(m_seams.messages->shown, QStringList{kNaoELegivel});
        QVERIFY(parecida(t.cor("Imagem"), Qt::red));
        t.clicar("btnAtualizar");
        QCOMPARE(lerFoto(ids[0]).bytes, antes);

        m_seams.messages->clear();
        m_seams.input->files << png;
        t.duploClique("Imagem");
        QCOMPARE(m_seams.messages->shown, QStringList{kConfirmar});
        QTRY_VERIFY(parecida(t.cor("Imagem"), Qt::green));
        QCOMPARE(lerFoto(ids[0]).bytes, antes); // not stored yet
        t.clicar("btnAtualizar");
        const QByteArray convertida = lerFoto(ids[0]).bytes;
        QVERIFY(EhJpeg(convertida));
        QCOMPARE(DecodificarImagem(convertida).size(), QSize(64, 48));

        m_seams.input->files << azul;
        t.duploClique("Imagem");
        t.clicar("btnAtualizar");
        QCOMPARE(lerFoto(ids[0]).bytes, ler(azul));
        QCOMPARE(lerFoto(ids[0]).obs, QStringLiteral("um"));
    }

    void aCommentTheDatabaseCannotHold_data()
    {
        QTest::addColumn<QString>("obs");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("too long") << QString(201, QLatin1Char('x'))
                                  << QStringLiteral(
                                         "Campo \"Observação\": o texto tem 201 caracteres e cabem no "
                                         "máximo 200.");
        QTest::newRow("not in Windows-1252")
            << QStringLiteral("Festa ☺") << QStringLiteral("Campo \"Observação\": O texto contém caracteres");
    }
    void aCommentTheDatabaseCannotHold()
    {
        QFETCH(QString, obs);
        QFETCH(QString, motivo);
        const QList<int> ids = guardar({{Qt::red, QStringLiteral("um")}});
        const QByteArray antes = lerFoto(ids[0]).bytes;

        // on the album
        TfrAlbum album(m_pessoa);
        Tela<TfrAlbum> a{album};
        QVERIFY(a.mostrar());
        a.achar<QPlainTextEdit>("Memo1")->setPlainText(obs);
        a.clicar("btnAtualizar");
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY2(m_seams.messages->shown.first().contains(motivo),
                 qPrintable(m_seams.messages->shown.first()));
        QCOMPARE(lerFoto(ids[0]).obs, QStringLiteral("um"));
        QCOMPARE(lerFoto(ids[0]).bytes, antes);
        QCOMPARE(a.achar<QPlainTextEdit>("Memo1")->toPlainText(), obs);
        album.accept();

        // on the screen that adds photos
        m_seams.messages->clear();
        TfrInserirImagem inserir(m_pessoa);
        Tela<TfrInserirImagem> i{inserir};
        QVERIFY(i.mostrar());
        m_seams.input->files << jpeg(QStringLiteral("nova.jpg"), Qt::magenta);
        i.duploClique("Image1");
        i.achar<QPlainTextEdit>("edtObs")->setPlainText(obs);
        i.clicar("btnSalvar");
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY2(m_seams.messages->shown.first().contains(motivo),
                 qPrintable(m_seams.messages->shown.first()));
        QCOMPARE(contar(), 1);
        QCOMPARE(i.achar<QPlainTextEdit>("edtObs")->toPlainText(), obs);
    }

    // A JPEG is stored as the file's own bytes, another picture as JPEG.
    // Saving empties picture and comment but keeps the file, so a second
    // save stores the same picture again without the comment.
    void addingPhotos_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("mesmosBytes");
        QTest::newRow("jpeg") << QStringLiteral("foto.jpg") << codificar(desenho(Qt::cyan), "JPG", 25)
                              << true;
        QTest::newRow("jpeg named .jpeg")
            << QStringLiteral("foto.jpeg") << codificar(desenho(Qt::cyan), "JPG", 95) << true;
        QTest::newRow("png") << QStringLiteral("foto.png") << codificar(desenho(Qt::cyan), "PNG") << false;
    }
    void addingPhotos()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, mesmosBytes);
        TfrInserirImagem dlg(m_pessoa);
        Tela<TfrInserirImagem> t{dlg};
        QVERIFY(t.mostrar());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Inserindo Imagem"));
        QCOMPARE(t.texto("lblPainel"), QStringLiteral("Duplo Clique para Adicionar Imagem"));

        const QString caminho = arquivo(nome, bytes);
        m_seams.input->files << caminho;
        t.duploClique("Image1");
        QCOMPARE(m_seams.input->asked,
                 QStringList{QStringLiteral("Inserindo Imagem para o Álbum de Ana Souza")});
        QTRY_VERIFY(parecida(t.cor("Image1"), Qt::cyan));
        t.achar<QPlainTextEdit>("edtObs")->setPlainText(QStringLiteral("Férias em Ouro Preto"));
        t.clicar("btnSalvar");
        QCOMPARE(m_seams.messages->shown, QStringList{kInserida});
        QVERIFY(t.achar<QLabel>("Image1")->pixmap().isNull());
        QVERIFY(t.achar<QPlainTextEdit>("edtObs")->toPlainText().isEmpty());
        QCOMPARE(dlg.caminho(), caminho);

        t.clicar("btnSalvar");
        const QList<QByteArray> fotos = todasAsFotos();
        QCOMPARE(fotos.size(), 2);
        QCOMPARE(fotos[1], fotos[0]);
        if (mesmosBytes) {
            QCOMPARE(fotos[0], bytes);
        } else {
            QVERIFY(EhJpeg(fotos[0]));
            QCOMPARE(DecodificarImagem(fotos[0]).size(), QSize(160, 120));
        }
        const QList<TFoto> album = TFoto::Album(db(), m_pessoa.Identificador);
        QCOMPARE(album.size(), 2);
        QCOMPARE(album[0].Obs, QStringLiteral("Férias em Ouro Preto"));
        QCOMPARE(album[1].Obs, QString());
    }

    void aFileThatIsNoPictureStoresNothing()
    {
        TfrInserirImagem dlg(m_pessoa);
        Tela<TfrInserirImagem> t{dlg};
        QVERIFY(t.mostrar());
        // saving before choosing
        t.clicar("btnSalvar");
        QCOMPARE(m_seams.messages->shown.size(), 1);
        QVERIFY(m_seams.messages->shown.first().startsWith(QStringLiteral("Nenhuma imagem foi escolhida.")));

        // a text file named .jpg is refused when chosen
        m_seams.messages->clear();
        m_seams.input->files << arquivo(QStringLiteral("texto.jpg"), QByteArray("isto não é uma imagem"));
        t.duploClique("Image1");
        QCOMPARE(m_seams.messages->shown, QStringList{kNaoELegivel});
        QVERIFY(dlg.caminho().isEmpty());
        QVERIFY(t.achar<QLabel>("Image1")->pixmap().isNull());

        // and a picture that stops being one before the save
        m_seams.messages->clear();
        const QString foto = jpeg(QStringLiteral("texto2.jpg"), Qt::red);
        m_seams.input->files << foto;
        t.duploClique("Image1");
        QVERIFY(m_seams.messages->shown.isEmpty());
        arquivo(QStringLiteral("texto2.jpg"), QByteArray("agora é texto"));
        t.clicar("btnSalvar");
        QCOMPARE(m_seams.messages->shown,
                 QStringList{
                     QStringLiteral("O arquivo \"texto2.jpg\" não contém uma imagem que possa ser lida.")});
        QCOMPARE(contar(), 0);
    }

    // By name: nothing opens for a person who is not stored; "Nova Imagem"
    // opens the screen that adds photos, and the album shows the new one.
    void openedByName_data()
    {
        QTest::addColumn<int>("identificador");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
        QTest::newRow("a person not stored") << 999999;
    }
    void openedByName()
    {
        QFETCH(int, identificador);
        InstallScreens();
        QVERIFY(Navigator::instance().has(QStringLiteral("TfrAlbum")));
        for (const char *tela : {"TfrAlbum", "TfrInserirImagem"})
            QCOMPARE(tela == QByteArrayView("TfrAlbum") ? Telas::Album(nullptr, identificador)
                                                        : Telas::InserirImagem(nullptr, identificador),
                     0);
        QVERIFY(!QApplication::activeModalWidget());
    }
    void newPhotoFromTheAlbum()
    {
        guardar({{Qt::red, QStringLiteral("um")}});
        InstallScreens();
        const QString verde = jpeg(QStringLiteral("verde.jpg"), Qt::green);
        QString titulo;
        QString resumo;
        whenModal<TfrAlbum>([&](TfrAlbum *album) {
            titulo = album->windowTitle();
            whenModal<TfrInserirImagem>([&](TfrInserirImagem *inserir) {
                Tela<TfrInserirImagem> i{*inserir};
                inserir->layout()->activate();
                m_seams.input->files << verde;
                i.duploClique("Image1");
                i.achar<QPlainTextEdit>("edtObs")->setPlainText(QStringLiteral("nova"));
                i.clicar("btnSalvar");
                i.clicar("btnSair");
            });
            album->findChild<QPushButton *>(QStringLiteral("btnNovaImagem"))->click();
            resumo = album->findChild<QLabel *>(QStringLiteral("lblResumo"))->text();
            album->findChild<QPushButton *>(QStringLiteral("btnSair"))->click();
        });
        Telas::Album(nullptr, m_pessoa.Identificador);
        QCOMPARE(titulo, QStringLiteral("Álbum de Ana Souza :: Aninha"));
        QCOMPARE(m_seams.messages->shown, QStringList{kInserida});
        QCOMPARE(resumo, QStringLiteral("Visualizando imagem 01 de 02"));
        QCOMPARE(todasAsFotos().value(1), ler(verde));
    }
};

QTEST_MAIN(TestTfrAlbum)
#include "TestTfrAlbum.moc"
