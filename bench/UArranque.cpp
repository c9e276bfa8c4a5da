// The program's start-up as the start-up benchmark measures it: what app/main.cpp does, with
// the working folder given as the argument, up to the window shown and painted; then quit.
#include "UVentanaLista.h"
#include "app/UInicioAplicacion.h"
#include "app/Unit1.h"
#include "document/UCarpetaTrabajo.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    IniciarAplicacion(app);
    if (argc > 1)
        SetWorkingFolder(QString::fromLocal8Bit(argv[1]));

    TForm1 form;
    MostrarHastaLista(form);
    return 0;
}
