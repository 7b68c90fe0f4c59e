// The picture viewer of a history entry on a real database: the stored
// picture shown, "Salvar Como..." writing the stored bytes as they are,
// "Limpar Imagem" leaving NULL, and pictures that do not decode.
#include "data/Database.h"
#include "data/TDM.h"
#include "model/THistorico.h"
#include "support/DbHelpers.h"
#include "support/FakeSeams.h"
#include "support/TestFolder.h"
#include "ui/registration/TfrMostraImg.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

using namespace DbHelpers;

namespace {

QByteArray jpeg(int largura, int altura)
{
    QImage img(largura, altura, QImage::Format_RGB32);
    img.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "JPG", 75);
    return bytes;
}

QByteArray lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Tela {
    TfrMostraImg dlg;
    bool exposta = false;

    explicit Tela(int id) : dlg(id)
    {
        dlg.show();
        exposta = QTest::qWaitForWindowExposed(&dlg);
    }
    QLabel *imagem() const { return dlg.findChild<QLabel *>(QStringLiteral("Image1")); }
    QSize tamanho() const { return imagem()->pixmap().size(); }
    void clicar(const char *nome) const { dlg.findChild<QPushButton *>(QString::fromLatin1(nome))->click(); }
};

} // namespace

class TestTfrMostraImg : public QObject {
    Q_OBJECT

private:
    TestFolder m_folder;
    std::unique_ptr<TDM> m_dm;
    FakeSeams m_seams{};
    QTemporaryDir m_saida;
    Database &db() { return m_dm->BancoDados; }

    int entrada(const QByteArray &imagem)
    {
        THistorico h(db());
        h.IdenPessoa = 1;
        h.Data = 38000;
        h.Texto = QStringLiteral("com foto");
        return h.Inserir(imagem) == Resultado::Gravado ? h.Identificador : 0;
    }
    bool imagemNula(int id)
    {
        return scalar(db(),
                      QStringLiteral(
                          "SELECT IIF(IMAGEM IS NULL, 1, 0) FROM HISTORICO WHERE IDENTIFICADOR = :ID"),
                      {{QStringLiteral("ID"), id}})
                   .toInt() == 1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_folder.isValid(), qPrintable(m_folder.lastError));
        QVERIFY2(m_folder.createDatabase(), qPrintable(m_folder.lastError));
        m_seams = FakeSeams::install();
        m_dm = m_folder.connect();
        QVERIFY(db().isConnected());
        QVERIFY(m_saida.isValid());
    }
    void init()
    {
        m_seams.messages->clear();
        m_seams.input->files.clear();
        m_seams.input->asked.clear();
    }
    void cleanupTestCase() { m_dm.reset(); }

    void showsTheStoredPictureAndSavesItsBytes()
    {
        const QByteArray bytes = jpeg(120, 80);
        const int id = entrada(bytes);
        Tela t(id);
        QVERIFY(t.exposta);
        QCOMPARE(t.dlg.windowTitle(), QStringLiteral("Mostra Imagem..."));
        QCOMPARE(t.tamanho(), QSize(120, 80));
        QCOMPARE(t.dlg.Imagem(), bytes);

        // the extension is added when the name has none
        m_seams.input->files << m_saida.filePath(QStringLiteral("copia"));
        t.clicar("btnSalvar_Em_Disco");
        QCOMPARE(m_seams.input->asked, QStringList{QStringLiteral("Salvar Como...")});
        QCOMPARE(lerArquivo(m_saida.filePath(QStringLiteral("copia.jpg"))), bytes);
        m_seams.input->files << m_saida.filePath(QStringLiteral("sem/pasta/x.jpg"));
        t.clicar("btnSalvar_Em_Disco");
        QCOMPARE(m_seams.messages->shown,
                 QStringList{QStringLiteral("Não foi possível gravar o arquivo \"x.jpg\".")});

        // stretched over the viewing area, or at its own size
        auto *ajusta = t.dlg.findChild<QCheckBox *>(QStringLiteral("edtAjusta"));
        ajusta->click();
        QVERIFY(t.imagem()->hasScaledContents());
        QVERIFY(t.dlg.findChild<QScrollArea *>()->widgetResizable());
        ajusta->click();
        QVERIFY(!t.imagem()->hasScaledContents());
        QCOMPARE(t.imagem()->size(), QSize(120, 80));
    }

    void clearingThePictureStoresNull()
    {
        const int id = entrada(jpeg(30, 20));
        const int outra = entrada(jpeg(30, 20));
        Tela t(id);
        t.clicar("SpeedButton1");
        QVERIFY(imagemNula(id));
        QVERIFY(!imagemNula(outra));
        QVERIFY(t.imagem()->pixmap().isNull());
        QVERIFY(t.dlg.Imagem().isEmpty());
        t.clicar("btnSalvar_Em_Disco");
        QCOMPARE(m_seams.messages->shown, QStringList{QStringLiteral("Não há imagem para salvar.")});
        QVERIFY(m_seams.input->asked.isEmpty());
    }

    // Nothing to decode shows an empty picture, without a message.
    void noPictureOrOneThatDoesNotDecode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("NULL") << QByteArray();
        QTest::newRow("broken JPEG") << QByteArray("\xFF\xD8\xFF\xE0 quebrado", 14);
    }
    void noPictureOrOneThatDoesNotDecode()
    {
        QFETCH(QByteArray, bytes);
        Tela t(entrada(bytes));
        QVERIFY(t.imagem()->pixmap().isNull());
        QCOMPARE(m_seams.messages->shown, QStringList());
    }

    void sairCloses()
    {
        Tela t(entrada({}));
        t.clicar("SpeedButton2");
        QVERIFY(!t.dlg.isVisible());
    }
};

QTEST_MAIN(TestTfrMostraImg)
#include "TestTfrMostraImg.moc"
