#include "app/UOfertaRecuperacion.h"

#include "config/URegional.h"
#include "document/URecuperacion.h"
#include "widgets/UDialogos.h"

#include <QDir>

bool TOfertaRecuperacion::Aceptada() {
    if (!TRecuperacion::HayParaRecuperar())
        return false;
    const QString fecha =
        TRecuperacion::Fecha().toString(Regional().ShortDateFormat() + QStringLiteral(" HH:mm"));
    const TBotonDialogo answer = Dialogos().ShowCaptionedDialog(
        QStringLiteral("Se encontraron cambios del formulario que no se guardaron (%1), "
                       "probablemente porque el programa se cerró de forma inesperada. ¿Desea "
                       "recuperarlos?")
            .arg(fecha),
        QStringLiteral("Confirmación"), TTipoDialogo::Confirmacion,
        {QStringLiteral("&Si"), QStringLiteral("&No")}, TBotonDialogo::Si | TBotonDialogo::No,
        TBotonDialogo::Si);
    if (answer == TBotonDialogo::Si)
        return true;
    if (TRecuperacion::Apartar().isEmpty())
        Dialogos().ShowError(QStringLiteral("No se pudo apartar la copia de recuperación \"%1\".")
                                 .arg(QDir::toNativeSeparators(TRecuperacion::Nombre())));
    return false;
}
