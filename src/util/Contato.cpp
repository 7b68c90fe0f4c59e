#include "util/Contato.h"

#include <QStringDecoder>

bool Contato::Endereco::vazio() const
{
    return caixaPostal.isEmpty() && complemento.isEmpty() && rua.isEmpty() && cidade.isEmpty() &&
           estado.isEmpty() && cep.isEmpty() && pais.isEmpty();
}

QString Contato::Endereco::texto() const
{
    QStringList partes;
    for (const QString &p : {rua, complemento, caixaPostal, cidade, estado, cep, pais}) {
        const QString t = QString(p).replace(QLatin1Char('\n'), QStringLiteral(" - ")).trimmed();
        if (!t.isEmpty())
            partes << t;
    }
    return partes.join(QStringLiteral(", "));
}

QString Contato::nomeExibido() const
{
    if (!nomeFormatado.trimmed().isEmpty())
        return nomeFormatado.trimmed();
    QStringList partes;
    for (const QString &p : {prefixo, prenome, nomesMeio, sobrenome, sufixo})
        if (!p.trimmed().isEmpty())
            partes << p.trimmed();
    if (!partes.isEmpty())
        return partes.join(QLatin1Char(' '));
    return organizacao.trimmed();
}

QByteArray Contato::semUtf16(const QByteArray &arquivo)
{
    const bool le = arquivo.startsWith("\xFF\xFE");
    if (!le && !arquivo.startsWith("\xFE\xFF"))
        return arquivo;
    QStringDecoder d(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    const QString texto = d.decode(arquivo.mid(2));
    return texto.toUtf8();
}
