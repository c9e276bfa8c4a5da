#include "rules/UVerificacion.h"

#include "document/UArchivoProyecto.h"
#include "rules/URestricciones.h"

TVerificacion::TVerificacion(const QString& fileName) : document_(fileName, &read_) {}

THallazgos TVerificacion::Check(const TConfiguracion& configuracion) {
    THallazgos hallazgos;
    TRestricciones().CheckAll(document_, hallazgos, configuracion);
    return hallazgos;
}

void TVerificacion::Finish(bool verified) {
    TArchivoProyecto::GuardarVerificado(document_, std::move(read_), verified);
}
