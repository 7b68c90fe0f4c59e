#pragma once

#include <QString>

// Opens a help page of the "Ajuda" folder beside the program (F1).
void OpenHelp(const QString &page);
