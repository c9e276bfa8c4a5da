#include "pages/UPaginaDatosComplementarios.h"

#include <QPlainTextEdit>

TPaginaDatosComplementarios::TPaginaDatosComplementarios(QWidget* parent)
    : TPaginaFormulario(QStringLiteral("datosComplementariosTab"), parent) {
    QPlainTextEdit* dcInvestigadoresMemo = NewMemo(QStringLiteral("dcInvestigadoresMemo"));
    QPlainTextEdit* dcSalvaguardiaMemo = NewMemo(QStringLiteral("dcSalvaguardiaMemo"));
    QPlainTextEdit* dcObservacionesMemo = NewMemo(QStringLiteral("dcObservacionesMemo"));

    AddGrupo(QStringLiteral("dcInvestigadoresGroupBox"),
             QStringLiteral("Investigadores recusados como evaluadores"), QStringLiteral("10401"),
             dcInvestigadoresMemo);
    AddGrupo(QStringLiteral("dcSalvaguardiaGroupBox"),
             QStringLiteral("Salvaguardia ética y ambiental"), QStringLiteral("10402"),
             dcSalvaguardiaMemo);
    AddGrupo(QStringLiteral("dcObservacionesGroupBox"), QStringLiteral("Otras observaciones"),
             QString(), dcObservacionesMemo);

    AddTexto(QStringLiteral("datosComplementarios/investigadores/"), dcInvestigadoresMemo);
    AddTexto(QStringLiteral("datosComplementarios/salvaguardia/"), dcSalvaguardiaMemo);
    AddTexto(QStringLiteral("datosComplementarios/observaciones/"), dcObservacionesMemo);
}
