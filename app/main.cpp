#include "app/UInicioAplicacion.h"
#include "app/Unit1.h"
#include "document/UBloqueoCarpeta.h"
#include "document/UCarpetaTrabajo.h"
#include "widgets/UDialogos.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    IniciarAplicacion(app);
    // One program per working folder: a second one ends here, before it touches any file.
    TBloqueoCarpeta bloqueo(WorkingFolder());
    if (!bloqueo.Tomar()) {
        Dialogos().ShowError(bloqueo.MensajeOcupada());
        return 1;
    }
    TForm1 form;
    form.show();
    return app.exec();
}
