#pragma once

// Qt's own dialogs and standard buttons ("Open", "Cancel", the file
// chooser's "Look in") speak Brazilian Portuguese like the rest of the
// program. Returns whether Qt's translations were found and installed.
bool InstalarTraducoesDoQt();
