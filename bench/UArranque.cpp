// The program's start-up as the start-up benchmark measures it: what app/main.cpp does, with
// the working folder given as the argument, up to the window shown and painted; then quit.
#include "UVentanaLista.h"
#include "app/Unit1.h"
#include "document/UCarpetaTrabajo.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("velorn"));
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_es"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    if (argc > 1)
        SetWorkingFolder(QString::fromLocal8Bit(argv[1]));

    TForm1 form;
    MostrarHastaLista(form);
    return 0;
}
