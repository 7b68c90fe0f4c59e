#pragma once

#include <QString>

// The program's version, shown after "Versão " in the login window and in the about box.
inline QString ProgramVersion()
{
    return QStringLiteral("1.5.3");
}

// The application title (also the caption the single-instance test looks for).
inline QString ProgramTitle()
{
    return QStringLiteral(":: Lumisto ::");
}

// The publisher's addresses shown by the login and help windows and the
// main window's "Quero a Versão em REDE".
inline QString PublisherWebAddress()
{
    return QStringLiteral("www.lumisto.com.br");
}
inline QString PublisherSupportEmail()
{
    return QStringLiteral("suporte@lumisto.com.br");
}
inline QString PublisherContactEmail()
{
    return QStringLiteral("contato@lumisto.com.br");
}
inline QString PublisherMessenger()
{
    return QStringLiteral("Mensageiro: suporte@lumisto.com.br");
}
