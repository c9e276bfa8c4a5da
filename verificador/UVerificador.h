#pragma once

#include "verificador/UResultadoEntrada.h"

#include <QString>
#include <QStringList>

#include <functional>

// Checks many inputs at once, on as many threads as asked, and hands the results over in the
// inputs' order. Each thread holds one input at a time, so memory stays that of a few packages
// whatever the number of inputs.
class TVerificador {
  public:
    using TCadaUno = std::function<void(const TResultadoEntrada& resultado)>;

    TVerificador(const QString& instalacion, int hilos);

    // The paths the arguments name: a file as it is, a folder as the packages (".zip") and
    // project files ("proyecto.xml") below it, sorted; a folder without any stands for itself,
    // and is reported as such.
    static QStringList Entradas(const QStringList& argumentos);

    // cadaUno is called on the calling thread, for each input in order, as soon as it and
    // those before it are done.
    void Revisar(const QStringList& entradas, const TCadaUno& cadaUno) const;

  private:
    QString instalacion_;
    int hilos_;
};
