#include "support/UProyectoGrande.h"

#include "document/UArchivoProyecto.h"
#include "document/UXMLProject.h"
#include "form/UDescripcionTecnica.h"
#include "form/UGrupo.h"
#include "form/UListaPresupuesto.h"
#include "form/URegistroDatosGenerales.h"
#include "form/URegistroInstitucion.h"
#include "ids/UCuitWeb.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kProperties = QStringLiteral("project/document/properties/");
const QString kBody = QStringLiteral("project/document/body/section-break/");

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

void FillInstitucion(TXMLProject& project, TRegistroCampos registro) {
    for (const TCampoRegistro& campo : registro.Campos()) {
        if (!campo.control.isEmpty())
            registro.SetValor(campo.control, QStringLiteral("1613"));
    }
    registro.SetValor(QStringLiteral("benCuitEdit"), QStringLiteral("20123456786"));
    registro.Escribir(project);
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
    FillInstitucion(project, RegistroBeneficiaria());
    FillInstitucion(project, RegistroDependencia());
    FillInstitucion(project, RegistroEjecutora());
    project.Save(true);
}

void TProyectoGrande::Store(const QString& file, const QString& convocatoria, int lineas,
                            bool passing) {
    TXMLProject project(file);
    TArchivoProyecto::EscribirEsqueleto(project);
    TRegistroCampos datosGenerales = RegistroDatosGenerales(false);
    datosGenerales.SetValor(QStringLiteral("areaTematicaComboBox"),
                            QStringLiteral("Ciencias Biológicas de Células y Moléculas"));
    datosGenerales.SetValor(QStringLiteral("areaTematicaSecundariaComboBox"),
                            QStringLiteral("Ciencias Biológicas de Organismos y Sistemas"));
    datosGenerales.SetValor(QStringLiteral("tituloEdit"),
                            passing ? QStringLiteral("Biodiversidad de las yungas") : QString());
    datosGenerales.SetValor(QStringLiteral("duracionComboBox"), QStringLiteral("3"));
    datosGenerales.SetValor(QStringLiteral("provinciaComboBox"), QStringLiteral("Córdoba"));
    datosGenerales.Escribir(project);
    TDescripcionTecnica::GuardarNombre(project, QStringLiteral("desc.pdf"));
    TArchivoProyecto::SetVerificado(project, false);
    project.SetAttribute(kProperties + QStringLiteral("convocatoria/"), QStringLiteral("doc-name"),
                         convocatoria);

    // Each year: the lines of 100.5 a side, then the computed rows.
    TPresupuestoPorAnio anios;
    for (int year = 1; year <= kAniosPresupuesto; ++year) {
        for (int line = 0; line < lineas; ++line)
            anios[year - 1].push_back(
                {QStringLiteral("Insumos"), QStringLiteral("Reactivos del lote %1").arg(year),
                 QStringLiteral("100.5"), QStringLiteral("100.5"), QStringLiteral("201")});
    }
    WritePresupuesto(project, anios, {true, true, true});
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
