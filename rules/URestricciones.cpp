#include "rules/URestricciones.h"

#include "config/UConfiguracion.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "form/UDescripcionTecnica.h"
#include "form/UGrupo.h"
#include "form/UListaPresupuesto.h"
#include "form/URegistroDatosGenerales.h"
#include "form/URegistroInstitucion.h"
#include "ids/UCuitWeb.h"
#include "rules/UReglasPresupuesto.h"

#include <QFileInfo>

#include <iterator>

namespace {

struct TCampo {
    const char* path;
    const char* message;
    const char* control; // where the finding leads
};

// A field of a page record, checked through the record: its message and its control.
struct TCampoRegistrado {
    const char* message;
    const char* control;
};

// General data, then the summary texts, in checking order.
const TCampoRegistrado kCamposGenerales[] = {
    {"El título del proyecto está vacío.", "tituloEdit"},
    {"Debe elegir la duración del proyecto.", "duracionComboBox"},
    {"Debe elegir un área temática.", "areaTematicaComboBox"},
    {"Debe elegir un área temática secundaria.", "areaTematicaSecundariaComboBox"},
    {"Debe indicar una provincia.", "provinciaComboBox"},
    {"Debe indicar una Prioridad Regional.", "areaPrioritariaComboBox"},
};

const TCampo kCamposResumen[] = {
    {"project/document/body/section-break/resumenDelProyecto/palabrasClave/",
     "El campo Palabras Clave está vacío.", "palabrasClaveEdit"},
    {"project/document/body/section-break/resumenDelProyecto/resumenDelProyecto/",
     "El campo Resumen del Proyecto está vacío.", "resumenDelProyectoMemo"},
    {"project/document/body/section-break/resumenDelProyecto/projectTitle/",
     "El campo Project Title está vacío.", "projectTitleEdit"},
    {"project/document/body/section-break/resumenDelProyecto/keywords/",
     "El campo Keywords está vacío.", "keywordsEdit"},
    {"project/document/body/section-break/resumenDelProyecto/summary/",
     "El campo Summary está vacío.", "summaryMemo"},
};

const char kImpacto[] = "project/document/body/section-break/impactoDelProyecto/";

// The same stored impact texts go by other names in the calls of the second family.
const TCampo kImpactoSegundaFamilia[] = {
    {"impactoSector/",
     "El campo Relevancia Social, Económica y/o Productiva del Problema está vacío.",
     "impactoSectorMemo"},
    {"impactoSubarea/", "El campo Problema Identificado está vacío.", "subareaMemo"},
    {"impactoInstitucion/", "El campo Impacto sobre la Región está vacío.",
     "impactoInstitucionMemo"},
};

const TCampo kImpactoOtras[] = {
    {"impactoSector/",
     "El campo Impacto sobre el sector socio-económico y/o sector productivo "
     "está vacío.",
     "impactoSectorMemo"},
    {"impactoInstitucion/", "El campo Impacto sobre las capacidades institucionales está vacío.",
     "impactoInstitucionMemo"},
    {"impactoCampo/",
     "El campo Impacto sobre las áreas disciplinares o campos de aplicación está vacío.",
     "impactoCampoMemo"},
};

const TCampo kCamposComplementarios[] = {
    {"project/document/body/section-break/datosComplementarios/investigadores/",
     "El campo Investigadores recusados como evaluadores está vacío.", "dcInvestigadoresMemo"},
    {"project/document/body/section-break/datosComplementarios/salvaguardia/",
     "El campo Salvaguardia ética y ambiental está vacío.", "dcSalvaguardiaMemo"},
    {"project/document/body/section-break/datosComplementarios/observaciones/",
     "El campo Otras observaciones está vacío.", "dcObservacionesMemo"},
    {"project/document/body/section-break/subsidioSolicitado/justificacionSubsidio/",
     "El campo Justificación del subsidio solicitado está vacío.", "justificacionSubsidioMemo"},
    {"project/document/body/section-break/subsidioSolicitado/justificacionBeca/",
     "El campo Justificación de la beca solicitada está vacío.", "justificacionBecaMemo"},
    {"project/document/body/section-break/contraparte/contraparte/",
     "El campo Infraestructura y Equipamiento existente en la Unidad Ejecutora está vacío.",
     "contraparteMemo"},
    {"project/document/body/section-break/otrosRecursos/otrosRecursos/",
     "El campo Otros Recursos afectados para el desarrollo del Proyecto está vacío.",
     "otrosRecursosMemo"},
};

// One field of the institution records with its label in each of the three groups; nullptr
// where the group does not check it.
struct TCampoInstitucion {
    const char* beneficiaria;
    const char* dependencia;
    const char* ejecutora;
    const char* control; // after the page's prefix ("ben", "dep", "eje")
};

const TCampoInstitucion kCamposInstitucion[] = {
    {"Siglas", "Siglas", "Siglas", "SiglasEdit"},
    {"Denominación o Razón Social", "Denominación", "Denominación", "DenominacionEdit"},
    {"Pais", "Pais", "Pais", "PaisComboBox"},
    {"Provincia", "Provincia", "Provincia", "ProvinciaComboBox"},
    {"Localidad", "Localidad", "Localidad", "LocalidadEdit"},
    {"Código postal", "Código Postal", "Código Postal", "CodigoPostalEdit"},
    {"Calle y Número", "Calle y Número", "Calle y Número", "CalleEdit"},
    {"Teléfonos / Fax", "Teléfonos / Fax", "Teléfonos / Fax", "TelefonoEdit"},
    {"Email", "Email", "Email", "EmailEdit"},
    {"Sitio Web", "Sitio Web", "Sitio Web", "WebEdit"},
    {"Apellido y Nombres", nullptr, "Apellido y Nombres", "ResponsableNombreEdit"},
    {"Cargo", nullptr, "Cargo", "ResponsableCargoEdit"},
    {"CUIT/CUIL", nullptr, nullptr, "CuitEdit"},
    {"Tipo de Institución", nullptr, nullptr, "TipoInstitucionComboBox"},
    {"Tipo de Gestión", nullptr, nullptr, "TipoGestionComboBox"},
    {"Jurisdicción", nullptr, nullptr, "RegionComboBox"},
    {"Año de Constitución o de Creación", nullptr, "Año de Constitución o de Creación",
     "AnioConstitucionEdit"},
};

// Which of the three labels a group uses.
using TEtiqueta = const char* TCampoInstitucion::*;

QString Text(TXMLProject& document, const QString& path) {
    return document.GetText(path, QString());
}

TDestino Campo(const char* control) {
    return {QString::fromLatin1(control), QString()};
}

// The budget page, on the year's page when the finding is about one year.
TDestino Presupuesto(const QString& anio = QString()) {
    return {QStringLiteral("detalleDelPresupuestoDelProyectoTab"), anio};
}

template <std::size_t N>
void CheckCampos(TXMLProject& document, THallazgos& list, const QString& prefix,
                 const TCampo (&campos)[N]) {
    for (const TCampo& campo : campos) {
        TRestricciones::AddIfEmpty(Text(document, prefix + QString::fromUtf8(campo.path)),
                                   QString::fromUtf8(campo.message), Campo(campo.control), list);
    }
}

void CheckRegistro(const TRegistroCampos& registro, THallazgos& list) {
    for (const TCampoRegistrado& campo : kCamposGenerales) {
        const QString control = QString::fromLatin1(campo.control);
        TRestricciones::AddIfEmpty(registro.Valor(control), QString::fromUtf8(campo.message),
                                   {control, QString()}, list);
    }
}

// The institution's record as stored, every field its page shows.
void CheckInstitucion(TXMLProject& document, TRegistroCampos registro, THallazgos& list,
                      TEtiqueta label, const QString& suffix, const QString& pagina) {
    registro.Leer(document);
    for (const TCampoInstitucion& campo : kCamposInstitucion) {
        if (campo.*label == nullptr)
            continue;
        const QString control = pagina + QString::fromLatin1(campo.control);
        TRestricciones::AddIfEmptyField(registro.Valor(control), QString::fromUtf8(campo.*label),
                                        suffix, {control, QString()}, list);
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

void AddIfFound(const std::optional<QString>& message, const TDestino& destino, THallazgos& list) {
    if (message)
        list.Add(*message, destino);
}

} // namespace

bool TRestricciones::AddIfEmpty(const QString& text, const QString& message,
                                const TDestino& destino, THallazgos& list) {
    if (!text.isEmpty())
        return false;
    list.Add(message, destino);
    return true;
}

bool TRestricciones::AddIfEmptyField(const QString& text, const QString& label,
                                     const QString& suffix, const TDestino& destino,
                                     THallazgos& list) {
    return AddIfEmpty(text, QStringLiteral("El campo ") + label + suffix, destino, list);
}

QString TRestricciones::ConvocatoriaType(TXMLProject& document,
                                         const TConfiguracion& configuracion) {
    return configuracion.GetConvocatoriaType(
        document.GetAttribute(QStringLiteral("project/document/properties/convocatoria/"),
                              QStringLiteral("doc-name"), QString()));
}

void TRestricciones::CheckAll(TXMLProject& document, THallazgos& list,
                              const TConfiguracion& configuracion) const {
    CheckPresupuesto(document, list, configuracion);
    CheckResponsable(document, list);
    CheckDescripcionTecnica(document, list);
    CheckProyecto(document, list, configuracion);
    CheckBeneficiaria(document, list);
    CheckDependencia(document, list);
    CheckEjecutora(document, list);
}

void TRestricciones::CheckPresupuesto(TXMLProject& document, THallazgos& list,
                                      const TConfiguracion& configuracion) const {
    const TPresupuestoItems all = ReadPresupuestoItems(document);
    const TPresupuestoItems regular = RegularItems(all);
    if (regular.empty()) {
        list.Add(QStringLiteral("El presupuesto está vacio."), Presupuesto());
        return;
    }

    AddIfFound(TReglasPresupuesto::CheckEmptyYears(regular, TReglasPresupuesto::Duracion(document)),
               Presupuesto(), list);
    if (TReglasPresupuesto::SubsidioExceedsContraparte(regular)) {
        list.Add(
            QStringLiteral("El total del subsidio no puede ser mayor al total de la contraparte."),
            Presupuesto());
    }
    for (const TRango& rango : kRangos) {
        AddIfFound(TReglasPresupuesto::CheckRubroRange(
                       regular, QString::fromUtf8(rango.rubro), QString::fromUtf8(rango.year),
                       QString::fromUtf8(rango.minimo), QString::fromUtf8(rango.maximo)),
                   Presupuesto(QString::fromUtf8(rango.year)), list);
    }
    const QString areaCode = TReglasPresupuesto::AreaCode(document);
    const QString tipo = ConvocatoriaType(document, configuracion);
    if (!areaCode.isEmpty())
        AddIfFound(TReglasPresupuesto::CheckMaxSubsidioAnual(all, areaCode, tipo), Presupuesto(),
                   list);
    for (const TPorcentaje& porcentaje : kPorcentajes) {
        AddIfFound(TReglasPresupuesto::CheckRubroPercentage(
                       regular, QString::fromUtf8(porcentaje.rubro), porcentaje.limite),
                   Presupuesto(), list);
    }
}

void TRestricciones::CheckResponsable(TXMLProject& document, THallazgos& list) const {
    // The rol the editor shows for each CUIL of the group.
    for (const TXMLNode& persona :
         TGrupo(document, TGrupo::GrupoResponsable()).ParticipantesPorCuil()) {
        if (TGrupo::FieldOf(persona, QStringLiteral("rol")) == TGrupo::RolInvestigadorResponsable())
            return;
    }
    list.Add(QStringLiteral("No hay ningún Investigador Responsable."),
             Campo("grupoResponsableStringGrid"));
}

void TRestricciones::CheckDescripcionTecnica(TXMLProject& document, THallazgos& list) const {
    const QString nombre = TDescripcionTecnica::NombreGuardado(document);
    if (!(adjunta_ ? adjunta_(nombre) : TDescripcionTecnica::EstaAdjunta(nombre)))
        list.Add(QStringLiteral("No ha cargado una descripción técnica."),
                 Campo("descripcionTecnicaTab"));
}

void TRestricciones::CheckProyecto(TXMLProject& document, THallazgos& list,
                                   const TConfiguracion& configuracion) const {
    const QString tipo = ConvocatoriaType(document, configuracion);
    AddIfEmpty(tipo, QStringLiteral("No ha elejido una convocatoria."),
               Campo("convocatoriaNameComboBox"), list);
    TRegistroCampos datosGenerales = RegistroDatosGenerales();
    datosGenerales.Leer(document);
    CheckRegistro(datosGenerales, list);
    CheckCampos(document, list, QString(), kCamposResumen);
    if (tipo == QLatin1String("ROVA-II-A") || tipo == QLatin1String("ROVA-II-B"))
        CheckCampos(document, list, QString::fromUtf8(kImpacto), kImpactoSegundaFamilia);
    else
        CheckCampos(document, list, QString::fromUtf8(kImpacto), kImpactoOtras);
    CheckCampos(document, list, QString(), kCamposComplementarios);
}

void TRestricciones::CheckBeneficiaria(TXMLProject& document, THallazgos& list) const {
    CheckInstitucion(document, RegistroBeneficiaria(), list, &TCampoInstitucion::beneficiaria,
                     QStringLiteral(" en la Institución Beneficiaria está vacío."),
                     QStringLiteral("ben"));
    TRegistroCampos registro = RegistroBeneficiaria();
    registro.Leer(document);
    if (!TCuitWeb().IsValidCuit(registro.Valor(QStringLiteral("benCuitEdit"))))
        list.Add(QStringLiteral("El cuil de la Institución Beneficiaria no es válido."),
                 Campo("benCuitEdit"));
}

void TRestricciones::CheckDependencia(TXMLProject& document, THallazgos& list) const {
    CheckInstitucion(document, RegistroDependencia(), list, &TCampoInstitucion::dependencia,
                     QStringLiteral(" en la Dependencia está vacío."), QStringLiteral("dep"));
}

void TRestricciones::CheckEjecutora(TXMLProject& document, THallazgos& list) const {
    CheckInstitucion(document, RegistroEjecutora(), list, &TCampoInstitucion::ejecutora,
                     QStringLiteral(" en la Unidad Ejecutora está vacío."), QStringLiteral("eje"));
}
