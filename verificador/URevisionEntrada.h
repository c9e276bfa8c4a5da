#pragma once

#include "verificador/UResultadoEntrada.h"

#include <QString>

class TLectorPaquete;

// Checks one input of the verifier: a package, with its integrity, or a project file; then the
// flag it was stored with and a fresh verification. Nothing is written, nothing is extracted,
// and hostile input is a problem of that input, never an error of the program. One revision
// may check inputs on several threads at once.
class TRevisionEntrada {
  public:
    // The installation whose "config.xml" names the calls.
    explicit TRevisionEntrada(const QString& instalacion);

    TResultadoEntrada Revisar(const QString& ruta) const;

  private:
    void RevisarPaquete(TResultadoEntrada& resultado) const;
    void RevisarProyecto(TResultadoEntrada& resultado) const;

    QString instalacion_;
};
