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
