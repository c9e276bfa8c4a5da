#include "rules/URestricciones.h"

#include "config/UConfiguracion.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "ids/UCuitWeb.h"
#include "pages/UGrupo.h"
#include "pages/UListaPresupuesto.h"
#include "rules/UReglasPresupuesto.h"

#include <QFileInfo>

#include <iterator>

namespace {

struct TCampo {
    const char* path;
    const char* message;
};

// General data and text pages, in checking order.
const TCampo kCamposGenerales[] = {
    {"project/document/properties/title/", "El título del proyecto está vacío."},
    {"project/document/properties/duracion/", "Debe elegir la duración del proyecto."},
    {"project/document/properties/areatematica/principal/text/", "Debe elegir un área temática."},
    {"project/document/properties/areatematica/secundaria/text/",
     "Debe elegir un área temática secundaria."},
    {"project/document/properties/ubicacion/provincia/text/", "Debe indicar una provincia."},
    {"project/document/properties/areaaltaprioridad/text/", "Debe indicar una Prioridad Regional."},
    {"project/document/body/section-break/resumenDelProyecto/palabrasClave/",
     "El campo Palabras Clave está vacío."},
    {"project/document/body/section-break/resumenDelProyecto/resumenDelProyecto/",
     "El campo Resumen del Proyecto está vacío."},
    {"project/document/body/section-break/resumenDelProyecto/projectTitle/",
     "El campo Project Title está vacío."},
    {"project/document/body/section-break/resumenDelProyecto/keywords/",
     "El campo Keywords está vacío."},
    {"project/document/body/section-break/resumenDelProyecto/summary/",
     "El campo Summary está vacío."},
};

const char kImpacto[] = "project/document/body/section-break/impactoDelProyecto/";

// The same stored impact texts go by other names in the calls of the second family.
const TCampo kImpactoSegundaFamilia[] = {
    {"impactoSector/",
     "El campo Relevancia Social, Económica y/o Productiva del Problema está vacío."},
    {"impactoSubarea/", "El campo Problema Identificado está vacío."},
    {"impactoInstitucion/", "El campo Impacto sobre la Región está vacío."},
};

const TCampo kImpactoOtras[] = {
    {"impactoSector/", "El campo Impacto sobre el sector socio-económico y/o sector productivo "
                       "está vacío."},
    {"impactoInstitucion/", "El campo Impacto sobre las capacidades institucionales está vacío."},
    {"impactoCampo/",
     "El campo Impacto sobre las áreas disciplinares o campos de aplicación está vacío."},
};

const TCampo kCamposComplementarios[] = {
    {"project/document/body/section-break/datosComplementarios/investigadores/",
     "El campo Investigadores recusados como evaluadores está vacío."},
    {"project/document/body/section-break/datosComplementarios/salvaguardia/",
     "El campo Salvaguardia ética y ambiental está vacío."},
    {"project/document/body/section-break/datosComplementarios/observaciones/",
     "El campo Otras observaciones está vacío."},
    {"project/document/body/section-break/subsidioSolicitado/justificacionSubsidio/",
     "El campo Justificación del subsidio solicitado está vacío."},
    {"project/document/body/section-break/subsidioSolicitado/justificacionBeca/",
     "El campo Justificación de la beca solicitada está vacío."},
    {"project/document/body/section-break/contraparte/contraparte/",
     "El campo Infraestructura y Equipamiento existente en la Unidad Ejecutora está vacío."},
    {"project/document/body/section-break/otrosRecursos/otrosRecursos/",
     "El campo Otros Recursos afectados para el desarrollo del Proyecto está vacío."},
};

// One field of the institution records with its label in each of the three groups; nullptr
// where the group does not check it.
struct TCampoInstitucion {
    const char* path;
    const char* beneficiaria;
    const char* dependencia;
    const char* ejecutora;
};

const TCampoInstitucion kCamposInstitucion[] = {
    {"denominacion/", "Siglas", "Siglas", "Siglas"},
    {"razonsocial/", "Denominación o Razón Social", "Denominación", "Denominación"},
    {"domicilio/pais/text/", "Pais", "Pais", "Pais"},
    {"domicilio/provincia/text/", "Provincia", "Provincia", "Provincia"},
    {"domicilio/localidad/", "Localidad", "Localidad", "Localidad"},
    {"domicilio/cp/", "Código postal", "Código Postal", "Código Postal"},
    {"domicilio/calle/", "Calle y Número", "Calle y Número", "Calle y Número"},
    {"domicilio/telefonos/", "Teléfonos / Fax", "Teléfonos / Fax", "Teléfonos / Fax"},
    {"domicilio/email/", "Email", "Email", "Email"},
    {"domicilio/web/", "Sitio Web", "Sitio Web", "Sitio Web"},
    {"contacto/nombre/", "Apellido y Nombres", nullptr, "Apellido y Nombres"},
    {"contacto/cargo/", "Cargo", nullptr, "Cargo"},
    {"cuitcuil/", "CUIT/CUIL", nullptr, nullptr},
    {"tipoorganizacion/text/", "Tipo de Institución", nullptr, nullptr},
    {"tipogestion/text/", "Tipo de Gestión", nullptr, nullptr},
    {"region/text/", "Jurisdicción", nullptr, nullptr},
    {"anoConstitucion/", "Año de Constitución o de Creación", nullptr,
     "Año de Constitución o de Creación"},
};

// Which of the three labels a group uses.
using TEtiqueta = const char* TCampoInstitucion::*;

QString Text(TXMLProject& document, const QString& path) {
    return document.GetText(path, QString());
}

template <std::size_t N>
void CheckCampos(TXMLProject& document, QStringList& list, const QString& prefix,
                 const TCampo (&campos)[N]) {
    for (const TCampo& campo : campos) {
        TRestricciones::AddIfEmpty(Text(document, prefix + QString::fromUtf8(campo.path)),
                                   QString::fromUtf8(campo.message), list);
    }
}

void CheckInstitucion(TXMLProject& document, QStringList& list, const QString& prefix,
                      TEtiqueta label, const QString& suffix) {
    for (const TCampoInstitucion& campo : kCamposInstitucion) {
        if (campo.*label == nullptr)
            continue;
        TRestricciones::AddIfEmptyField(Text(document, prefix + QString::fromUtf8(campo.path)),
                                        QString::fromUtf8(campo.*label), suffix, list);
    }
}

struct TRango {
    const char* rubro;
    const char* year;
    const char* minimo;
    const char* maximo;
};

const TRango kRangos[] = {
    {"Beca Doctoral", "1", "23664", "36024"},     {"Beca Doctoral", "2", "23664", "36024"},
    {"Beca Doctoral", "3", "23664", "36024"},     {"Beca PostDoctoral", "1", "28716", "45336"},
    {"Beca PostDoctoral", "2", "28716", "45336"}, {"Beca PostDoctoral", "3", "28716", "45336"},
    {"Personal (Salarios)", "1", "0", "0"},       {"Personal (Salarios)", "2", "0", "0"},
    {"Personal (Salarios)", "3", "0", "0"},
};

struct TPorcentaje {
    const char* rubro;
    int limite;
};

const TPorcentaje kPorcentajes[] = {
    {"Gastos de servicios técnicos especializados", 20},
    {"Viajes y viáticos", 30},
    {"Equipamiento", 40},
};

void AddIfFound(const std::optional<QString>& message, QStringList& list) {
    if (message)
        list.append(*message);
}

} // namespace

