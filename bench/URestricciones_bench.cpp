// The work of "Verificar" that does not involve the window, on a large project (three years of
// 300 budget lines each, 300 persons with full CVs): the store (the budget rewritten, the
// texts and the flag "0", forced save), the stored file opened anew, every rule, and the flag
// written (the file written again only when it changes). Measured for a project that passes
// (flag 0 -> 1, written twice) and one that fails (written once), each paired run by run with
// a bare TXMLProject load plus Save(true) of the same document.
// Run: build/bench/URestricciones_bench [runs]
#include "UMedicion.h"
#include "config/UConfiguracion.h"
#include "config/URegional.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "rules/UVerificacion.h"
#include "support/UProyectoGrande.h"
#include "support/UProyectoPrueba.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kLineas = 300;
constexpr int kPersonas = 300;
const QString kConvocatoria = QStringLiteral("Convocatoria A");

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    TCarpetaPrueba carpeta;
    SetRegional(std::make_unique<TConfiguracionRegionalFija>(QLatin1Char('.'),
                                                             QStringLiteral("dd/MM/yyyy")));
    carpeta.WriteConfig();
    carpeta.WriteFile(QStringLiteral("desctec/desc.pdf"), "%PDF-1.4\n");
    const QString file = carpeta.ProyectoPath();
    TProyectoGrande::Build(file, kConvocatoria, kPersonas, kLineas);
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
                phases[0] =
                    Ms([&] { TProyectoGrande::Store(file, kConvocatoria, kLineas, passes == 1); });
                std::unique_ptr<TVerificacion> verificacion;
                phases[1] = Ms([&] { verificacion = std::make_unique<TVerificacion>(file); });
                QStringList found;
                phases[2] = Ms([&] { found = verificacion->Check(configuracion).Mensajes(); });
                messages[passes] = int(found.size());
                phases[3] = Ms([&] { verificacion->Finish(found.isEmpty()); });
            }));
            store[passes].push_back(phases[0]);
            reopen[passes].push_back(phases[1]);
            rules[passes].push_back(phases[2]);
            flag[passes].push_back(phases[3]);
        }
    }
    std::printf("milliseconds, against a load + Save(true) of the same run:\n");
    PrintRatios("verify, passing (flag written)", total[1], bare, 2.0);
    PrintRatios("verify, failing (no second write)", total[0], bare, 2.0);
    for (const int passes : {1, 0})
        std::printf("  %s: store %.2f, reopen %.2f, rules %.2f, flag %.2f; %d messages\n",
                    passes ? "passing" : "failing", Median(store[passes]), Median(reopen[passes]),
                    Median(rules[passes]), Median(flag[passes]), messages[passes]);
    SetRegional(nullptr);
    SetWorkingFolder(QString());
    return 0;
}
