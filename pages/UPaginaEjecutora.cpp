#include "pages/UPaginaEjecutora.h"

#include "form/URegistroInstitucion.h"

#include <QFormLayout>

TPaginaEjecutora::TPaginaEjecutora(QWidget* parent)
    : TPaginaInstitucion({QStringLiteral("unidadEjecutoraTab"), QStringLiteral("eje"),
                          QStringLiteral("ejecutora"),
                          QStringLiteral("Denominación (completa y sin abreviaturas)")},
                         RegistroEjecutora(), parent) {
    AddResponsable();
    // The unit has no other organisation data than its year of foundation.
    QFormLayout* organizacion = AddSection(QStringLiteral("Datos de la Organización"));
    AddEdit(organizacion, QStringLiteral("Año de Constitución o de Creación"),
            QStringLiteral("AnioConstitucionEdit"));
}
