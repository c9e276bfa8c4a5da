#include "UProyectoGrande.h"

#include "document/UXMLProject.h"
#include "ids/UCuitWeb.h"
#include "pages/UGrupo.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kProperties = QStringLiteral("project/document/properties/");
const QString kBody = QStringLiteral("project/document/body/section-break/");

void SetCoded(TXMLProject& project, const QString& path, const QString& code, const QString& name) {
    project.ForceAttribute(path, QStringLiteral("code"), code);
    project.ForceAttribute(path + QStringLiteral("text/"), QStringLiteral("lang"),
                           QStringLiteral("es"));
    project.SetCData(path + QStringLiteral("text/"), name);
}

const char* const kTextos[] = {"resumenDelProyecto/palabrasClave/",
                               "resumenDelProyecto/resumenDelProyecto/",
                               "resumenDelProyecto/projectTitle/",
                               "resumenDelProyecto/keywords/",
                               "resumenDelProyecto/summary/",
                               "impactoDelProyecto/impactoSector/",
                               "impactoDelProyecto/impactoSubarea/",
                               "impactoDelProyecto/impactoInstitucion/",
                               "impactoDelProyecto/impactoCampo/",
                               "datosComplementarios/investigadores/",
                               "datosComplementarios/salvaguardia/",
                               "datosComplementarios/observaciones/",
                               "subsidioSolicitado/justificacionSubsidio/",
                               "subsidioSolicitado/justificacionBeca/",
                               "contraparte/contraparte/",
                               "otrosRecursos/otrosRecursos/"};

void AppendRow(TXMLNode& presupuesto, const QString& rubro, const QString& contraparte,
               const QString& subsidio, const QString& total, const QString& year) {
    TXMLNode row = presupuesto.AppendChild(QStringLiteral("row"));
    row.SetAttribute(QStringLiteral("rubro"), rubro);
    row.SetAttribute(QStringLiteral("descr"), QStringLiteral("Reactivos del lote %1").arg(year));
    row.SetAttribute(QStringLiteral("contraparte"), contraparte);
    row.SetAttribute(QStringLiteral("subsidio"), subsidio);
    row.SetAttribute(QStringLiteral("total"), total);
    row.SetAttribute(QStringLiteral("year"), year);
}

void FillInstitucion(TXMLProject& project, const QString& prefix) {
    for (const char* path :
         {"denominacion/", "razonsocial/", "domicilio/localidad/", "domicilio/cp/",
          "domicilio/calle/", "domicilio/telefonos/", "domicilio/email/", "domicilio/web/",
          "contacto/nombre/", "contacto/cargo/", "anoConstitucion/"})
        project.SetCData(prefix + QString::fromLatin1(path), QStringLiteral("1613"));
    project.SetCData(prefix + QStringLiteral("cuitcuil/"), QStringLiteral("20123456786"));
    for (const char* path : {"domicilio/pais/", "domicilio/provincia/", "tipoorganizacion/",
                             "tipogestion/", "region/"})
        SetCoded(project, prefix + QString::fromLatin1(path), QStringLiteral("X"),
                 QStringLiteral("Valor"));
}

} // namespace

QString TProyectoGrande::LongText(int length, int seed) {
    const QString sentence = QString::fromUtf8(
        "Investigación en ecología de poblaciones y genética de la conservación; dirección de "
        "tesis, proyectos financiados y publicaciones en revistas internacionales (%1).\n");
    QString text;
    while (text.size() < length)
        text += sentence.arg(seed++);
    text.truncate(length);
    return text;
}

QString TProyectoGrande::Cuil(int number) {
    // The first prefix and check digit that pass the check, as a real CUIL does.
    for (const char* prefix : {"20", "23", "27", "24"}) {
        const QString base =
            QString::fromLatin1(prefix) + QStringLiteral("%1").arg(number, 8, 10, QLatin1Char('0'));
        for (int digit = 0; digit <= 9; ++digit) {
            const QString cuil = base + QString::number(digit);
            if (TCuitWeb().IsValidCuit(cuil))
                return cuil;
        }
    }
    return QStringLiteral("20%1").arg(number, 8, 10, QLatin1Char('0')) + QLatin1Char('3');
}

