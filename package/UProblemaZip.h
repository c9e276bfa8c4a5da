#pragma once

#include <QString>

// Why an archive, or one of its entries, cannot be trusted: a code that stays the same for
// scripts, and the reason, worded to follow "No se puede importar el paquete "...": ".
struct TProblemaZip {
    QString codigo;
    QString motivo;
};
