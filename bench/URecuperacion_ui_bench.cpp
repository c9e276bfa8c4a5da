// The recovery copy of a 5 MB project (300 persons with full CVs, 3 x 300 budget lines), as
// written when the user leaves a section with edits pending, beside a bare load and save of the
// same document; runs alternated, ratios paired run by run. Goal: the copy well under 50 ms.
#include "UMedicion.h"
#include "app/Unit1.h"
#include "document/UCarpetaTrabajo.h"
#include "document/URecuperacion.h"
#include "document/UXMLProject.h"
#include "support/UProyectoGrande.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <clocale>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    QTemporaryDir dir;
    TProyectoGrande::CopyFolder(QStringLiteral(DATOS_MUESTRA), dir.path());
    const QString file = dir.filePath(QStringLiteral("proyecto.xml"));
    TProyectoGrande::Build(file, QStringLiteral("ROVA-I-A-2026"), 300, 300);
    std::printf("project: %.1f MB\n", QFileInfo(file).size() / 1e6);
    SetWorkingFolder(dir.path());

    TForm1 form;
    auto* titulo = form.findChild<QLineEdit*>(QStringLiteral("tituloEdit"));
    std::vector<double> copia, guardado;
    for (int run = 0; run < runs; ++run) {
        // An edit as the user makes it, so that a copy is due.
        emit titulo->textEdited(titulo->text());
        copia.push_back(Ms([&] { form.EscribirRecuperacion(); }));
        guardado.push_back(Ms([&] {
            TXMLProject project(file);
            project.Save(true);
            project.Release();
        }));
    }
    std::printf("recovery copy: %.1f MB\n", QFileInfo(TRecuperacion::Nombre()).size() / 1e6);
    PrintRatios("recovery copy vs load + save", copia, guardado);
    std::printf("recovery copy median %.2f ms (goal well under 50 ms: %s)\n", Median(copia),
                Median(copia) < 50 ? "met" : "NOT met");
    SetWorkingFolder(QString());
    return 0;
}
