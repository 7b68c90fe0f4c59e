#pragma once

#include <QString>

// The folder that holds the executable, with its trailing separator. Every
// file that lives "beside the program" (Orvalha.ini, firebird.conf, fb/, DB/,
// Ajuda/, the pages it writes) is found here. LUMISTO_PROGRAM_DIR, when set,
// points it elsewhere (tests).
QString ProgramFolder();

// ProgramFolder() + a relative path written with either separator
// ("DB\\Orvalha.FDB" and "DB/Orvalha.FDB" are the same file).
QString ProgramPath(const QString &relative);
