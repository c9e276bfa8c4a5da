#include "app/UInicioAplicacion.h"
#include "app/Unit1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    IniciarAplicacion(app);
    TForm1 form;
    form.show();
    return app.exec();
}
