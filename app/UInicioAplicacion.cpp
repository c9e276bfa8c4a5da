#include "app/UInicioAplicacion.h"

#include "app/UIconoPrograma.h"
#include "app/UVersionPrograma.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>

void IniciarAplicacion(QApplication& app) {
    // Qt takes the environment's locale; numbers in files never follow it.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("velorn"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersionPrograma));
    QApplication::setWindowIcon(IconoPrograma());
    // Desktops match the windows to the entry "velorn.desktop" by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("velorn"));
    auto* qtTranslator = new QTranslator(&app);
    if (qtTranslator->load(QStringLiteral("qtbase_es"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslator);
}
