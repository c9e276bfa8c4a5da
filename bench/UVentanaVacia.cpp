// The baseline of the start-up benchmark: a bare Qt Widgets program, a QMainWindow shown, the
// events processed until it is painted, then quit.
#include "UVentanaLista.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    MostrarHastaLista(window);
    return 0;
}
