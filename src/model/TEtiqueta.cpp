#include "model/TEtiqueta.h"

const QList<TEtiqueta> &ModelosEtiqueta()
{
    static const QList<TEtiqueta> modelos = {
        {QStringLiteral("20 Etiquetas por Folha :: Ref.: 6181  Pimaco"),
         QStringLiteral("20 Etiquetas por Folha (Ref.: Pimaco 6181)"), 20, 0.5, 11.2, 0.37, 0.9, 0.16, 2.54},
        {QStringLiteral("14 Etiquetas por Folha :: Ref.: 6182  Pimaco"),
         QStringLiteral("14 Etiquetas por Folha (Ref.: Pimaco 6182)"), 14, 0.5, 11.2, 0.4, 2.1, 0.06, 3.39},
        {QStringLiteral("10 Etiquetas por Folha :: Ref.: 6183  Pimaco"),
         QStringLiteral("10 Etiquetas por Folha (Ref.: Pimaco 6183)"), 10, 0.5, 11.2, 0.4, 1.25, 0.3, 5.08},
        {QStringLiteral("20 Etiquetas por Folha :: Ref.: 6281  Pimaco"),
         QStringLiteral("20 Etiquetas por Folha (Ref.: Pimaco 6281)"), 20, 0.5, 11.0, 0.37, 0.9, 0.16, 2.54},
        {QStringLiteral("16 Etiquetas por Folha :: Ref.: A4362 Pimaco"),
         QStringLiteral("16 Etiquetas por Folha (Ref.: Pimaco A4362)"), 16, 0.5, 11.2, 0.37, 1.3, 0.16, 3.39},
    };
    return modelos;
}

QPointF PosicaoEtiqueta(const TEtiqueta &modelo, int posicao)
{
    const int fileira = (posicao - 1) / 2;
    const double x = posicao % 2 == 1 ? modelo.ColunaEsquerda : modelo.ColunaDireita;
    return {x, fileira * modelo.PassoFileira + modelo.Topo + modelo.AjusteTopo};
}

int FolhasEtiqueta(const TEtiqueta &modelo, int etiquetas)
{
    if (modelo.PorFolha <= 0 || etiquetas <= 0)
        return 0;
    return (etiquetas + modelo.PorFolha - 1) / modelo.PorFolha;
}
