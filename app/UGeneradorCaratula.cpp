#include "app/UGeneradorCaratula.h"

#include "cover/UCaratula.h"
#include "document/UArchivoProyecto.h"
#include "document/UCarpetaTrabajo.h"
#include "document/UXMLProject.h"
#include "widgets/UAbrirConPrograma.h"
#include "widgets/UDialogos.h"

#include <QTimer>

#include <memory>

TGeneradorCaratula::TGeneradorCaratula(QObject* parent) : QObject(parent) {}

QString TGeneradorCaratula::CoverPath() {
    return WorkingFolder() + QStringLiteral("caratula.htm");
}

void TGeneradorCaratula::CaratulaMenuItemClick(bool verified, const TConfiguracion& configuracion) {
    if (!verified) {
        Dialogos().ShowCaptionedDialog(
            QStringLiteral("Verifique el proyecto antes de generar la carátula."),
            QStringLiteral("Proyecto no verificado"), TTipoDialogo::Error,
            {QStringLiteral("Aceptar")}, TBotonDialogo::Aceptar);
        return;
    }
    // The pages come from the stored file, never from the pages being edited.
    auto document = std::make_shared<TXMLProject>(TArchivoProyecto::Nombre());
    QTimer::singleShot(0, this,
                       [this, document, &configuracion] { Generate(*document, configuracion); });
}

void TGeneradorCaratula::Generate(TXMLProject& document, const TConfiguracion& configuracion) {
    const bool written = RunShowingErrors([&document] {
        TCaratula caratula(document);
        caratula.WriteCoverPages(CoverPath());
    });
    // Reading may have added empty elements; the stored project stays as it is.
    document.Discard();
    if (written)
        OpenCoverPages(configuracion);
}

void TGeneradorCaratula::OpenCoverPages(const TConfiguracion& configuracion) {
    OpenWithConfiguredProgram(configuracion, QStringLiteral("caratula"), CoverPath());
}
