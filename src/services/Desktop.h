#pragma once

#include <QString>
#include <QStringList>

// Shorthands over the seams for what the screens ask of the desktop around
// the program: the keyboard, the network, the desktop's "open".
bool IsKeyDown(int virtualKey);
bool IsOnNetwork();
void OpenWithShell(const QString &target);

// Writes the page as `arquivo` in the program's folder and opens it in the
// browser. When it cannot be written the user is told and nothing is opened:
// an older page of that name would show somebody else's data.
bool GravarEAbrirPagina(const QString &arquivo, const QString &texto);
bool GravarEAbrirPagina(const QString &arquivo, const QStringList &linhas);
