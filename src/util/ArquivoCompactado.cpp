#include "util/ArquivoCompactado.h"

#include "util/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <zlib.h>

#include <limits>
#include <memory>
#include <vector>

namespace {

constexpr qint64 kBloco = 256 * 1024;
constexpr qint64 kMaximo = std::numeric_limits<qint32>::max();

ResultadoArquivo falha(const QString &texto)
{
    ResultadoArquivo r;
    r.ok = false;
    r.erro = texto;
    return r;
}

QString entreAspas(const QString &texto)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(texto) + QLatin1Char('"');
}

QByteArray int32(qint64 valor)
{
    QByteArray b(4, '\0');
    qToLittleEndian<qint32>(qint32(valor), b.data());
    return b;
}

bool gravar(QIODevice &out, const QByteArray &bytes)
{
    return out.write(bytes) == bytes.size();
}

struct Deflate {
    z_stream z{};
    bool iniciado = false;
    ~Deflate()
    {
        if (iniciado)
            deflateEnd(&z);
    }
};

struct Inflate {
    z_stream z{};
    bool iniciado = false;
    ~Inflate()
    {
        if (iniciado)
            inflateEnd(&z);
    }
};

// Deflates everything still in `d.z` with `flush`, writing what comes out.
// Returns the bytes written, or -1 when the output cannot be written.
qint64 esvaziar(Deflate &d, int flush, QIODevice &out, std::vector<char> &saida)
{
    qint64 escritos = 0;
    int rc = Z_OK;
    do {
        d.z.next_out = reinterpret_cast<Bytef *>(saida.data());
        d.z.avail_out = uInt(saida.size());
        rc = deflate(&d.z, flush);
        if (rc == Z_STREAM_ERROR)
            return -1;
        const qint64 n = qint64(saida.size()) - d.z.avail_out;
        if (n > 0 && out.write(saida.data(), n) != n)
            return -1;
        escritos += n;
    } while (d.z.avail_out == 0 || (flush == Z_FINISH && rc != Z_STREAM_END));
    return escritos;
}

// A folder or name from an archive, as a path below the unpack folder; empty
// when it would leave it.
QString caminhoSeguro(const QString &pasta, const QString &nome)
{
    const auto controle = [](const QString &t) {
        for (QChar c : t)
            if (c.unicode() < 0x20)
                return true;
        return false;
    };
    if (nome.isEmpty() || nome == QStringLiteral(".") || nome == QStringLiteral("..") ||
        nome.contains(QLatin1Char('/')) || nome.contains(QLatin1Char('\\')) ||
        nome.contains(QLatin1Char(':')) || controle(nome) || controle(pasta))
        return {};
    QString p = pasta;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.startsWith(QLatin1Char('/')) || p.contains(QLatin1Char(':')))
        return {};
    QStringList partes;
    for (const QString &parte : p.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (parte == QStringLiteral(".."))
            return {};
        if (parte != QStringLiteral("."))
            partes << parte;
    }
    partes << nome;
    return partes.join(QLatin1Char('/'));
}

} // namespace

