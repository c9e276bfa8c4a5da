#include "app/UPreguntaEditores.h"

#include "pages/UPaginaGrupos.h"
#include "pages/UPaginaPresupuesto.h"
#include "widgets/UDialogos.h"

#include <functional>

TPreguntaEditores::TPreguntaEditores(TPaginaGrupos* grupos, TPaginaPresupuesto* presupuesto)
    : grupos_(grupos), presupuesto_(presupuesto) {}

QWidget* TPreguntaEditores::Preguntar() const {
    struct TEditorAbierto {
        bool abierto;
        QString pregunta;
        std::function<bool()> aplicar;
        std::function<void()> descartar;
        QWidget* pagina;
    };
    TPaginaGrupos* grupos = grupos_;
    TPaginaPresupuesto* presupuesto = presupuesto_;
    const TEditorAbierto editores[] = {
        {grupos->EditandoPersona(),
         QStringLiteral("Hay una persona abierta en la Conformación del Grupo. ¿Desea aplicar "
                        "sus datos antes de continuar?"),
         [grupos] { return grupos->AplicarPersona(); },
         [grupos] { grupos->grupoEditCancelarButtonClick(); }, grupos},
        {presupuesto->EditandoRenglon(),
         QStringLiteral("Hay un renglón del presupuesto abierto. ¿Desea aplicarlo antes de "
                        "continuar?"),
         [presupuesto] { return presupuesto->AplicarRenglon(); },
         [presupuesto] { presupuesto->presupuestoCancelarButtonClick(); }, presupuesto},
    };
    for (const TEditorAbierto& editor : editores) {
        if (!editor.abierto)
            continue;
        const TBotonDialogo answer = Dialogos().ShowCaptionedDialog(
            editor.pregunta, QStringLiteral("Confirmación"), TTipoDialogo::Confirmacion,
            {QStringLiteral("&Si"), QStringLiteral("&No"), QStringLiteral("&Cancelar")},
            TBotonDialogo::Si | TBotonDialogo::No | TBotonDialogo::Cancelar, TBotonDialogo::Si);
        if (answer == TBotonDialogo::No)
            editor.descartar();
        else if (answer != TBotonDialogo::Si || !editor.aplicar())
            return editor.pagina;
    }
    return nullptr;
}
