// The work of "Aplicar" on the group page that does not involve the window: open
// "proyecto.xml", store one person through TGrupo and write the file with force. Measured on a
// project that already holds 300 persons with full CVs, beside a bare TXMLProject load plus
// forced save of the same document. Run: build/bench/UGrupo_bench [runs]
#include "UMedicion.h"
#include "document/UXMLProject.h"
#include "form/UFichaPersona.h"
#include "form/UGrupo.h"
#include "support/UProyectoGrande.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// Every field of the person page filled, the CV as long as the responsible group allows.
TFichaPersona Persona(int number) {
    TFichaPersona ficha;
    ficha.SetCuil(TProyectoGrande::Cuil(number));
    for (const QString& campo : TFichaPersona::Campos())
        ficha.SetValor(campo, QStringLiteral("%1 de la persona %2").arg(campo).arg(number));
    ficha.SetValor(QStringLiteral("rol"), QStringLiteral("Investigador Integrante"));
    ficha.SetValor(QStringLiteral("curricularCV"), TProyectoGrande::LongText(12000, number));
    ficha.SetValor(QStringLiteral("curricularFormacion"), TProyectoGrande::LongText(1500, number));
    ficha.SetValor(QStringLiteral("curricularActividades"),
                   TProyectoGrande::LongText(1500, number));
    ficha.SetValor(QStringLiteral("curricularArea"), TProyectoGrande::LongText(500, number));
    return ficha;
}

void BuildProject(const QString& fileName) {
    TXMLProject project(fileName);
    project.SetAttribute(QStringLiteral("soft/"), QStringLiteral("version"), QStringLiteral("2"));
    project.SetCData(QStringLiteral("project/document/properties/title/"),
                     QStringLiteral("Biodiversidad de las yungas"));
    for (int i = 0; i < 300; ++i) {
        TGrupo grupo(project, i < 20 ? TGrupo::GrupoResponsable() : TGrupo::GrupoColaborador());
        Persona(i).Store(grupo);
    }
    project.Save(true);
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("proyecto.xml"));
    BuildProject(file);
    std::printf("document: %.2f MB, 300 persons\n", QFileInfo(file).size() / 1e6);

    // Interleaved, so that both see the same machine load.
    std::vector<double> bare, edit, added;
    TFichaPersona last = Persona(299);
    for (int run = 0; run < runs; ++run) {
        bare.push_back(Ms([&] {
            TXMLProject project(file);
            project.Save(true);
            project.Release();
        }));
        // Editing the last person of the collaborating group: every field is compared, and
        // the changed ones written.
        last.SetValor(QStringLiteral("apellido"), QStringLiteral("Apellido %1").arg(run));
        last.SetValor(QStringLiteral("curricularCV"), TProyectoGrande::LongText(12000, run));
        edit.push_back(Ms([&] { last.StoreFile(file, TGrupo::GrupoColaborador()); }));
        // A new person appended to the responsible group.
        added.push_back(
            Ms([&] { Persona(1000 + run).StoreFile(file, TGrupo::GrupoResponsable()); }));
    }
    std::printf("milliseconds, against a load + Save(true):\n");
    PrintRatios("store an edited person + save", edit, bare, 1.3);
    PrintRatios("store a new person + save", added, bare, 1.3);
    std::printf("document at the end: %.2f MB\n", QFileInfo(file).size() / 1e6);
    return 0;
}
