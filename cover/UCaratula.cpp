#include "cover/UCaratula.h"

#include "cover/UCaratulaPresupuesto.h"
#include "cover/UHtmlCaratula.h"
#include "document/UArchivoAtomico.h"
#include "document/UEnteros.h"
#include "document/UErrores.h"
#include "document/UXMLProject.h"
#include "form/UGrupo.h"

#include <QDir>

#include <algorithm>

namespace {

const QString kProperties = QStringLiteral("project/document/properties/");

const char* const kCellStart = "<td><font size=\"2\">";
const char* const kCellEnd = "</font></td>";

} // namespace

TCaratula::TCaratula(TXMLProject& document) : document_(document) {}

QString TCaratula::Text(const QString& path) {
    return HtmlEscape(document_.GetText(path, QString()));
}

QString TCaratula::Institucion(const QString& element, const QString& field) {
    return Text(element + QStringLiteral("/document/properties/") + field);
}

void TCaratula::PageTitle(const QString& text) {
    html_ += QStringLiteral("<center><font size=\"4\"><b>") + text +
             QStringLiteral("</b></font></center><br/>");
}

void TCaratula::Heading(const QString& text) {
    html_ += QStringLiteral("<font size=\"3\"><b>") + text + QStringLiteral("</b></font><br/>");
}

void TCaratula::TableStart() {
    html_ += QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" "
                            "cellpadding=\"2\" bordercolor=\"#000000\">");
}

void TCaratula::TableEnd() {
    html_ += QStringLiteral("</table><br/>");
}

void TCaratula::LabelRow(const QString& label, const QString& value) {
    html_ += QStringLiteral("<tr><td><font size=\"2\"><b>") + label +
             QStringLiteral("</b></font></td><td><font size=\"2\">") + value +
             QStringLiteral("</font></td></tr>");
}

void TCaratula::PlainRow(const QStringList& cells) {
    html_ += QStringLiteral("<tr>");
    for (const QString& cell : cells)
        html_ += QLatin1String(kCellStart) + cell + QLatin1String(kCellEnd);
    html_ += QStringLiteral("</tr>");
}

void TCaratula::ConvocatoriaBlock() {
    const QString convocatoria = kProperties + QStringLiteral("convocatoria/");
    Heading(QStringLiteral("Convocatoria"));
    TableStart();
    LabelRow(QStringLiteral("Tipo"),
             Text(convocatoria + QStringLiteral("tipoConvocatoria/text/")) + QStringLiteral(" ( ") +
                 Text(convocatoria + QStringLiteral("ano/")) + QStringLiteral(" )"));
    LabelRow(QStringLiteral("Categoría"), Text(convocatoria + QStringLiteral("categoria/text/")));
    LabelRow(QStringLiteral("Tipo de Proyecto"),
             Text(convocatoria + QStringLiteral("tipoProyecto/text/")));
    TableEnd();
}

void TCaratula::DatosGeneralesBlock() {
    Heading(QStringLiteral("Datos generales del proyecto"));
    TableStart();
    LabelRow(QStringLiteral("Area Temática"),
             Text(kProperties + QStringLiteral("areatematica/principal/text/")));
    const QString prioridad = Text(kProperties + QStringLiteral("areaaltaprioridad/text/"));
    LabelRow(QStringLiteral("Prioridad Regional"),
             prioridad.isEmpty() ? QStringLiteral("&nbsp;") : prioridad);
    LabelRow(QStringLiteral("Duración"), Text(kProperties + QStringLiteral("duracion/")));
    LabelRow(QStringLiteral("Ubicación"),
             Text(kProperties + QStringLiteral("ubicacion/pais/text/")) + QStringLiteral(", ") +
                 Text(kProperties + QStringLiteral("ubicacion/provincia/text/")));
    LabelRow(QStringLiteral("Idiomas"),
             Text(kProperties + QStringLiteral("idiomas/principal/text/")));
    LabelRow(QStringLiteral("Investigador<br/>Responsable"),
             QStringLiteral("Nombre y Apellido<br/>") + responsable_);
    LabelRow(QStringLiteral("Fecha de alta"), Text(kProperties + QStringLiteral("fechaAlta/")));
    TableEnd();
}

