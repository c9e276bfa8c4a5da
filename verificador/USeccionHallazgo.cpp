#include "verificador/USeccionHallazgo.h"

namespace {

struct TSeccion {
    const char* control;
    const char* nombre;
};

// The controls the rules lead to, by section; the institutions' go by their pages' prefixes.
const TSeccion kSecciones[] = {
    {"convocatoriaNameComboBox", "Convocatoria"},
    {"tituloEdit", "Datos Generales"},
    {"duracionComboBox", "Datos Generales"},
    {"areaTematicaComboBox", "Datos Generales"},
    {"areaTematicaSecundariaComboBox", "Datos Generales"},
    {"provinciaComboBox", "Datos Generales"},
    {"areaPrioritariaComboBox", "Datos Generales"},
    {"palabrasClaveEdit", "Resumen del Proyecto"},
    {"resumenDelProyectoMemo", "Resumen del Proyecto"},
    {"projectTitleEdit", "Resumen del Proyecto"},
    {"keywordsEdit", "Resumen del Proyecto"},
    {"summaryMemo", "Resumen del Proyecto"},
    {"impactoSectorMemo", "Impacto del Proyecto"},
    {"subareaMemo", "Impacto del Proyecto"},
    {"impactoInstitucionMemo", "Impacto del Proyecto"},
    {"impactoCampoMemo", "Impacto del Proyecto"},
    {"dcInvestigadoresMemo", "Datos Complementarios"},
    {"dcSalvaguardiaMemo", "Datos Complementarios"},
    {"dcObservacionesMemo", "Datos Complementarios"},
    {"detalleDelPresupuestoDelProyectoTab", "Detalle del Presupuesto del Proyecto"},
    {"justificacionSubsidioMemo", "Justificación Subsidio"},
    {"justificacionBecaMemo", "Justificación Subsidio"},
    {"contraparteMemo", "Contraparte"},
    {"otrosRecursosMemo", "Otros Recursos"},
    {"grupoResponsableStringGrid", "Conformación del Grupo Responsable"},
    {"descripcionTecnicaTab", "Descripción Técnica"},
};

const TSeccion kInstituciones[] = {
    {"ben", "Institución Beneficiaria"},
    {"dep", "Dependencia"},
    {"eje", "Unidad Ejecutora"},
};

} // namespace

QString TSeccionHallazgo::Nombre(const TDestino& destino) {
    for (const TSeccion& seccion : kSecciones) {
        if (destino.campo == QLatin1String(seccion.control))
            return QString::fromUtf8(seccion.nombre);
    }
    for (const TSeccion& seccion : kInstituciones) {
        const QLatin1String prefijo(seccion.control);
        // "benSiglasEdit": the prefix, then the field's own name in capitals.
        if (destino.campo.startsWith(prefijo) && destino.campo.size() > prefijo.size() &&
            destino.campo.at(prefijo.size()).isUpper())
            return QString::fromUtf8(seccion.nombre);
    }
    return QString();
}
