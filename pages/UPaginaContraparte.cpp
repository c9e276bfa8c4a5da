#include "pages/UPaginaContraparte.h"

#include <QPlainTextEdit>

TPaginaContraparte::TPaginaContraparte(QWidget* parent)
    : TPaginaFormulario(QStringLiteral("contraparteTab"), parent) {
    QPlainTextEdit* contraparteMemo = NewMemo(QStringLiteral("contraparteMemo"));
    AddGrupo(QStringLiteral("contraparteGroupBox"),
             QStringLiteral("Infraestructura y Equipamiento existente en la Unidad Ejecutora"),
             QString(), contraparteMemo);
    AddTexto(QStringLiteral("contraparte/contraparte/"), contraparteMemo);
}
