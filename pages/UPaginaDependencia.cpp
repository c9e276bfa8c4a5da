#include "pages/UPaginaDependencia.h"

#include "form/URegistroInstitucion.h"

TPaginaDependencia::TPaginaDependencia(QWidget* parent)
    : TPaginaInstitucion({QStringLiteral("dependenciaTab"), QStringLiteral("dep"),
                          QStringLiteral("dependencia"),
                          QStringLiteral("Denominación (completa y sin abreviaturas)")},
                         RegistroDependencia(), parent) {}