ResultadoArquivo CompactarArquivos(const QStringList &arquivos, const QString &destino,
                                   const ProgressoArquivo &progresso)
{
    const QString naoGravou =
        QStringLiteral("Não foi possível gravar o arquivo ") + entreAspas(destino) + QLatin1Char('.');
    QSaveFile out(destino);
    if (!out.open(QIODevice::WriteOnly))
        return falha(naoGravou);
    std::vector<char> entrada(kBloco);
    std::vector<char> saida(kBloco);
    for (const QString &caminho : arquivos) {
        QFile in(caminho);
        if (!in.open(QIODevice::ReadOnly))
            return falha(QStringLiteral("Não foi possível ler o arquivo ") + entreAspas(caminho) +
                         QLatin1Char('.'));
        const qint64 tamanho = in.size();
        if (tamanho > kMaximo)
            return falha(QStringLiteral("O arquivo ") + entreAspas(caminho) +
                         QStringLiteral(" tem 2 GB ou mais e não cabe no arquivo de BackUP."));
        QByteArray nome;
        if (!Win1252::encode(QFileInfo(caminho).fileName(), &nome) || nome.size() > 255)
            return falha(QStringLiteral("O nome do arquivo ") + entreAspas(caminho) +
                         QStringLiteral(" não cabe no arquivo de BackUP."));
        // an empty folder, the name, the size, and the compressed size once known
        if (!gravar(out, QByteArray(1, '\0') + char(quint8(nome.size())) + nome + int32(tamanho)))
            return falha(naoGravou);
        const qint64 posicaoTamanho = out.pos();
        if (!gravar(out, int32(0)))
            return falha(naoGravou);

        Deflate d;
        if (deflateInit(&d.z, Z_DEFAULT_COMPRESSION) != Z_OK)
            return falha(naoGravou);
        d.iniciado = true;
        qint64 lidos = 0;
        qint64 compactados = 0;
        if (progresso)
            progresso(caminho, 0, tamanho);
        while (true) {
            const qint64 n = in.read(entrada.data(), kBloco);
            if (n < 0)
                return falha(QStringLiteral("Não foi possível ler o arquivo ") + entreAspas(caminho) +
                             QLatin1Char('.'));
            if (n == 0)
                break;
            lidos += n;
            if (lidos > tamanho)
                break;
            d.z.next_in = reinterpret_cast<Bytef *>(entrada.data());
            d.z.avail_in = uInt(n);
            const qint64 w = esvaziar(d, Z_NO_FLUSH, out, saida);
            if (w < 0)
                return falha(naoGravou);
            compactados += w;
            if (compactados > kMaximo)
                break;
            if (progresso)
                progresso(caminho, lidos, tamanho);
        }
        // a file that grew or shrank while being read would get a size that lies
        if (lidos != tamanho)
            return falha(QStringLiteral("O arquivo ") + entreAspas(caminho) +
                         QStringLiteral(" foi alterado durante a compactação."));
        const qint64 w = esvaziar(d, Z_FINISH, out, saida);
        if (w < 0)
            return falha(naoGravou);
        compactados += w;
        if (compactados > kMaximo)
            return falha(QStringLiteral("O arquivo ") + entreAspas(caminho) +
                         QStringLiteral(" compactado passa de 2 GB e não cabe no arquivo de BackUP."));
        const qint64 fim = out.pos();
        if (!out.seek(posicaoTamanho) || !gravar(out, int32(compactados)) || !out.seek(fim))
            return falha(naoGravou);
    }
    if (!out.commit())
        return falha(naoGravou);
    return {};
}

