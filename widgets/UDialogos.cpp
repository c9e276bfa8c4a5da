#include "widgets/UDialogos.h"

#include "document/UErrores.h"
#include "widgets/UDialogosEstandar.h"

namespace {
std::unique_ptr<TDialogos>& Current() {
    static std::unique_ptr<TDialogos> current;
    return current;
}
} // namespace

QList<TBotonDialogo> BotonesEnOrden(TBotonesDialogo buttons) {
    QList<TBotonDialogo> result;
    for (const TBotonDialogo button :
         {TBotonDialogo::Si, TBotonDialogo::No, TBotonDialogo::Aceptar, TBotonDialogo::Cancelar}) {
        if (buttons.testFlag(button))
            result.append(button);
    }
    return result;
}

TDialogos& Dialogos() {
    if (!Current())
        Current() = std::make_unique<TDialogosEstandar>();
    return *Current();
}

void SetDialogos(std::unique_ptr<TDialogos> dialogos) {
    Current() = std::move(dialogos);
}

bool RunShowingErrors(const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const EVelornError& error) {
        Dialogos().ShowError(error.Message());
    } catch (const std::exception& error) {
        Dialogos().ShowError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