void TProyectoGrande::BuildPersonas(const QString& file, int personas, int responsables) {
    TXMLProject project(file);
    for (int i = 0; i < personas; ++i) {
        const bool responsable = i < responsables;
        TGrupo grupo(project,
                     responsable ? TGrupo::GrupoResponsable() : TGrupo::GrupoColaborador());
        grupo.SelectParticipante(Cuil(i));
        grupo.SetField(QStringLiteral("rol"), i == responsables - 1
                                                  ? TGrupo::RolInvestigadorResponsable()
                                                  : QStringLiteral("Investigador Integrante"));
        grupo.SetField(QStringLiteral("nombre"), QStringLiteral("Nombre %1").arg(i));
        grupo.SetField(QStringLiteral("apellido"), QStringLiteral("Apellido %1").arg(i));
        grupo.SetField(QStringLiteral("nroDocumento"), QString::number(10000000 + i));
        grupo.SetField(QStringLiteral("curricularCV"), LongText(12000, i));
        grupo.SetField(QStringLiteral("curricularFormacion"), LongText(1500, i));
        grupo.SetField(QStringLiteral("curricularActividades"), LongText(1500, i));
        grupo.SetField(QStringLiteral("curricularArea"), LongText(500, i));
    }
    for (const char* prefix :
         {"beneficiaria/document/properties/", "dependencia/document/properties/",
          "ejecutora/document/properties/"})
        FillInstitucion(project, QString::fromLatin1(prefix));
    project.Save(true);
}

void TProyectoGrande::Store(const QString& file, const QString& convocatoria, int lineas,
                            bool passing) {
    TXMLProject project(file);
    project.SetAttribute(QStringLiteral("soft/"), QStringLiteral("version"), QStringLiteral("2"));
    SetCoded(project, kProperties + QStringLiteral("areatematica/principal/"), QStringLiteral("01"),
             QStringLiteral("Ciencias Biológicas de Células y Moléculas"));
    SetCoded(project, kProperties + QStringLiteral("areatematica/secundaria/"),
             QStringLiteral("15"), QStringLiteral("Ciencias Biológicas de Organismos y Sistemas"));
    project.ForceAttribute(kProperties + QStringLiteral("title/"), QStringLiteral("edit"),
                           QStringLiteral("yes"));
    project.SetCData(kProperties + QStringLiteral("title/"),
                     passing ? QStringLiteral("Biodiversidad de las yungas") : QString());
    SetCoded(project, kProperties + QStringLiteral("areaaltaprioridad/"), QString(),
             QStringLiteral("No Aplica"));
    project.SetCData(kProperties + QStringLiteral("duracion/"), QStringLiteral("3"));
    SetCoded(project, kProperties + QStringLiteral("ubicacion/provincia/"),
             QStringLiteral("CORDOBA"), QStringLiteral("Córdoba"));
    project.SetAttribute(QStringLiteral("descripcionTecnica/"), QStringLiteral("file"),
                         QStringLiteral("desc.pdf"));
    project.SetAttributeInt(QStringLiteral("project/document/isDraft/"), QStringLiteral("value"),
                            false);
    project.SetAttribute(kProperties + QStringLiteral("convocatoria/"), QStringLiteral("doc-name"),
                         convocatoria);

    TXMLNode presupuesto = project.GetNode(kProperties + QStringLiteral("presupuesto/"));
    presupuesto.RemoveAllChildren();
    // Each year: the lines of 100.5 a side, the administration (4 % of the subsidy) and the
    // yearly total.
    const QString subsidio = QString::number(lineas * 100.5, 'f', 0);
    const QString administracion = QString::number(lineas * 100.5 * 0.04, 'f', 0);
    for (int year = 1; year <= 3; ++year) {
        const QString y = QString::number(year);
        for (int line = 0; line < lineas; ++line)
            AppendRow(presupuesto, QStringLiteral("Insumos"), QStringLiteral("100.5"),
                      QStringLiteral("100.5"), QStringLiteral("201"), y);
        AppendRow(presupuesto, QStringLiteral("GASTOS DE ADMINISTRACION DEL SUBSIDIO"),
                  QStringLiteral("0"), administracion, administracion, y);
        const double total = subsidio.toDouble() + administracion.toDouble();
        AppendRow(presupuesto, QStringLiteral("TOTAL ANUAL"), subsidio,
                  QString::number(total, 'f', 0),
                  QString::number(total + subsidio.toDouble(), 'f', 0), y);
    }
    for (const char* path : kTextos)
        project.SetCData(kBody + QString::fromLatin1(path), LongText(2000, 7));
    project.Save(true);
    project.Release();
}

void TProyectoGrande::Build(const QString& file, const QString& convocatoria, int personas,
                            int lineas) {
    BuildPersonas(file, personas, 20);
    Store(file, convocatoria, lineas, true);
}

void TProyectoGrande::CopyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}
