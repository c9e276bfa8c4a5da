#include "support/UProyectoPrueba.h"

#include "config/URegional.h"
#include "document/UArchivoProyecto.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "form/UDescripcionTecnica.h"
#include "form/UFichaPersona.h"
#include "form/UGrupo.h"
#include "form/UListaPresupuesto.h"
#include "form/URegistroDatosGenerales.h"
#include "form/URegistroInstitucion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <utility>

TCarpetaPrueba::TCarpetaPrueba() {
    if (dir_.isValid())
        SetWorkingFolder(dir_.path());
}

TCarpetaPrueba::~TCarpetaPrueba() {
    SetWorkingFolder(QString());
}

QString TCarpetaPrueba::PathOf(const QString& name) const {
    return dir_.path() + QLatin1Char('/') + name;
}

void TCarpetaPrueba::WriteFile(const QString& name, const QByteArray& bytes) const {
    const QString path = PathOf(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void TCarpetaPrueba::WriteConfig() const {
    WriteFile(QStringLiteral("config.xml"),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
              "<config>\r\n"
              "  <convocatorias>\r\n"
              "    <c caption=\"Convocatoria A\" file=\"a.xml\" type=\"ROVA-I-A\"/>\r\n"
              "    <c caption=\"Convocatoria B\" file=\"b.xml\" type=\"ROVA-I-B\"/>\r\n"
              "    <c caption=\"Convocatoria II A\" file=\"c.xml\" type=\"ROVA-II-A\"/>\r\n"
              "    <c caption=\"Convocatoria II B\" file=\"d.xml\" type=\"ROVA-II-B\"/>\r\n"
              "  </convocatorias>\r\n"
              "</config>\r\n");
}

void AddBudgetRow(TXMLProject& document, const QString& year, const QString& rubro,
                  const QString& subsidio, const QString& contraparte, const QString& total) {
    TXMLNode row = document.GetNode(QStringLiteral("project/document/properties/presupuesto/"))
                       .AppendChild(QStringLiteral("row"));
    row.SetAttribute(QStringLiteral("rubro"), rubro);
    row.SetAttribute(QStringLiteral("descr"), QStringLiteral("Detalle"));
    row.SetAttribute(QStringLiteral("contraparte"), contraparte);
    row.SetAttribute(QStringLiteral("subsidio"), subsidio);
    row.SetAttribute(QStringLiteral("total"), total);
    row.SetAttribute(QStringLiteral("year"), year);
}

namespace {

// An institution with every field its page shows, written by its record.
void FillInstitucion(TXMLProject& document, TRegistroCampos registro, const QString& prefix) {
    const std::pair<const char*, const char*> valores[] = {
        {"SiglasEdit", "UNV"},
        {"DenominacionEdit", "Universidad"},
        {"PaisComboBox", "Argentina"},
        {"ProvinciaComboBox", "Córdoba"},
        {"LocalidadEdit", "Córdoba"},
        {"CodigoPostalEdit", "5000"},
        {"CalleEdit", "Haya de la Torre"},
        {"TelefonoEdit", "4334000"},
        {"EmailEdit", "a@b.ar"},
        {"WebEdit", "www.b.ar"},
        {"ResponsableNombreEdit", "Pérez, Ana"},
        {"ResponsableCargoEdit", "Rectora"},
        {"CuitEdit", "20123456786"},
        {"TipoInstitucionComboBox", "Universidad"},
        {"TipoGestionComboBox", "Pública"},
        {"RegionComboBox", "Nacional"},
        {"AnioConstitucionEdit", "1613"},
    };
    for (const auto& [control, valor] : valores)
        registro.SetValor(prefix + QLatin1String(control), QString::fromUtf8(valor));
    registro.Escribir(document);
}

} // namespace

void FillCompleteProject(TXMLProject& document, const TCarpetaPrueba& carpeta, QChar separator) {
    const QString body = QStringLiteral("project/document/body/section-break/");

    TArchivoProyecto::EscribirEsqueleto(document);
    document.SetAttribute(QStringLiteral("project/document/properties/convocatoria/"),
                          QStringLiteral("doc-name"), QStringLiteral("Convocatoria A"));
    TRegistroCampos datosGenerales = RegistroDatosGenerales(false);
    datosGenerales.SetValor(QStringLiteral("areaTematicaComboBox"),
                            QStringLiteral("Ciencias Biológicas de Células y Moléculas"));
    datosGenerales.SetValor(QStringLiteral("areaTematicaSecundariaComboBox"),
                            QStringLiteral("Ciencias Físicas, Matemáticas y Astronómicas"));
    datosGenerales.SetValor(QStringLiteral("tituloEdit"), QStringLiteral("Suelos del norte"));
    datosGenerales.SetValor(QStringLiteral("duracionComboBox"), QStringLiteral("2"));
    datosGenerales.SetValor(QStringLiteral("provinciaComboBox"), QStringLiteral("Córdoba"));
    datosGenerales.Escribir(document);

    // The budget as the program writes it where the regional decimal separator is the one
    // given: one "Insumos" line in each of the two years, and the computed rows.
    const QChar regional = Regional().DecimalSeparator();
    const QString fecha = Regional().ShortDateFormat();
    SetRegional(std::make_unique<TConfiguracionRegionalFija>(separator, fecha));
    const QString half = QStringLiteral("1000") + separator + QStringLiteral("5");
    const TRenglones lineas = {
        {QStringLiteral("Insumos"), QStringLiteral("Detalle"), half, half, QStringLiteral("2001")}};
    WritePresupuesto(document, {lineas, lineas, {}}, {true, true, false});
    SetRegional(std::make_unique<TConfiguracionRegionalFija>(regional, fecha));

    for (const char* path :
         {"resumenDelProyecto/palabrasClave/", "resumenDelProyecto/resumenDelProyecto/",
          "resumenDelProyecto/projectTitle/", "resumenDelProyecto/keywords/",
          "resumenDelProyecto/summary/", "impactoDelProyecto/impactoSector/",
          "impactoDelProyecto/impactoSubarea/", "impactoDelProyecto/impactoInstitucion/",
          "impactoDelProyecto/impactoCampo/", "datosComplementarios/investigadores/",
          "datosComplementarios/salvaguardia/", "datosComplementarios/observaciones/",
          "subsidioSolicitado/justificacionSubsidio/", "subsidioSolicitado/justificacionBeca/",
          "contraparte/contraparte/", "otrosRecursos/otrosRecursos/"}) {
        document.SetCData(body + QString::fromUtf8(path), QStringLiteral("Texto"));
    }

    TFichaPersona responsable;
    responsable.SetCuil(QStringLiteral("20123456786"));
    responsable.SetValor(QStringLiteral("rol"), QStringLiteral("Investigador Responsable"));
    responsable.SetValor(QStringLiteral("nroDocumento"), QStringLiteral("12345678"));
    TGrupo grupo(document, TGrupo::GrupoResponsable());
    responsable.StoreNuevo(grupo);

    TDescripcionTecnica::GuardarNombre(document, QStringLiteral("desc.pdf"));
    carpeta.WriteFile(QStringLiteral("desctec/desc.pdf"), "%PDF-1.4\n");

    FillInstitucion(document, RegistroBeneficiaria(), QStringLiteral("ben"));
    FillInstitucion(document, RegistroDependencia(), QStringLiteral("dep"));
    FillInstitucion(document, RegistroEjecutora(), QStringLiteral("eje"));
    TArchivoProyecto::SetVerificado(document, false);
}
