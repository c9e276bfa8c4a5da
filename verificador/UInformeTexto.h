#pragma once

#include "verificador/UInforme.h"

// The report for a person: each input with its integrity, its stored state and its findings,
// each finding under the section of the window it belongs to; the counts at the end.
class TInformeTexto : public TInforme {
  public:
    QByteArray Inicio(const QString& instalacion) const override;
    QByteArray Entrada(const TResultadoEntrada& resultado) const override;
    QByteArray Fin(const TResumen& resumen) const override;
};
