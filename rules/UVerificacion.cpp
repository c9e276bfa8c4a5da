#include "rules/UVerificacion.h"

#include "rules/URestricciones.h"

TVerificacion::TVerificacion(const QString& fileName) : document_(fileName) {}

THallazgos TVerificacion::Check(const TConfiguracion& configuracion) {
    THallazgos hallazgos;
    TRestricciones().CheckAll(document_, hallazgos, configuracion);
    return hallazgos;
}

void TVerificacion::Finish(bool verified) {
    // The setter leaves the document unchanged when the flag already has that value.
    document_.SetAttributeInt(QStringLiteral("project/document/isDraft/"), QStringLiteral("value"),
                              verified);
    document_.Release();
}