void TCaratula::ResponsableBlock() {
    Heading(QStringLiteral("Responsable del Proyecto"));
    TableStart();
    LabelRow(QStringLiteral("Nombre y Apellido<br/>") + responsable_,
             QStringLiteral("<b>Firma</b><br/><br/>"));
    TableEnd();
}

void TCaratula::PresupuestoBlock() {
    Heading(QStringLiteral("Presupuesto"));
    TableStart();
    PlainRow({QStringLiteral("<b>Año</b>"), QStringLiteral("<b>Rubro</b>"),
              QStringLiteral("<b>Subsidio</b>"), QStringLiteral("<b>Contraparte</b>"),
              QStringLiteral("<b>Total</b>")});
    const int years =
        CoverYears(document_.GetText(kProperties + QStringLiteral("duracion/"), QString()));
    for (int year = 1; year <= years; ++year) {
        for (const TPresupuestoItem& item : CoverRowsOfYear(presupuesto_, year)) {
            PlainRow({HtmlEscape(item.year), HtmlEscape(item.rubro), HtmlEscape(item.subsidio),
                      HtmlEscape(item.contraparte), HtmlEscape(item.total)});
        }
    }
    TableEnd();
}

void TCaratula::GrupoRows(const QString& grupo, bool firmas) {
    PlainRow(firmas ? QStringList{QStringLiteral("Nombre y Apellido"), QStringLiteral("Rol"),
                                  QStringLiteral("Firma")}
                    : QStringList{QStringLiteral("Nombre y Apellido"), QStringLiteral("Rol")});
    for (const TXMLNode& persona : TGrupo(document_, grupo).ParticipantesPorCuil()) {
        QStringList cells = {HtmlEscape(TGrupo::FieldOf(persona, QStringLiteral("nombre"))) +
                                 QLatin1Char(' ') +
                                 HtmlEscape(TGrupo::FieldOf(persona, QStringLiteral("apellido"))),
                             HtmlEscape(TGrupo::FieldOf(persona, QStringLiteral("rol")))};
        if (firmas)
            cells << QStringLiteral("&nbsp;");
        PlainRow(cells);
    }
}

void TCaratula::GrupoBlock(bool firmas) {
    Heading(QStringLiteral("Conformación de Grupo"));
    TableStart();
    html_ += QStringLiteral("<tr><td><font size=\"2\"><b>Grupo Responsable</b></font></td>"
                            "<td><table>");
    GrupoRows(TGrupo::GrupoResponsable(), firmas);
    html_ += QStringLiteral("</table></td></tr><tr><td><font size=\"2\"><b>Grupo Colaborador</b>"
                            "</font></td><td><table>");
    GrupoRows(TGrupo::GrupoColaborador(), firmas);
    html_ += QStringLiteral("</table></td></tr>");
    TableEnd();
}

void TCaratula::InstitucionRow(const QString& label, const QString& element) {
    html_ += QStringLiteral("<tr><td><font size=\"2\"><b>") + label +
             QStringLiteral("</b></font></td><td><font size=\"2\"><table>"
                            "<tr><td><font size=\"2\">Razón Social</font></td>"
                            "<td><font size=\"2\">Teléfono</font></td>"
                            "<td><font size=\"2\">Correo Electrónico</font></td></tr>");
    PlainRow({Institucion(element, QStringLiteral("razonsocial/")),
              Institucion(element, QStringLiteral("domicilio/telefonos/")),
              Institucion(element, QStringLiteral("domicilio/email/"))});
    html_ += QStringLiteral("</table></font></td></tr>");
}

void TCaratula::InstitucionesBlock() {
    Heading(QStringLiteral("Instituciones del Proyecto"));
    TableStart();
    InstitucionRow(QStringLiteral("Institución Beneficiaria"), QStringLiteral("beneficiaria"));
    LabelRow(QStringLiteral("Representante Legal"),
             Institucion(QStringLiteral("beneficiaria"), QStringLiteral("contacto/nombre/")));
    InstitucionRow(QStringLiteral("Dependencia"), QStringLiteral("dependencia"));
    InstitucionRow(QStringLiteral("Unidad Ejecutora"), QStringLiteral("ejecutora"));
    TableEnd();
}

