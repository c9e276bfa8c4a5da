#include "pages/UPaginaSubsidio.h"

#include <QPlainTextEdit>

TPaginaSubsidio::TPaginaSubsidio(QWidget* parent)
    : TPaginaFormulario(QStringLiteral("subsidioSolicitadoTab"), parent) {
    QPlainTextEdit* justificacionSubsidioMemo =
        NewMemo(QStringLiteral("justificacionSubsidioMemo"));
    QPlainTextEdit* justificacionBecaMemo = NewMemo(QStringLiteral("justificacionBecaMemo"));

    AddGrupo(QStringLiteral("justificacionSubsidioGroupBox"),
             QStringLiteral("Justificación del subsidio solicitado"), QString(),
             justificacionSubsidioMemo);
    AddGrupo(QStringLiteral("justificacionBecaGroupBox"),
             QStringLiteral("Justificación de la beca solicitada"), QString(),
             justificacionBecaMemo);

    AddTexto(QStringLiteral("subsidioSolicitado/justificacionSubsidio/"),
             justificacionSubsidioMemo);
    AddTexto(QStringLiteral("subsidioSolicitado/justificacionBeca/"), justificacionBecaMemo);
}
