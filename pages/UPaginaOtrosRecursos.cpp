#include "pages/UPaginaOtrosRecursos.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

TPaginaOtrosRecursos::TPaginaOtrosRecursos(QWidget* parent)
    : TPaginaFormulario(QStringLiteral("otrosRecursosTab"), parent),
      otrosRecursosMemo_(NewMemo(QStringLiteral("otrosRecursosMemo"))) {
    // The caption ends with a blank.
    AddGrupo(QStringLiteral("otrosRecursosGroupBox"),
             QStringLiteral("Otros Recursos afectados para el desarrollo del Proyecto "), QString(),
             otrosRecursosMemo_);
    AddTexto(QStringLiteral("otrosRecursos/otrosRecursos/"), otrosRecursosMemo_);
    otrosRecursosMemo_->installEventFilter(this);
}

// Enter breaks no line here; a line break is still possible with Ctrl+Enter, and pasted text
// keeps its lines.
bool TPaginaOtrosRecursos::eventFilter(QObject* watched, QEvent* event) {
    if (watched == otrosRecursosMemo_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers().testFlag(Qt::ControlModifier))
                otrosRecursosMemo_->insertPlainText(QStringLiteral("\n"));
            return true;
        }
    }
    return TPaginaFormulario::eventFilter(watched, event);
}
