#include "pages/UPaginaResumen.h"

#include <QLineEdit>
#include <QPlainTextEdit>

TPaginaResumen::TPaginaResumen(QWidget* parent)
    : TPaginaFormulario(QStringLiteral("resumenDelProyectoTab"), parent) {
    QLineEdit* palabrasClaveEdit = NewEdit(QStringLiteral("palabrasClaveEdit"));
    QPlainTextEdit* resumenDelProyectoMemo = NewMemo(QStringLiteral("resumenDelProyectoMemo"));
    QLineEdit* projectTitleEdit = NewEdit(QStringLiteral("projectTitleEdit"));
    QLineEdit* keywordsEdit = NewEdit(QStringLiteral("keywordsEdit"));
    QPlainTextEdit* summaryMemo = NewMemo(QStringLiteral("summaryMemo"));

    AddGrupo(QStringLiteral("palabrasClaveGroupBox"), QStringLiteral("Palabras Clave"),
             QStringLiteral("10201"), palabrasClaveEdit);
    AddGrupo(QStringLiteral("resumenDelProyectoGroupBox"), QStringLiteral("Resumen del Proyecto"),
             QStringLiteral("10202"), resumenDelProyectoMemo);
    AddGrupo(QStringLiteral("projectTitleGroupBox"), QStringLiteral("Project Title"),
             QStringLiteral("10203"), projectTitleEdit);
    AddGrupo(QStringLiteral("keywordsGroupBox"), QStringLiteral("Keywords"),
             QStringLiteral("10204"), keywordsEdit);
    AddGrupo(QStringLiteral("summaryGroupBox"), QStringLiteral("Summary"), QStringLiteral("10205"),
             summaryMemo);

    AddTexto(QStringLiteral("resumenDelProyecto/palabrasClave/"), palabrasClaveEdit);
    AddTexto(QStringLiteral("resumenDelProyecto/resumenDelProyecto/"), resumenDelProyectoMemo);
    AddTexto(QStringLiteral("resumenDelProyecto/projectTitle/"), projectTitleEdit);
    AddTexto(QStringLiteral("resumenDelProyecto/keywords/"), keywordsEdit);
    AddTexto(QStringLiteral("resumenDelProyecto/summary/"), summaryMemo);
}
