#pragma once

#include <QIcon>

// The sizes the program's icon is carried at for its windows; the desktop menu takes the
// larger ones from the icon theme the bundle installs.
inline constexpr int kTamanosIcono[] = {16, 24, 32, 48, 64};

// The program's own icon, for its windows. Each size is read only when a window first asks
// for it, so building the icon costs the start-up nothing.
QIcon IconoPrograma();