bool TRestricciones::AddIfEmpty(const QString& text, const QString& message, QStringList& list) {
    if (!text.isEmpty())
        return false;
    list.append(message);
    return true;
}

bool TRestricciones::AddIfEmptyField(const QString& text, const QString& label,
                                     const QString& suffix, QStringList& list) {
    return AddIfEmpty(text, QStringLiteral("El campo ") + label + suffix, list);
}

QString TRestricciones::ConvocatoriaType(TXMLProject& document,
                                         const TConfiguracion& configuracion) {
    return configuracion.GetConvocatoriaType(
        document.GetAttribute(QStringLiteral("project/document/properties/convocatoria/"),
                              QStringLiteral("doc-name"), QString()));
}

void TRestricciones::CheckAll(TXMLProject& document, QStringList& list,
                              const TConfiguracion& configuracion) const {
    CheckPresupuesto(document, list, configuracion);
    CheckResponsable(document, list);
    CheckDescripcionTecnica(document, list);
    CheckProyecto(document, list, configuracion);
    CheckBeneficiaria(document, list);
    CheckDependencia(document, list);
    CheckEjecutora(document, list);
}

void TRestricciones::CheckPresupuesto(TXMLProject& document, QStringList& list,
                                      const TConfiguracion& configuracion) const {
    const TPresupuestoItems all = ReadPresupuestoItems(document);
    const TPresupuestoItems regular = RegularItems(all);
    if (regular.empty()) {
        list.append(QStringLiteral("El presupuesto está vacio."));
        return;
    }

    AddIfFound(TReglasPresupuesto::CheckEmptyYears(regular, TReglasPresupuesto::Duracion(document)),
               list);
    if (TReglasPresupuesto::SubsidioExceedsContraparte(regular)) {
        list.append(
            QStringLiteral("El total del subsidio no puede ser mayor al total de la contraparte."));
    }
    for (const TRango& rango : kRangos) {
        AddIfFound(TReglasPresupuesto::CheckRubroRange(
                       regular, QString::fromUtf8(rango.rubro), QString::fromUtf8(rango.year),
                       QString::fromUtf8(rango.minimo), QString::fromUtf8(rango.maximo)),
                   list);
    }
    const QString areaCode = TReglasPresupuesto::AreaCode(document);
    const QString tipo = ConvocatoriaType(document, configuracion);
    if (!areaCode.isEmpty())
        AddIfFound(TReglasPresupuesto::CheckMaxSubsidioAnual(all, areaCode, tipo), list);
    for (const TPorcentaje& porcentaje : kPorcentajes) {
        AddIfFound(TReglasPresupuesto::CheckRubroPercentage(
                       regular, QString::fromUtf8(porcentaje.rubro), porcentaje.limite),
                   list);
    }
}

