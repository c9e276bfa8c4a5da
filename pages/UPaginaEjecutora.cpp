#include "pages/UPaginaEjecutora.h"

#include <QFormLayout>

TPaginaEjecutora::TPaginaEjecutora(QWidget* parent)
    : TPaginaInstitucion({QStringLiteral("unidadEjecutoraTab"), QStringLiteral("eje"),
                          QStringLiteral("ejecutora"),
                          QStringLiteral("Denominación (completa y sin abreviaturas)"),
                          QStringLiteral("POSTAL"), QStringLiteral("Domicilio Postal")},
                         parent) {
    AddResponsable();
    // The unit has no other organisation data than its year of foundation.
    QFormLayout* organizacion = AddSection(QStringLiteral("Datos de la Organización"));
    SetAnioConstitucion(AddEdit(organizacion, QStringLiteral("Año de Constitución o de Creación"),
                                QStringLiteral("AnioConstitucionEdit")));
}
