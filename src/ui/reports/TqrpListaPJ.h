#pragma once

#include "util/Relatorio.h"

#include <QStringList>

// The printed list of the visible companies, grouped by the name's first letter.
class TqrpListaPJ {
public:
    static Relatorio::Definicao Definicao();
    static QStringList Colunas();
};
