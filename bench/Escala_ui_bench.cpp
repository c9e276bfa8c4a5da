// How the work on persons and budget lines grows with the project: at 30, 300 and 3000 persons
// (with CVs of 12000 characters) and as many budget lines a year, the time per person of each
// step: loading the group lists and the budget from the file, "Eliminar" (a person removed,
// the file written and the list filled again), storing an edited person, storing the budget,
// the cover pages and the rules. Runs alternate the sizes; the ratios pair the time per person
// at 3000 (and at 30) with that at 300 of the same run.
// Run: build/bench/Escala_ui_bench [runs]
#include "UMedicion.h"
#include "config/UConfiguracion.h"
#include "cover/UCaratula.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "form/UFichaPersona.h"
#include "form/UGrupo.h"
#include "pages/UPaginaGrupos.h"
#include "pages/UPaginaPresupuesto.h"
#include "rules/URestricciones.h"
#include "support/UProyectoGrande.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kTamanos[] = {30, 300, 3000};
constexpr int kPasos = 6;
const char* const kNombresPasos[kPasos] = {"load lists and budget", "Eliminar",    "store a person",
                                           "store the budget",      "cover pages", "rules"};

// One installation with a project of n persons; the master copy puts the file back after a
// step that changed it.
struct TCaso {
    int personas = 0;
    QTemporaryDir dir;
    QString file, master;

    void Restore() const {
        QFile::remove(file);
        QFile::copy(master, file);
    }
};

// The time of every step at one size, in milliseconds.
std::array<double, kPasos> Medir(TCaso& caso, const TConfiguracion& configuracion) {
    SetWorkingFolder(caso.dir.path());
    std::array<double, kPasos> ms{};
    {
        TPaginaGrupos grupos;
        grupos.SetupGrupoGrids();
        TPaginaPresupuesto presupuesto;
        presupuesto.SetupPresupuestoGrids();
        ms[0] = Ms([&] {
            TXMLProject project(caso.file);
            presupuesto.LoadPresupuesto(project);
            grupos.LoadGrupoResponsable(project);
            grupos.LoadGrupoColaborador(project);
            project.Discard();
        });
        // The last person of the collaborating list, selected after the load.
        grupos.ShowSheet(TPaginaGrupos::kColaboradorSheet);
        ms[1] = Ms([&] { grupos.grupoResponsableEliminarButtonClick(); });
        caso.Restore();

        TFichaPersona ficha = TFichaPersona::ReadFile(caso.file, TGrupo::GrupoColaborador(),
                                                      TProyectoGrande::Cuil(caso.personas - 1));
        ficha.SetValor(QStringLiteral("apellido"), QStringLiteral("Otro apellido"));
        ms[2] = Ms([&] { ficha.StoreFile(caso.file, TGrupo::GrupoColaborador()); });
        caso.Restore();

        TXMLProject project(caso.file);
        ms[3] = Ms([&] { presupuesto.SavePresupuesto(project); });
        project.Discard();
    }
    {
        TXMLProject project(caso.file);
        ms[4] = Ms([&] { (void)TCaratula(project).CoverPages(); });
        project.Discard();
    }
    {
        TXMLProject project(caso.file);
        THallazgos messages;
        ms[5] = Ms([&] { TRestricciones().CheckAll(project, messages, configuracion); });
        project.Discard();
    }
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    std::vector<std::unique_ptr<TCaso>> casos;
    for (const int personas : kTamanos) {
        auto caso = std::make_unique<TCaso>();
        caso->personas = personas;
        TProyectoGrande::CopyFolder(QStringLiteral(DATOS_MUESTRA), caso->dir.path());
        caso->file = caso->dir.filePath(QStringLiteral("proyecto.xml"));
        caso->master = caso->dir.filePath(QStringLiteral("original.xml"));
        TProyectoGrande::Build(caso->file, QStringLiteral("ROVA-I-A-2026"), personas, personas);
        QFile::copy(caso->file, caso->master);
        std::printf("%5d persons, 3 x %d budget lines: %.1f MB\n", personas, personas,
                    QFileInfo(caso->file).size() / 1e6);
        casos.push_back(std::move(caso));
    }
    SetWorkingFolder(casos[0]->dir.path());
    TConfiguracion configuracion;
    configuracion.Open();

    // perPersona[size][step]: microseconds per person of every run.
    std::vector<std::vector<double>> perPersona[std::size(kTamanos)];
    for (auto& pasos : perPersona)
        pasos.resize(kPasos);
    for (int run = 0; run < runs; ++run) {
        for (const size_t size : {size_t(1), size_t(2), size_t(0)}) {
            const std::array<double, kPasos> ms = Medir(*casos[size], configuracion);
            for (int paso = 0; paso < kPasos; ++paso)
                perPersona[size][size_t(paso)].push_back(ms[size_t(paso)] * 1000 /
                                                         casos[size]->personas);
        }
    }
    SetWorkingFolder(QString());

    std::printf("microseconds per person (median of %d runs) at 30 / 300 / 3000 persons, and the "
                "paired ratios per person against 300:\n",
                runs);
    for (int paso = 0; paso < kPasos; ++paso) {
        std::printf("%-22s %9.2f %9.2f %9.2f\n", kNombresPasos[paso],
                    Median(perPersona[0][size_t(paso)]), Median(perPersona[1][size_t(paso)]),
                    Median(perPersona[2][size_t(paso)]));
        PrintRatios("  3000 vs 300", perPersona[2][size_t(paso)], perPersona[1][size_t(paso)], 1.5);
        PrintRatios("  30 vs 300", perPersona[0][size_t(paso)], perPersona[1][size_t(paso)]);
    }
    return 0;
}
