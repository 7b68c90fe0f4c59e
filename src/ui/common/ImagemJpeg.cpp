#include "ui/common/ImagemJpeg.h"

#include "services/Seams.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

QString FiltroImagensJpeg()
{
    return QStringLiteral("Imagens JPEG (*.jpg *.jpeg)");
}

bool EhJpeg(const QByteArray &bytes)
{
    return bytes.size() >= 3 && quint8(bytes[0]) == 0xFF && quint8(bytes[1]) == 0xD8 &&
           quint8(bytes[2]) == 0xFF;
}

bool LerImagemParaGravar(const QString &arquivo, QByteArray &bytes, QString &erro)
{
    bytes.clear();
    const QString nome = QFileInfo(arquivo).fileName();
    QFile file(arquivo);
    if (!file.open(QIODevice::ReadOnly)) {
        erro = QStringLiteral("Não foi possível abrir o arquivo \"%1\".").arg(nome);
        return false;
    }
    const QByteArray lidos = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        erro = QStringLiteral("Não foi possível ler o arquivo \"%1\".").arg(nome);
        return false;
    }
    const QImage imagem = QImage::fromData(lidos);
    if (imagem.isNull()) {
        erro = QStringLiteral("O arquivo \"%1\" não contém uma imagem que possa ser lida.").arg(nome);
        return false;
    }
    if (EhJpeg(lidos)) {
        bytes = lidos;
        return true;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!imagem.save(&buffer, "JPG", 90)) {
        bytes.clear();
        erro = QStringLiteral("Não foi possível converter a imagem \"%1\" para JPEG.").arg(nome);
        return false;
    }
    return true;
}

QImage DecodificarImagem(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    QImage imagem;
    if (EhJpeg(bytes))
        imagem.loadFromData(bytes, "JPG");
    if (imagem.isNull())
        imagem.loadFromData(bytes);
    return imagem;
}

void SalvarImagemComo(const QByteArray &bytes)
{
    if (bytes.isEmpty()) {
        Seams::messages().show(QStringLiteral("Não há imagem para salvar."), MessageService::Kind::Warning);
        return;
    }
    QString arquivo =
        Seams::input().saveFileName(QStringLiteral("Salvar Como..."), QString(), FiltroImagensJpeg());
    if (arquivo.isEmpty())
        return;
    if (QFileInfo(arquivo).suffix().isEmpty())
        arquivo += QStringLiteral(".jpg");
    QSaveFile saida(arquivo);
    if (!saida.open(QIODevice::WriteOnly) || saida.write(bytes) != bytes.size() || !saida.commit())
        Seams::messages().show(
            QStringLiteral("Não foi possível gravar o arquivo \"%1\".").arg(QFileInfo(arquivo).fileName()),
            MessageService::Kind::Error);
}
