#pragma once

#include <QIcon>

// The program's icon (window, tray), drawn once.
QIcon AppIcon();
