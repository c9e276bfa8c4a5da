#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

// The command "velorn-verificar": its options, its report and its exit status, apart from the
// process so that tests run it whole.
class TProgramaVerificador {
  public:
    // Exit status: every input passed; any has problems or findings; any could not be read
    // (or the arguments are wrong).
    enum TEstado { kAprobado = 0, kObservado = 1, kIlegible = 2 };

    // Runs with the arguments (the program's name first), the report going to salida and the
    // messages to errores; with terminal, errores also shows a progress line. instalacion is the
    // default installation folder.
    static int Ejecutar(const QStringList& argumentos, QIODevice& salida, QIODevice& errores,
                        bool terminal, const QString& instalacion);

    static QString Ayuda();
};
