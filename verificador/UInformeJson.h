#pragma once

#include "verificador/UInforme.h"

// One JSON document for scripts: the installation, one object per input, in the inputs' order
// and one a line, and the counts. Every key is always there (null when it does not apply):
//   ruta, tipo ("paquete", "proyecto"), veredicto ("aprobado", "observado", "ilegible"),
//   error (why it could not be read), problemas [{codigo, mensaje}], verificadoGuardado,
//   hallazgos [{seccion, mensaje, campo, anio}], the messages exactly as the window shows them.
class TInformeJson : public TInforme {
  public:
    QByteArray Inicio(const QString& instalacion) const override;
    QByteArray Entrada(const TResultadoEntrada& resultado) const override;
    QByteArray Fin(const TResumen& resumen) const override;

  private:
    // A comma goes before every input but the first.
    mutable bool primera_ = true;
};
