#include "app/UInicioAplicacion.h"
#include "ui_support/UDialogosGuion.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The window tests run without a display unless one is asked for.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Nothing a test leaves behind reaches the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    // The same start as the program's: translations, numbers in the C format, the icon.
    IniciarAplicacion(app);
    // Tests close windows without ending the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // No test may ever wait for a person: a dialog nobody scripted fails instead.
    SetDialogos(std::make_unique<TDialogosGuion>());
    return RUN_ALL_TESTS();
}
