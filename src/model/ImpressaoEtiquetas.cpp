#include "model/ImpressaoEtiquetas.h"

#include <QFontInfo>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace ImpressaoEtiquetas {

namespace {

double unidades(double dpi, double cm)
{
    return std::round(dpi * cm / 2.54);
}

void linha(QPainter &painter, const QPaintDevice &d, double x, double y, const QString &texto)
{
    // drawText(x, y) would put the baseline at y and the line about 3 mm too high
    const QRectF area(unidades(d.logicalDpiX(), x), unidades(d.logicalDpiY(), y), d.width() * 4,
                      d.height() * 4);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, texto);
}

} // namespace

void PintarEtiquetas(QPainter &painter, QPagedPaintDevice &pagina, const TEtiqueta &modelo,
                     const QList<EnderecoEtiqueta> &enderecos, int inicio, const QFont &fonte,
                     const QColor &cor, bool selecionados, const Progresso &progresso)
{
    int posicao = qBound(1, inicio, qMax(1, modelo.PorFolha)) - 1;
    QFont pequena = fonte;
    pequena.setPointSizeF(8);
    painter.setPen(cor);
    for (int i = 0; i < enderecos.size(); ++i) {
        if (++posicao > modelo.PorFolha) {
            pagina.newPage();
            posicao = 1;
        }
        const QPointF canto = PosicaoEtiqueta(modelo, posicao);
        for (const LinhaEtiqueta &l :
             LinhasEtiqueta(enderecos.at(i), modelo.PassoLinha, i == 0, selecionados)) {
            painter.setFont(l.Pontos > 0 ? pequena : fonte);
            linha(painter, pagina, canto.x(), canto.y() + l.Deslocamento, l.Texto);
        }
        if (progresso)
            progresso(i + 1);
    }
}

void PintarEnvelopes(QPainter &painter, QPagedPaintDevice &pagina, const QList<EnderecoEtiqueta> &enderecos,
                     double margemSuperior, double margemEsquerda, const QFont &fonte,
                     const Progresso &progresso)
{
    QFont f = fonte;
    f.setBold(true);
    painter.setPen(Qt::black);
    for (int i = 0; i < enderecos.size(); ++i) {
        if (i > 0)
            pagina.newPage();
        for (const LinhaEtiqueta &l : LinhasEnvelope(enderecos.at(i))) {
            f.setPointSizeF(l.Pontos);
            painter.setFont(f);
            linha(painter, pagina, margemEsquerda, margemSuperior + l.Deslocamento, l.Texto);
        }
        if (progresso)
            progresso(i + 1);
    }
}

QString FamiliaImpressa(const QFont &fonte)
{
    static const QHash<QString, QString> gemeas = {
        {QStringLiteral("arial"), QStringLiteral("liberation sans")},
        {QStringLiteral("helvetica"), QStringLiteral("liberation sans")},
        {QStringLiteral("times new roman"), QStringLiteral("liberation serif")},
        {QStringLiteral("courier new"), QStringLiteral("liberation mono")},
        {QStringLiteral("arial narrow"), QStringLiteral("liberation sans narrow")},
    };
    const QString pedida = fonte.family().trimmed().toLower();
    const QString usada = QFontInfo(fonte).family();
    const QString u = usada.trimmed().toLower();
    if (u == pedida || gemeas.value(pedida) == u)
        return usada;
    return {};
}

QString FonteNaoEncontrada(const QFont &fonte)
{
    if (!FamiliaImpressa(fonte).isEmpty())
        return {};
    return QStringLiteral(
               "A fonte \"%1\" não está instalada neste computador: as etiquetas sairiam em \"%2\", "
               "com outras medidas, e as linhas poderiam passar da etiqueta.\r\n"
               "Escolha outra fonte em \"Alterar Fonte\" ou instale a fonte que falta.")
        .arg(fonte.family(), QFontInfo(fonte).family());
}

bool LerCentimetros(const QString &texto, double *cm)
{
    QString t = texto.trimmed();
    if (t.count(QLatin1Char(',')) + t.count(QLatin1Char('.')) > 1)
        return false;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    for (QChar c : t)
        if (!c.isDigit() && c != QLatin1Char('.'))
            return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || v < 0 || v >= 100)
        return false;
    *cm = v;
    return true;
}

} // namespace ImpressaoEtiquetas
