#include "model/EnderecoEtiqueta.h"

namespace {

QString doisDigitos(qint32 n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QString EnderecoEtiqueta::NomeNaLista() const
{
    if (!Contato.vazio())
        return Nome + QStringLiteral(" :: ") + Contato.Nome;
    if (!Titulo.isEmpty())
        return Titulo + QLatin1Char(' ') + Nome;
    return Nome;
}

QString CepEtiqueta(qint32 cep)
{
    const QString d = QStringLiteral("%1").arg(cep, 8, 10, QLatin1Char('0'));
    return d.left(5) + QLatin1Char('-') + d.mid(5);
}

QList<LinhaEtiqueta> LinhasEtiqueta(const EnderecoEtiqueta &e, double passoLinha, bool primeira,
                                    bool selecionados)
{
    QList<LinhaEtiqueta> linhas;
    double d = primeira ? 0.23 : 0.2;
    auto linha = [&](const QString &texto, double avanco) {
        linhas.append({texto, d, 0});
        d += avanco;
    };
    if (!e.Titulo.isEmpty())
        linha(e.Titulo, passoLinha);
    linha(e.Nome, passoLinha);
    if (!e.Contato.vazio())
        linha(e.Contato.Nome + QStringLiteral(" :: ") + e.Contato.Funcao, 0.5);
    if (!e.LocalTrabalho.isEmpty())
        linha(e.LocalTrabalho, passoLinha);
    QString rua = e.Rua;
    if (e.Numero != 0)
        rua += (selecionados ? QStringLiteral(", ") : QStringLiteral(" , ")) + doisDigitos(e.Numero);
    linha(rua, passoLinha);
    linha(e.Bairro, passoLinha);
    QString cep = QStringLiteral("CEP: ") + CepEtiqueta(e.CEP) + QStringLiteral(" - ") + e.Cidade +
                  QStringLiteral(" - ") + e.Estado;
    if (e.CP != 0)
        cep += QStringLiteral(" - CP: ") + doisDigitos(e.CP);
    linha(cep, passoLinha);
    if (!e.Complemento.isEmpty())
        linhas.append({e.Complemento, d, 8});
    return linhas;
}

QList<LinhaEtiqueta> LinhasEnvelope(const EnderecoEtiqueta &e)
{
    QList<LinhaEtiqueta> linhas;
    double d = 0.23;
    linhas.append({e.Titulo.isEmpty() ? e.Nome : e.Titulo + QLatin1Char(' ') + e.Nome, d, 12});
    d += 0.5;
    if (!e.Contato.vazio()) {
        linhas.append({e.Contato.Nome + QStringLiteral(" :: ") + e.Contato.Funcao, d, 10});
        d += 0.5;
    }
    linhas.append(
        {e.Rua + (e.Numero == 0 ? QStringLiteral(", s/n") : QStringLiteral(", ") + doisDigitos(e.Numero)), d,
         10});
    d += 0.4;
    linhas.append({e.Bairro + QStringLiteral(" - ") + e.Cidade + QStringLiteral(" - ") + e.Estado, d, 10});
    d += 0.4;
    QString cep = QStringLiteral("CEP: ") + CepEtiqueta(e.CEP);
    if (e.CP != 0)
        cep += QStringLiteral(" -- CP: ") + QStringLiteral("%1").arg(e.CP, 3, 10, QLatin1Char('0'));
    linhas.append({cep, d, 10});
    if (!e.Complemento.isEmpty()) {
        d += 0.4;
        linhas.append({e.Complemento, d, 10});
    }
    return linhas;
}