ResultadoArquivo DescompactarArquivo(const QString &arquivo, const QString &pasta,
                                     const ProgressoArquivo &progresso)
{
    QFile in(arquivo);
    if (!in.open(QIODevice::ReadOnly))
        return falha(QStringLiteral("Arquivo ") + arquivo + QStringLiteral(" não encontrado!"));
    const QString incompleto =
        QStringLiteral("O arquivo de BackUP ") + entreAspas(arquivo) + QStringLiteral(" está incompleto.");
    const QString danificado =
        QStringLiteral("O arquivo de BackUP ") + entreAspas(arquivo) + QStringLiteral(" está danificado.");
    const QDir base(pasta);

    // every file goes to "<target>.parcial" first; on any failure those go away
    struct Pendente {
        QString parcial;
        QString destino;
    };
    QList<Pendente> pendentes;
    const auto desistir = [&](const QString &texto) {
        for (const Pendente &p : std::as_const(pendentes))
            QFile::remove(p.parcial);
        return falha(texto);
    };

    std::vector<char> entrada(kBloco);
    std::vector<char> saida(kBloco);
    while (!in.atEnd()) {
        const auto ler = [&](qint64 n, QByteArray *out) {
            *out = in.read(n);
            return out->size() == n;
        };
        QByteArray b;
        QByteArray pastaBytes;
        QByteArray nomeBytes;
        QByteArray tamanhos;
        if (!ler(1, &b) || !ler(quint8(b[0]), &pastaBytes) || !ler(1, &b) || !ler(quint8(b[0]), &nomeBytes) ||
            !ler(8, &tamanhos))
            return desistir(incompleto);
        const qint32 tamanho = qFromLittleEndian<qint32>(tamanhos.constData());
        const qint32 compactado = qFromLittleEndian<qint32>(tamanhos.constData() + 4);
        const QString nome = Win1252::decode(nomeBytes);
        const QString relativo = caminhoSeguro(Win1252::decode(pastaBytes), nome);
        if (relativo.isEmpty())
            return desistir(QStringLiteral("O arquivo de BackUP ") + entreAspas(arquivo) +
                            QStringLiteral(" contém um arquivo fora da pasta permitida: ") +
                            entreAspas(Win1252::decode(pastaBytes) + nome) +
                            QStringLiteral(". Nada foi gravado."));
        if (tamanho < 0 || compactado < 0)
            return desistir(danificado);
        if (compactado > in.size() - in.pos())
            return desistir(incompleto);

        const QString destino = base.absoluteFilePath(relativo);
        if (!QDir().mkpath(QFileInfo(destino).absolutePath()))
            return desistir(QStringLiteral("Não foi possível criar a pasta ") +
                            entreAspas(QFileInfo(destino).absolutePath()) + QLatin1Char('.'));
        const QString parcial = destino + QStringLiteral(".parcial");
        QFile out(parcial);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return desistir(QStringLiteral("Não foi possível gravar o arquivo ") + entreAspas(parcial) +
                            QLatin1Char('.'));
        pendentes << Pendente{parcial, destino};

        Inflate z;
        if (inflateInit(&z.z) != Z_OK)
            return desistir(danificado);
        z.iniciado = true;
        qint64 restante = compactado;
        qint64 escritos = 0;
        int rc = Z_OK;
        if (progresso)
            progresso(destino, 0, tamanho);
        while (rc != Z_STREAM_END) {
            if (z.z.avail_in == 0) {
                if (restante == 0)
                    return desistir(danificado); // the stream goes on past its declared size
                const qint64 n = in.read(entrada.data(), qMin(restante, kBloco));
                if (n <= 0)
                    return desistir(incompleto);
                restante -= n;
                z.z.next_in = reinterpret_cast<Bytef *>(entrada.data());
                z.z.avail_in = uInt(n);
            }
            z.z.next_out = reinterpret_cast<Bytef *>(saida.data());
            z.z.avail_out = uInt(saida.size());
            rc = inflate(&z.z, Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
                return desistir(danificado);
            const qint64 n = qint64(saida.size()) - z.z.avail_out;
            escritos += n;
            // stop at the declared size rather than trust the stream
            if (escritos > tamanho)
                return desistir(danificado);
            if (n > 0 && out.write(saida.data(), n) != n)
                return desistir(QStringLiteral("Não foi possível gravar o arquivo ") + entreAspas(parcial) +
                                QLatin1Char('.'));
            if (progresso && n > 0)
                progresso(destino, escritos, tamanho);
        }
        // the stream must end exactly where the record says it does
        if (escritos != tamanho || z.z.avail_in != 0 || restante != 0)
            return desistir(danificado);
        if (!out.flush())
            return desistir(QStringLiteral("Não foi possível gravar o arquivo ") + entreAspas(parcial) +
                            QLatin1Char('.'));
        out.close();
    }
    if (pendentes.isEmpty())
        return falha(QStringLiteral("O arquivo de BackUP ") + entreAspas(arquivo) +
                     QStringLiteral(" não contém nenhum arquivo."));

    ResultadoArquivo r;
    for (int i = 0; i < pendentes.size(); ++i) {
        const Pendente &p = pendentes[i];
        QFile::remove(p.destino);
        if (!QFile::rename(p.parcial, p.destino)) {
            for (int j = i; j < pendentes.size(); ++j)
                QFile::remove(pendentes[j].parcial);
            return falha(QStringLiteral("Não foi possível gravar o arquivo ") + entreAspas(p.destino) +
                         QLatin1Char('.'));
        }
        if (!r.arquivos.contains(p.destino))
            r.arquivos << p.destino;
    }
    return r;
}
