#include "support/UProyectoPrueba.h"

#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

void SetCoded(TXMLProject& document, const QString& path, const QString& code,
              const QString& name) {
    document.ForceAttribute(path, QStringLiteral("code"), code);
    document.ForceAttribute(path + QStringLiteral("text/"), QStringLiteral("lang"),
                            QStringLiteral("es"));
    document.SetCData(path + QStringLiteral("text/"), name);
}

void FillInstitucion(TXMLProject& document, const QString& prefix) {
    const QString p = prefix;
    document.SetCData(p + QStringLiteral("denominacion/"), QStringLiteral("UNV"));
    document.SetCData(p + QStringLiteral("razonsocial/"), QStringLiteral("Universidad"));
    SetCoded(document, p + QStringLiteral("domicilio/pais/"), QStringLiteral("AR"),
             QStringLiteral("Argentina"));
    SetCoded(document, p + QStringLiteral("domicilio/provincia/"), QStringLiteral("X"),
             QStringLiteral("Córdoba"));
    document.SetCData(p + QStringLiteral("domicilio/localidad/"), QStringLiteral("Córdoba"));
    document.SetCData(p + QStringLiteral("domicilio/cp/"), QStringLiteral("5000"));
    document.SetCData(p + QStringLiteral("domicilio/calle/"), QStringLiteral("Haya de la Torre"));
    document.SetCData(p + QStringLiteral("domicilio/telefonos/"), QStringLiteral("4334000"));
    document.SetCData(p + QStringLiteral("domicilio/email/"), QStringLiteral("a@b.ar"));
    document.SetCData(p + QStringLiteral("domicilio/web/"), QStringLiteral("www.b.ar"));
    document.SetCData(p + QStringLiteral("contacto/nombre/"), QStringLiteral("Pérez, Ana"));
    document.SetCData(p + QStringLiteral("contacto/cargo/"), QStringLiteral("Rectora"));
    document.SetCData(p + QStringLiteral("cuitcuil/"), QStringLiteral("20123456786"));
    SetCoded(document, p + QStringLiteral("tipoorganizacion/"), QStringLiteral("1"),
             QStringLiteral("Universidad"));
    SetCoded(document, p + QStringLiteral("tipogestion/"), QStringLiteral("1"),
             QStringLiteral("Pública"));
    SetCoded(document, p + QStringLiteral("region/"), QStringLiteral("1"),
             QStringLiteral("Nacional"));
    document.SetCData(p + QStringLiteral("anoConstitucion/"), QStringLiteral("1613"));
}

} // namespace

void FillCompleteProject(TXMLProject& document, const TCarpetaPrueba& carpeta, QChar separator) {
    const QString properties = QStringLiteral("project/document/properties/");
    const QString body = QStringLiteral("project/document/body/section-break/");

    document.SetAttribute(QStringLiteral("soft/"), QStringLiteral("version"), QStringLiteral("2"));
    document.SetAttribute(properties + QStringLiteral("convocatoria/"), QStringLiteral("doc-name"),
                          QStringLiteral("Convocatoria A"));
    SetCoded(document, properties + QStringLiteral("areatematica/principal/"), QStringLiteral("01"),
             QStringLiteral("Ciencias Agrarias"));
    SetCoded(document, properties + QStringLiteral("areatematica/secundaria/"),
             QStringLiteral("03"), QStringLiteral("Ciencias Biológicas"));
    document.ForceAttribute(properties + QStringLiteral("title/"), QStringLiteral("edit"),
                            QStringLiteral("yes"));
    document.SetCData(properties + QStringLiteral("title/"), QStringLiteral("Suelos del norte"));
    SetCoded(document, properties + QStringLiteral("areaaltaprioridad/"), QString(),
             QStringLiteral("No Aplica"));
    document.SetCData(properties + QStringLiteral("duracion/"), QStringLiteral("2"));
    SetCoded(document, properties + QStringLiteral("ubicacion/provincia/"), QStringLiteral("X"),
             QStringLiteral("Córdoba"));

    const QString half = QStringLiteral("1000") + separator + QStringLiteral("5");
    const QString withAdministration = QStringLiteral("1040") + separator + QStringLiteral("52");
    for (const QString& year : {QStringLiteral("1"), QStringLiteral("2")}) {
        AddBudgetRow(document, year, QStringLiteral("Insumos"), half, half, QStringLiteral("2001"));
        AddBudgetRow(document, year, QStringLiteral("GASTOS DE ADMINISTRACION DEL SUBSIDIO"),
                     QStringLiteral("40") + separator + QStringLiteral("02"), QStringLiteral("0"),
                     QStringLiteral("40") + separator + QStringLiteral("02"));
        AddBudgetRow(document, year, QStringLiteral("TOTAL ANUAL"), withAdministration, half,
                     QStringLiteral("2041") + separator + QStringLiteral("02"));
    }

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

    TXMLNode responsable = document.GetNode(QStringLiteral("gruporesponsable/"))
                               .AppendChild(QStringLiteral("participante"));
    responsable.SetAttribute(QStringLiteral("cuil"), QStringLiteral("20123456786"));
    document.AppendText(responsable.AppendChild(QStringLiteral("rol")),
                        QStringLiteral("Investigador Responsable"));
    document.AppendText(responsable.AppendChild(QStringLiteral("nroDocumento")),
                        QStringLiteral("12345678"));

    document.SetAttribute(QStringLiteral("descripcionTecnica/"), QStringLiteral("file"),
                          QStringLiteral("desc.pdf"));
    carpeta.WriteFile(QStringLiteral("desctec/desc.pdf"), "%PDF-1.4\n");

    FillInstitucion(document, QStringLiteral("beneficiaria/document/properties/"));
    FillInstitucion(document, QStringLiteral("dependencia/document/properties/"));
    FillInstitucion(document, QStringLiteral("ejecutora/document/properties/"));
    document.SetAttributeInt(QStringLiteral("project/document/isDraft/"), QStringLiteral("value"),
                             false);
}