void TCaratula::BeneficiariaBlock() {
    const QString beneficiaria = QStringLiteral("beneficiaria");
    Heading(QStringLiteral("Institución Beneficiaria"));
    TableStart();
    html_ += QStringLiteral("<tr><td><font size=\"2\">Razón Social</font></td>"
                            "<td><font size=\"2\">Teléfono</font></td>"
                            "<td><font size=\"2\">Correo Electrónico</font></td></tr>");
    PlainRow({Institucion(beneficiaria, QStringLiteral("razonsocial/")),
              Institucion(beneficiaria, QStringLiteral("domicilio/telefonos/")),
              Institucion(beneficiaria, QStringLiteral("domicilio/email/"))});
    html_ += QStringLiteral("<tr><td><font size=\"2\">Representante Legal</font></td>"
                            "<td><font size=\"2\">Cargo</font></td>"
                            "<td><font size=\"2\">Firma</font></td></tr>");
    PlainRow({Institucion(beneficiaria, QStringLiteral("contacto/nombre/")),
              Institucion(beneficiaria, QStringLiteral("contacto/cargo/")),
              QStringLiteral("&nbsp;")});
    TableEnd();
}

void TCaratula::EjecutoraBlock() {
    const QString ejecutora = QStringLiteral("ejecutora");
    Heading(QStringLiteral("Unidad Ejecutora"));
    TableStart();
    html_ += QStringLiteral("<tr><td><font size=\"2\"><b>Razón Social</b></font></td>"
                            "<td><font size=\"2\"><b>Teléfono</b></font></td>"
                            "<td><font size=\"2\"><b>Correo Electrónico</b></font></td></tr>");
    PlainRow({Institucion(ejecutora, QStringLiteral("razonsocial/")),
              Institucion(ejecutora, QStringLiteral("domicilio/telefonos/")),
              Institucion(ejecutora, QStringLiteral("domicilio/email/"))});
    TableEnd();
}

QByteArray TCaratula::CoverPages() {
    // The responsible investigator's name and the budget are read once for all three pages.
    TGrupo responsables(document_, TGrupo::GrupoResponsable());
    const QString cuil = responsables.GetResponsableCuil();
    responsable_.clear();
    if (!cuil.isEmpty()) {
        responsables.SelectParticipante(cuil);
        responsable_ = HtmlEscape(responsables.GetField(QStringLiteral("nombre"))) +
                       QLatin1Char(' ') +
                       HtmlEscape(responsables.GetField(QStringLiteral("apellido")));
    }
    presupuesto_ = ReadPresupuestoItems(document_);

    const QString title = Text(kProperties + QStringLiteral("title/"));
    const QString separator = QStringLiteral("<br/><hr/><br/><H2>&nbsp;</H2>");
    html_ = QStringLiteral("<html><head><title>Carátulas</title></head><STYLE TYPE=\"text/css\">"
                           "H2 {page-break-before: always}</STYLE><body>");

    PageTitle(title);
    PageTitle(QStringLiteral("CARÁTULA DE PROYECTO"));
    ConvocatoriaBlock();
    DatosGeneralesBlock();
    ResponsableBlock();
    PresupuestoBlock();
    GrupoBlock(false);
    InstitucionesBlock();
    html_ += separator;

    PageTitle(title);
    PageTitle(QStringLiteral("CARÁTULA DE ORGANIZACIONES"));
    ConvocatoriaBlock();
    DatosGeneralesBlock();
    BeneficiariaBlock();
    html_ += separator;

    PageTitle(title);
    PageTitle(QStringLiteral("CARÁTULA DE GRUPO"));
    ConvocatoriaBlock();
    DatosGeneralesBlock();
    EjecutoraBlock();
    GrupoBlock(true);
    html_ += QStringLiteral("</body></html>");

    QByteArray bytes = ToWindows1252(html_);
    html_.clear();
    return bytes;
}

void TCaratula::WriteCoverPages(const QString& path) {
    const QByteArray bytes = CoverPages();
    if (!TArchivoAtomico::WriteFile(path, bytes, nullptr))
        throw EVelornError(QStringLiteral("No se pudo escribir el archivo \"%1\".")
                               .arg(QDir::toNativeSeparators(path)));
}
