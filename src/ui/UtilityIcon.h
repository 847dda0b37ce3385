#pragma once

#include <QIcon>

// The utility's window icon, the same images the desktop entry installs.
QIcon UtilityIcon();
