#pragma once

#include <QString>

// "Iniciar Orvalha com o sistema": an XDG autostart entry for the
// current user, $XDG_CONFIG_HOME/autostart/lumisto.desktop (by default under
// ~/.config).

QString AutostartFilePath();

// True exactly when the entry exists.
bool AutostartEnabled();

// Ticked: writes the entry starting executablePath; unticked: removes it.
// False when the file cannot be written or removed.
bool SetAutostart(bool enabled, const QString &executablePath);
