#include "app/UComandos.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

#include <utility>

TComandos TComandos::Crear(QMainWindow* window) {
    auto* MainMenu1 = window->menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    auto* Archivo1 = MainMenu1->addMenu(QStringLiteral("&Archivo"));
    Archivo1->setObjectName(QStringLiteral("Archivo1"));
    // The user's preferences, which hold for every project, between the file and the help.
    auto* Opciones1 = MainMenu1->addMenu(QStringLiteral("&Opciones"));
    Opciones1->setObjectName(QStringLiteral("Opciones1"));
    auto* Ayuda1 = MainMenu1->addMenu(QStringLiteral("Ayuda"));
    Ayuda1->setObjectName(QStringLiteral("Ayuda1"));

    const auto command = [window, Archivo1](const char* name, const QString& caption,
                                            const QString& shortcut, QStyle::StandardPixmap icon) {
        QAction* action = Archivo1->addAction(window->style()->standardIcon(icon), caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(QKeySequence(shortcut));
        return action;
    };
    TComandos comandos;
    comandos.descripcionTecnicaMenuItem =
        command("descripcionTecnicaMenuItem", QStringLiteral("Descripción Técnica"),
                QStringLiteral("Ctrl+Shift+D"), QStyle::SP_FileIcon);
    comandos.GuardarMenuItem = command("GuardarMenuItem", QStringLiteral("Guardar"),
                                       QStringLiteral("Ctrl+G"), QStyle::SP_DialogSaveButton);
    comandos.VerificarMenuItem =
        command("VerificarMenuItem", QStringLiteral("Verificar"), QStringLiteral("Ctrl+Shift+V"),
                QStyle::SP_DialogApplyButton);
    comandos.CaratulaMenuItem =
        command("CaratulaMenuItem", QStringLiteral("Generar carátula"),
                QStringLiteral("Ctrl+Shift+C"), QStyle::SP_FileDialogContentsView);
    comandos.ExportarMenuItem = command("ExportarMenuItem", QStringLiteral("Enviar el proyecto"),
                                        QStringLiteral("Ctrl+Shift+E"), QStyle::SP_ArrowForward);
    // Only in the menu: no toolbar button.
    comandos.ImportarMenuItem = Archivo1->addAction(QStringLiteral("Importar de otro proyecto..."));
    comandos.ImportarMenuItem->setObjectName(QStringLiteral("ImportarMenuItem"));
    Archivo1->addSeparator();
    comandos.SalirMenuItem = Archivo1->addAction(QStringLiteral("Salir"));
    comandos.SalirMenuItem->setObjectName(QStringLiteral("SalirMenuItem"));
    comandos.SalirMenuItem->setShortcut(QKeySequence(QStringLiteral("Alt+F4")));
    comandos.RevisarOrtografiaMenuItem = Opciones1->addAction(QStringLiteral("Revisar ortografía"));
    comandos.RevisarOrtografiaMenuItem->setObjectName(QStringLiteral("RevisarOrtografiaMenuItem"));
    comandos.RevisarOrtografiaMenuItem->setCheckable(true);
    comandos.Acercade1 = Ayuda1->addAction(QStringLiteral("Acerca de..."));
    comandos.Acercade1->setObjectName(QStringLiteral("Acercade1"));

    // Each toolbar button runs the menu item of the same caption.
    auto* ToolBar = window->addToolBar(QStringLiteral("ToolBar"));
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setMovable(false);
    ToolBar->setFloatable(false);
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const std::pair<QAction*, const char*> buttons[] = {
        {comandos.GuardarMenuItem, "GuardarToolButton"},
        {comandos.VerificarMenuItem, "VerificarToolButton"},
        {comandos.descripcionTecnicaMenuItem, "descripcionTecnicaToolButton"},
        {comandos.CaratulaMenuItem, "CaratulaToolButton"},
        {comandos.ExportarMenuItem, "ExportarToolButton"},
    };
    for (const auto& [action, name] : buttons) {
        ToolBar->addAction(action);
        QWidget* button = ToolBar->widgetForAction(action);
        button->setObjectName(QString::fromLatin1(name));
        // Wide enough for the longest caption in the user's font.
        button->setMinimumSize(105, 36);
    }
    return comandos;
}
