// The backup archive on real files: its bytes against an independent zlib,
// archives of the old system, and damaged or hostile archives that must
// leave every file as it was.
#include "util/ArquivoCompactado.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <zlib.h>

namespace {

// Text-like bytes that compress but not trivially, over several buffers.
QByteArray conteudo(int tamanho)
{
    QByteArray out;
    out.reserve(tamanho);
    quint32 x = 12345;
    while (out.size() < tamanho) {
        x = x * 1103515245u + 12345u;
        out += "Registro " + QByteArray::number(x % 5000) + ((x >> 8) % 3 ? ";" : "\n");
    }
    out.truncate(tamanho);
    return out;
}

QByteArray zlibPadrao(const QByteArray &dados)
{
    uLongf n = compressBound(uLong(dados.size()));
    QByteArray out(qsizetype(n), '\0');
    compress(reinterpret_cast<Bytef *>(out.data()), &n, reinterpret_cast<const Bytef *>(dados.constData()),
             uLong(dados.size()));
    out.truncate(qsizetype(n));
    return out;
}

QByteArray int32(qint64 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian<qint32>(qint32(v), b.data());
    return b;
}

// One record as written byte by byte, with sizes that may lie.
QByteArray registro(const QByteArray &pasta, const QByteArray &nome, const QByteArray &dados,
                    qint64 tamanho = -1, const QByteArray &stream = {})
{
    const QByteArray z = stream.isNull() ? zlibPadrao(dados) : stream;
    return char(pasta.size()) + pasta + char(nome.size()) + nome +
           int32(tamanho < 0 ? dados.size() : tamanho) + int32(z.size()) + z;
}

bool gravar(const QString &caminho, const QByteArray &bytes)
{
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray ler(const QString &caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file under `pasta`, relative, sorted.
QStringList arvore(const QString &pasta)
{
    QStringList out;
    QDirIterator it(pasta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(pasta).relativeFilePath(it.next());
    out.sort();
    return out;
}

} // namespace

class TestArquivoCompactado : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &relativo) const { return m_dir.filePath(relativo); }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(path(QStringLiteral("origem"))));
        QVERIFY(QDir().mkpath(path(QStringLiteral("raiz/destino"))));
    }

    // Layout, sizes, the stream byte for byte against Python's zlib at its
    // default level, and the way back.
    void packsLikeAnyZlibAndUnpacks()
    {
        const QByteArray dados = conteudo(1500 * 1024);
        const QString bck = path(QStringLiteral("origem/Orvalha.bck"));
        QVERIFY(gravar(bck, dados));
        const QString z = path(QStringLiteral("origem/Orvalha.z"));
        QVERIFY(gravar(z, "antigo"));
        qint64 ultimo = -1;
        const ResultadoArquivo r =
            CompactarArquivos({bck}, z, [&](const QString &arquivo, qint64 feito, qint64 total) {
                QCOMPARE(arquivo, bck);
                QCOMPARE(total, qint64(dados.size()));
                QVERIFY(feito >= ultimo);
                ultimo = feito;
            });
        QVERIFY2(r.ok, qPrintable(r.erro));
        QCOMPARE(ultimo, qint64(dados.size()));

        const QByteArray arquivo = ler(z);
        QCOMPARE(arquivo.left(13), QByteArray("\x00\x0BOrvalha.bck", 13));
        QCOMPARE(qFromLittleEndian<qint32>(arquivo.constData() + 13), qint32(dados.size()));
        const qint32 compactado = qFromLittleEndian<qint32>(arquivo.constData() + 17);
        QCOMPARE(qint64(compactado), qint64(arquivo.size() - 21));

        QProcess python;
        python.start(
            QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import sys, zlib; "
                            "sys.stdout.buffer.write(zlib.compress(open(sys.argv[1], 'rb').read()))"),
             bck});
        QVERIFY(python.waitForFinished(60000));
        QCOMPARE(python.exitCode(), 0);
        QCOMPARE(arquivo.mid(21), python.readAllStandardOutput());

        const QString destino = path(QStringLiteral("raiz/destino"));
        QVERIFY(gravar(destino + QStringLiteral("/Orvalha.bck"), "velho"));
        const ResultadoArquivo u = DescompactarArquivo(z, destino);
        QVERIFY2(u.ok, qPrintable(u.erro));
        QCOMPARE(u.arquivos, QStringList{destino + QStringLiteral("/Orvalha.bck")});
        QVERIFY(ler(destino + QStringLiteral("/Orvalha.bck")) == dados);
        QCOMPARE(arvore(destino), QStringList{QStringLiteral("Orvalha.bck")});
    }

    // The old system wrote folders with backslashes; several records follow
    // each other; an empty file is a record too.
    void readsOldArchivesWithFolders()
    {
        const QByteArray a = conteudo(4000);
        const QString z = path(QStringLiteral("antigo.z"));
        QVERIFY(gravar(z, registro("DB\\BackUP\\", "Orvalha.bck", a) + registro("", "leia-me.txt", "") +
                              registro("Sons", "aviso.wav", "RIFF")));
        const QString destino = path(QStringLiteral("raiz/destino"));
        const ResultadoArquivo r = DescompactarArquivo(z, destino);
        QVERIFY2(r.ok, qPrintable(r.erro));
        QCOMPARE(arvore(destino),
                 (QStringList{QStringLiteral("DB/BackUP/Orvalha.bck"), QStringLiteral("Sons/aviso.wav"),
                              QStringLiteral("leia-me.txt")}));
        QVERIFY(ler(destino + QStringLiteral("/DB/BackUP/Orvalha.bck")) == a);
        QCOMPARE(ler(destino + QStringLiteral("/leia-me.txt")), QByteArray());
        QCOMPARE(r.arquivos.first(), destino + QStringLiteral("/DB/BackUP/Orvalha.bck"));
    }

    void refusesDamagedOrHostileArchives_data()
    {
        QTest::addColumn<QByteArray>("arquivo");
        const QByteArray dados = conteudo(300 * 1024);
        const QByteArray bom = registro("", "Orvalha.bck", dados);
        QByteArray corrompido = bom;
        for (int i = 0; i < 64; ++i)
            corrompido[2000 + i] = char(~corrompido[2000 + i]);
        QByteArray semFim = zlibPadrao(dados);
        semFim.chop(4); // no Adler-32 trailer

        QTest::newRow("truncated in the stream") << bom.left(bom.size() / 2);
        QTest::newRow("truncated in the header") << bom.left(15);
        QTest::newRow("a good record, then half a header") << bom + QByteArray("\x00\x0BOrv", 5);
        QTest::newRow("corrupt stream") << corrompido;
        QTest::newRow("stream without its end") << registro("", "Orvalha.bck", dados, -1, semFim);
        QTest::newRow("declared size too small") << registro("", "Orvalha.bck", dados, dados.size() - 1);
        QTest::newRow("declared size too large") << registro("", "Orvalha.bck", dados, dados.size() + 1);
        QTest::newRow("negative size") << registro("", "Orvalha.bck", dados, -5 & 0xFFFFFFFF);
        QTest::newRow("compressed size too small")
            << registro("", "Orvalha.bck", dados, -1, zlibPadrao(dados)).replace(17, 4, int32(100));
        QTest::newRow("garbage after the stream")
            << registro("", "Orvalha.bck", dados, -1, zlibPadrao(dados) + "lixo");
        QTest::newRow("folder climbs out") << registro("..\\..", "Orvalha.bck", dados);
        QTest::newRow("folder climbs out, slashes") << registro("a/../../b", "Orvalha.bck", dados);
        QTest::newRow("name climbs out") << registro("", "../x", dados);
        QTest::newRow("name with a backslash") << registro("", "..\\x", dados);
        QTest::newRow("absolute folder") << registro("/tmp", "Orvalha.bck", dados);
        QTest::newRow("drive folder") << registro("C:\\", "Orvalha.bck", dados);
        QTest::newRow("name is dot-dot") << registro("", "..", dados);
        QTest::newRow("empty name") << registro("", "", dados);
        QTest::newRow("good record, then a hostile one") << bom + registro("", "../x", "boom");
        QTest::newRow("empty archive") << QByteArray();
    }
    void refusesDamagedOrHostileArchives()
    {
        QFETCH(QByteArray, arquivo);
        const QString z = path(QStringLiteral("origem/Orvalha.z"));
        QVERIFY(gravar(z, arquivo));
        const QString destino = path(QStringLiteral("raiz/destino"));
        QVERIFY(gravar(destino + QStringLiteral("/Orvalha.bck"), "o backup que já estava aqui"));
        const QStringList antes = arvore(m_dir.path());

        const ResultadoArquivo r = DescompactarArquivo(z, destino);
        QVERIFY(!r.ok);
        QVERIFY(r.erro.contains(QStringLiteral("Orvalha.z")));
        QCOMPARE(arvore(m_dir.path()), antes);
        QCOMPARE(ler(destino + QStringLiteral("/Orvalha.bck")), QByteArray("o backup que já estava aqui"));
    }

    // 2 GiB cannot be described by the record's signed sizes (a sparse file:
    // nothing is read before the refusal).
    void refusesFilesOf2GiB()
    {
        const QString grande = path(QStringLiteral("origem/grande.bck"));
        QFile f(grande);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(qint64(1) << 31));
        f.close();
        const QString z = path(QStringLiteral("origem/grande.z"));
        const ResultadoArquivo r = CompactarArquivos({grande}, z);
        QVERIFY(!r.ok);
        QVERIFY(r.erro.contains(QStringLiteral("2 GB")));
        QVERIFY(!QFile::exists(z));
    }

    void reportsAMissingFile()
    {
        const QString z = path(QStringLiteral("origem/Orvalha.z"));
        QVERIFY(gravar(z, "o arquivo anterior"));
        const ResultadoArquivo r = CompactarArquivos({path(QStringLiteral("origem/nao-existe.bck"))}, z);
        QVERIFY(!r.ok);
        QVERIFY(r.erro.contains(QStringLiteral("nao-existe.bck")));
        QCOMPARE(ler(z), QByteArray("o arquivo anterior"));
        const ResultadoArquivo u = DescompactarArquivo(path(QStringLiteral("origem/nenhum.z")), m_dir.path());
        QVERIFY(!u.ok);
    }
};

QTEST_GUILESS_MAIN(TestArquivoCompactado)
#include "TestArquivoCompactado.moc"
