// Importing the 300 persons (full CVs) of a 5 MB package into an empty project, beside a bare
// load and save of the same project; runs alternated, ratios paired run by run. Goal: 2x.
// Then reading the persons of earlier applications of 5 000 and 50 000 persons, which should
// take ten times as long for ten times as many.
#include "UMedicion.h"
#include "document/UArchivoProyecto.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "form/UGrupo.h"
#include "form/UImportacion.h"
#include "package/KZip.h"
#include "support/UProyectoGrande.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

// Persons with the fields the import lists, appended without looking for their CUILs.
void WritePersons(const QString& file, int count) {
    TXMLProject project(file);
    TArchivoProyecto::EscribirEsqueleto(project);
    TGrupo grupo(project, TGrupo::GrupoColaborador());
    for (int i = 0; i < count; ++i) {
        grupo.AppendParticipante(TProyectoGrande::Cuil(i));
        grupo.AppendField(QStringLiteral("rol"), QStringLiteral("Investigador Integrante"));
        grupo.AppendField(QStringLiteral("nombre"), QStringLiteral("Nombre %1").arg(i));
        grupo.AppendField(QStringLiteral("apellido"), QStringLiteral("Apellido %1").arg(i));
    }
    project.Save(true);
    project.Release();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;

    QTemporaryDir anterior;
    QTemporaryDir nuevo;
    const QString file = anterior.filePath(QStringLiteral("proyecto.xml"));
    TProyectoGrande::Build(file, QStringLiteral("ROVA-I-A-2026"), 300, 300);
    const QString package = anterior.filePath(QStringLiteral("paquete.zip"));
    SetWorkingFolder(anterior.path());
    TKZip().ZipFiles(package, 1, {file});
    std::printf("project %.1f MB, package %.1f MB\n", QFileInfo(file).size() / 1e6,
                QFileInfo(package).size() / 1e6);

    const QString destino = nuevo.filePath(QStringLiteral("proyecto.xml"));
    std::vector<double> importar, guardar;
    int importadas = 0;
    for (int run = 0; run < runs; ++run) {
        QFile::remove(destino);
        importar.push_back(Ms([&] {
            auto importacion = TImportacion::Abrir(package);
            importadas = importacion->ImportarPersonas(importacion->Personas(), destino).importadas;
        }));
        guardar.push_back(Ms([&] {
            TXMLProject project(file);
            project.Save(true);
            project.Release();
        }));
    }
    std::printf("persons imported: %d\n", importadas);
    PrintRatios("import 300 persons vs load + save", importar, guardar, 2.0);

    for (const int count : {5000, 50000}) {
        const QString personas = nuevo.filePath(QStringLiteral("personas.xml"));
        QFile::remove(personas);
        WritePersons(personas, count);
        size_t leidas = 0;
        const double ms =
            MedianMs(3, [&] { leidas = TImportacion::Abrir(personas)->Personas().size(); });
        std::printf("reading %zu persons: %.3f s\n", leidas, ms / 1000);
    }
    SetWorkingFolder(QString());
    return 0;
}
