#pragma once

class QAction;
class QMainWindow;

// The program's commands: the menus "Archivo", "Opciones" and "Ayuda" of the main window with
// their shortcuts, and the toolbar, whose buttons run the menu items of the same caption. The
// window connects each action to its handler.
struct TComandos {
    QAction* descripcionTecnicaMenuItem;
    QAction* GuardarMenuItem;
    QAction* VerificarMenuItem;
    QAction* CaratulaMenuItem;
    QAction* ExportarMenuItem;
    QAction* ImportarMenuItem;
    QAction* SalirMenuItem;
    // Checkable: spell checking of the free texts on or off.
    QAction* RevisarOrtografiaMenuItem;
    QAction* Acercade1;

    // Builds the menus and the toolbar of the window, which owns them.
    static TComandos Crear(QMainWindow* window);
};
