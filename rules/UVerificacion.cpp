#include "rules/UVerificacion.h"

#include "document/UArchivoProyecto.h"
#include "rules/URestricciones.h"

TVerificacion::TVerificacion(const QString& fileName) : document_(fileName, &read_) {}

QStringList TVerificacion::MensajesExito() {
    return {QStringLiteral("El proyecto ha sido verificado exitosamente!"),
            QStringLiteral("Ahora puede imprimir la carátula y enviar el proyecto.")};
}

THallazgos TVerificacion::Check(const TConfiguracion& configuracion) {
    THallazgos hallazgos;
    TRestricciones().CheckAll(document_, hallazgos, configuracion);
    return hallazgos;
}

void TVerificacion::Finish(bool verified) {
    TArchivoProyecto::GuardarVerificado(document_, std::move(read_), verified);
}
