// A floor for the start-up benchmark: what any version of the program must do before its
// first paint, and nothing more. The application set up as the program sets it up, a window
// of the same size with the same menu bar and toolbar, and one line of text in it; no form.
#include "UVentanaLista.h"
#include "app/UInicioAplicacion.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    IniciarAplicacion(app);
    QMainWindow window;
    window.resize(800, 600);
    QMenu* archivo = window.menuBar()->addMenu(QStringLiteral("&Archivo"));
    window.menuBar()->addMenu(QStringLiteral("Ayuda"));
    QToolBar* barra = window.addToolBar(QStringLiteral("ToolBar"));
    barra->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const std::pair<const char*, QStyle::StandardPixmap> comandos[] = {
        {"Guardar", QStyle::SP_DialogSaveButton},
        {"Verificar", QStyle::SP_DialogApplyButton},
        {"Descripción Técnica", QStyle::SP_FileIcon},
        {"Generar carátula", QStyle::SP_FileDialogContentsView},
        {"Enviar el proyecto", QStyle::SP_ArrowForward},
    };
    for (const auto& [texto, icono] : comandos)
        barra->addAction(
            archivo->addAction(window.style()->standardIcon(icono), QString::fromUtf8(texto)));
    window.setCentralWidget(new QLabel(QStringLiteral("Bienvenido")));
    MostrarHastaLista(window);
    return 0;
}
