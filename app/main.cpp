#include "app/Unit1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Qt takes the environment's locale; numbers in files never follow it.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("velorn"));

    // Qt's own texts (standard buttons, file dialogs) in Spanish, like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_es"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    TForm1 form;
    form.show();
    return app.exec();
}
