#pragma once

#include "model/RelatorioListas.h"
#include "util/Relatorio.h"

#include <QString>

class QWidget;
class TfrMeuPreview;

// What the three list reports share: the page set-up, the page header with
// the title taken once, the group header on the first letter of the name,
// and the way a report is started from the menu.
namespace TqrpLista {

// "<titulo> <::> Impresso em: dd/mm/yyyy -- hh:nn:ss", the moment from the clock.
QString Titulo(const QString &titulo);

Relatorio::Banda CabecalhoPagina();
// Item helpers in millimetres, Arial 10 unless told otherwise.
Relatorio::Item Rotulo(double esquerda, double topo, const QString &texto);
Relatorio::Item Campo(double esquerda, double topo, const QString &coluna);
Relatorio::Item Fone(double esquerda, double topo, const QString &coluna);
QString PrimeiraLetra(const Relatorio::Registro &r);

// Reads the rows and lays the report out; false with the message shown
// when the database fails or when there is nothing to show.
bool Preparar(RelatorioListas::Lista lista, const Relatorio::Definicao &definicao, const QStringList &colunas,
              const QString &login, Relatorio::Documento *documento);

// The menu command: prepares the report and shows it in a preview window
// (not modal). Returns the window, or null when nothing was shown.
TfrMeuPreview *Exibir(QWidget *owner, RelatorioListas::Lista lista, const QString &login);

} // namespace TqrpLista
