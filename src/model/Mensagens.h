#pragma once

#include "services/Seams.h"

// What the record classes show the same way.

inline QString RegistroNaoEncontrado()
{
    return QStringLiteral("Registro não encontrado! Os dados não foram alterados.");
}

inline void MostrarErro(const QString &texto)
{
    Seams::messages().show(texto, MessageService::Kind::Error);
}
