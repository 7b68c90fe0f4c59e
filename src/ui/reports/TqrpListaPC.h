#pragma once

#include "util/Relatorio.h"

#include <QStringList>

// The printed list of the contact persons of the visible companies, one group
// per company name.
class TqrpListaPC {
public:
    static Relatorio::Definicao Definicao();
    static QStringList Colunas();
};