void TRestricciones::CheckResponsable(TXMLProject& document, QStringList& list) const {
    // The rol the editor shows for each CUIL of the group.
    for (const TXMLNode& persona :
         TGrupo(document, TGrupo::GrupoResponsable()).ParticipantesPorCuil()) {
        if (TGrupo::FieldOf(persona, QStringLiteral("rol")) == TGrupo::RolInvestigadorResponsable())
            return;
    }
    list.append(QStringLiteral("No hay ningún Investigador Responsable."));
}

void TRestricciones::CheckDescripcionTecnica(TXMLProject& document, QStringList& list) const {
    const QString name = document.GetAttribute(QStringLiteral("descripcionTecnica/"),
                                               QStringLiteral("file"), QString());
    if (!QFileInfo(WorkingFolder() + QStringLiteral("desctec/") + name).isFile())
        list.append(QStringLiteral("No ha cargado una descripción técnica."));
}

void TRestricciones::CheckProyecto(TXMLProject& document, QStringList& list,
                                   const TConfiguracion& configuracion) const {
    const QString tipo = ConvocatoriaType(document, configuracion);
    AddIfEmpty(tipo, QStringLiteral("No ha elejido una convocatoria."), list);
    CheckCampos(document, list, QString(), kCamposGenerales);
    if (tipo == QLatin1String("ROVA-II-A") || tipo == QLatin1String("ROVA-II-B"))
        CheckCampos(document, list, QString::fromUtf8(kImpacto), kImpactoSegundaFamilia);
    else
        CheckCampos(document, list, QString::fromUtf8(kImpacto), kImpactoOtras);
    CheckCampos(document, list, QString(), kCamposComplementarios);
}

void TRestricciones::CheckBeneficiaria(TXMLProject& document, QStringList& list) const {
    const QString prefix = QStringLiteral("beneficiaria/document/properties/");
    CheckInstitucion(document, list, prefix, &TCampoInstitucion::beneficiaria,
                     QStringLiteral(" en la Institución Beneficiaria está vacío."));
    if (!TCuitWeb().IsValidCuit(Text(document, prefix + QStringLiteral("cuitcuil/"))))
        list.append(QStringLiteral("El cuil de la Institución Beneficiaria no es válido."));
}

void TRestricciones::CheckDependencia(TXMLProject& document, QStringList& list) const {
    CheckInstitucion(document, list, QStringLiteral("dependencia/document/properties/"),
                     &TCampoInstitucion::dependencia,
                     QStringLiteral(" en la Dependencia está vacío."));
}

void TRestricciones::CheckEjecutora(TXMLProject& document, QStringList& list) const {
    CheckInstitucion(document, list, QStringLiteral("ejecutora/document/properties/"),
                     &TCampoInstitucion::ejecutora,
                     QStringLiteral(" en la Unidad Ejecutora está vacío."));
}
