#include "ui/common/ImagemJpeg.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestImagemJpeg : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString escrever(const QString &nome, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(nome));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(bytes);
        return f.fileName();
    }
    static QByteArray codificar(const char *formato, int qualidade = -1)
    {
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(Qt::darkCyan);
        QByteArray out;
        QBuffer buf(&out);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, formato, qualidade);
        return out;
    }

private slots:
    void jpegKeepsItsOwnBytes()
    {
        // a low-quality file would change if it were decoded and encoded again
        const QByteArray jpeg = codificar("JPG", 20);
        QByteArray lidos;
        QString erro;
        QVERIFY(LerImagemParaGravar(escrever(u"foto.jpg"_s, jpeg), lidos, erro));
        QCOMPARE(lidos, jpeg);
        QCOMPARE(DecodificarImagem(lidos).size(), QSize(40, 30));
    }

    void otherPicturesBecomeJpeg()
    {
        QByteArray lidos;
        QString erro;
        QVERIFY(LerImagemParaGravar(escrever(u"foto.png"_s, codificar("PNG")), lidos, erro));
        QVERIFY(EhJpeg(lidos));
        QCOMPARE(DecodificarImagem(lidos).size(), QSize(40, 30));
    }

    void unreadableFilesStoreNothing_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("text file") << u"texto.jpg"_s << QByteArray("isto não é uma imagem")
                                   << u"O arquivo \"texto.jpg\" não contém uma imagem que possa ser lida."_s;
        QTest::newRow("truncated jpeg")
            << u"cortada.jpg"_s << codificar("JPG").left(4)
            << u"O arquivo \"cortada.jpg\" não contém uma imagem que possa ser lida."_s;
        QTest::newRow("missing file") << u"nao-existe.jpg"_s << QByteArray()
                                      << u"Não foi possível abrir o arquivo \"nao-existe.jpg\"."_s;
    }
    void unreadableFilesStoreNothing()
    {
        QFETCH(QString, nome);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, mensagem);
        const QString arquivo = bytes.isNull() ? m_dir.filePath(nome) : escrever(nome, bytes);
        QByteArray lidos("sobra");
        QString erro;
        QVERIFY(!LerImagemParaGravar(arquivo, lidos, erro));
        QVERIFY(lidos.isEmpty());
        QCOMPARE(erro, mensagem);
        QVERIFY(DecodificarImagem(bytes).isNull());
    }
};

QTEST_MAIN(TestImagemJpeg)
#include "TestImagemJpeg.moc"
