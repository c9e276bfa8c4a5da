// The work of "Verificar" that does not involve the window, on a large project (three years of
// 300 budget lines each, 300 persons with full CVs): the store (the budget rewritten, the
// texts and the flag "0", forced save), the stored file opened anew, every rule, and the flag
// written (the file written again only when it changes). Measured for a project that passes
// (flag 0 -> 1, written twice) and one that fails (written once), beside a bare TXMLProject
// load plus Save(true) of the same document in the same run.
// Run: build/bench/URestricciones_bench [runs]
#include "UMedicion.h"
#include "config/UConfiguracion.h"
#include "config/URegional.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "pages/UGrupo.h"
#include "rules/UVerificacion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QString kProperties = QStringLiteral("project/document/properties/");
const QString kBody = QStringLiteral("project/document/body/section-break/");
const QString kPresupuesto = kProperties + QStringLiteral("presupuesto/");
constexpr int kLineas = 300;
constexpr int kPersonas = 300;
constexpr int kResponsables = 20;

QString LongText(int length, int seed) {
    const QString sentence = QString::fromUtf8(
        "Investigación en ecología de poblaciones y genética de la conservación; dirección de "
        "tesis, proyectos financiados y publicaciones en revistas internacionales (%1).\n");
    QString text;
    while (text.size() < length)
        text += sentence.arg(seed++);
    text.truncate(length);
    return text;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

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

// What the store writes that the verification reads: the general data, the whole budget
// (300 lines a year of 100.5 each side, then the computed rows), the sixteen texts and the
// flag "0", then a forced save. The persons are not rewritten by a store.
void Store(const QString& file, bool passing) {
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
                         QStringLiteral("Convocatoria A"));

    TXMLNode presupuesto = project.GetNode(kPresupuesto);
    presupuesto.RemoveAllChildren();
    for (int year = 1; year <= 3; ++year) {
        const QString y = QString::number(year);
        for (int line = 0; line < kLineas; ++line)
            AppendRow(presupuesto, QStringLiteral("Insumos"), QStringLiteral("100.5"),
                      QStringLiteral("100.5"), QStringLiteral("201"), y);
        // 300 x 100.5 = 30150 of subsidy, 1206 of administration.
        AppendRow(presupuesto, QStringLiteral("GASTOS DE ADMINISTRACION DEL SUBSIDIO"),
                  QStringLiteral("0"), QStringLiteral("1206"), QStringLiteral("1206"), y);
        AppendRow(presupuesto, QStringLiteral("TOTAL ANUAL"), QStringLiteral("30150"),
                  QStringLiteral("31356"), QStringLiteral("61506"), y);
    }
    for (const char* path : kTextos)
        project.SetCData(kBody + QString::fromLatin1(path), LongText(2000, 7));
    project.Save(true);
    project.Release();
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

// The parts a store leaves alone: the persons (the responsible investigator last of the
// responsible group, so every one of them is looked at) and the three institutions.
void BuildProject(const QString& file) {
    {
        TXMLProject project(file);
        for (int i = 0; i < kPersonas; ++i) {
            const bool responsable = i < kResponsables;
            TGrupo grupo(project,
                         responsable ? TGrupo::GrupoResponsable() : TGrupo::GrupoColaborador());
            grupo.SelectParticipante(QStringLiteral("20%1").arg(i, 8, 10, QLatin1Char('0')) +
                                     QLatin1Char('3'));
            grupo.SetField(QStringLiteral("rol"), i == kResponsables - 1
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
    Store(file, true);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QTemporaryDir dir;
    SetWorkingFolder(dir.path());
    SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char('.'),
                                                             QStringLiteral("dd/MM/yyyy")));
    WriteFile(dir.filePath(QStringLiteral("config.xml")),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<config><convocatorias>"
              "<c caption=\"Convocatoria A\" file=\"a.xml\" type=\"ROVA-I-A\"/>"
              "</convocatorias></config>\r\n");
    WriteFile(dir.filePath(QStringLiteral("desctec/desc.pdf")), "%PDF-1.4\n");
    const QString file = dir.filePath(QStringLiteral("proyecto.xml"));
    BuildProject(file);
    TConfiguracion configuracion;
    configuracion.Open();
    std::printf("document: %.2f MB, 3 x %d budget lines, %d persons\n",
                QFileInfo(file).size() / 1e6, kLineas, kPersonas);

    // Interleaved, so that all of them see the same machine load and the same heap.
    std::vector<double> bare;
    std::vector<double> total[2], store[2], reopen[2], rules[2], flag[2];
    int messages[2] = {-1, -1};
    for (int run = 0; run < runs; ++run) {
        bare.push_back(Ms([&] {
            TXMLProject project(file);
            project.Save(true);
            project.Release();
        }));
        for (const int passes : {1, 0}) {
            double phases[4] = {};
            total[passes].push_back(Ms([&] {
                phases[0] = Ms([&] { Store(file, passes == 1); });
                std::unique_ptr<TVerificacion> verificacion;
                phases[1] = Ms([&] { verificacion = std::make_unique<TVerificacion>(file); });
                QStringList found;
                phases[2] = Ms([&] { found = verificacion->Check(configuracion); });
                messages[passes] = int(found.size());
                phases[3] = Ms([&] { verificacion->Finish(found.isEmpty()); });
            }));
            store[passes].push_back(phases[0]);
            reopen[passes].push_back(phases[1]);
            rules[passes].push_back(phases[2]);
            flag[passes].push_back(phases[3]);
        }
    }
    const double base = Median(bare);
    std::printf("load + Save(true):                %7.2f ms\n", base);
    for (const int passes : {1, 0}) {
        std::printf("verify, %s: %7.2f ms  ratio %.2f  (store %.2f, reopen %.2f, rules %.2f, "
                    "flag %.2f; %d messages)\n",
                    passes ? "passing (flag written)" : "failing (no second write)",
                    Median(total[passes]), Median(total[passes]) / base, Median(store[passes]),
                    Median(reopen[passes]), Median(rules[passes]), Median(flag[passes]),
                    messages[passes]);
    }
    std::printf("goal: ratio at most 2.00\n");
    SetRegional(nullptr);
    SetWorkingFolder(QString());
    return 0;
}
