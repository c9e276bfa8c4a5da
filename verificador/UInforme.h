#pragma once

#include "verificador/UResultadoEntrada.h"

#include <QByteArray>
#include <QString>

// One form of the verifier's report, written a piece at a time: its start, each input as its
// result comes, and its end with the counts. The bytes are UTF-8.
class TInforme {
  public:
    struct TResumen {
        int aprobadas = 0;
        int observadas = 0;
        int ilegibles = 0;
    };

    virtual ~TInforme() = default;
    virtual QByteArray Inicio(const QString& instalacion) const = 0;
    virtual QByteArray Entrada(const TResultadoEntrada& resultado) const = 0;
    virtual QByteArray Fin(const TResumen& resumen) const = 0;

    // A problem's reason as a sentence of its own: capital first letter, final period.
    static QString Oracion(const QString& motivo);
    // "aprobado", "observado", "ilegible".
    static QString Veredicto(TResultadoEntrada::TVeredicto veredicto);
    // "paquete", "proyecto".
    static QString Tipo(TResultadoEntrada::TTipo tipo);
    // A text from the input (a path, an entry's name) that cannot break a line of the report
    // or drive the terminal: control, line-separating and invisible format characters are
    // written as \uXXXX.
    static QString Visible(const QString& texto);
    // The lines of a rule's message, which joins them with carriage returns.
    static QStringList Lineas(const QString& mensaje);
};
