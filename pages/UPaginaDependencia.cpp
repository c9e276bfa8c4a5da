#include "pages/UPaginaDependencia.h"

TPaginaDependencia::TPaginaDependencia(QWidget* parent)
    : TPaginaInstitucion({QStringLiteral("dependenciaTab"), QStringLiteral("dep"),
                          QStringLiteral("dependencia"),
                          QStringLiteral("Denominación (completa y sin abreviaturas)"),
                          QStringLiteral("POSTAL"), QStringLiteral("Domicilio Postal")},
                         parent) {}
