#pragma once

#include "util/Relatorio.h"

#include <QStringList>

// The printed list of the visible individuals, grouped by the name's first letter.
class TqrpListaPF {
public:
    static Relatorio::Definicao Definicao();
    static QStringList Colunas();
};
