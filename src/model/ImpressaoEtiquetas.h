#pragma once

#include "model/EnderecoEtiqueta.h"
#include "model/TEtiqueta.h"

#include <QColor>
#include <QFont>
#include <QList>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// Paints labels and envelopes on a printer's page (or a PDF). Positions are
// centimetres from the paper's corner, turned into device units with the
// device's own resolution; each line is placed by the top of its text, so
// it lands where the sheet's label is whatever the font's ascent.
namespace ImpressaoEtiquetas {

using Progresso = std::function<void(int feitos)>;

// The labels from `inicio` (1 to the labels per sheet) on; a full sheet
// starts a new page. The painter is open on `pagina`.
void PintarEtiquetas(QPainter &painter, QPagedPaintDevice &pagina, const TEtiqueta &modelo,
                     const QList<EnderecoEtiqueta> &enderecos, int inicio, const QFont &fonte,
                     const QColor &cor, bool selecionados, const Progresso &progresso = {});

// One envelope per page, the address at the margins (cm), in bold black.
void PintarEnvelopes(QPainter &painter, QPagedPaintDevice &pagina, const QList<EnderecoEtiqueta> &enderecos,
                     double margemSuperior, double margemEsquerda, const QFont &fonte,
                     const Progresso &progresso = {});

// The family the label font is printed in: the one asked for, or its metric
// twin ("Arial" is drawn with "Liberation Sans", which has the same widths).
// Empty when neither is installed and another family would stand in.
QString FamiliaImpressa(const QFont &fonte);

// The message shown when the font would be replaced by one of other
// measures; empty when it prints as chosen.
QString FonteNaoEncontrada(const QFont &fonte);

// A margin typed in centimetres ("1,50", or "1.50"); false when the text is
// not a number from 0 to 99.
bool LerCentimetros(const QString &texto, double *cm);

} // namespace ImpressaoEtiquetas
