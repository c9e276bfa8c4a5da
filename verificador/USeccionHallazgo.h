#pragma once

#include "rules/UHallazgos.h"

#include <QString>

// The section of the window a finding leads to, named as the section list names it ("Datos
// Generales", "Institución Beneficiaria", ...), or the main page for the technical description.
class TSeccionHallazgo {
  public:
    // Empty for a field no section holds.
    static QString Nombre(const TDestino& destino);
};
