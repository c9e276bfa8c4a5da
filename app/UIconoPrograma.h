#pragma once

#include <QIcon>

// The sizes the program's icon is rendered at when the program is built.
inline constexpr int kTamanosIcono[] = {16, 24, 32, 48, 64, 128, 256};

// The program's own icon, for its windows; each size is read only when a window asks for it.
QIcon IconoPrograma();
