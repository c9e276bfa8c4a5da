#pragma once

#include "verificador/UInforme.h"

// A table for a spreadsheet: a header, then one line per input. Fields are separated by ";", as
// spreadsheets with a decimal comma expect, and quoted when they hold one; the file starts with
// a byte order mark so that they read it as UTF-8. The last column holds every problem and
// finding ("[section] message"), separated by " | ".
class TInformeCsv : public TInforme {
  public:
    QByteArray Inicio(const QString& instalacion) const override;
    QByteArray Entrada(const TResultadoEntrada& resultado) const override;
    QByteArray Fin(const TResumen& resumen) const override;
};
