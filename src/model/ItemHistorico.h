#pragma once

#include <QString>

// One listed history entry: the columns of its row, and whether it has a
// picture (the picture itself is read only when it is shown).
struct ItemHistorico {
    qint32 Identificador = 0;
    qint32 IdenPessoa = 0;
    qint32 TipoPessoa = 0;
    double Data = 0;
    QString Texto;
    bool TemImagem = false;
};
